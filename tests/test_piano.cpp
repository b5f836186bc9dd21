// The plan, its listing and its exports. Expected values come from the worked example, from hand calculation, or from
// the independent models in dati/ (modello_termini.py, modello_eventi.py).

#include "engine/anni.h"
#include "engine/centesimi.h"
#include "engine/costi.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "engine/eventi/estinzione.h"
#include "engine/eventi/sospensione.h"
#include "engine/eventi/variazione.h"
#include "engine/formato.h"
#include "engine/inverso.h"
#include "engine/limiti.h"
#include "engine/listato.h"
#include "engine/numeri.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"
#include "tests/regola_chiusura.h"
#include "tests/rifiuto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>

using namespace pianoamm;

namespace {

// "dd/mm/yyyy" mesi months later, the day kept where the month has it and else the month's last, worked out here on its
// own.
std::string Scadenza(const char* data, int mesi)
{
    int giorno = 0, mese = 0, anno = 0;
    std::sscanf(data, "%d/%d/%d", &giorno, &mese, &anno);
    const int indice = mese - 1 + mesi;
    anno += indice / 12;
    mese = indice % 12 + 1;
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    constexpr int Giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    giorno = std::min(giorno, Giorni[mese - 1] + (mese == 2 && bisestile ? 1 : 0));
    char testo[16];
    std::snprintf(testo, sizeof testo, "%02d/%02d/%04d", giorno, mese, anno);
    return testo;
}

Mutuo M(double importo, int rate, double tasso, Cadenza cadenza, const char* data)
{
    return {importo, rate, tasso, *LeggiData(data), cadenza, {}};
}

// The message refusing a loan, or "" for a loan taken.
std::string Motivo(const Mutuo& mutuo)
{
    return MotivoDi([&mutuo] { return PianoAmm(mutuo); });
}

std::string Righe(const Piano& piano, std::size_t da, std::size_t a)
{
    const Listato listato = ComponiListato(piano);
    std::string testo;
    for (std::size_t i = da; i <= a; ++i)
        testo.append(listato[i]).append(1, '\n');
    return testo;
}

// The worked example at a variable rate: 100.000 in 240 monthly installments from 01/01/2025, entry rate 3,00 %, to the
// cent, spread 1,50, revision every 6; the index 2,00 from 01/01/2025, 2,50 from 01/06/2025, -0,40 from 01/12/2025.
template <class Modifica>
Mutuo Variabile(Modifica modifica)
{
    Mutuo mutuo = M(100000, 240, 3, Cadenza::Mensile, "01/01/2025");
    mutuo.condizioni.arrotondamento = Arrotondamento::Centesimi;
    TassoVariabile tasso{{{{2025, 1, 1}, 2}, {{2025, 6, 1}, 2.5}, {{2025, 12, 1}, -0.4}}, 1.5, 6};
    modifica(mutuo, tasso);
    mutuo.condizioni.tassoVariabile = tasso;
    return mutuo;
}

const auto Esempio = [](Mutuo&, TassoVariabile&) {};

// Its CSV and yearly table are checked whole by tests/uscite_esatte.sh.
TEST(Piano, EsempioAnnuale)
{
    const auto piano = PianoAmm(M(100000, 10, 5, Cadenza::Annuale, "06/04/2006"));
    std::ifstream file(std::string(PIANOAMM_DATI) + "/esempio_annuale.txt", std::ios::binary);
    std::ostringstream atteso;
    atteso << file.rdbuf();
    EXPECT_EQ(ComponiListato(piano).Testo(), atteso.str());
    EXPECT_NEAR(piano.righe[9].quotaInteressi, 617.574965, 1e-6);
}

TEST(Piano, RataPerCadenzaEMesiDiScadenza)
{
    const struct {
        Cadenza cadenza;
        double rata;
        const char* secondaScadenza;
    } casi[] = {
        {Cadenza::Mensile, 10230.595941059317, "31/03/2008"},
        {Cadenza::Bimestrale, 10464.0380989389, "31/05/2008"},
        {Cadenza::Trimestrale, 10700.307397125107, "31/07/2008"},
        {Cadenza::Quadrimestrale, 10939.384010755899, "30/09/2008"},
        {Cadenza::Semestrale, 11425.87631771407, "31/01/2009"},
        {Cadenza::Annuale, 12950.45749654566, "31/01/2010"},
    };
    for (const auto& [cadenza, rata, secondaScadenza] : casi) {
        const auto piano = PianoAmm(M(100000, 10, 5, cadenza, "31/01/2008"));
        EXPECT_DOUBLE_EQ(piano.rata, rata);
        EXPECT_EQ(FormatoData(piano.righe[1].scadenza), secondaScadenza);
    }
    EXPECT_DOUBLE_EQ(RataMutuo(100000, 120, 0.05 / 12), 1060.6551523907553);
    EXPECT_EQ(RataMutuo(100000, 4, 0), 25000);
}

TEST(Piano, FrazioniCheArrivanoEsattamenteAUno)
{
    // 2,50 at 50 % yearly, six rows of interest only, then one installment: 1,25 a row, every fraction a binary one:
    // 0,25; 0,5; 0,75; exactly 1 (no unit); 1,25 (a unit, 0,25 left); 0,5, and the last of the six pays a unit of it.
    // The installment, 3,75, pays the debt and its interest.
    Mutuo mutuo = M(2.5, 1, 50, Cadenza::Annuale, "06/04/2006");
    mutuo.condizioni.preammortamento = 6;
    const auto piano = PianoAmm(mutuo);
    const double interessi[] = {1, 1, 1, 1, 2, 2, 1.25};
    ASSERT_EQ(piano.righe.size(), 7U);
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(piano.righe[i].quotaInteressi, interessi[i]) << i + 1;
    EXPECT_EQ(piano.righe[6].quotaCapitale, 2.5);
}

TEST(Piano, CasiLimiteNelListato)
{
    const struct {
        Mutuo mutuo;
        std::size_t da, a;  // the listing's lines
        std::string righe;
    } casi[] = {
        {M(100000, 1, 5, Cadenza::Annuale, "06/04/2006"), 5, 5,
         "RATA FISSA             :           105000   TASSO % ANNUALE :    5,000\n"},
        {M(0, 3, 5, Cadenza::Mensile, "15/06/2006"), 4, 6,
         "IMPORTO MUTUO          :                   NUMERO RATE   :    3\n"
         "RATA FISSA             :                0   TASSO % ANNUALE :    5,000\n"
         "TOTALE QUOTA INTERESSI :                \n"},
        {M(0, 3, 5, Cadenza::Mensile, "15/06/2006"), 11, 11, "  1    15/07/2006" + std::string(54, ' ') + "\n"},
        {M(100000, 3, 0, Cadenza::Mensile, "31/01/2008"), 11, 13,
         "  1    29/02/2008                      33.333        33.333         66.667\n"
         "  2    31/03/2008                      33.333        33.333         33.333\n"
         "  3    30/04/2008                      33.333        33.333              \n"},
        {M(5, 10, 3, Cadenza::Mensile, "06/04/06"), 5, 5,
         "RATA FISSA             : 0,50690074880684   TASSO % ANNUALE :    3,000\n"},
        // 0,01 / 999, fourteen decimals.
        {M(0.01, 999, 0, Cadenza::Mensile, "06/04/2006"), 5, 5,
         "RATA FISSA             : 0,00001001001001   TASSO % ANNUALE :    0,000\n"},
        {M(1000, 12, 5, Cadenza::Mensile, "31/12/9998"), 22, 22,
         " 12    31/12/9999              1            84            86              \n"},
    };
    for (const auto& [mutuo, da, a, atteso] : casi)
        EXPECT_EQ(Righe(PianoAmm(mutuo), da, a), atteso);
}

TEST(Piano, DatiFuoriDaiLimitiSonoErrori)
{
    const std::pair<Mutuo, std::string> casi[] = {
        {M(100000, 2, 5, Cadenza::Annuale, "31/12/9998"), "31/12/9999"},
        {M(-1, 10, 5, Cadenza::Annuale, "06/04/2006"),
         "L'importo del finanziamento deve essere compreso tra 0 e 999.999.999."},
        {M(1e9, 10, 5, Cadenza::Annuale, "06/04/2006"),
         "L'importo del finanziamento deve essere compreso tra 0 e 999.999.999."},
        {M(1000, 0, 5, Cadenza::Annuale, "06/04/2006"), "Il numero delle rate deve essere compreso tra 1 e 999."},
        {M(1000, 1000, 5, Cadenza::Annuale, "06/04/2006"), "Il numero delle rate deve essere compreso tra 1 e 999."},
        {M(1000, 10, 99.01, Cadenza::Annuale, "06/04/2006"), "Il tasso annuo deve essere compreso tra 0 e 99."},
        {M(1000, 10, -0.5, Cadenza::Annuale, "06/04/2006"), "Il tasso annuo deve essere compreso tra 0 e 99."},
        // A variable rate's terms out of their limits, and what its plan cannot take.
        {Variabile([](Mutuo&, TassoVariabile& t) { t.spread = 20.5; }), "Lo spread deve essere compreso tra 0 e 20."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.spread = 1.2345; }),
         "Lo spread può avere al massimo tre decimali."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.revisione = 13; }),
         "Il numero di rate fra due revisioni del tasso deve essere compreso tra 1 e 12."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.arrotondamento = 0.2; }),
         "L'indice si arrotonda a un multiplo di 0,05, 0,10, 0,125 o 0,25."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.indice.resize(2001, t.indice.back()); }),
         "L'indice ha 2001 valori: al massimo 2.000."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.indice[2].data = t.indice[1].data; }),
         "Le date dell'indice devono crescere: il 01/06/2025 segue il 01/06/2025."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.indice[1].valore = 2.5001; }),
         "Il valore dell'indice del 01/06/2025 può avere al massimo tre decimali."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.indice.erase(t.indice.begin(), t.indice.begin() + 2); }),
         "La revisione del 01/07/2025 cade prima del primo valore dell'indice, del 01/12/2025."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.minimo = 5, t.massimo = 4; }),
         "Il tasso minimo (5,000 %) supera il tasso massimo (4,000 %)."},
        {Variabile([](Mutuo& m, TassoVariabile& t) {
             m.condizioni.metodo = Metodo::Italiano, t.ricalcolo = Ricalcolo::Quote;
         }),
         "Con il metodo italiano la quota capitale resta quella del metodo e solo gli interessi seguono il tasso: il "
         "ricalcolo «quote» non vale."},
        {Variabile(
             [](Mutuo& m, TassoVariabile& t) { m.tassoAnnuo = 0, t.spread = 10, t.ricalcolo = Ricalcolo::Durata; }),
         "Al tasso del 12,500 % dalla rata 7 gli interessi supererebbero la rata: la durata non può seguire il tasso."},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.ricalcolo = Ricalcolo::Durata, t.durataMassima = 1000; }),
         "Il numero massimo di rate deve essere compreso tra 1 e 999."},
    };
    for (const auto& [mutuo, messaggio] : casi)
        EXPECT_NE(Motivo(mutuo).find(messaggio), std::string::npos) << messaggio;
}

// Every frequency and count over the fields' ranges: what must hold for every plan, whatever the numbers.
TEST(Piano, OgniPianoECompletoECoerente)
{
    constexpr double Importi[] = {0, 0.01, 1, 999.99, 100000, 123456.78, 50000000.5, 999999999};
    constexpr double Tassi[] = {0, 0.01, 1, 5, 12.5, 30, 57.33, 99};
    constexpr const char* Date[] = {"31/01/2008", "29/02/2008", "30/04/2007", "31/12/1999", "28/02/2100"};
    std::size_t caso = 0;
    for (const auto& cadenza : Cadenze) {
        for (int n = 1; n <= 999; ++n, ++caso) {
            const Mutuo mutuo = M(Importi[caso % 8], n, Tassi[(caso / 8) % 8], cadenza.valore, Date[caso % 5]);
            const auto contesto = testing::Message() << mutuo.importo << " " << n << " " << mutuo.tassoAnnuo << " "
                                                     << cadenza.parola << " " << Date[caso % 5];
            Piano piano;
            try {
                piano = PianoAmm(mutuo);
            } catch (const ErrorePiano& errore) {
                ASSERT_NE(std::string(errore.what()).find("non si chiude all'ultima rata: alla rata "),
                          std::string::npos)
                    << contesto;
                continue;
            }
            ASSERT_TRUE(SiChiude(piano)) << contesto;
            const Listato listato = ComponiListato(piano);
            ASSERT_EQ(std::tuple(listato.NumeroRighe(), listato.RigaTitoli(), listato[9], listato[10]),
                      std::tuple(RigheIntestazione + static_cast<std::size_t>(n), 9U, TitoliColonne, Sottolineatura))
                << contesto;
            double interessi = 0;
            for (std::size_t k = 0; k < piano.righe.size(); ++k) {
                const auto riga = listato[RigheIntestazione + k];
                ASSERT_TRUE(riga.size() <= 80 && riga.find_first_of("nai") == std::string_view::npos) << riga;
                ASSERT_EQ(riga.substr(7, 10), Scadenza(Date[caso % 5], cadenza.mesi * int(k + 1)));
                interessi += piano.righe[k].quotaInteressi;
            }
            const auto ultima = listato[listato.NumeroRighe() - 1];
            ASSERT_EQ(ultima.substr(ultima.size() - 13), std::string(13, ' ')) << contesto;
            // Interest paid is what the installments bring in beyond the loan.
            const double attesi = n * piano.rata - mutuo.importo;
            ASSERT_NEAR(interessi, attesi, 1e-6 * (1 + n * piano.rata)) << contesto;
            ASSERT_EQ(piano.totaleInteressi, interessi) << contesto;
            // Without costs the TAEG is the periodic rate compounded over a year.
            const auto taeg = CostoDelCredito(piano, {}).taeg;
            ASSERT_EQ(taeg.has_value(), mutuo.importo > 0) << contesto;
            const int perAnno = 12 / cadenza.mesi;
            const double effettivo = (std::pow(1 + mutuo.tassoAnnuo / 100 / perAnno, perAnno) - 1) * 100;
            ASSERT_NEAR(taeg.value_or(effettivo), effettivo, 1e-7 * (1 + effettivo)) << contesto;
            // Costs raise it; costs of the whole amount leave no rate to find.
            const auto conSpese = CostoDelCredito(piano, {1, 0.25, 0.5}).taeg;
            ASSERT_EQ(conSpese.has_value(), mutuo.importo > 1.01) << contesto;
            ASSERT_GT(conSpese.value_or(effettivo + 1), effettivo) << contesto;
        }
    }
}

// Where the default terms stop closing, as a separate model of the rows finds it (dati/soglie_chiusura.py): the first
// rate refused, the one below it taken; the rate from which every one is refused, the one below it taken.
TEST(Piano, SoglieDiChiusura)
{
    std::ifstream dati(PIANOAMM_DATI "/soglie_chiusura.txt");
    int casi = 0;
    for (std::string linea; std::getline(dati, linea);) {
        if (linea.starts_with('#'))
            continue;
        std::istringstream campi(linea);
        double importo = 0;
        int rate = 0;
        std::string parola;
        std::string primo;
        std::string tutti;
        campi >> importo >> rate >> parola >> primo >> tutti;
        const auto cadenza = std::ranges::find(Cadenze, parola, &DatiCadenza::parola)->valore;
        const auto tasso = [](const std::string& testo) { return LeggiNumero(testo, 2).value(); };
        const auto chiude = [&](double t) { return Motivo(M(importo, rate, t, cadenza, "15/03/2026")).empty(); };
        for (const double soglia : {tasso(primo), tasso(tutti)}) {
            EXPECT_FALSE(chiude(soglia)) << linea;
            EXPECT_TRUE(chiude((std::round(soglia * 100) - 1) / 100)) << linea;
        }
        EXPECT_FALSE(chiude(99)) << linea;
        ++casi;
    }
    EXPECT_EQ(casi, 9);
}

// The plans that cannot close on their last row, refused with the first row concerned and what would carry them.
TEST(Piano, PianiCheNonSiChiudono)
{
    const auto centesimi = [](Mutuo mutuo) {
        mutuo.condizioni.arrotondamento = Arrotondamento::Centesimi;
        return mutuo;
    };
    const std::pair<Mutuo, std::string> casi[] = {
        // Paid at row 327 by an installment of 270,08; rows 328-332 would charge it all as interest on nothing.
        {M(10800.26, 332, 5, Cadenza::Semestrale, "29/11/2017"),
         "alla rata 327 il debito sarebbe già estinto, 5 rate prima della fine. Il piano si chiude arrotondando "
         "al centesimo o con "},
        // 509.000 x 12 % is the whole installment: the capital's part, below a double's precision beside it, is lost
        // and the debt never falls.
        {M(509000, 358, 12, Cadenza::Annuale, "10/08/2019"), "alla rata 358 la quota interessi sarebbe negativa."},
        {M(150000, 999, 7.5, Cadenza::Annuale, "31/01/2026"), "alla rata 999 la quota interessi sarebbe negativa."},
        // 10.000 at 30 % over 80 years: paid off at row 39.
        {M(10000, 80, 30, Cadenza::Annuale, "06/04/2006"), "alla rata 39 il debito sarebbe già estinto, 41 rate"},
        // To the cent the rounded installment overpays until row 193.
        {centesimi(M(404815, 194, 7.98, Cadenza::Annuale, "17/10/2024")),
         "alla rata 193 il debito sarebbe già estinto, 1 rata prima della fine. Il piano si chiude con "},
    };
    for (const auto& [mutuo, motivo] : casi) {
        const std::string testo = Motivo(mutuo);
        EXPECT_EQ(testo.rfind("Il piano non si chiude all'ultima rata: " + motivo, 0), 0U) << testo;
        // The count offered does close.
        const auto con = testo.rfind(" con ");
        if (con == std::string::npos)
            continue;
        Mutuo proposto = mutuo;
        proposto.numeroRate = std::stoi(testo.substr(con + 5));
        EXPECT_TRUE(SiChiude(PianoAmm(proposto))) << testo;
    }
    // Rounding to the cent carries the first: its last row pays the debt left.
    EXPECT_TRUE(SiChiude(PianoAmm(centesimi(casi[0].first))));
}

// 90.000 at 14 % over 360 months: 1.007,88 with the equivalent monthly rate (1,14^(1/12) - 1), 1.066,38 with the
// proportional one (14 % / 12), as a loan calculator working to the formula gives; the listing names the term where the
// default leaves a blank.
TEST(Piano, TassoPeriodaleEquivalente)
{
    Mutuo mutuo = M(90000, 360, 14, Cadenza::Mensile, "15/03/2026");
    const Listato proporzionale = ComponiListato(PianoAmm(mutuo));
    mutuo.condizioni.tassoPeriodo = TassoPeriodo::Equivalente;
    const Piano piano = PianoAmm(mutuo);
    const Listato equivalente = ComponiListato(piano);
    EXPECT_EQ(FormatoDecimali(piano.rata, 2, true), "1.007,88");
    EXPECT_EQ(proporzionale[5].substr(0, 41), "RATA FISSA             : 1066,38457595088");
    EXPECT_EQ(std::string(proporzionale[8]) + "|" + std::string(equivalente[8]), " |TASSO EQUIVALENTE");
    EXPECT_EQ(equivalente[RigheIntestazione].substr(29, 3), "988");  // 90.000 x 1,0979 %
}

// A final balloon of 30.000 on 100.000 at 3 % over 120 months: the installment (100.000 - 30.000 v^120) 0,25 % / (1 -
// v^120) = 750,93, the last row pays it and the balloon, its capital the debt left, its interest the rest (the figures
// from dati/modello_eventi.py). The cash flows are the installments and the balloon: without costs the TAEG is the
// monthly rate compounded, 3,0416 %. At a zero rate 12.000 less 3.000 over 12 is 750, and the last row pays 3.750.
TEST(Piano, MaxiRataFinale)
{
    Mutuo mutuo = M(100000, 120, 3, Cadenza::Mensile, "15/03/2026");
    mutuo.condizioni.maxiRata = 30000;
    const Piano piano = PianoAmm(mutuo);
    EXPECT_NEAR(piano.rata, 750.9252128887391, 1e-9);
    EXPECT_EQ(piano.righe[0].quotaInteressi, 250);
    EXPECT_NEAR(piano.righe.back().quotaInteressi, 77.0255466490562, 1e-6);
    EXPECT_NEAR(piano.righe.back().quotaCapitale, 30673.899666239682, 1e-6);
    EXPECT_NEAR(CostoDelCredito(piano, {}).taeg.value_or(0), (std::pow(1.0025, 12) - 1) * 100, 1e-7);
    mutuo.condizioni.tassoPeriodo = TassoPeriodo::Equivalente;
    EXPECT_EQ(ComponiListato(PianoAmm(mutuo))[8], "TASSO EQUIVALENTE - MAXI-RATA FINALE 30.000");

    Mutuo zero = M(12000, 12, 0, Cadenza::Mensile, "31/01/2008");
    zero.condizioni.maxiRata = 3000;
    const Piano senzaInteressi = PianoAmm(zero);
    EXPECT_EQ(senzaInteressi.rata, 750);
    EXPECT_EQ(Pagato(senzaInteressi.righe.back()), 3750);
    for (const double maxiRata : {12000.0, 12000.5}) {
        zero.condizioni.maxiRata = maxiRata;
        EXPECT_EQ(Motivo(zero), "La maxi-rata finale deve essere inferiore all'importo del finanziamento.");
    }
}

// Twelve months of interest only on 100.000 at 3 %: 250 each, then the French plan of 120 installments (965,61); a new
// rate or a repayment that lowers the installment during them starts the plan from the new rate or debt (the figures
// from dati/modello_eventi.py); shortening the plan or suspending installments there is refused.
TEST(Piano, Preammortamento)
{
    Mutuo mutuo = M(100000, 120, 3, Cadenza::Mensile, "15/03/2026");
    mutuo.condizioni.preammortamento = 12;
    const Piano piano = PianoAmm(mutuo);
    ASSERT_EQ(piano.righe.size(), 132U);
    EXPECT_EQ(piano.righe[11].quotaInteressi + piano.righe[11].quotaCapitale, 250);
    // A fee with each of the 132 installments.
    EXPECT_NEAR(CostoDelCredito(piano, {.speseRata = 2}).costoTotale, piano.totaleInteressi + 264, 1e-6);
    EXPECT_NEAR(piano.rata, 965.6074469839131, 1e-9);
    const Listato listato = ComponiListato(piano);
    EXPECT_EQ(listato[8], "12 RATE DI PREAMMORTAMENTO");
    EXPECT_EQ(listato[RigheIntestazione + 12], "      FINE PREAMMORTAMENTO: DALLA RATA 13 RATA 966");
    // Each installment's line knows its number, and the line between the row it follows.
    std::string rate;
    for (const std::size_t linea : {RigheIntestazione + 11, RigheIntestazione + 12, RigheIntestazione + 13,
                                    RigheIntestazione - 1, listato.NumeroRighe() - 1}) {
        const auto r = listato.Rata(linea);
        rate += (r ? std::to_string(r->numero) + (r->propria ? "" : " dopo") : "-") + '|';
    }
    EXPECT_EQ(rate, "12|12 dopo|13|-|132|");
    const struct {
        Scenario scenario;
        double rata, interessi;  // the plan's new installment, its interest
        const char* motivo;      // refused
    } casi[] = {
        {{{Variazione{6, 4}}, 0}, 1012.4513816487959, 24994.165797855196, ""},
        {{{Estinzione{6, 10000}}, 0}, 869.0467022855217, 17135.60427426244, ""},
        {{{Estinzione{6, 10000, Riduzione::Durata}}, 0},
         0,
         0,
         "L'estinzione dopo la rata 6 cade nel preammortamento (rate da 1 a 12): può ridurre la rata, non la durata."},
        {{{Sospensione{11, 2}}, 0}, 0, 0, "La sospensione dopo la rata 11 cade nel preammortamento (rate da 1 a 12)."},
    };
    for (const auto& [scenario, rata, interessi, motivo] : casi) {
        try {
            const Simulazione simulazione = Simula(piano, scenario);
            EXPECT_NEAR(simulazione.eventi[0].nuovaRata, rata, 1e-9) << motivo;
            EXPECT_NEAR(simulazione.piano.totaleInteressi, interessi, 1e-6) << motivo;
            EXPECT_EQ(simulazione.piano.righe.size(), 132U);
        } catch (const ErrorePiano& errore) {
            EXPECT_STREQ(errore.what(), motivo);
        }
    }
    // On a small loan the fractions carried through the rows of interest only must not leave the last row owing a
    // negative interest.
    Mutuo piccolo = M(1000, 240, 3.75, Cadenza::Mensile, "15/03/2026");
    for (int mesi = 1; mesi <= 60; ++mesi) {
        piccolo.condizioni.preammortamento = mesi;
        EXPECT_NO_THROW(EXPECT_EQ(PianoAmm(piccolo).righe.back().debitoResiduo, 0)) << mesi;
    }
    mutuo.numeroRate = 940;
    mutuo.condizioni.preammortamento = 60;
    EXPECT_NE(Motivo(mutuo), "");
    // At 39,85 % a year over 330 years the cut interest outweighs the capital: refused at the first row whose share is
    // negative to the cent (dati/modello_eventi.py finds -0,34 at the fifth).
    Mutuo ripido = M(63896.26, 330, 39.85, Cadenza::Annuale, "23/04/2030");
    ripido.condizioni.preammortamento = 3;
    EXPECT_EQ(Motivo(ripido),
              "Con queste condizioni il piano è instabile: alla rata 5 la quota capitale sarebbe negativa.");
}

// 150.000 at 3,5 % in 300 monthly installments, paid out on erogazione, the first due on prima: the days before the
// first period pay 150.000 × 3,5 % × days / the base, on that period's start, as row 0.
Mutuo Spezzato(const char* erogazione, const char* prima, Arrotondamento arrotondamento = Arrotondamento::Unita,
               BaseGiorni base = BaseGiorni::Civile)
{
    Mutuo mutuo = M(150000, 300, 3.5, Cadenza::Mensile, erogazione);
    mutuo.condizioni.arrotondamento = arrotondamento;
    mutuo.condizioni.primaScadenza = LeggiData(prima);
    mutuo.condizioni.baseGiorni = base;
    return mutuo;
}

TEST(Piano, PrimaScadenza)
{
    const auto c = Arrotondamento::Centesimi;
    const struct {
        Mutuo mutuo;
        std::string termini, riga0, righe;  // righe: row 1's interest, the first three due dates
    } casi[] = {
        // 15 days: 215,7534, cut to 215; row 1 pays 437,50 and the 0,7534 carried makes a unit.
        {Spezzato("15/03/2026", "30/04/2026"), "PRIMA SCADENZA 30/04/2026 - PREAMMORTAMENTO TECNICO DI 15 GIORNI\n",
         "  0    30/03/2026            215                        215        150.000\n", "438|30/04 30/05 30/06"},
        // Past the listing's width the terms go on in the next line.
        {Spezzato("15/03/2026", "30/04/2026", c),
         "ARROTONDAMENTO AI CENTESIMI - PRIMA SCADENZA 30/04/2026 -\nPREAMMORTAMENTO TECNICO DI 15 GIORNI\n",
         "  0    30/03/2026            215,75             0,00           215,75        150.000,00\n",
         "437.5|30/04 30/05 30/06"},
        {Spezzato("15/03/2026", "30/04/2026", c, BaseGiorni::Commerciale),
         "ARROTONDAMENTO AI CENTESIMI - PRIMA SCADENZA 30/04/2026 -\n"
         "PREAMMORTAMENTO TECNICO DI 15 GIORNI - BASE 360 GIORNI\n",
         "  0    30/03/2026            218,75             0,00           218,75        150.000,00\n",
         "437.5|30/04 30/05 30/06"},
        // 14,38 for a day.
        {Spezzato("15/03/2026", "16/04/2026"), "PRIMA SCADENZA 16/04/2026 - PREAMMORTAMENTO TECNICO DI 1 GIORNO\n",
         "  0    16/03/2026             14                         14        150.000\n", "437|16/04 16/05 16/06"},
        // The month's end kept, from the first due date; 10 days to 30/04.
        {Spezzato("20/04/2026", "31/05/2026"), "PRIMA SCADENZA 31/05/2026 - PREAMMORTAMENTO TECNICO DI 10 GIORNI\n",
         "  0    30/04/2026            143                        143        150.000\n", "438|31/05 30/06 31/07"},
    };
    for (const auto& [mutuo, termini, riga0, righe] : casi) {
        const Piano piano = PianoAmm(mutuo);
        const Listato listato = ComponiListato(piano);
        const std::size_t intestazione = listato.RigaTitoli() + 2;
        EXPECT_EQ(Righe(piano, 8, intestazione - 3), termini);
        EXPECT_EQ(Righe(piano, intestazione, intestazione), riga0);
        EXPECT_TRUE(listato.Rata(intestazione)->numero == 0 && listato.Rata(intestazione + 1)->numero == 1);
        std::string date;
        for (std::size_t k = 1; k <= 3; ++k)
            date += FormatoData(piano.righe[k].scadenza).substr(0, 5) + (k < 3 ? " " : "");
        std::ostringstream visto;
        visto << piano.righe[1].quotaInteressi << '|' << date;
        EXPECT_EQ(visto.str(), righe);
        EXPECT_EQ(std::string_view(listato[4]).substr(listato[4].size() - 3), "300");
    }
    // To the cent the rows after are the plan's own: the total, the first year's and the CSV add 215,75, paid in 2026
    // with 9 installments.
    const Piano centesimi = PianoAmm(casi[1].mutuo);
    EXPECT_NEAR(centesimi.totaleInteressi - PianoAmm(Spezzato("15/03/2026", "15/04/2026", c)).totaleInteressi, 215.75,
                1e-6);
    const auto anni = InteressiPerAnno(centesimi);
    EXPECT_EQ(anni[0].rate, 9);
    // In units the carried fraction moves later rows: the total is still every row's interest, row 0's too.
    const Piano unita = PianoAmm(casi[0].mutuo);
    EXPECT_EQ(unita.totaleInteressi,
              std::accumulate(unita.righe.begin(), unita.righe.end(), 0.0,
                              [](double t, const RigaPiano& r) { return t + r.quotaInteressi; }));
    EXPECT_NE(EsportaCsv(centesimi).find("\n0;30/03/2026;215,75;0,00;215,75;150000,00\r\n"), std::string::npos);
    EXPECT_EQ(Motivo(Spezzato("15/03/2026", "10/04/2026")),
              "La prima scadenza (10/04/2026) non può cadere prima del 15/04/2026, una rata dopo l'erogazione del "
              "15/03/2026.");
    EXPECT_EQ(Motivo(Spezzato("15/03/2026", "15/05/2026")),
              "La prima scadenza (15/05/2026) lascerebbe dall'erogazione del 15/03/2026 al 15/04/2026 un "
              "preammortamento tecnico di una rata o più: deve cadere prima.");
    // 31/03 a month back is the disbursement, 28/02: no day before the first period, no row 0, and the month's end kept
    // from 31/03.
    const Mutuo fineMese = Spezzato("28/02/2026", "31/03/2026");
    const Piano righeFineMese = PianoAmm(fineMese);
    EXPECT_EQ(DescrizioneTermini(fineMese), "PRIMA SCADENZA 31/03/2026");
    EXPECT_EQ(std::tuple(righeFineMese.righe[0].numero, FormatoData(righeFineMese.righe[1].scadenza),
                         FormatoData(righeFineMese.righe[2].scadenza)),
              std::tuple(1, "30/04/2026", "31/05/2026"));
    // The first due date a period on, a month's end shortened too, is the plan without it, byte for byte, and asks no
    // steadiness of a plan that closes too early on the default terms.
    Mutuo ripido = M(63896.26, 330, 39.85, Cadenza::Annuale, "23/04/2030");
    const std::string motivo = Motivo(ripido);
    ripido.condizioni.primaScadenza = LeggiData("23/04/2031");
    ripido.condizioni.baseGiorni = BaseGiorni::Commerciale;
    EXPECT_EQ(Motivo(ripido), motivo);
    for (const auto& [erogazione, prima, cadenza] : {std::tuple{"15/03/2026", "15/04/2026", Cadenza::Mensile},
                                                     {"31/01/2026", "28/02/2026", Cadenza::Mensile},
                                                     {"31/01/2028", "29/02/2028", Cadenza::Mensile},
                                                     {"31/08/2026", "30/11/2026", Cadenza::Trimestrale}}) {
        for (const auto arrotondamento : {Arrotondamento::Unita, c}) {
            Mutuo mutuo = M(100000, 120, 3, cadenza, erogazione);
            mutuo.condizioni.arrotondamento = arrotondamento;
            const Piano atteso = PianoAmm(mutuo);
            mutuo.condizioni.primaScadenza = LeggiData(prima);
            const Piano piano = PianoAmm(mutuo);
            EXPECT_EQ(ComponiListato(piano).Testo(), ComponiListato(atteso).Testo()) << erogazione;
            EXPECT_EQ(EsportaCsv(piano), EsportaCsv(atteso)) << erogazione;
            EXPECT_EQ(TestoCostoCredito(CostoDelCredito(piano, {100, 2, 1})),
                      TestoCostoCredito(CostoDelCredito(atteso, {100, 2, 1})));
        }
    }
}

// The worked example's figures on each way of following the rate, which dati/modello_tasso_variabile.py --verifica
// finds too: a row's rate and payment, the rows, the last row's payment and the total interest.
TEST(Piano, TassoVariabile)
{
    const auto durata = [](Mutuo&, TassoVariabile& t) { t.ricalcolo = Ricalcolo::Durata; };
    const auto alzato = [](Mutuo&, TassoVariabile& t) { t.ricalcolo = Ricalcolo::Durata, t.indice.pop_back(); };
    const struct {
        Mutuo mutuo;
        int riga;
        double tasso, pagato;
        std::size_t righe;
        std::optional<double> ultima, interessi;
    } casi[] = {
        {Variabile(Esempio), 1, 3, 554.60, 240, {}, 13915.08},
        {Variabile(Esempio), 7, 4, 604.81, 240, {}, {}},
        {Variabile(Esempio), 13, 1.1, 469.12, 240, {}, {}},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.minimo = 2; }), 13, 2, 508.99, 240, {}, 23007.00},
        {Variabile([](Mutuo&, TassoVariabile& t) { t.ricalcolo = Ricalcolo::Quote; }), 7, 4, 636.40, 240, {}, {}},
        {Variabile(durata), 202, 1.1, 554.60, 203, 140.26, {}},
        {Variabile(alzato), 273, 4, 554.60, 274, 505.12, {}},
        {Variabile([&alzato](Mutuo& m, TassoVariabile& t) { alzato(m, t), t.durataMassima = 240; }),
         239,
         4,
         554.60,
         240,
         18309.53,
         {}},
    };
    for (const auto& caso : casi) {
        const Piano piano = PianoAmm(caso.mutuo);
        const RigaPiano& riga = RigaDellaRata(piano.righe, caso.riga);
        EXPECT_EQ(std::tuple(riga.tassoAnnuo, Pagato(riga), piano.righe.size()),
                  std::tuple(caso.tasso, caso.pagato, caso.righe))
            << caso.riga;
        EXPECT_NEAR(Pagato(piano.righe.back()), caso.ultima.value_or(Pagato(piano.righe.back())), 1e-9);
        EXPECT_NEAR(piano.totaleInteressi, caso.interessi.value_or(piano.totaleInteressi), 1e-6);
    }
    const Piano piano = PianoAmm(casi[0].mutuo);
    EXPECT_NEAR(piano.righe[5].debitoResiduo, 98160.94, 1e-6);
    EXPECT_NEAR(PianoAmm(casi[4].mutuo).righe[6].quotaCapitale, 309.20, 1e-6);
    const Piano durataFissa = PianoAmm(casi[5].mutuo);
    EXPECT_TRUE(std::all_of(durataFissa.righe.begin(), durataFissa.righe.end() - 1,
                            [](const RigaPiano& r) { return std::fabs(Pagato(r) - 554.60) < 1e-9; }));
    // Line 8, the revisions' lines (the installment in whole units in a plan in units), the bound that held the rate.
    EXPECT_EQ(Righe(piano, 8, 8),
              "ARROTONDAMENTO AI CENTESIMI - TASSO VARIABILE: SPREAD 1,500, REVISIONE OGNI 6 RATE\n");
    EXPECT_EQ(Righe(piano, 17, 17),
              "      TASSO 4,000 DALLA RATA 7 (INDICE 2,500 + SPREAD 1,500): NUOVA RATA 604,81\n");
    EXPECT_EQ(Righe(piano, 24, 25),
              "      TASSO 1,100 DALLA RATA 13 (INDICE -0,400 + SPREAD 1,500): NUOVA RATA 469,12\n"
              "      INDICE -0,400 DAL 01/12/2025: ULTIMO VALORE, VALE FINO ALLA FINE\n");
    EXPECT_EQ(Righe(PianoAmm(casi[3].mutuo), 25, 25),
              "      TASSO 2,000 DALLA RATA 13 (INDICE -0,400 + SPREAD 1,500): NUOVA RATA 508,99 - TASSO MINIMO\n");
    Mutuo unita = casi[0].mutuo;
    unita.condizioni.arrotondamento = Arrotondamento::Unita;
    EXPECT_EQ(Righe(PianoAmm(unita), 17, 17),
              "      TASSO 4,000 DALLA RATA 7 (INDICE 2,500 + SPREAD 1,500): NUOVA RATA 605\n");
    // The CSV: rows 1 and 7 by hand (98.160,94 at 4 % a month is 327,20 of interest), the index empty before the first
    // revision; a simulated rate change after row 8 stands in for the index until the revision after row 12.
    const std::string csv = EsportaCsv(piano);
    EXPECT_TRUE(
        csv.find("Rimborso anticipato;Tasso annuo;Indice\r\n1;01/02/2025;250,00;304,60;554,60;99695,40;0,00;3,000;\r\n")
        != std::string::npos);
    EXPECT_NE(csv.find("\n7;01/08/2025;327,20;277,61;604,81;97883,33;0,00;4,000;2,500\r\n"), std::string::npos);
    const Simulazione simulata = Simula(piano, {{Variazione{8, 5}}, 0});
    const auto celle = CelleDelPiano(simulata);
    EXPECT_EQ(std::tuple(celle[9][7].valore, celle[9][8].testo, celle[13][7].valore, celle[13][8].valore),
              std::tuple(5.0, "", 1.1, -0.4));
    // The index rounded up to the step (the worked example's -0,43 and 1,41 with 0,05), before the spread.
    for (const auto& [valore, passo, atteso] : {std::tuple{-0.43, 0.05, -0.4},
                                                {1.41, 0.05, 1.45},
                                                {1.41, 0.125, 1.5},
                                                {1.25, 0.25, 1.25},
                                                {-0.01, 0.1, 0.0}}) {
        const TassoVariabile tasso{{{{2025, 1, 1}, valore}}, 1, 1, passo};
        const TassoRivisto rivisto = RivediTasso(tasso, {2025, 2, 1});
        EXPECT_EQ(rivisto.indice, atteso) << valore;
        EXPECT_NEAR(rivisto.tassoAnnuo, atteso + 1, 1e-12) << valore;
    }
}

// Each line that tells a new installment tells what the next row paying capital pays, and the last "RATE RESIDUE" the
// rows that follow it: with the initial plan's shares kept and events on top, with the Italian method, with
// interest-only rows still to come.
TEST(Piano, RigheCheAnnuncianoLaRata)
{
    const auto quote = [](Mutuo&, TassoVariabile& t) { t.ricalcolo = Ricalcolo::Quote; };
    const auto italiano = [](Mutuo& m, TassoVariabile&) { m.condizioni.metodo = Metodo::Italiano; };
    const auto preammortamento = [](Mutuo& m, TassoVariabile& t) {
        m.condizioni.preammortamento = 12, t.ricalcolo = Ricalcolo::Durata, t.indice.pop_back();
    };
    const std::pair<Mutuo, std::vector<Evento>> casi[] = {
        {Variabile(quote), {Variazione{9, 5}}},       {Variabile(quote), {Variazione{5, 4}}},
        {Variabile(quote), {Estinzione{8, 20000.0}}}, {Variabile(quote), {Sospensione{8, 3, TipoSospensione::Rata}}},
        {Variabile(italiano), {Variazione{9, 5}}},    {Variabile(preammortamento), {}},
    };
    const std::regex riga(R"(^ *\d+ +\d\d/\d\d/\d{4} +\S+ +(\S+) +(\S+) )"), rata(R"(NUOVA RATA (\S+))"),
        residue(R"(RATE RESIDUE (\d+))");
    for (const auto& [mutuo, eventi] : casi) {
        const Listato listato = ComponiListato(Simula(PianoAmm(mutuo), {eventi, 0}));
        std::vector<std::string> annunciate;
        int dopoResidue = -1, viste = 0;
        for (std::size_t i = 0; i < listato.NumeroRighe(); ++i) {
            std::smatch trovato;
            const std::string testo(listato[i]);
            if (std::regex_search(testo, trovato, rata))
                annunciate.push_back(trovato[1]);
            if (std::regex_search(testo, trovato, residue))
                dopoResidue = -std::stoi(trovato[1]);
            if (!std::regex_search(testo, trovato, riga))
                continue;
            ++dopoResidue;
            if (trovato[1] != "0,00" && !annunciate.empty()) {
                EXPECT_EQ(trovato[2], annunciate.back()) << testo;
                annunciate.clear();
                ++viste;
            }
        }
        EXPECT_TRUE(annunciate.empty());
        if (mutuo.condizioni.preammortamento > 0)
            EXPECT_EQ(dopoResidue, 0);
        else
            EXPECT_GT(viste, 0);
    }
}

// Every rounding of an amount, worked by hand: 0,125 is 12,5 cents exactly in binary; 1.234,50 at 0,25 % is 308,625
// cents; 1,005 typed is a hair below its half as a double (100,4999… cents); 3 × (10^11 + 1) / 2 is past a long long
// before the division and ends in an exact half.
TEST(Piano, ArrotondamentiDegliImporti)
{
    const struct {
        const char* caso;
        double ottenuto;
        double atteso;
    } casi[] = {
        {"cents, halves away from zero", static_cast<double>(Centesimi(0.125)), 13},
        {"cents of a negative", static_cast<double>(Centesimi(-0.125)), -13},
        {"cents of the largest amount", static_cast<double>(Centesimi(999999999.99)), 99999999999},
        {"cents of a sum", static_cast<double>(CentesimiVicini(-0.125)), -13},
        {"typed half, halves up", static_cast<double>(CentesimiMetaInSu(1.005)), 101},
        {"typed, below the half", static_cast<double>(CentesimiMetaInSu(0.0049)), 0},
        {"nearest whole of a negative half", static_cast<double>(InteroVicino(-2.5)), -3},
        {"a negative half, halves up", InteroMetaInSu(-2.5), -2},
        {"to the cent, halves up", Arrotondato(0.125, 100), 0.13},
        {"to the cent, a negative half up", Arrotondato(-0.125, 100), -0.12},
        {"rate to two decimals, halves up", DueDecimaliMetaInSu(3.125), 3.13},
        {"1.234,50 at 0,25 %", static_cast<double>(DivisioneMetaInSu(123450LL * 25, 10000)), 309},
        {"exact half of a division", static_cast<double>(DivisioneMetaInSu(2, 4)), 1},
        {"below the half", static_cast<double>(DivisioneMetaInSu(1, 3)), 0},
        {"proportion past a long long",
         static_cast<double>(ProporzioneMetaInSu(300000000000, 100000000001, 200000000000)), 150000000002},
        {"a cent apart less noise", static_cast<double>(MenoDiUnCentesimo(100, 100.0099)), 1},
        {"a whole cent apart", static_cast<double>(MenoDiUnCentesimo(100, 100.01)), 0},
        {"half a cent below zero", static_cast<double>(CentesimoNegativo(-0.005)), 1},
        {"less than half a cent below", static_cast<double>(CentesimoNegativo(-0.0049)), 0},
        {"NaN is no figure", static_cast<double>(CentesimoNegativo(std::nan(""))), 1},
        {"shown as -1", static_cast<double>(NegativoComeMostrato(-0.5, 0)), 1},
        {"shown as 0", static_cast<double>(NegativoComeMostrato(-0.004, 2)), 0},
    };
    for (const auto& c : casi)
        EXPECT_EQ(c.ottenuto, c.atteso) << c.caso;
    // 2,75, 0,75 and 0,25 cut: 2, then 1 (1,5 carried, a unit paid), then 0, and 0,75 left.
    Riporto riporto;
    EXPECT_EQ(riporto.Taglia(2.75) + riporto.Taglia(0.75) + riporto.Taglia(0.25), 3);
    EXPECT_TRUE(riporto.Resto());
    EXPECT_EQ(riporto.Salda(), 0.75);
    EXPECT_FALSE(riporto.Resto());
}

// Cents, as Italian banks round: 200.000 at 7,5 % over 180 months pay 1.854,02, the first row 1.250,00 of interest and
// 604,02 of capital; the listing's money fields have two decimals and are three characters wider. An exact half cent
// rounds up: 1.234,50 at 0,25 % a month is 3,09. The Italian method on 180.000 at 4,25 % over 360 months: a capital
// share of 500,00, 35.115,65 of interest over the first 60 rows, 150.000,00 owed after them (public calculators'
// figures); it takes no balloon. The heading's line of terms and the columns in cents are tests/dati/*centesimi.txt's.
TEST(Piano, CentesimiEMetodoItaliano)
{
    EXPECT_EQ(TassoInCentesimi(3, 12, TassoPeriodo::Proporzionale).Interessi(123450), 309);
    Mutuo mutuo = M(200000, 180, 7.5, Cadenza::Mensile, "15/03/2026");
    mutuo.condizioni.arrotondamento = Arrotondamento::Centesimi;
    const Listato listato = ComponiListato(PianoAmm(mutuo));
    EXPECT_EQ(listato[4], "IMPORTO MUTUO          :          200.000,00   NUMERO RATE   :  180");
    EXPECT_EQ(listato[5], "RATA FISSA             :            1.854,02   TASSO % ANNUALE :    7,500");
    EXPECT_EQ(listato[RigheIntestazione],
              "  1    15/04/2026          1.250,00           604,02         1.854,02        199.395,98");

    Mutuo italiano = M(180000, 360, 4.25, Cadenza::Mensile, "15/03/2026");
    italiano.condizioni = {.arrotondamento = Arrotondamento::Centesimi, .metodo = Metodo::Italiano};
    const Piano piano = PianoAmm(italiano);
    double interessi = 0;
    for (std::size_t k = 0; k < 60; ++k) {
        EXPECT_EQ(piano.righe[k].quotaCapitale, 500);
        interessi += piano.righe[k].quotaInteressi;
    }
    EXPECT_NEAR(interessi, 35115.65, 1e-6);
    EXPECT_NEAR(piano.righe[59].debitoResiduo, 150000, 1e-6);
    EXPECT_EQ(ComponiListato(piano)[5].substr(0, 44), "PRIMA RATA             :            1.137,50");
    // Interest cut to units: the Italian last row pays every fraction still carried, those of a pre-amortisation too
    // (0,083 a month here).
    Mutuo piccolo = M(1000, 12, 0.1, Cadenza::Mensile, "15/03/2026");
    piccolo.condizioni = {.metodo = Metodo::Italiano, .preammortamento = 1};
    EXPECT_NEAR(PianoAmm(piccolo).totaleInteressi, 1000 * 0.001 / 12 * (1 + 78.0 / 12), 1e-9);
    // 1.000 at 44,91 % a month is 37,425 of interest, an exact half cent: 37,43 in cents, and the installment, 37,425
    // and a hair over 989 rows, is 37,43 too, never less; the last row pays the capital.
    Mutuo mezzo = M(1000, 989, 44.91, Cadenza::Mensile, "15/03/2026");
    mezzo.condizioni.arrotondamento = Arrotondamento::Centesimi;
    const Piano senzaCapitale = PianoAmm(mezzo);
    EXPECT_EQ(
        std::tuple(senzaCapitale.rata, senzaCapitale.righe[0].quotaCapitale, senzaCapitale.righe.back().quotaCapitale),
        std::tuple(37.43, 0.0, 1000.0));
    italiano.condizioni.maxiRata = 1000;
    EXPECT_EQ(Motivo(italiano), "La maxi-rata finale vale solo con il metodo francese: con il metodo italiano la "
                                "quota capitale è costante fino all'ultima rata.");
}

// A closed set's table: each value once, its word leading back to it, the first entry the default that a file without
// the key means, and the words that the files already written and the scripts use.
template <class Tabella, class Valore>
void Insieme(const Tabella& voci, Valore predefinito, std::string_view parole)
{
    SCOPED_TRACE(std::string(parole));
    EXPECT_EQ(Parole(voci, "|"), parole);
    EXPECT_EQ(voci.front().valore, predefinito);
    for (const auto& voce : voci) {
        EXPECT_EQ(&VoceDi(voci, voce.valore), &voce) << voce.parola;
        EXPECT_EQ(VoceDaParola(voci, voce.parola), &voce) << voce.parola;
        EXPECT_EQ(std::ranges::count(voci, voce.etichetta, &Tabella::value_type::etichetta), 1) << voce.parola;
        EXPECT_FALSE(voce.aiuto.empty()) << voce.parola;
    }
    EXPECT_EQ(VoceDaParola(voci, ""), nullptr);
}

}  // namespace

TEST(Piano, OgniInsiemeChiusoHaUnaTabella)
{
    Insieme(Arrotondamenti, Condizioni{}.arrotondamento, "unita|centesimi");
    Insieme(RegoleTassoPeriodo, Condizioni{}.tassoPeriodo, "proporzionale|equivalente");
    Insieme(Metodi, Condizioni{}.metodo, "francese|italiano");
    Insieme(BasiGiorni, Condizioni{}.baseGiorni, "365|360");
    Insieme(Ricalcoli, TassoVariabile{}.ricalcolo, "rata|quote|durata");
    Insieme(Riduzioni, Estinzione{}.riduzione, "rata|durata");
    Insieme(TipiSospensione, Sospensione{}.tipo, "capitale|rata");
    Insieme(Incognite, Incognita::Tasso, "tasso|numero-rate|importo");
    Insieme(Cadenze, Mutuo{}.cadenza, "mensile|bimestrale|trimestrale|quadrimestrale|semestrale|annuale");
}

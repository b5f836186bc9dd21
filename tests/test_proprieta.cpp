// What a spreadsheet user or a reader of the listing checks, over the seeded plans in dati/piani_casuali.txt, each on
// its own terms and on two others, in turn, each also with a repayment, a rate change and suspensions: the CSV's
// capital and repayments add up to the amount and the interest added to it, interest plus capital is the row's
// installment, a cent at most from the plan's; the debt is what is owed less what was paid; each year's row is the sum
// of its CSV rows; the listing's fields, read at the layout's columns, are the CSV's rounded to whole units, or equal
// to them in cents, and its summary adds up.

#include "app/opzioni_cli.h"
#include "engine/anni.h"
#include "engine/cambio.h"
#include "engine/conteggio.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "engine/formato.h"
#include "engine/inverso.h"
#include "engine/listato.h"
#include "engine/numeri.h"
#include "engine/soldi.h"
#include "tests/regola_chiusura.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

using namespace pianoamm;

namespace {

// "1234,56" or "1.234" in hundredths: the cents, or the units times 100.
long long Centesimi(std::string_view campo)
{
    long long valore = 0;
    bool negativo = false;
    int decimali = -1;
    for (const char c : campo) {
        if (c == '-')
            negativo = true;
        else if (c == ',')
            decimali = 0;
        else if (c >= '0' && c <= '9') {
            valore = valore * 10 + (c - '0');
            decimali += decimali >= 0 ? 1 : 0;
        }
    }
    for (int k = std::max(decimali, 0); k < 2; ++k)
        valore *= 10;
    return negativo ? -valore : valore;
}

std::vector<std::vector<std::string>> RigheCsv(const std::string& testo)
{
    std::vector<std::vector<std::string>> righe;
    std::istringstream csv(testo);
    std::string riga;
    std::getline(csv, riga);
    while (std::getline(csv, riga)) {
        auto& celle = righe.emplace_back();
        for (std::istringstream campi(riga.substr(0, riga.size() - 1));
             std::getline(campi, celle.emplace_back(), ';');) {
        }
        celle.pop_back();
    }
    return righe;
}

// An installment's line: each field ends at its column, blank for zero; with cents every money field is three
// characters wider.
std::array<std::string, 6> CampiDelListato(std::string_view linea, bool centesimi)
{
    constexpr std::array<std::size_t, 6> Fini{2, 16, 31, 45, 59, 74};
    std::array<std::string, 6> campi;
    std::size_t inizio = 0;
    for (std::size_t k = 0; k < Fini.size(); ++k) {
        const std::size_t fine = Fini[k] + (centesimi && k >= 2 ? 3 * (k - 1) : 0);
        const std::string_view campo = linea.substr(inizio, std::min(linea.size(), fine + 1) - inizio);
        const auto primo = campo.find_first_not_of(' ');
        campi[k] = primo == std::string_view::npos ? std::string() : std::string(campo.substr(primo));
        inizio = fine + 1;
    }
    return campi;
}

// The CSV against the rows' own arithmetic and the yearly table; gives the CSV's rows.
std::vector<std::vector<std::string>> ControllaCsv(const Mutuo& mutuo, const Simulazione& simulazione,
                                                   const std::string& contesto)
{
    auto righe = RigheCsv(EsportaCsv(simulazione));
    long long pagato = 0;
    long long dovuto = std::llround(mutuo.importo * 100);
    std::map<int, std::pair<long long, long long>> anni;
    for (const auto& c : righe) {
        const long long interessi = Centesimi(c[2]), capitale = Centesimi(c[3]), rata = Centesimi(c[4]);
        const long long rimborso = c.size() > 6 ? Centesimi(c[6]) : 0;
        EXPECT_EQ(interessi + capitale, rata) << contesto << ' ' << c[0];
        // A French plan's installment, past the interest-only rows, but for the last one, which settles: exact when the
        // plan rounds to the cent.
        const int numero = std::stoi(c[0]);
        if (simulazione.eventi.empty() && numero > mutuo.condizioni.preammortamento
            && static_cast<std::size_t>(numero) < righe.size() && mutuo.condizioni.metodo == Metodo::Francese) {
            EXPECT_LE(std::fabs(static_cast<double>(rata) - simulazione.piano.rata * 100),
                      mutuo.condizioni.arrotondamento == Arrotondamento::Centesimi ? 1e-2 : 1)
                << contesto << c[0];
        }
        pagato += capitale;
        EXPECT_EQ(Centesimi(c[5]), dovuto - pagato) << contesto << ' ' << c[0];
        pagato += rimborso;
        dovuto += c.size() > 9 ? Centesimi(c[9]) : 0;
        auto& [interessiAnno, capitaleAnno] = anni[std::stoi(c[1].substr(6))];
        interessiAnno += interessi;
        capitaleAnno += capitale + rimborso;
    }
    EXPECT_EQ(pagato, dovuto) << contesto;
    for (const AnnoPiano& anno : InteressiPerAnno(simulazione)) {
        const auto [interessi, capitale] = anno.anno == 0 ? std::pair{0LL, pagato} : anni.at(anno.anno);
        EXPECT_EQ(std::llround(anno.capitale * 100), capitale) << contesto << ' ' << anno.anno;
        EXPECT_EQ(std::llround(anno.totale * 100), std::llround(anno.interessi * 100) + capitale) << contesto;
        if (anno.anno != 0) {
            EXPECT_EQ(std::llround(anno.interessi * 100), interessi) << contesto << ' ' << anno.anno;
        }
    }
    return righe;
}

// The listing's rows against the CSV's, to the unit (the CSV's running totals may move a value by a cent across a
// half), or to the cent for a plan in cents, whose rows are whole cents; its summary.
void ControllaListato(const Mutuo& mutuo, const Simulazione& simulazione,
                      const std::vector<std::vector<std::string>>& csv, const std::string& contesto)
{
    const bool centesimi = mutuo.condizioni.arrotondamento == Arrotondamento::Centesimi;
    if (centesimi) {
        for (const RigaPiano& r : simulazione.piano.righe) {
            for (const double valore : {r.quotaInteressi, r.quotaCapitale, r.debitoResiduo})
                ASSERT_NEAR(valore * 100, std::round(valore * 100), 1e-2) << contesto << ' ' << r.numero;
        }
    }
    const long long scarto = centesimi ? 0 : 51;
    const Listato listato = ComponiListato(simulazione);
    std::size_t riga = 0;
    long long interessi = 0;
    for (std::size_t k = listato.RigaTitoli() + 2; k < listato.NumeroRighe() && riga < csv.size(); ++k) {
        if (listato[k].starts_with("      "))
            continue;  // an event's line
        const auto campi = CampiDelListato(listato[k], centesimi);
        const auto& c = csv[riga++];
        ASSERT_EQ(campi[0], c[0]) << contesto << '\n' << listato[k];
        ASSERT_EQ(campi[1], c[1]) << contesto << '\n' << listato[k];
        for (std::size_t f = 2; f < 6; ++f)
            ASSERT_LE(std::llabs(Centesimi(campi[f]) - Centesimi(c[f])), scarto) << contesto << '\n' << listato[k];
        interessi += Centesimi(c[2]) + (c.size() > 9 ? Centesimi(c[9]) : 0);
    }
    EXPECT_EQ(riga, csv.size()) << contesto;
    const std::string numero = std::to_string(csv.size());
    EXPECT_EQ(listato[4].substr(listato[4].size() - numero.size()), numero) << contesto;
    EXPECT_LE(std::llabs(Centesimi(listato[6].substr(25)) - interessi), 51 + static_cast<long long>(csv.size()));
    EXPECT_LE(std::llabs(Centesimi(listato[7].substr(25)) - interessi - std::llround(mutuo.importo * 100)),
              51 + static_cast<long long>(csv.size()))
        << contesto;
}

// Every set of terms, the defaults first: both roundings, both periodic rates, the French method with and without a
// balloon of a quarter of the amount, to the cent, and the Italian one, each with and without three rows of interest
// only first.
std::vector<Condizioni> TuttiITermini(double importo)
{
    std::vector<Condizioni> tutti;
    for (const auto arrotondamento : {Arrotondamento::Unita, Arrotondamento::Centesimi}) {
        for (const auto tasso : {TassoPeriodo::Proporzionale, TassoPeriodo::Equivalente}) {
            for (const auto& [metodo, maxiRata] : {std::pair{Metodo::Francese, 0.0},
                                                   {Metodo::Francese, std::floor(importo * 25) / 100},
                                                   {Metodo::Italiano, 0.0}}) {
                for (const int preammortamento : {0, 3})
                    tutti.push_back({arrotondamento, tasso, metodo, maxiRata, preammortamento});
            }
        }
    }
    return tutti;
}

// The seeded plans and scenarios the engine refuses, by the words of the reason, each as often as the seeds give it:
// 1.092 in all.
const std::pair<std::string, int> Rifiuti[] = {
    // The extremes on the default terms (999 rows, rates up to 99 %): the carried fractions pay the debt off early, or
    // outgrow the capital share.
    {"non si chiude all'ultima rata", 220},
    {"instabile", 46},
    // 999 rows with pre-amortisation or a suspension.
    {"al massimo 999", 194},
    // Plans of one to three rows: events after row 0, two suspensions after one row, or a suspension before the
    // pre-amortisation ends.
    {"deve seguire una rata da 1 a", 307},
    {"Due sospensioni dopo la rata", 147},
    {"cade nel preammortamento", 46},
    // A quarter of the amount repays all that is left late in a plan: the rate change after it follows nothing.
    {"segue l'estinzione totale", 30},
    // A loan of nothing, whose third or quarter repays nothing.
    {"maggiore di zero", 102},
};

TEST(Proprieta, CsvEListatoTornano)
{
    std::ifstream dati(PIANOAMM_DATI "/piani_casuali.txt");
    int piani = 0;
    std::map<std::string, int> rifiutati;
    std::size_t linee = 0;
    for (std::string linea; std::getline(dati, linea);) {
        std::istringstream flusso(linea);
        const std::vector<std::string> parole{std::istream_iterator<std::string>(flusso), {}};
        const std::vector<std::string_view> argomenti(parole.begin() + 1, parole.end());
        if (parole[0] != "0") {
            EXPECT_THROW(LeggiOpzioniCli(argomenti, {}), ErrorePiano) << linea;
            continue;
        }
        const Mutuo semplice = LeggiOpzioniCli(argomenti, {}).mutuo;
        // The same loan on two other sets of terms, in turn over the lines.
        Mutuo primi = semplice;
        primi.condizioni = TuttiITermini(semplice.importo)[linee % 23 + 1];
        Mutuo secondi = semplice;
        ++linee;
        secondi.condizioni = TuttiITermini(semplice.importo)[(linee + 11) % 23 + 1];
        for (const Mutuo& mutuo : {semplice, primi, secondi}) {
            const int meta = mutuo.numeroRate / 2;
            const std::vector<Scenario> scenari{
                {},
                {{Estinzione{meta, mutuo.importo / 3, Riduzione::Durata}}, 0},
                {{Estinzione{meta, mutuo.importo / 4, Riduzione::Rata}, Variazione{meta + 1, 1}}, 0},
                {{Sospensione{meta / 2, 3, TipoSospensione::Rata}, Sospensione{meta, 2}}, 0},
            };
            for (const Scenario& scenario : scenari) {
                const std::string contesto = linea + " eventi " + std::to_string(scenario.eventi.size()) + " "
                                             + DescrizioneCondizioni(mutuo.condizioni);
                // A plan the engine refuses is counted by its reason; one it takes closes on its last row, and every
                // output shows it.
                std::optional<Simulazione> simulazione;
                try {
                    simulazione = Simula(mutuo, scenario);
                } catch (const ErrorePiano& errore) {
                    const std::string motivo = errore.what();
                    const auto tipo = std::ranges::find_if(
                        Rifiuti, [&motivo](const auto& voce) { return motivo.find(voce.first) != std::string::npos; });
                    ++rifiutati[tipo == std::end(Rifiuti) ? motivo : tipo->first];
                    continue;
                }
                ASSERT_TRUE(SiChiude(*simulazione)) << contesto;
                ++piani;
                ControllaListato(mutuo, *simulazione, ControllaCsv(mutuo, *simulazione, contesto), contesto);
            }
        }
    }
    // 172 seeded loans, each on three sets of terms and four scenarios.
    EXPECT_EQ(piani, 2064 - 1092);
    EXPECT_EQ(rifiutati, (std::map<std::string, int>(std::begin(Rifiuti), std::end(Rifiuti))));
}

// dati/piani_banca.txt holds an independent model's rows for a handful of loans on every kind of terms, a repayment on
// some, a broken first period's row 0 on two, interest on the actual days on two: each case's command line, its first
// installment, then each row's number, interest, capital and debt.
TEST(Proprieta, TerminiComeIlModello)
{
    std::ifstream dati(PIANOAMM_DATI "/piani_banca.txt");
    std::optional<Simulazione> simulazione;
    std::string linea;
    std::size_t casi = 0;
    while (std::getline(dati, linea)) {
        if (linea.starts_with("#"))
            continue;
        std::istringstream flusso(linea);
        if (linea.starts_with("--")) {
            const std::vector<std::string> parole{std::istream_iterator<std::string>(flusso), {}};
            const auto opzioni = LeggiOpzioniCli(std::vector<std::string_view>(parole.begin(), parole.end()), {});
            simulazione = Simula(opzioni.mutuo, opzioni.scenario);
            ++casi;
            continue;
        }
        ASSERT_TRUE(simulazione) << linea;
        const auto& righe = simulazione->piano.righe;
        if (std::string parola; linea.starts_with("rata") && flusso >> parola) {
            double rata = 0;
            flusso >> rata;
            EXPECT_NEAR(simulazione->piano.rata, rata, 1e-6) << linea;
            continue;
        }
        int numero = 0;
        double interessi = 0, capitale = 0, debito = 0;
        flusso >> numero >> interessi >> capitale >> debito;
        ASSERT_TRUE(numero >= righe.front().numero && numero <= UltimaRata(righe)) << linea;
        const RigaPiano& r = righe[static_cast<std::size_t>(numero - righe.front().numero)];
        EXPECT_NEAR(r.quotaInteressi, interessi, 1e-6) << linea;
        EXPECT_NEAR(r.quotaCapitale, capitale, 1e-6) << linea;
        EXPECT_NEAR(r.debitoResiduo, debito, 1e-6) << linea;
        // The model's last row is the plan's.
        if (debito == 0) {
            EXPECT_EQ(numero, UltimaRata(righe)) << linea;
        }
    }
    EXPECT_EQ(casi, 18U);
}

// Each seeded loan from its own installment: the rate back to its four printed decimals, the amount to the cent, and
// the count itself wherever one installment fewer would cost more than a hair above it.
TEST(Proprieta, DallaRataAiDati)
{
    std::ifstream dati(PIANOAMM_DATI "/piani_casuali.txt");
    int piani = 0;
    int fuori = 0;
    for (std::string linea; std::getline(dati, linea);) {
        std::istringstream flusso(linea);
        const std::vector<std::string> parole{std::istream_iterator<std::string>(flusso), {}};
        if (parole[0] != "0")
            continue;
        const Mutuo mutuo = LeggiOpzioniCli(std::vector<std::string_view>(parole.begin() + 1, parole.end()), {}).mutuo;
        const double periodo = TassoPeriodale(mutuo.tassoAnnuo, 12 / DatiDi(mutuo.cadenza).mesi, {});
        const double rata = RataMutuo(mutuo.importo, mutuo.numeroRate, periodo);
        if (!(rata >= LimiteRata.minimo && rata <= LimiteRata.massimo)) {
            ++fuori;
            continue;
        }
        ++piani;
        EXPECT_NEAR(Risolvi(mutuo, rata, Incognita::Tasso).tassoAnnuo, mutuo.tassoAnnuo, 5e-5) << linea;
        EXPECT_NEAR(Risolvi(mutuo, rata, Incognita::Importo).importo, mutuo.importo, 0.005) << linea;
        if (mutuo.numeroRate > 1 && RataMutuo(mutuo.importo, mutuo.numeroRate - 1, periodo) > rata * (1 + 1e-9)) {
            EXPECT_EQ(Risolvi(mutuo, rata, Incognita::NumeroRate).numeroRate, mutuo.numeroRate) << linea;
        }
    }
    // Out of the installment's limits: loans of nothing or at no interest over 999 rows (under a cent), and the largest
    // (over 999.999.999).
    EXPECT_EQ(piani, 121);
    EXPECT_EQ(fuori, 172 - 121);
}

// Each seeded loan, with no event, a suspension of either kind or a repayment after a row drawn from a seed, paid off
// on that row's due date or another's, owes the debt that row shows, less its repayment, and no days' interest; a
// surroga on that day at 2 % is the plan of the loan made here from the old one's terms: that debt, the installments
// left, from that day, with no terms of a start of its own (pre-amortisation, first due date, variable rate).
TEST(Proprieta, EstinzioneESurrogaSulPiano)
{
    std::ifstream dati(PIANOAMM_DATI "/piani_casuali.txt");
    std::mt19937_64 caso(20261208);
    int surroghe = 0;
    for (std::string linea; std::getline(dati, linea);) {
        std::istringstream flusso(linea);
        const std::vector<std::string> parole{std::istream_iterator<std::string>(flusso), {}};
        if (parole[0] != "0")
            continue;
        // On its own terms, then on one other set of them in turn; the plans the engine refuses are left out.
        Mutuo mutuo = LeggiOpzioniCli(std::vector<std::string_view>(parole.begin() + 1, parole.end()), {}).mutuo;
        if (caso() % 2 == 0)
            mutuo.condizioni = TuttiITermini(mutuo.importo)[caso() % 23 + 1];
        const int dopo = static_cast<int>(caso() % static_cast<unsigned>(mutuo.numeroRate / 2 + 1)) + 1;
        const std::array<Scenario, 4> scenari{Scenario{}, Scenario{{Sospensione{dopo, 3, TipoSospensione::Rata}}, 0},
                                              Scenario{{Sospensione{dopo, 2}}, 0},
                                              Scenario{{Estinzione{dopo, mutuo.importo / 4}}, 0}};
        Simulazione simulazione;
        try {
            simulazione = Simula(mutuo, scenari[caso() % scenari.size()]);
        } catch (const ErrorePiano&) {
            continue;
        }
        const Piano& piano = simulazione.piano;
        const RigaPiano& riga = caso() % 2 == 0 ? RigaDellaRata(piano.righe, std::min(dopo, UltimaRata(piano.righe)))
                                                : piano.righe[caso() % piano.righe.size()];
        const ConteggioEstintivo conteggio = ContaEstinzione(simulazione, riga.scadenza);
        EXPECT_TRUE(MenoDiUnCentesimo(conteggio.debito, riga.debitoResiduo - RimborsoDopo(simulazione, riga.numero)))
            << linea << " " << riga.numero << ": " << conteggio.debito;
        EXPECT_EQ(conteggio.interessi, 0) << linea;
        if (conteggio.debito == 0)
            continue;
        Condizioni condizioni = mutuo.condizioni;
        condizioni.preammortamento = 0;
        condizioni.primaScadenza = std::nullopt;
        condizioni.tassoVariabile = std::nullopt;
        const Mutuo atteso{conteggio.debito, UltimaRata(piano.righe) - riga.numero, 2, riga.scadenza, mutuo.cadenza,
                           condizioni};
        // Both refused alike where the plan cannot be worked out.
        try {
            const EsitoCambio esito = CambiaMutuo(simulazione, {riga.scadenza, TipoCambio::Surroga, 2, {}, 0, {}});
            EXPECT_EQ(esito.nuovo.mutuo, atteso) << linea;
            EXPECT_EQ(esito.nuovo.totaleInteressi, PianoAmm(atteso).totaleInteressi) << linea;
            ++surroghe;
        } catch (const ErrorePiano&) {
            EXPECT_THROW(PianoAmm(atteso), ErrorePiano) << linea;
        }
    }
    EXPECT_GT(surroghe, 50);
}

// dati/piani_variabili.txt: plans at a variable rate drawn by dati/modello_tasso_variabile.py (--righe 20261208 60),
// its fields as the model's header lists them, and what the model finds: total interest, total paid, rows, the last
// row's payment, the highest payment, the revisions that changed the rate. To the cent they are the plan's exactly; in
// whole units the model's exact figure, rounded to the cent, is within a cent of the plan's. Every revision has its
// line, and the rate a revision gives keeps to the floor and the cap.
TEST(Proprieta, TassoVariabileComeIlModello)
{
    const auto numero = [](std::string_view testo) {
        const bool meno = testo.starts_with('-');
        return (meno ? -1 : 1) * LeggiNumero(testo.substr(meno ? 1 : 0), 3).value();
    };
    const auto opzionale = [&numero](const std::string& testo) {
        return testo.empty() ? std::nullopt : std::optional(numero(testo));
    };
    std::ifstream dati(PIANOAMM_DATI "/piani_variabili.txt");
    int piani = 0;
    for (std::string linea; std::getline(dati, linea); ++piani) {
        std::vector<std::string> c;
        for (std::istringstream campi(linea); std::getline(campi, c.emplace_back(), ';');) {
        }
        c.pop_back();
        ASSERT_EQ(c.size(), 21U) << linea;
        Mutuo mutuo{
            numero(c[0]), std::stoi(c[1]), numero(c[2]), *LeggiData(c[4]), VoceDaParola(Cadenze, c[3])->valore, {}};
        mutuo.condizioni.metodo = VoceDaParola(Metodi, c[5])->valore;
        mutuo.condizioni.arrotondamento = VoceDaParola(Arrotondamenti, c[6])->valore;
        TassoVariabile tasso{{}, numero(c[7]), std::stoi(c[8]), opzionale(c[9]), opzionale(c[10]), opzionale(c[11])};
        tasso.ricalcolo = c[12].empty() ? Ricalcolo::Rata : VoceDaParola(Ricalcoli, c[12])->valore;
        tasso.durataMassima = c[13].empty() ? 999 : std::stoi(c[13]);
        std::istringstream serie(c[14]);
        for (std::string valore; std::getline(serie, valore, '|');)
            tasso.indice.push_back({*LeggiData(valore.substr(0, 10)), numero(std::string_view(valore).substr(11))});
        mutuo.condizioni.tassoVariabile = tasso;
        const Piano piano = PianoAmm(mutuo);
        double pagato = 0, massima = 0;
        for (const RigaPiano& riga : piano.righe) {
            pagato += Pagato(riga);
            massima = std::max(massima, Pagato(riga));
            if (riga.indice) {
                EXPECT_GE(riga.tassoAnnuo, std::max(tasso.minimo.value_or(0), 0.0) - 1e-9) << linea;
                EXPECT_LE(riga.tassoAnnuo, tasso.massimo.value_or(99) + 1e-9) << linea;
            }
        }
        const Listato listato = ComponiListato(piano);
        std::size_t revisioni = 0;
        for (std::size_t k = 0; k < listato.NumeroRighe(); ++k)
            revisioni += listato[k].starts_with("      TASSO ") ? 1 : 0;
        const double scarto = mutuo.condizioni.arrotondamento == Arrotondamento::Centesimi ? 1e-6 : 1.0 + 1e-6;
        const std::array<std::pair<double, std::string>, 4> soldi{
            {{piano.totaleInteressi, c[15]}, {pagato, c[16]}, {Pagato(piano.righe.back()), c[18]}, {massima, c[19]}}};
        for (const auto& [valore, atteso] : soldi)
            EXPECT_NEAR(valore * 100, static_cast<double>(Centesimi(atteso)), scarto) << linea;
        EXPECT_EQ(piano.righe.size(), std::stoul(c[17])) << linea;
        EXPECT_EQ(revisioni, std::stoul(c[20])) << linea;
    }
    EXPECT_EQ(piani, 60);
}

}  // namespace

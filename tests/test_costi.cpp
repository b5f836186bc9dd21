// The TAEG and the tax deduction. Expected rates come from solving the equation apart, by bisection over the French
// formula's installment; the deduction's rows are worked by hand from loans whose interest is plain.

#include "engine/cambio.h"
#include "engine/costi.h"
#include "engine/dati_costi.h"
#include "engine/detrazione.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pianoamm;

namespace {

Mutuo Prestito(double importo, int rate, double tasso, Cadenza cadenza, Data erogazione = {2020, 1, 15})
{
    return {importo, rate, tasso, erogazione, cadenza, {}};
}

// 1.200 at 12 % in one monthly installment, to the cent, due on the 30th of the next month but one.
Mutuo PrimaScadenza(Data erogazione)
{
    Mutuo mutuo = Prestito(1200, 1, 12, Cadenza::Mensile, erogazione);
    mutuo.condizioni.arrotondamento = Arrotondamento::Centesimi;
    mutuo.condizioni.primaScadenza = Data{erogazione.anno, 4, 30};
    return mutuo;
}

TEST(Costi, TaegECostoTotale)
{
    const struct {
        Mutuo mutuo;
        Costi costi;
        const char *taeg, *costoTotale;
    } casi[] = {
        {Prestito(150000, 300, 3.5, Cadenza::Mensile), {1500, 0.25, 2.5}, "3,71 %", "77.905,61"},
        {Prestito(12000, 12, 0, Cadenza::Mensile), {}, "0,00 %", "0,00"},
        {Prestito(12000, 12, 0, Cadenza::Mensile), {100, 0, 0}, "1,56 %", "100,00"},
        // One installment: (10500 / 9900) - 1.
        {Prestito(10000, 1, 5, Cadenza::Annuale), {100, 0, 0}, "6,06 %", "600,00"},
        // No costs: the monthly rate compounded, 1,0825^12 - 1.
        {Prestito(1000, 12, 99, Cadenza::Mensile), {}, "158,90 %", "613,03"},
        {Prestito(1000, 1, 99, Cadenza::Mensile), {0, 0, 1}, "161,79 %", "83,50"},
        // To the cent every row pays 99.000 of interest: 999 x 99.000.
        {{100000, 999, 99, {2020, 1, 15}, Cadenza::Annuale, {Arrotondamento::Centesimi}},
         {},
         "99,00 %",
         "98.901.000,00"},
        // Paid out 15 days before the first period: 5,92 of interest on its start, 15 / 365 of a year on (15 / 366 in a
        // leap year), 1.212 a month later; no fee on the broken period's row.
        {PrimaScadenza({2026, 3, 15}), {}, "12,70 %", "17,92"},
        {PrimaScadenza({2026, 3, 15}), {0, 0, 2}, "14,20 %", "19,92"},
        {PrimaScadenza({2028, 3, 15}), {}, "12,71 %", "17,92"},
        {Prestito(0, 10, 5, Cadenza::Annuale), {}, "non calcolabile", "0,00"},
        {Prestito(10000, 10, 0, Cadenza::Annuale), {10000, 0, 0}, "non calcolabile", "10.000,00"},
    };
    for (const auto& [mutuo, costi, taeg, costoTotale] : casi) {
        const std::string testo = TestoCostoCredito(CostoDelCredito(PianoAmm(mutuo), costi));
        EXPECT_NE(testo.find(std::string("\nTAEG                     : ") + taeg
                             + "\nCOSTO TOTALE DEL CREDITO : " + costoTotale + "\n"),
                  std::string::npos)
            << testo;
    }
    // The first case's text whole is tests/dati/costi_e_detrazione.txt. For a CSV file: not grouped, the rates with no
    // "%".
    EXPECT_EQ(CsvDi(CelleCostoCredito(CostoDelCredito(PianoAmm(Prestito(10000, 1, 5, Cadenza::Annuale)), {100, 0, 0}))),
              "\xEF\xBB\xBF"
              "TAN;5,00\r\n"
              "TAEG;6,06\r\n"
              "Costo totale del credito;600,00\r\n"
              "Importo totale dovuto;10600,00\r\n"
              "Imposta sostitutiva;0,00\r\n"
              "Importo netto erogato;9900,00\r\n");
}

// The tax in euros is the percent of the amount to the cent, halves up, as the costs at disbursement count it; the net
// amount paid out is the amount less the fees and the tax.
TEST(Costi, ImpostaENettoErogato)
{
    const struct {
        double importo;
        Costi costi;
        const char *imposta, *netto;
    } casi[] = {
        {150000, {1000, 0.25, 0}, "375,00", "148.625,00"},
        // 12.345,67 x 0,25 % = 30,864175.
        {12345.67, {0, 0.25, 2.5}, "30,86", "12.314,81"},
        // 10,00 x 0,05 % = 0,005, half a cent: up.
        {10, {0, 0.05, 0}, "0,01", "9,99"},
        // 999.999.999 x 2 % = 19.999.999,98.
        {999999999, {1500.5, 2, 0}, "19.999.999,98", "979.998.498,52"},
        // Fees above the amount: nothing paid out, and more owed.
        {1000, {1200, 2, 0}, "20,00", "-220,00"},
        {1000, {}, "0,00", "1.000,00"},
    };
    for (const auto& [importo, costi, imposta, netto] : casi) {
        const auto voci =
            VociCostoCredito(CostoDelCredito(PianoAmm(Prestito(importo, 12, 3, Cadenza::Mensile)), costi));
        EXPECT_EQ(TestoCella(voci[4].valore) + " " + TestoCella(voci[5].valore), std::string(imposta) + " " + netto)
            << importo;
    }
}

// The lines that head the costs' outputs: the loan's data, its terms as the listing names them, the costs entered, the
// deduction's share and limit when asked.
TEST(Costi, DatiDeiCosti)
{
    Mutuo italiano = Prestito(150000, 300, 3.5, Cadenza::Mensile, {2026, 3, 15});
    italiano.condizioni.metodo = Metodo::Italiano;
    const RegoleDetrazione regole{.quota = 50, .limite = LimiteCostruzione, .fiscali = {}};
    // The same loan's lines with the French method are tests/dati/costi_e_detrazione.txt's first; the borrower's
    // figures given follow, those not given left out.
    RegoleDetrazione conFiscali = regole;
    conFiscali.fiscali = {
        .costoAcquisto = 210000.5, .reddito = 38000, .figli = 3, .altriOneri = 0, .dataContratto = Data{2026, 2, 27}};
    const std::string intestazione = TestoDatiCosti(PianoAmm(italiano), {1500, 0.25, 2.5}, &conFiscali);
    EXPECT_EQ(intestazione.substr(intestazione.find("\nDATA")),
              "\nDATA DI EROGAZIONE         : 15/03/2026\n"
              "CONDIZIONI DEL PIANO       : METODO ITALIANO\n"
              "SPESE INIZIALI             : 1.500,00\n"
              "IMPOSTA SOSTITUTIVA (%)    : 0,25\n"
              "SPESE PER RATA             : 2,50\n"
              "QUOTA A PROPRIO CARICO (%) : 50,00\n"
              "LIMITE ANNUO DETRAIBILE    : 2.582,28\n"
              "COSTO D'ACQUISTO           : 210.000,50\n"
              "REDDITO COMPLESSIVO        : 38.000,00\n"
              "FIGLI A CARICO             : 3 o più, o con disabilità\n"
              "ALTRI ONERI AL 19 %        : 0,00\n"
              "DATA DEL CONTRATTO         : 27/02/2026\n");
    // Without the deduction, no share and no limit, the labels aligned on those left; the rate with the decimals it was
    // given, up to four; the pre-amortisation's rows counted, as the listing counts them.
    // The terms past the listing's 80 characters go on under themselves, each whole.
    Mutuo conPreammortamento = Prestito(1234567.89, 12, 3.1234, Cadenza::Trimestrale, {2025, 12, 31});
    conPreammortamento.condizioni.preammortamento = 6;
    conPreammortamento.condizioni.arrotondamento = Arrotondamento::Centesimi;
    conPreammortamento.condizioni.maxiRata = 100000;
    EXPECT_EQ(TestoDatiCosti(PianoAmm(conPreammortamento), {}, nullptr),
              "IMPORTO DEL FINANZIAMENTO : 1.234.567,89\n"
              "NUMERO RATE               : 18\n"
              "CADENZA                   : trimestrale\n"
              "TASSO ANNUO (%)           : 3,1234\n"
              "DATA DI EROGAZIONE        : 31/12/2025\n"
              "CONDIZIONI DEL PIANO      : ARROTONDAMENTO AI CENTESIMI -\n"
              "                            6 RATE DI PREAMMORTAMENTO -\n"
              "                            MAXI-RATA FINALE 100.000,00\n"
              "SPESE INIZIALI            : 0,00\n"
              "IMPOSTA SOSTITUTIVA (%)   : 0,00\n"
              "SPESE PER RATA            : 0,00\n");
    for (const auto& [tasso, testo] : {std::pair{4.25, "4,25"}, {3.125, "3,125"}, {0.0, "0,00"}, {99.0, "99,00"}}) {
        const Celle righe = CelleDatiCosti(PianoAmm(Prestito(1000, 1, tasso, Cadenza::Annuale)), {}, nullptr);
        EXPECT_EQ(righe.at(3).at(0).testo + " " + TestoCella(righe.at(3).at(1), false),
                  std::string("Tasso annuo (%) ") + testo);
    }

    // The costs' CSV file: those lines not grouped, the costs where asked, the deduction's table, an empty row between
    // the parts.
    const Mutuo senzaInteressi = Prestito(12000, 12, 0, Cadenza::Mensile, {2020, 6, 15});
    const std::string dati = "\xEF\xBB\xBF"
                             "Importo del finanziamento;12000,00\r\n"
                             "Numero rate;12\r\n"
                             "Cadenza;mensile\r\n"
                             "Tasso annuo (%);0,00\r\n"
                             "Data di erogazione;15/06/2020\r\n"
                             "Spese iniziali;1000,00\r\n"
                             "Imposta sostitutiva (%);0,25\r\n"
                             "Spese per rata;2,50\r\n"
                             "Quota a proprio carico (%);50,00\r\n"
                             "Limite annuo detraibile;2582,28\r\n"
                             "\r\n";
    // Half of 1.045 and of 15 deductible; halves go up: 522,50 x 19 % = 99,275.
    const std::string tabella = "Anno;Interessi;Oneri accessori;Importo detraibile;Detrazione\r\n"
                                "2020;0,00;1045,00;522,50;99,28\r\n"
                                "2021;0,00;15,00;7,50;1,43\r\n"
                                "Totale;0,00;1060,00;530,00;100,71\r\n";
    EXPECT_EQ(EsportaCsvCosti(PianoAmm(senzaInteressi), {1000, 0.25, 2.5}, regole, false), dati + tabella);
    // No interest and 1.000 + 30 + 12 x 2,50 of costs: 1.060,00; 12.000 - 1.030 paid out. The TAEG solves 10.970 =
    // 1.002,50 x the sum of v^k.
    const std::string conCosti = EsportaCsvCosti(PianoAmm(senzaInteressi), {1000, 0.25, 2.5}, regole, true);
    EXPECT_EQ(conCosti.substr(0, dati.size()), dati);
    EXPECT_EQ(conCosti.substr(conCosti.size() - tabella.size()), tabella);
    const std::string costo = conCosti.substr(dati.size(), conCosti.size() - dati.size() - tabella.size());
    EXPECT_EQ(costo.substr(0, 10), "TAN;0,00\r\n");
    EXPECT_NE(costo.find("\r\nCosto totale del credito;1060,00\r\nImporto totale dovuto;13060,00\r\n"
                         "Imposta sostitutiva;30,00\r\nImporto netto erogato;10970,00\r\n\r\n"),
              std::string::npos)
        << costo;
}

// A year's row as the table's words: year, interest, charges, deductible, deduction.
std::string Righe(const Detrazione& detrazione)
{
    std::ostringstream testo;
    testo.precision(12);
    for (const AnnoDetrazione& a : detrazione.anni) {
        testo << a.anno << ' ' << a.interessi << ' ' << a.oneri << ' ' << a.importoDetraibile << ' ';
        if (detrazione.riduzioni)
            testo << a.riduzioni << ' ';
        testo << a.detrazione << ';';
    }
    return testo.str();
}

TEST(Costi, DetrazionePerAnno)
{
    // 12 monthly installments from 15/06/2020: six due each year; no interest. Charges 1.000 + 0,25 % of 12.000 + 6 x
    // 2,50 the first year.
    const Mutuo senzaInteressi = Prestito(12000, 12, 0, Cadenza::Mensile, {2020, 6, 15});
    const Costi costi{1000, 0.25, 2.5};
    // One yearly installment: 500 of interest, due the year after.
    const Mutuo annuale = Prestito(10000, 1, 5, Cadenza::Annuale, {2020, 3, 10});
    const struct {
        Mutuo mutuo;
        Costi costi;
        RegoleDetrazione regole;
        const char* anni;  // year, interest, charges, deductible, deduction; ...
    } casi[] = {
        {senzaInteressi, costi, {}, "2020 0 1045 1045 198.55;2021 0 15 15 2.85;0 0 1060 1060 201.4;"},
        {senzaInteressi,
         costi,
         {.quota = 100, .limite = 1000, .fiscali = {}},
         "2020 0 1045 1000 190;2021 0 15 15 2.85;0 0 1060 1015 192.85;"},
        {annuale, {100, 0, 0}, {}, "2020 0 100 100 19;2021 500 0 500 95;0 500 100 600 114;"},
        {annuale, {}, {}, "2021 500 0 500 95;0 500 0 500 95;"},
        {Prestito(100000, 1, 5, Cadenza::Annuale),
         {},
         {.quota = 100, .limite = LimiteCostruzione, .fiscali = {}},
         "2021 5000 0 2582.28 490.63;"},
    };
    for (const auto& [mutuo, spese, regole, attese] : casi) {
        const std::string righe = Righe(DetrazionePerAnno(PianoAmm(mutuo), spese, regole));
        EXPECT_EQ(righe.substr(0, std::string_view(attese).size()), attese);
    }

    const auto anni = DetrazionePerAnno(PianoAmm(senzaInteressi), costi, {});
    const std::string tabella = TabellaDetrazione(anni);
    EXPECT_EQ(tabella.substr(0, tabella.find('\n')),
              "  ANNO            INTERESSI      ONERI ACCESSORI   IMPORTO DETRAIBILE           DETRAZIONE");
    EXPECT_NE(
        tabella.find("\nTOTALE                 0,00             1.060,00             1.060,00               201,40\n"),
        std::string::npos)
        << tabella;
}

// The law year by year, from the sources' worked examples: a year's interest and charges X, here charges paid at the
// disbursement of a loan of M at no interest in year Y; the deduction of Y, and what the cuts took.
TEST(Costi, DetrazioneSecondoLaLegge)
{
    // The year, X, the borrower's figures, the deduction and the cuts; M is 100.000 but where given.
    using Cifra = std::optional<double>;
    const auto contratto = [](int anno, int mese) { return std::optional(Data{anno, mese, 1}); };
    const auto dati = [](Cifra costo, Cifra reddito, std::optional<int> figli, Cifra altri, std::optional<Data> firma) {
        return DatiFiscali{costo, reddito, figli, altri, firma};
    };
    const struct {
        double spesa;  // the year's interest and charges
        int anno;
        DatiFiscali fiscali;
        double detrazione, riduzioni;
    } casi[] = {
        // 4.000 x 187.000 / 220.000 = 3.400: 646,00 (M 220.000 below).
        {4000, 2023, dati(187000, {}, {}, {}, {}), 646, 0},
        // An income over 50.000 loses 260 in 2024 only.
        {3000, 2024, dati({}, 60000, {}, {}, {}), 310, 260},
        {3000, 2023, dati({}, 60000, {}, {}, {}), 570, 0},
        {3000, 2025, dati({}, 60000, {}, {}, {}), 570, 0},
        // Over 100.000 with no children the cap is 8.000 x 0,50 = 4.000; the other 2.500 go first: 1.500 left, 285,00.
        // Signed in 2024, the loan is outside the cap.
        {3500, 2025, dati({}, 110000, 0, 2500, contratto(2025, 3)), 285, 380},
        {3500, 2025, dati({}, 110000, 0, 2500, contratto(2024, 12)), 665, 0},
        // No cap before 2025, whenever the loan was signed; a cent over 100.000 halves the base.
        {3500, 2024, dati({}, 110000, 0, 2500, contratto(2025, 1)), 665, 0},
        {4000, 2025, dati({}, 100000.01, 0, 3000, contratto(2025, 1)), 190, 570},
        {4000, 2025, dati({}, 100000, 0, 3000, contratto(2025, 1)), 760, 0},
        // One child: 8.000 x 0,70 = 5.600, above the 4.000 limit.
        {4500, 2025, dati({}, 150000, 1, {}, contratto(2025, 1)), 760, 0},
        // Up to 100.000, 14.000 x 0,50 = 7.000: 5.000 of others leave 2.000.
        {4000, 2025, dati({}, 80000, {}, 5000, contratto(2025, 6)), 380, 380},
        // Over 200.000 from 2026 on: 440, unless the others absorb it.
        {4200, 2024, dati({}, 250000, {}, {}, contratto(2023, 1)), 500, 260},
        {4200, 2025, dati({}, 250000, {}, {}, contratto(2023, 1)), 760, 0},
        {4200, 2026, dati({}, 250000, {}, {}, contratto(2023, 1)), 320, 440},
        {4200, 2027, dati({}, 250000, {}, {}, contratto(2023, 1)), 320, 440},
        {4200, 2026, dati({}, 250000, {}, 3000, contratto(2023, 1)), 760, 0},
    };
    for (const auto& [spesa, anno, fiscali, attesa, riduzioni] : casi) {
        const Mutuo mutuo = Prestito(fiscali.costoAcquisto ? 220000 : 100000, 1, 0, Cadenza::Annuale, {anno, 3, 15});
        const Detrazione detrazione =
            DetrazionePerAnno(PianoAmm(mutuo), {spesa, 0, 0}, {100, LimiteAbitazione, fiscali});
        ASSERT_TRUE(detrazione.riduzioni);
        EXPECT_EQ(detrazione.anni[0].anno, anno);
        EXPECT_NEAR(detrazione.anni[0].detrazione, attesa, 1e-9) << anno << ' ' << spesa;
        EXPECT_NEAR(detrazione.anni[0].riduzioni, riduzioni, 1e-9) << anno << ' ' << spesa;
    }
}

// A new loan above the debt it pays off with its costs deducts only their share of its interest and charges: 150.000 at
// 3,5 % from 15/03/2025 changed on 10/09/2027 for 180.000 at 2,6 % with 3.000 of costs, (140.879,52 + 3.000) /
// 180.000. 2027's interest is that of 180.000 at 2,6 % in 271 installments of 878,88: 390,00 + 388,94 + 387,88; of
// 143.879,52 (installment 702,52) and 140.879,52 (687,87) in full.
TEST(Costi, DetrazioneDellaSostituzione)
{
    Offerta vecchia;
    vecchia.mutuo = Prestito(150000, 300, 3.5, Cadenza::Mensile, {2025, 3, 15});
    vecchia.mutuo.condizioni.arrotondamento = Arrotondamento::Centesimi;
    const Data giorno{2027, 9, 10};
    constexpr auto T = TipoCambio::Sostituzione;
    const struct {
        Cambio cambio;
        std::optional<double> sostituito;
        std::string anni;
        std::string nota;  // the first
    } casi[] = {
        {{giorno, T, 2.6, {}, 3000, 180000},
         143879.52,
         "2027 1166.82 3000 3330.67 632.83;2028 4570.91 0 3653.67 694.2;",
         "Proporzione 79,93 %: debito estinto con le spese della sostituzione 143.879,52 su un mutuo di 180.000,00."},
        {{giorno, T, 2.6, {}, 3000, 143879.52}, {}, "2027 932.67 3000 3932.67 747.21;", ""},
        {{giorno, TipoCambio::Surroga, 2.6, {}, 0, {}}, {}, "2027 913.23 0 913.23 173.51;", ""},
    };
    for (const auto& [cambio, sostituito, anni, nota] : casi) {
        const Offerta nuova = OffertaCambiata(vecchia, CambiaMutuo(PianoAmm(vecchia.mutuo), cambio));
        EXPECT_EQ(nuova.regole.debitoSostituito, sostituito);
        const Detrazione detrazione = DetrazionePerAnno(PianoAmm(nuova.mutuo), nuova.costi, nuova.regole);
        EXPECT_EQ(Righe(detrazione).substr(0, anni.size()), anni);
        EXPECT_EQ(detrazione.note.empty() ? "" : detrazione.note[0], nota);
    }
}

// The lines under the table say which rule changed which years.
TEST(Costi, NoteDellaDetrazione)
{
    const Mutuo mutuo = Prestito(220000, 4, 0, Cadenza::Annuale, {2023, 3, 15});
    const Detrazione detrazione =
        DetrazionePerAnno(PianoAmm(mutuo), {0, 0, 1500}, {100, LimiteAbitazione, {187000, 250000, {}, 0, {}}});
    EXPECT_EQ(detrazione.note,
              (std::vector<std::string>{
                  "Proporzione 85,00 %: costo d'acquisto 187.000,00 su un mutuo di 220.000,00.",
                  "2024: riduzione di 260,00 per un reddito oltre 50.000,00.",
                  "Dal 2026: riduzione di 440,00 per un reddito oltre 200.000,00.",
                  "Stima secondo le regole in vigore per gli anni d'imposta fino al 2026; gli anni successivi seguono "
                  "le stesse regole."}));
    const std::string tabella = TabellaDetrazione(detrazione);
    EXPECT_EQ(tabella.substr(0, tabella.find('\n')), "  ANNO            INTERESSI      ONERI ACCESSORI   IMPORTO "
                                                     "DETRAIBILE            RIDUZIONI           DETRAZIONE");
    EXPECT_NE(tabella.find("\n\nProporzione 85,00 %"), std::string::npos) << tabella;
    EXPECT_NE(CsvDi(CelleDetrazione(detrazione)).find("Importo detraibile;Riduzioni;Detrazione\r\n"),
              std::string::npos);
    const Detrazione nelTetto = DetrazionePerAnno(PianoAmm(Prestito(100000, 1, 0, Cadenza::Annuale, {2025, 3, 15})),
                                                  {3500, 0, 0}, {100, LimiteAbitazione, {{}, 110000, {}, 2500, {}}});
    EXPECT_EQ(nelTetto.note.at(0), "Dal 2025: tetto di 4.000,00 per gli oneri soggetti al limite (reddito 110.000,00, "
                                   "nessun figlio a carico), altri oneri 2.500,00 considerati per primi.");
}

}  // namespace

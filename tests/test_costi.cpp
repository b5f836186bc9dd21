// The TAEG and the tax deduction. Expected rates come from solving the
// equation apart, by bisection over the French formula's installment; the
// deduction's rows are worked by hand from loans whose interest is plain.

#include "engine/costi.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pianoamm;

namespace {

Mutuo Prestito(double importo, int rate, double tasso, Cadenza cadenza, Data erogazione = {2020, 1, 15})
{
    return {importo, rate, tasso, erogazione, cadenza, {}};
}

TEST(Costi, TaegECostoTotale)
{
    const std::tuple<Mutuo, Costi, const char*, const char*> casi[] = {
        {Prestito(150000, 300, 3.5, Cadenza::Mensile), {1500, 0.25, 2.5}, "3,71 %", "77.905,61"},
        {Prestito(12000, 12, 0, Cadenza::Mensile), {}, "0,00 %", "0,00"},
        {Prestito(12000, 12, 0, Cadenza::Mensile), {100, 0, 0}, "1,56 %", "100,00"},
        // One installment: (10500 / 9900) - 1.
        {Prestito(10000, 1, 5, Cadenza::Annuale), {100, 0, 0}, "6,06 %", "600,00"},
        // No costs: the monthly rate compounded, 1,0825^12 - 1.
        {Prestito(1000, 12, 99, Cadenza::Mensile), {}, "158,90 %", "613,03"},
        {Prestito(1000, 1, 99, Cadenza::Mensile), {0, 0, 1}, "161,79 %", "83,50"},
        {Prestito(100000, 999, 99, Cadenza::Annuale), {}, "99,00 %", "98.801.000,00"},
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
    EXPECT_EQ(TestoCostoCredito(CostoDelCredito(PianoAmm(std::get<0>(casi[0])), std::get<1>(casi[0]))),
              "TAN                      : 3,50 %\n"
              "TAEG                     : 3,71 %\n"
              "COSTO TOTALE DEL CREDITO : 77.905,61\n"
              "IMPORTO TOTALE DOVUTO    : 227.905,61\n");
}

// A year's row as the table's words: year, interest, charges, deductible, deduction.
std::string Righe(const std::vector<AnnoDetrazione>& anni)
{
    std::ostringstream testo;
    testo.precision(12);
    for (const AnnoDetrazione& a : anni)
        testo << a.anno << ' ' << a.interessi << ' ' << a.oneri << ' ' << a.importoDetraibile << ' ' << a.detrazione
              << ';';
    return testo.str();
}

TEST(Costi, DetrazionePerAnno)
{
    // 12 monthly installments from 15/06/2020: six due each year; no
    // interest. Charges 1.000 + 0,25 % of 12.000 + 6 x 2,50 the first year.
    const Mutuo senzaInteressi = Prestito(12000, 12, 0, Cadenza::Mensile, {2020, 6, 15});
    const Costi costi{1000, 0.25, 2.5};
    // One yearly installment: 500 of interest, due the year after.
    const Mutuo annuale = Prestito(10000, 1, 5, Cadenza::Annuale, {2020, 3, 10});
    const std::tuple<Mutuo, Costi, RegoleDetrazione, const char*> casi[] = {
        {senzaInteressi, costi, {}, "2020 0 1045 1045 198.55;2021 0 15 15 2.85;0 0 1060 1060 201.4;"},
        // Halves go up: 522,50 x 19 % = 99,275.
        {senzaInteressi, costi, {50, 4000}, "2020 0 1045 522.5 99.28;2021 0 15 7.5 1.43;0 0 1060 530 100.71;"},
        {senzaInteressi, costi, {100, 1000}, "2020 0 1045 1000 190;2021 0 15 15 2.85;0 0 1060 1015 192.85;"},
        {annuale, {100, 0, 0}, {}, "2020 0 100 100 19;2021 500 0 500 95;0 500 100 600 114;"},
        {annuale, {}, {}, "2021 500 0 500 95;0 500 0 500 95;"},
        {Prestito(100000, 1, 5, Cadenza::Annuale), {}, {100, LimiteCostruzione}, "2021 5000 0 2582.28 490.63;"},
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
    EXPECT_EQ(EsportaCsvDetrazione(anni), "\xEF\xBB\xBF"
                                          "Anno;Interessi;Oneri accessori;Importo detraibile;Detrazione\r\n"
                                          "2020;0,00;1045,00;1045,00;198,55\r\n"
                                          "2021;0,00;15,00;15,00;2,85\r\n"
                                          "Totale;0,00;1060,00;1060,00;201,40\r\n");
}

}  // namespace

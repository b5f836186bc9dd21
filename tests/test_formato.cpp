// The listing's fields, dates and number parsers. Expected texts are written by hand from the patterns ("#,#",
// "#0.000", "gg/mm/aaaa").

#include "engine/data.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/numeri.h"
#include "engine/tabella.h"

#include <gtest/gtest.h>

using namespace pianoamm;

namespace {

std::string Campo(std::string_view testo, int ssp)
{
    return std::string(Linea().Scrivi("|").Tabulasin(testo, ssp).Testo());
}

std::string CampoImporto(double valore, int ssp)
{
    return std::string(Linea().Scrivi("|").Importo(valore, ssp).Testo());
}

TEST(Formato, CampiENumeri)
{
    const std::pair<std::string, const char*> casi[] = {
        {Campo("", 15), "|               "},
        {Campo("100.000", 15), "|         100.000"},
        {Campo("12345678901234", 12), "|2345678901234"},
        {Campo("abc", 0), "|c"},
        {CampoImporto(-1234.5, 12), "|       -1.235"},
        {CampoImporto(-0.4, 3), "|   "},
        {CampoImporto(-1234.5, 4), "|1.235"},  // the sign cut off with the front, nothing written before the field
        {CampoImporto(1e12, 12), "|0.000.000.000"},
        {CampoImporto(999999.5, 6), "|000.000"},
        {CampoImporto(123456, 6), "|123.456"},
        {FormatoImporto(7950.4574965457), "7.950"},
        {FormatoImporto(617.574965456577), "618"},
        {FormatoImporto(999.5), "1.000"},
        {FormatoImporto(0.4), ""},
        {FormatoImporto(-1e-9), ""},
        {FormatoImporto(-2.5), "-3"},
        {FormatoImporto(1e12), "1.000.000.000.000"},
        {FormatoDecimali(5, 3, false), "5,000"},
        {FormatoDecimali(0.01, 3, false), "0,010"},
        {FormatoDecimali(12950.45749654566, 2, true), "12.950,46"},
        {FormatoDecimali(12950.45749654566, 2, false), "12950,46"},
        {FormatoDecimali(-0.004, 2, true), "0,00"},
        {FormatoDecimali(0.005, 2, true), "0,01"},
        {FormatoDecimali(-2.5, 2, true), "-2,50"},
        {TestoNumero(12950.45749654566), "12950,4574965457"},
        {TestoNumero(104999.99999999988), "105000"},
        {TestoNumero(1), "1"},
        {TestoNumero(-0.0), "0"},
        {TestoNumero(0.5069007488068364), "0,50690074880684"},
        {TestoNumero(1.0051776197120574e-05), "0,0000100517762"},
        {TestoNumero(0.9999999999999996), "1"},
    };
    for (const auto& [ottenuto, atteso] : casi)
        EXPECT_EQ(ottenuto, atteso);
    EXPECT_THROW(Campo("x", -1), ErrorePiano);
    EXPECT_THROW(Campo("x", 127), ErrorePiano);
    EXPECT_EQ(Campo("", 127).size(), 128U);
}

// Each kind of cell as the screen shows it and as a CSV file holds it.
TEST(Formato, CelleScritte)
{
    const struct {
        Cella cella;
        const char *schermo, *csv;
    } casi[] = {
        {CellaImporto(1234567.891), "1.234.567,89", "1234567,89"},
        {CellaImporto(-1234.5), "-1.234,50", "-1234,50"},
        {CellaConto(300), "300", "300"},
        {CellaData({2026, 3, 5}), "05/03/2026", "05/03/2026"},
        {CellaTasso(3.5, 3), "3,500", "3,500"},
        {CellaTassoInserito(3.5), "3,50", "3,50"},
        {CellaTassoInserito(3.125), "3,125", "3,125"},
        {CellaTassoInserito(2.0001), "2,0001", "2,0001"},
        {CellaPercentuale(3.71), "3,71 %", "3,71"},
        {CellaTesto("Totale"), "Totale", "Totale"},
        {CellaTesto("=SOMMA(A1)"), "=SOMMA(A1)", "'=SOMMA(A1)"},
        {CellaTesto("-1"), "-1", "'-1"},
        {CellaTesto("@x"), "@x", "'@x"},
    };
    for (const auto& [cella, schermo, csv] : casi) {
        EXPECT_EQ(TestoCella(cella), schermo);
        EXPECT_EQ(TestoCella(cella, false), csv);
    }
    EXPECT_EQ(CsvDi({{CellaTesto("a"), CellaTesto("b\""), CellaTesto("c;\nd"), CellaImporto(-1)}, {}}),
              "\xEF\xBB\xBF"
              "a;\"b\"\"\";\"c;\nd\";-1,00\r\n\r\n");
}

TEST(Data, LetturaPassoDiMesiEFormato)
{
    const std::pair<const char*, std::optional<Data>> letture[] = {
        {"06/04/2006", Data{2006, 4, 6}},  {" 6/4/2006 ", Data{2006, 4, 6}}, {"31/12/9999", Data{9999, 12, 31}},
        {"29/02/2008", Data{2008, 2, 29}}, {"01/01/0100", Data{100, 1, 1}},  {"06/04/06", Data{2006, 4, 6}},
        {"1/1/29", Data{2029, 1, 1}},      {"01/01/30", Data{1930, 1, 1}},   {"29/02/2007", std::nullopt},
        {"31/04/2008", std::nullopt},      {"00/01/2008", std::nullopt},     {"01/13/2008", std::nullopt},
        {"01/01/0099", std::nullopt},      {"06/04/206", std::nullopt},      {"06/04/6", std::nullopt},
        {"06/04/20066", std::nullopt},     {"06-04-2006", std::nullopt},     {"006/04/2006", std::nullopt},
    };
    for (const auto& [testo, attesa] : letture)
        EXPECT_EQ(LeggiData(testo), attesa) << '"' << testo << '"';

    const struct {
        Data partenza;
        int mesi;
        const char* attesa;
    } passi[] = {
        {{2008, 1, 31}, 1, "29/02/2008"},  {{2007, 1, 31}, 1, "28/02/2007"}, {{2008, 3, 31}, -1, "29/02/2008"},
        {{1900, 1, 31}, 1, "28/02/1900"},  {{2000, 1, 31}, 1, "29/02/2000"}, {{2006, 4, 6}, 11988, "06/04/3005"},
        {{9999, 1, 31}, 11, "31/12/9999"}, {{100, 2, 1}, -1, "01/01/0100"},
    };
    for (const auto& [partenza, mesi, attesa] : passi)
        EXPECT_EQ(FormatoData(AggiungiMese(partenza, mesi)), attesa);
    EXPECT_THROW(AggiungiMese({9999, 12, 1}, 1), ErrorePiano);
    EXPECT_THROW(AggiungiMese({100, 1, 31}, -1), ErrorePiano);
}

TEST(Numeri, CampiEPezziIncollati)
{
    // decimali < 0: LeggiNumero with -decimali; else LeggiCampoNumerico.
    const struct {
        const char* testo;
        int decimali;
        bool raggruppa;
        std::optional<double> atteso;
    } campi[] = {
        {"1500,5", -2, false, 1500.5},
        {"1500.25", -2, false, 1500.25},
        {"12,5", 0, false, std::nullopt},
        {"1,234", -2, false, std::nullopt},
        {"5,", -2, false, std::nullopt},
        {"-5", -2, false, std::nullopt},
        {"1e5", -2, false, std::nullopt},
        {"1234567890123456", -2, false, std::nullopt},
        {"100.000,00", 2, true, 100000},
        {"10.00.0", 2, true, 10000},
        {"12,", 2, true, 12},
        {",", 2, true, 0},
        {"5.25", 2, false, 5.25},
        {"12,", 0, false, std::nullopt},
        {"12.5", 0, false, std::nullopt},
        {"1,2,3", 2, true, std::nullopt},
    };
    for (const auto& [testo, decimali, raggruppa, atteso] : campi) {
        EXPECT_EQ(decimali < 0 ? LeggiNumero(testo, -decimali) : LeggiCampoNumerico(testo, decimali, raggruppa), atteso)
            << '"' << testo << '"';
    }

    const struct {
        const char* pezzo;
        int decimali;
        std::optional<std::string> atteso;
    } pezzi[] = {
        {"1234.56", 2, "1234,56"},       {"1.5", 2, "1,5"},
        {"1.234,56", 2, "1234,56"},      {"1.000", 2, "1000"},
        {"1.234.567,8", 2, "1234567,8"}, {" 1234.56\r\n", 2, "1234,56"},
        {"1.50", 1, std::nullopt},       {"12.5", 0, std::nullopt},
        {"1.2.3.4", 2, std::nullopt},    {"....", 2, std::nullopt},
        {"1234.567", 2, std::nullopt},   {"1,234.56", 2, std::nullopt},
        {"12.34.567", 2, std::nullopt},  {"0.500", 2, std::nullopt},
        {",5", 2, std::nullopt},         {"-5", 2, std::nullopt},
        {" \t ", 2, std::nullopt},
    };
    for (const auto& [pezzo, decimali, atteso] : pezzi)
        EXPECT_EQ(LeggiPezzoIncollato(pezzo, decimali), atteso) << '"' << pezzo << '"';
}

}  // namespace

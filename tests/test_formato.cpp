// The listing's fields, dates and number parsers. Expected texts are written
// by hand from the patterns ("#,#", "#0.000", "gg/mm/aaaa").

#include "engine/data.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/numeri.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace pianoamm;

namespace {

TEST(Formato, CampiENumeri)
{
    const auto campo = [](std::string_view testo, int ssp) {
        std::string riga = "|";
        Tabulasin(riga, testo, ssp);
        return riga;
    };
    const auto tasso = [](double v) { return FormatoDecimali(v, 3, false); };
    const auto centesimi = [](double v) { return FormatoDecimali(v, 2, true); };
    const struct {
        std::string ottenuto;
        const char* atteso;
    } casi[] = {
        {campo("", 15), "|               "},
        {campo("100.000", 15), "|         100.000"},
        {campo("1234567890123", 12), "|1234567890123"},
        {campo("12345678901234", 12), "|2345678901234"},
        {campo("abc", 0), "|c"},
        {FormatoImporto(7950.4574965457), "7.950"},
        {FormatoImporto(617.574965456577), "618"},
        {FormatoImporto(999.5), "1.000"},
        {FormatoImporto(0.4), ""},
        {FormatoImporto(-1e-9), ""},
        {FormatoImporto(-2.5), "-3"},
        {FormatoImporto(-1234567), "-1.234.567"},
        {FormatoImporto(1e12), "1.000.000.000.000"},
        {tasso(5), "5,000"},
        {tasso(0.01), "0,010"},
        {tasso(12.5), "12,500"},
        {centesimi(12950.45749654566), "12.950,46"},
        {FormatoDecimali(12950.45749654566, 2, false), "12950,46"},
        {centesimi(-0.004), "0,00"},
        {centesimi(0.005), "0,01"},
        {centesimi(-2.5), "-2,50"},
        {centesimi(999999999), "999.999.999,00"},
        {TestoNumero(12950.45749654566), "12950,4574965457"},
        {TestoNumero(104999.99999999988), "105000"},
        {TestoNumero(1060.6551523907553), "1060,65515239076"},
        {TestoNumero(1), "1"},
        {TestoNumero(0), "0"},
        {TestoNumero(-0.0), "0"},
        {TestoNumero(0.5069007488068364), "0,50690074880684"},
        {TestoNumero(1.0051776197120574e-05), "0,0000100517762"},
        {TestoNumero(0.9999999999999996), "1"},
        {TestoNumero(4e-15), "0"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(caso.ottenuto, caso.atteso);
    std::string riga;
    EXPECT_THROW(Tabulasin(riga, "x", -1), ErrorePiano);
}

TEST(Data, LetturaPassoDiMesiEFormato)
{
    const struct {
        const char* testo;
        std::optional<Data> attesa;
    } letture[] = {
        {"06/04/2006", Data{2006, 4, 6}},
        {" 6/4/2006 ", Data{2006, 4, 6}},
        {"31/12/9999", Data{9999, 12, 31}},
        {"29/02/2008", Data{2008, 2, 29}},
        {"01/01/0100", Data{100, 1, 1}},
        {"06/04/06", Data{2006, 4, 6}},
        {"1/1/29", Data{2029, 1, 1}},
        {"01/01/30", Data{1930, 1, 1}},
        {"29/02/00", Data{2000, 2, 29}},
        {"29/02/2007", std::nullopt},
        {"31/04/2008", std::nullopt},
        {"00/01/2008", std::nullopt},
        {"01/13/2008", std::nullopt},
        {"01/01/0099", std::nullopt},
        {"06/04/206", std::nullopt},
        {"06/04/6", std::nullopt},
        {"06/04/20066", std::nullopt},
        {"06-04-2006", std::nullopt},
        {"006/04/2006", std::nullopt},
        {"", std::nullopt},
        {"oggi", std::nullopt},
    };
    for (const auto& caso : letture)
        EXPECT_EQ(LeggiData(caso.testo), caso.attesa) << '"' << caso.testo << '"';

    const struct {
        Data partenza;
        int mesi;
        const char* attesa;
    } passi[] = {
        {{2008, 1, 31}, 1, "29/02/2008"},    {{2007, 1, 31}, 1, "28/02/2007"},  {{2008, 2, 29}, 12, "28/02/2009"},
        {{2008, 3, 31}, -1, "29/02/2008"},   {{1900, 1, 31}, 1, "28/02/1900"},  {{2000, 1, 31}, 1, "29/02/2000"},
        {{2006, 4, 6}, 11988, "06/04/3005"}, {{9999, 1, 31}, 11, "31/12/9999"}, {{100, 2, 1}, -1, "01/01/0100"},
    };
    for (const auto& passo : passi)
        EXPECT_EQ(FormatoData(AggiungiMese(passo.partenza, passo.mesi)), passo.attesa);
    EXPECT_THROW(AggiungiMese({9999, 12, 1}, 1), ErrorePiano);
    EXPECT_THROW(AggiungiMese({100, 1, 31}, -1), ErrorePiano);
}

TEST(Numeri, CampiEPezziIncollati)
{
    const struct {
        std::function<std::optional<double>()> lettura;
        std::optional<double> atteso;
        const char* come;
    } casi[] = {
        {[] { return LeggiNumero("1500,5", 2); }, 1500.5, "1500,5"},
        {[] { return LeggiNumero("1500.25", 2); }, 1500.25, "1500.25"},
        {[] { return LeggiNumero("0", 2); }, 0.0, "0"},
        {[] { return LeggiNumero("12,5", 0); }, std::nullopt, "12,5 intero"},
        {[] { return LeggiNumero("1,234", 2); }, std::nullopt, "1,234"},
        {[] { return LeggiNumero("1.000.000", 2); }, std::nullopt, "1.000.000"},
        {[] { return LeggiNumero("5,", 2); }, std::nullopt, "5,"},
        {[] { return LeggiNumero("-5", 2); }, std::nullopt, "-5"},
        {[] { return LeggiNumero("1e5", 2); }, std::nullopt, "1e5"},
        {[] { return LeggiNumero("1234567890123456", 2); }, std::nullopt, "16 cifre"},
        {[] { return LeggiCampoNumerico("100.000,00", 2, true); }, 100000.0, "100.000,00"},
        {[] { return LeggiCampoNumerico("10.00.0", 2, true); }, 10000.0, "10.00.0"},
        {[] { return LeggiCampoNumerico("12,", 2, true); }, 12.0, "12,"},
        {[] { return LeggiCampoNumerico(",", 2, true); }, 0.0, ","},
        {[] { return LeggiCampoNumerico("5.25", 2, false); }, 5.25, "5.25"},
        {[] { return LeggiCampoNumerico("12,", 0, false); }, std::nullopt, "12, intero"},
        {[] { return LeggiCampoNumerico("12.5", 0, false); }, std::nullopt, "12.5 intero"},
        {[] { return LeggiCampoNumerico("1,234", 2, true); }, std::nullopt, "1,234"},
        {[] { return LeggiCampoNumerico("1,2,3", 2, true); }, std::nullopt, "1,2,3"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(caso.lettura(), caso.atteso) << caso.come;

    const struct {
        const char* pezzo;
        int decimali;
        std::optional<std::string> atteso;
    } pezzi[] = {
        {"1234.56", 2, "1234,56"},       {"1.5", 2, "1,5"},
        {"1.234,56", 2, "1234,56"},      {"1.000", 2, "1000"},
        {"1.234.567,8", 2, "1234567,8"}, {" 1234.56\r\n", 2, "1234,56"},
        {"12.345.678", 0, "12345678"},   {"1.50", 1, std::nullopt},
        {"12.5", 0, std::nullopt},       {"1.2.3.4", 2, std::nullopt},
        {"....", 2, std::nullopt},       {"1234.567", 2, std::nullopt},
        {"1.234.56", 2, std::nullopt},   {"1,234.56", 2, std::nullopt},
        {"12.34.567", 2, std::nullopt},  {"0.500", 2, std::nullopt},
        {"1.", 2, std::nullopt},         {",5", 2, std::nullopt},
        {"1 000", 2, std::nullopt},      {"-5", 2, std::nullopt},
        {" \t ", 2, std::nullopt},
    };
    for (const auto& caso : pezzi)
        EXPECT_EQ(LeggiPezzoIncollato(caso.pezzo, caso.decimali), caso.atteso) << '"' << caso.pezzo << '"';
}

}  // namespace

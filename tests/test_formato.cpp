#include "engine/errore.h"
#include "engine/formato.h"

#include <gtest/gtest.h>

#include <string>

using namespace pianoamm;

namespace {

struct CasoTabulasin {
    std::string testo;
    std::int16_t ssp;
    std::string atteso;
};

TEST(Tabulasin, AllineaADestraInUnCampoLargoSspPiuUno)
{
    const CasoTabulasin casi[] = {
        {"", 15, std::string(15, ' ')},
        {"100.000", 15, "         100.000"},
        {"1234567890123", 12, "1234567890123"},
        {"12345678901234", 12, "2345678901234"},
        {"10", 3, "  10"},
        {"7", 2, "  7"},
        {"", 0, ""},
        {"abc", 0, "c"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(Tabulasin(caso.testo, caso.ssp), caso.atteso) << caso.testo << " / " << caso.ssp;
}

TEST(Tabulasin, LarghezzaNegativaEUnErrore)
{
    EXPECT_THROW(Tabulasin("x", -1), ErrorePiano);
}

struct CasoMese {
    Data partenza;
    int mesi;
    Data attesa;
};

TEST(AggiungiMese, PassaAMeseTenendoIlGiornoOLUltimoDelMese)
{
    const CasoMese casi[] = {
        {{2008, 1, 31}, 1, {2008, 2, 29}},   {{2007, 1, 31}, 1, {2007, 2, 28}},  {{2008, 1, 31}, 3, {2008, 4, 30}},
        {{2008, 2, 29}, 12, {2009, 2, 28}},  {{2006, 6, 15}, 12, {2007, 6, 15}}, {{2006, 6, 15}, 0, {2006, 6, 15}},
        {{2008, 3, 31}, -1, {2008, 2, 29}},  {{2008, 1, 31}, 2, {2008, 3, 31}},  {{2006, 11, 30}, 3, {2007, 2, 28}},
        {{1900, 1, 31}, 1, {1900, 2, 28}},    // not a leap year: divisible by 100
        {{2000, 1, 31}, 1, {2000, 2, 29}},    // leap year: divisible by 400
        {{2006, 4, 6}, 11988, {3005, 4, 6}},  // 999 yearly installments
        {{9999, 1, 31}, 11, {9999, 12, 31}}, {{100, 2, 1}, -1, {100, 1, 1}},
    };
    for (const auto& caso : casi) {
        EXPECT_EQ(AggiungiMese(caso.partenza, caso.mesi), caso.attesa)
            << FormatoData(caso.partenza) << " + " << caso.mesi;
    }
}

TEST(AggiungiMese, NonEAdditivo)
{
    const Data gennaio{2007, 1, 31};
    EXPECT_EQ(AggiungiMese(AggiungiMese(gennaio, 1), 1), (Data{2007, 3, 28}));
    EXPECT_EQ(AggiungiMese(gennaio, 2), (Data{2007, 3, 31}));
}

TEST(AggiungiMese, FuoriDagliAnni100_9999EUnErrore)
{
    EXPECT_THROW(AggiungiMese({9999, 12, 1}, 1), ErrorePiano);
    EXPECT_THROW(AggiungiMese({100, 1, 31}, -1), ErrorePiano);
}

struct CasoLettura {
    const char* testo;
    bool valida;
    Data data;
};

TEST(LeggiData, AccettaSoloGiornoMeseAnnoValidi)
{
    const CasoLettura casi[] = {
        {"06/04/2006", true, {2006, 4, 6}},
        {"6/4/2006", true, {2006, 4, 6}},
        {" 31/12/9999 ", true, {9999, 12, 31}},
        {"29/02/2008", true, {2008, 2, 29}},
        {"01/01/0100", true, {100, 1, 1}},
        {"29/02/2007", false, {}},
        {"31/04/2008", false, {}},
        {"00/01/2008", false, {}},
        {"01/13/2008", false, {}},
        {"01/00/2008", false, {}},
        {"01/01/0099", false, {}},
        {"", false, {}},
        {"  ", false, {}},
        {"06/04/06", true, {2006, 4, 6}},
        {"1/1/29", true, {2029, 1, 1}},
        {"01/01/30", true, {1930, 1, 1}},
        {"31/12/99", true, {1999, 12, 31}},
        {"29/02/00", true, {2000, 2, 29}},
        {"06/04/206", false, {}},
        {"06/04/6", false, {}},
        {"06/04/20066", false, {}},
        {"06-04-2006", false, {}},
        {"06/04/2006x", false, {}},
        {"006/04/2006", false, {}},
        {"oggi", false, {}},
        {"/04/2006", false, {}},
    };
    for (const auto& caso : casi) {
        const auto letta = LeggiData(caso.testo);
        EXPECT_EQ(letta.has_value(), caso.valida) << '"' << caso.testo << '"';
        if (letta && caso.valida) {
            EXPECT_EQ(*letta, caso.data) << caso.testo;
        }
    }
}

TEST(FormatoData, DueCifreGiornoEMeseQuattroAnno)
{
    EXPECT_EQ(FormatoData({2008, 3, 31}), "31/03/2008");
    EXPECT_EQ(FormatoData({2006, 4, 6}), "06/04/2006");
    EXPECT_EQ(FormatoData({100, 1, 1}), "01/01/0100");
}

struct CasoNumero {
    double valore;
    std::string atteso;
};

TEST(FormatoImporto, InteroRaggruppatoAlMigliaio)
{
    const CasoNumero casi[] = {
        {100000, "100.000"},
        {7950.4574965457, "7.950"},
        {617.574965456577, "618"},
        {1234.5, "1.235"},
        {999999999, "999.999.999"},
        {0, ""},
        {0.4, ""},
        {0.5, "1"},
        {999.5, "1.000"},
        {-0.4, ""},
        {-1e-9, ""},
        {-2.5, "-3"},
        {-1234567, "-1.234.567"},
        {1e12, "1.000.000.000.000"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(FormatoImporto(caso.valore), caso.atteso) << caso.valore;
}

TEST(FormatoIntero, SenzaRaggruppamento)
{
    const CasoNumero casi[] = {{10, "10"}, {999, "999"}, {1, "1"}, {0, ""}, {12345, "12345"}};
    for (const auto& caso : casi)
        EXPECT_EQ(FormatoIntero(caso.valore), caso.atteso) << caso.valore;
}

TEST(TestoIntero, CifreSemplici)
{
    // Unlike "#", zero is a digit and there is no rounding to do.
    const struct {
        int valore;
        const char* atteso;
    } casi[] = {{0, "0"}, {7, "7"}, {999, "999"}, {2026, "2026"}, {-15, "-15"}, {1000000, "1000000"}};
    for (const auto& caso : casi)
        EXPECT_EQ(TestoIntero(caso.valore), caso.atteso) << caso.valore;
}

TEST(FormatoTasso, TreDecimaliConLaVirgola)
{
    const CasoNumero casi[] = {
        {5, "5,000"}, {12.5, "12,500"}, {0, "0,000"}, {99, "99,000"}, {0.01, "0,010"}, {7.25, "7,250"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(FormatoTasso(caso.valore), caso.atteso) << caso.valore;
}

TEST(TestoNumero, SediciCaratteriSenzaEsponenteNeZeriFinali)
{
    const CasoNumero casi[] = {
        {12950.45749654566, "12950,4574965457"},
        {104999.99999999988, "105000"},
        {0, "0"},
        {1060.6551523907553, "1060,65515239076"},
        {0.5, "0,5"},
        {100, "100"},
        {1, "1"},
        {-0.0, "0"},
        {0.00001, "0,00001"},
        {0.5069007488068364, "0,50690074880684"},
        {1.0051776197120574e-05, "0,0000100517762"},
        {0.12345678901234568, "0,12345678901235"},
        {0.9999999999999996, "1"},
        {4e-15, "0"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(TestoNumero(caso.valore), caso.atteso) << caso.valore;
}

}  // namespace

#include "engine/listato.h"

namespace {

TEST(Listato, RigheScritteInPostoOAccodate)
{
    pianoamm::Listato listato;
    listato.Accoda(" ");
    listato.InizioRiga();
    listato.Corrente() += "seconda";
    listato.Corrente() += " riga";
    listato.FineRiga();
    listato.Accoda("");
    ASSERT_EQ(listato.size(), 3U);
    EXPECT_EQ(listato[0], " ");
    EXPECT_EQ(listato[1], "seconda riga");
    EXPECT_EQ(listato[2], "");
    EXPECT_EQ(listato.Testo(), " \nseconda riga\n\n");
    EXPECT_THROW((void)listato[3], std::out_of_range);
}

}  // namespace

#include "engine/numeri.h"

namespace {

struct CasoCampo {
    const char* testo;
    int decimali;
    bool raggruppa;
    std::optional<double> atteso;
};

TEST(LeggiNumero, CifreConVirgolaOPuntoEAlPiuNDecimali)
{
    const CasoCampo casi[] = {
        {"100000", 2, false, 100000},
        {"1500,5", 2, false, 1500.5},
        {"1500.25", 2, false, 1500.25},
        {"0", 2, false, 0},
        {"12", 0, false, 12},
        {"12,5", 0, false, std::nullopt},
        {"1,234", 2, false, std::nullopt},
        {"1.000.000", 2, false, std::nullopt},
        {"", 2, false, std::nullopt},
        {",5", 2, false, std::nullopt},
        {"5,", 2, false, std::nullopt},
        {"-5", 2, false, std::nullopt},
        {"+5", 2, false, std::nullopt},
        {" 5", 2, false, std::nullopt},
        {"5 ", 2, false, std::nullopt},
        {"1e5", 2, false, std::nullopt},
        {"0x10", 2, false, std::nullopt},
        {"1234567890123456", 2, false, std::nullopt},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(LeggiNumero(caso.testo, caso.decimali), caso.atteso) << '"' << caso.testo << '"';
}

TEST(LeggiCampoNumerico, IlModelloItalianoDeiCampi)
{
    const CasoCampo casi[] = {
        {"100.000,00", 2, true, 100000},
        {"1.234,5", 2, true, 1234.5},
        {"100000", 2, true, 100000},
        {"10.00.0", 2, true, 10000},  // grouping dots move while digits are edited
        {",5", 2, true, 0.5},
        {"12,", 2, true, 12},
        {",", 2, true, 0},
        {"5,25", 2, false, 5.25},
        {"5.25", 2, false, 5.25},
        {"12.5", 0, false, std::nullopt},
        {"1,234", 2, true, std::nullopt},
        {"12,5", 0, false, std::nullopt},
        {"999", 0, false, 999},
        {"", 2, true, std::nullopt},
        {"abc", 2, true, std::nullopt},
        {"1,2,3", 2, true, std::nullopt},
        {"-1", 2, true, std::nullopt},
    };
    for (const auto& caso : casi) {
        EXPECT_EQ(LeggiCampoNumerico(caso.testo, caso.decimali, caso.raggruppa), caso.atteso)
            << '"' << caso.testo << '"';
    }
}

TEST(LeggiPezzoIncollato, ComeLoIntendeChiIncollaONiente)
{
    struct Caso {
        const char* pezzo;
        int decimali;
        std::optional<std::string> atteso;
    };
    const Caso casi[] = {
        {"1234.56", 2, "1234,56"},  // one "." and two digits: the decimal mark
        {"1.5", 2, "1,5"},
        {"1.50", 2, "1,50"},
        {"1.234,56", 2, "1234,56"},
        {"1234,56", 2, "1234,56"},
        {"1.000", 2, "1000"},  // three digits after the "." make a group
        {"1.234.567,8", 2, "1234567,8"},
        {"12.345.678", 0, "12345678"},
        {" 1234.56\r\n", 2, "1234,56"},
        {"\t42 ", 0, "42"},
        {"007", 0, "007"},
        {"1.5", 1, "1,5"},
        {"1.50", 1, std::nullopt},
        {"12.5", 0, std::nullopt},
        {"12,5", 0, std::nullopt},
        {"1.2.3.4", 2, std::nullopt},
        {"....", 2, std::nullopt},
        {"1234.567", 2, std::nullopt},
        {"1.234.56", 2, std::nullopt},
        {"1,234.56", 2, std::nullopt},
        {"1.234,567", 2, std::nullopt},
        {"12.34.567", 2, std::nullopt},
        {"1..000", 2, std::nullopt},
        {"0.500", 2, std::nullopt},
        {"1.", 2, std::nullopt},
        {".5", 2, std::nullopt},
        {",5", 2, std::nullopt},
        {"12,", 2, std::nullopt},
        {"1,2,3", 2, std::nullopt},
        {"1 000", 2, std::nullopt},
        {"-5", 2, std::nullopt},
        {"+5", 2, std::nullopt},
        {"1e5", 2, std::nullopt},
        {"", 2, std::nullopt},
        {" \t ", 2, std::nullopt},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(LeggiPezzoIncollato(caso.pezzo, caso.decimali), caso.atteso) << '"' << caso.pezzo << '"';
}

}  // namespace

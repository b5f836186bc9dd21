#include "dati_prova.h"
#include "engine/esporta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using namespace pianoamm;

namespace {

TEST(FormatoCentesimi, DueDecimaliConLaVirgola)
{
    const struct {
        double valore;
        bool raggruppa;
        const char* atteso;
    } casi[] = {
        {12950.45749654566, false, "12950,46"},
        {12950.45749654566, true, "12.950,46"},
        {0, true, "0,00"},
        {-0.004, false, "0,00"},
        {-1e-12, true, "0,00"},
        {0.005, false, "0,01"},
        {-2.5, false, "-2,50"},
        {999999999, true, "999.999.999,00"},
        {7.1, false, "7,10"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(FormatoCentesimi(caso.valore, caso.raggruppa), caso.atteso) << caso.valore;
}

TEST(EsportaCsv, LEsempioAnnualeRigaPerRiga)
{
    const std::string csv = EsportaCsv(PianoAmm(Dati(100000, 10, 5, Cadenza::Annuale, "06/04/2006")));
    const std::string atteso = "\xEF\xBB\xBF"
                               "Numero;Scadenza;Quota interessi;Quota capitale;Rata;Debito residuo\r\n"
                               "1;06/04/2007;5000,00;7950,46;12950,46;92049,54\r\n"
                               "2;06/04/2008;4602,00;8348,46;12950,46;83701,09\r\n"
                               "3;06/04/2009;4185,00;8765,46;12950,46;74935,63\r\n"
                               "4;06/04/2010;3747,00;9203,46;12950,46;65732,17\r\n"
                               "5;06/04/2011;3286,00;9664,46;12950,46;56067,71\r\n"
                               "6;06/04/2012;2804,00;10146,46;12950,46;45921,26\r\n"
                               "7;06/04/2013;2296,00;10654,46;12950,46;35266,80\r\n"
                               "8;06/04/2014;1763,00;11187,46;12950,46;24079,34\r\n"
                               "9;06/04/2015;1204,00;11746,46;12950,46;12332,88\r\n"
                               "10;06/04/2016;617,57;12332,88;12950,46;0,00\r\n";
    EXPECT_EQ(csv, atteso);
}

TEST(EsportaCsv, LeColonneSommanoAiTotaliDelListato)
{
    const auto piano = PianoAmm(Dati(250000, 999, 4.75, Cadenza::Mensile, "31/01/2008"));
    std::istringstream righe(EsportaCsv(piano));
    std::string riga;
    std::getline(righe, riga);  // heading
    long long interessiCentesimi = 0;
    int rate = 0;
    while (std::getline(righe, riga)) {
        ASSERT_EQ(riga.back(), '\r');
        std::vector<std::string> campi;
        std::istringstream celle(riga.substr(0, riga.size() - 1));
        for (std::string cella; std::getline(celle, cella, ';');)
            campi.push_back(cella);
        ASSERT_EQ(campi.size(), 6U) << riga;
        const auto virgola = campi[2].find(',');
        interessiCentesimi += std::stoll(campi[2].substr(0, virgola)) * 100 + std::stoll(campi[2].substr(virgola + 1));
        ++rate;
    }
    EXPECT_EQ(rate, 999);
    // Line 6 shows the interest total in whole units.
    EXPECT_EQ(std::string(piano.Righe[6]), "TOTALE QUOTA INTERESSI :          758.071");
    EXPECT_NEAR(interessiCentesimi / 100.0, 758071, 0.5);
}

TEST(InteressiPerAnno, UnaRigaPerAnnoSolareEITotali)
{
    const auto anni = InteressiPerAnno(PianoAmm(Dati(100000, 120, 5, Cadenza::Mensile, "31/05/2008")));
    ASSERT_EQ(anni.size(), 12U);  // 2008 to 2018, then the totals
    const struct {
        int anno;
        int rate;
        double interessi;
        double capitale;
    } attesi[] = {{2008, 7, 2859.00, 4565.59},
                  {2009, 12, 4587.00, 8140.86},
                  {2017, 12, 593.00, 12134.86},
                  {2018, 5, 66.62, 5236.66}};
    for (const auto& atteso : attesi) {
        const auto& anno = anni[static_cast<std::size_t>(atteso.anno - 2008)];
        EXPECT_EQ(anno.Anno, atteso.anno);
        EXPECT_EQ(anno.Rate, atteso.rate);
        EXPECT_NEAR(anno.Interessi, atteso.interessi, 0.005) << atteso.anno;
        EXPECT_NEAR(anno.Capitale, atteso.capitale, 0.005) << atteso.anno;
        EXPECT_NEAR(anno.Totale, atteso.interessi + atteso.capitale, 0.01) << atteso.anno;
    }
    const auto& totali = anni.back();
    EXPECT_EQ(totali.Anno, 0);
    EXPECT_EQ(totali.Rate, 120);
    EXPECT_NEAR(totali.Interessi, 27278.62, 0.005);
    EXPECT_NEAR(totali.Capitale, 100000, 1e-6);
}

TEST(InteressiPerAnno, SommanoAlTotaleDellaRiga6)
{
    for (const auto cadenza : {Cadenza::Mensile, Cadenza::Trimestrale, Cadenza::Annuale}) {
        const auto piano = PianoAmm(Dati(123456.78, 333, 7.5, cadenza, "29/02/2008"));
        const auto anni = InteressiPerAnno(piano);
        double somma = 0;
        int rate = 0;
        for (std::size_t i = 0; i + 1 < anni.size(); ++i) {
            somma += anni[i].Interessi;
            rate += anni[i].Rate;
            if (i > 0) {
                EXPECT_EQ(anni[i].Anno, anni[i - 1].Anno + 1);
            }
        }
        EXPECT_EQ(rate, 333);
        EXPECT_NEAR(somma, anni.back().Interessi, 1e-6);
        std::string totale(piano.Righe[6].substr(25));
        totale.erase(0, totale.find_first_not_of(' '));
        EXPECT_EQ(FormatoImporto(somma), totale);
    }
}

TEST(TabellaPerAnno, ColonneAllineate)
{
    const auto tabella =
        TabellaPerAnno(InteressiPerAnno(PianoAmm(Dati(100000, 10, 5, Cadenza::Annuale, "06/04/2006"))));
    std::istringstream righe(tabella);
    std::vector<std::string> lette;
    for (std::string riga; std::getline(righe, riga);)
        lette.push_back(riga);
    ASSERT_EQ(lette.size(), 2U + 10 + 2);
    EXPECT_EQ(lette[0], "  ANNO   RATE          INTERESSI           CAPITALE      TOTALE PAGATO");
    EXPECT_EQ(lette[2], "  2007      1           5.000,00           7.950,46          12.950,46");
    EXPECT_EQ(lette[11], "  2016      1             617,57          12.332,88          12.950,46");
    EXPECT_EQ(lette[13], "TOTALE     10          29.504,57         100.000,00         129.504,57");
    for (const auto& riga : lette)
        EXPECT_EQ(riga.size(), lette[0].size()) << riga;
}

}  // namespace

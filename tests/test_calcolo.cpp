#include "dati_prova.h"
#include "engine/calcolo.h"
#include "engine/errore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pianoamm;

namespace {

const std::vector<std::string> EsempioAnnuale = {
    " ",
    "                                   PIANO D'AMMORTAMENTO",
    "                                   ====================",
    " ",
    "IMPORTO MUTUO          :          100.000   NUMERO RATE   :   10",
    "RATA FISSA             : 12950,4574965457   TASSO % ANNUALE :    5,000",
    "TOTALE QUOTA INTERESSI :           29.505",
    "TOTALE GENERALE        :          129.505",
    " ",
    "N.     SCADENZA     Q.INTERESSI     Q.CAPITALE     TOTALE RATA     DEB.RESIDUO",
    "---    ----------   -------------   ------------   ------------    -------------",
    "  1    06/04/2007          5.000         7.950        12.950         92.050",
    "  2    06/04/2008          4.602         8.348        12.950         83.701",
    "  3    06/04/2009          4.185         8.765        12.950         74.936",
    "  4    06/04/2010          3.747         9.203        12.950         65.732",
    "  5    06/04/2011          3.286         9.664        12.950         56.068",
    "  6    06/04/2012          2.804        10.146        12.950         45.921",
    "  7    06/04/2013          2.296        10.654        12.950         35.267",
    "  8    06/04/2014          1.763        11.187        12.950         24.079",
    "  9    06/04/2015          1.204        11.746        12.950         12.333",
    " 10    06/04/2016            618        12.333        12.950              ",
};

TEST(PianoAmm, EsempioAnnualeRigaPerRiga)
{
    const auto piano = PianoAmm(Dati(100000, 10, 5, Cadenza::Annuale, "06/04/2006"));
    ASSERT_EQ(piano.Righe.size(), EsempioAnnuale.size());
    std::string testo;
    for (std::size_t i = 0; i < EsempioAnnuale.size(); ++i) {
        EXPECT_EQ(piano.Righe[i], EsempioAnnuale[i]) << "riga " << i;
        testo += EsempioAnnuale[i] + '\n';
    }
    EXPECT_EQ(piano.Righe.Testo(), testo);
    EXPECT_DOUBLE_EQ(piano.Stato.TassoPeriodo, 0.05);
    EXPECT_DOUBLE_EQ(piano.Stato.Rata, 12950.45749654566);
}

TEST(PianoAmm, QuoteInteressiConRestoDelleFrazioni)
{
    // Interest shares of the yearly example: whole units, a unit added each
    // time the cut-off fractions pass 1, the last row taking the rest.
    const double attese[] = {5000, 4602, 4185, 3747, 3286, 2804, 2296, 1763, 1204};
    const auto piano = PianoAmm(Dati(100000, 10, 5, Cadenza::Annuale, "06/04/2006"));
    ASSERT_EQ(piano.Rate.size(), 10U);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(piano.Rate[i].QuotaInteressi, attese[i]) << "rata " << i + 1;
    EXPECT_NEAR(piano.Rate[9].QuotaInteressi, 617.574965, 1e-6);
    EXPECT_NEAR(piano.Rate[9].DebitoResiduo, 0, 1e-6);
}

struct CasoCadenza {
    Cadenza cadenza;
    std::int16_t mesi;
    std::int16_t ratePerAnno;
    double tassoPeriodo;
    double rata;
};

TEST(RataMutuo, UnaRigaPerCadenza)
{
    const CasoCadenza casi[] = {
        {Cadenza::Mensile, 1, 12, 0.004166666666666667, 10230.595941059317},
        {Cadenza::Bimestrale, 2, 6, 0.008333333333333333, 10464.0380989389},
        {Cadenza::Trimestrale, 3, 4, 0.0125, 10700.307397125107},
        {Cadenza::Quadrimestrale, 4, 3, 0.016666666666666666, 10939.384010755899},
        {Cadenza::Semestrale, 6, 2, 0.025, 11425.87631771407},
        {Cadenza::Annuale, 12, 1, 0.05, 12950.45749654566},
    };
    for (const auto& caso : casi) {
        const auto piano = PianoAmm(Dati(100000, 10, 5, caso.cadenza, "06/04/2006"));
        EXPECT_EQ(piano.Stato.MesiPeriodo, caso.mesi);
        EXPECT_EQ(piano.Stato.RatePerAnno, caso.ratePerAnno);
        EXPECT_DOUBLE_EQ(piano.Stato.TassoPeriodo, caso.tassoPeriodo);
        EXPECT_DOUBLE_EQ(piano.Stato.Rata, caso.rata);
    }
}

TEST(RataMutuo, CentoventiRateMensili)
{
    StatoCalcolo stato;
    stato.TassoAnnuo = 5;
    stato.RatePerAnno = 12;
    RataMutuo(stato, 100000, 120);
    EXPECT_DOUBLE_EQ(stato.Rata, 1060.6551523907553);
}

TEST(RataMutuo, SenzaCadenzaEUnErrore)
{
    StatoCalcolo stato;
    stato.TassoAnnuo = 5;
    EXPECT_THROW(RataMutuo(stato, 100000, 10), ErrorePiano);
}

TEST(PianoAmm, ScadenzeDiFineMese)
{
    const auto piano = PianoAmm(Dati(6000, 6, 5, Cadenza::Mensile, "31/01/2008"));
    const char* attese[] = {"29/02/2008", "31/03/2008", "30/04/2008", "31/05/2008", "30/06/2008", "31/07/2008"};
    ASSERT_EQ(piano.Righe.size(), RigheIntestazione + 6);
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(piano.Righe[RigheIntestazione + k].substr(7, 10), attese[k]);
}

TEST(PianoAmm, UnaSolaRata)
{
    const auto piano = PianoAmm(Dati(100000, 1, 5, Cadenza::Annuale, "06/04/2006"));
    ASSERT_EQ(piano.Righe.size(), 12U);
    EXPECT_EQ(piano.Righe[5], "RATA FISSA             :           105000   TASSO % ANNUALE :    5,000");
    EXPECT_EQ(piano.Righe[11], "  1    06/04/2007          5.000       100.000       105.000              ");
    EXPECT_EQ(piano.Righe[6], "TOTALE QUOTA INTERESSI :            5.000");
    EXPECT_EQ(piano.Righe[7], "TOTALE GENERALE        :          105.000");
}

TEST(PianoAmm, RataSottoLUnitaInteraNelCampo)
{
    // Two-digit year as typed in the window: the listing shows all four.
    const auto piccola = PianoAmm(Dati(5, 10, 3, Cadenza::Mensile, "06/04/06"));
    EXPECT_EQ(piccola.Righe[5], "RATA FISSA             : 0,50690074880684   TASSO % ANNUALE :    3,000");
    EXPECT_EQ(piccola.Righe[11].substr(7, 10), "06/05/2006");
    const auto minima = PianoAmm(Dati(0.01, 999, 0.01, Cadenza::Mensile, "06/04/2006"));
    EXPECT_EQ(minima.Righe[5], "RATA FISSA             :  0,0000100517762   TASSO % ANNUALE :    0,010");
}

TEST(PianoAmm, ImportoZeroDaCampiVuoti)
{
    const auto piano = PianoAmm(Dati(0, 3, 5, Cadenza::Mensile, "15/06/2006"));
    ASSERT_EQ(piano.Righe.size(), 14U);
    EXPECT_EQ(piano.Righe[4], "IMPORTO MUTUO          : " + std::string(15, ' ') + "   NUMERO RATE   :    3");
    EXPECT_EQ(piano.Righe[5], "RATA FISSA             :                0   TASSO % ANNUALE :    5,000");
    EXPECT_EQ(piano.Righe[6], "TOTALE QUOTA INTERESSI : " + std::string(15, ' '));
    EXPECT_EQ(piano.Righe[7], "TOTALE GENERALE        : " + std::string(15, ' '));
    const std::string vuoto12(12, ' ');
    EXPECT_EQ(piano.Righe[11],
              "  1    15/07/2006  " + vuoto12 + " " + vuoto12 + " " + vuoto12 + " " + std::string(13, ' '));
    for (std::size_t i = 11; i < 14; ++i)
        EXPECT_EQ(piano.Righe[i].size(), 71U);
}

TEST(PianoAmm, FrazioniCheArrivanoEsattamenteAUno)
{
    // 2,50 at 50 % yearly over 100 years: the power term vanishes, so the
    // installment is exactly 1,25 and every fraction is a binary one.
    // Fractions: 0,25; 0,125; 0; 0,875 (sum 1,25: a unit, 0,25 left);
    // 0,75 (sum exactly 1: no unit); 0,125 (sum 1,125: a unit).
    const auto piano = PianoAmm(Dati(2.5, 100, 50, Cadenza::Annuale, "06/04/2006"));
    EXPECT_EQ(piano.Stato.Rata, 1.25);
    const double interessi[] = {1, 1, 1, 1, 0, 1};
    const double capitale[] = {0.25, 0.25, 0.25, 0.25, 1.25, 0.25};
    const double residuo[] = {2.25, 2, 1.75, 1.5, 0.25, 0};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(piano.Rate[i].QuotaInteressi, interessi[i]) << "rata " << i + 1;
        EXPECT_EQ(piano.Rate[i].QuotaCapitale, capitale[i]) << "rata " << i + 1;
        EXPECT_EQ(piano.Rate[i].DebitoResiduo, residuo[i]) << "rata " << i + 1;
    }
}

TEST(PianoAmm, TassoAltoAzzeraIlDebitoPrimaDellUltimaRata)
{
    const auto piano = PianoAmm(Dati(10000, 80, 30, Cadenza::Annuale, "06/04/2006"));
    ASSERT_EQ(piano.Rate.size(), 80U);
    EXPECT_NEAR(piano.Rate[37].DebitoResiduo, 2007, 0.5);  // row 38
    EXPECT_EQ(piano.Rate[38].DebitoResiduo, 0);            // row 39
    EXPECT_EQ(piano.Righe[RigheIntestazione + 38].substr(61), std::string(13, ' '));
    EXPECT_NE(piano.Righe[RigheIntestazione + 37].substr(61), std::string(14, ' '));
    for (std::size_t i = 39; i < 80; ++i) {
        EXPECT_EQ(piano.Rate[i].QuotaCapitale, 0) << "rata " << i + 1;
        EXPECT_EQ(piano.Rate[i].QuotaInteressi, piano.Stato.Rata) << "rata " << i + 1;
    }
    // Interest: 80 installments of 3.000,0000023 less the 10.000 lent.
    EXPECT_EQ(piano.Righe[6], "TOTALE QUOTA INTERESSI :          230.000");
    EXPECT_EQ(piano.Righe[7], "TOTALE GENERALE        :          240.000");
}

TEST(PianoAmm, TassoZeroRipartisceLImporto)
{
    const auto piano = PianoAmm(Dati(100000, 4, 0, Cadenza::Trimestrale, "06/04/2006"));
    ASSERT_EQ(piano.Righe.size(), 15U);
    EXPECT_EQ(piano.Stato.Rata, 25000);
    EXPECT_EQ(piano.Righe[5], "RATA FISSA             :            25000   TASSO % ANNUALE :    0,000");
    EXPECT_EQ(piano.Righe[6], "TOTALE QUOTA INTERESSI : " + std::string(15, ' '));
    EXPECT_EQ(piano.Righe[7], "TOTALE GENERALE        :          100.000");
    EXPECT_EQ(piano.Righe[11], "  1    06/07/2006                      25.000        25.000         75.000");
    EXPECT_EQ(piano.Righe[14], "  4    06/04/2007                      25.000        25.000              ");
}

TEST(PianoAmm, TassoZeroConQuoteNonEsatte)
{
    const auto piano = PianoAmm(Dati(100000, 3, 0, Cadenza::Mensile, "31/01/2008"));
    for (const auto& rata : piano.Rate) {
        EXPECT_NEAR(rata.QuotaInteressi, 0, 1e-6);
        EXPECT_NEAR(rata.QuotaCapitale, 100000.0 / 3, 1e-6);
    }
    EXPECT_EQ(piano.Righe[13], "  3    30/04/2008                      33.333        33.333              ");
}

struct CasoErrato {
    DatiMutuo dati;
    const char* perche;
};

TEST(PianoAmm, DatiNonValidiSonoErroriSenzaRighe)
{
    const CasoErrato casi[] = {
        {Dati(100000, 10, 5, Cadenza::Annuale, "31/02/2006"), "data inesistente"},
        {Dati(100000, 10, 5, Cadenza::Annuale, ""), "data vuota"},
        {Dati(100000, 10, 5, Cadenza::Annuale, "ieri"), "non una data"},
        {Dati(100000, 999, 5, Cadenza::Annuale, "01/01/9001"), "scadenze oltre il 9999"},
        {Dati(100000, 2, 5, Cadenza::Annuale, "31/12/9998"), "ultima scadenza nel 10000"},
        {Dati(-1, 10, 5, Cadenza::Annuale, "06/04/2006"), "importo negativo"},
        {Dati(1e9, 10, 5, Cadenza::Annuale, "06/04/2006"), "importo oltre il massimo"},
        {Dati(100000, 0, 5, Cadenza::Annuale, "06/04/2006"), "nessuna rata"},
        {Dati(100000, 1000, 5, Cadenza::Annuale, "06/04/2006"), "troppe rate"},
        {Dati(100000, 10.5, 5, Cadenza::Annuale, "06/04/2006"), "rate non intere"},
        {Dati(100000, 10, 99.01, Cadenza::Annuale, "06/04/2006"), "tasso oltre il massimo"},
        {Dati(100000, 10, -0.5, Cadenza::Annuale, "06/04/2006"), "tasso negativo"},
    };
    for (const auto& caso : casi) {
        try {
            (void)PianoAmm(caso.dati);
            ADD_FAILURE() << "accettato: " << caso.perche;
        } catch (const ErrorePiano& errore) {
            EXPECT_GT(std::string(errore.what()).size(), 10U) << caso.perche;
        }
    }
}

TEST(PianoAmm, UltimaScadenzaAl9999EAmmessa)
{
    const auto piano = PianoAmm(Dati(1000, 12, 5, Cadenza::Mensile, "31/12/9998"));
    EXPECT_EQ(piano.Righe[piano.Righe.size() - 1].substr(7, 10), "31/12/9999");
}

}  // namespace

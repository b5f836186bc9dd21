// Sweeps the whole input range of the window's fields and checks what must
// hold for every schedule, whatever the numbers.

#include "engine/calcolo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

using namespace pianoamm;

namespace {

constexpr double Importi[] = {0, 0.01, 1, 999.99, 100000, 123456.78, 50000000.5, 999999999};
constexpr double Tassi[] = {0, 0.01, 1, 5, 12.5, 30, 57.33, 99};
constexpr const char* Date[] = {"31/01/2008", "29/02/2008", "30/04/2007", "31/12/1999",
                                "28/02/2100", "06/04/2006", "01/01/1900"};
constexpr Cadenza Cadenze[] = {Cadenza::Mensile,        Cadenza::Bimestrale, Cadenza::Trimestrale,
                               Cadenza::Quadrimestrale, Cadenza::Semestrale, Cadenza::Annuale};

// The whole units shown by a "#,#" field: blank is 0.
double Unita(std::string_view campo)
{
    std::string cifre;
    for (const char c : campo) {
        if (c == '-' || (c >= '0' && c <= '9'))
            cifre += c;
    }
    return cifre.empty() ? 0 : std::stod(cifre);
}

TEST(Proprieta, OgniPianoNelCampoDeiDatiECompletoECoerente)
{
    const std::string titoli = "N.     SCADENZA     Q.INTERESSI     Q.CAPITALE     TOTALE RATA     DEB.RESIDUO";
    const std::string sottolineatura =
        "---    ----------   -------------   ------------   ------------    -------------";
    std::size_t caso = 0;
    for (const Cadenza cadenza : Cadenze) {
        for (int n = 1; n <= NumeroRateMassimo; ++n, ++caso) {
            DatiMutuo dati;
            dati.cadenza = cadenza;
            dati.NumeroRate = n;
            dati.Importo = Importi[caso % std::size(Importi)];
            dati.TassoAnnuo = Tassi[(caso / std::size(Importi)) % std::size(Tassi)];
            dati.DataErogazione = Date[caso % std::size(Date)];
            const auto contesto = testing::Message()
                                  << "importo " << dati.Importo << ", rate " << n << ", tasso " << dati.TassoAnnuo
                                  << ", cadenza " << static_cast<int>(cadenza) << ", data " << dati.DataErogazione;
            const auto piano = PianoAmm(dati);
            const auto& righe = piano.Righe;
            ASSERT_EQ(righe.size(), RigheIntestazione + static_cast<std::size_t>(n)) << contesto;
            ASSERT_EQ(righe[RigaTitoliColonne], titoli) << contesto;
            ASSERT_EQ(righe[RigaSottolineatura], sottolineatura) << contesto;
            for (std::size_t i = 0; i < righe.size(); ++i) {
                const auto riga = righe[i];
                ASSERT_EQ(riga.find("nan"), std::string_view::npos) << riga << contesto;
                ASSERT_EQ(riga.find("inf"), std::string_view::npos) << riga << contesto;
                ASSERT_LE(riga.size(), 80U) << riga << contesto;
            }
            const auto ultima = righe[righe.size() - 1];
            ASSERT_EQ(ultima.substr(ultima.size() - 13), std::string(13, ' ')) << ultima << contesto;

            // Due dates step forward row after row.
            for (std::size_t k = RigheIntestazione + 1; k < righe.size(); ++k) {
                const auto prima = *LeggiData(righe[k - 1].substr(7, 10));
                const auto dopo = *LeggiData(righe[k].substr(7, 10));
                ASSERT_LT(std::tie(prima.anno, prima.mese, prima.giorno), std::tie(dopo.anno, dopo.mese, dopo.giorno))
                    << contesto;
            }

            // Interest paid is what the installments bring in beyond the loan.
            double interessi = 0;
            for (const auto& rata : piano.Rate)
                interessi += rata.QuotaInteressi;
            const double attesi = n * piano.Stato.Rata - dati.Importo;
            ASSERT_NEAR(interessi, attesi, 1e-6 * (1 + n * piano.Stato.Rata)) << contesto;
            ASSERT_NEAR(Unita(righe[6].substr(25)), attesi, 1 + 1e-9 * n * piano.Stato.Rata) << contesto;
        }
    }
}

}  // namespace

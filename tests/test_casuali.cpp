// Seeded random inputs for every parser of user text: the date, the numeric
// fields, the command-line arguments. Each run is the same run; under the
// sanitizers any out-of-bounds read or undefined step shows. Every input is
// either read into a value that holds its promises or refused, and the
// command line answers every refusal with a message.

#include "app/opzioni_cli.h"
#include "engine/errore.h"
#include "engine/numeri.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace pianoamm;

namespace {

constexpr int Prove = 100000;

class Generatore {
public:
    explicit Generatore(std::uint64_t seme) : caso_(seme) {}

    int Tra(int minimo, int massimo) { return std::uniform_int_distribution<int>(minimo, massimo)(caso_); }

    // Mostly digits and separators, sometimes anything at all.
    char Carattere()
    {
        static const std::string frequenti = "0123456789/,.-+ ";
        const int scelta = Tra(0, 9);
        if (scelta < 7)
            return frequenti[static_cast<std::size_t>(Tra(0, static_cast<int>(frequenti.size()) - 1))];
        return static_cast<char>(Tra(0, 255));
    }

    std::string Testo(int massimo)
    {
        std::string testo;
        const int lunghezza = Tra(0, massimo);
        for (int i = 0; i < lunghezza; ++i)
            testo += Carattere();
        return testo;
    }

    // A valid text with a few characters changed, added or removed.
    std::string Muta(std::string testo)
    {
        const int modifiche = Tra(0, 3);
        for (int i = 0; i < modifiche; ++i) {
            const int dove = Tra(0, static_cast<int>(testo.size()));
            switch (Tra(0, 2)) {
            case 0:
                testo.insert(testo.begin() + dove, Carattere());
                break;
            case 1:
                if (dove < static_cast<int>(testo.size()))
                    testo.erase(testo.begin() + dove);
                break;
            default:
                if (dove < static_cast<int>(testo.size()))
                    testo[static_cast<std::size_t>(dove)] = Carattere();
                break;
            }
        }
        return testo;
    }

    std::string TestoOMutato(const std::vector<std::string>& validi, int massimo)
    {
        if (Tra(0, 1) == 0)
            return Testo(massimo);
        return Muta(validi[static_cast<std::size_t>(Tra(0, static_cast<int>(validi.size()) - 1))]);
    }

private:
    std::mt19937_64 caso_;
};

TEST(InputCasuali, Date)
{
    Generatore g(1);
    const std::vector<std::string> validi = {"06/04/2006", "31/01/2008", "29/02/2008", "1/1/0100", "31/12/9999"};
    int accettate = 0;
    for (int i = 0; i < Prove; ++i) {
        const std::string testo = g.TestoOMutato(validi, 16);
        const auto data = LeggiData(testo);
        if (!data)
            continue;
        ++accettate;
        ASSERT_GE(data->anno, AnnoMinimo) << testo;
        ASSERT_LE(data->anno, AnnoMassimo) << testo;
        ASSERT_GE(data->mese, 1) << testo;
        ASSERT_LE(data->mese, 12) << testo;
        ASSERT_GE(data->giorno, 1) << testo;
        ASSERT_LE(data->giorno, GiorniDelMese(data->anno, data->mese)) << testo;
        ASSERT_EQ(LeggiData(FormatoData(*data).Vista()), data) << testo;
    }
    EXPECT_GT(accettate, 1000);  // the mutations keep enough dates valid to test both sides
}

TEST(InputCasuali, CampiNumerici)
{
    Generatore g(2);
    const std::vector<std::string> validi = {"100.000,00", "1234,5", "0,00", "999.999.999,00", "12", ",5", "1234.56"};
    int accettati = 0;
    for (int i = 0; i < Prove; ++i) {
        const std::string testo = g.TestoOMutato(validi, 20);
        const int decimali = g.Tra(0, 2);
        const bool raggruppa = g.Tra(0, 1) == 1;
        const auto valore = LeggiCampoNumerico(testo, decimali, raggruppa);
        const auto semplice = LeggiNumero(testo, decimali);
        if (semplice) {
            ASSERT_TRUE(std::isfinite(*semplice)) << testo;
            ASSERT_GE(*semplice, 0) << testo;
        }
        // A pasted piece means what it means on the command line, wherever
        // that reads it; what it becomes is a text the field reads.
        const auto pezzo = LeggiPezzoIncollato(testo, decimali);
        if (semplice) {
            ASSERT_TRUE(pezzo.has_value()) << testo;
            ASSERT_EQ(LeggiCampoNumerico(*pezzo, decimali, false), semplice) << testo;
        }
        if (pezzo && std::min(pezzo->find(','), pezzo->size()) <= 15) {
            ASSERT_TRUE(LeggiCampoNumerico(*pezzo, decimali, raggruppa).has_value()) << testo << " -> " << *pezzo;
        }
        if (!valore)
            continue;
        ++accettati;
        ASSERT_TRUE(std::isfinite(*valore)) << testo;
        ASSERT_GE(*valore, 0) << testo;
        ASSERT_LT(*valore, 1e15) << testo;
        // What the field shows of the value reads back as the value.
        const std::string mostrato(FormatoCentesimi(*valore, raggruppa).Vista());
        const auto riletto = LeggiCampoNumerico(mostrato, 2, raggruppa);
        ASSERT_TRUE(riletto.has_value()) << testo << " -> " << mostrato;
        ASSERT_NEAR(*riletto, *valore, 0.0051 + *valore * 1e-15) << testo;
    }
    EXPECT_GT(accettati, 1000);
}

TEST(InputCasuali, ArgomentiDellaRigaDiComando)
{
    Generatore g(3);
    const std::vector<std::string> nomi = {"--importo", "--numero-rate", "--tasso",    "--cadenza", "--data",
                                           "--pdf",     "--csv",         "--per-anno", "--help",    "-x"};
    const std::vector<std::string> valori = {"100000",     "10",         "5",   "4,75", "annuale",  "mensile",
                                             "06/04/2006", "31/12/9999", "999", "0",    "piano.pdf"};
    int accettati = 0;
    int calcolati = 0;
    for (int i = 0; i < Prove; ++i) {
        std::vector<std::string> argomenti;
        // Often the five options a run needs, in any order, some mutated.
        if (g.Tra(0, 1) == 0) {
            argomenti = {"--importo", valori[0], "--numero-rate", valori[1],
                         "--tasso",   valori[2], "--cadenza",     valori[4]};
            for (auto& argomento : argomenti) {
                if (g.Tra(0, 9) == 0)
                    argomento = g.Muta(argomento);
            }
        }
        const int altri = g.Tra(0, 4);
        for (int a = 0; a < altri; ++a) {
            switch (g.Tra(0, 2)) {
            case 0:
                argomenti.push_back(nomi[static_cast<std::size_t>(g.Tra(0, static_cast<int>(nomi.size()) - 1))]);
                break;
            case 1:
                argomenti.push_back(g.TestoOMutato(valori, 12));
                break;
            default:
                argomenti.push_back(g.Testo(12));
                break;
            }
        }
        const std::vector<std::string_view> viste(argomenti.begin(), argomenti.end());
        try {
            const auto opzioni = LeggiOpzioniCli(viste, "01/01/2026");
            if (opzioni.Aiuto)
                continue;
            ++accettati;
            const DatiMutuo& dati = opzioni.Dati;
            ASSERT_GE(dati.Importo, 0);
            ASSERT_LE(dati.Importo, ImportoMassimo);
            ASSERT_GE(dati.NumeroRate, 1);
            ASSERT_LE(dati.NumeroRate, NumeroRateMassimo);
            ASSERT_EQ(dati.NumeroRate, std::floor(dati.NumeroRate));
            ASSERT_GE(dati.TassoAnnuo, 0);
            ASSERT_LE(dati.TassoAnnuo, TassoMassimo);
            ASSERT_TRUE(LeggiData(dati.DataErogazione).has_value());
            if (accettati % 50 == 0) {
                // Accepted data compute, or fail only on due dates past 9999.
                try {
                    (void)PianoAmm(dati);
                    ++calcolati;
                } catch (const ErrorePiano& errore) {
                    ASSERT_NE(std::string(errore.what()).find("9999"), std::string::npos) << errore.what();
                }
            }
        } catch (const ErrorePiano& errore) {
            ASSERT_GT(std::string(errore.what()).size(), 10U);
        }
    }
    EXPECT_GT(accettati, 1000);
    EXPECT_GT(calcolati, 10);
}

}  // namespace

// Seeded random text for every parser of user input: the date, the numbers,
// the command line; the same run every time, and under the sanitizers any
// read out of bounds shows. Dates and plain numbers are read as a regular
// expression of their rules says; the other parsers keep their promises.

#include "app/opzioni_cli.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/limiti.h"
#include "engine/numeri.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

using namespace pianoamm;

namespace {

constexpr int Prove = 40000;
std::mt19937_64 caso(20260201);

std::size_t Tra(std::size_t minimo, std::size_t massimo)
{
    return std::uniform_int_distribution<std::size_t>(minimo, massimo)(caso);
}

// One of the examples with a few characters changed, or random characters:
// mostly digits, separators and blanks, now and then any byte.
std::string Casuale(const std::vector<std::string>& esempi)
{
    constexpr std::string_view Frequenti = "0123456789/,.-+ \t";
    std::string testo = Tra(0, 1) == 0 ? esempi[Tra(0, esempi.size() - 1)] : "";
    for (std::size_t modifiche = testo.empty() ? Tra(0, 14) : Tra(0, 3); modifiche > 0; --modifiche) {
        const std::size_t dove = Tra(0, testo.size());
        const char carattere = Tra(0, 9) < 8 ? Frequenti[Tra(0, Frequenti.size() - 1)] : static_cast<char>(Tra(0, 255));
        testo.replace(dove, Tra(0, 2) == 0 ? 0 : 1, Tra(0, 2) == 0 ? "" : std::string(1, carattere));
    }
    return testo;
}

TEST(InputCasuali, DateENumeri)
{
    const std::regex data(R"([ \t]*(\d{1,2})/(\d{1,2})/(\d{4}|\d{2})[ \t]*)");
    const std::regex numeri[] = {std::regex(R"(\d{1,15})"), std::regex(R"(\d{1,15}([.,]\d)?)"),
                                 std::regex(R"(\d{1,15}([.,]\d{1,2})?)")};
    int date = 0;
    int campi = 0;
    for (int i = 0; i < Prove; ++i) {
        const std::string testo = Casuale({"06/04/2006", "29/02/2000", "1/1/0100", "31/12/9999", "28/2/29"});
        std::optional<Data> attesa;
        if (std::smatch parti; std::regex_match(testo, parti, data)) {
            const int secolo = parti[3].length() == 4 ? 0 : std::stoi(parti[3]) < 30 ? 2000 : 1900;
            const Data letta{std::stoi(parti[3]) + secolo, std::stoi(parti[2]), std::stoi(parti[1])};
            const bool bisestile = letta.anno % 4 == 0 && (letta.anno % 100 != 0 || letta.anno % 400 == 0);
            const int giorni = letta.mese == 2 ? 28 + (bisestile ? 1 : 0) : 30 + (letta.mese + letta.mese / 8) % 2;
            if (letta.anno >= 100 && letta.mese >= 1 && letta.mese <= 12 && letta.giorno >= 1 && letta.giorno <= giorni)
                attesa = letta;
        }
        ASSERT_EQ(LeggiData(testo), attesa) << testo;
        ASSERT_TRUE(!attesa || LeggiData(FormatoData(*attesa)) == attesa) << testo;
        date += attesa ? 1 : 0;

        // Plain numbers, as the command line takes them; a pasted piece means
        // what it means there.
        const std::string numero = Casuale({"123456789012345", "1234,5", "0,00", "999.999.999,00", ",5", "1234.56"});
        const int decimali = static_cast<int>(Tra(0, 2));
        const auto semplice = LeggiNumero(numero, decimali);
        ASSERT_EQ(semplice.has_value(), std::regex_match(numero, numeri[decimali])) << numero << ' ' << decimali;
        if (semplice) {
            ASSERT_NEAR(*semplice, std::stod(std::regex_replace(numero, std::regex(","), ".")), *semplice * 1e-15);
            const auto pezzo = LeggiPezzoIncollato(numero, decimali);
            ASSERT_TRUE(pezzo && LeggiCampoNumerico(*pezzo, decimali, false) == semplice) << numero;
        }
        // What a field shows of the value it read reads back as the value.
        const bool raggruppa = Tra(0, 1) == 1;
        if (const auto valore = LeggiCampoNumerico(numero, decimali, raggruppa)) {
            ++campi;
            ASSERT_TRUE(*valore >= 0 && *valore < 1e15) << numero;
            const auto riletto = LeggiCampoNumerico(FormatoDecimali(*valore, 2, raggruppa), 2, raggruppa);
            ASSERT_NEAR(riletto.value_or(-1), *valore, 0.0051 + *valore * 1e-15) << numero;
        }
    }
    // Enough valid text to test both sides.
    EXPECT_GT(date, Prove / 20);
    EXPECT_GT(campi, Prove / 20);
}

// Often the four options a run needs, some changed, then a few more words;
// accepted data are within the limits, refused ones are told.
TEST(InputCasuali, ArgomentiDellaRigaDiComando)
{
    int accettati = 0;
    for (int i = 0; i < Prove; ++i) {
        std::vector<std::string> argomenti;
        if (Tra(0, 1) == 0)
            argomenti = {"--importo", "100000", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"};
        for (auto& argomento : argomenti)
            argomento = Tra(0, 9) == 0 ? Casuale({argomento}) : argomento;
        for (std::size_t altri = Tra(0, 4); altri > 0; --altri)
            argomenti.push_back(Casuale({"--importo", "0", "--tasso", "99", "--data", "1/1/9", "--pdf", "--per-anno"}));
        const std::vector<std::string_view> viste(argomenti.begin(), argomenti.end());
        try {
            const Mutuo mutuo = LeggiOpzioniCli(viste, Data{2026, 1, 1}).mutuo;
            ++accettati;
            for (const auto& [valore, limite] : {std::pair{mutuo.importo, LimiteImporto},
                                                 {mutuo.numeroRate, LimiteNumeroRate},
                                                 {mutuo.tassoAnnuo, LimiteTasso}})
                ASSERT_TRUE(valore >= limite.minimo && valore <= limite.massimo) << valore;
        } catch (const ErrorePiano& errore) {
            ASSERT_GT(std::string(errore.what()).size(), 10U);
        }
    }
    EXPECT_GT(accettati, Prove / 20);
}

}  // namespace

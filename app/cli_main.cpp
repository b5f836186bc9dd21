// pianoamm-cli: the schedule listing on standard output, for scripts.

#include "app/opzioni_cli.h"
#include "engine/errore.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Oggi()
{
    const std::time_t adesso = std::time(nullptr);
    std::tm locale{};
    localtime_r(&adesso, &locale);
    return pianoamm::FormatoData({locale.tm_year + 1900, locale.tm_mon + 1, locale.tm_mday}).Testo();
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    try {
        const auto opzioni = pianoamm::LeggiOpzioniCli(argomenti, Oggi());
        if (opzioni.Aiuto) {
            std::cout << pianoamm::UsoCli();
            return 0;
        }
        const auto piano = pianoamm::PianoAmm(opzioni.Dati);
        const std::string& testo = piano.Righe.Testo();
        std::fwrite(testo.data(), 1, testo.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 2;
    }
}

#pragma once

// The command line's options that take a value, for the argument reader
// alone.

#include "app/termini_cli.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace pianoamm::cli {

// The options that take a value; Opzioni lists them in this order, the
// plan's terms' (Termini) after --trova.
enum class Opzione {
    Importo,
    NumeroRate,
    Tasso,
    Cadenza,
    Data,
    Rata,
    Trova,
    Pdf = Trova + 1 + static_cast<int>(Termini.size()),
    Csv,
    Salva,
    Nome,
    Stampante,
    SpeseIniziali,
    Imposta,
    SpeseRata,
    Quota,
    Limite,
    CostoAcquisto,
    Reddito,
    Figli,
    AltriOneri,
    DataContratto,
    Penale,
    Rialzo,
    Estinzione,
    Variazione,
    Sospensione,
    EstinguiIl,
    CambiaIl,
    Tipo,
    NuovoTasso,
    NuoveRate,
    SpeseNuove,
    NuovoImporto,
    Verifica,
    TaegDichiarato
};

struct DatiOpzione {
    std::string_view nome;
    bool obbligatoria = false;
    bool ripetibile = false;
};

constexpr std::size_t Indice(Opzione opzione)
{
    return static_cast<std::size_t>(opzione);
}

// The option of Termini[termine].
constexpr Opzione OpzioneDelTermine(std::size_t termine)
{
    return static_cast<Opzione>(Indice(Opzione::Trova) + 1 + termine);
}

// Each option's name, by Opzione.
inline constexpr auto Opzioni = [] {
    constexpr DatiOpzione Altre[] = {
        {"--importo", true},
        {"--numero-rate", true},
        {"--tasso", true},
        {"--cadenza", true},
        {"--data"},
        {"--rata"},
        {"--trova"},
        {"--pdf"},
        {"--csv"},
        {"--salva"},
        {"--nome"},
        {"--stampante"},
        {"--spese-iniziali"},
        {"--imposta-sostitutiva"},
        {"--spese-rata"},
        {"--quota"},
        {"--limite"},
        {"--costo-acquisto"},
        {"--reddito"},
        {"--figli"},
        {"--altri-oneri"},
        {"--data-contratto"},
        {"--penale"},
        {"--rialzo"},
        {"--estinzione", false, true},
        {"--variazione", false, true},
        {"--sospensione", false, true},
        {"--estingui-il"},
        {"--cambia-il"},
        {"--tipo"},
        {"--nuovo-tasso"},
        {"--nuove-rate"},
        {"--spese-nuove"},
        {"--nuovo-importo"},
        {"--verifica"},
        {"--taeg-dichiarato"},
    };
    constexpr auto PrimoTermine = Indice(OpzioneDelTermine(0));
    std::array<DatiOpzione, std::size(Altre) + Termini.size()> opzioni{};
    auto dopo = std::ranges::copy(std::span(Altre).first(PrimoTermine), opzioni.begin()).out;
    for (const Termine& termine : Termini)
        *dopo++ = {termine.nome};
    std::ranges::copy(std::span(Altre).subspan(PrimoTermine), dopo);
    return opzioni;
}();

}  // namespace pianoamm::cli

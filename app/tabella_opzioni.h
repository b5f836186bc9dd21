#pragma once

// The command line's options that take a value, for the argument reader
// alone.

#include <array>
#include <cstddef>
#include <string_view>

namespace pianoamm::cli {

// The options that take a value; Opzioni lists them in this order.
enum class Opzione {
    Importo,
    NumeroRate,
    Tasso,
    Cadenza,
    Data,
    Rata,
    Trova,
    Arrotondamento,
    TassoPeriodo,
    Metodo,
    MaxiRata,
    Preammortamento,
    PrimaScadenza,
    BaseGiorni,
    Pdf,
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
    Estinzione,
    Variazione,
    Sospensione
};

struct DatiOpzione {
    std::string_view nome;
    bool obbligatoria;
    bool ripetibile = false;
};

constexpr std::array<DatiOpzione, 33> Opzioni{{
    {"--importo", true},
    {"--numero-rate", true},
    {"--tasso", true},
    {"--cadenza", true},
    {"--data", false},
    {"--rata", false},
    {"--trova", false},
    {"--arrotondamento", false},
    {"--tasso-periodo", false},
    {"--metodo", false},
    {"--maxi-rata", false},
    {"--preammortamento", false},
    {"--prima-scadenza", false},
    {"--base-giorni", false},
    {"--pdf", false},
    {"--csv", false},
    {"--salva", false},
    {"--nome", false},
    {"--stampante", false},
    {"--spese-iniziali", false},
    {"--imposta-sostitutiva", false},
    {"--spese-rata", false},
    {"--quota", false},
    {"--limite", false},
    {"--costo-acquisto", false},
    {"--reddito", false},
    {"--figli", false},
    {"--altri-oneri", false},
    {"--data-contratto", false},
    {"--penale", false},
    {"--estinzione", false, true},
    {"--variazione", false, true},
    {"--sospensione", false, true},
}};

constexpr std::size_t Indice(Opzione opzione)
{
    return static_cast<std::size_t>(opzione);
}

}  // namespace pianoamm::cli

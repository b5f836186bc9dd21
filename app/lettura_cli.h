#pragma once

// How the command line's values read, and how a value is refused: the
// option's name first.

#include "app/tabella_opzioni.h"
#include "engine/data.h"
#include "engine/limiti.h"

#include <optional>
#include <string>
#include <string_view>

namespace pianoamm::cli {

// Each option's value as given, by Opzione.
using Valori = std::array<std::optional<std::string_view>, Opzioni.size()>;

[[noreturn]] void Rifiuta(Opzione opzione, std::string_view motivo);

// «testo»
std::string Citato(std::string_view testo);

// A number within the limit, with at most its decimals.
double Numero(Opzione opzione, std::string_view testo, const Limite& limite);

// A date written GG/MM/AAAA.
Data DataDi(Opzione opzione, std::string_view testo);

}  // namespace pianoamm::cli

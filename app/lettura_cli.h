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

// The rate takes four decimals here, for a rate worked out from an
// installment to be given back.
inline constexpr Limite LimiteTassoCli{LimiteTasso.minimo, LimiteTasso.massimo, 4, LimiteTasso.oggetto};

// A date written GG/MM/AAAA.
Data DataDi(Opzione opzione, std::string_view testo);

}  // namespace pianoamm::cli

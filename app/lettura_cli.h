#pragma once

// How the command line's values read, and how a value is refused: the
// option's name first.

#include "app/tabella_opzioni.h"
#include "engine/data.h"
#include "engine/limiti.h"
#include "engine/tasso_variabile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The index's values in a CSV's text: a line "GG/MM/AAAA;valore" each, ","
// or "." before the decimals, the dates growing, a heading allowed before
// them. Throws ErrorePiano, with the line at fault ("alla riga 3: ..."), for
// any other text, or more than 2.000 lines.
std::vector<ValoreIndice> IndiceDaCsv(std::string_view testo);

}  // namespace pianoamm::cli

#pragma once

#include <optional>
#include <string_view>

namespace pianoamm {

// Reads a plain non-negative decimal number: digits, then optionally "," or
// "." and one to decimaliMassimi digits. No sign, no grouping, no blanks.
// Nothing for any other text.
std::optional<double> LeggiNumero(std::string_view testo, int decimaliMassimi);

// Reads the text of a numeric input field in the Italian pattern: digits
// ("." between groups allowed when raggruppa, else taken as the decimal
// mark), then optionally "," and at most decimali digits. A missing integer
// or decimal part counts as zero (",5", "12,"); a lone "," is 0. Nothing for
// empty or any other text.
std::optional<double> LeggiCampoNumerico(std::string_view testo, int decimali, bool raggruppa);

}  // namespace pianoamm

#pragma once

#include <optional>
#include <string_view>

namespace pianoamm {

// Reads a plain non-negative decimal number: digits, then optionally "," or
// "." and one to decimaliMassimi digits. No sign, no grouping, no blanks.
// Nothing for any other text.
std::optional<double> LeggiNumero(std::string_view testo, int decimaliMassimi);

} // namespace pianoamm

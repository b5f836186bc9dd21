#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pianoamm {

// Reads a plain non-negative decimal number: one to fifteen digits, then
// optionally "," or "." and one to decimaliMassimi digits. No sign, no
// grouping, no blanks. Nothing for any other text.
std::optional<double> LeggiNumero(std::string_view testo, int decimaliMassimi);

// Reads the text of a numeric input field in the Italian pattern: digits
// ("." between groups allowed when raggruppa, else taken as the decimal
// mark), then optionally "," and at most decimali digits. A missing integer
// or decimal part counts as zero (",5", "12,"); a lone "," is 0. Nothing for
// empty or any other text.
std::optional<double> LeggiCampoNumerico(std::string_view testo, int decimali, bool raggruppa);

// Reads a piece of text put into a numeric field at once (pasted, dropped) as
// a person writing it means it: "1.234,56" ("." only between groups of three
// digits), "1234,56", or "1234.56" (a lone "." followed by one or two digits,
// with no ",", is the decimal mark, as on the command line); at most decimali
// decimals, blanks around it ignored. Gives the number as the field's plain
// text ("1234,56"), or nothing for any other text: a piece that could mean
// two things is refused rather than guessed.
std::optional<std::string> LeggiPezzoIncollato(std::string_view pezzo, int decimali);

}  // namespace pianoamm

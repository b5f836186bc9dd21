#pragma once

// The listing's fields and numbers. Separators are always the Italian ones
// ("." thousands, "," decimals) whatever the machine's locale, so the
// listing reads the same everywhere.

#include <string>
#include <string_view>

namespace pianoamm {

// Appends sp right-aligned in a field of ssp + 1 characters; a longer text
// keeps only its last ssp + 1 characters, and an empty one gives ssp spaces
// (one fewer).
void Tabulasin(std::string& riga, std::string_view sp, int ssp);

// "#,#": whole units, halves away from zero, "." every three digits; a value
// that rounds to zero is the empty text, whatever its sign.
std::string FormatoImporto(double valore);

// A fixed count of decimals after ",", halves away from zero, "." every
// three digits when raggruppa; a value that rounds to zero carries no sign.
// The rate is (valore, 3, false): "#0.000".
std::string FormatoDecimali(double valore, int decimali, bool raggruppa);

// The installment for its 16-character field: at most 15 significant
// digits, 14 decimals below 1, rounded to nearest, no trailing zeros, never
// an exponent (12950,4574965457; 105000; 0,50690074880684).
std::string TestoNumero(double valore);

}  // namespace pianoamm

#pragma once

// The listing's fields and numbers. Separators are always the Italian ones
// ("." thousands, "," decimals) whatever the machine's locale, so the
// listing reads the same everywhere.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pianoamm {

// A line of fixed-width fields, laid out in place over blanks: a listing
// has up to a thousand lines, so no field takes a copy of its own. At most
// 128 characters: the listing is 80 wide, 92 with cents, the yearly tables
// wider, the deduction's with its cuts 111.
class Linea {
public:
    Linea() { testo.fill(' '); }

    Linea& Scrivi(std::string_view parte)
    {
        std::copy(parte.begin(), parte.end(), Avanza(parte.size()));
        return *this;
    }
    Linea& Spazi(std::size_t quanti)
    {
        Avanza(quanti);
        return *this;
    }
    // sp right-aligned in a field of ssp + 1 characters; a longer text keeps
    // only its last ssp + 1 characters, and an empty one gives ssp spaces
    // (one fewer).
    Linea& Tabulasin(std::string_view sp, int ssp);
    // Tabulasin(FormatoImporto(valore), ssp), the digits written where they
    // stand; with two decimals, Tabulasin(FormatoDecimali(valore, 2, true),
    // ssp), a zero written "0,00".
    Linea& Importo(double valore, int ssp, int decimali = 0);

    std::string_view Testo() const { return {testo.data(), lunghezza}; }

private:
    // Moves the end of the line on by quanti; gives where it was.
    char* Avanza(std::size_t quanti)
    {
        if (quanti > testo.size() - lunghezza)
            TroppoLunga();
        char* const fine = testo.data() + lunghezza;
        lunghezza += quanti;
        return fine;
    }
    [[noreturn]] static void TroppoLunga();

    std::array<char, 128> testo{};
    std::size_t lunghezza = 0;
};

// The text with its letters in capitals: labels are plain ASCII.
std::string Maiuscole(std::string_view testo);

// The characters of a UTF-8 text: its bytes but those that continue one.
std::size_t CaratteriUtf8(std::string_view testo);

// A text longer than caratteri characters keeps what fits, whole
// characters, and ends with "…".
std::string Taglia(std::string_view testo, std::size_t caratteri);
// The same with "…" in the middle, between the beginning and the end: names
// that differ at their end (a file's) stay apart.
std::string TagliaNelMezzo(std::string_view testo, std::size_t caratteri);

// "#,#": whole units, halves away from zero, "." every three digits; a value
// that rounds to zero is the empty text, whatever its sign.
std::string FormatoImporto(double valore);

// The same, but a zero is written: in a sentence or a summary a blank
// would read as a value missing. With two decimals, "#,##0.00".
std::string ImportoOZero(double valore, int decimali = 0);

// A fixed count of decimals after ",", halves away from zero, "." every
// three digits when raggruppa; a value that rounds to zero carries no sign.
// The rate is (valore, 3, false): "#0.000".
std::string FormatoDecimali(double valore, int decimali, bool raggruppa);

// The installment for its 16-character field: at most 15 significant
// digits, 14 decimals below 1, rounded to nearest, no trailing zeros, never
// an exponent (12950,4574965457; 105000; 0,50690074880684).
std::string TestoNumero(double valore);

}  // namespace pianoamm

#pragma once

// Text building blocks of the listing: field alignment, calendar dates with
// their month stepping, and the display patterns. Separators are always the
// Italian ones ("." thousands, "," decimals, "/" in dates), whatever the
// locale of the machine, so the listing reads the same everywhere.

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace pianoamm {

// A short formatted text held inline, written from its end backwards: the
// listing formats thousands of these and none of them needs the heap.
class Cifre {
public:
    std::string_view Vista() const { return {buf_.data() + inizio_, buf_.size() - inizio_}; }
    operator std::string_view() const { return Vista(); }
    std::string Testo() const { return std::string(Vista()); }

    // The buffer holds the longest text written here (a 64-bit number with
    // its grouping and sign), so the writes are unchecked.
    void Anteponi(char c) { buf_[--inizio_] = c; }
    void Anteponi(std::string_view testo);

    // Bulk writing goes through a local cursor: writes through a char pointer
    // could alias inizio_, which would otherwise be reloaded at every digit.
    char* Cursore() { return buf_.data() + inizio_; }
    void Fissa(const char* cursore) { inizio_ = static_cast<std::size_t>(cursore - buf_.data()); }

    friend bool operator==(const Cifre& a, std::string_view b) { return a.Vista() == b; }
    friend std::ostream& operator<<(std::ostream& out, const Cifre& c) { return out << c.Vista(); }

private:
    std::array<char, 40> buf_;
    std::size_t inizio_ = buf_.size();
};

// Right-aligns sp in a field of ssp + 1 characters; a longer text keeps only
// its last ssp + 1 characters, and an empty one gives ssp spaces (one fewer).
std::string Tabulasin(std::string_view sp, std::int16_t ssp);

// Tabulasin's field appended to out, without a temporary.
void AccodaCampo(std::string& out, std::string_view sp, int ssp);

// Tabulasin's field written at out, which has room for ssp + 1 characters;
// returns the end of what was written.
char* ScriviCampo(char* out, std::string_view sp, int ssp);

// A calendar date with no time of day, years 100 to 9999.
struct Data {
    int anno = 0;
    int mese = 0;
    int giorno = 0;

    friend bool operator==(const Data&, const Data&) = default;
};

inline constexpr int AnnoMinimo = 100;
inline constexpr int AnnoMassimo = 9999;

int GiorniDelMese(int anno, int mese);

// Reads "g/m/aaaa" (day and month of one or two digits, a four-digit year,
// blanks around allowed); a two-digit year is 2000-2029 for 00-29 and
// 1930-1999 for 30-99. Nothing for text that is not a valid date.
std::optional<Data> LeggiData(std::string_view testo);

// "dd/mm/yyyy".
Cifre FormatoData(const Data& data);

// Steps whole months; a day beyond the end of the target month becomes its
// last day. Throws ErrorePiano outside years 100 to 9999.
Data AggiungiMese(const Data& dataPartenza, int piuMese);

// "#,#": whole units, halves away from zero, "." every three digits; a value
// that rounds to zero is the empty text, whatever its sign.
Cifre FormatoImporto(double valore);

// "#": whole number without grouping; zero is the empty text.
Cifre FormatoIntero(double valore);

// A whole number as plain digits, the sign in front of a negative one.
Cifre TestoIntero(int valore);

// "#0.000": three decimals, halves away from zero.
Cifre FormatoTasso(double valore);

// Two decimals after ",", halves away from zero, "." every three digits when
// raggruppa; zero shows as "0,00", never with a sign.
Cifre FormatoCentesimi(double valore, bool raggruppa);

// Plain number to text for a 16-character field: at most 15 significant
// digits, 14 decimals below 1, rounded to nearest, "," as decimal mark, no
// trailing zeros, never an exponent (12950,4574965457; 105000;
// 0,50690074880684).
Cifre TestoNumero(double valore);

}  // namespace pianoamm

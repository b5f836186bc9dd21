#pragma once

// Calendar dates as the listing writes them, "gg/mm/aaaa", and as people type
// them.

#include <optional>
#include <string>
#include <string_view>

namespace pianoamm {

// A date with no time of day, years 100 to 9999.
struct Data {
    int anno = 0;
    int mese = 0;
    int giorno = 0;

    friend bool operator==(const Data&, const Data&) = default;
};

inline constexpr int AnnoMinimo = 100;
inline constexpr int AnnoMassimo = 9999;

int GiorniDelMese(int anno, int mese);

// True where una comes before altra in the calendar.
bool Prima(const Data& una, const Data& altra);

// The days from da to a, fewer than none when a comes first.
long long GiorniTra(const Data& da, const Data& a);

// Reads "g/m/aaaa": day and month of one or two digits, a year of four, or of
// two (00-29 is 2000-2029, 30-99 is 1930-1999); blanks around allowed.
// Nothing for text that is not a valid date.
std::optional<Data> LeggiData(std::string_view testo);

// "dd/mm/yyyy".
std::string FormatoData(const Data& data);

// Steps whole months; a day beyond the end of the target month becomes its
// last day. Throws ErrorePiano outside years 100 to 9999.
Data AggiungiMese(const Data& dataPartenza, int piuMese);

// Today, on this machine's clock and time zone.
Data Oggi();

}  // namespace pianoamm

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pianoamm {

// How often installments fall due.
enum class Cadenza { Mensile, Bimestrale, Trimestrale, Quadrimestrale, Semestrale, Annuale };

struct DatiCadenza {
    Cadenza cadenza;
    int mesi;                     // months between two due dates
    std::string_view parola;      // on the command line
    std::string_view didascalia;  // in the window
};

inline constexpr std::array<DatiCadenza, 6> Cadenze{{
    {Cadenza::Mensile, 1, "mensile", "Mensile"},
    {Cadenza::Bimestrale, 2, "bimestrale", "Bimestrale"},
    {Cadenza::Trimestrale, 3, "trimestrale", "Trimestrale"},
    {Cadenza::Quadrimestrale, 4, "quadrimestrale", "Quadrimestrale"},
    {Cadenza::Semestrale, 6, "semestrale", "Semestrale"},
    {Cadenza::Annuale, 12, "annuale", "Annuale"},
}};

constexpr const DatiCadenza& DatiDi(Cadenza cadenza)
{
    return Cadenze[static_cast<std::size_t>(cadenza)];
}

}  // namespace pianoamm

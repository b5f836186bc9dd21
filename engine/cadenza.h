#pragma once

#include "engine/voce.h"

#include <array>
#include <string_view>

namespace pianoamm {

// How often installments fall due.
enum class Cadenza { Mensile, Bimestrale, Trimestrale, Quadrimestrale, Semestrale, Annuale };

// A Voce (engine/voce.h) with the months between two due dates.
struct DatiCadenza {
    Cadenza valore;
    int mesi;
    std::string_view parola;
    std::string_view etichetta;
    std::string_view aiuto;
};

inline constexpr std::array<DatiCadenza, 6> Cadenze{{
    {Cadenza::Mensile, 1, "mensile", "Mensile", "una rata al mese"},
    {Cadenza::Bimestrale, 2, "bimestrale", "Bimestrale", "una rata ogni due mesi"},
    {Cadenza::Trimestrale, 3, "trimestrale", "Trimestrale", "una rata ogni tre mesi"},
    {Cadenza::Quadrimestrale, 4, "quadrimestrale", "Quadrimestrale", "una rata ogni quattro mesi"},
    {Cadenza::Semestrale, 6, "semestrale", "Semestrale", "una rata ogni sei mesi"},
    {Cadenza::Annuale, 12, "annuale", "Annuale", "una rata all'anno"},
}};

constexpr const DatiCadenza& DatiDi(Cadenza cadenza)
{
    return VoceDi(Cadenze, cadenza);
}

}  // namespace pianoamm

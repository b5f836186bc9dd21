#include "engine/piano.h"

#include "engine/ammortamento.h"

#include <cmath>

namespace pianoamm {

double RataMutuo(double importo, int numeroRate, double tassoPeriodo, double maxiRata)
{
    if (tassoPeriodo == 0)
        return (importo - maxiRata) / numeroRate;
    // The interest and, apart, what pays the capital: 1 - v^n would round
    // to 1 at a steep rate over many rows and swallow the capital's part.
    const double crescita = std::pow(1 + tassoPeriodo, numeroRate) - 1;
    return importo * tassoPeriodo + (importo - maxiRata) * tassoPeriodo / crescita;
}

Piano PianoAmm(const Mutuo& mutuo)
{
    return Ammortizza(mutuo, {}, 0).piano;
}

}  // namespace pianoamm

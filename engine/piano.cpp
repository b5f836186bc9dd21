#include "engine/piano.h"

#include "engine/ammortamento.h"

#include <cmath>

namespace pianoamm {

double RataMutuo(double importo, int numeroRate, double tassoPeriodo, double maxiRata)
{
    if (tassoPeriodo == 0)
        return (importo - maxiRata) / numeroRate;
    const double sconto = std::pow(1 + tassoPeriodo, -static_cast<double>(numeroRate));
    return ((importo - maxiRata * sconto) * tassoPeriodo) / (1 - sconto);
}

Piano PianoAmm(const Mutuo& mutuo)
{
    return Ammortizza(mutuo, {}, 0).piano;
}

}  // namespace pianoamm

#include "engine/piano.h"

#include "engine/ammortamento.h"

#include <cmath>

namespace pianoamm {

double RataMutuo(double importo, int numeroRate, double tassoPeriodo)
{
    if (tassoPeriodo == 0)
        return importo / numeroRate;
    return (importo * tassoPeriodo) / (1 - std::pow(1 + tassoPeriodo, -static_cast<double>(numeroRate)));
}

Piano PianoAmm(const Mutuo& mutuo)
{
    return Ammortizza(mutuo, {}, 0).piano;
}

}  // namespace pianoamm

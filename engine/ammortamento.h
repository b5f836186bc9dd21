#pragma once

// The schedule row by row, which the plan and its simulations share.

#include "engine/simulazione.h"

#include <span>

namespace pianoamm {

// The rows of the loan, each event (in row order, at most one of a kind at
// a row) applied after its row. Throws ErrorePiano for data outside the
// limits, an event the plan cannot take or a due date past 9999.
Simulazione Ammortizza(const Mutuo& mutuo, std::span<const Evento* const> eventi, double penale);

}  // namespace pianoamm

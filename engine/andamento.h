#pragma once

// What the rows of every plan and simulation keep, on any terms: no
// interest share below zero, and a debt that is paid on the last row and
// not before, so that no row charges interest on nothing. Cutting interest
// to whole units, or rounding the installment to the cent, drifts from the
// exact plan by a fraction a row, and a steep rate over many rows
// compounds it until the debt ends rows early or never falls at all: such
// a plan is refused, never shown wrong.

#include "engine/simulazione.h"

#include <optional>
#include <string>

namespace pianoamm {

// The first row that breaks those rules, or, on terms other than the
// defaults and after an event, shows a negative capital share or a debt
// grown beyond the interest added to it.
struct Difetto {
    int riga = 0;
    std::string motivo;  // "il debito sarebbe già estinto, 5 rate prima della fine"
    // The rule every plan keeps, rather than the steadiness asked of other
    // terms and of events.
    bool chiusura = false;
    const Evento* evento = nullptr;  // the last event before the row
};

std::optional<Difetto> PrimoDifetto(const Simulazione& simulazione);

}  // namespace pianoamm

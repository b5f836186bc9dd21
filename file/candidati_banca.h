#pragma once

// The sets of terms a bank's table is checked against, from the loan its
// shape shows.

#include "engine/condizioni.h"
#include "file/mutuo_banca.h"
#include "file/tabella_banca.h"

#include <vector>

namespace pianoamm {

// Every set of terms to try for the loan the table shows, the program's
// defaults first: each rounding (but whole units where the interest shows
// cents), periodic rate and method; a balloon found, a round one near it
// first, then the whole amounts around it, to the cent and none; the
// year's base only for a broken first period's days, the interest on the
// periods' days only where the interest over the debt before it moves from
// row to row by more than rounding explains.
std::vector<Condizioni> Candidati(const TabellaBanca& tabella, const MutuoBanca& banca);

}  // namespace pianoamm

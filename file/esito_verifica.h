#pragma once

// What the check of a bank's plan tells: as text for the terminal and the
// printout, and as the table of the cells apart.

#include "engine/costi.h"
#include "engine/limiti.h"
#include "engine/tabella.h"
#include "file/verifica_banca.h"

#include <string>

namespace pianoamm {

// The terms found, as the listing's line 8 names them, and the loan; then
// "PIANO RIPRODOTTO: 180 RATE SU 180", or "RATE DIVERSE: 3 SU 180" and a
// line for each cell apart; then the differences of the totals.
std::string TestoVerifica(const Verifica& verifica);

// The heading, then a row for each cell apart: the installment's number,
// the column, the bank's value, the program's and the difference, at the
// column's precision.
Celle CelleVerifica(const Verifica& verifica);

inline constexpr Limite LimiteTaegDichiarato{0, 99, 3, "il TAEG dichiarato"};

// The TAEG of the plan found with the costs entered, beside the one the
// bank declared, and the difference in points; then why they may differ.
std::string TestoTaegDichiarato(const Verifica& verifica, const Costi& costi, double dichiarato);

}  // namespace pianoamm

#pragma once

// Interest on each period's actual days, as some banks charge it: a row's
// interest runs on the civil days from the previous due date to its own,
// over the year's base, so that a month of 31 days pays more than one of
// 28; the installment stays the plan's, and only its split moves.

#include "engine/prima_scadenza.h"

#include <optional>
#include <string>

namespace pianoamm {

// The civil days of the periodo-th period, from the due date before it (the
// disbursement, or row 0's date where a broken first period exists).
long long GiorniDelPeriodo(const Mutuo& mutuo, const std::optional<PrimoPeriodo>& primo, int periodo);

// The interest of debito over giorni days at tassoAnnuo percent on the
// year's base, before any cut to units.
double InteressiSuiGiorni(double debito, double tassoAnnuo, long long giorni, BaseGiorni base);

// "INTERESSI SUI GIORNI EFFETTIVI/360"; empty when the term is not set.
std::string DescrizioneInteressiGiorni(const Condizioni& condizioni);

}  // namespace pianoamm

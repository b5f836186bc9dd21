#pragma once

// A first due date of the borrower's choosing: the installments fall due on
// it and whole periods after, and the days from the disbursement to its
// period's start, a broken period ("preammortamento tecnico"), pay interest
// of their own on a row numbered 0, paid on that start.

#include "engine/piano.h"
#include "engine/soldi.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

struct PrimoPeriodo {
    Data prima;      // the first installment's due date
    Data inizio;     // its period's start, one period before: row 0's date
    int giorni = 0;  // from the disbursement to inizio, fewer than a period's
};

// The first period of a loan whose first due date is set and is not the
// one a period after the disbursement; nothing otherwise, and the due dates
// follow the disbursement as they always did. Throws ErrorePiano, naming the
// dates, for a first due date before that one or a period's days or more
// after it.
std::optional<PrimoPeriodo> PrimoPeriodoDi(const Mutuo& mutuo);

// The due date periodi periods on: from the first due date, if its period
// is set, or else from the disbursement.
Data Scadenza(const Mutuo& mutuo, const std::optional<PrimoPeriodo>& periodo, int periodi);

// The interest of debito cents over giorni days at tassoAnnuo percent, on
// the year's base, in cents, halves up: the rate has four decimals at most,
// so debito × the rate × 10^4 × the days over 10^6 × the base is exact.
long long InteressiDeiGiorni(long long debito, double tassoAnnuo, long long giorni, BaseGiorni base);

// Row 0: the broken period's interest, importo × rate × days / the year's
// base, to the cent, halves up, or cut to units, the fraction carried in
// riporto as any row's.
RigaPiano RigaSpezzata(const Mutuo& mutuo, const PrimoPeriodo& periodo, bool centesimi, Riporto& riporto);

// The broken period in years, as the cost of credit counts it.
double AnniSpezzati(const Mutuo& mutuo, int giorni);

// The plan's terms as the listing names them, in one fixed order: those of
// DescrizioneCondizioni, "INTERESSI SUI GIORNI EFFETTIVI/360", then
// "PRIMA SCADENZA 30/04/2026 - PREAMMORTAMENTO TECNICO DI 15 GIORNI"; empty
// for the defaults.
std::string DescrizioneTermini(const Mutuo& mutuo);

// Those terms in lines of at most larghezza characters, each line ending
// with the dash before the next, each term whole (one wider than the lines
// alone on its own); one line for none.
std::vector<std::string_view> RigheTermini(std::string_view termini, std::size_t larghezza);

}  // namespace pianoamm

#pragma once

// The schedule in the forms users keep it in besides the listing: a CSV file
// for spreadsheets, and the interest paid in each calendar year, which
// Italian borrowers declare. Both take the values of the listing's rows as
// computed, never a second computation.

#include "engine/piano.h"
#include "engine/simulazione.h"
#include "engine/tabella.h"

#include <string>
#include <vector>

namespace pianoamm {

// A row as the exports show it, in cents. Each value rounded on its own
// would not add up: the running totals are rounded instead, and a row's
// value is the step between two of them. Its installment is its interest
// plus its capital, so it may be a cent off the plan's, which has more
// decimals; the capital and the repayments add up to the amount, and the
// debt is the amount less what was paid before it (the row's own repayment
// comes after it).
struct RigaCentesimi {
    long long interessi = 0;
    long long capitale = 0;
    long long rata = 0;
    long long debito = 0;
    long long rimborso = 0;  // repaid early after the row
};

std::vector<RigaCentesimi> RigheInCentesimi(const Piano& piano);
std::vector<RigaCentesimi> RigheInCentesimi(const Simulazione& simulazione);

// Cents as the nearest double, which every formatting rounds back exactly.
double Euro(long long centesimi);

// UTF-8 with a byte-order mark, ";" between fields, "," as decimal mark, two
// decimals, dates as GG/MM/AAAA, lines ended by CR LF: what an Italian
// spreadsheet opens as it stands. A heading row, then one row per
// installment: number, due date, interest share, capital share,
// installment, remaining debt; for a simulation with events also the
// capital repaid early on the row and the annual rate in force.
std::string EsportaCsv(const Piano& piano);
std::string EsportaCsv(const Simulazione& simulazione);

struct AnnoPiano {
    int anno = 0;  // 0 in the totals row
    int rate = 0;
    double interessi = 0;
    double capitale = 0;
    double totale = 0;
};

// One row per calendar year of the due dates, in order, then the totals row:
// the sums of the exported rows, so interest plus capital is the total to the
// cent.
std::vector<AnnoPiano> InteressiPerAnno(const Piano& piano);
// A repayment counts in its year's capital.
std::vector<AnnoPiano> InteressiPerAnno(const Simulazione& simulazione);

// The years as cells: "Anno", "Rate", "Interessi", "Capitale", "Totale
// pagato", amounts with two decimals, grouped when raggruppa; the totals
// row's year is "Totale".
Celle CellePerAnno(const std::vector<AnnoPiano>& anni, bool raggruppa);

// The same as a fixed-width text table, each line ended by "\n".
std::string TabellaPerAnno(const std::vector<AnnoPiano>& anni);

}  // namespace pianoamm

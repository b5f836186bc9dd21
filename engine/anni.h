#pragma once

// The interest paid in each calendar year, which Italian borrowers declare,
// from the rows in cents.

#include "engine/piano.h"
#include "engine/simulazione.h"
#include "engine/tabella.h"

#include <string>
#include <vector>

namespace pianoamm {

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
// A repayment counts in its year's capital; interest added to the debt is
// paid, and counts, only as the capital of the rows after it.
std::vector<AnnoPiano> InteressiPerAnno(const Simulazione& simulazione);

// The years as cells: "Anno", "Rate", "Interessi", "Capitale", "Totale
// pagato"; the totals row's year is "Totale".
Celle CellePerAnno(const std::vector<AnnoPiano>& anni);

// The same as a fixed-width text table, each line ended by "\n".
std::string TabellaPerAnno(const std::vector<AnnoPiano>& anni);

}  // namespace pianoamm

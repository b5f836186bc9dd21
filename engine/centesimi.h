#pragma once

// The rows as every export and table shows them: in whole cents, so that
// the columns add up to the cent.

#include "engine/piano.h"
#include "engine/simulazione.h"

#include <vector>

namespace pianoamm {

// Each value rounded on its own would not add up: the running totals are
// rounded instead, and a row's value is the step between two of them. Its
// installment is its interest plus its capital, so it may be a cent off the
// plan's, which has more decimals; the capital and the repayments add up to
// the amount and the interest added to the debt, and the debt is what is
// owed less what was paid before it (the row's own repayment comes after
// it).
struct RigaCentesimi {
    long long interessi = 0;
    long long capitale = 0;
    long long rata = 0;
    long long debito = 0;
    long long rimborso = 0;       // repaid early after the row
    long long capitalizzati = 0;  // interest added to the debt after the row
    bool soloInteressi = false;   // a suspension left its capital share unpaid
};

std::vector<RigaCentesimi> RigheInCentesimi(const Piano& piano);
std::vector<RigaCentesimi> RigheInCentesimi(const Simulazione& simulazione);

}  // namespace pianoamm

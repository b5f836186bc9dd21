#pragma once

// The schedule as a table and as a CSV file for spreadsheets, from the rows
// in cents.

#include "engine/piano.h"
#include "engine/simulazione.h"
#include "engine/tabella.h"

#include <string>

namespace pianoamm {

// A heading row, then one row per installment: number, due date, interest share, capital share,
// installment, remaining debt; for a simulation with events also the
// capital repaid early on the row and the annual rate in force, and with a
// suspension whether the row pays interest only ("Sospesa", 1 or 0) and the
// interest added to the debt after it. A plan at a variable rate has the
// columns a simulation has, and then the index each row's rate came from
// ("Indice", empty before the first revision or after a simulated rate
// change).
Celle CelleDelPiano(const Piano& piano);
Celle CelleDelPiano(const Simulazione& simulazione);

// Those rows as CSV (CsvDi), amounts with two decimals, dates as GG/MM/AAAA.
std::string EsportaCsv(const Piano& piano);
std::string EsportaCsv(const Simulazione& simulazione);

}  // namespace pianoamm

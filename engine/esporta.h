#pragma once

// The schedule as a CSV file for spreadsheets, from the rows in cents.

#include "engine/piano.h"
#include "engine/simulazione.h"

#include <string>

namespace pianoamm {

// UTF-8 with a byte-order mark, ";" between fields, "," as decimal mark, two
// decimals, dates as GG/MM/AAAA, lines ended by CR LF: what an Italian
// spreadsheet opens as it stands. A heading row, then one row per
// installment: number, due date, interest share, capital share,
// installment, remaining debt; for a simulation with events also the
// capital repaid early on the row and the annual rate in force, and with a
// suspension whether the row pays interest only ("Sospesa", 1 or 0) and the
// interest added to the debt after it.
std::string EsportaCsv(const Piano& piano);
std::string EsportaCsv(const Simulazione& simulazione);

}  // namespace pianoamm

#pragma once

// The command line's check of a bank's plan: its text on standard output,
// the cells apart as a CSV file.

#include "app/uscite_cli.h"
#include "engine/tabella.h"
#include "file/verifica_banca.h"

namespace pianoamm {

// The heading, then a row for each cell apart: the installment's number,
// the column, the bank's value, the program's and the difference, at the
// column's precision.
Celle CelleVerifica(const Verifica& verifica);

// The check's text, and its cells with --csv. Returns 0 when the plan found
// gives every row back, 3 when some differ; throws ErrorePiano for an
// output that failed.
int EseguiVerifica(const Verifica& verifica, const UsciteCli& uscite);

}  // namespace pianoamm

#pragma once

// The command line's check of a bank's plan: its text on standard output,
// the cells apart as a CSV file.

#include "app/uscite_cli.h"
#include "file/verifica_banca.h"

namespace pianoamm {

// The check's text, and its cells with --csv. Returns 0 when the plan found
// gives every row back, 3 when some differ; throws ErrorePiano for an
// output that failed.
int EseguiVerifica(const Verifica& verifica, const UsciteCli& uscite);

}  // namespace pianoamm

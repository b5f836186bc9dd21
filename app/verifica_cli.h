#pragma once

// The command line's check of a bank's plan: its report on standard output
// and in a PDF, the cells apart as a CSV file.

#include "app/opzioni_cli.h"
#include "app/uscite_cli.h"
#include "file/verifica_banca.h"

#include <string>
#include <string_view>

namespace pianoamm {

// The report, and with --taeg-dichiarato the TAEG's lines under it.
std::string TestoDellaVerifica(const Verifica& verifica, const OpzioniCli& opzioni);

// The report on standard output, and its cells with --csv. Returns 0 when
// the plan found gives every row back, 3 when some differ; throws
// ErrorePiano for an output that failed.
int EseguiVerifica(const Verifica& verifica, std::string_view testo, const UsciteCli& uscite);

}  // namespace pianoamm

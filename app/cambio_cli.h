#pragma once

// Closing the loan on a day and changing lender on the command line: their
// options, and their blocks under the listing.

#include "app/lettura_cli.h"
#include "app/opzioni_cli.h"
#include "engine/piano.h"
#include "engine/simulazione.h"

#include <string>

namespace pianoamm {

namespace cli {

// --estingui-il, and --cambia-il with the options that go with it: refused
// without the listing they go under, and, but for --cambia-il's own, without
// --cambia-il.
void LeggiCambio(const Valori& valori, OpzioniCli& opzioni);

}  // namespace cli

// With --detrazione, a change of lender is the new loan's deduction: the
// options then hold the new loan, on the old one's fiscal data, in place of
// the loan given, for every output. Throws ErrorePiano for a change the
// plan cannot take.
OpzioniCli ConNuovoMutuo(OpzioniCli opzioni);

// What --salva saves: with --cambia-il the new loan, as ConNuovoMutuo makes
// it, else the loan given.
Offerta OffertaDaSalvare(const OpzioniCli& opzioni);

// The payoff's block, then the change's, each after a blank line; empty
// when neither is asked for. The plan shown is the simulation, if any.
// Throws ErrorePiano for a day or a change the plan cannot take.
std::string TestoDopoListato(const OpzioniCli& opzioni, const Piano& piano, const Simulazione* simulazione);

}  // namespace pianoamm

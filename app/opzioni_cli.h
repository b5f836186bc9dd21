#pragma once

#include "engine/cambio.h"
#include "engine/costi.h"
#include "engine/data.h"
#include "engine/detrazione.h"
#include "engine/inverso.h"
#include "engine/offerta.h"
#include "engine/piano.h"
#include "engine/simulazione.h"
#include "file/mutuo_banca.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

struct OpzioniCli {
    bool aiuto = false;
    bool versione = false;
    Mutuo mutuo;
    // The value of the loan worked out from --rata, if any: the loan holds
    // it, and the outputs begin by telling it.
    std::optional<Incognita> incognita;
    // Outputs in place of the listing: the printout as a PDF file or on a
    // print queue (stampante; empty for the default queue), the schedule as
    // a CSV file, the interest per calendar year as a table.
    std::string pdf;
    std::string csv;
    bool stampa = false;
    std::string stampante;
    bool perAnno = false;
    // What the loan costs (TAEG) and the yearly tax deduction, printed in
    // place of the listing, before the interest per year.
    bool taeg = false;
    bool detrazione = false;
    // Points a variable rate's index is moved by, to show what a rise would
    // cost: beside the listing's figures, and a TAEG of its own.
    std::optional<double> rialzo;
    Costi costi;
    RegoleDetrazione regole;
    // Early repayments and rate changes: the listing, the files and the
    // per-year table are then the simulated plan's (the TAEG and the
    // deduction stay the plan's).
    Scenario scenario;
    // The loan file the values start from (those given here replace its
    // own, events add to its), and the file to save the loan to; the offer's
    // name is the file's.
    std::string fileMutuo;
    std::string salva;
    std::string nome;
    // Files of offers to compare, in place of every other output but --csv.
    std::vector<std::string> confronta;
    // A bank's plan to check, in place of every other output but its own
    // files: the loan's values the borrower knows, and the TAEG the bank
    // declared, to set beside the plan's with the costs given.
    std::string verifica;
    DatiNoti noti;
    std::optional<double> taegDichiarato;
    // Under the listing: what closing the loan costs on a day, and a change
    // of lender.
    std::optional<Data> estinguiIl;
    std::optional<Cambio> cambio;
};

// The listing is shown only when no other output takes its place; saving
// the loan is not one.
bool MostraListato(const OpzioniCli& opzioni);

// The loan as given, to be saved.
Offerta OffertaDi(const OpzioniCli& opzioni);

// Reads the arguments after the program's name; oggi is the disbursement
// date when --data is not given. Throws ErrorePiano with a message for the
// user.
OpzioniCli LeggiOpzioniCli(std::span<const std::string_view> argomenti, const Data& oggi);

}  // namespace pianoamm

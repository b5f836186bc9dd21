#pragma once

#include "engine/calcolo.h"

#include <span>
#include <string>
#include <string_view>

namespace pianoamm {

struct OpzioniCli {
    bool Aiuto = false;
    DatiMutuo Dati;
    // Outputs in place of the listing: the printout as a PDF file or on a
    // print queue (Stampante; empty for the default queue), the schedule as
    // a CSV file, the interest per calendar year as a table.
    std::string Pdf;
    std::string Csv;
    bool Stampa = false;
    std::string Stampante;
    bool PerAnno = false;
};

// The usage text printed by --help.
std::string_view UsoCli();

// Reads the arguments after the program's name. oggi is the date used when
// --data is not given. Throws ErrorePiano with a message for the user.
OpzioniCli LeggiOpzioniCli(std::span<const std::string_view> argomenti, std::string_view oggi);

}  // namespace pianoamm

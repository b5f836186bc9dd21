#pragma once

#include "engine/calcolo.h"

#include <span>
#include <string>
#include <string_view>

namespace pianoamm {

struct OpzioniCli {
    bool Aiuto = false;
    DatiMutuo Dati;
    std::string Pdf;  // where to write the printout instead of the listing, if given
};

// The usage text printed by --help.
std::string_view UsoCli();

// Reads the arguments after the program's name. oggi is the date used when
// --data is not given. Throws ErrorePiano with a message for the user.
OpzioniCli LeggiOpzioniCli(std::span<const std::string_view> argomenti, std::string_view oggi);

} // namespace pianoamm

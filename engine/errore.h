#pragma once

#include "engine/visibile.h"

#include <stdexcept>
#include <string>

namespace pianoamm {

// The one error the engine reports: its text is an Italian sentence that the
// window or the command line shows to the user as it stands. It may quote a
// file name or a file's content, so it is made visible here, once for every
// message, before what() turns it into a C string that a NUL would cut.
class ErrorePiano : public std::runtime_error {
public:
    explicit ErrorePiano(const std::string& messaggio) : std::runtime_error(Visibile(messaggio)) {}
};

// A refusal of values the user did not enter as such, under what they are
// ("Il nuovo mutuo: il piano non si chiude…"), so that it does not read as
// about the loan entered.
inline ErrorePiano ConPremessa(const std::string& premessa, const ErrorePiano& errore)
{
    std::string motivo = errore.what();
    if (!motivo.empty() && motivo[0] >= 'A' && motivo[0] <= 'Z')
        motivo[0] = static_cast<char>(motivo[0] - 'A' + 'a');
    return ErrorePiano(premessa + ": " + motivo);
}

}  // namespace pianoamm

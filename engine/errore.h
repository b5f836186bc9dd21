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

}  // namespace pianoamm

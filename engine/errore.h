#pragma once

#include <stdexcept>
#include <string>

namespace pianoamm {

// The one error the engine reports: its text is an Italian sentence that the
// window or the command line shows to the user as it stands.
class ErrorePiano : public std::runtime_error {
public:
    explicit ErrorePiano(const std::string& messaggio) : std::runtime_error(messaggio) {}
};

}  // namespace pianoamm

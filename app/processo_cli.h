#pragma once

// pianoamm-cli's helper programs, run as child processes.

#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

// Runs a helper (argomenti, its program first) with the listing on its
// standard input; its messages are the user's to read. Its standard output
// is read into uscita when given, else it goes nowhere: the helpers read the
// whole listing before they write. Returns the helper's exit code: 0, or 1
// with its message told; throws ErrorePiano when it cannot start or breaks
// off.
int EseguiAiutante(const std::vector<std::string>& argomenti, std::string_view listato, std::string* uscita);

}  // namespace pianoamm

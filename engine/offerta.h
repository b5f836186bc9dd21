#pragma once

// A loan with everything entered about it: what a file keeps and what the
// comparison of offers reads.

#include "engine/costi.h"
#include "engine/detrazione.h"
#include "engine/piano.h"
#include "engine/simulazione.h"

#include <string>

namespace pianoamm {

// The longest name an offer takes, in characters.
inline constexpr std::size_t NomeMassimoOfferta = 100;

struct Offerta {
    std::string nome;  // the offer's name (a bank's, say); may be empty
    Mutuo mutuo;
    Costi costi;
    RegoleDetrazione regole;
    Scenario scenario;

    // Value by value: what tells a loan changed from its file.
    bool operator==(const Offerta&) const = default;
};

}  // namespace pianoamm

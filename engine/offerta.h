#pragma once

// A loan with everything entered about it: what a file keeps and what the
// comparison of offers reads.

#include "engine/costi.h"
#include "engine/detrazione.h"
#include "engine/piano.h"
#include "engine/simulazione.h"

#include <string>

namespace pianoamm {

struct Offerta {
    std::string nome;  // the offer's name (a bank's, say); may be empty
    Mutuo mutuo;
    Costi costi;
    RegoleDetrazione regole;
    Scenario scenario;
};

}  // namespace pianoamm

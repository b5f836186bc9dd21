#pragma once

// What a rise of the index would cost, under the listing: the figures of
// the plan shown beside those of the same plan with its index moved.

#include "engine/piano.h"

#include <string>

namespace pianoamm {

// A blank line, the two columns' heading, then "RATA MASSIMA", its row,
// the total interest and the total owed, laid out as the listing's summary.
std::string TestoRialzo(const Piano& piano, const Piano& rialzato, double punti);

}  // namespace pianoamm

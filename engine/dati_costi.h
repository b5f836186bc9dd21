#pragma once

// What heads the costs' outputs: the loan and the costs they are about.

#include "engine/costi.h"
#include "engine/detrazione.h"
#include "engine/piano.h"
#include "engine/tabella.h"

#include <optional>
#include <string>
#include <vector>

namespace pianoamm {

// The lines that head the costs' outputs, so that a sheet or a file says
// which loan and which costs it is about: the loan's data (amount, number
// of installments, frequency, annual rate, disbursement, the terms that are
// not the defaults, as the listing names them) and the costs entered; with regole, the
// deduction's share and limit too. Percentages are plain numbers, their
// labels ending in "(%)".
std::vector<VoceCosto> VociDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole);

// Those lines as text, "IMPORTO DEL FINANZIAMENTO  : 150.000,00" and the
// like, as TestoVoci lays them out.
std::string TestoDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole);

// Those lines as rows of a CSV file, a label and its value each.
Celle CelleDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole);

// The costs' CSV file: the lines above, then, where costo, the cost's lines
// (VociCosto, with rialzo), then the deduction's table, an empty row
// between the parts.
std::string EsportaCsvCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione& regole, bool costo,
                            std::optional<double> rialzo = std::nullopt);

}  // namespace pianoamm

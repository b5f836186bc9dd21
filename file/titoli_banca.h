#pragma once

// The headings above a bank's table: which column each names.

#include "file/colonne_banca.h"
#include "file/tabella_banca.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

// The column a heading names, in full or by the common abbreviations ("Q.
// int.", "Cap. residuo", "Importo rata"), accents and case aside; none for
// one it does not.
std::optional<RuoloColonna> RuoloDi(std::string_view titolo);

// Whether a heading names a column that is none of a row's money, left out:
// a prepayment, a rate's index, a suspension, the interest added to the
// debt, a period's days.
bool Lasciata(std::string_view titolo);

// The headings of the money columns on each line above the rows, in the
// places of the first row's cells: its blank ones, number and date left out.
// Where blanks part the cells, the two lines nearest the rows joined by the
// places of their words ("Quota" over "interessi") come first, to be tried
// last.
std::vector<std::vector<std::string>> Intestazioni(const std::vector<std::vector<CampoBanca>>& linee,
                                                   const RigaGrezza& riga);

}  // namespace pianoamm

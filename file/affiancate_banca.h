#pragma once

// A bank's table beside the plan of the loan its check found, row by row,
// as the windows show it and print it.

#include "engine/tabella.h"
#include "file/verifica_banca.h"

#include <cstddef>
#include <optional>
#include <string>

namespace pianoamm {

// The heading, then a row for each of the bank's: its number and due date,
// then for each money column the bank's table has, in the order of
// RuoliConfrontati, the bank's value and the plan's, at the column's
// precision; the totals last, the debts left out. A row past the plan's end
// has no figure of the plan.
Celle CelleAffiancate(const TabellaBanca& tabella, const Verifica& verifica);

// The same as a fixed-width text table, for printing.
std::string TestoAffiancate(const TabellaBanca& tabella, const Verifica& verifica);

// Where a cell apart is among those rows: the row (0 the first after the
// heading) and the column of the bank's value, the plan's being the next;
// none for a row or a column the table lacks.
struct PostoAffiancato {
    std::size_t riga = 0;
    std::size_t colonna = 0;
};
std::optional<PostoAffiancato> PostoDi(const TabellaBanca& tabella, const CellaDiversa& cella);

}  // namespace pianoamm

#pragma once

// The plan a bank attached to a contract, as its rows read from a CSV, a
// spreadsheet's cells pasted or a PDF's text: only the rows, the lines
// around them (titles, terms, totals, page footers) skipped unread.

#include "engine/data.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

// The money columns a plan has. Under headings, a column of amounts neither
// its heading nor the arithmetic names makes the table refused.
enum class RuoloColonna { Rata, Interessi, Capitale, Debito, Tasso };

struct ColonnaBanca {
    RuoloColonna ruolo = RuoloColonna::Rata;
    // Whether the table shows its amounts to the cent, or in whole units.
    bool centesimi = true;
};

struct RigaBanca {
    int numero = 0;
    Data scadenza;
    // One value a column, in the table's order; a blank cell is zero.
    std::vector<double> valori;
};

struct TabellaBanca {
    std::vector<ColonnaBanca> colonne;
    std::vector<RigaBanca> righe;
    // The lines with some text that are not rows.
    std::size_t righeSaltate = 0;

    // Where the column of that role is among the values; none without one.
    std::optional<std::size_t> Colonna(RuoloColonna ruolo) const;
};

// More rows than any plan has.
inline constexpr std::size_t RigheMassimeBanca = 999;
inline constexpr std::size_t DimensioneMassimaTabella = std::size_t{4} * 1024 * 1024;

// The rows of a bank's plan in text: a row is a number, a due date
// (GG/MM/AAAA, GG-MM-AAAA or GG.MM.AAAA) and the amounts, split by ";", a
// TAB, "," or blanks; each column's decimal mark is the one its amounts show
// with two decimals. The rows are numbered one after another from 0 or 1.
// The columns are named by their headings, else by their arithmetic (the
// installment the interest plus the capital, each debt the one before less
// the capital). Throws ErrorePiano, with the line at fault ("alla riga 9:
// ..."), for a table that cannot be read that way.
TabellaBanca LeggiTabellaBanca(std::string_view testo);

// The same from a file; the reasons begin with its name ("il file
// «piano.csv» alla riga 9: ...").
TabellaBanca LeggiFileTabellaBanca(const std::string& nome);

}  // namespace pianoamm

#pragma once

// The schedule in the forms users keep it in besides the listing: a CSV file
// for spreadsheets, and the interest paid in each calendar year, which
// Italian borrowers declare. Both take the values of the listing's rows as
// computed, never a second computation.

#include "engine/piano.h"

#include <span>
#include <string>
#include <vector>

namespace pianoamm {

// UTF-8 with a byte-order mark, ";" between fields, "," as decimal mark, two
// decimals, dates as GG/MM/AAAA, lines ended by CR LF: what an Italian
// spreadsheet opens as it stands. A heading row, then one row per
// installment: number, due date, interest share, capital share,
// installment, remaining debt; for a simulated plan also the capital repaid
// early on the row and the annual rate in force.
std::string EsportaCsv(const Piano& piano);

struct AnnoPiano {
    int anno = 0;  // 0 in the totals row
    int rate = 0;
    double interessi = 0;
    double capitale = 0;
    double totale = 0;
};

// One row per calendar year of the due dates, in order, then the totals row.
std::vector<AnnoPiano> InteressiPerAnno(const Piano& piano);

// The cells of a table, by rows: the heading first, the totals last.
using Celle = std::vector<std::vector<std::string>>;

// The years as cells: "Anno", "Rate", "Interessi", "Capitale", "Totale
// pagato", amounts with two decimals, grouped when raggruppa; the totals
// row's year is "Totale".
Celle CellePerAnno(const std::vector<AnnoPiano>& anni, bool raggruppa);

// The same as a fixed-width text table, each line ended by "\n".
std::string TabellaPerAnno(const std::vector<AnnoPiano>& anni);

// A column of a text table: its cells right-aligned as Tabulasin(..., ssp)
// lays them, under a rule of tratto dashes.
struct Colonna {
    int ssp;
    std::size_t tratto;
};

// A fixed-width text table: the heading, a rule, the rows, a rule, the
// totals; each line ended by "\n". The heading and the totals' label are
// written in capitals.
std::string TabellaDiTesto(std::span<const Colonna> colonne, const Celle& righe);

// A table as the CSV exports write it (see EsportaCsv).
std::string CsvDi(const Celle& righe);

}  // namespace pianoamm

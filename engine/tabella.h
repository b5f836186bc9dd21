#pragma once

// Tables as the engine gives them to every output: cells by rows, laid out
// as fixed-width text or as CSV. The windows lay the same cells out as
// their own tables.

#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pianoamm {

// The cells of a table, by rows: the heading first, the totals last.
using Celle = std::vector<std::vector<std::string>>;

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

// A table as a CSV file that an Italian spreadsheet opens as it stands:
// UTF-8 with a byte-order mark, ";" between fields, lines ended by CR LF;
// a field holding ";", a quote or a line break is quoted, its quotes doubled.
std::string CsvDi(const Celle& righe);

// A cell of text from outside the program (an offer's name, a file name) as
// a CSV must hold it: one beginning with "=", "+", "-", "@", TAB or CR gets a
// leading apostrophe, so that a spreadsheet shows it as text and never runs
// it as a formula. Figures never go through it: "-1234,56" stays a number.
std::string TestoCsv(std::string testo);

// A table by calendar year: the heading, then one row a year, the totals'
// row (year 0) as "Totale"; each row's year is followed by the cells that
// valori appends for it.
template <typename Anno, typename Valori>
Celle CelleAnnuali(std::vector<std::string> intestazione, const std::vector<Anno>& anni, Valori valori)
{
    Celle righe{std::move(intestazione)};
    righe.reserve(anni.size() + 1);
    for (const Anno& anno : anni) {
        righe.push_back({anno.anno == 0 ? "Totale" : std::to_string(anno.anno)});
        valori(anno, righe.back());
    }
    return righe;
}

// Amounts with two decimals, grouped when raggruppa, appended to a row.
void AccodaImporti(std::vector<std::string>& riga, std::initializer_list<double> importi, bool raggruppa);

}  // namespace pianoamm

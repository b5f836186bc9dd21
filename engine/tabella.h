#pragma once

// Tables as the engine gives them to every output: typed cells by rows,
// each output (fixed-width text, CSV, a window's table) writing them in its
// own way. A table is made once from the plan and never formats itself.

#include "engine/data.h"

#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pianoamm {

// What a cell holds, which decides how each output writes it: amounts are
// grouped ("1.234,56") on screen and paper and never in a CSV file, which a
// spreadsheet reads as numbers; percentages take " %" on screen only.
enum class Genere { Testo, Importo, Conto, Data, Tasso, Percentuale };

struct Cella {
    Genere genere = Genere::Testo;
    std::string testo;  // a text cell's words
    double valore = 0;  // an amount, a count, a rate
    int decimali = 0;
    Data data;

    bool operator==(const Cella&) const = default;
};

inline Cella CellaTesto(std::string testo)
{
    return {Genere::Testo, std::move(testo), 0, 0, {}};
}
inline Cella CellaImporto(double valore)
{
    return {Genere::Importo, {}, valore, 2, {}};
}
inline Cella CellaConto(long long valore)
{
    return {Genere::Conto, {}, static_cast<double>(valore), 0, {}};
}
inline Cella CellaData(const Data& data)
{
    return {Genere::Data, {}, 0, 0, data};
}
// A rate with its decimals, never grouped and with no unit.
inline Cella CellaTasso(double valore, int decimali)
{
    return {Genere::Tasso, {}, valore, decimali, {}};
}
// A percentage with two decimals, "3,71 %" on screen.
inline Cella CellaPercentuale(double valore)
{
    return {Genere::Percentuale, {}, valore, 2, {}};
}
// A rate as entered: two decimals, or up to the four the command line and
// the file take.
Cella CellaTassoInserito(double valore);

// The cells of a table, by rows: the heading first, the totals last.
using Celle = std::vector<std::vector<Cella>>;

// A cell as a window, a text table or paper shows it (schermo), or as a CSV
// file holds it.
std::string TestoCella(const Cella& cella, bool schermo = true);

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
// A text beginning with "=", "+", "-", "@", TAB or CR (an offer's name) gets
// a leading apostrophe, so that a spreadsheet shows it as text and never
// runs it as a formula; figures never do: "-1234,56" stays a number.
std::string CsvDi(const Celle& righe);

// A table by calendar year: the heading, then one row a year, the totals'
// row (year 0) as "Totale"; each row's year is followed by the cells that
// valori appends for it.
template <typename Anno, typename Valori>
Celle CelleAnnuali(const std::vector<std::string>& intestazione, const std::vector<Anno>& anni, Valori valori)
{
    Celle righe(1);
    for (const std::string& titolo : intestazione)
        righe[0].push_back(CellaTesto(titolo));
    righe.reserve(anni.size() + 1);
    for (const Anno& anno : anni) {
        righe.push_back({anno.anno == 0 ? CellaTesto("Totale") : CellaConto(anno.anno)});
        valori(anno, righe.back());
    }
    return righe;
}

// Amounts appended to a row.
void AccodaImporti(std::vector<Cella>& riga, std::initializer_list<double> importi);

}  // namespace pianoamm

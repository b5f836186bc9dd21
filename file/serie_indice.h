#pragma once

// The index's series as a spreadsheet writes it, a line "GG/MM/AAAA;valore"
// each: read by the command line's --indice and by the window's import, with
// the same reasons, the line at fault named.

#include "engine/data.h"
#include "engine/tasso_variabile.h"

#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

// A date written GG/MM/AAAA. Throws ErrorePiano, quoting the text, for any
// other.
Data DataDaTesto(std::string_view testo);

// One value of the series from its date and its number as written, ","
// or "." before the decimals. Throws ErrorePiano with the reason.
ValoreIndice ValoreIndiceDa(std::string_view data, std::string_view valore);

// valore appended to serie; throws ErrorePiano unless its date comes after
// the last one's.
void AggiungiValore(std::vector<ValoreIndice>& serie, const ValoreIndice& valore);

// The index's values in a CSV's text: a line "GG/MM/AAAA;valore" each, the
// dates growing, a heading allowed before them. Throws ErrorePiano, with the
// line at fault ("alla riga 3: ..."), for any other text, or more than
// 2.000 lines.
std::vector<ValoreIndice> IndiceDaCsv(std::string_view testo);

// The same from a file; the reasons begin with its name ("il file
// «indice.csv» alla riga 3: ...").
std::vector<ValoreIndice> LeggiFileIndice(const std::string& nome);

}  // namespace pianoamm

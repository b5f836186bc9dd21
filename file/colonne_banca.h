#pragma once

// The bank's table between its lines and its columns: the rows as written,
// which the columns' decimal marks and roles are then decided from.

#include "engine/errore.h"
#include "file/tabella_banca.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pianoamm {

// An amount as written, "€" and blanks taken off, and where it stands on its
// line: where blanks alone part the cells, a blank cell is only seen by
// the places of the others.
struct CampoBanca {
    std::string testo;
    std::size_t fine = 0;
    std::size_t inizio = 0;
};

struct RigaGrezza {
    std::size_t linea = 0;
    int numero = 0;
    Data scadenza;
    std::vector<CampoBanca> importi;
    // ';', TAB or ','; none where blanks part the cells.
    char separatore = '\0';
    // The blank cells before the number (a spreadsheet pasted from its
    // second column on), and whether the number is the last cell.
    std::size_t vuote = 0;
    bool numeroInFondo = false;
};

// A reason under the line it is about ("alla riga 9: ...").
ErrorePiano AllaRiga(std::size_t linea, const std::string& motivo);

// The table from its rows, with the headings of its money columns: of
// intestazioni (the lines above them, in the rows' order) the one that
// names the most columns, two at least. Throws ErrorePiano, with the line
// at fault, for an amount that cannot be read, rows whose cells do not line
// up, or a column of amounts neither headings nor arithmetic name.
TabellaBanca ColonneBanca(const std::vector<RigaGrezza>& righe,
                          const std::vector<std::vector<std::string>>& intestazioni);

}  // namespace pianoamm

#pragma once

#include "engine/listato.h"

#include <QList>
#include <QStringList>

namespace pianoamm {

// The printout's pages, as plain lines: every line behind a margin of five
// spaces, 65 lines a page, and on every page after the first a blank line
// and the heading. A page is started only when another line follows, so no
// page ever holds the heading alone.
inline constexpr int RighePerPagina = 65;

QList<QStringList> Impagina(const QStringList& righe, const QStringList& intestazione);

// The listing's pages, its column heading and rule repeated; another
// text's pages with no heading.
QList<QStringList> PagineDelListato(const Listato& listato);

}  // namespace pianoamm

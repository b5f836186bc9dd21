#pragma once

#include "engine/listato.h"

#include <QList>
#include <QStringList>

// The printout's pages, as plain lines: every list line behind a margin of
// five spaces, 65 lines a page, and on every page after the first a blank
// line, the listing's column heading and its rule (list lines 9 and 10). A page
// is started only when another list line follows, so no page ever holds the
// heading alone.
inline constexpr int RighePerPagina = 65;

QList<QStringList> Impagina(const QStringList& righe);

// The engine's listing as the list of lines the window shows and printing reads.
QStringList RigheDelListato(const pianoamm::Listato& listato);

#pragma once

#include "engine/tabella.h"

class QSize;
class QTableWidget;
class QWidget;

namespace pianoamm {

// A table of calendar years, read-only and selected by rows: the cells'
// first row is its heading, the last one the totals, in bold. The year on
// the left, the numbers on the right.
QTableWidget* CreaTabellaAnni(const pianoamm::Celle& celle, QWidget* parent);

// The same table filled anew.
void RiempiTabellaAnni(QTableWidget* tabella, const pianoamm::Celle& celle);

// The size at which the table shows every row and every column whole, its
// heading and frame included: each of its equal columns as wide as the
// widest needs, with room for a scroll bar should the window be made
// smaller than this.
QSize MisuraTabellaAnni(const QTableWidget* tabella);

}  // namespace pianoamm

#pragma once

#include "engine/tabella.h"

class QTableWidget;
class QWidget;

namespace pianoamm {

// A table of calendar years, read-only and selected by rows: the cells'
// first row is its heading, the last one the totals, in bold. The year on
// the left, the numbers on the right.
QTableWidget* CreaTabellaAnni(const pianoamm::Celle& celle, QWidget* parent);

// The same table filled anew.
void RiempiTabellaAnni(QTableWidget* tabella, const pianoamm::Celle& celle);

}  // namespace pianoamm

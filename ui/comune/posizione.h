#pragma once

class QWidget;

namespace pianoamm {

// A window that stays open beside another goes to its right, or to its
// left where the screen has no room, top edges level, or else in the
// middle of the screen; never past the screen's free area, and made
// smaller where it would not fit, its contents then scrolled, so that no
// part of it is out of reach.
void PosizionaAccanto(QWidget* finestra, const QWidget* accanto);

}  // namespace pianoamm

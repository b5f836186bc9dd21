#pragma once

class QWidget;

namespace pianoamm {

// A window that stays open beside another goes to its right, or to its
// left where the screen has no room, top edges level. Where the screen is
// wide enough for both but neither side has room, the other window moves
// aside to make it (where the window manager lets a program place its
// windows: X11, not Wayland). Else the window goes in the middle of the
// screen. Never past the screen's free area, and made smaller where it
// would not fit, its contents then scrolled, so that no part of it is out
// of reach.
void PosizionaAccanto(QWidget* finestra, QWidget* accanto);

}  // namespace pianoamm

#pragma once

class QDialogButtonBox;
class QPushButton;
class QString;
class QWidget;

namespace pianoamm {

// Makes Return and the keypad's Enter click the window's push and tool
// buttons that have the focus, as Space does, and no other: none of them is
// a default button (which would change how it looks, and in a dialog would
// take Return typed in a field). Radio buttons and check boxes keep their
// own keys. For the buttons the window has when called.
void InvioCliccaIBottoni(QWidget* finestra);

// A button of the window's own actions in bottoni, named nome, told to a
// screen reader by its text without the access key and the ellipsis.
QPushButton* BottoneAzione(QDialogButtonBox* bottoni, const QString& testo, const char* nome);

}  // namespace pianoamm

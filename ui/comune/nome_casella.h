#pragma once

class QComboBox;

namespace pianoamm {

// An editable combo named for a screen reader by its accessible name, as
// set from its label: left to Qt, on Linux it is named by the value it
// shows ("4.000,00"), which then says nothing of what it is for.
void NomeDallaEtichetta(QComboBox* casella);

}  // namespace pianoamm

#pragma once

#include <QFont>

class QColor;
class QWidget;

namespace pianoamm {

// The look the windows share: the dialog font of the desktop the program was
// drawn for, with its metric twins where it is missing, and coloured text.
QFont CarattereDialogo(qreal punti);
void ColoreTesto(QWidget* controllo, const QColor& colore);

}  // namespace pianoamm

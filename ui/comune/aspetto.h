#pragma once

#include <QFont>
#include <QString>

class QColor;
class QLineEdit;
class QWidget;

namespace pianoamm {

// The look the windows share: the dialog font of the desktop the program was
// drawn for, with its metric twins where it is missing, and coloured text.
QFont CarattereDialogo(qreal punti);
void ColoreTesto(QWidget* controllo, const QColor& colore);
// A field whose text is not a value shows it in red, the tip saying why;
// a valid one is as ever.
void SegnaNonValido(QWidget* campo, bool valido, const QString& perche);

// A result: read, selected and copied, reached with Tab, and read by a
// screen reader by nome, or where that is empty by the label of its row.
QLineEdit* CampoDiLettura(QWidget* genitore, const QString& oggetto, const QString& nome);

// An amount or a rate as the windows show it: two decimals, "." every
// three digits ("1.234,50").
QString DueDecimali(double valore);

}  // namespace pianoamm

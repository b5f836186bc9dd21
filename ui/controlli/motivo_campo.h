#pragma once

#include <QLabel>
#include <QString>

class QFormLayout;

namespace pianoamm {

class CampoNumerico;

// Why a value was refused or what it risks, in red beside what it is about:
// shown only while there is something to say, and a screen reader's alert,
// so that it is heard as well as seen.
class MotivoCampo : public QLabel {
    Q_OBJECT

public:
    // In modulo, the label hides its whole row when empty.
    explicit MotivoCampo(QWidget* parent, QFormLayout* modulo = nullptr);

    // Empty hides it.
    void Mostra(const QString& motivo);

private:
    QFormLayout* riga;
};

// A reason's row across modulo, hidden until there is one.
MotivoCampo* RigaMotivo(QFormLayout* modulo);

// The field as a form's row (or the control that holds it, as a combo
// holds its editor), and under it, across the form, the reason of its last
// refusal until the next value is taken. Returns that reason's label, for
// a warning of the window's own.
MotivoCampo* RigaConMotivo(QFormLayout* modulo, const QString& etichetta, CampoNumerico* campo,
                           QWidget* contenitore = nullptr);

}  // namespace pianoamm

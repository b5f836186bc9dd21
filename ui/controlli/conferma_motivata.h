#pragma once

#include <QString>

#include <optional>

class QDialog;
class QPushButton;
class QVBoxLayout;

namespace pianoamm {

class MotivoCampo;

// The foot of a dialog whose values may be refused: the reason, in red,
// then OK and Annulla; OK is enabled only while there is no reason. A
// reason that appears while the dialog is open makes it taller, not the
// fields' notes shorter.
class ConfermaMotivata {
public:
    // conferma is the OK button's text.
    ConfermaMotivata(QDialog* dialogo, QVBoxLayout* impaginazione, const QString& conferma = QStringLiteral("OK"));

    void Mostra(const std::optional<QString>& motivo);

private:
    QDialog* finestra;
    MotivoCampo* lblMotivo;
    QPushButton* cmdOk;
};

}  // namespace pianoamm

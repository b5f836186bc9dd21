#pragma once

#include <QString>

#include <optional>

class QDialog;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace pianoamm {

// The foot of a dialog whose values may be refused: the reason, in red,
// then OK and Annulla; OK is enabled only while there is no reason. A
// reason that appears while the dialog is open makes it taller, not the
// fields' notes shorter.
class ConfermaMotivata {
public:
    ConfermaMotivata(QDialog* dialogo, QVBoxLayout* impaginazione);

    void Mostra(const std::optional<QString>& motivo);

private:
    QDialog* finestra;
    QLabel* lblMotivo;
    QPushButton* cmdOk;
};

}  // namespace pianoamm

#pragma once

#include "ui/azioni/eventi_simulati.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;

namespace pianoamm {

// One event of a simulation as the user writes it, after an installment up
// to ultimaRata (or further, where the event given already is: it opens as
// it is). Each kind has its own fields. OK is enabled only while verifica
// finds nothing wrong with it; else its reason is shown.
class DlgEvento : public QDialog {
    Q_OBJECT

public:
    using Verifica = std::function<std::optional<QString>(const Evento&)>;

    DlgEvento(const Evento& evento, int ultimaRata, Verifica controllo, QWidget* parent);

    Evento Scelto() const { return leggi(); }

private:
    void Controlla();

    Verifica verifica;
    // The event as the fields say it.
    std::function<Evento()> leggi;
    QLabel* lblMotivo;
    QPushButton* cmdOk;
};

}  // namespace pianoamm

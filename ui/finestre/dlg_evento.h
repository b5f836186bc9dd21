#pragma once

#include "ui/azioni/eventi_simulati.h"

#include <QDialog>

#include <functional>
#include <optional>

class QFormLayout;
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
    // The kind's fields under the installment's; each sets leggi.
    void Campi(const Estinzione& estinzione, QFormLayout* modulo);
    void Campi(const Variazione& variazione, QFormLayout* modulo);
    void Campi(const Sospensione& sospensione, QFormLayout* modulo);
    void Controlla();

    Verifica verifica;
    std::function<Evento()> leggi;
    QSpinBox* spnRata;
    QLabel* lblMotivo;
    QPushButton* cmdOk;
};

}  // namespace pianoamm

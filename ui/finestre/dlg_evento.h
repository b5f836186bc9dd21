#pragma once

#include "ui/azioni/eventi_simulati.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pianoamm {

class CampoNumerico;

// One event of a simulation as the user writes it: an early repayment or a
// rate change after an installment, up to ultimaRata (or further, where the
// event given already is: it opens as it is). OK is enabled only while
// verifica finds nothing wrong with it; else its reason is shown.
class DlgEvento : public QDialog {
    Q_OBJECT

public:
    using Verifica = std::function<std::optional<QString>(const Evento&)>;

    DlgEvento(const Evento& evento, int ultimaRata, Verifica controllo, QWidget* parent);

    Evento Scelto() const;

private:
    void Controlla();

    bool estinzione;
    Verifica verifica;
    QSpinBox* spnRata;
    CampoNumerico* txtValore;  // the amount repaid, or the new rate
    QCheckBox* chkTutto = nullptr;
    QRadioButton* optDurata = nullptr;
    QLabel* lblMotivo;
    QPushButton* cmdOk;
};

}  // namespace pianoamm

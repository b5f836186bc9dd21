#pragma once

#include "engine/condizioni.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace pianoamm {

class CampoNumerico;

// The plan's terms where banks differ, each with a line saying what it
// does; the defaults are the program's own rules. OK is enabled only while
// the terms fit a loan of importo; else the reason is shown.
class DlgCondizioni : public QDialog {
    Q_OBJECT

public:
    DlgCondizioni(const Condizioni& condizioni, double importoMutuo, QWidget* parent);

    Condizioni Scelte() const;

private:
    void Controlla();

    double importo;
    QComboBox* cboTassoPeriodo;
    CampoNumerico* txtMaxiRata;
    QSpinBox* spnPreammortamento;
    QLabel* lblMotivo;
    QPushButton* cmdOk;
};

}  // namespace pianoamm

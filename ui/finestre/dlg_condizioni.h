#pragma once

#include "engine/piano.h"

#include <QDialog>

#include <memory>
#include <optional>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace pianoamm {

class CampoNumerico;
class ConfermaMotivata;
class GruppoTassoVariabile;

// The plan's terms where banks differ, each with a line saying what it
// does; the defaults are the program's own rules. Shows the loan's terms;
// OK is enabled only while the terms chosen fit the loan; else the engine's
// reason is shown.
class DlgCondizioni : public QDialog {
    Q_OBJECT

public:
    DlgCondizioni(const Mutuo& mutuo, QWidget* parent);
    ~DlgCondizioni() override;

    Condizioni Scelte() const;

private:
    void Controlla();
    // The first due date as written: none while it is the one a period
    // after the disbursement, so that it follows the disbursement date.
    std::optional<Data> PrimaScadenza() const;

    Mutuo mutuoDato;
    QComboBox* cboArrotondamento;
    QComboBox* cboTassoPeriodo;
    QComboBox* cboMetodo;
    CampoNumerico* txtMaxiRata;
    QSpinBox* spnPreammortamento;
    QLineEdit* txtPrimaScadenza;
    QComboBox* cboBaseGiorni;
    QComboBox* cboInteressiGiorni;
    GruppoTassoVariabile* grpTassoVariabile;
    std::unique_ptr<ConfermaMotivata> conferma;
};

}  // namespace pianoamm

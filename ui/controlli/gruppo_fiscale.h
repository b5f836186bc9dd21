#pragma once

#include "engine/detrazione.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;

namespace pianoamm {

class CampoNumerico;

// The borrower's figures the deduction's later rules depend on, in a group
// that is off until ticked: off, the deduction is the plain 19 %. A purchase
// cost of 0 and an empty signing date are not given (the date is then the
// disbursement's); a figure not given at first stays so while its field
// shows the 0 it stands for.
class GruppoFiscale : public QGroupBox {
    Q_OBJECT

public:
    GruppoFiscale(const DatiFiscali& iniziali, QWidget* parent);

    DatiFiscali Dati() const;

signals:
    void Cambiato();

private:
    CampoNumerico* Campo(const QString& etichetta, const char* nome, const Limite& limite, double iniziale);

    CampoNumerico* txtCostoAcquisto;
    CampoNumerico* txtReddito;
    QComboBox* cboFigli;
    CampoNumerico* txtAltriOneri;
    QLineEdit* txtDataContratto;
    DatiFiscali dati;  // as given at first
};

}  // namespace pianoamm

#pragma once

#include "engine/piano.h"

#include <QWidget>

class QLineEdit;

namespace pianoamm {

class CampoNumerico;

// The wizard's first page: the loan's amount, number of installments, annual
// rate and disbursement date, which starts as today. The date is checked at
// every change, and the field shows in red, with a tip, while it is not one.
class PaginaDati : public QWidget {
    Q_OBJECT

public:
    explicit PaginaDati(QWidget* parent);

    bool DataValida() const;
    double Importo() const;
    // The loan as entered, due at the given frequency on the given terms;
    // only while the date is valid.
    pianoamm::Mutuo LeggiMutuo(pianoamm::Cadenza cadenza, const Condizioni& condizioni) const;

signals:
    void DataCambiata();

private:
    void ControllaData();

    CampoNumerico* txtImporto;
    CampoNumerico* txtNumRate;
    CampoNumerico* txtTasso;
    QLineEdit* txtData;
};

}  // namespace pianoamm

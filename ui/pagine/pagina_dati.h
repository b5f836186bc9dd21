#pragma once

#include "engine/piano.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace pianoamm {

class CampoNumerico;
class ModelloOfferta;

// The wizard's first page: the loan's amount, number of installments, annual
// rate and disbursement date, which starts as today. The date is checked at
// every change, and the field shows in red, with a tip, while it is not one;
// the loan keeps the last date it was. "Calcola dalla rata…" works one of
// the first three out of an installment.
class PaginaDati : public QWidget {
    Q_OBJECT

public:
    PaginaDati(ModelloOfferta& modello, QWidget* parent);

    bool DataValida() const;

signals:
    void DataCambiata();

private:
    void ControllaData();
    // What is typed, to the loan.
    void Leggi();
    // The loan's figures, where a field shows another value.
    void Mostra();
    void DallaRata();

    CampoNumerico* txtImporto;
    CampoNumerico* txtNumRate;
    CampoNumerico* txtTasso;
    QLineEdit* txtData;
    QPushButton* cmdDallaRata;
    ModelloOfferta& offerta;
    // While the fields show the loan, what they tell is no new value.
    bool mostrando = false;
};

}  // namespace pianoamm

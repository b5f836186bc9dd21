#pragma once

#include "engine/piano.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace pianoamm {

class CampoNumerico;

// The wizard's first page: the loan's amount, number of installments, annual
// rate and disbursement date, which starts as today. The date is checked at
// every change, and the field shows in red, with a tip, while it is not one.
// "Calcola dalla rata…" works one of the first three out of an installment.
class PaginaDati : public QWidget {
    Q_OBJECT

public:
    explicit PaginaDati(QWidget* parent);

    bool DataValida() const;
    double Importo() const;
    // The loan as entered, due at the given frequency on the given terms;
    // only while the date is valid.
    pianoamm::Mutuo LeggiMutuo(pianoamm::Cadenza cadenza, const Condizioni& condizioni) const;
    // Shows the loan's amount, installments, rate and date.
    void Imposta(const pianoamm::Mutuo& mutuo);
    // Where the values worked back from an installment learn the frequency
    // and terms of the next page, and give back the frequency chosen.
    void ImpostaCadenza(std::function<pianoamm::Mutuo(const pianoamm::Mutuo&)> completa,
                        std::function<void(pianoamm::Cadenza)> scegli)
    {
        completaMutuo = std::move(completa);
        scegliCadenza = std::move(scegli);
    }

signals:
    void DataCambiata();

private:
    void ControllaData();
    void DallaRata();

    CampoNumerico* txtImporto;
    CampoNumerico* txtNumRate;
    CampoNumerico* txtTasso;
    QLineEdit* txtData;
    QPushButton* cmdDallaRata;
    std::function<pianoamm::Mutuo(const pianoamm::Mutuo&)> completaMutuo = [](const pianoamm::Mutuo& m) { return m; };
    std::function<void(pianoamm::Cadenza)> scegliCadenza = [](pianoamm::Cadenza) {};
};

}  // namespace pianoamm

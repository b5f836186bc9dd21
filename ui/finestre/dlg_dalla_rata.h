#pragma once

#include "engine/inverso.h"
#include "engine/piano.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;

namespace pianoamm {

class CampoNumerico;
class ConfermaMotivata;

// Works a loan's value back from an installment: the installment, which
// value is unknown, the other two and the frequency, as the wizard has them,
// on the plan's terms. The answer shows as the values are typed, or the
// reason there is none; Usa gives it to the wizard's data page.
class DlgDallaRata : public QDialog {
    Q_OBJECT

public:
    DlgDallaRata(const Mutuo& noto, QWidget* parent);
    ~DlgDallaRata() override;

    // The loan with the value found, the rate at the data page's two
    // decimals; only after Usa.
    const Mutuo& Trovato() const { return trovato; }
    Incognita Cercata() const;

private:
    void Calcola();

    Mutuo mutuo;
    Mutuo trovato;
    CampoNumerico* txtRata;
    QComboBox* cboIncognita;
    CampoNumerico* txtImportoNoto;
    CampoNumerico* txtNumRateNoto;
    CampoNumerico* txtTassoNoto;
    QComboBox* cboCadenza;
    QLabel* lblRisposta;
    std::unique_ptr<ConfermaMotivata> conferma;
};

}  // namespace pianoamm

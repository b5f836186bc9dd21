#pragma once

#include "engine/condizioni.h"
#include "engine/simulazione.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace pianoamm {

// How a simulation compares with its plan: the interest and what the
// events save or cost, then the two ends side by side (last due date,
// count of installments, the installment after the last event) and the
// months saved, shown only when there are. Every figure is a read-only
// field, reached with Tab and named for a screen reader.
class ConfrontoSimulazione : public QGroupBox {
    Q_OBJECT

public:
    // The installment's row is named as the plan's method calls it.
    ConfrontoSimulazione(const pianoamm::Condizioni& condizioni, QWidget* parent);

    // Nothing shows where there is no simulation to compare.
    void Mostra(const pianoamm::Simulazione* simulazione);

private:
    void CreaFini(const pianoamm::Condizioni& condizioni);
    void MostraFini(const pianoamm::Simulazione* simulazione);

    std::array<QLineEdit*, 5> txtConfronto{};
    std::array<QLineEdit*, 3> txtFinePiano{};
    // With the months saved last.
    std::array<QLineEdit*, 4> txtFineSimulazione{};
    QLabel* lblRisparmio = nullptr;  // or the greater cost's
    QLabel* lblMesiRisparmiati = nullptr;
};

}  // namespace pianoamm

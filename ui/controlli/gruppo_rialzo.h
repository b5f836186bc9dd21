#pragma once

#include "engine/costi.h"
#include "engine/piano.h"

#include <QGroupBox>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;

namespace pianoamm {

class CampoNumerico;

// What a rise of a variable rate's index would cost, in the costs' window
// beside the TAEG it is read against: the points of the rise, typed or set
// with +1, +2 or +3, then the TAEG at the contract's level (the information
// sheet's) and with the rise, the highest installment and the total
// interest on the series entered and with the rise. Hidden for a loan at a
// fixed rate.
class GruppoRialzo : public QGroupBox {
    Q_OBJECT

public:
    explicit GruppoRialzo(QWidget* parent);

    // The figures of piano and its costs, worked out again.
    void Mostra(const pianoamm::Piano& piano, const pianoamm::Costi& costi);
    // The points of the rise, for a loan at a variable rate.
    std::optional<double> Rialzo() const;

private:
    void Aggiorna();

    CampoNumerico* txtRialzo;
    std::array<QPushButton*, 3> cmdRialzo{};
    // TAEG at the contract's level, TAEG with the rise, highest
    // installment, total interest.
    std::array<QLineEdit*, 4> txtRisultati{};
    pianoamm::Piano piano;
    pianoamm::Costi costi;
};

}  // namespace pianoamm

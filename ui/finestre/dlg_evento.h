#pragma once

#include "engine/simulazione.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSpinBox;

namespace pianoamm {

class ConfermaMotivata;

// One event of a simulation as the user writes it, after an installment up
// to the one before the last of the plan without it, senza (or further,
// where the event given already is: it opens as it is). Under the
// installment, as it changes, its due date and the debt left after it in
// that plan. Each kind has its own fields.
// OK is enabled only while verifica finds nothing wrong with it; else its
// reason is shown.
class DlgEvento : public QDialog {
    Q_OBJECT

public:
    using Verifica = std::function<std::optional<QString>(const Evento&)>;

    DlgEvento(const Evento& evento, std::vector<RigaPiano> senza, Verifica controllo, QWidget* parent);
    ~DlgEvento() override;

    Evento Scelto() const { return leggi(); }

private:
    void Controlla();

    Verifica verifica;
    // The event as the fields say it.
    std::function<Evento()> leggi;
    std::unique_ptr<ConfermaMotivata> conferma;
};

}  // namespace pianoamm

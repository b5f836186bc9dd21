#pragma once

#include "engine/data.h"
#include "engine/piano.h"
#include "engine/simulazione.h"
#include "ui/controlli/esito_voci.h"

#include <QDialog>

#include <variant>

namespace pianoamm {

// The plan a window shows: the listing's, or a simulation's, its events
// applied.
using PianoMostrato = std::variant<pianoamm::Piano, pianoamm::Simulazione>;
const pianoamm::Piano& PianoDi(const PianoMostrato& mostrato);

// Today, where the plan runs then; else its nearest end: the disbursement,
// or the last due date.
pianoamm::Data GiornoProposto(const pianoamm::Piano& piano);

// What closing the loan costs on the day typed (conteggio estintivo): the
// installments paid by then, the debt, the days' interest, the penalty and
// the total, worked out again as the day is typed. A day that is not one,
// or that the plan cannot take, is refused beside the field with the
// reason, and nothing is shown, copied or saved until it is mended.
class DlgEstinzione : public QDialog {
    Q_OBJECT

public:
    // penale: percent of the debt, as the simulation's penalty.
    DlgEstinzione(PianoMostrato mostrato, double penale, QWidget* parent);

private:
    void Aggiorna();

    PianoMostrato piano;
    double penaleEstinzione;
    CampoGiorno giorno;
    EsitoVoci* txtEsito;
};

}  // namespace pianoamm

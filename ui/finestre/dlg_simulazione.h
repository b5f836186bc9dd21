#pragma once

#include "engine/giudizio.h"
#include "engine/listato.h"
#include "engine/piano.h"

#include <QDialog>

#include <array>
#include <vector>

class QDialogButtonBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace pianoamm {

class CampoNumerico;
class ConfrontoSimulazione;
class MotivoCampo;
class GraficoPiano;
class ModelloOfferta;

// What if: the plan with early repayments and rate changes the user adds,
// changes and removes, worked out again at each change: its listing, how
// it compares with the plan (the interest, then the two ends side by side),
// and the charts of both. The events are listed, and kept, by installment.
// An event the plan cannot take is listed with its reason, and then there
// are no results, nor anything to print, save, export or copy, until it is
// mended or removed. Not modal; what is typed goes to the loan.
class DlgSimulazione : public QDialog {
    Q_OBJECT

public:
    // Shows the events and penalty of modello, whose plan is pianoMostrato.
    DlgSimulazione(pianoamm::Piano pianoMostrato, ModelloOfferta& modello, QWidget* parent);

    // Asks for a new event of evento's kind, after its installment; a rate
    // change at the rate then in force offers another.
    void Aggiungi(const Evento& evento);
    // Takes these events in place of those listed, as though typed.
    void ImpostaEventi(std::vector<Evento> nuovi);

private:
    QGroupBox* CreaEventi();
    QDialogButtonBox* CreaBottoni();
    void Modifica();
    void Rimuovi();
    // The kind's event after the installment of the simulated listing's
    // current line, as far as the simulated plan goes; where that line has
    // none, as it is.
    Evento DopoLaRigaScelta(Evento evento) const;
    // The editor for one event: the one at indice, or a new one.
    void Chiedi(const Evento& evento, std::size_t indice);
    // The events in the engine's order (OrdineDelPiano); gives where the
    // one at indice went.
    std::size_t Ordina(std::size_t indice);
    void Aggiorna();
    void MostraEventi();
    void MostraRisultati();

    pianoamm::Piano piano;
    ModelloOfferta& offerta;
    // The events as listed: in the plan's order once a change is made.
    Scenario scenario;
    Giudizio giudizio;
    pianoamm::Listato listato;
    QListWidget* lstEventi = nullptr;
    CampoNumerico* txtPenale = nullptr;
    MotivoCampo* lblAvviso = nullptr;
    ConfrontoSimulazione* grpConfronto = nullptr;
    QListWidget* lstSimulata = nullptr;
    GraficoPiano* grfSimulazione = nullptr;
    // Print, PDF, CSV, copy, the payoff on a day, picture: only while
    // there are results.
    std::vector<QPushButton*> cmdEsportazioni;
};

}  // namespace pianoamm

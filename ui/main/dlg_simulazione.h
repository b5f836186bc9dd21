#pragma once

#include "engine/listato.h"
#include "engine/piano.h"
#include "ui/main/dlg_evento.h"

#include <QDialog>

#include <array>
#include <vector>

class CampoNumerico;
class GraficoPiano;
class QLabel;
class QListWidget;

// What if: the plan with early repayments and rate changes the user adds,
// changes and removes, worked out again at each change: its listing, how
// it compares with the plan, and the charts of both. Not modal; printed,
// saved, exported and copied like the plan.
class DlgSimulazione : public QDialog {
    Q_OBJECT

public:
    DlgSimulazione(pianoamm::Piano pianoMostrato, QWidget* parent);

    // Asks for a new event of evento's kind, after its installment.
    void Aggiungi(const EventoSimulato& evento);
    // Takes these events in place of those listed, as though typed.
    void ImpostaEventi(std::vector<EventoSimulato> nuovi);

private:
    void Modifica();
    void Rimuovi();
    // The editor for one event: the one at indice, or a new one.
    void Chiedi(const EventoSimulato& evento, std::size_t indice);
    pianoamm::Scenario ScenarioDi(const std::vector<EventoSimulato>& lista) const;
    void Aggiorna();

    pianoamm::Piano piano;
    std::vector<EventoSimulato> eventi;
    pianoamm::Piano simulato;
    pianoamm::Listato listato;
    QListWidget* listaEventi;
    CampoNumerico* txtPenale;
    std::array<QLabel*, 5> confronto{};
    QListWidget* listaSimulata;
    GraficoPiano* grafico;
};

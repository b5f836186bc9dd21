#pragma once

#include "engine/listato.h"
#include "engine/piano.h"
#include "ui/finestre/dlg_cambio.h"
#include "ui/finestre/dlg_costi.h"
#include "ui/finestre/dlg_simulazione.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QMenu;
class QToolButton;

namespace pianoamm {

class ModelloOfferta;

// The wizard's last page: the plan's listing, with the buttons to print it
// and to visit the maker's site, and a context menu to copy, save, export
// and sum it by year, to work out its costs, what closing it costs on a
// day and what changing lender would save, to chart it and to simulate
// early repayments and rate changes. Everything it does reads
// the plan it computed last. A plan the engine refuses shows its reason in
// place of the listing, and nothing that needs a plan is offered.
class PaginaRisultato : public QWidget {
    Q_OBJECT

public:
    PaginaRisultato(ModelloOfferta& modello, QWidget* parent);

    // Computes the plan anew and lists it; where the engine refuses the
    // loan, the reason takes the listing's place.
    void ElaboraPiano(const pianoamm::Mutuo& dati);
    // The listing from its first row and column, as for a loan just opened:
    // the lines listed anew keep the place scrolled to before.
    void DallInizio();
    // What the window adds to the listing's menu: its files.
    void ImpostaVociFile(std::function<void(QMenu*)> voci) { vociFile = std::move(voci); }
    // The costs', the change's and the simulation's windows, about the
    // plan shown.
    void ChiudiDialoghi();

protected:
    // Leaving the page closes the costs', the change's and the
    // simulation's windows: they are about this plan.
    void hideEvent(QHideEvent* evento) override;

private:
    void StampaPiano();
    void MenuContestuale(const QPoint& globale);
    void VociPiano(QMenu& menu);
    void MostraCosti();
    void MostraCambio();
    void CambiaCondizioni();
    // Opens the simulation, with a new event of evento's kind after the
    // selected installment.
    void Simula(Evento evento);

    QListWidget* lstPiano;
    QLabel* lblMotivo;  // why there is no plan, where the listing would be
    QToolButton* cmdPrint;
    // The loan last given, whether or not it has a plan.
    pianoamm::Mutuo mutuo;
    // None while the list is empty.
    std::optional<pianoamm::Piano> piano;
    pianoamm::Listato listato;
    ModelloOfferta& offerta;
    QPointer<DlgCosti> dlgCosti;
    QPointer<DlgSimulazione> dlgSimulazione;
    QPointer<DlgCambio> dlgCambio;
    std::function<void(QMenu*)> vociFile = [](QMenu*) {};
};

}  // namespace pianoamm

#pragma once

#include "engine/listato.h"
#include "engine/piano.h"
#include "ui/azioni/eventi_simulati.h"

#include <QDialog>

#include <array>
#include <vector>

class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace pianoamm {

class CampoNumerico;
class GraficoPiano;

// What if: the plan with early repayments and rate changes the user adds,
// changes and removes, worked out again at each change: its listing, how
// it compares with the plan, and the charts of both. An event the plan
// cannot take is listed with its reason, and then there are no results,
// nor anything to print, save, export or copy, until it is mended or
// removed. Not modal; what is typed is kept in valori for the next time.
class DlgSimulazione : public QDialog {
    Q_OBJECT

public:
    struct Valori {
        std::vector<Evento> eventi;
        double penale = 0;
    };

    DlgSimulazione(pianoamm::Piano pianoMostrato, Valori& valoriSessione, QWidget* parent);

    // Asks for a new event of evento's kind, after its installment.
    void Aggiungi(const Evento& evento);
    // Takes these events in place of those listed, as though typed.
    void ImpostaEventi(std::vector<Evento> nuovi);

private:
    QGroupBox* CreaEventi();
    QGroupBox* CreaConfronto();
    QDialogButtonBox* CreaBottoni();
    void Modifica();
    void Rimuovi();
    // The editor for one event: the one at indice, or a new one.
    void Chiedi(const Evento& evento, std::size_t indice);
    void Aggiorna();
    void MostraEventi();
    void MostraRisultati();

    pianoamm::Piano piano;
    Valori& valori;
    Giudizio giudizio;
    pianoamm::Listato listato;
    QListWidget* lstEventi = nullptr;
    CampoNumerico* txtPenale = nullptr;
    QLabel* lblAvviso = nullptr;
    std::array<QLabel*, 5> lblConfronto{};
    QListWidget* lstSimulata = nullptr;
    GraficoPiano* grfSimulazione = nullptr;
    // Print, PDF, CSV, copy, picture: only while there are results.
    std::vector<QPushButton*> cmdEsportazioni;
};

}  // namespace pianoamm

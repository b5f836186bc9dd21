#pragma once

#include "engine/confronto.h"
#include "engine/offerta.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QChartView;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableView;

namespace pianoamm {

class AsseGrafico;

// The current loan beside up to three offers read from loan files: each
// figure of the comparison in a row, the best of each row in bold, and the
// debt of every offer over time in one chart. Not modal, so that the loan
// stays at hand; it deletes itself when closed. Copies (also Ctrl+C),
// prints, saves as PDF and exports as CSV the comparison once there are
// two offers.
class ModelloConfronto;

class DlgConfronto : public QDialog {
    Q_OBJECT

public:
    // corrente is named nomeCorrente, its file's name, over a name of its
    // own.
    DlgConfronto(const pianoamm::Offerta& corrente, const QString& nomeCorrente, QWidget* parent);

    // The current loan's file has another name: its column follows.
    void NominaCorrente(const QString& nome);

    // Reads the loan file at percorso and adds its offer, named after the
    // file where it has no name; a file that cannot be read, or whose loan
    // cannot be worked out, is not added and its reason shows beside the
    // buttons.
    void Aggiungi(const QString& percorso);

private:
    QLayout* CreaComandi();
    QDialogButtonBox* CreaBottoni();
    void CreaGrafico();
    void ScegliFile();
    void Togli();
    void Aggiorna();
    void RiempiTabella();
    void RiempiGrafico();
    // The comparison as printed and copied, a line each.
    QStringList Righe() const;
    void Copia() const;

    // The current loan first; it is never taken away.
    std::vector<pianoamm::ValoriOfferta> offerte;
    QPushButton* cmdAggiungi;
    QPushButton* cmdTogli;
    QLabel* lblMotivo;  // why the last file was not added, or what is missing
    QTableView* grdConfronto;
    ModelloConfronto* modelloConfronto;
    QChartView* grfDebito;
    AsseGrafico* asseAnni;
    AsseGrafico* asseDebito;
    // Copy, print, PDF, CSV: only with two offers or more.
    std::vector<QPushButton*> cmdEsportazioni;
};

}  // namespace pianoamm

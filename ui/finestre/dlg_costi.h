#pragma once

#include "engine/costi.h"
#include "engine/detrazione.h"
#include "engine/piano.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableView;

namespace pianoamm {

class CampoNumerico;
class GruppoFiscale;
class GruppoRialzo;
class ModelloOfferta;
class ModelloTabella;

// What the plan costs beyond its interest (TAN, TAEG, the total cost, the
// total owed, the imposta sostitutiva in euros and the net amount paid
// out), what a rise of a variable rate would cost, and the tax deduction
// of each year, worked out again as the user
// types the costs, the share, the limit and the fiscal figures. Not modal,
// so that the listing stays at hand; what is typed goes to the loan. What
// it copies, prints, saves as PDF and exports as CSV opens with the loan's
// data and the costs entered.
class DlgCosti : public QDialog {
    Q_OBJECT

public:
    // Shows the costs and rules of modello, whose plan is pianoMostrato.
    DlgCosti(pianoamm::Piano pianoMostrato, ModelloOfferta& modello, QWidget* parent);

private:
    CampoNumerico* Campo(QFormLayout* modulo, const QString& etichetta, const char* nome,
                         const pianoamm::Limite& limite, double iniziale, QComboBox* scelte = nullptr);
    void CreaLimite(QFormLayout* modulo);
    QFormLayout* CreaRisultati();
    QDialogButtonBox* CreaBottoni();
    void Aggiorna();
    pianoamm::Detrazione Anni() const;
    // The loan's data and the costs entered, a blank line, the cost lines,
    // a blank line, the deduction's table.
    std::string Testo() const;
    // Testo()'s pages, later ones repeating the table's heading.
    QList<QStringList> Pagine() const;

    pianoamm::Piano piano;
    ModelloOfferta& offerta;
    CampoNumerico* txtSpeseIniziali;
    CampoNumerico* txtImposta;
    CampoNumerico* txtSpeseRata;
    CampoNumerico* txtQuota;
    CampoNumerico* txtLimite;
    QComboBox* cboLimite;
    // As the engine lists them (EtichetteCosto): TAN, TAEG, total cost,
    // total owed, the tax, the net amount. Read-only, and reached with Tab.
    std::array<QLineEdit*, pianoamm::EtichetteCosto.size()> txtCosti{};
    QTableView* grdDetrazione;
    ModelloTabella* modelloDetrazione;
    GruppoFiscale* grpFiscale;
    GruppoRialzo* grpRialzo;  // a variable rate's only
    QLabel* lblNote;          // which rule changed which years
};

}  // namespace pianoamm

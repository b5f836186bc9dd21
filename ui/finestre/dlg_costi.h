#pragma once

#include "engine/costi.h"
#include "engine/detrazione.h"
#include "engine/piano.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QTableWidget;

namespace pianoamm {

class CampoNumerico;
class GruppoFiscale;

// What the plan costs beyond its interest (TAN, TAEG, the total cost and
// the total owed) and the tax deduction of each year, worked out again as
// the user types the costs, the share, the limit and the fiscal figures. Not modal, so that the
// listing stays at hand; what is typed is kept in valori for the next time.
class DlgCosti : public QDialog {
    Q_OBJECT

public:
    struct Valori {
        pianoamm::Costi costi;
        pianoamm::RegoleDetrazione regole;
    };

    DlgCosti(pianoamm::Piano pianoMostrato, Valori& valoriSessione, QWidget* parent);

private:
    CampoNumerico* Campo(QFormLayout* modulo, const QString& etichetta, const char* nome,
                         const pianoamm::Limite& limite, double iniziale);
    void CreaLimite(QFormLayout* modulo);
    QDialogButtonBox* CreaBottoni();
    void Aggiorna();
    pianoamm::Detrazione Anni() const;
    // The cost lines, a blank line, the deduction's table.
    std::string Testo() const;
    void Stampa();

    pianoamm::Piano piano;
    Valori& valori;
    CampoNumerico* txtSpeseIniziali;
    CampoNumerico* txtImposta;
    CampoNumerico* txtSpeseRata;
    CampoNumerico* txtQuota;
    CampoNumerico* txtLimite;
    QComboBox* cboLimite;
    // As the engine lists them: TAN, TAEG, total cost, total owed.
    std::array<QLabel*, 4> lblCosti{};
    QTableWidget* grdDetrazione;
    GruppoFiscale* grpFiscale;
    QLabel* lblNote;  // which rule changed which years
};

}  // namespace pianoamm

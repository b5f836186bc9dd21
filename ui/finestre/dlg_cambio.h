#pragma once

#include "engine/cambio.h"
#include "engine/offerta.h"
#include "ui/controlli/esito_voci.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace pianoamm {

class CampoNumerico;
class MotivoCampo;

// Changing lender: a surroga or a substitution that pays off the loan on
// the day typed, the rest of its plan beside the new loan's and the
// savings, worked out again as each value is typed. A new day proposes the
// installments left as the new count, and a surroga's amount is the amount
// due; a substitution keeps the costs and the amount typed. The
// new loan is saved as a loan file of its own, to be compared with other
// offers. Not modal, so that the listing stays at hand.
class DlgCambio : public QDialog {
    Q_OBJECT

public:
    // attuale: the loan entered, whose plan is pianoMostrato; the new one
    // keeps its fiscal data.
    DlgCambio(pianoamm::Piano pianoMostrato, pianoamm::Offerta attuale, QWidget* parent);

private:
    CampoNumerico* Campo(const QString& etichetta, const char* nome, const pianoamm::Limite& limite, double iniziale);
    void Aggiorna(bool giornoNuovo);
    // The change the fields give; where giornoNuovo, the count is left to
    // the day's (and a surroga's amount, which is always the day's).
    pianoamm::Cambio Scelto(const pianoamm::Data& giornoScelto, bool giornoNuovo) const;
    void SalvaNuovo();

    pianoamm::Piano piano;
    pianoamm::Offerta offerta;
    std::optional<pianoamm::EsitoCambio> esito;
    QFormLayout* modulo;
    CampoGiorno giorno;
    QComboBox* cboTipo;
    CampoNumerico* txtNuovoTasso;
    CampoNumerico* txtNuoveRate;
    CampoNumerico* txtSpese;
    CampoNumerico* txtNuovoImporto;
    QLabel* lblSurroga;  // why a surroga takes neither costs nor an amount
    MotivoCampo* lblMotivoCambio;
    EsitoVoci* txtEsito;
    QPushButton* cmdSalvaNuovo;
};

}  // namespace pianoamm

#pragma once

#include "engine/tasso_variabile.h"

#include <QGroupBox>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace pianoamm {

class CampoNumerico;
class MotivoCampo;

// A variable rate's terms, in a group that is off until ticked: off, the
// loan's rate holds to the end. The index's values in a table of date and
// value, typed, imported from a CSV file or pasted from a spreadsheet
// (Ctrl+V); Insert adds a row, Delete removes it. A floor or a cap of 0 is
// not given, unless the loan had it.
class GruppoTassoVariabile : public QGroupBox {
    Q_OBJECT

public:
    GruppoTassoVariabile(const std::optional<TassoVariabile>& iniziale, QWidget* parent);

    // None while off. Throws ErrorePiano, naming the table's row, for a
    // value of the index that is none.
    std::optional<TassoVariabile> Dati() const;

signals:
    void Cambiato();

private:
    void CreaCampi(const TassoVariabile& tasso);
    QWidget* CreaTabella(const std::vector<ValoreIndice>& indice);
    void AggiungiValori(const std::vector<ValoreIndice>& serie);
    void Aggiungi();
    void Rimuovi();
    void Importa();
    void Incolla();
    // The series read in place of the rows (or after them), or the reason
    // it was refused beside the table.
    void Prendi(const QString& origine, const std::function<std::vector<ValoreIndice>()>& leggi, bool sostituisce);
    std::vector<ValoreIndice> Indice() const;
    void ControllaIndice();

    CampoNumerico* txtSpread;
    QSpinBox* spnRevisione;
    QComboBox* cboArrotondaIndice;
    CampoNumerico* txtTassoMinimo;
    CampoNumerico* txtTassoMassimo;
    QComboBox* cboRicalcolo;
    QSpinBox* spnDurataMassima;
    QTableView* grdIndice;
    QStandardItemModel* valori;
    MotivoCampo* lblMotivoIndice;
    std::optional<TassoVariabile> dati;  // as given at first
};

}  // namespace pianoamm

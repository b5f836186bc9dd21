#pragma once

#include "engine/anni.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QDialogButtonBox;
class QTableView;

namespace pianoamm {

// The interest paid in each calendar year of the schedule, with the
// installments falling due, the capital repaid and the total paid, and a
// totals row: what a borrower copies into the yearly tax return. Copies
// (also Ctrl+C), prints, saves as PDF and exports as CSV the whole table,
// as the command line's --per-anno writes it. Sized to show every year
// where the screen has room, beside the main window.
class DlgInteressiAnno : public QDialog {
    Q_OBJECT

public:
    explicit DlgInteressiAnno(std::vector<pianoamm::AnnoPiano> perAnno, QWidget* parent);

private:
    QDialogButtonBox* CreaBottoni();
    // The years' text table, a line each, for printing.
    QStringList Righe() const;
    void Copia() const;
    void Adatta(QWidget* accanto);

    std::vector<pianoamm::AnnoPiano> anni;
    QTableView* grdAnni;
};

}  // namespace pianoamm

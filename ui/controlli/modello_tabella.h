#pragma once

#include "engine/tabella.h"

#include <QAbstractTableModel>
#include <QString>

#include <utility>
#include <vector>

class QSize;
class QTableView;
class QWidget;

namespace pianoamm {

// A shown cell set apart from the others, and what a screen reader says of
// it.
struct CellaSegnata {
    int riga = 0;
    int colonna = 0;
    QString nota;
};

// One of the engine's tables as every window shows it: its first row is the
// column heading; with etichette its first column heads the rows; with
// totali its last row is the totals', in bold. Text on the left, figures on
// the right, as the window's own format writes them.
class ModelloTabella : public QAbstractTableModel {
    Q_OBJECT

public:
    ModelloTabella(bool etichette, bool conTotali, QObject* parent);

    // The cells anew; the migliori (row, column) of the shown cells in bold,
    // told to a screen reader as the best; the segnate on a background of
    // their own, which reads in a light palette and in a dark one, with
    // their note as a tip and for a screen reader.
    void Mostra(Celle nuove, std::vector<std::pair<int, int>> nuoviMigliori = {},
                std::vector<CellaSegnata> nuoveSegnate = {});

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override;

private:
    Celle celle;
    std::vector<std::pair<int, int>> migliori;
    std::vector<CellaSegnata> segnate;
    std::size_t primaColonna;  // the first column shown as cells
    bool totali;
};

// A read-only view of a table, selected by rows, its columns stretched to
// equal widths.
QTableView* CreaTabella(ModelloTabella* modello, QWidget* parent);

// The size at which the table shows every row and every column whole, its
// heading and frame included: each of its equal columns as wide as the
// widest needs, with room for a scroll bar should the window be made
// smaller than this.
QSize MisuraTabella(const QTableView* tabella);

}  // namespace pianoamm

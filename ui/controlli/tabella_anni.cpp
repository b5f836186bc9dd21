#include "ui/controlli/tabella_anni.h"

#include "print/testo_qt.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace pianoamm {

QTableWidget* CreaTabellaAnni(const pianoamm::Celle& celle, QWidget* parent)
{
    auto* tabella = new QTableWidget(parent);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->verticalHeader()->hide();
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    RiempiTabellaAnni(tabella, celle);
    return tabella;
}

void RiempiTabellaAnni(QTableWidget* tabella, const pianoamm::Celle& celle)
{
    const int colonne = static_cast<int>(celle.at(0).size());
    tabella->setColumnCount(colonne);
    tabella->setRowCount(static_cast<int>(celle.size()) - 1);
    for (int c = 0; c < colonne; ++c)
        tabella->setHorizontalHeaderItem(c, new QTableWidgetItem(TestoQt(celle[0][static_cast<std::size_t>(c)])));
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const auto& riga = celle[static_cast<std::size_t>(r) + 1];
        for (int c = 0; c < colonne; ++c) {
            auto* cella = new QTableWidgetItem(TestoQt(riga.at(static_cast<std::size_t>(c))));
            cella->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (r + 1 == tabella->rowCount()) {
                QFont grassetto = cella->font();
                grassetto.setBold(true);
                cella->setFont(grassetto);
            }
            tabella->setItem(r, c, cella);
        }
    }
}

QSize MisuraTabellaAnni(const QTableWidget* tabella)
{
    // The columns are stretched to equal widths, so each takes the widest
    // one's, the bold totals and the heading included. Before the table is
    // shown its measure takes every row.
    const QAbstractItemView* vista = tabella;
    int colonna = 0;
    for (int c = 0; c < tabella->columnCount(); ++c)
        colonna = std::max({colonna, vista->sizeHintForColumn(c), tabella->horizontalHeader()->sectionSizeHint(c)});
    const int cornice = 2 * tabella->frameWidth();
    const int barra = tabella->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tabella->verticalScrollBar());
    return {colonna * tabella->columnCount() + cornice + barra,
            tabella->horizontalHeader()->sizeHint().height() + tabella->verticalHeader()->length() + cornice};
}

}  // namespace pianoamm

#include "ui/controlli/modello_tabella.h"

#include "print/testo_qt.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace pianoamm {

namespace {

// Names the user typed are shown with their controls escaped.
QString Testo(const Cella& cella)
{
    return TestoVisibile(TestoQt(TestoCella(cella)));
}

QVariant Grassetto(bool grassetto)
{
    if (!grassetto)
        return {};
    QFont font;
    font.setBold(true);
    return font;
}

}  // namespace

ModelloTabella::ModelloTabella(bool etichette, bool conTotali, QObject* parent)
    : QAbstractTableModel(parent), primaColonna(etichette ? 1U : 0U), totali(conTotali)
{}

void ModelloTabella::Mostra(Celle nuove, std::vector<std::pair<int, int>> nuoviMigliori,
                            std::vector<CellaSegnata> nuoveSegnate)
{
    beginResetModel();
    celle = std::move(nuove);
    migliori = std::move(nuoviMigliori);
    segnate = std::move(nuoveSegnate);
    endResetModel();
}

int ModelloTabella::rowCount(const QModelIndex& genitore) const
{
    return genitore.isValid() || celle.empty() ? 0 : static_cast<int>(celle.size()) - 1;
}

int ModelloTabella::columnCount(const QModelIndex& genitore) const
{
    return genitore.isValid() || celle.empty() ? 0 : static_cast<int>(celle[0].size() - primaColonna);
}

QVariant ModelloTabella::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid())
        return {};
    const Cella& cella = celle.at(static_cast<std::size_t>(indice.row()) + 1)
                             .at(static_cast<std::size_t>(indice.column()) + primaColonna);
    const bool migliore = std::ranges::count(migliori, std::pair{indice.row(), indice.column()}) > 0;
    const auto segnata = std::ranges::find_if(
        segnate, [&](const CellaSegnata& s) { return s.riga == indice.row() && s.colonna == indice.column(); });
    if (segnata != segnate.end() && (ruolo == Qt::ToolTipRole || ruolo == Qt::AccessibleDescriptionRole))
        return segnata->nota;
    switch (ruolo) {
    case Qt::DisplayRole:
        return Testo(cella);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (indice.column() == 0 && primaColonna == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::FontRole:
        return Grassetto(migliore || (totali && indice.row() + 1 == rowCount()));
    case Qt::AccessibleDescriptionRole:
        return migliore ? QStringLiteral("il migliore") : QVariant();
    case Qt::BackgroundRole:
        // Half see-through, over the palette's own base: light on a light
        // one, dark on a dark one, and the palette's text reads on both.
        return segnata != segnate.end() ? QColor(255, 140, 0, 110) : QVariant();
    default:
        return {};
    }
}

QVariant ModelloTabella::headerData(int sezione, Qt::Orientation verso, int ruolo) const
{
    if (ruolo != Qt::DisplayRole || celle.empty())
        return QAbstractTableModel::headerData(sezione, verso, ruolo);
    if (verso == Qt::Horizontal)
        return Testo(celle[0].at(static_cast<std::size_t>(sezione) + primaColonna));
    if (primaColonna == 0)
        return QAbstractTableModel::headerData(sezione, verso, ruolo);
    return Testo(celle.at(static_cast<std::size_t>(sezione) + 1)[0]);
}

QTableView* CreaTabella(ModelloTabella* modello, QWidget* parent)
{
    auto* tabella = new QTableView(parent);
    tabella->setModel(modello);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->verticalHeader()->hide();
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return tabella;
}

QSize MisuraTabella(const QTableView* tabella)
{
    // The columns are stretched to equal widths, so each takes the widest
    // one's, the bold totals and the heading included. Before the table is
    // shown its measure takes every row.
    const QAbstractItemView* vista = tabella;
    const int colonne = tabella->model()->columnCount();
    int colonna = 0;
    for (int c = 0; c < colonne; ++c)
        colonna = std::max({colonna, vista->sizeHintForColumn(c), tabella->horizontalHeader()->sectionSizeHint(c)});
    const int cornice = 2 * tabella->frameWidth();
    const int barra = tabella->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tabella->verticalScrollBar());
    return {colonna * colonne + cornice + barra,
            tabella->horizontalHeader()->sizeHint().height() + tabella->verticalHeader()->length() + cornice};
}

}  // namespace pianoamm

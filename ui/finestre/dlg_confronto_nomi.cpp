#include "ui/finestre/dlg_confronto_nomi.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>

namespace pianoamm {

void ModelloConfronto::Adatta(QHeaderView* vista)
{
    intestazione = vista;
    vista->setTextElideMode(Qt::ElideMiddle);
    connect(vista, &QHeaderView::sectionResized, this,
            [this] { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); });
}

QVariant ModelloConfronto::headerData(int sezione, Qt::Orientation verso, int ruolo) const
{
    if (verso != Qt::Horizontal || intestazione == nullptr)
        return ModelloTabella::headerData(sezione, verso, ruolo);
    QVariant intero = ModelloTabella::headerData(sezione, verso, Qt::DisplayRole);
    switch (ruolo) {
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return intero;
    case Qt::DisplayRole: {
        // Measured in bold, as the chosen offer's heading shows: the view
        // would otherwise cut a name it found too wide at both ends.
        QFont grassetto = intestazione->font();
        grassetto.setBold(true);
        const int margini = 2 * intestazione->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, intestazione);
        return QFontMetrics(grassetto).elidedText(intero.toString(), Qt::ElideMiddle,
                                                  intestazione->sectionSize(sezione) - margini);
    }
    default:
        return ModelloTabella::headerData(sezione, verso, ruolo);
    }
}

}  // namespace pianoamm

#include "ui/main/dlg_interessi_anno.h"

#include "engine/formato.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

DlgInteressiAnno::DlgInteressiAnno(const std::vector<pianoamm::AnnoPiano>& anni, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgInteressiAnno"));
    setWindowTitle(QStringLiteral("Interessi per anno"));

    auto* tabella = new QTableWidget(static_cast<int>(anni.size()), 5, this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setHorizontalHeaderLabels({QStringLiteral("Anno"), QStringLiteral("Rate"), QStringLiteral("Interessi"),
                                        QStringLiteral("Capitale"), QStringLiteral("Totale pagato")});
    tabella->verticalHeader()->hide();
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    const auto testo = [](double valore) { return QString::fromStdString(pianoamm::FormatoDecimali(valore, 2, true)); };
    for (int r = 0; r < static_cast<int>(anni.size()); ++r) {
        const auto& anno = anni[static_cast<std::size_t>(r)];
        const QString celle[] = {
            anno.anno == 0 ? QStringLiteral("Totale") : QString::number(anno.anno),
            QString::number(anno.rate),
            testo(anno.interessi),
            testo(anno.capitale),
            testo(anno.totale),
        };
        for (int c = 0; c < 5; ++c) {
            auto* cella = new QTableWidgetItem(celle[c]);
            cella->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (anno.anno == 0) {
                QFont grassetto = cella->font();
                grassetto.setBold(true);
                cella->setFont(grassetto);
            }
            tabella->setItem(r, c, cella);
        }
    }
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* bottoni = new QDialogButtonBox(this);
    bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(tabella);
    impaginazione->addWidget(bottoni);
    resize(560, 360);
}

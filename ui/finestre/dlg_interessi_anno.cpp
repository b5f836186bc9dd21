#include "ui/finestre/dlg_interessi_anno.h"

#include "ui/controlli/tabella_anni.h"

#include <QDialogButtonBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pianoamm {

DlgInteressiAnno::DlgInteressiAnno(const std::vector<pianoamm::AnnoPiano>& anni, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgInteressiAnno"));
    setWindowTitle(QStringLiteral("Interessi per anno"));

    auto* bottoni = new QDialogButtonBox(this);
    bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(CreaTabellaAnni(pianoamm::CellePerAnno(anni, true), this));
    impaginazione->addWidget(bottoni);
    resize(560, 360);
}

}  // namespace pianoamm

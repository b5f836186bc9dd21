#include "ui/controlli/conferma_motivata.h"

#include "ui/controlli/motivo_campo.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pianoamm {

ConfermaMotivata::ConfermaMotivata(QDialog* dialogo, QVBoxLayout* impaginazione, const QString& conferma)
    : finestra(dialogo)
{
    lblMotivo = new MotivoCampo(dialogo);
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialogo);
    cmdOk = bottoni->button(QDialogButtonBox::Ok);
    cmdOk->setText(conferma);
    bottoni->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    QObject::connect(bottoni, &QDialogButtonBox::accepted, dialogo, &QDialog::accept);
    QObject::connect(bottoni, &QDialogButtonBox::rejected, dialogo, &QDialog::reject);
    impaginazione->addWidget(lblMotivo);
    impaginazione->addWidget(bottoni);
}

void ConfermaMotivata::Mostra(const std::optional<QString>& motivo)
{
    lblMotivo->Mostra(motivo.value_or(QString()));
    cmdOk->setEnabled(!motivo);
    // Wrapped notes give the layout a height for each width: the dialog
    // asks it for the height at its own.
    if (finestra->isVisible() && finestra->layout() != nullptr) {
        finestra->layout()->activate();
        const int alto = finestra->layout()->totalHeightForWidth(finestra->width());
        if (alto > finestra->height())
            finestra->resize(finestra->width(), alto);
    }
}

}  // namespace pianoamm

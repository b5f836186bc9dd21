#include "ui/finestre/dlg_condizioni.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pianoamm {

namespace {

// A term's choice with the line under it that says what it means.
QComboBox* Scelta(QFormLayout* modulo, const QString& etichetta, const char* nome, const QStringList& voci,
                  const QString& spiegazione)
{
    auto* scelta = new QComboBox(modulo->parentWidget());
    scelta->setObjectName(QString::fromLatin1(nome));
    scelta->addItems(voci);
    auto* nota = new QLabel(spiegazione, modulo->parentWidget());
    nota->setWordWrap(true);
    nota->setForegroundRole(QPalette::PlaceholderText);
    scelta->setAccessibleDescription(spiegazione);
    modulo->addRow(etichetta, scelta);
    modulo->addRow(QString(), nota);
    return scelta;
}

}  // namespace

DlgCondizioni::DlgCondizioni(const Condizioni& condizioni, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgCondizioni"));
    setWindowTitle(QStringLiteral("Condizioni del piano"));
    auto* pannello = new QWidget(this);
    auto* modulo = new QFormLayout(pannello);
    cboTassoPeriodo =
        Scelta(modulo, QStringLiteral("&Tasso periodale:"), "cboTassoPeriodo",
               {QStringLiteral("Proporzionale"), QStringLiteral("Equivalente")},
               QStringLiteral("Proporzionale: il tasso annuo diviso per le rate dell'anno. Equivalente: il tasso "
                              "che, composto sulle rate dell'anno, dà il tasso annuo (rata più bassa)."));
    cboTassoPeriodo->setCurrentIndex(condizioni.tassoPeriodo == TassoPeriodo::Equivalente ? 1 : 0);

    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    bottoni->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(pannello);
    impaginazione->addWidget(bottoni);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

Condizioni DlgCondizioni::Scelte() const
{
    Condizioni scelte;
    scelte.tassoPeriodo =
        cboTassoPeriodo->currentIndex() == 1 ? TassoPeriodo::Equivalente : TassoPeriodo::Proporzionale;
    return scelte;
}

}  // namespace pianoamm

#include "ui/finestre/dlg_condizioni.h"

#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/conferma_motivata.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace pianoamm {

namespace {

// A term's field with the line under it that says what it means.
template <class Campo>
Campo* Termine(QFormLayout* modulo, const QString& etichetta, const char* nome, Campo* campo,
               const QString& spiegazione)
{
    campo->setObjectName(QString::fromLatin1(nome));
    auto* nota = new QLabel(spiegazione, modulo->parentWidget());
    nota->setWordWrap(true);
    nota->setForegroundRole(QPalette::PlaceholderText);
    campo->setAccessibleDescription(spiegazione);
    modulo->addRow(etichetta, campo);
    modulo->addRow(QString(), nota);
    return campo;
}

}  // namespace

DlgCondizioni::DlgCondizioni(const Condizioni& condizioni, double importoMutuo, QWidget* parent)
    : QDialog(parent), importo(importoMutuo)
{
    setObjectName(QStringLiteral("DlgCondizioni"));
    setWindowTitle(QStringLiteral("Condizioni del piano"));
    auto* pannello = new QWidget(this);
    auto* modulo = new QFormLayout(pannello);
    cboTassoPeriodo =
        Termine(modulo, QStringLiteral("&Tasso periodale:"), "cboTassoPeriodo", new QComboBox(pannello),
                QStringLiteral("Proporzionale: il tasso annuo diviso per le rate dell'anno. Equivalente: il tasso "
                               "che, composto sulle rate dell'anno, dà il tasso annuo (rata più bassa)."));
    cboTassoPeriodo->addItems({QStringLiteral("Proporzionale"), QStringLiteral("Equivalente")});
    cboTassoPeriodo->setCurrentIndex(condizioni.tassoPeriodo == TassoPeriodo::Equivalente ? 1 : 0);
    txtMaxiRata = Termine(modulo, QStringLiteral("&Maxi-rata finale:"), "txtMaxiRata",
                          new CampoNumerico(LimiteMaxiRata, true, pannello),
                          QStringLiteral("Pagata con l'ultima rata, oltre a essa; le rate pagano il resto del debito "
                                         "(0: nessuna)."));
    txtMaxiRata->ImpostaValore(condizioni.maxiRata);
    spnPreammortamento =
        Termine(modulo, QStringLiteral("&Rate di preammortamento:"), "spnPreammortamento", new QSpinBox(pannello),
                QStringLiteral("Rate di soli interessi prima delle rate del piano, con la stessa "
                               "cadenza (0: nessuna)."));
    spnPreammortamento->setRange(static_cast<int>(LimitePreammortamento.minimo),
                                 static_cast<int>(LimitePreammortamento.massimo));
    spnPreammortamento->setValue(condizioni.preammortamento);
    connect(txtMaxiRata, &CampoNumerico::ValoreCambiato, this, &DlgCondizioni::Controlla);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(pannello);
    conferma = std::make_unique<ConfermaMotivata>(this, impaginazione);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    Controlla();
}

DlgCondizioni::~DlgCondizioni() = default;

void DlgCondizioni::Controlla()
{
    const bool troppa = txtMaxiRata->Valore() > 0 && !(txtMaxiRata->Valore() < importo);
    conferma->Mostra(troppa ? std::optional(
                         QStringLiteral("La maxi-rata finale deve essere inferiore all'importo del finanziamento."))
                            : std::nullopt);
}

Condizioni DlgCondizioni::Scelte() const
{
    Condizioni scelte;
    scelte.tassoPeriodo =
        cboTassoPeriodo->currentIndex() == 1 ? TassoPeriodo::Equivalente : TassoPeriodo::Proporzionale;
    scelte.maxiRata = txtMaxiRata->Valore();
    scelte.preammortamento = spnPreammortamento->value();
    return scelte;
}

}  // namespace pianoamm

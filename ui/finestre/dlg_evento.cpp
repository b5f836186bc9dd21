#include "ui/finestre/dlg_evento.h"

#include "print/testo_qt.h"
#include "ui/controlli/campo_numerico.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace pianoamm {

namespace {

// Two choices, the first one checked unless secondo.
std::pair<QRadioButton*, QRadioButton*> Scelta(QFormLayout* modulo, const QString& etichetta, const QString& uno,
                                               const QString& due, bool secondo)
{
    auto* primo = new QRadioButton(uno, modulo->parentWidget());
    auto* altro = new QRadioButton(due, modulo->parentWidget());
    (secondo ? altro : primo)->setChecked(true);
    modulo->addRow(etichetta, primo);
    modulo->addRow(QString(), altro);
    return {primo, altro};
}

}  // namespace

DlgEvento::DlgEvento(const Evento& evento, int ultimaRata, Verifica controllo, QWidget* parent)
    : QDialog(parent), verifica(std::move(controllo))
{
    setObjectName(QStringLiteral("DlgEvento"));
    QString titolo = TestoQt(NomiDi(evento).nome);
    titolo[0] = titolo[0].toUpper();
    setWindowTitle(titolo);
    auto* modulo = new QFormLayout;
    spnRata = new QSpinBox(this);
    spnRata->setObjectName(QStringLiteral("spnRata"));
    spnRata->setRange(1, std::max({ultimaRata, DopoRata(evento), 1}));
    spnRata->setValue(DopoRata(evento));
    modulo->addRow(QStringLiteral("Dopo la &rata:"), spnRata);
    connect(spnRata, &QSpinBox::valueChanged, this, &DlgEvento::Controlla);
    std::visit([this, modulo](const auto& e) { Campi(e, modulo); }, evento);

    lblMotivo = new QLabel(this);
    lblMotivo->setObjectName(QStringLiteral("lblMotivo"));
    lblMotivo->setWordWrap(true);
    lblMotivo->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOk = bottoni->button(QDialogButtonBox::Ok);
    bottoni->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(modulo);
    impaginazione->addWidget(lblMotivo);
    impaginazione->addWidget(bottoni);
    Controlla();
}

void DlgEvento::Campi(const Estinzione& estinzione, QFormLayout* modulo)
{
    auto* txtValore = new CampoNumerico(LimiteImporto, true, this);
    txtValore->setObjectName(QStringLiteral("txtValore"));
    txtValore->ImpostaValore(estinzione.importo.value_or(0));
    auto* chkTutto = new QCheckBox(QStringLiteral("&Tutto il debito residuo"), this);
    chkTutto->setChecked(!estinzione.importo);
    modulo->addRow(QStringLiteral("&Importo:"), txtValore);
    modulo->addRow(QString(), chkTutto);
    const auto [optRata, optDurata] =
        Scelta(modulo, QStringLiteral("Poi:"), QStringLiteral("Riduci la r&ata"), QStringLiteral("Riduci la &durata"),
               estinzione.riduzione == Riduzione::Durata);
    leggi = [this, txtValore, chkTutto, optDurata = optDurata] {
        return Estinzione{spnRata->value(), chkTutto->isChecked() ? std::nullopt : std::optional(txtValore->Valore()),
                          optDurata->isChecked() ? Riduzione::Durata : Riduzione::Rata};
    };
    connect(txtValore, &CampoNumerico::ValoreCambiato, this, &DlgEvento::Controlla);
    txtValore->setDisabled(chkTutto->isChecked());
    connect(chkTutto, &QCheckBox::toggled, txtValore, &QWidget::setDisabled);
    connect(chkTutto, &QCheckBox::toggled, this, &DlgEvento::Controlla);
    connect(optDurata, &QRadioButton::toggled, this, &DlgEvento::Controlla);
    txtValore->selectAll();
    txtValore->setFocus();
}

void DlgEvento::Campi(const Variazione& variazione, QFormLayout* modulo)
{
    auto* txtValore = new CampoNumerico(LimiteTasso, false, this);
    txtValore->setObjectName(QStringLiteral("txtValore"));
    txtValore->ImpostaValore(variazione.tassoAnnuo);
    modulo->addRow(QStringLiteral("Nuovo &tasso annuo (%):"), txtValore);
    leggi = [this, txtValore] { return Variazione{spnRata->value(), txtValore->Valore()}; };
    connect(txtValore, &CampoNumerico::ValoreCambiato, this, &DlgEvento::Controlla);
    txtValore->selectAll();
    txtValore->setFocus();
}

void DlgEvento::Campi(const Sospensione& sospensione, QFormLayout* modulo)
{
    auto* spnSospese = new QSpinBox(this);
    spnSospese->setObjectName(QStringLiteral("spnSospese"));
    spnSospese->setRange(static_cast<int>(LimiteRateSospese.minimo), static_cast<int>(LimiteRateSospese.massimo));
    spnSospese->setValue(sospensione.rate);
    modulo->addRow(QStringLiteral("&Numero di rate sospese:"), spnSospese);
    const auto [optCapitale, optRata] =
        Scelta(modulo, QStringLiteral("Si sospende:"), QStringLiteral("la &quota capitale"),
               QStringLiteral("l'&intera rata"), sospensione.tipo == TipoSospensione::Rata);
    optRata->setObjectName(QStringLiteral("optRataIntera"));
    leggi = [this, spnSospese, optRata = optRata] {
        return Sospensione{spnRata->value(), spnSospese->value(),
                           optRata->isChecked() ? TipoSospensione::Rata : TipoSospensione::Capitale};
    };
    connect(spnSospese, &QSpinBox::valueChanged, this, &DlgEvento::Controlla);
    connect(optRata, &QRadioButton::toggled, this, &DlgEvento::Controlla);
    spnSospese->selectAll();
    spnSospese->setFocus();
}

void DlgEvento::Controlla()
{
    const auto motivo = verifica(Scelto());
    lblMotivo->setText(motivo.value_or(QString()));
    lblMotivo->setVisible(motivo.has_value());
    cmdOk->setEnabled(!motivo);
}

}  // namespace pianoamm

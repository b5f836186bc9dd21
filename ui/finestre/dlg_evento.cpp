#include "ui/finestre/dlg_evento.h"

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

DlgEvento::DlgEvento(const Evento& evento, int ultimaRata, Verifica controllo, QWidget* parent)
    : QDialog(parent), estinzione(std::holds_alternative<pianoamm::Estinzione>(evento)), verifica(std::move(controllo))
{
    setObjectName(QStringLiteral("DlgEvento"));
    setWindowTitle(estinzione ? QStringLiteral("Estinzione anticipata") : QStringLiteral("Variazione di tasso"));
    auto* modulo = new QFormLayout;
    spnRata = new QSpinBox(this);
    spnRata->setObjectName(QStringLiteral("spnRata"));
    spnRata->setRange(1, std::max({ultimaRata, DopoRata(evento), 1}));
    spnRata->setValue(DopoRata(evento));
    modulo->addRow(QStringLiteral("Dopo la &rata:"), spnRata);
    if (estinzione) {
        const auto& e = std::get<pianoamm::Estinzione>(evento);
        txtValore = new CampoNumerico(pianoamm::LimiteImporto, true, this);
        txtValore->ImpostaValore(e.importo.value_or(0));
        chkTutto = new QCheckBox(QStringLiteral("&Tutto il debito residuo"), this);
        chkTutto->setChecked(!e.importo);
        auto* optRata = new QRadioButton(QStringLiteral("Riduci la r&ata"), this);
        optDurata = new QRadioButton(QStringLiteral("Riduci la &durata"), this);
        (e.riduzione == pianoamm::Riduzione::Durata ? optDurata : optRata)->setChecked(true);
        modulo->addRow(QStringLiteral("&Importo:"), txtValore);
        modulo->addRow(QString(), chkTutto);
        modulo->addRow(QStringLiteral("Poi:"), optRata);
        modulo->addRow(QString(), optDurata);
        connect(chkTutto, &QCheckBox::toggled, this, &DlgEvento::Controlla);
        connect(optDurata, &QRadioButton::toggled, this, &DlgEvento::Controlla);
    } else {
        const auto& v = std::get<pianoamm::Variazione>(evento);
        txtValore = new CampoNumerico(pianoamm::LimiteTasso, false, this);
        txtValore->ImpostaValore(v.tassoAnnuo);
        modulo->addRow(QStringLiteral("Nuovo &tasso annuo (%):"), txtValore);
    }
    txtValore->setObjectName(QStringLiteral("txtValore"));
    connect(spnRata, &QSpinBox::valueChanged, this, &DlgEvento::Controlla);
    connect(txtValore, &CampoNumerico::ValoreCambiato, this, &DlgEvento::Controlla);

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
    txtValore->selectAll();
    txtValore->setFocus();
    Controlla();
}

Evento DlgEvento::Scelto() const
{
    if (!estinzione)
        return pianoamm::Variazione{spnRata->value(), txtValore->Valore()};
    return pianoamm::Estinzione{spnRata->value(),
                                chkTutto->isChecked() ? std::nullopt : std::optional(txtValore->Valore()),
                                optDurata->isChecked() ? pianoamm::Riduzione::Durata : pianoamm::Riduzione::Rata};
}

void DlgEvento::Controlla()
{
    if (chkTutto)
        txtValore->setEnabled(!chkTutto->isChecked());
    const auto motivo = verifica(Scelto());
    lblMotivo->setText(motivo.value_or(QString()));
    lblMotivo->setVisible(motivo.has_value());
    cmdOk->setEnabled(!motivo);
}

}  // namespace pianoamm

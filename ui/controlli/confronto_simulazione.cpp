#include "ui/controlli/confronto_simulazione.h"

#include "engine/formato.h"
#include "engine/listato.h"
#include "print/testo_qt.h"
#include "ui/comune/aspetto.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <optional>

namespace pianoamm {

ConfrontoSimulazione::ConfrontoSimulazione(const pianoamm::Condizioni& condizioni, QWidget* parent)
    : QGroupBox(QStringLiteral("Confronto con il piano"), parent)
{
    setObjectName(QStringLiteral("grpConfronto"));
    // Each figure is named by its label, the saving's as it changes.
    auto* modulo = new QFormLayout;
    const std::array<QString, 5> oggetti{QStringLiteral("txtInteressiPiano"), QStringLiteral("txtInteressiSimulati"),
                                         QStringLiteral("txtDifferenza"), QStringLiteral("txtPenalePagata"),
                                         QStringLiteral("txtRisparmio")};
    for (std::size_t i = 0; i < txtConfronto.size(); ++i) {
        txtConfronto[i] = CampoDiLettura(this, oggetti[i], QString());
        modulo->addRow(TestoQt(pianoamm::EtichetteConfronto[i]) + QLatin1Char(':'), txtConfronto[i]);
    }
    lblRisparmio = qobject_cast<QLabel*>(modulo->labelForField(txtConfronto[4]));
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(modulo);
    CreaFini(condizioni);
    impaginazione->addStretch();
}

// The two ends in columns, row by row, each field named by its row and its
// column; the months saved, the simulation's alone, by its row.
void ConfrontoSimulazione::CreaFini(const pianoamm::Condizioni& condizioni)
{
    auto* griglia = new QGridLayout;
    std::array<QString, 4> righe;
    for (std::size_t i = 0; i < righe.size(); ++i)
        righe[i] = TestoQt(pianoamm::EtichetteFini[i]);
    righe[2] = TestoQt(pianoamm::EtichettaRata(condizioni));
    const std::array<QString, 2> colonne{TestoQt(pianoamm::ColonneFini[0]), TestoQt(pianoamm::ColonneFini[1])};
    for (std::size_t colonna = 0; colonna < colonne.size(); ++colonna)
        griglia->addWidget(new QLabel(colonne[colonna], this), 0, static_cast<int>(colonna) + 1, Qt::AlignRight);
    const std::array<QString, 3> oggettiFini{QStringLiteral("txtScadenza"), QStringLiteral("txtNumeroRate"),
                                             QStringLiteral("txtRata")};
    for (std::size_t riga = 0; riga < righe.size(); ++riga) {
        auto* etichetta = new QLabel(righe[riga] + QLatin1Char(':'), this);
        griglia->addWidget(etichetta, static_cast<int>(riga) + 1, 0);
        if (riga == txtFinePiano.size()) {
            lblMesiRisparmiati = etichetta;
            txtFineSimulazione[riga] = CampoDiLettura(this, QStringLiteral("txtMesiRisparmiati"), righe[riga]);
            griglia->addWidget(txtFineSimulazione[riga], static_cast<int>(riga) + 1, 2);
            break;
        }
        for (std::size_t colonna = 0; colonna < colonne.size(); ++colonna) {
            auto*& campo = colonna == 0 ? txtFinePiano[riga] : txtFineSimulazione[riga];
            campo = CampoDiLettura(this, oggettiFini[riga] + colonne[colonna],
                                   righe[riga] + QStringLiteral(" (") + colonne[colonna].toLower() + QLatin1Char(')'));
            griglia->addWidget(campo, static_cast<int>(riga) + 1, static_cast<int>(colonna) + 1);
        }
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(griglia);
}

void ConfrontoSimulazione::Mostra(const pianoamm::Simulazione* simulazione)
{
    if (simulazione != nullptr) {
        const auto voci = pianoamm::Confronto(*simulazione, 2);
        // A saving, or a cost beyond the plan's, under its own name.
        lblRisparmio->setText(TestoQt(voci[4].etichetta) + QLatin1Char(':'));
        for (std::size_t i = 0; i < voci.size(); ++i)
            txtConfronto[i]->setText(DueDecimali(voci[i].valore));
    } else {
        for (QLineEdit* campo : txtConfronto)
            campo->clear();
    }
    MostraFini(simulazione);
}

void ConfrontoSimulazione::MostraFini(const pianoamm::Simulazione* simulazione)
{
    const auto fini = simulazione != nullptr ? std::optional(pianoamm::ConfrontaFini(*simulazione)) : std::nullopt;
    const auto mostra = [&fini](const std::array<QLineEdit*, 3>& campi, const pianoamm::FinePiano* fine) {
        campi[0]->setText(fini ? TestoQt(FormatoData(fine->ultimaScadenza)) : QString());
        campi[1]->setText(fini ? QString::number(fine->numeroRate) : QString());
        // No installment after a total repayment.
        campi[2]->setText(!fini ? QString() : fine->rata ? DueDecimali(*fine->rata) : QStringLiteral("nessuna"));
    };
    mostra(txtFinePiano, fini ? &fini->piano : nullptr);
    mostra({txtFineSimulazione[0], txtFineSimulazione[1], txtFineSimulazione[2]}, fini ? &fini->simulazione : nullptr);
    const bool mesi = fini && fini->mesiRisparmiati.has_value();
    txtFineSimulazione[3]->setText(mesi ? QString::number(*fini->mesiRisparmiati) : QString());
    txtFineSimulazione[3]->setVisible(mesi);
    lblMesiRisparmiati->setVisible(mesi);
}

}  // namespace pianoamm

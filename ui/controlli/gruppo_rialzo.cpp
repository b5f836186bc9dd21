#include "ui/controlli/gruppo_rialzo.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/rialzo.h"
#include "print/testo_qt.h"
#include "ui/comune/aspetto.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/motivo_campo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace pianoamm {

namespace {

const QString Etichette[] = {QStringLiteral("TAEG al livello del contratto"), QStringLiteral("TAEG con il rialzo"),
                             QStringLiteral("Rata massima"), QStringLiteral("Interessi totali")};

QString Taeg(const Piano& piano, const Costi& costi)
{
    return TestoQt(TestoCella(TaegDelPiano(piano, costi)));
}

// "604,81 alla rata 7, con il rialzo 712,63 alla rata 7".
QString Confronto(const QString& inserita, const QString& rialzata)
{
    return inserita + QStringLiteral(", con il rialzo ") + rialzata;
}

}  // namespace

GruppoRialzo::GruppoRialzo(QWidget* parent) : QGroupBox(QStringLiteral("Se i tassi salgono"), parent)
{
    setObjectName(QStringLiteral("grpRialzo"));
    auto* modulo = new QFormLayout(this);
    txtRialzo = new CampoNumerico(LimiteRialzo, false, this);
    txtRialzo->setObjectName(QStringLiteral("txtRialzo"));
    txtRialzo->setAccessibleName(QStringLiteral("Rialzo dell'indice in punti"));
    auto* riga = new QWidget(this);
    auto* fila = new QHBoxLayout(riga);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(txtRialzo, 1);
    for (std::size_t i = 0; i < cmdRialzo.size(); ++i) {
        const int punti = static_cast<int>(i) + 1;
        cmdRialzo[i] = new QPushButton(QStringLiteral("+&%1").arg(punti), riga);
        cmdRialzo[i]->setObjectName(QStringLiteral("cmdRialzo%1").arg(punti));
        cmdRialzo[i]->setAccessibleName(QStringLiteral("Rialzo di %1 punt%2").arg(punti).arg(punti == 1 ? 'o' : 'i'));
        cmdRialzo[i]->setAutoDefault(false);
        fila->addWidget(cmdRialzo[i]);
        connect(cmdRialzo[i], &QPushButton::clicked, this, [this, punti] { txtRialzo->ImpostaValore(punti); });
    }
    RigaConMotivo(modulo, QStringLiteral("Rial&zo dell'indice (punti):"), txtRialzo, riga);
    const char* nomi[] = {"txtTaegContratto", "txtTaegRialzo", "txtRataMassima", "txtInteressiRialzo"};
    for (std::size_t i = 0; i < txtRisultati.size(); ++i) {
        txtRisultati[i] = CampoDiLettura(this, QString::fromLatin1(nomi[i]), Etichette[i]);
        modulo->addRow(Etichette[i] + QLatin1Char(':'), txtRisultati[i]);
    }
    connect(txtRialzo, &CampoNumerico::ValoreCambiato, this, &GruppoRialzo::Aggiorna);
    txtRialzo->ImpostaValore(2);
}

void GruppoRialzo::Mostra(const pianoamm::Piano& pianoMostrato, const pianoamm::Costi& costiMostrati)
{
    piano = pianoMostrato;
    costi = costiMostrati;
    setVisible(piano.mutuo.condizioni.tassoVariabile.has_value());
    Aggiorna();
}

std::optional<double> GruppoRialzo::Rialzo() const
{
    if (!piano.mutuo.condizioni.tassoVariabile)
        return std::nullopt;
    return txtRialzo->Valore();
}

void GruppoRialzo::Aggiorna()
{
    if (!piano.mutuo.condizioni.tassoVariabile)
        return;
    try {
        const Piano rialzato = PianoConRialzo(piano.mutuo, txtRialzo->Valore());
        const RiepilogoRialzo inserita = Riepilogo(piano);
        const RiepilogoRialzo conRialzo = Riepilogo(rialzato);
        const int decimali = Decimali(piano.mutuo.condizioni);
        const auto rata = [decimali](const RiepilogoRialzo& riepilogo) {
            return TestoQt(ImportoOZero(riepilogo.rataMassima, decimali))
                   + QStringLiteral(" alla rata %1").arg(riepilogo.rigaMassima);
        };
        const QString testi[] = {Taeg(PianoAmm(AlLivelloDelContratto(piano.mutuo)), costi), Taeg(rialzato, costi),
                                 Confronto(rata(inserita), rata(conRialzo)),
                                 Confronto(TestoQt(ImportoOZero(inserita.interessi, decimali)),
                                           TestoQt(ImportoOZero(conRialzo.interessi, decimali)))};
        for (std::size_t i = 0; i < txtRisultati.size(); ++i)
            txtRisultati[i]->setText(testi[i]);
    } catch (const ErrorePiano& errore) {
        for (QLineEdit* campo : txtRisultati)
            campo->setText(QString::fromUtf8(errore.what()));
    }
    for (QLineEdit* campo : txtRisultati)
        campo->setCursorPosition(0);
}

}  // namespace pianoamm

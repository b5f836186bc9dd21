#include "ui/controlli/esito_voci.h"

#include "engine/tabella.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/motivo_campo.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace pianoamm {

EsitoVoci::EsitoVoci(const QString& nome, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtEsito"));
    setAccessibleName(nome);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab goes on to the buttons: the field has no tabs to type.
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void EsitoVoci::Mostra(std::vector<pianoamm::VoceCosto> nuove)
{
    voci = std::move(nuove);
    setPlainText(voci.empty() ? QString() : TestoQt(pianoamm::TestoVoci(voci)));
    for (QPushButton* comando : comandi)
        comando->setEnabled(!voci.empty());
}

void EsitoVoci::AggiungiBottoni(QDialogButtonBox* bottoni, const QString& base)
{
    QWidget* finestra = bottoni->window();
    const auto righe = [this] {
        QString testo = TestoQt(pianoamm::TestoVoci(voci));
        testo.chop(1);  // the last line's end
        return testo.split(QLatin1Char('\n'));
    };
    const auto bottone = [&](const QString& testo, const char* nome, auto azione) {
        QPushButton* comando = bottoni->addButton(testo, QDialogButtonBox::ActionRole);
        comando->setObjectName(QString::fromLatin1(nome));
        comando->setAccessibleName(QString(testo).remove(QLatin1Char('&')).remove(QChar(0x2026)));
        comando->setEnabled(!voci.empty());
        connect(comando, &QPushButton::clicked, this, azione);
        comandi.push_back(comando);
    };
    bottone(QStringLiteral("C&opia"), "cmdCopia",
            [this] { QGuiApplication::clipboard()->setText(TestoQt(pianoamm::TestoVoci(voci))); });
    bottone(QStringLiteral("S&tampa…"), "cmdStampa",
            [=] { StampaPagine(finestra, Impagina(righe(), {}), {}, base + QStringLiteral(".pdf")); });
    bottone(QStringLiteral("Salva come &PDF…"), "cmdPdf",
            [=] { SalvaPaginePdf(finestra, base + QStringLiteral(".pdf"), Impagina(righe(), {})); });
    bottone(QStringLiteral("&Esporta CSV…"), "cmdCsv", [=, this] {
        SalvaCsv(finestra, base + QStringLiteral(".csv"), pianoamm::CsvDi(pianoamm::CelleVoci(voci)));
    });
}

std::optional<pianoamm::Data> CampoGiorno::Giorno() const
{
    const auto giorno = pianoamm::LeggiData(campo->text().toStdString());
    if (!giorno)
        Rifiuta(QStringLiteral("Data non valida: scriverla come GG/MM/AAAA."));
    return giorno;
}

void CampoGiorno::Rifiuta(const QString& perche) const
{
    SegnaNonValido(campo, perche.isEmpty(), perche);
    motivo->Mostra(perche);
}

CampoGiorno RigaGiorno(QFormLayout* modulo, const QString& etichetta, const QString& nome,
                       const pianoamm::Data& iniziale)
{
    auto* campo = new QLineEdit(QString::fromStdString(pianoamm::FormatoData(iniziale)), modulo->parentWidget());
    campo->setObjectName(QStringLiteral("txtGiorno"));
    campo->setAccessibleName(nome);
    campo->setPlaceholderText(QStringLiteral("GG/MM/AAAA"));
    modulo->addRow(etichetta, campo);
    auto* motivo = RigaMotivo(modulo);
    motivo->setObjectName(QStringLiteral("lblMotivoGiorno"));
    // Typing straight away replaces the day proposed.
    campo->selectAll();
    return {campo, motivo};
}

void ImpaginaConEsito(QDialog* finestra, QFormLayout* modulo, EsitoVoci* esito, const QString& base, QSize dimensione,
                      const std::function<void(QDialogButtonBox*)>& altri)
{
    auto* bottoni = new QDialogButtonBox(finestra);
    esito->AggiungiBottoni(bottoni, base);
    if (altri)
        altri(bottoni);
    QPushButton* chiudi = bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setAccessibleName(QStringLiteral("Chiudi"));
    QObject::connect(bottoni, &QDialogButtonBox::rejected, finestra, &QDialog::reject);
    auto* impaginazione = new QVBoxLayout(finestra);
    impaginazione->addLayout(modulo, 1);
    impaginazione->addWidget(bottoni);
    // Return in a field must not close the window, save or overwrite the
    // clipboard through a default button.
    InvioCliccaIBottoni(finestra);
    finestra->resize(dimensione);
    PosizionaAccanto(finestra, finestra->parentWidget());
}

}  // namespace pianoamm

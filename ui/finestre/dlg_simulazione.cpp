#include "ui/finestre/dlg_simulazione.h"

#include "engine/esporta.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/grafico_piano.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/lista_listato.h"
#include "ui/finestre/dlg_evento.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace pianoamm {

namespace {

const QColor Rosso(0xb0, 0x00, 0x00);

}  // namespace

DlgSimulazione::DlgSimulazione(pianoamm::Piano pianoMostrato, Valori& valoriSessione, QWidget* parent)
    : QDialog(parent), piano(std::move(pianoMostrato)), valori(valoriSessione)
{
    setObjectName(QStringLiteral("DlgSimulazione"));
    setWindowTitle(QStringLiteral("Simulazione"));
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(CreaEventi(), 3);
    sopra->addWidget(CreaConfronto(), 2);

    lblAvviso =
        new QLabel(QStringLiteral("Nessun risultato finché le variazioni segnate non sono corrette o rimosse."), this);
    lblAvviso->setObjectName(QStringLiteral("lblAvviso"));
    lblAvviso->setWordWrap(true);
    lblAvviso->setStyleSheet(QStringLiteral("color: %1").arg(Rosso.name()));
    lstSimulata = new QListWidget(this);
    lstSimulata->setObjectName(QStringLiteral("lstSimulata"));
    lstSimulata->setAccessibleName(QStringLiteral("Piano simulato"));
    lstSimulata->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstSimulata->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grfSimulazione = new GraficoPiano(this);
    auto* schede = new QTabWidget(this);
    schede->addTab(lstSimulata, QStringLiteral("Piano &simulato"));
    schede->addTab(grfSimulazione, QStringLiteral("&Grafico"));

    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(sopra);
    impaginazione->addWidget(lblAvviso);
    impaginazione->addWidget(schede, 1);
    impaginazione->addWidget(CreaBottoni());
    // Return in a field only confirms it: it must not print or overwrite
    // the clipboard through a default button.
    InvioCliccaIBottoni(this);
    resize(900, 640);
    PosizionaAccanto(this, parent);
    Aggiorna();
}

QGroupBox* DlgSimulazione::CreaEventi()
{
    auto* gruppo = new QGroupBox(QStringLiteral("Variazioni"), this);
    lstEventi = new QListWidget(gruppo);
    lstEventi->setObjectName(QStringLiteral("lstEventi"));
    lstEventi->setAccessibleName(QStringLiteral("Variazioni"));
    // A refused event's reason is read whole, across lines.
    lstEventi->setWordWrap(true);
    lstEventi->setResizeMode(QListView::Adjust);
    lstEventi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(lstEventi, &QListWidget::itemActivated, this, &DlgSimulazione::Modifica);
    auto* comandi = new QVBoxLayout;
    const auto comando = [&](const QString& testo, auto azione) {
        auto* bottone = new QPushButton(testo, gruppo);
        connect(bottone, &QPushButton::clicked, this, azione);
        comandi->addWidget(bottone);
    };
    for (const Evento& evento : EventiPredefiniti(piano.mutuo)) {
        comando(QStringLiteral("Aggiungi ") + TestoQt(NomiDi(evento).breve) + QStringLiteral("…"),
                [this, evento] { Aggiungi(evento); });
    }
    comando(QStringLiteral("&Modifica…"), [this] { Modifica(); });
    comando(QStringLiteral("&Rimuovi"), [this] { Rimuovi(); });
    comandi->addStretch();
    txtPenale = new CampoNumerico(pianoamm::LimitePenale, false, gruppo);
    txtPenale->setObjectName(QStringLiteral("txtPenale"));
    txtPenale->setAccessibleName(QStringLiteral("Penale sulle estinzioni (%)"));
    txtPenale->ImpostaValore(valori.penale);
    connect(txtPenale, &CampoNumerico::ValoreCambiato, this, &DlgSimulazione::Aggiorna);
    auto* penale = new QFormLayout;
    penale->addRow(QStringLiteral("&Penale sulle estinzioni (%):"), txtPenale);
    auto* impaginazione = new QGridLayout(gruppo);
    impaginazione->addWidget(lstEventi, 0, 0);
    impaginazione->addLayout(comandi, 0, 1);
    impaginazione->addLayout(penale, 1, 0, 1, 2);
    return gruppo;
}

QGroupBox* DlgSimulazione::CreaConfronto()
{
    auto* gruppo = new QGroupBox(QStringLiteral("Confronto con il piano"), this);
    auto* modulo = new QFormLayout(gruppo);
    for (std::size_t i = 0; i < lblConfronto.size(); ++i) {
        lblConfronto[i] = new QLabel(gruppo);
        lblConfronto[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblConfronto[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        modulo->addRow(TestoQt(pianoamm::EtichetteConfronto[i]) + QLatin1Char(':'), lblConfronto[i]);
    }
    lblConfronto[4]->setObjectName(QStringLiteral("lblRisparmio"));
    return gruppo;
}

QDialogButtonBox* DlgSimulazione::CreaBottoni()
{
    auto* bottoni = new QDialogButtonBox(this);
    const auto bottone = [&](const QString& testo, auto azione) {
        cmdEsportazioni.push_back(bottoni->addButton(testo, QDialogButtonBox::ActionRole));
        connect(cmdEsportazioni.back(), &QPushButton::clicked, this, azione);
    };
    bottone(QStringLiteral("S&tampa…"), [this] { StampaPagine(this, PagineDelListato(listato)); });
    bottone(QStringLiteral("Salva come PD&F…"),
            [this] { SalvaPaginePdf(this, QStringLiteral("simulazione.pdf"), PagineDelListato(listato)); });
    bottone(QStringLiteral("Esporta &CSV…"),
            [this] { SalvaCsv(this, QStringLiteral("simulazione.csv"), pianoamm::EsportaCsv(giudizio.simulato)); });
    bottone(QStringLiteral("C&opia"), [this] {
        QList<int> righe;
        for (const QListWidgetItem* voce : lstSimulata->selectedItems())
            righe.append(lstSimulata->row(voce));
        CopiaRighe(listato, righe);
    });
    bottone(QStringLiteral("Salva &immagine…"),
            [this] { SalvaImmagine(this, QPixmap::fromImage(grfSimulazione->Immagine(DimensioneStampa))); });
    bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

void DlgSimulazione::Aggiungi(const Evento& evento)
{
    Chiedi(evento, valori.eventi.size());
}

void DlgSimulazione::ImpostaEventi(std::vector<Evento> nuovi)
{
    valori.eventi = std::move(nuovi);
    Aggiorna();
}

void DlgSimulazione::Modifica()
{
    const int riga = lstEventi->currentRow();
    if (riga >= 0)
        Chiedi(valori.eventi[static_cast<std::size_t>(riga)], static_cast<std::size_t>(riga));
}

void DlgSimulazione::Rimuovi()
{
    const int riga = lstEventi->currentRow();
    if (riga < 0)
        return;
    valori.eventi.erase(valori.eventi.begin() + riga);
    Aggiorna();
}

void DlgSimulazione::Chiedi(const Evento& evento, std::size_t indice)
{
    // The event may go as far as the plan goes without it; with it in
    // place it is judged as the list will judge it.
    auto altri = valori.eventi;
    if (indice < altri.size())
        altri.erase(altri.begin() + static_cast<std::ptrdiff_t>(indice));
    const auto righe = Giudica(piano, altri, valori.penale).simulato.piano.righe.size();
    const auto verifica = [this, indice](const Evento& candidato) {
        auto lista = valori.eventi;
        indice < lista.size() ? void(lista[indice] = candidato) : lista.push_back(candidato);
        return Giudica(piano, lista, valori.penale).motivi[indice];
    };
    DlgEvento dialogo(evento, static_cast<int>(righe) - 1, verifica, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    indice < valori.eventi.size() ? void(valori.eventi[indice] = dialogo.Scelto())
                                  : valori.eventi.push_back(dialogo.Scelto());
    Aggiorna();
    lstEventi->setCurrentRow(static_cast<int>(indice));
}

void DlgSimulazione::Aggiorna()
{
    valori.penale = txtPenale->Valore();
    giudizio = Giudica(piano, valori.eventi, valori.penale);
    MostraEventi();
    MostraRisultati();
}

void DlgSimulazione::MostraEventi()
{
    const int corrente = lstEventi->currentRow();
    lstEventi->clear();
    for (std::size_t i = 0; i < valori.eventi.size(); ++i) {
        auto* voce = new QListWidgetItem(TestoQt(Descrizione(valori.eventi[i])), lstEventi);
        if (const auto& motivo = giudizio.motivi[i]) {
            // In the item's text, so that a screen reader says it too.
            voce->setText(voce->text() + QStringLiteral("\nNon applicabile: ") + *motivo);
            voce->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
            voce->setForeground(Rosso);
        }
    }
    lstEventi->setCurrentRow(std::min(corrente, lstEventi->count() - 1));
}

void DlgSimulazione::MostraRisultati()
{
    const bool valido = giudizio.Valido();
    listato = valido ? pianoamm::ComponiListato(giudizio.simulato) : pianoamm::Listato{};
    MostraNellaLista(lstSimulata, listato);
    const auto voci = pianoamm::Confronto(giudizio.simulato);
    // A saving, or a cost beyond the plan's, under its own name.
    const auto* modulo = qobject_cast<QFormLayout*>(lblConfronto[4]->parentWidget()->layout());
    if (auto* etichetta = qobject_cast<QLabel*>(modulo->labelForField(lblConfronto[4])))
        etichetta->setText(TestoQt(voci[4].etichetta) + QLatin1Char(':'));
    for (std::size_t i = 0; i < voci.size(); ++i)
        lblConfronto[i]->setText(valido ? DueDecimali(voci[i].valore) : QString());
    grfSimulazione->Mostra(valido ? &piano : nullptr, valido && !valori.eventi.empty() ? &giudizio.simulato : nullptr);
    lblAvviso->setVisible(!valido);
    for (QPushButton* bottone : cmdEsportazioni)
        bottone->setEnabled(valido);
}

}  // namespace pianoamm

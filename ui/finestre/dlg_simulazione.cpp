#include "ui/finestre/dlg_simulazione.h"

#include "engine/esporta.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/azioni/modello_offerta.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/confronto_simulazione.h"
#include "ui/controlli/grafico_piano.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/lista_listato.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/finestre/dlg_estinzione.h"
#include "ui/finestre/dlg_evento.h"
#include "ui/finestre/dlg_guida.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

DlgSimulazione::DlgSimulazione(pianoamm::Piano pianoMostrato, ModelloOfferta& modello, QWidget* parent)
    : QDialog(parent), piano(std::move(pianoMostrato)), offerta(modello), scenario(modello.Corrente().scenario)
{
    setObjectName(QStringLiteral("DlgSimulazione"));
    ConGuida(this, QStringLiteral("simulazione"));
    setWindowTitle(QStringLiteral("Simulazione"));
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(CreaEventi(), 3);
    grpConfronto = new ConfrontoSimulazione(piano.mutuo.condizioni, this);
    sopra->addWidget(grpConfronto, 2);

    lblAvviso = new MotivoCampo(this);
    lblAvviso->setObjectName(QStringLiteral("lblAvviso"));
    lstSimulata = new QListWidget(this);
    lstSimulata->setObjectName(QStringLiteral("lstSimulata"));
    lstSimulata->setAccessibleName(QStringLiteral("Piano simulato"));
    lstSimulata->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstSimulata->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grfSimulazione = new GraficoPiano(this);
    auto* schede = new QTabWidget(this);
    schede->setAccessibleName(QStringLiteral("Risultati della simulazione"));
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
    Ordina(0);
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
                [this, evento] { Aggiungi(DopoLaRigaScelta(evento)); });
    }
    comando(QStringLiteral("&Modifica…"), [this] { Modifica(); });
    comando(QStringLiteral("&Rimuovi"), [this] { Rimuovi(); });
    comandi->addStretch();
    txtPenale = new CampoNumerico(pianoamm::LimitePenale, false, gruppo);
    txtPenale->setObjectName(QStringLiteral("txtPenale"));
    txtPenale->setAccessibleName(QStringLiteral("Penale sulle estinzioni (%)"));
    txtPenale->ImpostaValore(scenario.penale);
    connect(txtPenale, &CampoNumerico::ValoreCambiato, this, &DlgSimulazione::Aggiorna);
    auto* penale = new QFormLayout;
    auto* avviso = RigaConMotivo(penale, QStringLiteral("&Penale sulle estinzioni (%):"), txtPenale);
    txtPenale->setToolTip(TestoQt(pianoamm::LeggePenale));
    const auto avvisa = [this, avviso](const QString& motivo) {
        avviso->Mostra(!motivo.isEmpty()                                      ? motivo
                       : txtPenale->Valore() > pianoamm::PenaleMassimaDiLegge ? TestoQt(pianoamm::AvvisoPenale)
                                                                              : QString());
    };
    connect(txtPenale, &CampoNumerico::Motivo, avviso, avvisa);
    connect(txtPenale, &CampoNumerico::ValoreCambiato, avviso, [avvisa] { avvisa(QString()); });
    avvisa(QString());
    auto* impaginazione = new QGridLayout(gruppo);
    impaginazione->addWidget(lstEventi, 0, 0);
    impaginazione->addLayout(comandi, 0, 1);
    impaginazione->addLayout(penale, 1, 0, 1, 2);
    return gruppo;
}

QDialogButtonBox* DlgSimulazione::CreaBottoni()
{
    auto* bottoni = new QDialogButtonBox(this);
    const auto bottone = [&](const QString& testo, auto azione) {
        cmdEsportazioni.push_back(bottoni->addButton(testo, QDialogButtonBox::ActionRole));
        connect(cmdEsportazioni.back(), &QPushButton::clicked, this, azione);
    };
    // The listing, then the charts of the plan and of the simulation.
    bottone(QStringLiteral("S&tampa…"), [this] {
        StampaPagine(this, PagineDelListato(listato), grfSimulazione->Immagini(DimensioneStampa),
                     QStringLiteral("simulazione.pdf"));
    });
    cmdEsportazioni.back()->setObjectName(QStringLiteral("cmdStampa"));
    bottone(QStringLiteral("Salva come PD&F…"), [this] {
        SalvaPaginePdf(this, QStringLiteral("simulazione.pdf"), PagineDelListato(listato),
                       grfSimulazione->Immagini(DimensioneStampa));
    });
    bottone(QStringLiteral("Esporta &CSV…"),
            [this] { SalvaCsv(this, QStringLiteral("simulazione.csv"), pianoamm::EsportaCsv(giudizio.simulato)); });
    bottone(QStringLiteral("C&opia"), [this] {
        QList<int> righe;
        for (const QListWidgetItem* voce : lstSimulata->selectedItems())
            righe.append(lstSimulata->row(voce));
        CopiaRighe(listato, righe);
    });
    bottone(QStringLiteral("Estinzione a una &data…"), [this] {
        DlgEstinzione dialogo(giudizio.simulato, scenario.penale, this);
        dialogo.exec();
    });
    bottone(QStringLiteral("Salva &immagine…"),
            [this] { SalvaImmagine(this, QPixmap::fromImage(grfSimulazione->Immagine(DimensioneStampa))); });
    bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

void DlgSimulazione::Aggiungi(const Evento& evento)
{
    Evento nuovo = evento;
    // The rate in force there would be refused: a point from it instead.
    if (auto* variazione = std::get_if<Variazione>(&nuovo)) {
        const double inVigore = TassoDellaRata(giudizio.simulato, variazione->dopoRata + 1);
        if (Variazione::StessoTasso(variazione->tassoAnnuo, inVigore))
            variazione->tassoAnnuo = Variazione::TassoProposto(inVigore);
    }
    Chiedi(nuovo, scenario.eventi.size());
}

void DlgSimulazione::ImpostaEventi(std::vector<Evento> nuovi)
{
    scenario.eventi = std::move(nuovi);
    Ordina(0);
    Aggiorna();
}

Evento DlgSimulazione::DopoLaRigaScelta(Evento evento) const
{
    const QListWidgetItem* voce = lstSimulata->currentItem();
    const int rata = voce != nullptr ? voce->data(Qt::UserRole).toInt() : 0;
    if (rata > 0) {
        const int ultima = std::max(1, UltimaRata(giudizio.simulato.piano.righe) - 1);
        std::visit([dopo = std::clamp(rata, 1, ultima)](auto& e) { e.dopoRata = dopo; }, evento);
    }
    return evento;
}

std::size_t DlgSimulazione::Ordina(std::size_t indice)
{
    const std::vector<std::size_t> ordine = OrdineDelPiano(scenario.eventi);
    std::vector<Evento> ordinati;
    ordinati.reserve(ordine.size());
    for (const std::size_t i : ordine)
        ordinati.push_back(scenario.eventi[i]);
    scenario.eventi = std::move(ordinati);
    return static_cast<std::size_t>(std::ranges::find(ordine, indice) - ordine.begin());
}

void DlgSimulazione::Modifica()
{
    const int riga = lstEventi->currentRow();
    if (riga >= 0)
        Chiedi(scenario.eventi[static_cast<std::size_t>(riga)], static_cast<std::size_t>(riga));
}

void DlgSimulazione::Rimuovi()
{
    const int riga = lstEventi->currentRow();
    if (riga < 0)
        return;
    scenario.eventi.erase(scenario.eventi.begin() + riga);
    Aggiorna();
    // The next event, or the last where the last went.
    lstEventi->setCurrentRow(std::min(riga, lstEventi->count() - 1));
}

void DlgSimulazione::Chiedi(const Evento& evento, std::size_t indice)
{
    // The event may go as far as the plan goes without it; with it in
    // place it is judged as the list will judge it.
    auto altri = scenario.eventi;
    if (indice < altri.size())
        altri.erase(altri.begin() + static_cast<std::ptrdiff_t>(indice));
    const auto verifica = [this, indice](const Evento& candidato) {
        auto lista = scenario.eventi;
        indice < lista.size() ? void(lista[indice] = candidato) : lista.push_back(candidato);
        const auto motivo = Giudica(piano, lista, scenario.penale).motivi[indice];
        return motivo ? std::optional(TestoQt(*motivo)) : std::nullopt;
    };
    DlgEvento dialogo(evento, Giudica(piano, altri, scenario.penale).simulato.piano.righe, verifica, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    indice < scenario.eventi.size() ? void(scenario.eventi[indice] = dialogo.Scelto())
                                    : scenario.eventi.push_back(dialogo.Scelto());
    // Listed by installment: the event keeps the selection where it goes.
    const std::size_t posto = Ordina(indice);
    Aggiorna();
    lstEventi->setCurrentRow(static_cast<int>(posto));
}

void DlgSimulazione::Aggiorna()
{
    scenario.penale = txtPenale->Valore();
    offerta.ImpostaScenario(scenario);
    giudizio = Giudica(piano, scenario.eventi, scenario.penale);
    MostraEventi();
    MostraRisultati();
}

void DlgSimulazione::MostraEventi()
{
    const int corrente = lstEventi->currentRow();
    lstEventi->clear();
    for (std::size_t i = 0; i < scenario.eventi.size(); ++i) {
        auto* voce = new QListWidgetItem(TestoQt(Descrizione(scenario.eventi[i])), lstEventi);
        if (const auto& motivo = giudizio.motivi[i]) {
            // In the item's text, so that a screen reader says it too.
            voce->setText(voce->text() + QStringLiteral("\nNon applicabile: ") + TestoQt(*motivo));
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
    // The installment selected stays selected as the listing is made again.
    const QListWidgetItem* scelta = lstSimulata->currentItem();
    const int rataScelta = scelta != nullptr ? scelta->data(Qt::UserRole).toInt() : 0;
    MostraNellaLista(lstSimulata, listato);
    // Each installment's line knows its number, and so does each event's,
    // after it: a new event goes after the one selected.
    for (std::size_t linea = 0; linea < listato.NumeroRighe(); ++linea) {
        const auto rata = listato.Rata(linea);
        if (!rata)
            continue;
        lstSimulata->item(static_cast<int>(linea))->setData(Qt::UserRole, rata->numero);
        if (rataScelta > 0 && rata->propria && rata->numero == rataScelta)
            lstSimulata->setCurrentRow(static_cast<int>(linea));
    }
    grpConfronto->Mostra(valido ? &giudizio.simulato : nullptr);
    grfSimulazione->Mostra(valido ? &piano : nullptr,
                           valido && !scenario.eventi.empty() ? &giudizio.simulato : nullptr);
    lblAvviso->Mostra(valido ? QString()
                             : QStringLiteral("Nessun risultato finché le variazioni segnate non sono corrette o "
                                              "rimosse."));
    for (QPushButton* bottone : cmdEsportazioni)
        bottone->setEnabled(valido);
}

}  // namespace pianoamm

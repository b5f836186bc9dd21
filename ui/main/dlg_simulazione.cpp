#include "ui/main/dlg_simulazione.h"

#include "engine/errore.h"
#include "engine/esporta.h"
#include "engine/formato.h"
#include "print/impaginazione.h"
#include "ui/main/azioni_piano.h"
#include "ui/main/campo_numerico.h"
#include "ui/main/grafico_piano.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

QString Euro(double valore)
{
    return TestoQt(pianoamm::FormatoDecimali(valore, 2, true));
}

QString Descrizione(const EventoSimulato& evento)
{
    if (const auto* v = std::get_if<pianoamm::Variazione>(&evento))
        return QStringLiteral("Tasso %1 % dalla rata %2").arg(Euro(v->tassoAnnuo)).arg(v->dopoRata + 1);
    const auto& e = std::get<pianoamm::Estinzione>(evento);
    return (e.importo ? QStringLiteral("Estinzione di %1").arg(Euro(*e.importo)) : QStringLiteral("Estinzione totale"))
           + QStringLiteral(" dopo la rata %1").arg(e.dopoRata)
           + (!e.importo                                   ? QString()
              : e.riduzione == pianoamm::Riduzione::Durata ? QStringLiteral(", riduce la durata")
                                                           : QStringLiteral(", riduce la rata"));
}

}  // namespace

DlgSimulazione::DlgSimulazione(pianoamm::Piano pianoMostrato, QWidget* parent)
    : QDialog(parent), piano(std::move(pianoMostrato))
{
    setObjectName(QStringLiteral("DlgSimulazione"));
    setWindowTitle(QStringLiteral("Simulazione"));

    auto* gruppoEventi = new QGroupBox(QStringLiteral("Variazioni"), this);
    listaEventi = new QListWidget(gruppoEventi);
    listaEventi->setObjectName(QStringLiteral("listaEventi"));
    listaEventi->setAccessibleName(QStringLiteral("Variazioni"));
    connect(listaEventi, &QListWidget::itemActivated, this, &DlgSimulazione::Modifica);
    auto* comandi = new QVBoxLayout;
    const auto comando = [&](const QString& testo, auto azione) {
        auto* bottone = new QPushButton(testo, gruppoEventi);
        bottone->setAutoDefault(false);
        connect(bottone, &QPushButton::clicked, this, azione);
        comandi->addWidget(bottone);
    };
    comando(QStringLiteral("Aggiungi &estinzione…"), [this] { Aggiungi(pianoamm::Estinzione{1, 1000.0}); });
    comando(QStringLiteral("Aggiungi &variazione…"), [this] {
        Aggiungi(pianoamm::Variazione{1, piano.mutuo.tassoAnnuo});
    });
    comando(QStringLiteral("&Modifica…"), [this] { Modifica(); });
    comando(QStringLiteral("&Rimuovi"), [this] { Rimuovi(); });
    comandi->addStretch();
    txtPenale = new CampoNumerico(pianoamm::LimitePenale, false, gruppoEventi);
    txtPenale->setObjectName(QStringLiteral("txtPenale"));
    txtPenale->setAccessibleName(QStringLiteral("Penale sulle estinzioni (%)"));
    connect(txtPenale, &CampoNumerico::ValoreCambiato, this, &DlgSimulazione::Aggiorna);
    auto* penale = new QFormLayout;
    penale->addRow(QStringLiteral("&Penale sulle estinzioni (%):"), txtPenale);
    auto* impaginazioneEventi = new QGridLayout(gruppoEventi);
    impaginazioneEventi->addWidget(listaEventi, 0, 0);
    impaginazioneEventi->addLayout(comandi, 0, 1);
    impaginazioneEventi->addLayout(penale, 1, 0, 1, 2);

    auto* gruppoConfronto = new QGroupBox(QStringLiteral("Confronto con il piano"), this);
    auto* moduloConfronto = new QFormLayout(gruppoConfronto);
    const char* etichette[] = {"Interessi piano originale:", "Interessi con le variazioni:", "Differenza interessi:",
                               "Penale:", "Risparmio netto:"};
    for (std::size_t i = 0; i < confronto.size(); ++i) {
        confronto[i] = new QLabel(gruppoConfronto);
        confronto[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        confronto[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        moduloConfronto->addRow(QString::fromUtf8(etichette[i]), confronto[i]);
    }
    confronto[4]->setObjectName(QStringLiteral("lblRisparmio"));

    listaSimulata = new QListWidget(this);
    listaSimulata->setObjectName(QStringLiteral("listaSimulata"));
    listaSimulata->setAccessibleName(QStringLiteral("Piano simulato"));
    listaSimulata->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    listaSimulata->setUniformItemSizes(true);
    listaSimulata->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grafico = new GraficoPiano(this);
    grafico->MostraPiano(piano);
    auto* schede = new QTabWidget(this);
    schede->addTab(listaSimulata, QStringLiteral("Piano &simulato"));
    schede->addTab(grafico, QStringLiteral("&Grafico"));

    auto* bottoni = new QDialogButtonBox(this);
    const auto bottone = [&](const QString& testo, auto azione) {
        connect(bottoni->addButton(testo, QDialogButtonBox::ActionRole), &QPushButton::clicked, this, azione);
    };
    bottone(QStringLiteral("S&tampa…"), [this] { StampaPagine(this, PagineDelListato(listato)); });
    bottone(QStringLiteral("Salva come &PDF…"), [this] { SalvaListatoPdf(this, listato); });
    bottone(QStringLiteral("Esporta &CSV…"),
            [this] { SalvaCsv(this, QStringLiteral("simulazione.csv"), pianoamm::EsportaCsv(simulato)); });
    bottone(QStringLiteral("C&opia"), [this] {
        QList<int> righe;
        for (const QListWidgetItem* voce : listaSimulata->selectedItems())
            righe.append(listaSimulata->row(voce));
        CopiaRighe(listato, righe);
    });
    bottone(QStringLiteral("Salva &immagine…"), [this] { SalvaImmagine(this, grafico->grab()); });
    bottoni->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* sopra = new QHBoxLayout;
    sopra->addWidget(gruppoEventi, 3);
    sopra->addWidget(gruppoConfronto, 2);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addLayout(sopra);
    impaginazione->addWidget(schede, 1);
    impaginazione->addWidget(bottoni);
    resize(900, 640);
    Aggiorna();
}

void DlgSimulazione::Aggiungi(const EventoSimulato& evento)
{
    Chiedi(evento, eventi.size());
}

void DlgSimulazione::ImpostaEventi(std::vector<EventoSimulato> nuovi)
{
    eventi = std::move(nuovi);
    Aggiorna();
}

void DlgSimulazione::Modifica()
{
    const int riga = listaEventi->currentRow();
    if (riga >= 0)
        Chiedi(eventi[static_cast<std::size_t>(riga)], static_cast<std::size_t>(riga));
}

void DlgSimulazione::Rimuovi()
{
    const int riga = listaEventi->currentRow();
    if (riga < 0)
        return;
    eventi.erase(eventi.begin() + riga);
    Aggiorna();
}

void DlgSimulazione::Chiedi(const EventoSimulato& evento, std::size_t indice)
{
    // The same checks as the command line: the scenario with it is made.
    const auto verifica = [this, indice](const EventoSimulato& candidato) -> std::optional<QString> {
        auto lista = eventi;
        indice < lista.size() ? void(lista[indice] = candidato) : lista.push_back(candidato);
        try {
            pianoamm::Simula(piano.mutuo, ScenarioDi(lista));
        } catch (const pianoamm::ErrorePiano& errore) {
            return QString::fromUtf8(errore.what());
        }
        return std::nullopt;
    };
    DlgEvento dialogo(evento, static_cast<int>(simulato.righe.size()) - 1, verifica, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    indice < eventi.size() ? void(eventi[indice] = dialogo.Evento()) : eventi.push_back(dialogo.Evento());
    Aggiorna();
    listaEventi->setCurrentRow(static_cast<int>(std::min(indice, eventi.size() - 1)));
}

pianoamm::Scenario DlgSimulazione::ScenarioDi(const std::vector<EventoSimulato>& lista) const
{
    pianoamm::Scenario scenario;
    scenario.penale = txtPenale->Valore();
    for (const EventoSimulato& evento : lista) {
        if (const auto* e = std::get_if<pianoamm::Estinzione>(&evento))
            scenario.estinzioni.push_back(*e);
        else
            scenario.variazioni.push_back(std::get<pianoamm::Variazione>(evento));
    }
    return scenario;
}

void DlgSimulazione::Aggiorna()
{
    listaEventi->clear();
    for (const EventoSimulato& evento : eventi)
        listaEventi->addItem(Descrizione(evento));
    listaSimulata->clear();
    try {
        simulato = pianoamm::Simula(piano.mutuo, ScenarioDi(eventi));
    } catch (const pianoamm::ErrorePiano& errore) {
        // Removing an event can leave a later one that the plan can no
        // longer take: the reason goes where the listing would.
        simulato = piano;
        listato = {};
        listaSimulata->addItem(QString::fromUtf8(errore.what()));
        return;
    }
    listato = pianoamm::ComponiListato(simulato);
    listaSimulata->addItems(RigheDelListato(listato));
    const auto voci = pianoamm::Confronto(simulato);
    for (std::size_t i = 0; i < voci.size(); ++i)
        confronto[i]->setText(Euro(voci[i].valore));
    grafico->MostraSimulazione(eventi.empty() ? nullptr : &simulato);
}

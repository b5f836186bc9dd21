#include "ui/pagine/pagina_risultato.h"

#include "engine/errore.h"
#include "engine/esporta.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/twips.h"
#include "ui/controlli/link_sito.h"
#include "ui/controlli/lista_listato.h"
#include "ui/finestre/dlg_condizioni.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QToolButton>

#include <algorithm>

namespace pianoamm {

namespace {

// Courier New where present, its metric twin Liberation Mono where not, and
// else whatever fixed-pitch font the system offers: the listing's columns
// line up only in a fixed pitch.
QFont FontListato()
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSizeF(8.25);
    }
    return font;
}

}  // namespace

PaginaRisultato::PaginaRisultato(QWidget* parent) : QWidget(parent)
{
    const Twips tw(logicalDpiX());
    auto* titolo = new QLabel(QStringLiteral("Risultato piano d'ammortamento in base alle scelte effettuate"), this);
    titolo->setGeometry(tw(930, 675, 7575, 405));
    titolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    titolo->setWordWrap(true);
    titolo->setFont(CarattereDialogo(12));
    ColoreTesto(titolo, QColor(0x00, 0x00, 0xC0));

    // Made in their Tab order.
    lstPiano = new QListWidget(this);
    lstPiano->setObjectName(QStringLiteral("lstPiano"));
    lstPiano->setAccessibleName(QStringLiteral("Piano d'ammortamento"));
    lstPiano->setGeometry(tw(90, 1170, 9345, 4680));
    lstPiano->setFont(FontListato());
    lstPiano->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPiano->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstPiano, &QListWidget::customContextMenuRequested, this, &PaginaRisultato::MenuContestuale);

    // The buttons show only a picture: their tip is also their name for
    // screen readers.
    const auto bottone = [&](const char* nome, const char* icona, const QString& testo, int sinistra) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setIcon(QIcon(QString::fromLatin1(icona)));
        b->setIconSize(QSize(tw(480), tw(480)));
        b->setToolTip(testo);
        b->setAccessibleName(testo);
        b->setGeometry(tw(sinistra, 435, 735, 645));
        return b;
    };
    auto* cmdPrint = bottone("cmdPrint", ":/assets/stampante.ico", QStringLiteral("Stampa il piano"), 8685);
    auto* cmdSito = bottone("cmdSito", ":/assets/globo.ico",
                            QStringLiteral("Visita il sito ") + QString::fromLatin1(IndirizzoSito), 120);
    connect(cmdPrint, &QToolButton::clicked, this, &PaginaRisultato::StampaPiano);
    connect(cmdSito, &QToolButton::clicked, this, &ApriSito);
}

void PaginaRisultato::ElaboraPiano(const pianoamm::Mutuo& mutuo)
{
    lstPiano->clear();
    piano.reset();
    listato = {};
    try {
        auto nuovo = pianoamm::PianoAmm(mutuo);
        listato = pianoamm::ComponiListato(nuovo);
        piano = std::move(nuovo);
    } catch (const pianoamm::ErrorePiano& errore) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             QStringLiteral("Impossibile calcolare il piano.\n\n") + QString::fromUtf8(errore.what()));
        return;
    }
    MostraNellaLista(lstPiano, listato);
    // Each installment's line knows its number: what the user selects is
    // read from it, not from where the line stands.
    for (std::size_t linea = RigheIntestazione; linea < listato.NumeroRighe(); ++linea) {
        if (const int numero = listato.NumeroRata(linea); numero > 0)
            lstPiano->item(static_cast<int>(linea))->setData(Qt::UserRole, numero);
    }
}

void PaginaRisultato::StampaPiano()
{
    if (piano)
        StampaPagine(this, PagineDelListato(listato));
}

void PaginaRisultato::MenuContestuale(const QPoint& punto)
{
    QMenu menu(this);
    if (piano) {
        VociPiano(menu);
        menu.addSeparator();
    }
    vociFile(&menu);
    menu.exec(lstPiano->viewport()->mapToGlobal(punto));
}

void PaginaRisultato::VociPiano(QMenu& menu)
{
    // Each item has a letter of its own, the file items' included.
    menu.addAction(QStringLiteral("&Copia"), this, [this] {
        QList<int> righe;
        for (const QListWidgetItem* voce : lstPiano->selectedItems())
            righe.append(lstPiano->row(voce));
        CopiaRighe(listato, righe);
    });
    menu.addSeparator();
    menu.addAction(QStringLiteral("Salva come P&DF…"), this, [this] { SalvaListatoPdf(this, listato); });
    menu.addAction(QStringLiteral("Es&porta CSV…"), this,
                   [this] { SalvaCsv(this, QStringLiteral("piano.csv"), pianoamm::EsportaCsv(*piano)); });
    menu.addSeparator();
    menu.addAction(QStringLiteral("&Interessi per anno…"), this, [this] { MostraInteressiPerAnno(this, *piano); });
    menu.addAction(QStringLiteral("Costi, &TAEG e detrazione…"), this, &PaginaRisultato::MostraCosti);
    menu.addAction(QStringLiteral("Condi&zioni del piano…"), this, &PaginaRisultato::CambiaCondizioni);
    menu.addSeparator();
    for (const Evento& evento : EventiPredefiniti(piano->mutuo)) {
        // The event's own letter, as its button in the simulation has it.
        const NomiEvento& nomi = NomiDi(evento);
        QString nome = TestoQt(nomi.nome);
        nome.insert(TestoQt(nomi.breve).indexOf(QLatin1Char('&')), QLatin1Char('&'));
        // An event follows an installment and precedes another: a plan of one
        // has no room for any.
        menu.addAction(QStringLiteral("Simula ") + nome + QStringLiteral("…"), this, [this, evento] { Simula(evento); })
            ->setEnabled(piano->righe.size() > 1);
    }
    menu.addAction(QStringLiteral("&Grafico del piano…"), this, [this] { MostraGrafico(this, *piano); });
}

void PaginaRisultato::CambiaCondizioni()
{
    DlgCondizioni dialogo(piano->mutuo.condizioni, piano->mutuo.importo, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    Mutuo mutuo = piano->mutuo;
    mutuo.condizioni = dialogo.Scelte();
    // The costs and the simulation were about the plan before.
    ChiudiDialoghi();
    const Mutuo prima = piano->mutuo;
    ElaboraPiano(mutuo);
    // Terms the loan cannot take are not kept: its plan comes back.
    if (piano)
        emit CondizioniCambiate(mutuo.condizioni);
    else
        ElaboraPiano(prima);
}

void PaginaRisultato::MostraCosti()
{
    if (!dlgCosti) {
        dlgCosti = new DlgCosti(*piano, valoriCosti, this);
        dlgCosti->setAttribute(Qt::WA_DeleteOnClose);
    }
    dlgCosti->show();
    dlgCosti->raise();
    dlgCosti->activateWindow();
}

void PaginaRisultato::Simula(Evento evento)
{
    // After the installment on the selected line, where there is one.
    const QListWidgetItem* voce = lstPiano->currentItem();
    const int riga = voce != nullptr ? voce->data(Qt::UserRole).toInt() : 0;
    const int dopoRata = std::clamp(riga, 1, std::max(1, static_cast<int>(piano->righe.size()) - 1));
    std::visit([dopoRata](auto& e) { e.dopoRata = dopoRata; }, evento);
    if (!dlgSimulazione) {
        dlgSimulazione = new DlgSimulazione(*piano, valoriSimulazione, this);
        dlgSimulazione->setAttribute(Qt::WA_DeleteOnClose);
    }
    dlgSimulazione->show();
    dlgSimulazione->raise();
    dlgSimulazione->Aggiungi(evento);
}

void PaginaRisultato::ImpostaValori(const DlgCosti::Valori& costi, const DlgSimulazione::Valori& simulazione)
{
    ChiudiDialoghi();
    valoriCosti = costi;
    valoriSimulazione = simulazione;
}

void PaginaRisultato::ChiudiDialoghi()
{
    for (QDialog* dialogo : std::initializer_list<QDialog*>{dlgCosti, dlgSimulazione}) {
        if (dialogo)
            dialogo->close();
    }
}

void PaginaRisultato::hideEvent(QHideEvent* evento)
{
    ChiudiDialoghi();
    QWidget::hideEvent(evento);
}

}  // namespace pianoamm

#include "ui/pagine/pagina_risultato.h"

#include "engine/errore.h"
#include "engine/esporta.h"
#include "print/impaginazione.h"
#include "print/testo_qt.h"
#include "ui/azioni/azioni_piano.h"
#include "ui/azioni/modello_offerta.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/twips.h"
#include "ui/controlli/link_sito.h"
#include "ui/controlli/lista_listato.h"
#include "ui/finestre/dlg_condizioni.h"
#include "ui/finestre/dlg_estinzione.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
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

PaginaRisultato::PaginaRisultato(ModelloOfferta& modello, QWidget* parent) : QWidget(parent), offerta(modello)
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
    connect(lstPiano, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& punto) { MenuContestuale(lstPiano->viewport()->mapToGlobal(punto)); });
    // In the listing's place while the loan has no plan: plain text, to be
    // read, selected and copied with the keyboard too.
    lblMotivo = new QLabel(this);
    lblMotivo->setObjectName(QStringLiteral("lblMotivo"));
    lblMotivo->setAccessibleName(QStringLiteral("Motivo per cui il piano non si può calcolare"));
    lblMotivo->setGeometry(lstPiano->geometry());
    lblMotivo->setTextFormat(Qt::PlainText);
    lblMotivo->setWordWrap(true);
    lblMotivo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMotivo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblMotivo->setMargin(tw(120));
    lblMotivo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Selectable text takes the focus only by a click: Tab must reach it too.
    lblMotivo->setFocusPolicy(Qt::StrongFocus);
    lblMotivo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lblMotivo, &QLabel::customContextMenuRequested, this,
            [this](const QPoint& punto) { MenuContestuale(lblMotivo->mapToGlobal(punto)); });
    lblMotivo->hide();

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
    cmdPrint = bottone("cmdPrint", ":/assets/stampante.ico", QStringLiteral("Stampa il piano"), 8685);
    auto* cmdSito = bottone("cmdSito", ":/assets/globo.ico",
                            QStringLiteral("Visita il sito ") + QString::fromLatin1(IndirizzoSito), 120);
    connect(cmdPrint, &QToolButton::clicked, this, &PaginaRisultato::StampaPiano);
    connect(cmdSito, &QToolButton::clicked, this, &ApriSito);
}

void PaginaRisultato::ElaboraPiano(const pianoamm::Mutuo& dati)
{
    mutuo = dati;
    lstPiano->clear();
    piano.reset();
    listato = {};
    QString motivo;
    try {
        auto nuovo = pianoamm::PianoAmm(mutuo);
        listato = pianoamm::ComponiListato(nuovo);
        piano = std::move(nuovo);
    } catch (const pianoamm::ErrorePiano& errore) {
        motivo = QStringLiteral("Impossibile calcolare il piano.\n\n%1\n\nPer cambiare i dati, tornare indietro "
                                "con «< Indietro»; le condizioni del piano si cambiano anche da questo menu "
                                "(tasto destro).")
                     .arg(QString::fromUtf8(errore.what()));
    }
    lblMotivo->setText(motivo);
    lblMotivo->setAccessibleDescription(motivo);
    lblMotivo->setVisible(!piano);
    lstPiano->setVisible(piano.has_value());
    cmdPrint->setEnabled(piano.has_value());
    if (!piano)
        return;
    MostraNellaLista(lstPiano, listato);
    // Each installment's line knows its number: what the user selects is
    // read from it, not from where the line stands.
    for (std::size_t linea = 0; linea < listato.NumeroRighe(); ++linea) {
        if (const auto rata = listato.Rata(linea); rata && rata->propria)
            lstPiano->item(static_cast<int>(linea))->setData(Qt::UserRole, rata->numero);
    }
}

void PaginaRisultato::DallInizio()
{
    lstPiano->scrollToTop();
    lstPiano->horizontalScrollBar()->setValue(0);
}

void PaginaRisultato::StampaPiano()
{
    if (piano)
        StampaDopoDomanda(this, PagineDelListato(listato));
}

void PaginaRisultato::MenuContestuale(const QPoint& globale)
{
    QMenu menu(this);
    VociPiano(menu);
    menu.addSeparator();
    vociFile(&menu);
    menu.exec(globale);
}

void PaginaRisultato::VociPiano(QMenu& menu)
{
    // What needs a plan is there, disabled, while the loan has none; its
    // terms may still be changed, as what can carry it.
    const auto conPiano = [&](const QString& testo, auto azione) {
        QAction* nuova = menu.addAction(testo, this, azione);
        nuova->setEnabled(piano.has_value());
        return nuova;
    };
    // Each item has a letter of its own, the file items' included.
    conPiano(QStringLiteral("&Copia"), [this] {
        QList<int> righe;
        for (const QListWidgetItem* voce : lstPiano->selectedItems())
            righe.append(lstPiano->row(voce));
        CopiaRighe(listato, righe);
    });
    menu.addSeparator();
    conPiano(QStringLiteral("Salva come P&DF…"), [this] { SalvaListatoPdf(this, listato); });
    conPiano(QStringLiteral("Es&porta CSV…"),
             [this] { SalvaCsv(this, QStringLiteral("piano.csv"), pianoamm::EsportaCsv(*piano)); });
    menu.addSeparator();
    conPiano(QStringLiteral("&Interessi per anno…"), [this] { MostraInteressiPerAnno(this, *piano); });
    conPiano(QStringLiteral("Costi, &TAEG e detrazione…"), [this] { MostraCosti(); });
    conPiano(QStringLiteral("Estin&zione a una data…"), [this] {
        DlgEstinzione dialogo(*piano, offerta.Corrente().scenario.penale, this);
        dialogo.exec();
    });
    conPiano(QStringLiteral("S&urroga o sostituzione…"), [this] { MostraCambio(); });
    menu.addAction(QStringLiteral("Condizioni de&l piano…"), this, &PaginaRisultato::CambiaCondizioni);
    menu.addSeparator();
    for (const Evento& evento : EventiPredefiniti(mutuo)) {
        // The event's own letter, as its button in the simulation has it.
        const NomiEvento& nomi = NomiDi(evento);
        QString nome = TestoQt(nomi.nome);
        nome.insert(TestoQt(nomi.breve).indexOf(QLatin1Char('&')), QLatin1Char('&'));
        // An event follows an installment and precedes another: a plan of one
        // has no room for any.
        conPiano(QStringLiteral("Simula ") + nome + QStringLiteral("…"), [this, evento] {
            Simula(evento);
        })->setEnabled(piano && UltimaRata(piano->righe) > 1);
    }
    conPiano(QStringLiteral("&Grafico del piano…"), [this] { MostraGrafico(this, *piano); });
}

void PaginaRisultato::CambiaCondizioni()
{
    DlgCondizioni dialogo(mutuo, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    Mutuo nuovo = mutuo;
    nuovo.condizioni = dialogo.Scelte();
    // A plan shown is not given up for terms that cannot carry it; a loan
    // with none takes them, and shows why they do not carry it either.
    try {
        if (piano)
            pianoamm::PianoAmm(nuovo);
    } catch (const pianoamm::ErrorePiano& errore) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             QStringLiteral("Impossibile calcolare il piano con queste condizioni.\n\n")
                                 + QString::fromUtf8(errore.what()));
        return;
    }
    // The costs and the simulation were about the plan before.
    ChiudiDialoghi();
    offerta.ImpostaCondizioni(nuovo.condizioni);
    ElaboraPiano(offerta.Corrente().mutuo);
}

void PaginaRisultato::MostraCosti()
{
    if (!dlgCosti) {
        dlgCosti = new DlgCosti(*piano, offerta, this);
        dlgCosti->setAttribute(Qt::WA_DeleteOnClose);
    }
    dlgCosti->show();
    dlgCosti->raise();
    dlgCosti->activateWindow();
}

void PaginaRisultato::MostraCambio()
{
    if (!dlgCambio) {
        dlgCambio = new DlgCambio(*piano, offerta.Corrente(), this);
        dlgCambio->setAttribute(Qt::WA_DeleteOnClose);
    }
    dlgCambio->show();
    dlgCambio->raise();
    dlgCambio->activateWindow();
}

void PaginaRisultato::Simula(Evento evento)
{
    // After the installment on the selected line, where there is one.
    const QListWidgetItem* voce = lstPiano->currentItem();
    const int riga = voce != nullptr ? voce->data(Qt::UserRole).toInt() : 0;
    const int dopoRata = std::clamp(riga, 1, std::max(1, UltimaRata(piano->righe) - 1));
    std::visit([dopoRata](auto& e) { e.dopoRata = dopoRata; }, evento);
    if (!dlgSimulazione) {
        dlgSimulazione = new DlgSimulazione(*piano, offerta, this);
        dlgSimulazione->setAttribute(Qt::WA_DeleteOnClose);
    }
    dlgSimulazione->show();
    dlgSimulazione->raise();
    dlgSimulazione->Aggiungi(evento);
}

void PaginaRisultato::ChiudiDialoghi()
{
    for (QDialog* dialogo : std::initializer_list<QDialog*>{dlgCosti, dlgSimulazione, dlgCambio}) {
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

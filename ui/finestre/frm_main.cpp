#include "ui/finestre/frm_main.h"

#include "ui/azioni/documento.h"
#include "ui/azioni/modello_offerta.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/messaggi.h"
#include "ui/comune/suggerimenti.h"
#include "ui/comune/twips.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/link_sito.h"
#include "ui/finestre/dlg_guida.h"
#include "ui/pagine/pagina_cadenza.h"
#include "ui/pagine/pagina_dati.h"
#include "ui/pagine/pagina_risultato.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>

#include <QCloseEvent>

namespace pianoamm {

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      offerta(new ModelloOfferta(this))
{
    SuggerimentiACapo();
    setWindowIcon(QIcon(QStringLiteral(":/assets/oro.ico")));
    setFont(CarattereDialogo(8.25));
    const Twips tw(logicalDpiX());
    setFixedSize(tw(9675), tw(6255));
    CreaPagine(tw);
    CreaBottoni(tw);
    CreaDocumento();
    PreparaMessaggi();
    InvioCliccaIBottoni(this);
    AggiornaBottoni();
    if (const QScreen* schermo = screen())
        move(schermo->availableGeometry().center() - rect().center());
}

void FrmMain::CreaPagine(const Twips& tw)
{
    // The pages sit where a tabbed container's would, its tab row above the
    // window: the page body starts at the top edge and no tab shows. They
    // take the focus at start.
    stkPagine = new QStackedWidget(this);
    stkPagine->setObjectName(QStringLiteral("stkPagine"));
    stkPagine->setAccessibleName(QStringLiteral("Pagine della procedura"));
    stkPagine->setGeometry(tw(30, -330, 9600, 5955));
    stkPagine->setFocusPolicy(Qt::TabFocus);
    pagDati = new PaginaDati(*offerta, stkPagine);
    pagCadenza = new PaginaCadenza(*offerta, stkPagine);
    pagRisultato = new PaginaRisultato(*offerta, stkPagine);
    for (QWidget* pagina : std::initializer_list<QWidget*>{pagDati, pagCadenza, pagRisultato})
        stkPagine->addWidget(pagina);
    ConGuida(this, QStringLiteral("indice"));
    ConGuida(pagDati, QStringLiteral("dati"));
    ConGuida(pagCadenza, QStringLiteral("cadenza"));
    ConGuida(pagRisultato, QStringLiteral("risultato"));
    stkPagine->setFocus();
    connect(pagDati, &PaginaDati::DataCambiata, this, &FrmMain::AggiornaBottoni);
}

void FrmMain::CreaBottoni(const Twips& tw)
{
    const auto bottone = [&](const char* nome, const QString& testo, QRect posizione, void (FrmMain::*azione)()) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setGeometry(posizione);
        connect(b, &QPushButton::clicked, this, azione);
        return b;
    };
    cmdChiudi = bottone("cmdChiudi", QStringLiteral("Chiudi"), tw(8340, 5805, 1245, 345), &FrmMain::Chiudi);
    cmdAvanti = bottone("cmdAvanti", QStringLiteral("Avanti >"), tw(7080, 5805, 1185, 345), &FrmMain::Avanti);
    cmdIndietro = bottone("cmdIndietro", QStringLiteral("< Indietro"), tw(5865, 5805, 1185, 345), &FrmMain::Indietro);
    // Tab goes from the pages to the buttons, from the right, then to the
    // controls of the page on show.
    setTabOrder(stkPagine, cmdChiudi);
    setTabOrder(cmdChiudi, cmdAvanti);
    setTabOrder(cmdAvanti, cmdIndietro);
    // Escape anywhere in the window clicks Chiudi, whose question follows.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdChiudi, &QPushButton::click);

    auto* linkSito = new LinkSito(this);
    linkSito->setGeometry(tw(750, 5850, 5205, 285));
    // Under Indietro, which covers its last few pixels.
    linkSito->lower();
}

void FrmMain::Avanti()
{
    stkPagine->setCurrentIndex(stkPagine->currentIndex() + 1);
    AggiornaBottoni();
    if (stkPagine->currentWidget() == pagRisultato)
        pagRisultato->ElaboraPiano(offerta->Corrente().mutuo);
}

void FrmMain::Indietro()
{
    stkPagine->setCurrentIndex(stkPagine->currentIndex() - 1);
    AggiornaBottoni();
}

void FrmMain::AggiornaBottoni()
{
    // Past the first page only with a valid date, which can change only there.
    cmdAvanti->setEnabled(stkPagine->currentIndex() + 1 < stkPagine->count() && pagDati->DataValida());
    cmdIndietro->setEnabled(stkPagine->currentIndex() > 0);
}

void FrmMain::Chiudi()
{
    // Whoever answered Salva or Non salvare to the changes has chosen to
    // close: one question is enough.
    const bool daChiedere = !documento->Modificato();
    if (!documento->ConfermaPerdita())
        return;
    if (daChiedere
        && QMessageBox::question(this, QGuiApplication::applicationDisplayName(),
                                 QStringLiteral("Chiudere il programma?"), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
               != QMessageBox::Yes)
        return;
    chiusuraConfermata = true;
    close();
    chiusuraConfermata = false;
}

void FrmMain::closeEvent(QCloseEvent* evento)
{
    if (!chiusuraConfermata && !documento->ConfermaPerdita())
        evento->ignore();
}

}  // namespace pianoamm

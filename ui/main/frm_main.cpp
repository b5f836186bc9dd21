#include "ui/main/frm_main.h"

#include "ui/main/aspetto.h"
#include "ui/main/invio_bottoni.h"
#include "ui/main/link_sito.h"
#include "ui/main/pagina_cadenza.h"
#include "ui/main/pagina_dati.h"
#include "ui/main/pagina_risultato.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Calcolo del piano di ammortamento a rata fissa (metodo francese)"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/oro.ico")));
    setFont(CarattereDialogo(8.25));
    const Twips tw(logicalDpiX());
    setFixedSize(tw(9675), tw(6255));
    CreaPagine(tw);
    CreaBottoni(tw);
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
    pagine = new QStackedWidget(this);
    pagine->setObjectName(QStringLiteral("pagine"));
    pagine->setAccessibleName(QStringLiteral("Pagine della procedura"));
    pagine->setGeometry(tw(30, -330, 9600, 5955));
    pagine->setFocusPolicy(Qt::TabFocus);
    paginaDati = new PaginaDati(pagine);
    paginaCadenza = new PaginaCadenza(pagine);
    paginaRisultato = new PaginaRisultato(pagine);
    for (QWidget* pagina : std::initializer_list<QWidget*>{paginaDati, paginaCadenza, paginaRisultato})
        pagine->addWidget(pagina);
    pagine->setFocus();
    connect(paginaDati, &PaginaDati::DataCambiata, this, &FrmMain::AggiornaBottoni);
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
    setTabOrder(pagine, cmdChiudi);
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
    pagine->setCurrentIndex(pagine->currentIndex() + 1);
    AggiornaBottoni();
    if (pagine->currentWidget() == paginaRisultato)
        paginaRisultato->ElaboraPiano(paginaDati->LeggiMutuo(paginaCadenza->Scelta()));
}

void FrmMain::Indietro()
{
    pagine->setCurrentIndex(pagine->currentIndex() - 1);
    AggiornaBottoni();
}

void FrmMain::AggiornaBottoni()
{
    // Past the first page only with a valid date, which can change only there.
    cmdAvanti->setEnabled(pagine->currentIndex() + 1 < pagine->count() && paginaDati->DataValida());
    cmdIndietro->setEnabled(pagine->currentIndex() > 0);
}

void FrmMain::Chiudi()
{
    const auto risposta =
        QMessageBox::question(this, QGuiApplication::applicationDisplayName(), QStringLiteral("Chiudere il programma?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (risposta == QMessageBox::Yes)
        close();
}

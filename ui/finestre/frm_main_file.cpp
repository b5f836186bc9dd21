// The main window's loan files: what is entered as an offer, and back.

#include "engine/errore.h"
#include "print/testo_qt.h"
#include "ui/azioni/documento.h"
#include "ui/finestre/dlg_confronto.h"
#include "ui/finestre/frm_main.h"
#include "ui/pagine/pagina_cadenza.h"
#include "ui/pagine/pagina_dati.h"
#include "ui/pagine/pagina_risultato.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>

namespace pianoamm {

namespace {

const char* const Titolo = "Calcolo del piano di ammortamento a rata fissa (metodo francese)";

}  // namespace

void FrmMain::CreaDocumento()
{
    documento = new Documento(
        this, [this] { return OffertaInserita(); }, [this](const Offerta& offerta) { MostraOfferta(offerta); });
    connect(documento, &Documento::StatoCambiato, this, &FrmMain::AggiornaTitolo);
    documento->Azzera();
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, documento, qOverload<>(&Documento::Apri));
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, documento, &Documento::Salva);
    connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")), this), &QShortcut::activated, documento,
            &Documento::SalvaConNome);
    pagRisultato->ImpostaVociFile([this](QMenu* menu) { VociFile(menu); });
    pagDati->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pagDati, &QWidget::customContextMenuRequested, this, [this](const QPoint& punto) {
        QMenu menu(this);
        VociFile(&menu);
        menu.exec(pagDati->mapToGlobal(punto));
    });
    // Whatever the user changes comes through a key or a click: the title's
    // mark follows after each.
    QCoreApplication::instance()->installEventFilter(this);
}

Offerta FrmMain::OffertaInserita() const
{
    if (!pagDati->DataValida())
        throw ErrorePiano("La data di erogazione non è valida: scriverla come GG/MM/AAAA.");
    Offerta offerta;
    offerta.mutuo = pagDati->LeggiMutuo(pagCadenza->Scelta(), pagCadenza->CondizioniScelte());
    offerta.costi = pagRisultato->ValoriCosti().costi;
    offerta.regole = pagRisultato->ValoriCosti().regole;
    offerta.scenario = {pagRisultato->ValoriSimulazione().eventi, pagRisultato->ValoriSimulazione().penale};
    return offerta;
}

void FrmMain::MostraOfferta(const Offerta& offerta)
{
    pagDati->Imposta(offerta.mutuo);
    pagCadenza->Scegli(offerta.mutuo.cadenza);
    pagCadenza->ImpostaCondizioni(offerta.mutuo.condizioni);
    pagRisultato->ImpostaValori({offerta.costi, offerta.regole}, {offerta.scenario.eventi, offerta.scenario.penale});
    stkPagine->setCurrentWidget(pagRisultato);
    AggiornaBottoni();
    pagRisultato->ElaboraPiano(offerta.mutuo);
}

bool FrmMain::ApriFile(const QString& percorso)
{
    return documento->Apri(percorso);
}

void FrmMain::VociFile(QMenu* menu)
{
    documento->AggiungiVoci(menu);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Con&fronta offerte…"), this, &FrmMain::ConfrontaOfferte);
}

void FrmMain::ConfrontaOfferte()
{
    Offerta corrente;
    try {
        corrente = OffertaInserita();
        corrente.nome = documento->Nome();
        PianoAmm(corrente.mutuo);
    } catch (const ErrorePiano& errore) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             QStringLiteral("Impossibile confrontare il mutuo inserito.\n\n")
                                 + QString::fromUtf8(errore.what()));
        return;
    }
    const QString nome = documento->Percorso().isEmpty() ? QStringLiteral("Mutuo inserito")
                                                         : QFileInfo(documento->Percorso()).completeBaseName();
    auto* dialogo = new DlgConfronto(corrente, nome, this);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    dialogo->show();
}

void FrmMain::AggiornaTitolo()
{
    const QString file = documento->Percorso();
    setWindowTitle((file.isEmpty() ? QString() : TestoVisibile(QFileInfo(file).fileName()) + QStringLiteral(" - "))
                   + QString::fromUtf8(Titolo) + QStringLiteral("[*]"));
    setWindowModified(documento->Modificato());
}

bool FrmMain::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyRelease || evento->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, &FrmMain::AggiornaTitolo);
    return QWidget::eventFilter(oggetto, evento);
}

}  // namespace pianoamm

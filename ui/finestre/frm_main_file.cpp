// The main window's loan files: the title that shows the file and whether
// the loan differs from it, the files' menus, the comparison of offers and
// the check of a bank's plan.

#include "engine/errore.h"
#include "print/testo_qt.h"
#include "ui/azioni/documento.h"
#include "ui/azioni/modello_offerta.h"
#include "ui/finestre/dlg_confronto.h"
#include "ui/finestre/dlg_verifica.h"
#include "ui/finestre/frm_main.h"
#include "ui/pagine/pagina_dati.h"
#include "ui/pagine/pagina_risultato.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QStackedWidget>

namespace pianoamm {

namespace {

const char* const Titolo = "Calcolo del piano di ammortamento a rata fissa (metodo francese)";

}  // namespace

void FrmMain::CreaDocumento()
{
    documento = new Documento(this, offerta);
    connect(documento, &Documento::StatoCambiato, this, &FrmMain::AggiornaTitolo);
    connect(offerta, &ModelloOfferta::Cambiata, this, &FrmMain::AggiornaTitolo);
    connect(documento, &Documento::Aperto, this, &FrmMain::MostraAperto);
    AggiornaTitolo();
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
}

void FrmMain::MostraAperto()
{
    // The costs and the simulation were about the plan before.
    pagRisultato->ChiudiDialoghi();
    stkPagine->setCurrentWidget(pagRisultato);
    AggiornaBottoni();
    pagRisultato->ElaboraPiano(offerta->Corrente().mutuo);
    pagRisultato->DallInizio();
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
    menu->addAction(QStringLiteral("Verifica il piano della &banca…"), this, &FrmMain::VerificaBanca);
}

void FrmMain::VerificaBanca()
{
    auto* dialogo = new DlgVerifica(this);
    // The loan found in place of the one entered, as a file's would be,
    // but not as saved, and only once what was entered and not saved may
    // go; the events simulated were about the plan before, the penalty is
    // the contract's.
    connect(dialogo, &DlgVerifica::Usa, this, [this](const Mutuo& mutuo) {
        if (!documento->ConfermaPerdita())
            return;
        offerta->ImpostaScenario({.eventi = {}, .penale = offerta->Corrente().scenario.penale});
        offerta->ImpostaMutuo(mutuo);
        MostraAperto();
    });
    dialogo->show();
}

void FrmMain::ConfrontaOfferte()
{
    const Offerta& corrente = offerta->Corrente();
    try {
        if (const QString motivo = offerta->Motivo(); !motivo.isEmpty())
            throw ErrorePiano(motivo.toStdString());
        PianoAmm(corrente.mutuo);
    } catch (const ErrorePiano& errore) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             QStringLiteral("Impossibile confrontare il mutuo inserito.\n\n")
                                 + QString::fromUtf8(errore.what()));
        return;
    }
    // Named after its file, as the offers added are.
    const auto nome = [this] {
        return documento->Percorso().isEmpty() ? QStringLiteral("Mutuo inserito")
                                               : QFileInfo(documento->Percorso()).fileName();
    };
    auto* dialogo = new DlgConfronto(corrente, nome(), this);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    connect(documento, &Documento::Salvato, dialogo, [dialogo, nome] { dialogo->NominaCorrente(nome()); });
    dialogo->show();
}

void FrmMain::AggiornaTitolo()
{
    const QString file = documento->Percorso();
    setWindowTitle((file.isEmpty() ? QString() : TestoVisibile(QFileInfo(file).fileName()) + QStringLiteral(" - "))
                   + QString::fromUtf8(Titolo) + QStringLiteral("[*]"));
    setWindowModified(documento->Modificato());
}

}  // namespace pianoamm

#include "ui/azioni/documento.h"

#include "engine/errore.h"
#include "file/file_offerta.h"
#include "print/testo_qt.h"
#include "ui/azioni/modello_offerta.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/cartelle.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace pianoamm {

namespace {

constexpr int RecentiMassimi = 5;

std::string NomeDiSistema(const QString& percorso)
{
    return QFile::encodeName(percorso).toStdString();
}

QStringList LeggiRecenti()
{
    const QSettings impostazioni(FileImpostazioni(), QSettings::IniFormat);
    return impostazioni.value(QStringLiteral("recenti")).toStringList().mid(0, RecentiMassimi);
}

void RicordaRecente(const QString& file)
{
    QStringList recenti = LeggiRecenti();
    recenti.removeAll(file);
    recenti.prepend(file);
    QSettings impostazioni(FileImpostazioni(), QSettings::IniFormat);
    impostazioni.setValue(QStringLiteral("recenti"), recenti.mid(0, RecentiMassimi));
}

void Avvisa(QWidget* finestra, const QString& testo)
{
    QMessageBox::warning(finestra, QGuiApplication::applicationDisplayName(), testo);
}

const char* const NonSalvato = "Il mutuo non è stato salvato.\n\n";

}  // namespace

QString ChiediFileMutuo(QWidget* finestra, const QString& titolo, const QString& iniziale)
{
    QString scelto = Ricorda(
        TipoFile::Mutuo, QFileDialog::getSaveFileName(
                             finestra, titolo, QDir(CartellaPer(TipoFile::Mutuo)).filePath(iniziale), FiltroMutui()));
    if (!scelto.isEmpty() && QFileInfo(scelto).suffix().isEmpty())
        scelto += QStringLiteral(".pianoamm");
    return scelto;
}

bool ScriviMutuo(QWidget* finestra, const QString& file, const Offerta& offerta)
{
    try {
        // What the file could not give back is not written: reading it
        // must accept it.
        LeggiTestoOfferta(TestoOfferta(offerta));
        ScriviFileOfferta(NomeDiSistema(file), offerta);
    } catch (const ErrorePiano& errore) {
        Avvisa(finestra, QString::fromUtf8(NonSalvato) + QString::fromUtf8(errore.what()));
        return false;
    }
    return true;
}

Documento::Documento(QWidget* padre, ModelloOfferta* modello) : QObject(padre), finestra(padre), offerta(modello) {}

void Documento::Tieni(const QString& file)
{
    percorso = QFileInfo(file).absoluteFilePath();
    RicordaRecente(percorso);
    emit StatoCambiato();
}

bool Documento::Modificato() const
{
    return offerta->Modificato();
}

const std::string& Documento::Nome() const
{
    return offerta->Corrente().nome;
}

bool Documento::ConfermaPerdita()
{
    if (!Modificato())
        return true;
    QMessageBox domanda(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                        QStringLiteral("Salvare le modifiche?"), QMessageBox::NoButton, finestra);
    domanda.setInformativeText(percorso.isEmpty()
                                   ? QStringLiteral("I dati del mutuo non sono stati salvati.")
                                   : QStringLiteral("I dati del mutuo sono cambiati da quando «%1» è stato salvato.")
                                         .arg(TestoVisibile(QFileInfo(percorso).fileName())));
    auto* salva = domanda.addButton(QStringLiteral("&Salva"), QMessageBox::AcceptRole);
    auto* nonSalvare = domanda.addButton(QStringLiteral("&Non salvare"), QMessageBox::DestructiveRole);
    domanda.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    domanda.setDefaultButton(salva);
    domanda.exec();
    if (domanda.clickedButton() == salva)
        return Salva();
    return domanda.clickedButton() == nonSalvare;
}

void Documento::Apri()
{
    if (!ConfermaPerdita())
        return;
    const QString scelto =
        Ricorda(TipoFile::Mutuo, QFileDialog::getOpenFileName(finestra, QStringLiteral("Apri un mutuo"),
                                                              CartellaPer(TipoFile::Mutuo), FiltroMutui()));
    if (!scelto.isEmpty())
        Apri(scelto);
}

bool Documento::Apri(const QString& file)
{
    Offerta aperta;
    try {
        aperta = LeggiFileOfferta(NomeDiSistema(file));
    } catch (const ErrorePiano& errore) {
        Avvisa(finestra, QString::fromUtf8(errore.what()));
        return false;
    }
    offerta->Sostituisci(std::move(aperta));
    Tieni(file);
    emit Aperto();
    return true;
}

bool Documento::Salva()
{
    return percorso.isEmpty() ? SalvaConNome() : SalvaIn(percorso);
}

bool Documento::SalvaConNome()
{
    const QString iniziale = percorso.isEmpty() ? QStringLiteral("mutuo.pianoamm") : percorso;
    const QString scelto = ChiediFileMutuo(finestra, QStringLiteral("Salva il mutuo"), iniziale);
    return !scelto.isEmpty() && SalvaIn(scelto);
}

bool Documento::SalvaIn(const QString& file)
{
    // A field with no value is never saved as the value it last had.
    if (const QString motivo = offerta->Motivo(); !motivo.isEmpty()) {
        Avvisa(finestra, QString::fromUtf8(NonSalvato) + motivo);
        return false;
    }
    if (!ScriviMutuo(finestra, file, offerta->Corrente()))
        return false;
    offerta->Salvata();
    Tieni(file);
    emit Salvato();
    return true;
}

QStringList Documento::Recenti() const
{
    return LeggiRecenti();
}

void Documento::AggiungiVoci(QMenu* menu)
{
    // The shortcuts work on every page (the window has them); here they
    // are shown.
    const auto voce = [&](const QString& testo, const QKeySequence& tasti, const std::function<void()>& azione) {
        QAction* nuova = menu->addAction(testo);
        nuova->setShortcut(tasti);
        connect(nuova, &QAction::triggered, this, azione);
    };
    voce(QStringLiteral("&Apri…"), QKeySequence::Open, [this] { Apri(); });
    voce(QStringLiteral("&Salva"), QKeySequence::Save, [this] { Salva(); });
    voce(QStringLiteral("Salva con n&ome…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { SalvaConNome(); });
    QMenu* recenti = menu->addMenu(QStringLiteral("&Recenti"));
    const QStringList file = Recenti();
    recenti->setEnabled(!file.isEmpty());
    for (int i = 0; i < file.size(); ++i) {
        // A name's "&" would take the item's letter.
        const QString nome =
            TestoVisibile(QFileInfo(file[i]).fileName()).replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* azione = recenti->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(nome));
        // As rich text that holds only the path, escaped: a path that looked
        // like markup would otherwise be read as such.
        azione->setToolTip(
            QStringLiteral("<p style='white-space:pre'>%1</p>").arg(TestoVisibile(file[i]).toHtmlEscaped()));
        connect(azione, &QAction::triggered, this, [this, scelto = file[i]] {
            if (ConfermaPerdita())
                Apri(scelto);
        });
    }
}

}  // namespace pianoamm

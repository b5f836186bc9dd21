#pragma once

// Drives the main window as a user would, for the window and printing tests.

#include "aiuto_qt.h"
#include "ui/main/campo_numerico.h"
#include "ui/main/frm_main.h"
#include "ui/splash/frm_splash.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include <memory>

struct GuidaFinestra {
    std::unique_ptr<FrmMain> frm;

    template <typename T>
    T* c(const QString& nome) const
    {
        auto* controllo = frm->findChild<T*>(nome);
        if (!controllo)
            qFatal("controllo mancante: %s", qPrintable(nome));
        return controllo;
    }
    QPushButton* avanti() const { return c<QPushButton>(QStringLiteral("cmdAvanti")); }
    QPushButton* indietro() const { return c<QPushButton>(QStringLiteral("cmdIndietro")); }
    QStackedWidget* tb() const { return c<QStackedWidget>(QStringLiteral("tb")); }
    QListWidget* lista() const { return c<QListWidget>(QStringLiteral("List1")); }
    CampoNumerico* campo(const char* nome) const { return c<CampoNumerico>(QString::fromLatin1(nome)); }
    QLineEdit* data() const { return c<QLineEdit>(QStringLiteral("txtData")); }

    // Starts the window as the program does, the splash closed at once.
    bool Carica()
    {
        frm = std::make_unique<FrmMain>();
        AlProssimoModale<frmSplash>([](frmSplash* splash) { splash->accept(); });
        frm->Form_Load();
        frm->show();
        return QTest::qWaitForWindowActive(frm.get());
    }

    static void Scrivi(QLineEdit* campo, const QString& testo)
    {
        campo->setFocus();
        campo->selectAll();
        QTest::keyClick(campo, Qt::Key_Delete);
        QTest::keyClicks(campo, testo);
    }

    void Inserisci(const QString& importo, const QString& rate, const QString& tasso,
                   const QString& dataErogazione) const
    {
        Scrivi(campo("txtImporto"), importo);
        Scrivi(campo("txtNumRate"), rate);
        Scrivi(campo("txtTasso"), tasso);
        Scrivi(data(), dataErogazione);
    }

    void AiRisultati(int cadenza) const
    {
        avanti()->click();
        c<QRadioButton>(QStringLiteral("Option1_%1").arg(cadenza))->click();
        avanti()->click();
    }

    QStringList Listato() const
    {
        QStringList righe;
        for (int i = 0; i < lista()->count(); ++i)
            righe << lista()->item(i)->text();
        return righe;
    }
};

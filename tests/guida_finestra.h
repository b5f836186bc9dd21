#pragma once

// Drives the main window as a user would, for the window and printing tests.

#include "aiuto_qt.h"
#include "ui/main/campo_numerico.h"
#include "ui/main/frm_main.h"

#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include <memory>

struct GuidaFinestra {
    std::unique_ptr<FrmMain> frm;

    template <typename T = QPushButton>
    T* c(const QString& nome) const
    {
        auto* controllo = frm->findChild<T*>(nome);
        if (!controllo)
            qFatal("controllo mancante: %s", qPrintable(nome));
        return controllo;
    }
    CampoNumerico* campo(const QString& nome) const { return c<CampoNumerico>(nome); }
    QListWidget* lista() const { return c<QListWidget>("listaPiano"); }
    int pagina() const { return c<QStackedWidget>("pagine")->currentIndex(); }

    bool Carica()
    {
        frm = std::make_unique<FrmMain>();
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

    // By default the worked example: 100.000 in ten yearly installments at 5%.
    void AiRisultati(const QStringList& dati = {"100000", "10", "5", "06/04/2006"},
                     const QString& cadenza = "Annuale") const
    {
        const char* const campi[] = {"txtImporto", "txtNumRate", "txtTasso", "txtData"};
        for (int i = 0; i < 4; ++i)
            Scrivi(c<QLineEdit>(campi[i]), dati.at(i));
        c("cmdAvanti")->click();
        c<QRadioButton>("opzione" + cadenza)->click();
        c("cmdAvanti")->click();
    }
};

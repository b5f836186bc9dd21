#pragma once

// Drives the main window as a user would, for the window and printing tests.

#include "print/impaginazione.h"
#include "print/stampa.h"
#include "ui/azioni/documento.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/link_sito.h"
#include "ui/finestre/frm_main.h"
#include "ui/finestre/frm_splash.h"

#include <QtCharts>
#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

const QString UltimaRiga = " 10    06/04/2016            618        12.333        12.950              ";

// A program's exit code (-1 for a crash), standard output and standard error.
inline QStringList Esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(60000);
    const int codice = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return {QString::number(codice), p.readAllStandardOutput(), p.readAllStandardError()};
}

// Modal windows and menus run event loops of their own: each is answered from its loop by the step queued for it. One
// with no step ends the run at once, naming it, rather than waiting for the time to run out; one with the property
// "prova" is ours.
class GuidaFinestra : public QObject {
    Q_OBJECT

protected:
    QList<std::function<void(QWidget*)>> attese;
    QStringList visti;         // the message boxes answered: icon and text
    bool titoliInteri = true;  // each box wider than its title
    std::unique_ptr<pianoamm::FrmMain> frm;
    int siti = 0;

    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        auto* w = qobject_cast<QWidget*>(oggetto);
        if (evento->type() == QEvent::Show && w && w->isWindow() && !w->property("prova").toBool()
            && (w->isModal() || w->windowType() == Qt::Popup))
            QTimer::singleShot(0, w, [w, passo = attese.isEmpty() ? nullptr : attese.takeFirst()] {
                passo ? passo(w) : qFatal("finestra inattesa: %s", qPrintable(w->property("text").toString()));
            });
        return false;
    }
    // The next modals answered: a box by button (0: Return, its default), a menu by entry, a file dialog with a file.
    void Rispondi(const QVariantList& risposte)
    {
        for (const QVariant& risposta : risposte)
            attese << [this, risposta](QWidget* w) {
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    // A text that could be read as HTML, or is cut, is marked as such.
                    const auto* testo = box->findChild<QLabel*>("qt_msgbox_label");
                    const bool intero = testo->wordWrap() ? testo->heightForWidth(testo->width()) <= testo->height()
                                                          : testo->sizeHint().width() <= testo->width();
                    visti << (box->textFormat() == Qt::PlainText && intero ? "" : "IN HTML O TAGLIATO ")
                                 + (QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon())
                                    + (": " + box->text()));
                    QFont grassetto = box->font();  // as title bars write it, beside the icon and three buttons
                    grassetto.setBold(true);
                    titoliInteri = titoliInteri
                                   && box->width() > QFontMetrics(grassetto).horizontalAdvance(box->windowTitle())
                                                         + 4 * box->style()->pixelMetric(QStyle::PM_TitleBarButtonSize);
                    if (risposta.typeId() == QMetaType::QString)  // a button of its own, by its text
                        return Bottone(box, risposta.toString())->click();
                    const auto bottone = QMessageBox::StandardButton(risposta.toInt());
                    return bottone ? box->button(bottone)->click() : QTest::keyClick(box, Qt::Key_Return);
                }
                if (auto* file = qobject_cast<QFileDialog*>(w)) {
                    file->selectFile(risposta.toString());
                    return void(QMetaObject::invokeMethod(file, "accept"));
                }
                w->close();                           // a menu, its entry chosen once it has gone
                for (QAction* azione : w->actions())  // by its text, whatever its letter
                    azione->text().remove('&') == risposta.toString().remove('&') ? azione->trigger() : void();
            };
    }

    // The access keys of these texts, and whether one is missing or repeated.
    static QString LettereRipetute(const QStringList& testi)
    {
        QString lettere, ripetute;
        for (const QString& testo : testi) {
            const qsizetype e = testo.indexOf(QRegularExpression("&[^&]"));
            const QChar lettera = e < 0 ? QChar('?') : testo.at(e + 1).toLower();
            (lettere.contains(lettera) || e < 0 ? ripetute : lettere) += lettera;
        }
        return ripetute;
    }

    template <typename T = QPushButton>
    T* c(const QString& nome) const
    {
        return frm->findChild<T*>(nome);
    }
    QListWidget* lista() const { return c<QListWidget>("lstPiano"); }
    static QPushButton* Bottone(QWidget* finestra, const QString& testo)
    {
        for (auto* bottone : finestra->findChildren<QPushButton*>())
            if (bottone->text() == testo)
                return bottone;
        return nullptr;
    }
    int pagina() const { return c<QStackedWidget>("stkPagine")->currentIndex(); }
    static qsizetype Pagine(const QString& pdf) { return Esegui("pdftotext", {pdf, "-"})[1].count('\f'); }
    static int Caso() { return *static_cast<const int*>(QTest::qData("caso", QMetaType::Int)); }
    // A test's _data as the numbers of a table's rows, taken with Caso.
    template <typename T>
    static void Casi(const T& tabella)
    {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < static_cast<int>(std::size(tabella)); ++i)
            QTest::addRow("%d", i) << i;
    }
    static void Scrivi(QLineEdit* campo, const QString& testo)
    {
        campo->setFocus();
        campo->selectAll();
        QTest::keyClick(campo, Qt::Key_Delete);
        QTest::keyClicks(campo, testo);
    }
    // Return, or the keypad's Enter, on the button given the focus.
    void Premi(const QString& nome, bool tastierino = false)
    {
        c<QWidget>(nome)->setFocus();
        QTest::keyClick(c<QWidget>(nome), tastierino ? Qt::Key_Enter : Qt::Key_Return,
                        tastierino ? Qt::KeypadModifier : Qt::NoModifier);
    }
    // By default the worked example: 100.000 in ten yearly installments at 5%.
    void AiRisultati(const QStringList& dati = {"100000", "10", "5", "06/04/2006"}, const QString& cadenza = "Annuale")
    {
        for (int i = 0; i < 4; ++i)
            Scrivi(c<QLineEdit>(QStringList{"txtImporto", "txtNumRate", "txtTasso", "txtData"}[i]), dati[i]);
        c("cmdAvanti")->click();
        c<QRadioButton>("opzione" + cadenza)->click();
        c("cmdAvanti")->click();
    }
    // A widget's context menu asked for, as the platform sends it.
    static void Contesto(QWidget* w, QContextMenuEvent::Reason modo = QContextMenuEvent::Keyboard,
                         QPoint punto = {5, 5})
    {
        QContextMenuEvent evento(modo, punto, w->mapToGlobal(punto));
        QApplication::sendEvent(w, &evento);
    }
    // The Menu key to the list, the right button to its viewport.
    void ApriMenu(bool tastiera, const QVariantList& risposte)
    {
        Rispondi(risposte);
        Contesto(tastiera ? static_cast<QWidget*>(lista()) : lista()->viewport(), QContextMenuEvent::Reason(tastiera),
                 {20, 20});
    }
    // The next menu read, the texts voce gives for its items kept, and closed.
    void LeggiMenu(QStringList& testi, const std::function<std::optional<QString>(const QAction*)>& voce)
    {
        attese << [&testi, voce](QWidget* menu) {
            for (const QAction* azione : menu->actions())
                if (const auto testo = voce(azione))
                    testi << *testo;
            menu->close();
        };
    }

public slots:
    void Apri(const QUrl& indirizzo) { siti += indirizzo == QUrl(pianoamm::IndirizzoSito) ? 1 : 0; }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName("Piano d'ammortamento");  // the titles of the message boxes
        // The recent files in a configuration of the tests' own.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/pianoamm.conf");
        qApp->installEventFilter(this);
        QDesktopServices::setUrlHandler("http", this, "Apri");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("http"); }
    void init()
    {
        frm = std::make_unique<pianoamm::FrmMain>();
        frm->show();
        frm->activateWindow();  // on a display with no window manager to do it
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    }
    void cleanup()
    {
        frm.reset();
        visti.clear();
        // A step left waits for a window that never showed; it goes, not to answer the next test's.
        QVERIFY2(std::exchange(attese, {}).isEmpty(), "una finestra attesa non è comparsa");
    }
};

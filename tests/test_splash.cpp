#include "aiuto_qt.h"
#include "ui/splash/frm_splash.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include <memory>

namespace {

// A key with the text it comes with, or a mouse button with the keys held,
// or (neither) the time running out: whether it closes the picture, whether
// it shows the tag text. Delete comes with the text "\x7f" but types nothing.
const std::tuple<Qt::Key, const char*, Qt::MouseButton, Qt::KeyboardModifiers, bool, bool> Gesti[] = {
    {Qt::Key_A, "a", {}, {}, true, false},
    {Qt::Key_Space, " ", {}, {}, true, false},
    {Qt::Key_Return, "\r", {}, {}, true, false},
    {Qt::Key_Escape, "\x1b", {}, {}, true, false},
    {Qt::Key_Backspace, "\b", {}, {}, true, false},
    {Qt::Key_Tab, "\t", {}, {}, true, false},
    {Qt::Key_Delete, "\x7f", {}, {}, false, false},
    {Qt::Key_Left, "", {}, {}, false, false},
    {Qt::Key_F5, "", {}, {}, false, false},
    {Qt::Key_Shift, "", {}, {}, false, false},
    {{}, "", Qt::LeftButton, {}, true, false},
    {{}, "", Qt::RightButton, Qt::ShiftModifier, false, true},
    {{}, "", Qt::RightButton, {}, false, false},
    {{}, "", Qt::MiddleButton, Qt::ShiftModifier, false, false},
    {{}, "", Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, false, false},
    {{}, "", {}, {}, true, false}};

// Closed while being shown, as by a gesture while a slow start is still
// under way.
struct ChiusaAllaComparsa : FrmSplash {
    void showEvent(QShowEvent* evento) override
    {
        FrmSplash::showEvent(evento);
        accept();
    }
};

}  // namespace

class TestSplash : public QObject {
    Q_OBJECT
    std::unique_ptr<FrmSplash> splash;

    void Scadi() { splash->findChild<QTimer*>()->setInterval(1); }
    // A modal showing that does not return is a failure, not a wait until
    // the time runs out.
    int Esegui()
    {
        QTimer::singleShot(5000, splash.get(), [] { qFatal("la finestra modale non è tornata"); });
        return splash->exec();
    }

private slots:
    void init()
    {
        splash = std::make_unique<FrmSplash>();
        splash->setProperty("prova", true);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.get()));
        // Centred: the margins left and right, above and below, differ by a pixel at most.
        const QRect schermo = QGuiApplication::primaryScreen()->geometry();
        const QRect finestra = splash->frameGeometry();
        QVERIFY(qAbs(finestra.left() - schermo.left() - (schermo.right() - finestra.right())) <= 1);
        QVERIFY(qAbs(finestra.top() - schermo.top() - (schermo.bottom() - finestra.bottom())) <= 1);
    }
    void cleanup()
    {
        splash.reset();
        QVERIFY2(AtteseCompiute(), "una finestra attesa non è comparsa");
    }

    void gesti_data() { Casi(Gesti); }
    void gesti()
    {
        const auto& [tasto, testo, bottone, modificatori, chiude, etichetta] = Caso(Gesti);
        Messaggio messaggio;
        if (etichetta)
            Rispondi(QMessageBox::Ok, messaggio);
        if (tasto)
            QTest::sendKeyEvent(QTest::Press, splash.get(), tasto, QString::fromLatin1(testo), Qt::NoModifier);
        else if (bottone)
            QTest::mouseClick(splash.get(), bottone, modificatori);
        else
            Scadi();
        QTRY_COMPARE(splash->isVisible(), !chiude);
        QCOMPARE(messaggio.testo.size() > 60, etichetta);
        // Closed for good: the modal showing that follows returns at once,
        // and it never shows again.
        QElapsedTimer tempo;
        tempo.start();
        if (chiude)
            QCOMPARE(Esegui(), int(QDialog::Accepted));
        splash->show();
        QCOMPARE(splash->isVisible(), !chiude);
        QVERIFY(tempo.elapsed() < 1000);
    }

    void loScadereAttendeLaRispostaAllEtichetta()
    {
        bool apertaAlloScadere = false;
        AlProssimoModale<QMessageBox>([&](QMessageBox* box) {
            Scadi();
            QTest::qWait(30);
            apertaAlloScadere = splash->isVisible();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mousePress(splash.get(), Qt::RightButton, Qt::ShiftModifier);
        QVERIFY(apertaAlloScadere && !splash->isVisible());
    }

    void chiusaMentreAppareNonBlocca()
    {
        // A start slow enough lets a close come while the picture is being
        // shown: the modal showing still returns.
        splash = std::make_unique<ChiusaAllaComparsa>();
        splash->setProperty("prova", true);
        QCOMPARE(Esegui(), int(QDialog::Accepted));
        QVERIFY(!splash->isVisible());
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"

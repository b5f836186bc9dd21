#include "aiuto_qt.h"
#include "ui/splash/frm_splash.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

class TestSplash : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmSplash> splash;

    QTimer* Timer1() const { return splash->findChild<QTimer*>(QStringLiteral("Timer1")); }

    static QString Etichetta()
    {
        QFile file(QStringLiteral(":/assets/tag.txt"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).trimmed();
    }

private slots:
    void init()
    {
        splash = std::make_unique<frmSplash>();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.get()));
    }
    void cleanup()
    {
        AnnullaAttese();
        splash.reset();
    }

    void finestraSenzaTitoloNeBottoneNellaBarra()
    {
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        QCOMPARE(splash->minimumSize(), splash->maximumSize());
        QVERIFY(splash->isModal());
        // Centred on the primary screen: the margins left and right, above
        // and below, differ by a pixel at most.
        const QRect schermo = QGuiApplication::primaryScreen()->geometry();
        const QRect finestra = splash->frameGeometry();
        QVERIFY(qAbs((finestra.left() - schermo.left()) - (schermo.right() - finestra.right())) <= 1);
        QVERIFY(qAbs((finestra.top() - schermo.top()) - (schermo.bottom() - finestra.bottom())) <= 1);
        const QString etichetta = Etichetta();
        QVERIFY(etichetta.size() >= 60 && etichetta.size() <= 80);
    }

    void siChiudeDaSolaAlloScadere()
    {
        QVERIFY(Timer1()->isActive());
        QCOMPARE(Timer1()->interval(), frmSplash::Durata);
        QCOMPARE(Timer1()->interval(), 1500);
        QCOMPARE(Timer1()->timerType(), Qt::PreciseTimer);
        Timer1()->setInterval(1);
        QTRY_VERIFY(!splash->isVisible());
        QCOMPARE(splash->result(), int(QDialog::Accepted));
    }

    void chiusaMentreAppareNonBlocca()
    {
        // A start slow enough lets a close come while the window is being
        // shown: the modal show still returns.
        splash = std::make_unique<frmSplash>();
        struct ChiudeAllaComparsa : QObject {
            bool eventFilter(QObject* oggetto, QEvent* evento) override
            {
                if (evento->type() == QEvent::Show)
                    static_cast<QDialog*>(oggetto)->accept();
                return false;
            }
        } filtro;
        splash->installEventFilter(&filtro);
        QTimer guardia;
        guardia.setSingleShot(true);
        connect(&guardia, &QTimer::timeout, [] { qFatal("la finestra modale non è tornata"); });
        guardia.start(5000);
        QCOMPARE(splash->exec(), int(QDialog::Accepted));
        QVERIFY(!splash->isVisible());
    }

    void unaChiusuraEPerSempre()
    {
        // Closed while the start is still under way, by any gesture: the
        // modal show that follows must neither show it again nor wait.
        const std::function<void()> gesti[] = {
            [this] { QTest::mouseClick(splash.get(), Qt::LeftButton); },
            [this] { QTest::keyClick(splash.get(), Qt::Key_A); },
            [this] { QTest::keyClick(splash.get(), Qt::Key_Escape); },
            [this] {
                Timer1()->setInterval(1);
                QTRY_VERIFY(!splash->isVisible());
            },
        };
        for (const auto& gesto : gesti) {
            splash = std::make_unique<frmSplash>();
            splash->show();
            QVERIFY(QTest::qWaitForWindowExposed(splash.get()));
            gesto();
            QVERIFY(!splash->isVisible());
            struct ContaComparse : QObject {
                int comparse = 0;
                bool eventFilter(QObject* oggetto, QEvent* evento) override
                {
                    // Counted, and closed at once so that a failing run does not wait.
                    if (evento->type() == QEvent::Show) {
                        ++comparse;
                        QTimer::singleShot(0, static_cast<QDialog*>(oggetto), &QDialog::reject);
                    }
                    return false;
                }
            } filtro;
            splash->installEventFilter(&filtro);
            QCOMPARE(splash->exec(), int(QDialog::Accepted));
            QCOMPARE(filtro.comparse, 0);
            splash->show();
            QCOMPARE(filtro.comparse, 0);
            splash->removeEventFilter(&filtro);
        }
    }

    void unClicSinistroLaChiude()
    {
        QTest::mouseClick(splash.get(), Qt::LeftButton);
        QVERIFY(!splash->isVisible());
    }

    void iTastiCheScrivonoLaChiudono()
    {
        // The key events as the platform gives them: Delete comes with the
        // text "\x7f" but types nothing.
        struct Caso {
            Qt::Key tasto;
            const char* testo;
            bool chiude;
        };
        const Caso casi[] = {
            {Qt::Key_A, "a", true},          {Qt::Key_5, "5", true},      {Qt::Key_Space, " ", true},
            {Qt::Key_Return, "\r", true},    {Qt::Key_Enter, "\r", true}, {Qt::Key_Escape, "\x1b", true},
            {Qt::Key_Backspace, "\b", true}, {Qt::Key_Tab, "\t", true},   {Qt::Key_Delete, "\x7f", false},
            {Qt::Key_Left, "", false},       {Qt::Key_Down, "", false},   {Qt::Key_F5, "", false},
            {Qt::Key_Home, "", false},       {Qt::Key_Shift, "", false},  {Qt::Key_Control, "", false},
            {Qt::Key_Alt, "", false},
        };
        for (const auto& caso : casi) {
            splash = std::make_unique<frmSplash>();
            splash->show();
            QTest::sendKeyEvent(QTest::Press, splash.get(), caso.tasto, QString::fromLatin1(caso.testo),
                                Qt::NoModifier);
            QVERIFY2(splash->isVisible() != caso.chiude, qPrintable(QString::number(caso.tasto, 16)));
        }
    }

    void shiftEDestroMostranoLEtichetta()
    {
        Messaggio messaggio;
        Rispondi(QMessageBox::Ok, messaggio);
        QTest::mousePress(splash.get(), Qt::RightButton, Qt::ShiftModifier);
        QVERIFY(messaggio.mostrato);
        QCOMPARE(messaggio.testo, Etichetta());
        QCOMPARE(messaggio.icona, QMessageBox::Information);
        QVERIFY(splash->isVisible());
    }

    void altreCombinazioniNonMostranoNulla()
    {
        struct Caso {
            Qt::MouseButton bottone;
            Qt::KeyboardModifiers tasti;
        };
        const Caso casi[] = {
            {Qt::RightButton, Qt::NoModifier},
            {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier},
            {Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier},
            {Qt::LeftButton, Qt::ShiftModifier},
            {Qt::MiddleButton, Qt::ShiftModifier},
        };
        Messaggio messaggio;
        Rispondi(QMessageBox::Ok, messaggio);
        for (const auto& caso : casi) {
            QTest::mousePress(splash.get(), caso.bottone, caso.tasti);
            QTest::qWait(20);
            QVERIFY(!messaggio.mostrato);
            QVERIFY(splash->isVisible());
            QTest::mouseRelease(splash.get(), caso.bottone == Qt::LeftButton ? Qt::MiddleButton : caso.bottone,
                                caso.tasti);
        }
    }

    void loScadereDuranteLEtichettaAttendeLaRisposta()
    {
        bool apertaAlloScadere = false;
        AlProssimoModale<QMessageBox>([&](QMessageBox* box) {
            Timer1()->setInterval(1);
            QTest::qWait(30);
            apertaAlloScadere = splash->isVisible();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mousePress(splash.get(), Qt::RightButton, Qt::ShiftModifier);
        QVERIFY(apertaAlloScadere);
        QVERIFY(!splash->isVisible());
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"

#include "aiuto_qt.h"
#include "ui/splash/frm_splash.h"

#include <QFile>
#include <QTest>
#include <QTimer>

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
        const QString etichetta = Etichetta();
        QVERIFY(etichetta.size() >= 60 && etichetta.size() <= 80);
    }

    void siChiudeDaSolaAlloScadere()
    {
        QVERIFY(Timer1()->isActive());
        QCOMPARE(Timer1()->interval(), frmSplash::Durata);
        QCOMPARE(Timer1()->interval(), 1500);
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

    void unClicSinistroLaChiude()
    {
        QTest::mouseClick(splash.get(), Qt::LeftButton);
        QVERIFY(!splash->isVisible());
    }

    void unTastoConCarattereLaChiude()
    {
        for (const auto tasto : {Qt::Key_A, Qt::Key_5, Qt::Key_Space, Qt::Key_Return}) {
            splash->show();
            QTest::keyClick(splash.get(), tasto);
            QVERIFY2(!splash->isVisible(), qPrintable(QString::number(tasto, 16)));
        }
    }

    void iTastiSenzaCarattereNo()
    {
        for (const auto tasto : {Qt::Key_Left, Qt::Key_F5, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Home}) {
            QTest::keyClick(splash.get(), tasto);
            QVERIFY2(splash->isVisible(), qPrintable(QString::number(tasto, 16)));
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

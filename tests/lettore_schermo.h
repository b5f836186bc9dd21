#pragma once

// What a screen reader hears of the windows, through AT-SPI, when the test runs on a display with an accessibility bus
// (accessibilita.sh sets PIANOAMM_ATSPI to the script that asks it); elsewhere Attivo() is false.

#include <QtCore>
#include <QtTest>

class LettoreSchermo {
public:
    static bool Attivo() { return qEnvironmentVariableIsSet("PIANOAMM_ATSPI"); }

    // Each control of the window titled titolo that takes the focus, as "ruolo<TAB>nome". The event loop runs
    // meanwhile: the program answers.
    static QStringList Controlli(const QString& titolo)
    {
        QProcess lettore;
        lettore.start("/usr/bin/python3", {Script(), "albero", Pid(), titolo});
        if (!QTest::qWaitFor([&lettore] { return lettore.state() == QProcess::NotRunning; }, 30000))
            return {"errore\tnessuna risposta"};
        QStringList righe = QString(lettore.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        // Every window has something to focus: nothing heard is a failure.
        if (lettore.exitStatus() != QProcess::NormalExit || lettore.exitCode() != 0 || righe.isEmpty())
            return {"errore\t" + lettore.readAllStandardError()};
        return righe;
    }

    // Listens from construction; Sentito waits for one thing heard.
    LettoreSchermo()
    {
        ascolto.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        ascolto.start("/usr/bin/python3", {Script(), "ascolta", Pid()});
        pronto = QTest::qWaitFor([this] { return Leggi().contains("pronto"); }, 30000);
    }
    ~LettoreSchermo()
    {
        // The listener may be asking this program about an event: the loop goes on while it ends.
        ascolto.closeWriteChannel();
        if (!QTest::qWaitFor([this] { return ascolto.state() == QProcess::NotRunning; }, 5000))
            ascolto.kill();
        ascolto.waitForFinished(1000);
    }
    LettoreSchermo(const LettoreSchermo&) = delete;
    LettoreSchermo& operator=(const LettoreSchermo&) = delete;

    // Each thing heard answers one call.
    bool Sentito(const QString& riga)
    {
        return pronto && QTest::qWaitFor([this, &riga] { return Leggi().removeOne(riga); }, 10000);
    }

private:
    static QString Script() { return qEnvironmentVariable("PIANOAMM_ATSPI"); }
    static QString Pid() { return QString::number(QCoreApplication::applicationPid()); }

    QStringList& Leggi()
    {
        sentito += QString(ascolto.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        return sentito;
    }

    QProcess ascolto;
    QStringList sentito;
    bool pronto = false;
};

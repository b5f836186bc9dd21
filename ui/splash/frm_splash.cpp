#include "ui/splash/frm_splash.h"

#include "ui/twips.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

frmSplash::frmSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), immagine_(QStringLiteral(":/assets/splash.jpg")),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    const Twips tw(logicalDpiX());
    setFixedSize(tw(5985), tw(4485));

    QFile etichetta(QStringLiteral(":/assets/tag.txt"));
    if (etichetta.open(QIODevice::ReadOnly))
        etichetta_ = QString::fromUtf8(etichetta.readAll()).trimmed();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(Durata);
    // A coarse timer may fire up to 5% late: the moment would vary.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

int frmSplash::exec()
{
    // QDialog::exec() would wait for ever on a window closed while it was
    // being shown; this waits only while the window is up. A picture closed
    // before, while the program was still starting, stays closed.
    show();
    if (isVisible()) {
        QEventLoop ciclo;
        connect(this, &QDialog::finished, &ciclo, &QEventLoop::quit);
        ciclo.exec(QEventLoop::DialogExec);
    }
    return result();
}

void frmSplash::setVisible(bool visibile)
{
    if (visibile && chiusa_)
        return;
    // Placed before each showing: a dialog left unplaced is put where the
    // window manager's frame is guessed to fall, off centre for a frameless
    // window.
    if (visibile) {
        if (const QScreen* schermo = QGuiApplication::primaryScreen())
            move(schermo->geometry().center() - rect().center());
    }
    QDialog::setVisible(visibile);
}

void frmSplash::done(int risultato)
{
    chiusa_ = true;
    QDialog::done(risultato);
}

void frmSplash::showEvent(QShowEvent* evento)
{
    // The time runs from when the picture is up, however slow the start.
    Timer1->start();
    QDialog::showEvent(evento);
}

void frmSplash::hideEvent(QHideEvent* evento)
{
    // Closed: no further tick may close it a second time.
    Timer1->stop();
    QDialog::hideEvent(evento);
}

void frmSplash::paintEvent(QPaintEvent* /*evento*/)
{
    // The picture is two pixels larger than the window each way: its last
    // two columns and rows fall outside, as intended.
    QPainter pittore(this);
    const Twips tw(logicalDpiX());
    pittore.drawPixmap(QRect(0, 0, tw(immagine_.width() * 15), tw(immagine_.height() * 15)), immagine_);
}

void frmSplash::Timer1_Timer()
{
    // A tick while the tag text is up waits for it to be dismissed.
    if (etichettaAperta_)
        tempoScaduto_ = true;
    else
        accept();
}

void frmSplash::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::RightButton || evento->modifiers() != Qt::ShiftModifier)
        return;
    etichettaAperta_ = true;
    QMessageBox::information(this, QGuiApplication::applicationDisplayName(), etichetta_);
    etichettaAperta_ = false;
    if (tempoScaduto_)
        accept();
}

void frmSplash::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        accept();
}

void frmSplash::keyPressEvent(QKeyEvent* evento)
{
    // Delete comes with the text "\x7f" but types nothing.
    const QString testo = evento->text();
    if (!testo.isEmpty() && testo.at(0) != QChar(0x7f))
        accept();
}

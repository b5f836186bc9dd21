#include "ui/finestre/frm_splash.h"

#include "ui/comune/twips.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace pianoamm {

namespace {

constexpr int Durata = 1500;  // milliseconds

}  // namespace

FrmSplash::FrmSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), immagine(QStringLiteral(":/assets/splash.jpg")),
      timer(new QTimer(this))
{
    setModal(true);
    // A screen reader names the picture by the program it opens.
    setAccessibleName(QGuiApplication::applicationDisplayName());
    const Twips tw(logicalDpiX());
    setFixedSize(tw(5985), tw(4485));

    QFile testo(QStringLiteral(":/assets/tag.txt"));
    if (testo.open(QIODevice::ReadOnly))
        etichetta = QString::fromUtf8(testo.readAll()).trimmed();

    timer->setInterval(Durata);
    // A coarse timer may fire up to 5% late: the moment would vary.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &FrmSplash::TempoScaduto);
}

int FrmSplash::exec()
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

void FrmSplash::setVisible(bool visibile)
{
    if (visibile && chiusa)
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

void FrmSplash::done(int risultato)
{
    chiusa = true;
    QDialog::done(risultato);
}

void FrmSplash::showEvent(QShowEvent* evento)
{
    // The time runs from when the picture is up, however slow the start.
    timer->start();
    QDialog::showEvent(evento);
}

void FrmSplash::hideEvent(QHideEvent* evento)
{
    // Closed: no further tick may close it a second time.
    timer->stop();
    QDialog::hideEvent(evento);
}

void FrmSplash::paintEvent(QPaintEvent* /*evento*/)
{
    // The picture is two pixels larger than the window each way: its last
    // two columns and rows fall outside, as intended.
    QPainter pittore(this);
    const Twips tw(logicalDpiX());
    pittore.drawPixmap(QRect(0, 0, tw(immagine.width() * 15), tw(immagine.height() * 15)), immagine);
}

void FrmSplash::TempoScaduto()
{
    // A tick while the tag text is up waits for it to be dismissed.
    if (etichettaAperta)
        scadutoConEtichetta = true;
    else
        accept();
}

void FrmSplash::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::RightButton || evento->modifiers() != Qt::ShiftModifier)
        return;
    etichettaAperta = true;
    QMessageBox::information(this, QGuiApplication::applicationDisplayName(), etichetta);
    etichettaAperta = false;
    if (scadutoConEtichetta)
        accept();
}

void FrmSplash::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        accept();
}

void FrmSplash::keyPressEvent(QKeyEvent* evento)
{
    // Delete comes with the text "\x7f" but types nothing.
    const QString testo = evento->text();
    if (!testo.isEmpty() && testo.at(0) != QChar(0x7f))
        accept();
}

}  // namespace pianoamm

// The yardstick of the printout in bench_avvio: the smallest Qt program that
// writes a PDF of one line, on standard output, started like the printout's
// helper: no screen, and Qt's notices kept quiet.

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QGuiApplication applicazione(argc, argv);
    QFile uscita;
    if (!uscita.open(stdout, QIODevice::WriteOnly))
        return 1;
    QPdfWriter pdf(&uscita);
    QPainter pittore(&pdf);
    pittore.drawText(QPointF(0, 20), QStringLiteral("Ciao, mondo"));
    return pittore.end() && uscita.flush() ? 0 : 1;
}

#include "print/stampa_cups.h"

#include "engine/errore.h"
#include "print/stampa.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <memory>

namespace {

// The service's own name for the queue it would use: the user's choice
// (lpoptions, LPDEST, PRINTER) before the server's default.
QString CodaPredefinita()
{
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> destinazione(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr), [](cups_dest_t* d) { cupsFreeDests(1, d); });
    return destinazione ? QString::fromUtf8(destinazione->name) : QString();
}

// The page the queue prints on by default, with the margins a Qt print job
// to that queue would keep, so that the printout looks as if Qt had sent it.
QPageLayout ImpaginazioneDellaCoda(const QString& coda)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(coda);
    QPageSize misura = info.defaultPageSize();
    if (!misura.isValid())
        misura = QPageSize(QPageSize::A4);
    // A queue Qt does not list gets a saved PDF's margins; whether it exists
    // is for the service to say.
    if (info.isNull())
        return {misura, QPageLayout::Portrait, QMarginsF(10, 12, 10, 12), QPageLayout::Millimeter};
    QPrinter stampante(info, QPrinter::HighResolution);
    stampante.setPageSize(misura);
    return {misura, QPageLayout::Portrait, stampante.pageLayout().margins(QPageLayout::Millimeter),
            QPageLayout::Millimeter};
}

[[noreturn]] void Rifiutata(const QString& coda)
{
    QString messaggio = QStringLiteral("La stampante «%1» non ha accettato la stampa.").arg(coda);
    const QString motivo = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (!motivo.isEmpty())
        messaggio += QLatin1Char('\n') + motivo;
    throw pianoamm::ErrorePiano(messaggio.toStdString());
}

}  // namespace

void StampaSuCoda(const QString& coda, const QList<QStringList>& pagine)
{
    const QString nome = coda.isEmpty() ? CodaPredefinita() : coda;
    if (nome.isEmpty())
        throw pianoamm::ErrorePiano("Non è configurata nessuna stampante predefinita.");

    // The service reads the file while the job is handed over, so the file
    // may go as soon as that returns; QTemporaryFile removes it on any exit.
    // A file cut short by a full disk would print as a broken job.
    const QByteArray documento = DocumentoPdf(pagine, ImpaginazioneDellaCoda(nome));
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("pianoamm-stampa-XXXXXX.pdf")));
    if (documento.isEmpty() || !file.open() || file.write(documento) != documento.size() || !file.flush())
        throw pianoamm::ErrorePiano("Impossibile preparare la stampa nella cartella temporanea.");

    const int lavoro =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, nome.toUtf8().constData(), QFile::encodeName(file.fileName()).constData(),
                       "Piano d'ammortamento", 0, nullptr);
    if (lavoro <= 0 || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        Rifiutata(nome);
}

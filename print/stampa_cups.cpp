#include "print/stampa_cups.h"

#include "engine/errore.h"
#include "print/stampa.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <array>
#include <memory>

namespace pianoamm {

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
    // A queue Qt does not list gets a saved PDF's page; whether it exists is
    // for the service to say.
    if (info.isNull())
        return FormatoPdf();
    QPageSize misura = info.defaultPageSize();
    if (!misura.isValid())
        misura = QPageSize(QPageSize::A4);
    QPrinter stampante(info, QPrinter::HighResolution);
    stampante.setPageSize(misura);
    return {misura, QPageLayout::Portrait, stampante.pageLayout().margins(QPageLayout::Millimeter),
            QPageLayout::Millimeter};
}

// Asked after a refused job, because a job names a queue that is not yet
// one (a network printer the service sets up when asked) as readily as a
// queue the service has: true only when the service itself says it knows no
// queue by that name, not when it cannot be reached.
bool CodaSconosciuta(const QString& coda)
{
    std::array<char, HTTP_MAX_URI> indirizzo{};
    httpAssembleURIf(HTTP_URI_CODING_ALL, indirizzo.data(), HTTP_MAX_URI, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", coda.toUtf8().constData());
    ipp_t* richiesta = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, indirizzo.data());
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, richiesta, "/"));
    return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND;
}

// Whether anything answers at the print service's address: without it a
// refusal says nothing of the printer.
bool ServizioRaggiungibile()
{
    http_t* connessione = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    httpClose(connessione);
    return connessione != nullptr;
}

// The message, then why, in the service's words, on the same line: a
// message's line breaks are escaped like any other control.
[[noreturn]] void Rifiutata(const QString& coda)
{
    const auto motivo = [] {
        return QStringLiteral(" Il servizio di stampa dice: %1")
            .arg(QString::fromUtf8(cupsLastErrorString()).trimmed());
    };
    QString messaggio = QStringLiteral("La stampante «%1» non ha accettato la stampa.").arg(coda) + motivo();
    if (!ServizioRaggiungibile())
        messaggio = QStringLiteral("Il servizio di stampa non risponde: la stampa su «%1» non è partita.").arg(coda);
    else if (CodaSconosciuta(coda))
        messaggio = QStringLiteral("La stampante «%1» non esiste.").arg(coda) + motivo();
    throw pianoamm::ErrorePiano(messaggio.toStdString());
}

}  // namespace

void StampaSuCoda(const QString& coda, const QList<QStringList>& pagine, const QList<QImage>& immagini)
{
    const QString nome = coda.isEmpty() ? CodaPredefinita() : coda;
    if (nome.isEmpty())
        throw pianoamm::ErrorePiano("Non è configurata nessuna stampante predefinita.");

    // The service reads the file while the job is handed over, so the file
    // may go as soon as that returns; QTemporaryFile removes it on any exit.
    // A file cut short by a full disk would print as a broken job.
    const QByteArray documento = DocumentoPdf(pagine, ImpaginazioneDellaCoda(nome), immagini);
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("pianoamm-stampa-XXXXXX.pdf")));
    if (documento.isEmpty() || !file.open() || file.write(documento) != documento.size() || !file.flush())
        throw pianoamm::ErrorePiano("Impossibile preparare la stampa nella cartella temporanea.");

    const int lavoro =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, nome.toUtf8().constData(), QFile::encodeName(file.fileName()).constData(),
                       "Piano d'ammortamento", 0, nullptr);
    if (lavoro <= 0 || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        Rifiutata(nome);
}

}  // namespace pianoamm

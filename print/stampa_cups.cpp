#include "print/stampa_cups.h"

#include "engine/errore.h"
#include "file/file_sicuro.h"
#include "print/stampa.h"

#include <QDir>
#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <array>
#include <memory>
#include <utility>

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

// The job's options, in the print service's words, as names then values.
using Opzioni = QList<std::pair<QByteArray, QByteArray>>;

// What the print dialog chose that the document itself does not hold: the
// copies, both sides, and what Qt's own CUPS support keeps for the service
// (the pages typed as a list, pages a sheet, banners...) under a key of its
// own, as names then values.
Opzioni OpzioniDellaStampante(const QPrinter& stampante)
{
    constexpr auto ChiaveCups = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    Opzioni opzioni;
    const QStringList cups = stampante.printEngine()->property(ChiaveCups).toStringList();
    for (qsizetype i = 0; i + 1 < cups.size(); i += 2)
        opzioni.emplaceBack(cups.at(i).toUtf8(), cups.at(i + 1).toUtf8());
    if (stampante.copyCount() > 1) {
        opzioni.emplaceBack("copies", QByteArray::number(stampante.copyCount()));
        opzioni.emplaceBack("collate", stampante.collateCopies() ? "true" : "false");
    }
    if (stampante.duplex() == QPrinter::DuplexLongSide)
        opzioni.emplaceBack("sides", "two-sided-long-edge");
    else if (stampante.duplex() == QPrinter::DuplexShortSide)
        opzioni.emplaceBack("sides", "two-sided-short-edge");
    return opzioni;
}

// Hands the document to queue nome with those options and returns once the
// service has accepted the job (see StampaSuCoda).
void Invia(const QString& nome, const QByteArray& documento, const Opzioni& scelte = {})
{
    // The service reads the file while the job is handed over, so the file
    // may go as soon as that returns; QTemporaryFile removes it on any exit.
    // A file cut short by a full disk would print as a broken job.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("pianoamm-stampa-XXXXXX.pdf")));
    if (documento.isEmpty() || !file.open() || file.write(documento) != documento.size() || !file.flush())
        throw pianoamm::ErrorePiano("Impossibile preparare la stampa nella cartella temporanea.");

    cups_option_t* opzioni = nullptr;
    int numero = 0;
    for (const auto& [chiave, valore] : scelte)
        numero = cupsAddOption(chiave.constData(), valore.constData(), numero, &opzioni);
    const int lavoro =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, nome.toUtf8().constData(), QFile::encodeName(file.fileName()).constData(),
                       "Piano d'ammortamento", numero, opzioni);
    cupsFreeOptions(numero, opzioni);
    if (lavoro <= 0 || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        Rifiutata(nome);
}

}  // namespace

void StampaSuCoda(const QString& coda, const QList<QStringList>& pagine, const QList<QImage>& immagini)
{
    const QString nome = coda.isEmpty() ? CodaPredefinita() : coda;
    if (nome.isEmpty())
        throw pianoamm::ErrorePiano("Non è configurata nessuna stampante predefinita.");
    Invia(nome, DocumentoPdf(pagine, ImpaginazioneDellaCoda(nome), immagini));
}

void StampaSuStampante(const QPrinter& stampante, const QList<QStringList>& pagine, const QList<QImage>& immagini)
{
    const QByteArray documento = DocumentoPdf(pagine, stampante.pageLayout(), immagini, stampante.pageRanges());
    if (stampante.outputFormat() == QPrinter::NativeFormat)
        return Invia(stampante.printerName(), documento, OpzioniDellaStampante(stampante));
    if (documento.isEmpty())
        throw pianoamm::ErrorePiano("Impossibile comporre il documento PDF.");
    pianoamm::ScriviFileSicuro(QFile::encodeName(stampante.outputFileName()).toStdString(),
                               std::string_view(documento.constData(), static_cast<std::size_t>(documento.size())));
}

}  // namespace pianoamm

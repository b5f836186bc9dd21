// pianoamm-cli: the schedule for scripts: the listing on standard output, or
// its printout as a PDF file or on a printer, the schedule as CSV, the
// interest per year.
//
// Exit codes: 2 when the arguments are refused, before anything is written;
// 1 when an output could not be written whole (a file, standard output, a
// print job the system did not accept); 0 only when everything asked for is
// done.

#include "app/opzioni_cli.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "print/file_sicuro.h"
#include "print/impaginazione.h"
#include "print/stampa.h"
#include "print/stampa_cups.h"

#include <QGuiApplication>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Oggi()
{
    const std::time_t adesso = std::time(nullptr);
    std::tm locale{};
    localtime_r(&adesso, &locale);
    return pianoamm::FormatoData({locale.tm_year + 1900, locale.tm_mon + 1, locale.tm_mday}).Testo();
}

// A standard descriptor the program was started without is taken by
// /dev/null, so that no file opened later can stand in its place and receive
// what was meant for it. True when standard output was one of them.
bool OccupaDescrittoriChiusi()
{
    bool uscitaChiusa = false;
    for (int descrittore = 0; descrittore <= 2; ++descrittore) {
        if (::fcntl(descrittore, F_GETFD) == -1 && errno == EBADF) {
            ::open("/dev/null", descrittore == 0 ? O_RDONLY : O_WRONLY);
            uscitaChiusa = uscitaChiusa || descrittore == STDOUT_FILENO;
        }
    }
    return uscitaChiusa;
}

[[noreturn]] void UscitaFallita(int errore)
{
    throw pianoamm::ErrorePiano("Impossibile scrivere sullo standard output: " + pianoamm::MotivoErrore(errore) + ".");
}

void ScriviUscita(std::string_view testo, bool uscitaChiusa)
{
    if (testo.empty())
        return;
    if (uscitaChiusa)
        UscitaFallita(EBADF);
    if (!pianoamm::ScriviTutto(STDOUT_FILENO, testo))
        UscitaFallita(errno);
}

// Some files report a failed write only when closed.
void ChiudiUscita(bool uscitaChiusa)
{
    if (!uscitaChiusa && ::close(STDOUT_FILENO) != 0 && errno != EINTR)
        UscitaFallita(errno);
}

// The printout needs fonts, hence a GUI application, but never a screen. Qt
// gets none of the user's arguments: a file named like one of its options is
// just a file name. Qt's own notices are not for this program's user: its
// messages are.
void Stampe(const pianoamm::OpzioniCli& opzioni, const pianoamm::Listato& listato, char* programma)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& messaggio) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
            std::cerr << messaggio.toStdString() << '\n';
    });
    int argc = 1;
    char* argv[] = {programma, nullptr};
    const QGuiApplication app(argc, argv);
    const auto pagine = Impagina(RigheDelListato(listato));
    if (!opzioni.Pdf.empty())
        ScriviPdf(opzioni.Pdf, pagine);
    if (opzioni.Stampa)
        StampaSuCoda(QString::fromLocal8Bit(opzioni.Stampante), pagine);
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool uscitaChiusa = OccupaDescrittoriChiusi();
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    pianoamm::OpzioniCli opzioni;
    pianoamm::Piano piano;
    try {
        opzioni = pianoamm::LeggiOpzioniCli(argomenti, Oggi());
        if (!opzioni.Aiuto)
            piano = pianoamm::PianoAmm(opzioni.Dati);
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 2;
    }

    try {
        std::string_view testo;
        std::string tabella;
        if (opzioni.Aiuto) {
            testo = pianoamm::UsoCli();
        } else {
            if (!opzioni.Csv.empty())
                pianoamm::ScriviFileSicuro(opzioni.Csv, pianoamm::EsportaCsv(piano));
            if (!opzioni.Pdf.empty() || opzioni.Stampa)
                Stampe(opzioni, piano.Righe, argv[0]);
            if (opzioni.PerAnno) {
                tabella = pianoamm::TabellaPerAnno(pianoamm::InteressiPerAnno(piano));
                testo = tabella;
            } else if (opzioni.Csv.empty() && opzioni.Pdf.empty() && !opzioni.Stampa) {
                testo = piano.Righe.Testo();
            }
        }
        ScriviUscita(testo, uscitaChiusa);
        ChiudiUscita(uscitaChiusa);
        return 0;
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 1;
    }
}

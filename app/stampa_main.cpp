// pianoamm-stampa: the printout for pianoamm-cli, a program apart because it
// alone needs Qt. It reads the listing on standard input, then writes it as a
// PDF file (--pdf FILE) and prints it on the default queue (--stampa) or on
// a named one (--stampante NOME). Exit code 0, or 1 with the reason on
// standard error, told in pianoamm-cli's name: that is the program the user
// ran.

#include "engine/errore.h"
#include "engine/listato.h"
#include "print/impaginazione.h"
#include "print/stampa.h"
#include "print/stampa_cups.h"

#include <QGuiApplication>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

struct Richiesta {
    std::string pdf;
    bool stampa = false;
    QString coda;  // empty for the default queue
};

Richiesta LeggiRichiesta(int argc, char* argv[])
{
    Richiesta richiesta;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argomento = argv[i];
        if (argomento == "--stampa") {
            richiesta.stampa = true;
        } else if (argomento == "--pdf" && i + 1 < argc) {
            richiesta.pdf = argv[++i];
        } else if (argomento == "--stampante" && i + 1 < argc) {
            richiesta.stampa = true;
            richiesta.coda = QString::fromLocal8Bit(argv[++i]);
        } else {
            throw pianoamm::ErrorePiano("Il programma di stampa ha ricevuto un argomento inatteso: «"
                                        + std::string(argomento) + "».");
        }
    }
    return richiesta;
}

pianoamm::Listato ListatoLetto(std::istream& ingresso)
{
    const std::string testo{std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
    pianoamm::Listato listato;
    for (std::size_t inizio = 0; inizio < testo.size();) {
        const std::size_t fine = std::min(testo.find('\n', inizio), testo.size());
        listato.Accoda(std::string_view(testo).substr(inizio, fine - inizio));
        inizio = fine + 1;
    }
    return listato;
}

}  // namespace

int main(int argc, char* argv[])
{
    try {
        const Richiesta richiesta = LeggiRichiesta(argc, argv);
        const auto pagine = PagineDelListato(ListatoLetto(std::cin));
        // The printout needs fonts, hence a GUI application, but never a
        // screen. Qt gets none of the arguments: a file named like one of its
        // options is just a file name. Its own notices are not for the user:
        // this program's messages are.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& messaggio) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
                std::cerr << messaggio.toStdString() << '\n';
        });
        int argcQt = 1;
        const QGuiApplication applicazione(argcQt, argv);
        if (!richiesta.pdf.empty())
            ScriviPdf(richiesta.pdf, pagine);
        if (richiesta.stampa)
            StampaSuCoda(richiesta.coda, pagine);
        return 0;
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 1;
    }
}

#include "app/aiutante.h"

#include "engine/errore.h"
#include "engine/listato.h"
#include "engine/visibile.h"
#include "file/file_sicuro.h"
#include "print/impaginazione.h"

#include <QGuiApplication>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iostream>
#include <string>

namespace {

// Read in blocks: a stream read a character at a time costs more than the
// rest of the start.
pianoamm::Listato ListatoLetto()
{
    std::string testo;
    std::array<char, 65536> blocco{};
    for (ssize_t letti = 1; letti != 0;) {
        letti = ::read(STDIN_FILENO, blocco.data(), blocco.size());
        if (letti > 0)
            testo.append(blocco.data(), static_cast<std::size_t>(letti));
        else if (letti < 0 && errno != EINTR)
            throw pianoamm::ErrorePiano("Impossibile leggere il listato: " + pianoamm::MotivoErrore(errno) + ".");
    }
    pianoamm::Listato listato;
    for (std::size_t inizio = 0; inizio < testo.size();) {
        const std::size_t fine = std::min(testo.find('\n', inizio), testo.size());
        listato.Accoda(std::string_view(testo).substr(inizio, fine - inizio));
        inizio = fine + 1;
    }
    return listato;
}

}  // namespace

namespace pianoamm {

int LavoraSulListato(char* programma, const std::function<void(const QList<QStringList>&)>& lavoro)
{
    try {
        const auto pagine = pianoamm::PagineDelListato(ListatoLetto());
        // The printout needs fonts, hence a GUI application, but never a
        // screen. Qt gets none of the arguments: a queue named like one of
        // its options is just a name. Its own notices are not for the user:
        // this program's messages are.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& messaggio) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
                std::cerr << pianoamm::Visibile(messaggio.toStdString()) << '\n';
        });
        int argcQt = 1;
        const QGuiApplication applicazione(argcQt, &programma);
        lavoro(pagine);
        return 0;
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 1;
    }
}

void ArgomentoInatteso(std::string_view argomento)
{
    throw pianoamm::ErrorePiano("Il programma di stampa ha ricevuto un argomento inatteso: «" + std::string(argomento)
                                + "».");
}

}  // namespace pianoamm

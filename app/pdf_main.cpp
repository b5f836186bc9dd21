// pianoamm-pdf: pianoamm-cli's printout as a PDF document, a program apart
// because it alone needs Qt; it needs neither Qt's printers nor the print
// service, and starts without them. It takes no arguments: it reads the
// listing on standard input and writes the whole document on standard
// output, for pianoamm-cli to put where it was asked. Exit code 0 once every
// byte is written, or 1 with the reason on standard error.

#include "app/aiutante.h"
#include "engine/errore.h"
#include "file/file_sicuro.h"
#include "print/stampa.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string_view>

int main(int argc, char* argv[])
{
    // Taken before Qt starts: were standard output closed, the first file Qt
    // opens would get its number, and the document. Closed, it is -1, and
    // the write fails.
    const int uscita = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    // A reader gone away is a failed write, told like any other, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    return pianoamm::LavoraSulListato(argv[0], [&](const QList<QStringList>& pagine) {
        if (argc > 1)
            pianoamm::ArgomentoInatteso(argv[1]);
        const QByteArray documento = pianoamm::DocumentoPdfA4(pagine);
        // Some files report a failed write only when closed.
        if (!pianoamm::ScriviTutto(uscita,
                                   std::string_view(documento.constData(), static_cast<std::size_t>(documento.size())))
            || (::close(uscita) != 0 && errno != EINTR)) {
            throw pianoamm::ErrorePiano(
                "Impossibile scrivere il documento PDF sullo standard output: " + pianoamm::MotivoErrore(errno) + ".");
        }
    });
}

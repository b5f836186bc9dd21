// pianoamm-stampa: pianoamm-cli's printing, a program apart because it alone
// needs Qt's printers and the print service. It prints the listing read on
// standard input on the default queue (--stampa) or on a named one
// (--stampante NOME). Exit code 0 once the service has taken the job, or 1
// with the reason on standard error.

#include "app/aiutante.h"
#include "print/stampa_cups.h"

#include <string_view>

namespace {

// The queue asked for; empty for the default one.
QString CodaRichiesta(int argc, char* argv[])
{
    QString coda;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argomento = argv[i];
        if (argomento == "--stampante" && i + 1 < argc)
            coda = QString::fromLocal8Bit(argv[++i]);
        else if (argomento != "--stampa")
            pianoamm::ArgomentoInatteso(argomento);
    }
    return coda;
}

}  // namespace

int main(int argc, char* argv[])
{
    return pianoamm::LavoraSulListato(
        argv[0], [&](const QList<QStringList>& pagine) { pianoamm::StampaSuCoda(CodaRichiesta(argc, argv), pagine); });
}

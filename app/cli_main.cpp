// pianoamm-cli: the schedule for scripts: the listing on standard output, or
// its printout as a PDF file, the schedule as CSV, the interest per year.

#include "app/opzioni_cli.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "print/impaginazione.h"
#include "print/stampa.h"

#include <QGuiApplication>

#include <cstdio>
#include <ctime>
#include <fstream>
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

void ScriviFile(const std::string& percorso, const std::string& contenuto)
{
    std::ofstream file(percorso, std::ios::binary | std::ios::trunc);
    if (!file || !file.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size())) || !file.flush())
        throw pianoamm::ErrorePiano("impossibile scrivere il file «" + percorso + "».");
}

// The printout needs fonts, hence a GUI application, but never a screen.
// Qt's own notices are not for this program's user: its messages are.
bool ScriviStampa(int argc, char* argv[], const std::string& percorso, const pianoamm::Listato& listato)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& messaggio) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
            std::cerr << messaggio.toStdString() << '\n';
    });
    QGuiApplication app(argc, argv);
    return ScriviPdf(QString::fromStdString(percorso), Impagina(RigheDelListato(listato)));
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    try {
        const auto opzioni = pianoamm::LeggiOpzioniCli(argomenti, Oggi());
        if (opzioni.Aiuto) {
            std::cout << pianoamm::UsoCli();
            return 0;
        }
        const auto piano = pianoamm::PianoAmm(opzioni.Dati);
        if (!opzioni.Csv.empty())
            ScriviFile(opzioni.Csv, pianoamm::EsportaCsv(piano));
        if (!opzioni.Pdf.empty() && !ScriviStampa(argc, argv, opzioni.Pdf, piano.Righe))
            throw pianoamm::ErrorePiano("impossibile scrivere il file «" + opzioni.Pdf + "».");
        std::string testo;
        if (opzioni.PerAnno)
            testo = pianoamm::TabellaPerAnno(pianoamm::InteressiPerAnno(piano));
        else if (opzioni.Csv.empty() && opzioni.Pdf.empty())
            testo = piano.Righe.Testo();
        std::fwrite(testo.data(), 1, testo.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 2;
    }
}

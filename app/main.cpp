// pianoamm: the window program. The splash picture is up from the start; the
// main window is made behind it and shows once the picture has gone.
// --help and --version answer on the terminal, with no window; a loan file
// (the one argument that is not an option) opens on the results page; any
// other argument is refused (exit status 2), and no display is exit status 1.

#include "engine/visibile.h"
#include "file/file_sicuro.h"
#include "ui/finestre/frm_main.h"
#include "ui/finestre/frm_splash.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view Uso = "Uso: pianoamm [--help | --version | FILE.pianoamm]\n"
                                 "\n"
                                 "Apre la finestra del piano d'ammortamento a rata fissa (metodo francese):\n"
                                 "i dati del finanziamento, la cadenza delle rate e il piano, da stampare,\n"
                                 "salvare in PDF o esportare in CSV, con i costi, il TAEG, la detrazione\n"
                                 "degli interessi e le simulazioni di estinzione anticipata e di variazione\n"
                                 "di tasso.\n"
                                 "\n"
                                 "  FILE        apre il mutuo salvato nel file\n"
                                 "  --help      mostra questo aiuto\n"
                                 "  --version   mostra la versione\n"
                                 "\n"
                                 "La guida è nel programma: F1 in ogni finestra.\n"
                                 "Per gli script c'è pianoamm-cli (pianoamm-cli --help).\n";

// 0 when the text went out whole, else 1 with the reason told. Some files
// report a failed write only when closed.
int Rispondi(std::string_view testo)
{
    if (pianoamm::ScriviTutto(STDOUT_FILENO, testo) && (::close(STDOUT_FILENO) == 0 || errno == EINTR))
        return 0;
    const std::string motivo = pianoamm::MotivoErrore(errno);
    std::fputs(("pianoamm: impossibile scrivere sullo standard output: " + motivo + ".\n").c_str(), stderr);
    return 1;
}

// Before a window can open: with no display to reach, Qt's platform plugin
// fails with a fatal message in English and aborts. Its messages while the
// application is made are held back; a fatal one becomes one Italian line
// and exit status 1, the others are told once the application exists.
QStringList* trattenuti = nullptr;

void TrattieniMessaggi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& messaggio)
{
    if (tipo != QtFatalMsg) {
        trattenuti->append(qFormatLogMessage(tipo, contesto, messaggio));
        return;
    }
    std::fputs("pianoamm: impossibile aprire la finestra: lo schermo non è raggiungibile.\n", stderr);
    std::_Exit(1);
}

bool SchermoDisponibile()
{
    const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
    if (!piattaforma.isEmpty() && !piattaforma.startsWith("xcb") && !piattaforma.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[])
{
    std::string_view risposta;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argomento = argv[i];
        if (argomento == "--help" || argomento == "-h") {
            risposta = risposta.empty() ? Uso : risposta;
        } else if (argomento == "--version") {
            risposta = risposta.empty() ? "pianoamm " PIANOAMM_VERSIONE "\n" : risposta;
        } else if (file == nullptr && !argomento.empty() && !argomento.starts_with('-')) {
            file = argv[i];
        } else {
            std::fputs(("pianoamm: argomento non riconosciuto: «" + pianoamm::Visibile(argomento) + "».\n\n").c_str(),
                       stderr);
            std::fputs(Uso.data(), stderr);
            return 2;
        }
    }
    if (!risposta.empty())
        return Rispondi(risposta);
    if (!SchermoDisponibile()) {
        std::fputs("pianoamm: impossibile aprire la finestra: nessuno schermo (DISPLAY o WAYLAND_DISPLAY non è "
                   "impostata).\n",
                   stderr);
        return 1;
    }
    // Qt gets no arguments: a word on the command line is never one of its
    // options.
    int argcQt = 1;
    QStringList messaggi;
    trattenuti = &messaggi;
    const QtMessageHandler precedente = qInstallMessageHandler(TrattieniMessaggi);
    QApplication app(argcQt, argv);
    qInstallMessageHandler(precedente);
    for (const QString& messaggio : std::as_const(messaggi))
        std::fputs(qPrintable(messaggio + QLatin1Char('\n')), stderr);
    QApplication::setApplicationName(QStringLiteral("Piano d'ammortamento"));
    // The program speaks Italian whatever the desktop's language: Qt's own
    // buttons and dialogs ("Sì", "No", the file dialog) too, where Qt's
    // translations are installed.
    QTranslator traduzioni;
    if (traduzioni.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioni);

    pianoamm::FrmSplash splash;
    splash.show();
    // Painted before the window's making holds the event loop up.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    pianoamm::FrmMain frmMain;
    splash.exec();
    frmMain.show();
    frmMain.activateWindow();
    // A file refused is told in a message: started from the file manager,
    // standard error is nowhere to be seen.
    if (file != nullptr)
        frmMain.ApriFile(QFile::decodeName(file));
    return QApplication::exec();
}

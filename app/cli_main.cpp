// pianoamm-cli: the schedule for scripts: the listing on standard output, or
// its printout as a PDF file or on a printer, the schedule as CSV, the
// interest per year.
//
// Exit codes: 2 when the arguments are refused, before anything is written;
// 1 when an output could not be written whole (a file, standard output, a
// print job the system did not accept); 0 only when everything asked for is
// done.
//
// The text outputs need nothing beyond the standard library, and start as
// fast as any small program; the printout needs Qt, which is loaded only when
// asked for, by the helper program pianoamm-stampa.

#include "app/opzioni_cli.h"
#include "engine/costi.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "engine/listato.h"
#include "print/file_sicuro.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

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

// The helper is installed in a folder of its own, found from this program's
// own place, so that a build folder and an installed copy each run their own.
std::string ProgrammaDiStampa()
{
    std::string programma(4096, '\0');
    const ssize_t lunghezza = ::readlink("/proc/self/exe", programma.data(), programma.size());
    if (lunghezza <= 0 || static_cast<std::size_t>(lunghezza) == programma.size())
        throw pianoamm::ErrorePiano("Impossibile trovare il programma di stampa: /proc non è disponibile.");
    programma.resize(programma.rfind('/', static_cast<std::size_t>(lunghezza)) + 1);
    return programma + PIANOAMM_STAMPA;
}

// The listing goes to the helper on its standard input; its standard output
// is none of this program's, and its messages are the user's to read. Its
// exit code is the outcome: 0, or 1 with its message told.
int Stampe(const pianoamm::OpzioniCli& opzioni, std::string_view listato)
{
    const std::string programma = ProgrammaDiStampa();
    std::vector<std::string> argomenti{programma};
    if (!opzioni.pdf.empty())
        argomenti.insert(argomenti.end(), {"--pdf", opzioni.pdf});
    if (!opzioni.stampante.empty())
        argomenti.insert(argomenti.end(), {"--stampante", opzioni.stampante});
    else if (opzioni.stampa)
        argomenti.emplace_back("--stampa");
    std::vector<char*> argv;
    argv.reserve(argomenti.size() + 1);
    for (auto& argomento : argomenti)
        argv.push_back(argomento.data());
    argv.push_back(nullptr);

    int canale[2];
    if (::pipe2(canale, O_CLOEXEC) != 0)
        throw pianoamm::ErrorePiano("Impossibile avviare la stampa: " + pianoamm::MotivoErrore(errno) + ".");
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, canale[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t figlio = 0;
    const int avvio = ::posix_spawn(&figlio, programma.c_str(), &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    ::close(canale[0]);
    if (avvio != 0) {
        ::close(canale[1]);
        throw pianoamm::ErrorePiano("Impossibile avviare il programma di stampa «" + programma + "»: "
                                    + (avvio == ENOENT ? "non è installato" : pianoamm::MotivoErrore(avvio)) + ".");
    }
    // A helper that ends early, its message told, leaves the rest of the
    // listing unread: that is no reason to end this program too.
    struct sigaction ignora {};
    struct sigaction prima {};
    ignora.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignora, &prima);
    pianoamm::ScriviTutto(canale[1], listato);
    ::close(canale[1]);
    ::sigaction(SIGPIPE, &prima, nullptr);

    int stato = 0;
    while (::waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(stato))
        throw pianoamm::ErrorePiano("Il programma di stampa «" + programma + "» si è interrotto.");
    return WEXITSTATUS(stato);
}

int Esegui(const pianoamm::OpzioniCli& opzioni, const pianoamm::Piano& piano, bool uscitaChiusa)
{
    // The costs are the plan's own, whatever is simulated.
    const pianoamm::Piano originale =
        piano.eventi.empty() || !(opzioni.taeg || opzioni.detrazione) ? piano : pianoamm::PianoAmm(opzioni.mutuo);
    const auto detrazione = [&] { return pianoamm::DetrazionePerAnno(originale, opzioni.costi, opzioni.regole); };
    if (!opzioni.csv.empty()) {
        pianoamm::ScriviFileSicuro(opzioni.csv, opzioni.detrazione ? pianoamm::EsportaCsvDetrazione(detrazione())
                                                                   : pianoamm::EsportaCsv(piano));
    }
    // The blocks asked for, in this order, a blank line between them.
    std::string blocchi;
    const auto blocco = [&blocchi](bool chiesto, const auto& testo) {
        if (chiesto)
            blocchi.append(blocchi.empty() ? "" : "\n").append(testo());
    };
    blocco(opzioni.taeg,
           [&] { return pianoamm::TestoCostoCredito(pianoamm::CostoDelCredito(originale, opzioni.costi)); });
    blocco(opzioni.detrazione, [&] { return pianoamm::TabellaDetrazione(detrazione()); });
    blocco(opzioni.perAnno, [&] { return pianoamm::TabellaPerAnno(pianoamm::InteressiPerAnno(piano)); });

    const bool stampe = !opzioni.pdf.empty() || opzioni.stampa;
    // The listing is shown only when no other output takes its place.
    const bool mostraListato = !opzioni.aiuto && !opzioni.versione && blocchi.empty() && opzioni.csv.empty() && !stampe;
    const pianoamm::Listato listato = stampe || mostraListato ? pianoamm::ComponiListato(piano) : pianoamm::Listato();
    if (stampe) {
        if (const int esito = Stampe(opzioni, listato.Testo()); esito != 0)
            return esito;
    }
    if (opzioni.versione)
        ScriviUscita("pianoamm-cli " PIANOAMM_VERSIONE "\n", uscitaChiusa);
    else if (opzioni.aiuto)
        ScriviUscita(pianoamm::UsoCli(), uscitaChiusa);
    else if (!blocchi.empty())
        ScriviUscita(blocchi, uscitaChiusa);
    else if (mostraListato)
        ScriviUscita(listato.Testo(), uscitaChiusa);
    ChiudiUscita(uscitaChiusa);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool uscitaChiusa = OccupaDescrittoriChiusi();
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    pianoamm::OpzioniCli opzioni;
    pianoamm::Piano piano;
    try {
        opzioni = pianoamm::LeggiOpzioniCli(argomenti, pianoamm::Oggi());
        if (!opzioni.aiuto && !opzioni.versione)
            piano = pianoamm::Simula(opzioni.mutuo, opzioni.scenario);
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 2;
    }
    try {
        return Esegui(opzioni, piano, uscitaChiusa);
    } catch (const pianoamm::ErrorePiano& errore) {
        std::cerr << "pianoamm-cli: " << errore.what() << '\n';
        return 1;
    }
}

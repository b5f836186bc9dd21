#include "app/processo_cli.h"

#include "engine/errore.h"
#include "file/file_sicuro.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace pianoamm {

namespace {

// Reads to the end; false, with errno set, when the system refuses.
bool LeggiTutto(int descrittore, std::string& dati)
{
    std::array<char, 65536> blocco{};
    for (;;) {
        const ssize_t letti = ::read(descrittore, blocco.data(), blocco.size());
        if (letti > 0)
            dati.append(blocco.data(), static_cast<std::size_t>(letti));
        else if (letti == 0)
            return true;
        else if (errno != EINTR)
            return false;
    }
}

// Starts a helper with ingresso as its standard input and uscita, or nowhere
// when -1, as its standard output; closes both here. Returns 0 or the error.
int Avvia(std::vector<std::string> argomenti, int ingresso, int uscita, pid_t& figlio)
{
    std::vector<char*> argv;
    argv.reserve(argomenti.size() + 1);
    for (auto& argomento : argomenti)
        argv.push_back(argomento.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, ingresso, STDIN_FILENO);
    if (uscita >= 0)
        posix_spawn_file_actions_adddup2(&azioni, uscita, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const int avvio = ::posix_spawn(&figlio, argv.front(), &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    ::close(ingresso);
    if (uscita >= 0)
        ::close(uscita);
    return avvio;
}

// A helper that ends early, its message told, leaves the rest of the listing
// unread: that is no reason to end this program too.
void Consegna(int descrittore, std::string_view listato)
{
    struct sigaction ignora {};
    struct sigaction prima {};
    ignora.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignora, &prima);
    ScriviTutto(descrittore, listato);
    ::close(descrittore);
    ::sigaction(SIGPIPE, &prima, nullptr);
}

}  // namespace

int EseguiAiutante(const std::vector<std::string>& argomenti, std::string_view listato, std::string* uscita)
{
    const std::string& programma = argomenti.front();
    int ingresso[2];
    int risposta[2] = {-1, -1};
    if (::pipe2(ingresso, O_CLOEXEC) != 0 || (uscita != nullptr && ::pipe2(risposta, O_CLOEXEC) != 0))
        throw ErrorePiano("Impossibile avviare la stampa: " + MotivoErrore(errno) + ".");
    pid_t figlio = 0;
    const auto chiudiRisposta = [&risposta] {
        if (risposta[0] >= 0)
            ::close(risposta[0]);
    };
    if (const int avvio = Avvia(argomenti, ingresso[0], risposta[1], figlio); avvio != 0) {
        ::close(ingresso[1]);
        chiudiRisposta();
        throw ErrorePiano("Impossibile avviare il programma di stampa «" + programma
                          + "»: " + (avvio == ENOENT ? "non è installato" : MotivoErrore(avvio)) + ".");
    }
    Consegna(ingresso[1], listato);
    const bool letto = uscita == nullptr || LeggiTutto(risposta[0], *uscita);
    const int erroreLettura = errno;
    chiudiRisposta();
    int stato = 0;
    while (::waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) > 1)
        throw ErrorePiano("Il programma di stampa «" + programma + "» si è interrotto.");
    if (!letto) {
        throw ErrorePiano("Impossibile leggere il PDF dal programma di stampa: " + MotivoErrore(erroreLettura) + ".");
    }
    return WEXITSTATUS(stato);
}

}  // namespace pianoamm

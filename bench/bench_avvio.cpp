// What the command line costs, a whole run from start to exit, beside the
// smallest program that does the like, built alike: for its largest text
// output, the smallest C++ program that prints a line; for its largest
// printout, drawn as a PDF by its helper, the smallest Qt program that
// writes a PDF of one line. CPU time (user and system) and peak memory, as
// the kernel accounts them to each child. The two of a pair run alternately,
// so that whatever else the machine is doing weighs on both alike; the
// medians are reported. This program stays small and forks rather than
// spawns, because a child's peak memory starts from what it inherits. A
// report, not a check.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Programma {
    const char* nome;
    std::vector<const char*> argv;
    std::FILE* ingresso = nullptr;  // read from its start; none: this program's own
    std::vector<double> cpu{};      // milliseconds
    std::vector<double> picco{};    // kilobytes
};

// The output goes to /dev/null; the run is measured unless it is for that.
void Esegui(Programma& programma, int uscita)
{
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        if (programma.ingresso != nullptr) {
            ::lseek(::fileno(programma.ingresso), 0, SEEK_SET);
            ::dup2(::fileno(programma.ingresso), STDIN_FILENO);
        }
        ::dup2(uscita >= 0 ? uscita : ::open("/dev/null", O_WRONLY), STDOUT_FILENO);
        ::execv(programma.argv[0], const_cast<char* const*>(programma.argv.data()));
        ::_exit(127);
    }
    int stato = 0;
    rusage uso{};
    if (figlio < 0 || ::wait4(figlio, &stato, 0, &uso) != figlio || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0) {
        std::fprintf(stderr, "bench-avvio: %s non è riuscito\n", programma.argv[0]);
        std::exit(1);
    }
    const auto millisecondi = [](const timeval& tempo) {
        return static_cast<double>(tempo.tv_sec) * 1e3 + static_cast<double>(tempo.tv_usec) / 1e3;
    };
    if (uscita < 0) {
        programma.cpu.push_back(millisecondi(uso.ru_utime) + millisecondi(uso.ru_stime));
        programma.picco.push_back(static_cast<double>(uso.ru_maxrss));
    }
}

double Mediana(std::vector<double> valori)
{
    const auto mezzo = valori.begin() + static_cast<std::ptrdiff_t>(valori.size() / 2);
    std::nth_element(valori.begin(), mezzo, valori.end());
    return *mezzo;
}

void Confronta(const char* titolo, int giri, std::array<Programma, 2> programmi)
{
    for (int giro = 0; giro < giri; ++giro) {
        for (auto& programma : programmi)
            Esegui(programma, -1);
    }
    std::printf("%s (mediane di %d esecuzioni alternate)\n%-14s %10s %14s\n", titolo, giri, "", "CPU (ms)",
                "picco (kB)");
    for (const auto& programma : programmi)
        std::printf("%-14s %10.3f %14.0f\n", programma.nome, Mediana(programma.cpu), Mediana(programma.picco));
    const auto& [nostro, riferimento] = programmi;
    std::printf("%-14s %10.2f %14.2f\n\n", "rapporto", Mediana(nostro.cpu) / Mediana(riferimento.cpu),
                Mediana(nostro.picco) / Mediana(riferimento.picco));
}

}  // namespace

int main()
{
    Programma cli{"pianoamm-cli",
                  {PIANOAMM_CLI, "--importo", "250000", "--numero-rate", "999", "--tasso", "4,75", "--cadenza",
                   "mensile", "--data", "31/01/2008", nullptr}};
    Confronta("Linea di comando, 999 rate mensili, contro un «ciao mondo» C++", 300,
              {cli, {"ciao mondo", {PIANOAMM_CIAO, nullptr}}});

    // The helper reads the listing as the command line hands it over.
    std::FILE* listato = std::tmpfile();
    if (listato == nullptr) {
        std::perror("bench-avvio");
        return 1;
    }
    Esegui(cli, ::fileno(listato));
    Confronta("Stampa in PDF di 17 pagine contro un PDF di una riga scritto da Qt", 60,
              {{{"pianoamm-pdf", {PIANOAMM_PDF, nullptr}, listato}, {"PDF minimo", {PIANOAMM_PDF_MINIMO, nullptr}}}});
}

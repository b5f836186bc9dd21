// What the command line costs for its largest text output, a whole run from
// start to exit, beside the smallest C++ program that prints a line, built
// alike: CPU time (user and system) and peak memory, as the kernel accounts
// them to each child. The two run alternately, so that whatever else the
// machine is doing weighs on both alike; the medians are reported. This
// program stays small and forks rather than spawns, because a child's peak
// memory starts from what it inherits. A report, not a check.

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

constexpr int Giri = 300;

struct Programma {
    const char* nome;
    std::vector<const char*> argv;
    std::vector<double> cpu;    // milliseconds
    std::vector<double> picco;  // kilobytes
};

void Esegui(Programma& programma)
{
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
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
    programma.cpu.push_back(millisecondi(uso.ru_utime) + millisecondi(uso.ru_stime));
    programma.picco.push_back(static_cast<double>(uso.ru_maxrss));
}

double Mediana(std::vector<double> valori)
{
    const auto mezzo = valori.begin() + static_cast<std::ptrdiff_t>(valori.size() / 2);
    std::nth_element(valori.begin(), mezzo, valori.end());
    return *mezzo;
}

}  // namespace

int main()
{
    std::array<Programma, 2> programmi{{
        {"pianoamm-cli",
         {PIANOAMM_CLI, "--importo", "250000", "--numero-rate", "999", "--tasso", "4,75", "--cadenza", "mensile",
          "--data", "31/01/2008", nullptr},
         {},
         {}},
        {"ciao mondo", {PIANOAMM_CIAO, nullptr}, {}, {}},
    }};
    for (int giro = 0; giro < Giri; ++giro) {
        for (auto& programma : programmi)
            Esegui(programma);
    }
    std::printf("Riga di comando, 999 rate mensili, contro un «ciao mondo» C++ (mediane di %d esecuzioni alternate)\n"
                "%-14s %10s %14s\n",
                Giri, "", "CPU (ms)", "picco (kB)");
    for (const auto& programma : programmi)
        std::printf("%-14s %10.3f %14.0f\n", programma.nome, Mediana(programma.cpu), Mediana(programma.picco));
    const auto& [cli, ciao] = programmi;
    std::printf("%-14s %10.2f %14.2f\n", "rapporto", Mediana(cli.cpu) / Mediana(ciao.cpu),
                Mediana(cli.picco) / Mediana(ciao.picco));
}

#include "file/destinazione.h"

#include "file/file_sicuro.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <utility>

namespace pianoamm {

namespace {

// As many links in a row as the system itself follows.
constexpr int MassimoCollegamenti = 40;

// The folder part of a name ("." when it has none) and the last part.
std::pair<std::string, std::string> Dividi(const std::string& percorso)
{
    const auto barra = percorso.rfind('/');
    if (barra == std::string::npos)
        return {".", percorso};
    return {barra == 0 ? "/" : percorso.substr(0, barra), percorso.substr(barra + 1)};
}

// The name with its folder's links and dots resolved, so that every name of
// a descriptor looks the same: /dev/fd is a link to /proc/self/fd, which is
// one to /proc/PID/fd. The last part stays as it is: it may be a link to
// follow one step at a time, or a name not yet taken.
std::string Assoluto(const std::string& percorso, const std::string& nome)
{
    const auto [cartella, ultimo] = Dividi(percorso);
    std::array<char, PATH_MAX> risolta{};
    if (::realpath(cartella.c_str(), risolta.data()) == nullptr)
        ImpossibileScrivere(nome, errno);
    const std::string base(risolta.data());
    return (base == "/" ? "" : base) + "/" + ultimo;
}

// The descriptor an absolute name stands for, or -1.
int DescrittoreDelNome(const std::string& percorso)
{
    if (percorso == "/dev/stdout")
        return STDOUT_FILENO;
    if (percorso == "/dev/stderr")
        return STDERR_FILENO;
    const std::array<std::string, 3> cartelle{"/dev/fd/", "/proc/self/fd/",
                                              "/proc/" + std::to_string(::getpid()) + "/fd/"};
    for (const auto& cartella : cartelle) {
        if (!percorso.starts_with(cartella))
            continue;
        const char* inizio = percorso.data() + cartella.size();
        const char* fine = percorso.data() + percorso.size();
        int descrittore = -1;
        const auto [resto, errore] = std::from_chars(inizio, fine, descrittore);
        return errore == std::errc() && resto == fine ? descrittore : -1;
    }
    return -1;
}

// Where a link points, a relative target taken from the link's folder.
std::string Collegamento(const std::string& percorso, const std::string& nome)
{
    std::string bersaglio(PATH_MAX, '\0');
    const ssize_t lunghezza = ::readlink(percorso.c_str(), bersaglio.data(), bersaglio.size());
    if (lunghezza < 0)
        ImpossibileScrivere(nome, errno);
    if (static_cast<std::size_t>(lunghezza) == bersaglio.size())
        ImpossibileScrivere(nome, ENAMETOOLONG);
    bersaglio.resize(static_cast<std::size_t>(lunghezza));
    return bersaglio.starts_with('/') ? bersaglio : Dividi(percorso).first + "/" + bersaglio;
}

}  // namespace

Destinazione TrovaDestinazione(const std::string& nome)
{
    std::string percorso = nome;
    for (int passo = 0; passo <= MassimoCollegamenti; ++passo) {
        percorso = Assoluto(percorso, nome);
        if (const int descrittore = DescrittoreDelNome(percorso); descrittore >= 0)
            return DestinazioneDescrittore(descrittore, nome);
        Destinazione destinazione{.nome = nome, .percorso = percorso};
        if (::lstat(percorso.c_str(), &destinazione.info) != 0) {
            if (errno != ENOENT)
                ImpossibileScrivere(nome, errno);
            return destinazione;
        }
        if (!S_ISLNK(destinazione.info.st_mode)) {
            destinazione.tipo =
                S_ISREG(destinazione.info.st_mode) ? Destinazione::Tipo::Regolare : Destinazione::Tipo::Dispositivo;
            return destinazione;
        }
        percorso = Collegamento(percorso, nome);
    }
    ImpossibileScrivere(nome, ELOOP);
}

Destinazione DestinazioneDescrittore(int descrittore, const std::string& nome)
{
    Destinazione destinazione{
        .tipo = Destinazione::Tipo::Descrittore, .nome = nome, .percorso = {}, .descrittore = descrittore};
    if (::fstat(descrittore, &destinazione.info) != 0)
        ImpossibileScrivere(nome, errno);
    return destinazione;
}

bool Terminale(const Destinazione& destinazione)
{
    if (destinazione.tipo == Destinazione::Tipo::Descrittore)
        return ::isatty(destinazione.descrittore) != 0;
    if (destinazione.tipo != Destinazione::Tipo::Dispositivo || !S_ISCHR(destinazione.info.st_mode))
        return false;
    const int dispositivo = ::open(destinazione.percorso.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (dispositivo < 0)
        return false;
    const bool terminale = ::isatty(dispositivo) != 0;
    ::close(dispositivo);
    return terminale;
}

bool StessaDestinazione(const Destinazione& prima, const Destinazione& seconda)
{
    using Tipo = Destinazione::Tipo;
    if (prima.tipo == Tipo::Nuovo || seconda.tipo == Tipo::Nuovo)
        return prima.tipo == seconda.tipo && prima.percorso == seconda.percorso;
    if (prima.descrittore >= 0 && prima.descrittore == seconda.descrittore)
        return true;
    return prima.info.st_dev == seconda.info.st_dev && prima.info.st_ino == seconda.info.st_ino
           && !S_ISCHR(prima.info.st_mode);
}

}  // namespace pianoamm

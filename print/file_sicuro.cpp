#include "print/file_sicuro.h"

#include "engine/errore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace pianoamm {

namespace {

std::string Cartella(const std::string& percorso)
{
    const auto barra = percorso.find_last_of('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

// Links are followed, so that the file they point at gets the new content
// and the link stays a link.
std::string Destinazione(const std::string& percorso)
{
    struct stat info {};
    if (::lstat(percorso.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return percorso;
    char risolto[PATH_MAX];
    return ::realpath(percorso.c_str(), risolto) != nullptr ? std::string(risolto) : percorso;
}

mode_t PermessiNuovoFile()
{
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}

}  // namespace

std::string MotivoErrore(int errore)
{
    switch (errore) {
    case ENOSPC:
        return "spazio esaurito sul disco";
    case EDQUOT:
        return "quota del disco superata";
    case EFBIG:
        return "il file supera la dimensione consentita";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case ENOENT:
        return "la cartella non esiste";
    case ENOTDIR:
        return "una parte del percorso non è una cartella";
    case EISDIR:
        return "è una cartella";
    case EROFS:
        return "il disco è in sola lettura";
    case ENAMETOOLONG:
        return "il nome è troppo lungo";
    case EIO:
        return "errore di lettura o scrittura del dispositivo";
    case EPIPE:
        return "chi leggeva ha chiuso il canale";
    case EBADF:
        return "il canale è chiuso";
    default:
        return std::strerror(errore);
    }
}

bool ScriviTutto(int descrittore, std::string_view dati)
{
    while (!dati.empty()) {
        const ssize_t scritti = ::write(descrittore, dati.data(), dati.size());
        if (scritti < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (scritti == 0) {
            errno = EIO;
            return false;
        }
        dati.remove_prefix(static_cast<std::size_t>(scritti));
    }
    return true;
}

FileSicuro::FileSicuro(std::string nome) : percorso(std::move(nome)), destinazione(Destinazione(percorso))
{
    struct stat info {};
    const bool esiste = ::stat(destinazione.c_str(), &info) == 0;
    if (esiste && !S_ISREG(info.st_mode)) {
        descrittore = ::open(destinazione.c_str(), O_WRONLY | O_CLOEXEC);
        if (descrittore < 0)
            Fallisci(errno);
        return;
    }
    std::string modello = Cartella(destinazione) + "/.pianoamm-XXXXXX";
    descrittore = ::mkostemp(modello.data(), O_CLOEXEC);
    if (descrittore < 0)
        Fallisci(errno);
    temporaneo = std::move(modello);
    // The replacement keeps the old file's permissions; a new file gets the
    // usual ones, not the private ones of a temporary file.
    if (::fchmod(descrittore, esiste ? info.st_mode & 07777 : PermessiNuovoFile()) != 0)
        Fallisci(errno);
}

FileSicuro::~FileSicuro()
{
    if (descrittore >= 0)
        ::close(descrittore);
    if (!temporaneo.empty())
        ::unlink(temporaneo.c_str());
}

void FileSicuro::Scrivi(std::string_view dati)
{
    if (!ScriviTutto(descrittore, dati))
        Fallisci(errno);
}

void FileSicuro::Conferma()
{
    // Some file systems report a full disk only when the data reach it.
    if (!temporaneo.empty() && ::fsync(descrittore) != 0)
        Fallisci(errno);
    if (::close(std::exchange(descrittore, -1)) != 0)
        Fallisci(errno);
    if (temporaneo.empty())
        return;
    if (::rename(temporaneo.c_str(), destinazione.c_str()) != 0)
        Fallisci(errno);
    temporaneo.clear();
}

void FileSicuro::Fallisci(int errore) const
{
    throw ErrorePiano("Impossibile scrivere il file «" + percorso + "»: " + MotivoErrore(errore) + ".");
}

void ScriviFileSicuro(const std::string& percorso, std::string_view contenuto)
{
    FileSicuro file(percorso);
    file.Scrivi(contenuto);
    file.Conferma();
}

}  // namespace pianoamm

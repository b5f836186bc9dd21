#include "file/file_sicuro.h"

#include "engine/errore.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace pianoamm {

namespace {

using Tipo = Destinazione::Tipo;

std::string Cartella(const std::string& percorso)
{
    const auto barra = percorso.find_last_of('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

mode_t PermessiNuovoFile()
{
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}

std::string NomeUtente(uid_t utente)
{
    const passwd* dati = ::getpwuid(utente);
    return dati != nullptr ? dati->pw_name : std::to_string(utente);
}

std::string NomeGruppo(gid_t gruppo)
{
    const group* dati = ::getgrgid(gruppo);
    return dati != nullptr ? dati->gr_name : std::to_string(gruppo);
}

// Protected from writing: the caller may not write it, or no one may, by its
// mode, and root, whom the system would let write it all the same, respects
// that too.
bool Protetto(const Destinazione& destinazione)
{
    if (::faccessat(AT_FDCWD, destinazione.percorso.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
        return true;
    return ::geteuid() == 0 && (destinazione.info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Waits for the file to be this program's alone; false, with errno set,
// when the system refuses.
bool Blocca(int file)
{
    while (::flock(file, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

// Opened and written where it is; a regular file is cut to the new length,
// and synced, since it has no other copy. Another save of the same file
// waits from the first byte to the cut: two copies of different lengths
// written at once would leave the longer one's tail, or a gap of zeros.
void ScriviSulPosto(const Destinazione& destinazione, std::string_view contenuto)
{
    const int file = ::open(destinazione.percorso.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        ImpossibileScrivere(destinazione.nome, errno);
    const bool regolare = destinazione.tipo == Tipo::Regolare;
    const bool scritto =
        (!regolare || Blocca(file)) && ScriviTutto(file, contenuto)
        && (!regolare || (::ftruncate(file, static_cast<off_t>(contenuto.size())) == 0 && ::fsync(file) == 0));
    const int errore = errno;
    // Some file systems report a failed write only when the file is closed.
    if (::close(file) != 0 || !scritto)
        ImpossibileScrivere(destinazione.nome, scritto ? errno : errore);
}

// A temporary file in the folder of the file it stands for; it is removed
// unless it took that file's name.
class Temporaneo {
public:
    explicit Temporaneo(const Destinazione& destinazione)
        : nome(destinazione.nome), finale(destinazione.percorso),
          percorso(Cartella(destinazione.percorso) + "/.pianoamm-XXXXXX"),
          descrittore(::mkostemp(percorso.data(), O_CLOEXEC))
    {
        if (descrittore < 0)
            ImpossibileScrivere(nome, errno);
    }
    ~Temporaneo()
    {
        if (descrittore >= 0)
            ::close(descrittore);
        if (!percorso.empty())
            ::unlink(percorso.c_str());
    }
    Temporaneo(const Temporaneo&) = delete;
    Temporaneo& operator=(const Temporaneo&) = delete;

    // The replacement belongs to whoever the old file belonged to: a file
    // never changes hands unnoticed.
    void Proprietario(const struct stat& vecchio)
    {
        struct stat nuovo {};
        if (::fstat(descrittore, &nuovo) != 0)
            ImpossibileScrivere(nome, errno);
        if ((nuovo.st_uid == vecchio.st_uid && nuovo.st_gid == vecchio.st_gid)
            || ::fchown(descrittore, vecchio.st_uid, vecchio.st_gid) == 0)
            return;
        if (errno != EPERM)
            ImpossibileScrivere(nome, errno);
        if (nuovo.st_uid != vecchio.st_uid) {
            ImpossibileScrivere(nome, "il file appartiene a «" + NomeUtente(vecchio.st_uid)
                                          + "» e non può cambiare proprietario");
        }
        ImpossibileScrivere(nome, "il file appartiene al gruppo «" + NomeGruppo(vecchio.st_gid)
                                      + "» e non può cambiare gruppo");
    }

    void Permessi(mode_t permessi)
    {
        if (::fchmod(descrittore, permessi) != 0)
            ImpossibileScrivere(nome, errno);
    }

    // Some file systems report a full disk only when the data reach it,
    // others only when the file is closed.
    void Scrivi(std::string_view contenuto)
    {
        if (!ScriviTutto(descrittore, contenuto) || ::fsync(descrittore) != 0
            || ::close(std::exchange(descrittore, -1)) != 0)
            ImpossibileScrivere(nome, errno);
    }

    void Sostituisci()
    {
        if (::rename(percorso.c_str(), finale.c_str()) != 0)
            ImpossibileScrivere(nome, errno);
        percorso.clear();
    }

private:
    std::string nome;
    std::string finale;  // the file it stands for
    std::string percorso;
    int descrittore;
};

void Sostituisci(const Destinazione& destinazione, std::string_view contenuto)
{
    const bool esiste = destinazione.tipo == Tipo::Regolare;
    if (esiste && Protetto(destinazione))
        ImpossibileScrivere(destinazione.nome, "il file è protetto in scrittura");
    if (esiste && destinazione.info.st_nlink > 1) {
        // Its other names would keep the old content if a new file took this
        // one: the temporary file only proves the room for every byte, and
        // gives it back for the copy.
        Temporaneo(destinazione).Scrivi(contenuto);
        ScriviSulPosto(destinazione, contenuto);
        return;
    }
    Temporaneo temporaneo(destinazione);
    if (esiste)
        temporaneo.Proprietario(destinazione.info);
    // A new file gets the usual permissions, not the private ones of a
    // temporary file; they are set after the owner, whose change would
    // clear the set-user-ID and set-group-ID bits.
    temporaneo.Permessi(esiste ? destinazione.info.st_mode & 07777 : PermessiNuovoFile());
    temporaneo.Scrivi(contenuto);
    temporaneo.Sostituisci();
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
    case ELOOP:
        return "troppi collegamenti simbolici di seguito";
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

void ImpossibileScrivere(const std::string& nome, const std::string& motivo)
{
    throw ErrorePiano("Impossibile scrivere il file «" + nome + "»: " + motivo + ".");
}

void ImpossibileScrivere(const std::string& nome, int errore)
{
    ImpossibileScrivere(nome, MotivoErrore(errore));
}

void ScriviFileSicuro(const Destinazione& destinazione, std::string_view contenuto)
{
    switch (destinazione.tipo) {
    case Tipo::Descrittore:
        if (!ScriviTutto(destinazione.descrittore, contenuto))
            ImpossibileScrivere(destinazione.nome, errno);
        return;
    case Tipo::Dispositivo:
        ScriviSulPosto(destinazione, contenuto);
        return;
    case Tipo::Regolare:
    case Tipo::Nuovo:
        Sostituisci(destinazione, contenuto);
        return;
    }
}

void ScriviFileSicuro(const std::string& nome, std::string_view contenuto)
{
    ScriviFileSicuro(TrovaDestinazione(nome), contenuto);
}

}  // namespace pianoamm

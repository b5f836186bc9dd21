#include "file/file_offerta.h"

#include "engine/errore.h"
#include "file/file_sicuro.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace pianoamm {

namespace {

// What a name leads to that is no file to read, as the end of a sentence.
std::string Natura(mode_t modo)
{
    if (S_ISDIR(modo))
        return "è una cartella";
    if (S_ISFIFO(modo))
        return "è una pipe con nome";
    if (S_ISSOCK(modo))
        return "è un socket";
    if (S_ISCHR(modo) || S_ISBLK(modo))
        return "è un dispositivo";
    return "non è un file regolare";
}

[[noreturn]] void NonUnFile(const std::string& nome, mode_t modo)
{
    throw ErrorePiano("«" + nome + "» non è un file: " + Natura(modo) + ".");
}

// Opened without waiting, then looked at: a pipe with no one writing, or a
// device, would hold the program, and the window, for as long as it likes.
// Only a regular file is read, and then as usual, waiting for its data.
int ApriFileDaLeggere(const std::string& nome)
{
    struct stat info {};
    const int descrittore = ::open(nome.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descrittore < 0) {
        const int errore = errno;
        // A socket cannot be opened at all.
        if (::stat(nome.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            NonUnFile(nome, info.st_mode);
        throw ErrorePiano("Impossibile aprire il file «" + nome
                          + "»: " + (errore == ENOENT ? "il file non esiste" : MotivoErrore(errore)) + ".");
    }
    const bool regolare = ::fstat(descrittore, &info) == 0 && S_ISREG(info.st_mode);
    const int stato = regolare ? ::fcntl(descrittore, F_GETFL) : -1;
    if (stato >= 0 && ::fcntl(descrittore, F_SETFL, stato & ~O_NONBLOCK) == 0)
        return descrittore;
    const int errore = errno;
    ::close(descrittore);
    if (!regolare && info.st_mode != 0)
        NonUnFile(nome, info.st_mode);
    throw ErrorePiano("Impossibile leggere il file «" + nome + "»: " + MotivoErrore(errore) + ".");
}

}  // namespace

std::string LeggiFile(const std::string& nome, std::size_t massimo)
{
    const int descrittore = ApriFileDaLeggere(nome);
    std::string testo;
    std::array<char, 65536> blocco{};
    for (;;) {
        const ssize_t letti = ::read(descrittore, blocco.data(), blocco.size());
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti < 0) {
            const int errore = errno;
            ::close(descrittore);
            throw ErrorePiano("Impossibile leggere il file «" + nome + "»: " + MotivoErrore(errore) + ".");
        }
        testo.append(blocco.data(), static_cast<std::size_t>(letti));
        if (letti == 0 || testo.size() > massimo)
            break;
    }
    ::close(descrittore);
    return testo;
}

Offerta LeggiFileOfferta(const std::string& nome)
{
    const std::string testo = LeggiFile(nome, DimensioneMassimaFileOfferta);
    if (testo.size() > DimensioneMassimaFileOfferta)
        throw ErrorePiano("Il file «" + nome + "» supera 1 MiB: non è un mutuo salvato da questo programma.");
    try {
        return LeggiTestoOfferta(testo);
    } catch (const ErrorePiano& errore) {
        throw ErrorePiano("Il file «" + nome + "» non si può aprire: " + errore.what());
    }
}

void ScriviFileOfferta(const std::string& nome, const Offerta& offerta)
{
    ScriviFileSicuro(nome, TestoOfferta(offerta));
}

}  // namespace pianoamm

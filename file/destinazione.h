#pragma once

#include <sys/stat.h>

#include <string>

namespace pianoamm {

// Where a file name leads, its links followed one by one. A name that reaches
// one of the program's own descriptors (/dev/stdout, /dev/stderr, /dev/fd/N,
// /proc/self/fd/N, /proc/PID/fd/N) is that descriptor: whoever opened it
// chose where it goes, and only writing to it keeps that (an offset, append
// mode, a file since deleted). A name of something else that is not a
// regular file (a device, a pipe) is written in place; a regular file, or a
// name not yet taken, gets its content through a temporary file in the
// folder of the file itself.
struct Destinazione {
    enum class Tipo { Descrittore, Dispositivo, Regolare, Nuovo };
    Tipo tipo = Tipo::Nuovo;
    std::string nome;      // as the user gave it, for the messages
    std::string percorso;  // links followed; empty for a descriptor
    int descrittore = -1;
    struct stat info {};  // of what exists
};

// Throws ErrorePiano when the name cannot lead anywhere: a missing folder, a
// closed descriptor, a loop of links.
Destinazione TrovaDestinazione(const std::string& nome);

// One of the program's descriptors, under the name the user gave it.
Destinazione DestinazioneDescrittore(int descrittore, const std::string& nome);

// Whether it is a terminal: a descriptor, or a device by any of its names
// (/dev/tty, /dev/pts/N), looked at without waiting for it and without its
// becoming the program's terminal.
bool Terminale(const Destinazione& destinazione);

// Whether what one writes would spoil what the other wrote: the same
// descriptor, the same file, the same name not yet taken. A character device
// (a terminal, /dev/null) loses nothing when written twice.
bool StessaDestinazione(const Destinazione& prima, const Destinazione& seconda);

}  // namespace pianoamm

#pragma once

#include "file/destinazione.h"

#include <string>
#include <string_view>

namespace pianoamm {

// Writes contenuto where the destination leads, whole or not at all wherever
// that can be had, every write checked:
// - a descriptor gets it where it stands, as it was opened;
// - a device or a pipe is opened and written in place: it must never be
//   replaced by a file;
// - a regular file, or a new one, is written to a temporary file in its own
//   folder, which takes the name only once every byte is written, synced and
//   closed: until then, and after any failure, the old file is as it was and
//   no partial file remains. The new file keeps the old one's permissions,
//   owner and group; a file protected from writing is left alone, and so is
//   one whose owner or group could not be given to the new file;
// - a regular file with other names (hard links) keeps them: it is written
//   in place, once the temporary file has shown that every byte fits.
// Every failure throws ErrorePiano with an Italian sentence naming the file
// as the user gave it.
void ScriviFileSicuro(const Destinazione& destinazione, std::string_view contenuto);
void ScriviFileSicuro(const std::string& nome, std::string_view contenuto);

// Writes all of dati to the descriptor, across short writes and signals;
// false, with errno set, when the system refuses.
bool ScriviTutto(int descrittore, std::string_view dati);

// The reason for an errno value, as an Italian phrase.
std::string MotivoErrore(int errore);

// Throws ErrorePiano: "Impossibile scrivere il file «nome»: motivo."
[[noreturn]] void ImpossibileScrivere(const std::string& nome, const std::string& motivo);
[[noreturn]] void ImpossibileScrivere(const std::string& nome, int errore);

}  // namespace pianoamm

#pragma once

#include <string>
#include <string_view>

namespace pianoamm {

// A file that gets its new content whole or not at all. A regular file, or a
// name not yet taken, is written to a temporary file in the same folder,
// which takes the name only once every byte is written, synced and closed:
// until then, and after any failure, the old file is as it was and no partial
// file remains. A name that stands for something other than a regular file (a
// device, a pipe) is written in place, every write checked: a device must
// never be replaced by a file. The name is bytes and is used as given.
// Every failure throws ErrorePiano with an Italian sentence naming the file.
class FileSicuro {
public:
    explicit FileSicuro(std::string nome);
    ~FileSicuro();
    FileSicuro(const FileSicuro&) = delete;
    FileSicuro& operator=(const FileSicuro&) = delete;

    void Scrivi(std::string_view dati);
    // The new content takes the file's place.
    void Conferma();

private:
    [[noreturn]] void Fallisci(int errore) const;

    std::string percorso;      // as the user gave it, for the messages
    std::string destinazione;  // the file to replace, links followed
    std::string temporaneo;    // empty when writing in place
    int descrittore = -1;
};

void ScriviFileSicuro(const std::string& percorso, std::string_view contenuto);

// Writes all of dati to the descriptor, across short writes and signals;
// false, with errno set, when the system refuses.
bool ScriviTutto(int descrittore, std::string_view dati);

// The reason for an errno value, as an Italian phrase.
std::string MotivoErrore(int errore);

}  // namespace pianoamm

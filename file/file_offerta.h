#pragma once

// The loan file (.pianoamm): a JSON document with everything entered about a
// loan, read strictly and written whole or not at all.

#include "engine/errore.h"
#include "engine/offerta.h"

#include <string>
#include <string_view>

namespace pianoamm {

// A file larger than this, or with more events, is refused unread.
inline constexpr std::size_t DimensioneMassimaFileOfferta = std::size_t{1024} * 1024;
inline constexpr std::size_t EventiMassimiFileOfferta = 999;

// The document's text, UTF-8, ended by a newline; every number with the
// decimals the command line accepts for it.
std::string TestoOfferta(const Offerta& offerta);

// Reads a document's text. Throws ErrorePiano with the reason in Italian,
// «the key at fault» first where there is one ("«eventi[2].importo»: ..."),
// for anything that is not a whole and valid offer of this program, its
// events included: nothing is ever half read.
Offerta LeggiTestoOfferta(std::string_view testo);

// A file's text, opened as a loan file is: only a regular file, never
// waited on. Stops past massimo bytes: a longer text is over the limit.
// Throws ErrorePiano, naming the file, for one that cannot be read.
std::string LeggiFile(const std::string& nome, std::size_t massimo);

// What leggi makes of a file's text, read as LeggiFile reads it: a text
// over massimo bytes, and every reason, begin with the file's name ("il
// file «indice.csv» alla riga 3: ...").
template <typename Lettura>
auto LeggiFileCon(const std::string& nome, std::size_t massimo, const Lettura& leggi)
{
    const std::string testo = LeggiFile(nome, massimo);
    try {
        if (testo.size() > massimo)
            throw ErrorePiano("supera " + std::to_string(massimo / (std::size_t{1024} * 1024)) + " MiB.");
        return leggi(std::string_view(testo));
    } catch (const ErrorePiano& errore) {
        throw ErrorePiano("il file «" + nome + "» " + errore.what());
    }
}

// The same from a file, whose name the reasons begin with ("Il file
// «mutuo.pianoamm» ..."); a file over the size limit is refused unread.
Offerta LeggiFileOfferta(const std::string& nome);

// Writes the document through ScriviFileSicuro: whole or not at all.
void ScriviFileOfferta(const std::string& nome, const Offerta& offerta);

}  // namespace pianoamm

#pragma once

// A JSON document read as this program's files must be: every number with
// its own text (the decimals it was written with count), a key repeated in
// an object, a document nested deeper or a list longer than any file of
// ours refused with where it happens.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

struct ValoreJson {
    enum class Tipo { Nullo, Booleano, Numero, Testo, Lista, Oggetto };
    Tipo tipo = Tipo::Nullo;
    std::string testo;                // a number's text, a string's content, "true"/"false"
    std::vector<std::string> chiavi;  // an object's keys, in order
    std::vector<ValoreJson> figli;    // a list's elements, an object's values
};

struct LimitiJson {
    std::size_t livelli;   // objects and lists one inside another
    std::size_t elementi;  // in one list
    std::size_t chiavi;    // in one object
};

// Throws ErrorePiano: for text that is not JSON, a NUL byte anywhere or
// anything but blanks after the document among it, "non è un documento JSON
// valido" with the line and column (counted in characters from 1); for a
// repeated key or a limit passed, «the path» and the reason. Paths read as
// "eventi[2].importo", list elements counted from 1.
ValoreJson LeggiJson(std::string_view testo, const LimitiJson& limiti);

}  // namespace pianoamm

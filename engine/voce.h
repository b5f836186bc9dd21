#pragma once

// A closed set's values, each named once: its word on the command line and
// in the loan file, its label in the windows, its one-line help. The
// readers, the writers, the combo boxes and the help all go through the
// set's table, so that a value is added or renamed in one place.

#include <algorithm>
#include <string>
#include <string_view>

namespace pianoamm {

template <class Valore>
struct Voce {
    Valore valore;
    std::string_view parola;     // on the command line and in the file
    std::string_view etichetta;  // in the windows
    std::string_view aiuto;      // what the value means, in a line
};

// The entry of valore: a table lists every value of its set, the default
// first.
template <class Tabella, class Valore>
constexpr const auto& VoceDi(const Tabella& tabella, Valore valore)
{
    return *std::ranges::find(tabella, valore, &Tabella::value_type::valore);
}

// The entry whose word is parola; nothing for a word of no value.
template <class Tabella>
constexpr const typename Tabella::value_type* VoceDaParola(const Tabella& tabella, std::string_view parola)
{
    const auto trovata = std::ranges::find(tabella, parola, &Tabella::value_type::parola);
    return trovata == tabella.end() ? nullptr : &*trovata;
}

// The words in the table's order, the last one after ultimo, the others
// after separatore: "unita|centesimi", "tasso, numero-rate o importo".
template <class Tabella>
std::string Parole(const Tabella& tabella, std::string_view separatore, std::string_view ultimo)
{
    std::string elenco;
    for (const auto& voce : tabella) {
        if (!elenco.empty())
            elenco += &voce == &tabella.back() ? ultimo : separatore;
        elenco += voce.parola;
    }
    return elenco;
}

template <class Tabella>
std::string Parole(const Tabella& tabella, std::string_view separatore)
{
    return Parole(tabella, separatore, separatore);
}

}  // namespace pianoamm

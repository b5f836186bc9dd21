#include "app/incognita_cli.h"

#include "engine/errore.h"

#include <algorithm>
#include <string>

namespace pianoamm {

namespace {

// The words --trova takes, in the order of Incognita.
constexpr std::array<std::string_view, 3> Parole{"tasso", "numero-rate", "importo"};

}  // namespace

std::optional<Incognita> LeggiIncognita(bool rata, std::optional<std::string_view> trova, std::array<bool, 3> dati)
{
    if (!rata) {
        if (trova)
            throw ErrorePiano("--trova: vale solo con --rata.");
        return std::nullopt;
    }
    std::size_t incognita = 0;
    if (trova) {
        const auto parola = std::ranges::find(Parole, *trova);
        if (parola == Parole.end()) {
            throw ErrorePiano("--trova: «" + std::string(*trova)
                              + "» non è un valore valido (tasso, numero-rate o importo).");
        }
        incognita = static_cast<std::size_t>(parola - Parole.begin());
    } else {
        const auto mancanti = std::ranges::count(dati, false);
        if (mancanti != 1) {
            throw ErrorePiano(std::string("--rata: ")
                              + (mancanti == 0 ? "tutti i valori sono dati: si lasci fuori quello da trovare "
                                                 "(--importo, --numero-rate o --tasso) o lo si nomini con --trova."
                                               : "si può trovare un solo valore: manca più di uno tra --importo, "
                                                 "--numero-rate e --tasso."));
        }
        incognita = static_cast<std::size_t>(std::ranges::find(dati, false) - dati.begin());
    }
    return static_cast<Incognita>(incognita);
}

}  // namespace pianoamm

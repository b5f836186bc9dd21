#include "app/incognita_cli.h"

#include "engine/errore.h"

#include <algorithm>
#include <string>

namespace pianoamm {

std::optional<Incognita> LeggiIncognita(bool rata, std::optional<std::string_view> trova, std::array<bool, 3> dati)
{
    if (!rata) {
        if (trova)
            throw ErrorePiano("--trova: vale solo con --rata.");
        return std::nullopt;
    }
    if (trova) {
        const auto* voce = VoceDaParola(Incognite, *trova);
        if (voce == nullptr) {
            throw ErrorePiano("--trova: «" + std::string(*trova) + "» non è un valore valido ("
                              + Parole(Incognite, ", ", " o ") + ").");
        }
        return voce->valore;
    }
    const auto mancanti = std::ranges::count(dati, false);
    if (mancanti != 1) {
        throw ErrorePiano(std::string("--rata: ")
                          + (mancanti == 0 ? "tutti i valori sono dati: si lasci fuori quello da trovare "
                                             "(--importo, --numero-rate o --tasso) o lo si nomini con --trova."
                                           : "si può trovare un solo valore: manca più di uno tra --importo, "
                                             "--numero-rate e --tasso."));
    }
    return Incognite.at(static_cast<std::size_t>(std::ranges::find(dati, false) - dati.begin())).valore;
}

}  // namespace pianoamm

#include "engine/giudizio.h"

#include "engine/errore.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace pianoamm {

std::vector<std::size_t> OrdineDelPiano(const std::vector<Evento>& eventi)
{
    std::vector<std::size_t> ordine(eventi.size());
    std::iota(ordine.begin(), ordine.end(), std::size_t{0});
    std::ranges::stable_sort(ordine, {},
                             [&eventi](std::size_t i) { return std::pair(DopoRata(eventi[i]), Priorita(eventi[i])); });
    return ordine;
}

bool Giudizio::Valido() const
{
    return std::ranges::none_of(motivi, [](const auto& motivo) { return motivo.has_value(); });
}

Giudizio Giudica(const Piano& piano, const std::vector<Evento>& eventi, double penale)
{
    // A later event cannot change what an earlier one finds.
    Giudizio giudizio{std::vector<std::optional<std::string>>(eventi.size()), Simula(piano, {{}, penale})};
    std::vector<Evento> presi;
    for (const std::size_t i : OrdineDelPiano(eventi)) {
        presi.push_back(eventi[i]);
        try {
            giudizio.simulato = Simula(piano, {presi, penale});
        } catch (const ErrorePiano& errore) {
            giudizio.motivi[i] = errore.what();
            presi.pop_back();
        }
    }
    return giudizio;
}

}  // namespace pianoamm

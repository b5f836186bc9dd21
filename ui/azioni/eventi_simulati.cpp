#include "ui/azioni/eventi_simulati.h"

#include "engine/errore.h"

#include <algorithm>
#include <numeric>

namespace pianoamm {

bool Giudizio::Valido() const
{
    return std::none_of(motivi.begin(), motivi.end(), [](const auto& motivo) { return motivo.has_value(); });
}

std::vector<std::size_t> OrdineDelPiano(const std::vector<Evento>& eventi)
{
    std::vector<std::size_t> ordine(eventi.size());
    std::iota(ordine.begin(), ordine.end(), std::size_t{0});
    std::stable_sort(ordine.begin(), ordine.end(), [&eventi](std::size_t a, std::size_t b) {
        return std::pair(DopoRata(eventi[a]), eventi[a].index()) < std::pair(DopoRata(eventi[b]), eventi[b].index());
    });
    return ordine;
}

Giudizio Giudica(const pianoamm::Piano& piano, const std::vector<Evento>& eventi, double penale)
{
    // A later event cannot change what an earlier one finds.
    const std::vector<std::size_t> ordine = OrdineDelPiano(eventi);
    Giudizio giudizio{std::vector<std::optional<QString>>(eventi.size()), pianoamm::Simula(piano, {{}, penale})};
    std::vector<Evento> presi;
    for (const std::size_t i : ordine) {
        presi.push_back(eventi[i]);
        try {
            giudizio.simulato = pianoamm::Simula(piano, {presi, penale});
        } catch (const pianoamm::ErrorePiano& errore) {
            giudizio.motivi[i] = QString::fromUtf8(errore.what());
            presi.pop_back();
        }
    }
    return giudizio;
}

}  // namespace pianoamm

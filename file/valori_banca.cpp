#include "file/valori_banca.h"

#include "engine/soldi.h"

#include <algorithm>
#include <utility>

namespace pianoamm {

namespace {

std::optional<double> ValoreColonna(const TabellaBanca& tabella, std::size_t riga, RuoloColonna ruolo)
{
    if (const auto colonna = tabella.Colonna(ruolo))
        return tabella.righe[riga].valori[*colonna];
    return std::nullopt;
}

}  // namespace

std::optional<double> ValoreBanca(const TabellaBanca& tabella, std::size_t riga, RuoloColonna ruolo)
{
    const auto valore = [&](RuoloColonna altro) { return ValoreColonna(tabella, riga, altro); };
    if (auto proprio = valore(ruolo))
        return proprio;
    const auto rata = valore(RuoloColonna::Rata);
    const auto interessi = valore(RuoloColonna::Interessi);
    const auto capitale = valore(RuoloColonna::Capitale);
    if (ruolo == RuoloColonna::Rata && interessi && capitale)
        return *interessi + *capitale;
    if (ruolo == RuoloColonna::Interessi && rata && capitale)
        return *rata - *capitale;
    if (ruolo != RuoloColonna::Capitale)
        return std::nullopt;
    if (rata && interessi)
        return *rata - *interessi;
    const auto prima = riga > 0 ? ValoreColonna(tabella, riga - 1, RuoloColonna::Debito) : std::nullopt;
    if (const auto debito = valore(RuoloColonna::Debito); prima && debito)
        return *prima - *debito;
    return std::nullopt;
}

double ScalaColonna(const TabellaBanca& tabella, RuoloColonna ruolo)
{
    if (const auto colonna = tabella.Colonna(ruolo))
        return tabella.colonne[*colonna].centesimi ? 100 : 1;
    const bool centesimi =
        std::any_of(tabella.colonne.begin(), tabella.colonne.end(), [](const ColonnaBanca& c) { return c.centesimi; });
    return centesimi ? 100 : 1;
}

double ValorePiano(const RigaPiano& riga, const RigaCentesimi& centesimi, RuoloColonna ruolo, double scala)
{
    // In the order of RuoloColonna.
    const std::array<std::pair<double, long long>, 4> valori{{{Pagato(riga), centesimi.rata},
                                                              {riga.quotaInteressi, centesimi.interessi},
                                                              {riga.quotaCapitale, centesimi.capitale},
                                                              {riga.debitoResiduo, centesimi.debito}}};
    const auto& [valore, inCentesimi] = valori[static_cast<std::size_t>(ruolo)];
    return scala > 1 ? Euro(inCentesimi) : Arrotondato(valore, 1);
}

}  // namespace pianoamm

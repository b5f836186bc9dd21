#include "file/candidati_banca.h"

#include "engine/soldi.h"
#include "file/valori_banca.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace pianoamm {

namespace {

// The balloons to try for a last installment over the others by trovata:
// a round one near it first, then the whole amounts around it, then it to
// the cent, then none, as a small loan's last installment may stand out.
std::vector<double> MaxiRate(double trovata)
{
    if (trovata <= 0)
        return {0};
    std::vector<double> maxiRate;
    const auto aggiungi = [&maxiRate](double maxiRata) {
        if (maxiRata > 0 && std::ranges::find(maxiRate, maxiRata) == maxiRate.end())
            maxiRate.push_back(maxiRata);
    };
    for (const double passo : {1000.0, 100.0, 10.0}) {
        if (const double tonda = std::round(trovata / passo) * passo; std::abs(tonda - trovata) <= 2) {
            aggiungi(tonda);
            break;
        }
    }
    const double unita = Arrotondato(trovata, 1);
    for (const double maxiRata : {unita, unita + 1, unita - 1, trovata})
        aggiungi(maxiRata);
    maxiRate.push_back(0);
    return maxiRate;
}

// Each set of terms of candidati with each value of a term in turn.
template <typename T>
void Espandi(std::vector<Condizioni>& candidati, T Condizioni::*termine, const std::vector<T>& valori)
{
    std::vector<Condizioni> espansi;
    for (const Condizioni& condizioni : candidati) {
        for (const T& valore : valori) {
            espansi.push_back(condizioni);
            espansi.back().*termine = valore;
        }
    }
    candidati = std::move(espansi);
}

template <typename T, std::size_t N>
std::vector<T> Valori(const std::array<Voce<T>, N>& voci)
{
    std::vector<T> valori;
    valori.reserve(N);
    for (const Voce<T>& voce : voci)
        valori.push_back(voce.valore);
    return valori;
}

// Interest in whole units is cut: cents in more rows than the last one or
// two, which settle the rest, rule those plans out.
bool InteressiConCentesimi(const TabellaBanca& tabella)
{
    std::size_t conCentesimi = 0;
    for (std::size_t riga = 0; riga < tabella.righe.size(); ++riga) {
        const auto quota = ValoreBanca(tabella, riga, RuoloColonna::Interessi);
        conCentesimi += quota && std::abs(*quota - std::round(*quota)) > 0.004 ? 1 : 0;
    }
    return conCentesimi > 2;
}

// Whether the interest over the debt before it moves from row to row by
// more than rounding explains, as where each period's days count: over the
// first year's rows.
bool InteressiMobili(const TabellaBanca& tabella, const MutuoBanca& banca)
{
    double minimo = 0;
    double massimo = 0;
    double debito = banca.mutuo.importo;
    const std::size_t fine = std::min(tabella.righe.size() - 1, banca.primaRata + 12);
    for (std::size_t riga = banca.interessiSpezzati ? 1 : 0; riga < fine; ++riga) {
        const auto quota = ValoreBanca(tabella, riga, RuoloColonna::Interessi);
        const auto dopo = ValoreBanca(tabella, riga, RuoloColonna::Debito);
        if (!quota || !dopo || debito <= 0)
            return false;
        const double rapporto = *quota / debito;
        minimo = minimo == 0 ? rapporto : std::min(minimo, rapporto);
        massimo = std::max(massimo, rapporto);
        debito = *dopo;
    }
    return minimo > 0 && massimo / minimo > 1.01;
}

}  // namespace

std::vector<Condizioni> Candidati(const TabellaBanca& tabella, const MutuoBanca& banca)
{
    const Condizioni& trovate = banca.mutuo.condizioni;
    std::vector<Condizioni> candidati{trovate};
    Espandi(candidati, &Condizioni::arrotondamento,
            InteressiConCentesimi(tabella) ? std::vector{Arrotondamento::Centesimi} : Valori(Arrotondamenti));
    Espandi(candidati, &Condizioni::tassoPeriodo, Valori(RegoleTassoPeriodo));
    Espandi(candidati, &Condizioni::metodo, Valori(Metodi));
    Espandi(candidati, &Condizioni::maxiRata, MaxiRate(trovate.maxiRata));
    if (trovate.primaScadenza)
        Espandi(candidati, &Condizioni::baseGiorni, Valori(BasiGiorni));
    if (InteressiMobili(tabella, banca)) {
        Espandi(candidati, &Condizioni::interessiGiorni,
                std::vector<std::optional<BaseGiorni>>{std::nullopt, BaseGiorni::Commerciale, BaseGiorni::Civile});
    }
    std::erase_if(candidati, [](const Condizioni& condizioni) {
        return condizioni.metodo == Metodo::Italiano && condizioni.maxiRata > 0;
    });
    return candidati;
}

}  // namespace pianoamm

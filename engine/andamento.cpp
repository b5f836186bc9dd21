#include "engine/andamento.h"

#include "engine/soldi.h"

#include <cmath>
#include <iterator>

namespace pianoamm {

namespace {

// Past a million billion no listing has room for a figure, and NaN is no
// figure at all.
constexpr double Massimo = 1e15;

// A debt grown to the cent; NaN, or one past any plan's, counts as grown.
bool Cresciuto(double dopo, double prima)
{
    return !(std::fabs(dopo) < Massimo && std::fabs(prima) < Massimo) || Centesimi(dopo) > Centesimi(prima);
}

bool Rappresentabile(const RigaPiano& riga)
{
    return std::fabs(riga.quotaInteressi) < Massimo && std::fabs(riga.quotaCapitale) < Massimo
           && std::fabs(riga.debitoResiduo) < Massimo;
}

}  // namespace

// The steadiness checks run from the first event's row on, or from the
// first row when interest cut to units runs on terms other than the
// defaults (a plan in cents carries nothing, and its installment, never
// below the first row's interest, never falls below a later one's).
std::optional<Difetto> PrimoDifetto(const Simulazione& sim)
{
    const Condizioni& termini = sim.piano.mutuo.condizioni;
    const auto& righe = sim.piano.righe;
    if (righe.empty())
        return std::nullopt;
    const double importo = sim.piano.mutuo.importo;
    // The first due date moves the dates and adds row 0 of interest only,
    // not the shares of the rows after: alone it asks for no steadiness.
    Condizioni date;
    date.primaScadenza = termini.primaScadenza;
    date.baseGiorni = termini.baseGiorni;
    const bool condizioni = termini.arrotondamento == Arrotondamento::Unita && termini != date;
    const int stabileFino = condizioni ? 0 : sim.eventi.empty() ? UltimaRata(righe) : DopoRata(sim.eventi[0].evento);
    auto evento = sim.eventi.begin();
    for (auto riga = righe.begin(); riga != righe.end(); ++riga) {
        while (evento != sim.eventi.end() && std::next(evento) != sim.eventi.end()
               && DopoRata(std::next(evento)->evento) < riga->numero)
            ++evento;
        const auto restanti = std::distance(riga, righe.end()) - 1;
        Difetto difetto{riga->numero, {}, true, nullptr};
        if (!Rappresentabile(*riga)) {
            difetto.motivo = "gli importi supererebbero ogni valore rappresentabile";
        } else if (CentesimoNegativo(riga->quotaInteressi)) {
            difetto.motivo = "la quota interessi sarebbe negativa";
        } else if (restanti > 0 && importo > 0 && NullaSalvoRumore(riga->debitoResiduo, importo)) {
            // Paid off: whole cents in a plan in cents, and in units a debt
            // that the installment outgrew, set to what was left. A units
            // plan of a few cents over many rows still owes its millionths,
            // far above that noise.
            difetto.motivo = "il debito sarebbe già estinto, " + std::to_string(restanti)
                             + (restanti == 1 ? " rata prima della fine" : " rate prima della fine");
        } else if (riga->numero > stabileFino) {
            const double prima = riga == righe.begin()
                                     ? sim.piano.mutuo.importo
                                     : std::prev(riga)->debitoResiduo + CapitalizzatiDopo(sim, std::prev(riga)->numero);
            difetto.chiusura = false;
            if (CentesimoNegativo(riga->quotaCapitale))
                difetto.motivo = "la quota capitale sarebbe negativa";
            else if (Cresciuto(riga->debitoResiduo, prima))
                difetto.motivo = "il debito residuo crescerebbe";
        }
        if (difetto.motivo.empty())
            continue;
        if (evento != sim.eventi.end() && DopoRata(evento->evento) < riga->numero)
            difetto.evento = &evento->evento;
        return difetto;
    }
    return std::nullopt;
}

}  // namespace pianoamm

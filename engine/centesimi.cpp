#include "engine/centesimi.h"

#include "engine/soldi.h"

namespace pianoamm {

namespace {

// The rows in cents; a simulation's repayments and capitalised interest
// come from its events.
std::vector<RigaCentesimi> Righe(const Piano& piano, const Simulazione* simulazione)
{
    std::vector<RigaCentesimi> righe;
    righe.reserve(piano.righe.size());
    const bool inCentesimi = piano.mutuo.condizioni.arrotondamento == Arrotondamento::Centesimi;
    double interessi = 0;
    double dovuto = piano.mutuo.importo;  // the amount and the interest added to it so far
    long long interessiPrima = 0;
    long long pagatoPrima = 0;
    long long dovutoPrima = CentesimiVicini(dovuto);
    for (const RigaPiano& riga : piano.righe) {
        interessi += riga.quotaInteressi;
        const double rimborso = simulazione != nullptr ? RimborsoDopo(*simulazione, riga.numero) : 0;
        const double capitalizzati = simulazione != nullptr ? CapitalizzatiDopo(*simulazione, riga.numero) : 0;
        // A plan in cents has whole cents in every row: their sum, past a
        // double's precision for the largest plans, is kept in integers.
        const long long interessiOra =
            inCentesimi ? interessiPrima + Centesimi(riga.quotaInteressi) : CentesimiVicini(interessi);
        const long long pagato = CentesimiVicini(dovuto - riga.debitoResiduo);
        const long long rimborsato = CentesimiVicini(dovuto - riga.debitoResiduo + rimborso);
        RigaCentesimi& r = righe.emplace_back();
        r.interessi = interessiOra - interessiPrima;
        r.capitale = pagato - pagatoPrima;
        r.rata = r.interessi + r.capitale;
        r.debito = dovutoPrima - pagato;
        r.rimborso = rimborsato - pagato;
        r.soloInteressi = simulazione != nullptr && SoloInteressi(*simulazione, riga.numero);
        interessiPrima = interessiOra;
        pagatoPrima = rimborsato;
        if (capitalizzati != 0) {
            dovuto += capitalizzati;
            r.capitalizzati = CentesimiVicini(dovuto) - dovutoPrima;
            dovutoPrima += r.capitalizzati;
        }
    }
    return righe;
}

}  // namespace

std::vector<RigaCentesimi> RigheInCentesimi(const Piano& piano)
{
    return Righe(piano, nullptr);
}

std::vector<RigaCentesimi> RigheInCentesimi(const Simulazione& simulazione)
{
    return Righe(simulazione.piano, &simulazione);
}

}  // namespace pianoamm

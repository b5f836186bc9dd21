#include "engine/esporta.h"

#include "engine/formato.h"

#include <cmath>

namespace pianoamm {

double Euro(long long centesimi)
{
    return static_cast<double>(centesimi) / 100;
}

namespace {

// The rows in cents; a simulation's repayments come from its events.
std::vector<RigaCentesimi> Centesimi(const Piano& piano, const Simulazione* simulazione)
{
    const auto centesimi = [](double euro) { return std::llround(euro * 100); };
    const long long importo = centesimi(piano.mutuo.importo);
    std::vector<RigaCentesimi> righe;
    righe.reserve(piano.righe.size());
    double interessi = 0;
    long long interessiPrima = 0;
    long long pagatoPrima = 0;
    for (const RigaPiano& riga : piano.righe) {
        interessi += riga.quotaInteressi;
        const double rimborso = simulazione != nullptr ? RimborsoDopo(*simulazione, riga.numero) : 0;
        const long long interessiOra = centesimi(interessi);
        const long long pagato = centesimi(piano.mutuo.importo - riga.debitoResiduo);
        const long long rimborsato = centesimi(piano.mutuo.importo - riga.debitoResiduo + rimborso);
        RigaCentesimi& r = righe.emplace_back();
        r.interessi = interessiOra - interessiPrima;
        r.capitale = pagato - pagatoPrima;
        r.rata = r.interessi + r.capitale;
        r.debito = importo - pagato;
        r.rimborso = rimborsato - pagato;
        interessiPrima = interessiOra;
        pagatoPrima = rimborsato;
    }
    return righe;
}

std::string Csv(const Piano& piano, const Simulazione* simulazione)
{
    const bool simulato = simulazione != nullptr;
    Celle righe{{"Numero", "Scadenza", "Quota interessi", "Quota capitale", "Rata", "Debito residuo"}};
    if (simulato)
        righe[0].insert(righe[0].end(), {"Rimborso anticipato", "Tasso annuo"});
    righe.reserve(piano.righe.size() + 1);
    const std::vector<RigaCentesimi> centesimi = Centesimi(piano, simulazione);
    for (std::size_t k = 0; k < centesimi.size(); ++k) {
        const RigaPiano& riga = piano.righe[k];
        const RigaCentesimi& c = centesimi[k];
        righe.push_back({std::to_string(riga.numero), FormatoData(riga.scadenza)});
        for (const long long valore : {c.interessi, c.capitale, c.rata, c.debito})
            righe.back().push_back(FormatoDecimali(Euro(valore), 2, false));
        if (simulato) {
            righe.back().push_back(FormatoDecimali(Euro(c.rimborso), 2, false));
            righe.back().push_back(FormatoDecimali(TassoDellaRata(*simulazione, riga.numero), 3, false));
        }
    }
    return CsvDi(righe);
}

std::vector<AnnoPiano> Anni(const Piano& piano, const Simulazione* simulazione)
{
    struct Somme {
        int anno;
        int rate;
        long long interessi;
        long long capitale;
    };
    std::vector<Somme> anni;
    Somme totali{0, 0, 0, 0};
    const std::vector<RigaCentesimi> centesimi = Centesimi(piano, simulazione);
    for (std::size_t k = 0; k < centesimi.size(); ++k) {
        const int anno = piano.righe[k].scadenza.anno;
        if (anni.empty() || anni.back().anno != anno)
            anni.push_back({anno, 0, 0, 0});
        for (Somme* somme : {&anni.back(), &totali}) {
            somme->rate += 1;
            somme->interessi += centesimi[k].interessi;
            somme->capitale += centesimi[k].capitale + centesimi[k].rimborso;
        }
    }
    anni.push_back(totali);
    std::vector<AnnoPiano> risultato;
    risultato.reserve(anni.size());
    for (const Somme& s : anni)
        risultato.push_back({s.anno, s.rate, Euro(s.interessi), Euro(s.capitale), Euro(s.interessi + s.capitale)});
    return risultato;
}

}  // namespace

std::vector<RigaCentesimi> RigheInCentesimi(const Piano& piano)
{
    return Centesimi(piano, nullptr);
}

std::vector<RigaCentesimi> RigheInCentesimi(const Simulazione& simulazione)
{
    return Centesimi(simulazione.piano, &simulazione);
}

std::string EsportaCsv(const Piano& piano)
{
    return Csv(piano, nullptr);
}

std::string EsportaCsv(const Simulazione& simulazione)
{
    return Csv(simulazione.piano, simulazione.eventi.empty() ? nullptr : &simulazione);
}

std::vector<AnnoPiano> InteressiPerAnno(const Piano& piano)
{
    return Anni(piano, nullptr);
}

std::vector<AnnoPiano> InteressiPerAnno(const Simulazione& simulazione)
{
    return Anni(simulazione.piano, &simulazione);
}

Celle CellePerAnno(const std::vector<AnnoPiano>& anni, bool raggruppa)
{
    return CelleAnnuali({"Anno", "Rate", "Interessi", "Capitale", "Totale pagato"}, anni,
                        [raggruppa](const AnnoPiano& anno, std::vector<std::string>& riga) {
                            riga.push_back(std::to_string(anno.rate));
                            AccodaImporti(riga, {anno.interessi, anno.capitale, anno.totale}, raggruppa);
                        });
}

std::string TabellaPerAnno(const std::vector<AnnoPiano>& anni)
{
    static constexpr Colonna Colonne[] = {{5, 6}, {6, 4}, {18, 16}, {18, 16}, {18, 16}};
    return TabellaDiTesto(Colonne, CellePerAnno(anni, true));
}

}  // namespace pianoamm

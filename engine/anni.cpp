#include "engine/anni.h"

#include "engine/centesimi.h"
#include "engine/soldi.h"

namespace pianoamm {

namespace {

std::vector<AnnoPiano> Anni(const Piano& piano, const std::vector<RigaCentesimi>& centesimi)
{
    struct Somme {
        int anno;
        int rate;
        long long interessi;
        long long capitale;
    };
    std::vector<Somme> anni;
    Somme totali{0, 0, 0, 0};
    for (std::size_t k = 0; k < centesimi.size(); ++k) {
        const int anno = piano.righe[k].scadenza.anno;
        if (anni.empty() || anni.back().anno != anno)
            anni.push_back({anno, 0, 0, 0});
        for (Somme* somme : {&anni.back(), &totali}) {
            somme->rate += piano.righe[k].numero > 0 ? 1 : 0;
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

std::vector<AnnoPiano> InteressiPerAnno(const Piano& piano)
{
    return Anni(piano, RigheInCentesimi(piano));
}

std::vector<AnnoPiano> InteressiPerAnno(const Simulazione& simulazione)
{
    return Anni(simulazione.piano, RigheInCentesimi(simulazione));
}

Celle CellePerAnno(const std::vector<AnnoPiano>& anni)
{
    return CelleAnnuali({"Anno", "Rate", "Interessi", "Capitale", "Totale pagato"}, anni,
                        [](const AnnoPiano& anno, std::vector<Cella>& riga) {
                            riga.push_back(CellaConto(anno.rate));
                            AccodaImporti(riga, {anno.interessi, anno.capitale, anno.totale});
                        });
}

std::string TabellaPerAnno(const std::vector<AnnoPiano>& anni)
{
    static constexpr Colonna Colonne[] = {{5, 6}, {6, 4}, {18, 16}, {18, 16}, {18, 16}};
    return TabellaDiTesto(Colonne, CellePerAnno(anni));
}

}  // namespace pianoamm

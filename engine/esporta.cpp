#include "engine/esporta.h"

#include "engine/formato.h"

#include <algorithm>

namespace pianoamm {

std::string EsportaCsv(const Piano& piano)
{
    const bool simulato = !piano.eventi.empty();
    Celle righe{{"Numero", "Scadenza", "Quota interessi", "Quota capitale", "Rata", "Debito residuo"}};
    if (simulato)
        righe[0].insert(righe[0].end(), {"Rimborso anticipato", "Tasso annuo"});
    righe.reserve(piano.righe.size() + 1);
    for (const RigaPiano& riga : piano.righe) {
        righe.push_back({std::to_string(riga.numero), FormatoData(riga.scadenza)});
        // A simulated row's installment is what it pays.
        const double rata = simulato ? riga.quotaInteressi + riga.quotaCapitale : piano.rata;
        for (const double valore : {riga.quotaInteressi, riga.quotaCapitale, rata, riga.debitoResiduo})
            righe.back().push_back(FormatoDecimali(valore, 2, false));
        if (simulato) {
            righe.back().push_back(FormatoDecimali(RimborsoDopo(piano, riga.numero), 2, false));
            righe.back().push_back(FormatoDecimali(TassoDellaRata(piano, riga.numero), 3, false));
        }
    }
    return CsvDi(righe);
}

std::string CsvDi(const Celle& righe)
{
    std::string csv = "\xEF\xBB\xBF";
    for (const auto& riga : righe) {
        for (std::size_t c = 0; c < riga.size(); ++c)
            csv.append(c == 0 ? "" : ";").append(riga[c]);
        csv += "\r\n";
    }
    return csv;
}

std::vector<AnnoPiano> InteressiPerAnno(const Piano& piano)
{
    std::vector<AnnoPiano> anni;
    AnnoPiano totali;
    for (const RigaPiano& riga : piano.righe) {
        const double rimborso = piano.eventi.empty() ? 0 : RimborsoDopo(piano, riga.numero);
        if (anni.empty() || anni.back().anno != riga.scadenza.anno)
            anni.push_back(AnnoPiano{riga.scadenza.anno, 0, 0, 0, 0});
        for (AnnoPiano* anno : {&anni.back(), &totali}) {
            anno->rate += 1;
            anno->interessi += riga.quotaInteressi;
            anno->capitale += riga.quotaCapitale + rimborso;
            anno->totale += riga.quotaInteressi + riga.quotaCapitale + rimborso;
        }
    }
    anni.push_back(totali);
    return anni;
}

Celle CellePerAnno(const std::vector<AnnoPiano>& anni, bool raggruppa)
{
    Celle righe{{"Anno", "Rate", "Interessi", "Capitale", "Totale pagato"}};
    for (const AnnoPiano& anno : anni) {
        righe.push_back({anno.anno == 0 ? "Totale" : std::to_string(anno.anno), std::to_string(anno.rate)});
        for (const double valore : {anno.interessi, anno.capitale, anno.totale})
            righe.back().push_back(FormatoDecimali(valore, 2, raggruppa));
    }
    return righe;
}

std::string TabellaPerAnno(const std::vector<AnnoPiano>& anni)
{
    static constexpr Colonna Colonne[] = {{5, 6}, {6, 4}, {18, 16}, {18, 16}, {18, 16}};
    return TabellaDiTesto(Colonne, CellePerAnno(anni, true));
}

std::string TabellaDiTesto(std::span<const Colonna> colonne, const Celle& righe)
{
    std::string tabella;
    const auto accoda = [&](const auto& cella) {
        Riga riga;
        for (std::size_t c = 0; c < colonne.size(); ++c)
            riga.Tabulasin(cella(c), colonne[c].ssp);
        tabella.append(riga.Testo()).append(1, '\n');
    };
    const auto regola = [&] { accoda([&](std::size_t c) { return std::string(colonne[c].tratto, '-'); }); };
    for (std::size_t r = 0; r < righe.size(); ++r) {
        if (r == 1 || (r > 1 && r + 1 == righe.size()))
            regola();
        accoda([&](std::size_t c) {
            std::string cella = righe[r].at(c);
            if (r == 0 || (r + 1 == righe.size() && c == 0))
                std::ranges::transform(cella, cella.begin(), [](char x) {
                    return x >= 'a' && x <= 'z' ? static_cast<char>(x - 'a' + 'A') : x;
                });
            return cella;
        });
    }
    return tabella;
}

}  // namespace pianoamm

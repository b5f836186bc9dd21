#include "engine/esporta.h"

#include "engine/formato.h"

namespace pianoamm {

std::string EsportaCsv(const Piano& piano)
{
    Celle righe{{"Numero", "Scadenza", "Quota interessi", "Quota capitale", "Rata", "Debito residuo"}};
    righe.reserve(piano.righe.size() + 1);
    for (const RigaPiano& riga : piano.righe) {
        righe.push_back({std::to_string(riga.numero), FormatoData(riga.scadenza)});
        for (const double valore : {riga.quotaInteressi, riga.quotaCapitale, piano.rata, riga.debitoResiduo})
            righe.back().push_back(FormatoDecimali(valore, 2, false));
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
        if (anni.empty() || anni.back().anno != riga.scadenza.anno)
            anni.push_back(AnnoPiano{riga.scadenza.anno, 0, 0, 0, 0});
        for (AnnoPiano* anno : {&anni.back(), &totali}) {
            anno->rate += 1;
            anno->interessi += riga.quotaInteressi;
            anno->capitale += riga.quotaCapitale;
            anno->totale += riga.quotaInteressi + riga.quotaCapitale;
        }
    }
    anni.push_back(totali);
    return anni;
}

std::string TabellaPerAnno(const std::vector<AnnoPiano>& anni)
{
    static constexpr Colonna Colonne[] = {{5, 6}, {6, 4}, {18, 16}, {18, 16}, {18, 16}};
    Celle righe{{"ANNO", "RATE", "INTERESSI", "CAPITALE", "TOTALE PAGATO"}};
    for (const AnnoPiano& anno : anni) {
        righe.push_back({anno.anno == 0 ? "TOTALE" : std::to_string(anno.anno), std::to_string(anno.rate),
                         FormatoDecimali(anno.interessi, 2, true), FormatoDecimali(anno.capitale, 2, true),
                         FormatoDecimali(anno.totale, 2, true)});
    }
    return TabellaDiTesto(Colonne, righe);
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
        accoda([&](std::size_t c) { return righe[r].at(c); });
    }
    return tabella;
}

}  // namespace pianoamm

#include "engine/esporta.h"

#include "engine/formato.h"

namespace pianoamm {

std::string EsportaCsv(const Piano& piano)
{
    std::string csv = "\xEF\xBB\xBF"
                      "Numero;Scadenza;Quota interessi;Quota capitale;Rata;Debito residuo\r\n";
    for (const RigaPiano& riga : piano.righe) {
        csv.append(std::to_string(riga.numero)).append(1, ';').append(FormatoData(riga.scadenza));
        for (const double valore : {riga.quotaInteressi, riga.quotaCapitale, piano.rata, riga.debitoResiduo})
            csv.append(1, ';').append(FormatoDecimali(valore, 2, false));
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
    std::string tabella;
    const auto riga = [&tabella](std::string_view anno, std::string_view rate, std::string_view interessi,
                                 std::string_view capitale, std::string_view totale) {
        tabella
            .append(Riga()
                        .Tabulasin(anno, 5)
                        .Tabulasin(rate, 6)
                        .Tabulasin(interessi, 18)
                        .Tabulasin(capitale, 18)
                        .Tabulasin(totale, 18)
                        .Testo())
            .append(1, '\n');
    };
    const std::string linea(16, '-');
    const auto separatore = [&] { riga("------", "----", linea, linea, linea); };
    riga("ANNO", "RATE", "INTERESSI", "CAPITALE", "TOTALE PAGATO");
    separatore();
    for (const AnnoPiano& anno : anni) {
        if (anno.anno == 0)
            separatore();
        riga(anno.anno == 0 ? "TOTALE" : std::to_string(anno.anno), std::to_string(anno.rate),
             FormatoDecimali(anno.interessi, 2, true), FormatoDecimali(anno.capitale, 2, true),
             FormatoDecimali(anno.totale, 2, true));
    }
    return tabella;
}

}  // namespace pianoamm

#include "engine/esporta.h"

namespace pianoamm {

std::string EsportaCsv(const Piano& piano)
{
    std::string csv = "\xEF\xBB\xBF"
                      "Numero;Scadenza;Quota interessi;Quota capitale;Rata;Debito residuo\r\n";
    csv.reserve(csv.size() + piano.Rate.size() * 64);
    for (const RataPiano& rata : piano.Rate) {
        csv += TestoIntero(rata.Numero).Vista();
        csv += ';';
        csv += FormatoData(rata.Scadenza).Vista();
        for (const double valore : {rata.QuotaInteressi, rata.QuotaCapitale, piano.Stato.Rata, rata.DebitoResiduo}) {
            csv += ';';
            csv += FormatoCentesimi(valore, false).Vista();
        }
        csv += "\r\n";
    }
    return csv;
}

std::vector<AnnoPiano> InteressiPerAnno(const Piano& piano)
{
    std::vector<AnnoPiano> anni;
    AnnoPiano totali;
    for (const RataPiano& rata : piano.Rate) {
        if (anni.empty() || anni.back().Anno != rata.Scadenza.anno)
            anni.push_back(AnnoPiano{rata.Scadenza.anno, 0, 0, 0, 0});
        for (AnnoPiano* riga : {&anni.back(), &totali}) {
            riga->Rate += 1;
            riga->Interessi += rata.QuotaInteressi;
            riga->Capitale += rata.QuotaCapitale;
            riga->Totale += rata.QuotaInteressi + rata.QuotaCapitale;
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
        AccodaCampo(tabella, anno, 5);
        AccodaCampo(tabella, rate, 6);
        AccodaCampo(tabella, interessi, 18);
        AccodaCampo(tabella, capitale, 18);
        AccodaCampo(tabella, totale, 18);
        tabella += '\n';
    };
    const std::string linea(16, '-');
    const auto separatore = [&] { riga("------", "----", linea, linea, linea); };
    riga("ANNO", "RATE", "INTERESSI", "CAPITALE", "TOTALE PAGATO");
    separatore();
    for (const AnnoPiano& anno : anni) {
        if (anno.Anno == 0)
            separatore();
        riga(anno.Anno == 0 ? std::string_view("TOTALE") : TestoIntero(anno.Anno).Vista(), TestoIntero(anno.Rate),
             FormatoCentesimi(anno.Interessi, true), FormatoCentesimi(anno.Capitale, true),
             FormatoCentesimi(anno.Totale, true));
    }
    return tabella;
}

}  // namespace pianoamm

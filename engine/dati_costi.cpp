#include "engine/dati_costi.h"

#include "engine/cadenza.h"
#include "engine/prima_scadenza.h"

#include <iterator>

namespace pianoamm {

std::vector<VoceCosto> VociDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole)
{
    const Mutuo& mutuo = piano.mutuo;
    const auto percentuale = [](double valore) { return CellaTasso(valore, 2); };
    const auto parola = [](std::string_view testo) { return CellaTesto(std::string(testo)); };
    std::vector<VoceCosto> voci;
    voci.push_back({"Importo del finanziamento", CellaImporto(mutuo.importo)});
    voci.push_back({"Numero rate", CellaConto(UltimaRata(piano.righe))});
    voci.push_back({"Cadenza", parola(DatiDi(mutuo.cadenza).parola)});
    voci.push_back({"Tasso annuo (%)", CellaTassoInserito(mutuo.tassoAnnuo)});
    voci.push_back({"Data di erogazione", CellaData(mutuo.erogazione)});
    // The TAEG and the first year's interest depend on it.
    if (const auto periodo = PrimoPeriodoDi(mutuo))
        voci.push_back({"Prima scadenza", CellaData(periodo->prima)});
    if (mutuo.condizioni.metodo == Metodo::Italiano)
        voci.push_back({"Metodo", parola(VoceDi(Metodi, Metodo::Italiano).parola)});
    voci.push_back({"Spese iniziali", CellaImporto(costi.speseIniziali)});
    voci.push_back({"Imposta sostitutiva (%)", percentuale(costi.impostaSostitutiva)});
    voci.push_back({"Spese per rata", CellaImporto(costi.speseRata)});
    if (regole != nullptr) {
        voci.push_back({"Quota a proprio carico (%)", percentuale(regole->quota)});
        voci.push_back({"Limite annuo detraibile", CellaImporto(regole->limite)});
    }
    return voci;
}

std::string TestoDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole)
{
    return TestoVoci(VociDatiCosti(piano, costi, regole));
}

Celle CelleDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole)
{
    return CelleVoci(VociDatiCosti(piano, costi, regole));
}

std::string EsportaCsvCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione& regole, bool costo,
                            std::optional<double> rialzo)
{
    Celle righe = CelleDatiCosti(piano, costi, &regole);
    const auto accoda = [&righe](Celle parte) {
        righe.emplace_back();
        std::move(parte.begin(), parte.end(), std::back_inserter(righe));
    };
    if (costo)
        accoda(CelleVoci(VociCosto(piano, costi, rialzo)));
    accoda(CelleDetrazione(DetrazionePerAnno(piano, costi, regole)));
    return CsvDi(righe);
}

}  // namespace pianoamm

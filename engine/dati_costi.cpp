#include "engine/dati_costi.h"

#include "engine/cadenza.h"
#include "engine/prima_scadenza.h"

#include <iterator>
#include <string>

namespace pianoamm {

namespace {

// The borrower's figures given: the deduction's notes use them, and a sheet
// without them could not be checked.
void VociFiscali(const DatiFiscali& fiscali, std::vector<VoceCosto>& voci)
{
    if (fiscali.costoAcquisto)
        voci.push_back({"Costo d'acquisto", CellaImporto(*fiscali.costoAcquisto)});
    if (fiscali.reddito)
        voci.push_back({"Reddito complessivo", CellaImporto(*fiscali.reddito)});
    if (fiscali.figli) {
        const int figli = *fiscali.figli;
        voci.push_back({"Figli a carico", CellaTesto(figli == 0   ? std::string("Nessuno")
                                                     : figli >= 3 ? std::string("3 o più, o con disabilità")
                                                                  : std::to_string(figli))});
    }
    if (fiscali.altriOneri)
        voci.push_back({"Altri oneri al 19 %", CellaImporto(*fiscali.altriOneri)});
    if (fiscali.dataContratto)
        voci.push_back({"Data del contratto", CellaData(*fiscali.dataContratto)});
}

}  // namespace

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
    // As the listing names them: the TAEG and the interest depend on them.
    if (const std::string termini = DescrizioneTermini(mutuo); !termini.empty())
        voci.push_back({"Condizioni del piano", CellaTesto(termini)});
    voci.push_back({"Spese iniziali", CellaImporto(costi.speseIniziali)});
    voci.push_back({"Imposta sostitutiva (%)", percentuale(costi.impostaSostitutiva)});
    voci.push_back({"Spese per rata", CellaImporto(costi.speseRata)});
    if (regole != nullptr) {
        voci.push_back({"Quota a proprio carico (%)", percentuale(regole->quota)});
        voci.push_back({"Limite annuo detraibile", CellaImporto(regole->limite)});
        VociFiscali(regole->fiscali, voci);
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

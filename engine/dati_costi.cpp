#include "engine/dati_costi.h"

#include "engine/cadenza.h"
#include "engine/data.h"
#include "engine/formato.h"

#include <iterator>

namespace pianoamm {

namespace {

// A rate as entered: two decimals, or up to the four that the command line
// and the file take.
std::string Tasso(double valore)
{
    std::string testo = FormatoDecimali(valore, 4, false);
    while (testo.size() > 3 && testo.back() == '0' && testo[testo.size() - 3] != ',')
        testo.pop_back();
    return testo;
}

}  // namespace

std::vector<VoceCosto> VociDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole,
                                     bool raggruppa)
{
    const Mutuo& mutuo = piano.mutuo;
    const auto soldi = [raggruppa](double valore) { return FormatoDecimali(valore, 2, raggruppa); };
    const auto percentuale = [](double valore) { return FormatoDecimali(valore, 2, false); };
    std::vector<VoceCosto> voci;
    voci.push_back({"Importo del finanziamento", soldi(mutuo.importo)});
    voci.push_back({"Numero rate", std::to_string(piano.righe.back().numero)});
    voci.push_back({"Cadenza", std::string(DatiDi(mutuo.cadenza).parola)});
    voci.push_back({"Tasso annuo (%)", Tasso(mutuo.tassoAnnuo)});
    voci.push_back({"Data di erogazione", FormatoData(mutuo.erogazione)});
    if (mutuo.condizioni.metodo == Metodo::Italiano)
        voci.push_back({"Metodo", std::string(VoceDi(Metodi, Metodo::Italiano).parola)});
    voci.push_back({"Spese iniziali", soldi(costi.speseIniziali)});
    voci.push_back({"Imposta sostitutiva (%)", percentuale(costi.impostaSostitutiva)});
    voci.push_back({"Spese per rata", soldi(costi.speseRata)});
    if (regole != nullptr) {
        voci.push_back({"Quota a proprio carico (%)", percentuale(regole->quota)});
        voci.push_back({"Limite annuo detraibile", soldi(regole->limite)});
    }
    return voci;
}

std::string TestoDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole)
{
    return TestoVoci(VociDatiCosti(piano, costi, regole, true));
}

Celle CelleDatiCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione* regole)
{
    return CelleVoci(VociDatiCosti(piano, costi, regole, false));
}

std::string EsportaCsvCosti(const Piano& piano, const Costi& costi, const RegoleDetrazione& regole, bool costo)
{
    Celle righe = CelleDatiCosti(piano, costi, &regole);
    const auto accoda = [&righe](Celle parte) {
        righe.emplace_back();
        std::move(parte.begin(), parte.end(), std::back_inserter(righe));
    };
    if (costo)
        accoda(CelleCostoCredito(CostoDelCredito(piano, costi)));
    accoda(CelleDetrazione(DetrazionePerAnno(piano, costi, regole), false));
    return CsvDi(righe);
}

}  // namespace pianoamm

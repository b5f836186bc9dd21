#include "engine/cambio.h"

#include "engine/centesimi.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <algorithm>
#include <string>

namespace pianoamm {

namespace {

// The rows from primo on, in cents, after installment pagate: the next
// installment, the interest and all that is paid, early repayments among
// it.
LatoCambio Lato(const Piano& piano, const std::vector<RigaCentesimi>& righe, std::size_t primo, int pagate)
{
    LatoCambio lato;
    lato.rata = Euro(righe[primo].rata);
    lato.rate = UltimaRata(piano.righe) - pagate;
    lato.ultimaScadenza = piano.righe.back().scadenza;
    long long interessi = 0;
    long long totale = 0;
    for (std::size_t r = primo; r < righe.size(); ++r) {
        interessi += righe[r].interessi;
        totale += righe[r].rata + righe[r].rimborso;
    }
    lato.interessi = Euro(interessi);
    lato.totale = Euro(totale);
    return lato;
}

void Controlla(const ConteggioEstintivo& conteggio, const Cambio& cambio, long long dovuto)
{
    const std::string importo = ImportoOZero(Euro(dovuto), 2);
    if (conteggio.debito == 0)
        throw ErrorePiano("Al " + FormatoData(conteggio.giorno)
                          + " il mutuo è già pagato: non c'è debito da trasferire.");
    if (cambio.tipo == TipoCambio::Surroga && cambio.spese != 0)
        throw ErrorePiano("La surroga non costa nulla a chi ha il mutuo (art. 120-quater TUB): le spese valgono "
                          "solo con una sostituzione.");
    if (!cambio.nuovoImporto || CentesimiMetaInSu(*cambio.nuovoImporto) == dovuto)
        return;
    if (cambio.tipo == TipoCambio::Surroga)
        throw ErrorePiano("Con la surroga il nuovo importo è il debito da estinguere, " + importo + ".");
    if (CentesimiMetaInSu(*cambio.nuovoImporto) < dovuto)
        throw ErrorePiano("Il nuovo importo non può essere inferiore al debito da estinguere, " + importo + ".");
}

// The first installment of the new loan by which the savings of each
// installment, added up, reach the costs; an installment past either
// plan's end counts as nothing paid.
std::optional<int> Rientro(const std::vector<RigaCentesimi>& vecchie, std::size_t primo,
                           const std::vector<RigaCentesimi>& nuove, double spese)
{
    const long long costi = CentesimiMetaInSu(spese);
    long long risparmio = 0;
    const std::size_t fine = std::max(vecchie.size() - primo, nuove.size());
    for (std::size_t k = 0; k < fine && costi > 0; ++k) {
        risparmio +=
            (primo + k < vecchie.size() ? vecchie[primo + k].rata : 0) - (k < nuove.size() ? nuove[k].rata : 0);
        if (risparmio >= costi)
            return static_cast<int>(k) + 1;
    }
    return std::nullopt;
}

EsitoCambio Cambia(const Piano& piano, const std::vector<RigaCentesimi>& righe, const Cambio& cambio)
{
    EsitoCambio esito;
    esito.conteggio = ContaEstinzione(piano, righe, cambio.giorno, 0);
    esito.cambio = cambio;
    const long long dovuto = Centesimi(esito.conteggio.debito) + Centesimi(esito.conteggio.interessi);
    Controlla(esito.conteggio, cambio, dovuto);
    esito.attuale = Lato(piano, righe, esito.conteggio.righePagate, esito.conteggio.ratePagate);
    esito.nuovo = PianoAmm(NuovoMutuo(piano.mutuo, Euro(dovuto), esito.attuale.rate, cambio));
    const std::vector<RigaCentesimi> nuove = RigheInCentesimi(esito.nuovo);
    esito.nuovoLato = Lato(esito.nuovo, nuove, 0, 0);
    // The accrued interest it financed is interest the new loan pays.
    esito.nuovoLato.interessi += esito.conteggio.interessi;
    esito.rientro = Rientro(righe, esito.conteggio.righePagate, nuove, cambio.spese);
    return esito;
}

}  // namespace

Mutuo NuovoMutuo(const Mutuo& vecchio, double dovuto, int rateResidue, const Cambio& cambio)
{
    Mutuo nuovo = vecchio;
    nuovo.importo = Euro(CentesimiMetaInSu(cambio.nuovoImporto.value_or(dovuto)));
    nuovo.numeroRate = cambio.nuoveRate.value_or(rateResidue);
    nuovo.tassoAnnuo = cambio.nuovoTasso;
    nuovo.erogazione = cambio.giorno;
    nuovo.condizioni.preammortamento = 0;
    nuovo.condizioni.primaScadenza = std::nullopt;
    nuovo.condizioni.tassoVariabile = std::nullopt;
    return nuovo;
}

EsitoCambio CambiaMutuo(const Piano& piano, const Cambio& cambio)
{
    return Cambia(piano, RigheInCentesimi(piano), cambio);
}

EsitoCambio CambiaMutuo(const Simulazione& simulazione, const Cambio& cambio)
{
    return Cambia(simulazione.piano, RigheInCentesimi(simulazione), cambio);
}

Offerta OffertaCambiata(const Offerta& vecchia, const EsitoCambio& esito)
{
    Offerta nuova = vecchia;
    nuova.nome =
        std::string(VoceDi(TipiCambio, esito.cambio.tipo).etichetta) + " al " + FormatoData(esito.cambio.giorno);
    nuova.mutuo = esito.nuovo.mutuo;
    nuova.costi.speseIniziali = esito.cambio.spese;
    nuova.costi.impostaSostitutiva = 0;
    nuova.scenario = {};
    const long long sostituito = Centesimi(esito.conteggio.debito) + Centesimi(esito.conteggio.interessi)
                                 + CentesimiMetaInSu(esito.cambio.spese);
    nuova.regole.debitoSostituito = std::nullopt;
    if (Centesimi(nuova.mutuo.importo) > sostituito)
        nuova.regole.debitoSostituito = Euro(sostituito);
    return nuova;
}

std::vector<VoceCosto> VociCambio(const EsitoCambio& esito)
{
    const auto coppia = [](const std::string& attuale, const std::string& nuovo) {
        return CellaTesto(std::string(Linea().Tabulasin(attuale, 15).Tabulasin(nuovo, 16).Testo()));
    };
    const auto importi = [&coppia](double attuale, double nuovo) {
        return coppia(ImportoOZero(attuale, 2), ImportoOZero(nuovo, 2));
    };
    const LatoCambio& a = esito.attuale;
    const LatoCambio& n = esito.nuovoLato;
    std::vector<VoceCosto> voci{
        {"Nuovo mutuo", CellaTesto(std::string(VoceDi(TipiCambio, esito.cambio.tipo).etichetta) + " al "
                                   + TestoCella(CellaTassoInserito(esito.nuovo.mutuo.tassoAnnuo)) + " %")},
        {"Importo del nuovo mutuo", CellaImporto(esito.nuovo.mutuo.importo)},
        {"Dal " + FormatoData(esito.cambio.giorno), coppia("MUTUO ATTUALE", "NUOVO MUTUO")},
        {"Rata", importi(a.rata, n.rata)},
        {"Rate residue", coppia(std::to_string(a.rate), std::to_string(n.rate))},
        {"Ultima scadenza", coppia(FormatoData(a.ultimaScadenza), FormatoData(n.ultimaScadenza))},
        {"Interessi residui", importi(a.interessi, n.interessi)},
        {"Totale da pagare", importi(a.totale, n.totale)},
        {"Risparmio per rata", CellaImporto(a.rata - n.rata)},
        {"Risparmio totale", CellaImporto(a.totale - n.totale)}};
    if (esito.cambio.spese != 0) {
        voci.push_back({"Spese del nuovo mutuo", CellaImporto(esito.cambio.spese)});
        voci.push_back({"Risparmio al netto delle spese", CellaImporto(a.totale - n.totale - esito.cambio.spese)});
        voci.push_back({"Spese ripagate alla rata", esito.rientro ? CellaConto(*esito.rientro) : CellaTesto("mai")});
    }
    return voci;
}

}  // namespace pianoamm

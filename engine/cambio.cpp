#include "engine/cambio.h"

#include "engine/centesimi.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>

namespace pianoamm {

namespace {

// What a side pays on each of its installments from row primo on, in
// cents, early repayments with them; its rows of interest only before the
// first that pays capital (a broken period's, a pre-amortisation's, a
// suspension's) are paid with that one.
std::vector<long long> Pagamenti(const std::vector<RigaCentesimi>& righe, std::size_t primo)
{
    std::vector<long long> pagamenti{0};
    for (std::size_t r = primo; r < righe.size(); ++r) {
        pagamenti.back() += righe[r].rata + righe[r].rimborso;
        if (righe[r].capitale != 0 || pagamenti.size() > 1)
            pagamenti.push_back(0);
    }
    pagamenti.pop_back();
    return pagamenti;
}

// The side from row primo on, after installment pagate: its first
// installment that pays capital, the interest and all that is paid.
LatoCambio Lato(const Piano& piano, const std::vector<RigaCentesimi>& righe, std::size_t primo, int pagate)
{
    LatoCambio lato;
    const auto capitale = std::find_if(righe.begin() + static_cast<std::ptrdiff_t>(primo), righe.end() - 1,
                                       [](const RigaCentesimi& riga) { return riga.capitale != 0; });
    lato.rata = Euro(capitale->rata);
    lato.rate = UltimaRata(piano.righe) - pagate;
    lato.ultimaScadenza = piano.righe.back().scadenza;
    long long interessi = 0;
    for (std::size_t r = primo; r < righe.size(); ++r)
        interessi += righe[r].interessi;
    lato.interessi = Euro(interessi);
    const std::vector<long long> pagamenti = Pagamenti(righe, primo);
    lato.totale = Euro(std::accumulate(pagamenti.begin(), pagamenti.end(), 0LL));
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

// The first installment of the new loan from which the savings of each
// installment, added up, stay at or above the costs to the end of both
// plans; none when they end below them, the net saving below zero, or
// there are no costs. An installment past a plan's end pays nothing.
std::optional<int> Rientro(const std::vector<long long>& vecchi, const std::vector<long long>& nuovi, double spese)
{
    const long long costi = CentesimiMetaInSu(spese);
    long long risparmio = 0;
    std::optional<int> rientro;
    for (std::size_t k = 0; k < std::max(vecchi.size(), nuovi.size()) && costi > 0; ++k) {
        risparmio += (k < vecchi.size() ? vecchi[k] : 0) - (k < nuovi.size() ? nuovi[k] : 0);
        if (risparmio < costi)
            rientro.reset();
        else if (!rientro)
            rientro = static_cast<int>(k) + 1;
    }
    return rientro;
}

EsitoCambio Cambia(const Piano& piano, const Simulazione* simulazione, const std::vector<RigaCentesimi>& righe,
                   const Cambio& cambio)
{
    ControllaGiorno(piano, cambio.giorno, "Il giorno del cambio");
    EsitoCambio esito;
    esito.conteggio = ContaEstinzione(piano, simulazione, righe, cambio.giorno, 0);
    esito.cambio = cambio;
    const long long dovuto = Centesimi(esito.conteggio.debito) + Centesimi(esito.conteggio.interessi);
    Controlla(esito.conteggio, cambio, dovuto);
    esito.attuale = Lato(piano, righe, esito.conteggio.righePagate, esito.conteggio.ratePagate);
    try {
        esito.nuovo = PianoAmm(NuovoMutuo(piano.mutuo, Euro(dovuto), esito.attuale.rate, cambio));
    } catch (const ErrorePiano& errore) {
        throw ConPremessa("Il nuovo mutuo", errore);
    }
    const std::vector<RigaCentesimi> nuove = RigheInCentesimi(esito.nuovo);
    esito.nuovoLato = Lato(esito.nuovo, nuove, 0, 0);
    // The accrued interest it financed is interest the new loan pays.
    esito.nuovoLato.interessi += esito.conteggio.interessi;
    esito.rientro = Rientro(Pagamenti(righe, esito.conteggio.righePagate), Pagamenti(nuove, 0), cambio.spese);
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
    return Cambia(piano, nullptr, RigheInCentesimi(piano), cambio);
}

EsitoCambio CambiaMutuo(const Simulazione& simulazione, const Cambio& cambio)
{
    return Cambia(simulazione.piano, &simulazione, RigheInCentesimi(simulazione), cambio);
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

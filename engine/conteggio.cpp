#include "engine/conteggio.h"

#include "engine/errore.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"

#include <algorithm>

namespace pianoamm {

ConteggioEstintivo ContaEstinzione(const Piano& piano, const std::vector<RigaCentesimi>& righe, const Data& giorno,
                                   double penale)
{
    const Data& erogazione = piano.mutuo.erogazione;
    const Data& ultima = piano.righe.back().scadenza;
    if (Prima(giorno, erogazione) || Prima(ultima, giorno)) {
        throw ErrorePiano("Il giorno dell'estinzione (" + FormatoData(giorno) + ") deve cadere tra l'erogazione del "
                          + FormatoData(erogazione) + " e l'ultima scadenza del " + FormatoData(ultima) + ".");
    }
    // The rows are in date order; row 0 of a broken period falls due at
    // the period's start and counts as paid like any other.
    const auto pagate = static_cast<std::size_t>(
        std::ranges::find_if(piano.righe, [&giorno](const RigaPiano& r) { return Prima(giorno, r.scadenza); })
        - piano.righe.begin());
    ConteggioEstintivo conteggio;
    conteggio.giorno = giorno;
    conteggio.righePagate = pagate;
    conteggio.dal = erogazione;
    long long debito = CentesimiVicini(piano.mutuo.importo);
    if (pagate > 0) {
        const RigaCentesimi& riga = righe[pagate - 1];
        debito = riga.debito - riga.rimborso + riga.capitalizzati;
        conteggio.ratePagate = piano.righe[pagate - 1].numero;
        conteggio.dal = piano.righe[pagate - 1].scadenza;
    }
    // The days run at the rate of the row they are part of.
    conteggio.tassoAnnuo = piano.righe[std::min(pagate, piano.righe.size() - 1)].tassoAnnuo;
    conteggio.giorni = GiorniTra(conteggio.dal, giorno);
    conteggio.debito = Euro(debito);
    conteggio.interessi =
        Euro(InteressiDeiGiorni(debito, conteggio.tassoAnnuo, conteggio.giorni, piano.mutuo.condizioni.baseGiorni));
    conteggio.penale = Euro(ProporzioneMetaInSu(debito, Centesimi(penale), 10000));
    return conteggio;
}

ConteggioEstintivo ContaEstinzione(const Piano& piano, const Data& giorno, double penale)
{
    return ContaEstinzione(piano, RigheInCentesimi(piano), giorno, penale);
}

ConteggioEstintivo ContaEstinzione(const Simulazione& simulazione, const Data& giorno, double penale)
{
    return ContaEstinzione(simulazione.piano, RigheInCentesimi(simulazione), giorno, penale);
}

std::vector<VoceCosto> VociConteggio(const ConteggioEstintivo& conteggio, BaseGiorni base)
{
    const std::string giorni = std::to_string(conteggio.giorni) + " dal " + FormatoData(conteggio.dal) + " al "
                               + TestoCella(CellaTassoInserito(conteggio.tassoAnnuo)) + " %, anno di "
                               + std::to_string(static_cast<int>(base)) + " giorni";
    std::vector<VoceCosto> voci{{"Estinzione al", CellaData(conteggio.giorno)},
                                {"Rate pagate", CellaConto(conteggio.ratePagate)},
                                {"Debito residuo", CellaImporto(conteggio.debito)},
                                {"Giorni di interessi", CellaTesto(giorni)},
                                {"Interessi maturati", CellaImporto(conteggio.interessi)}};
    if (conteggio.penale != 0)
        voci.push_back({"Penale", CellaImporto(conteggio.penale)});
    voci.push_back({"Totale da pagare", CellaImporto(conteggio.Totale())});
    return voci;
}

}  // namespace pianoamm

#include "engine/conteggio.h"

#include "engine/errore.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"

#include <algorithm>

namespace pianoamm {

namespace {

// What a suspension of whole installments after row r has added to the
// debt by the day: the interest of each period whose due date has passed,
// on the debt with the interest added before it, as the suspension works it
// out; all of it once the last of those due dates has passed, the last of
// which the days then run from.
long long Capitalizzati(const Simulazione& simulazione, const std::vector<RigaCentesimi>& righe, std::size_t r,
                        ConteggioEstintivo& conteggio)
{
    const RigaCentesimi& riga = righe[r];
    const Mutuo& mutuo = simulazione.piano.mutuo;
    const int numero = simulazione.piano.righe[r].numero;
    // The row's period: its number and the periods skipped before it.
    int periodo = numero;
    int sospese = 0;
    for (const EventoPiano& evento : simulazione.eventi) {
        const auto* sospensione = std::get_if<Sospensione>(&evento.evento);
        if (sospensione != nullptr && sospensione->tipo == TipoSospensione::Rata && sospensione->dopoRata < numero)
            periodo += sospensione->rate;
        else if (sospensione != nullptr && sospensione->tipo == TipoSospensione::Rata)
            sospese += sospensione->dopoRata == numero ? sospensione->rate : 0;
    }
    const std::optional<PrimoPeriodo> primo = PrimoPeriodoDi(mutuo);
    int passati = 0;
    for (; passati < sospese; ++passati) {
        const Data scadenza = Scadenza(mutuo, primo, periodo + passati + 1);
        if (Prima(conteggio.giorno, scadenza))
            break;
        conteggio.dal = scadenza;
    }
    if (passati == sospese)
        return riga.capitalizzati;
    const TassoInCentesimi tasso(conteggio.tassoAnnuo, 12 / DatiDi(mutuo.cadenza).mesi, mutuo.condizioni.tassoPeriodo);
    long long capitalizzati = 0;
    for (int k = 0; k < passati; ++k)
        capitalizzati += tasso.Interessi(riga.debito - riga.rimborso + capitalizzati);
    return capitalizzati;
}

}  // namespace

void ControllaGiorno(const Piano& piano, const Data& giorno, const std::string& nome)
{
    const Data& erogazione = piano.mutuo.erogazione;
    const Data& ultima = piano.righe.back().scadenza;
    if (Prima(giorno, erogazione) || Prima(ultima, giorno)) {
        throw ErrorePiano(nome + " (" + FormatoData(giorno) + ") deve cadere tra l'erogazione del "
                          + FormatoData(erogazione) + " e l'ultima scadenza del " + FormatoData(ultima) + ".");
    }
}

ConteggioEstintivo ContaEstinzione(const Piano& piano, const Simulazione* simulazione,
                                   const std::vector<RigaCentesimi>& righe, const Data& giorno, double penale)
{
    ControllaGiorno(piano, giorno, "Il giorno dell'estinzione");
    // The rows are in date order; row 0 of a broken period falls due at
    // the period's start and counts as paid like any other.
    const auto pagate = static_cast<std::size_t>(
        std::ranges::find_if(piano.righe, [&giorno](const RigaPiano& r) { return Prima(giorno, r.scadenza); })
        - piano.righe.begin());
    ConteggioEstintivo conteggio;
    conteggio.giorno = giorno;
    conteggio.righePagate = pagate;
    conteggio.dal = piano.mutuo.erogazione;
    // The days run at the rate of the row they are part of.
    conteggio.tassoAnnuo = piano.righe[std::min(pagate, piano.righe.size() - 1)].tassoAnnuo;
    long long debito = CentesimiVicini(piano.mutuo.importo);
    if (pagate > 0) {
        const RigaCentesimi& riga = righe[pagate - 1];
        debito = riga.debito - riga.rimborso;
        conteggio.ratePagate = piano.righe[pagate - 1].numero;
        conteggio.dal = piano.righe[pagate - 1].scadenza;
        if (riga.capitalizzati != 0 && simulazione != nullptr)
            debito += Capitalizzati(*simulazione, righe, pagate - 1, conteggio);
    }
    conteggio.giorni = GiorniTra(conteggio.dal, giorno);
    conteggio.debito = Euro(debito);
    conteggio.interessi =
        Euro(InteressiDeiGiorni(debito, conteggio.tassoAnnuo, conteggio.giorni, piano.mutuo.condizioni.baseGiorni));
    conteggio.penale = Euro(ProporzioneMetaInSu(debito, Centesimi(penale), 10000));
    return conteggio;
}

ConteggioEstintivo ContaEstinzione(const Piano& piano, const Data& giorno, double penale)
{
    return ContaEstinzione(piano, nullptr, RigheInCentesimi(piano), giorno, penale);
}

ConteggioEstintivo ContaEstinzione(const Simulazione& simulazione, const Data& giorno, double penale)
{
    return ContaEstinzione(simulazione.piano, &simulazione, RigheInCentesimi(simulazione), giorno, penale);
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

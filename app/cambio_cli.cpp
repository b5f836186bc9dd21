#include "app/cambio_cli.h"

#include "engine/cambio.h"
#include "engine/conteggio.h"
#include "engine/costi.h"

#include <utility>

namespace pianoamm {

bool MostraListato(const OpzioniCli& opzioni)
{
    return !opzioni.aiuto && !opzioni.versione && opzioni.confronta.empty() && opzioni.verifica.empty() && !opzioni.taeg
           && !opzioni.detrazione && !opzioni.perAnno && opzioni.csv.empty() && opzioni.pdf.empty() && !opzioni.stampa;
}

namespace cli {

namespace {

// The options of a change besides its day: those given without it are
// refused.
constexpr Opzione DelCambio[] = {Opzione::Tipo, Opzione::NuovoTasso, Opzione::NuoveRate, Opzione::SpeseNuove,
                                 Opzione::NuovoImporto};

Cambio LeggiDelCambio(const Valori& valori, const Data& giorno)
{
    const auto& tipo = valori[Indice(Opzione::Tipo)];
    const auto& tasso = valori[Indice(Opzione::NuovoTasso)];
    if (!tipo || !tasso)
        Rifiuta(Opzione::CambiaIl, "vuole --tipo (" + Parole(TipiCambio, " o ") + ") e --nuovo-tasso.");
    const auto* voce = VoceDaParola(TipiCambio, *tipo);
    if (voce == nullptr)
        Rifiuta(Opzione::Tipo, Citato(*tipo) + " non è un tipo valido (" + Parole(TipiCambio, " o ") + ").");
    Cambio cambio;
    cambio.giorno = giorno;
    cambio.tipo = voce->valore;
    cambio.nuovoTasso = Numero(Opzione::NuovoTasso, *tasso, LimiteTasso);
    if (const auto& rate = valori[Indice(Opzione::NuoveRate)])
        cambio.nuoveRate = static_cast<int>(Numero(Opzione::NuoveRate, *rate, LimiteNumeroRate));
    if (const auto& spese = valori[Indice(Opzione::SpeseNuove)]) {
        if (cambio.tipo == TipoCambio::Surroga)
            Rifiuta(Opzione::SpeseNuove, "vale solo con --tipo sostituzione: la surroga non costa nulla.");
        cambio.spese = Numero(Opzione::SpeseNuove, *spese, LimiteSpeseCambio);
    }
    if (const auto& importo = valori[Indice(Opzione::NuovoImporto)])
        cambio.nuovoImporto = Numero(Opzione::NuovoImporto, *importo, LimiteImporto);
    return cambio;
}

}  // namespace

void LeggiCambio(const Valori& valori, OpzioniCli& opzioni)
{
    if (valori[Indice(Opzione::EstinguiIl)] && !MostraListato(opzioni))
        Rifiuta(Opzione::EstinguiIl, "vale solo con il piano mostrato.");
    if (valori[Indice(Opzione::CambiaIl)] && !MostraListato(opzioni) && !opzioni.detrazione)
        Rifiuta(Opzione::CambiaIl, "vale solo con il piano mostrato o con --detrazione.");
    if (const auto& giorno = valori[Indice(Opzione::EstinguiIl)])
        opzioni.estinguiIl = DataDi(Opzione::EstinguiIl, *giorno);
    const auto& cambia = valori[Indice(Opzione::CambiaIl)];
    for (const Opzione opzione : DelCambio) {
        if (valori[Indice(opzione)] && !cambia)
            Rifiuta(opzione, "vale solo con --cambia-il.");
    }
    if (cambia)
        opzioni.cambio = LeggiDelCambio(valori, DataDi(Opzione::CambiaIl, *cambia));
}

}  // namespace cli

namespace {

// The options with the new loan, on the old one's fiscal data, in place of
// the loan given.
OpzioniCli SulNuovoMutuo(OpzioniCli opzioni)
{
    const Piano piano = PianoAmm(opzioni.mutuo);
    const EsitoCambio esito = opzioni.scenario.eventi.empty()
                                  ? CambiaMutuo(piano, *opzioni.cambio)
                                  : CambiaMutuo(Simula(piano, opzioni.scenario), *opzioni.cambio);
    const Offerta nuova = OffertaCambiata(OffertaDi(opzioni), esito);
    opzioni.mutuo = nuova.mutuo;
    opzioni.costi = nuova.costi;
    opzioni.regole = nuova.regole;
    opzioni.scenario = nuova.scenario;
    opzioni.cambio.reset();
    return opzioni;
}

}  // namespace

OpzioniCli ConNuovoMutuo(OpzioniCli opzioni)
{
    return opzioni.cambio && opzioni.detrazione ? SulNuovoMutuo(std::move(opzioni)) : opzioni;
}

Offerta OffertaDaSalvare(const OpzioniCli& opzioni)
{
    return OffertaDi(opzioni.cambio ? SulNuovoMutuo(opzioni) : opzioni);
}

std::string TestoDopoListato(const OpzioniCli& opzioni, const Piano& piano, const Simulazione* simulazione)
{
    std::string testo;
    if (opzioni.estinguiIl) {
        const ConteggioEstintivo conteggio =
            simulazione != nullptr ? ContaEstinzione(*simulazione, *opzioni.estinguiIl, opzioni.scenario.penale)
                                   : ContaEstinzione(piano, *opzioni.estinguiIl, opzioni.scenario.penale);
        testo += " \n" + TestoVoci(VociConteggio(conteggio, piano.mutuo.condizioni.baseGiorni));
    }
    if (opzioni.cambio) {
        const EsitoCambio esito =
            simulazione != nullptr ? CambiaMutuo(*simulazione, *opzioni.cambio) : CambiaMutuo(piano, *opzioni.cambio);
        testo += " \n" + TestoVoci(VociCambio(esito));
    }
    return testo;
}

}  // namespace pianoamm

#include "engine/rialzo.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

namespace pianoamm {

namespace {

TassoVariabile& Variabile(Mutuo& mutuo)
{
    if (!mutuo.condizioni.tassoVariabile)
        throw ErrorePiano("Il rialzo dell'indice vale solo per un mutuo a tasso variabile.");
    return *mutuo.condizioni.tassoVariabile;
}

}  // namespace

Mutuo ConRialzo(const Mutuo& mutuo, double punti)
{
    Controlla(punti, LimiteRialzo);
    Mutuo rialzato = mutuo;
    for (ValoreIndice& valore : Variabile(rialzato).indice)
        valore.valore += punti;
    return rialzato;
}

Piano PianoConRialzo(const Mutuo& mutuo, double punti, const Scenario* scenario)
{
    const Mutuo rialzato = ConRialzo(mutuo, punti);
    try {
        Piano piano = PianoAmm(rialzato);
        return scenario != nullptr ? Simula(piano, *scenario).piano : piano;
    } catch (const ErrorePiano& errore) {
        throw ConPremessa("Con il rialzo di " + PuntiRialzo(punti), errore);
    }
}

Mutuo AlLivelloDelContratto(const Mutuo& mutuo)
{
    Mutuo fermo = mutuo;
    TassoVariabile& variabile = Variabile(fermo);
    if (!variabile.indice.empty() && Prima(mutuo.erogazione, variabile.indice.front().data)) {
        throw ErrorePiano("Il TAEG al livello del contratto chiede l'indice in vigore all'erogazione, il "
                          + FormatoData(mutuo.erogazione) + ", ma il primo valore dell'indice è del "
                          + FormatoData(variabile.indice.front().data) + ".");
    }
    // Rounded already: rounding it again at each revision leaves it as it is.
    const double indice = RivediTasso(variabile, mutuo.erogazione).indice;
    variabile.indice = {{mutuo.erogazione, indice}};
    return fermo;
}

std::string PuntiRialzo(double punti)
{
    return TestoNumero(punti) + (punti == 1 ? " punto" : " punti");
}

RiepilogoRialzo Riepilogo(const Piano& piano)
{
    RiepilogoRialzo riepilogo;
    const int ultima = UltimaRata(piano.righe);
    for (const RigaPiano& riga : piano.righe) {
        const double rata = Pagato(riga) - (riga.numero == ultima ? piano.mutuo.condizioni.maxiRata : 0);
        // Equal to the cent is the same installment: the first row keeps it.
        if (Centesimi(rata) > Centesimi(riepilogo.rataMassima)) {
            riepilogo.rataMassima = rata;
            riepilogo.rigaMassima = riga.numero;
        }
    }
    riepilogo.interessi = piano.totaleInteressi;
    riepilogo.dovuto = piano.mutuo.importo + piano.totaleInteressi;
    return riepilogo;
}

}  // namespace pianoamm

#include "engine/eventi/estinzione.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <algorithm>
#include <cmath>

namespace pianoamm {

std::string Estinzione::Descrizione() const
{
    const std::string dopo = DopoLaRata(dopoRata);
    if (!importo)
        return "Estinzione totale " + dopo;
    return "Estinzione di " + FormatoDecimali(*importo, 2, true) + " " + dopo
           + (riduzione == Riduzione::Durata ? ", riduce la durata" : ", riduce la rata");
}

Effetto Estinzione::Applica(Corso& corso) const
{
    const int k = dopoRata;
    const double debito = corso.Debito();
    // Less than a cent left over, or asked for beyond the debt, would
    // leave a plan of fractions of a cent: the repayment is all of it.
    const bool tutto = !importo || MenoDiUnCentesimo(*importo, debito);
    // A plan in cents repays whole cents.
    const double rimborso = tutto ? debito
                            : corso.mutuo.condizioni.arrotondamento == Arrotondamento::Centesimi
                                ? Euro(Centesimi(*importo))
                                : *importo;
    if (!(rimborso > 0))
        throw ErrorePiano("L'importo dell'estinzione " + DopoLaRata(k) + " deve essere maggiore di zero.");
    if (!tutto && rimborso > debito) {
        throw ErrorePiano("L'estinzione " + DopoLaRata(k) + " (" + FormatoDecimali(rimborso, 2, true)
                          + ") supera il debito residuo (" + FormatoDecimali(debito, 2, true) + ").");
    }
    const int preammortamento = corso.mutuo.condizioni.preammortamento;
    if (!tutto && riduzione == Riduzione::Durata && k < preammortamento) {
        throw ErrorePiano("L'estinzione " + DopoLaRata(k) + " cade nel preammortamento (rate da 1 a "
                          + std::to_string(preammortamento) + "): può ridurre la rata, non la durata.");
    }
    corso.capitaleRimborsato += rimborso;
    corso.penalePagata += rimborso * corso.penale / 100;
    const std::string dopo = " DOPO LA RATA " + std::to_string(k);
    if (tutto) {
        corso.numeroRate = k;
        return {"ESTINZIONE TOTALE DI " + corso.Importo(rimborso) + dopo, rimborso, 0, 0, false, true};
    }
    std::string esito;
    if (riduzione == Riduzione::Durata) {
        const int rate = corso.RateNecessarie(corso.numeroRate - k);
        if (rate == 0) {
            throw ErrorePiano("Dopo l'estinzione " + DopoLaRata(k)
                              + " la rata non coprirebbe gli interessi: non si può ridurre la durata, "
                                "si può ridurre la rata.");
        }
        corso.numeroRate = k + rate;
        corso.ultimaRidotta = true;
        esito = ": RATE RESIDUE " + std::to_string(corso.numeroRate - k);
    } else {
        corso.rata = corso.RataDopo(k);
        corso.ultimaRidotta = false;
        if (!(corso.rata > 0) && corso.mutuo.condizioni.maxiRata > 0) {
            throw ErrorePiano("Dopo l'estinzione " + DopoLaRata(k)
                              + " la maxi-rata finale pagherebbe da sola il debito residuo: si può estinguere tutto "
                                "o un importo minore.");
        }
        esito = ": ";
    }
    return {"ESTINZIONE PARZIALE DI " + corso.Importo(rimborso) + dopo + esito,
            rimborso,
            0,
            0,
            false,
            false,
            riduzione != Riduzione::Durata};
}

}  // namespace pianoamm

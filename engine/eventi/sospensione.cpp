#include "engine/eventi/sospensione.h"

#include "engine/errore.h"
#include "engine/formato.h"

namespace pianoamm {

std::string Sospensione::Descrizione() const
{
    return std::string(tipo == TipoSospensione::Capitale ? "Sospensione della quota capitale di "
                                                         : "Sospensione dell'intera rata per ")
           + std::to_string(rate) + (rate == 1 ? " rata " : " rate ") + DopoLaRata(dopoRata);
}

Effetto Sospensione::Applica(Corso& corso) const
{
    Controlla(rate, LimiteRateSospese);
    if (const int preammortamento = corso.mutuo.condizioni.preammortamento; dopoRata < preammortamento) {
        throw ErrorePiano("La sospensione " + DopoLaRata(dopoRata) + " cade nel preammortamento (rate da 1 a "
                          + std::to_string(preammortamento) + ").");
    }
    const std::string quante = std::to_string(rate) + (rate == 1 ? " RATA" : " RATE");
    const std::string dopo = " DOPO LA RATA " + std::to_string(dopoRata);
    if (tipo == TipoSospensione::Capitale) {
        if (corso.numeroRate + rate > LimiteNumeroRate.massimo) {
            throw ErrorePiano("La sospensione " + DopoLaRata(dopoRata) + " porterebbe il piano a "
                              + std::to_string(corso.numeroRate + rate) + " rate: al massimo "
                              + FormatoDecimali(LimiteNumeroRate.massimo, 0, false) + ".");
        }
        corso.numeroRate += rate;
        corso.soloInteressiDa = dopoRata + 1;
        corso.soloInteressiA = dopoRata + rate;
        return {"SOSPENSIONE DELLA QUOTA CAPITALE PER " + quante + dopo, 0, 0, rate, true};
    }
    // Each period's interest joins the debt in full, and earns interest in
    // the periods after it.
    double capitalizzati = 0;
    for (int k = 0; k < rate; ++k)
        capitalizzati += corso.Interessi(corso.Debito() + capitalizzati);
    corso.capitalizzati += capitalizzati;
    corso.periodiSaltati += rate;
    corso.rata = corso.RataDopo(dopoRata);
    corso.ultimaRidotta = false;
    return {"SOSPENSIONE DI " + quante + dopo + ": INTERESSI CAPITALIZZATI " + corso.Importo(capitalizzati) + ", ",
            0,
            capitalizzati,
            0,
            true,
            false,
            true};
}

}  // namespace pianoamm

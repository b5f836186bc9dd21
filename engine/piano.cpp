#include "engine/piano.h"

#include "engine/errore.h"
#include "engine/limiti.h"

#include <cmath>

namespace pianoamm {

namespace {

void Controlla(double valore, const Limite& limite)
{
    if (!(valore >= limite.minimo && valore <= limite.massimo))
        throw ErrorePiano(FuoriLimite(limite));
}

}  // namespace

double RataMutuo(double importo, int numeroRate, double tassoPeriodo)
{
    if (tassoPeriodo == 0)
        return importo / numeroRate;
    return (importo * tassoPeriodo) / (1 - std::pow(1 + tassoPeriodo, -static_cast<double>(numeroRate)));
}

Piano PianoAmm(const Mutuo& mutuo)
{
    Controlla(mutuo.importo, LimiteImporto);
    Controlla(mutuo.numeroRate, LimiteNumeroRate);
    Controlla(mutuo.tassoAnnuo, LimiteTasso);
    const int mesi = DatiDi(mutuo.cadenza).mesi;
    const int ratePerAnno = 12 / mesi;
    const double tassoPeriodo = mutuo.tassoAnnuo / 100 / ratePerAnno;

    Piano piano;
    piano.mutuo = mutuo;
    piano.rata = RataMutuo(mutuo.importo, mutuo.numeroRate, tassoPeriodo);
    piano.righe.reserve(static_cast<std::size_t>(mutuo.numeroRate));
    double capitaleRimborsato = 0;
    double frazioni = 0;  // cut-off interest fractions not yet paid back
    for (int k = 1; k <= mutuo.numeroRate; ++k) {
        const double debito = mutuo.importo - capitaleRimborsato;
        const double esatti = debito * tassoPeriodo;
        double interessi = std::floor(esatti);
        frazioni += esatti - interessi;
        if (frazioni > 1) {
            frazioni -= 1;
            interessi += 1;
        }
        if (k == mutuo.numeroRate)
            interessi = piano.rata - debito;
        double capitale = piano.rata - interessi;
        // An installment larger than the debt left pays it off; the rest
        // counts as interest.
        if (debito < capitale) {
            interessi += capitale - debito;
            capitale = piano.rata - interessi;
        }
        piano.totaleInteressi += interessi;
        piano.righe.push_back({k, AggiungiMese(mutuo.erogazione, mesi * k), interessi, capitale,
                               mutuo.importo - (capitaleRimborsato + capitale)});
        capitaleRimborsato += capitale;
    }
    return piano;
}

}  // namespace pianoamm

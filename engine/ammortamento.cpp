#include "engine/ammortamento.h"

#include "engine/errore.h"

#include <cmath>

namespace pianoamm {

namespace {

class Ammortamento {
public:
    Ammortamento(const Mutuo& mutuo, double penale)
    {
        Controlla(mutuo.importo, LimiteImporto);
        Controlla(mutuo.numeroRate, LimiteNumeroRate);
        Controlla(mutuo.condizioni.maxiRata, LimiteMaxiRata);
        if (mutuo.condizioni.maxiRata > 0 && !(mutuo.condizioni.maxiRata < mutuo.importo))
            throw ErrorePiano("La maxi-rata finale deve essere inferiore all'importo del finanziamento.");
        corso.mutuo = mutuo;
        corso.ratePerAnno = 12 / DatiDi(mutuo.cadenza).mesi;
        corso.CambiaTasso(mutuo.tassoAnnuo);
        Controlla(penale, LimitePenale);
        corso.penale = penale;
        corso.rata = corso.Rata(mutuo.numeroRate);
        corso.numeroRate = mutuo.numeroRate;
        sim.piano.mutuo = mutuo;
        sim.piano.rata = corso.rata;
    }

    Simulazione Calcola(std::span<const Evento* const> eventi)
    {
        auto evento = eventi.begin();
        sim.piano.righe.reserve(static_cast<std::size_t>(corso.numeroRate));
        for (int k = 1; k <= corso.numeroRate; ++k) {
            Paga(k);
            for (; evento != eventi.end() && DopoRata(**evento) == k && k != corso.numeroRate; ++evento)
                Applica(**evento, k);
        }
        if (evento != eventi.end()) {
            const int dopo = DopoRata(**evento);
            const bool chiuso = !sim.eventi.empty() && sim.eventi.back().effetto.chiude;
            throw ErrorePiano(chiuso ? "L'evento " + DopoLaRata(dopo) + " segue l'estinzione totale "
                                           + DopoLaRata(DopoRata(sim.eventi.back().evento)) + "."
                                     : "Un evento " + DopoLaRata(dopo) + " deve seguire una rata da 1 a "
                                           + std::to_string(corso.numeroRate - 1) + ".");
        }
        sim.penale = corso.penalePagata;
        return std::move(sim);
    }

private:
    // Row k: its interest cut to whole units, the fractions carried.
    void Paga(int k)
    {
        const double debito = corso.Debito();
        const double esatti = debito * corso.tassoPeriodo;
        double interessi = std::floor(esatti);
        frazioni += esatti - interessi;
        if (frazioni > 1) {
            frazioni -= 1;
            interessi += 1;
        }
        double capitale = debito;
        if (k >= corso.soloInteressiDa && k <= corso.soloInteressiA) {
            capitale = 0;
        } else if (k != corso.numeroRate || !corso.ultimaRidotta) {
            // The last installment, with the balloon if any, settles the
            // rest.
            const double rata = corso.rata + (k == corso.numeroRate ? corso.mutuo.condizioni.maxiRata : 0);
            if (k == corso.numeroRate)
                interessi = rata - debito;
            capitale = rata - interessi;
            // An installment larger than the debt left pays it off; the
            // rest counts as interest.
            if (debito < capitale) {
                interessi += capitale - debito;
                capitale = corso.rata - interessi;
            }
        }
        sim.piano.totaleInteressi += interessi;
        const Mutuo& mutuo = corso.mutuo;
        sim.piano.righe.push_back(
            {k, AggiungiMese(mutuo.erogazione, 12 / corso.ratePerAnno * (k + corso.periodiSaltati)), interessi,
             capitale, mutuo.importo + corso.capitalizzati - (corso.capitaleRimborsato + capitale)});
        corso.capitaleRimborsato += capitale;
    }

    void Applica(const Evento& evento, int k)
    {
        if (k >= corso.soloInteressiDa && k < corso.soloInteressiA) {
            throw ErrorePiano(std::string(NomiDi(evento).soggetto) + " " + DopoLaRata(k)
                              + " cade nella sospensione: le rate da " + std::to_string(corso.soloInteressiDa) + " a "
                              + std::to_string(corso.soloInteressiA) + " pagano solo gli interessi.");
        }
        Effetto effetto = std::visit([this](const auto& e) { return e.Applica(corso); }, evento);
        sim.piano.totaleInteressi += effetto.capitalizzati;
        sim.eventi.push_back({evento, std::move(effetto), corso.tassoAnnuo, corso.rata, corso.numeroRate - k});
    }

    Corso corso;
    Simulazione sim;
    double frazioni = 0;  // cut-off interest fractions not yet paid back
};

}  // namespace

Simulazione Ammortizza(const Mutuo& mutuo, std::span<const Evento* const> eventi, double penale)
{
    return Ammortamento(mutuo, penale).Calcola(eventi);
}

}  // namespace pianoamm

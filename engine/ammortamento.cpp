#include "engine/ammortamento.h"

#include "engine/errore.h"

#include <cmath>
#include <iterator>

namespace pianoamm {

namespace {

void ControllaCondizioni(const Mutuo& mutuo)
{
    const Condizioni& condizioni = mutuo.condizioni;
    Controlla(condizioni.maxiRata, LimiteMaxiRata);
    if (condizioni.maxiRata > 0 && !(condizioni.maxiRata < mutuo.importo))
        throw ErrorePiano("La maxi-rata finale deve essere inferiore all'importo del finanziamento.");
    Controlla(condizioni.preammortamento, LimitePreammortamento);
    if (const int righe = mutuo.numeroRate + condizioni.preammortamento; righe > LimiteNumeroRate.massimo) {
        throw ErrorePiano("Le rate di preammortamento e del piano sarebbero " + std::to_string(righe)
                          + ": al massimo 999.");
    }
}

class Ammortamento {
public:
    Ammortamento(const Mutuo& mutuo, double penale)
    {
        Controlla(mutuo.importo, LimiteImporto);
        Controlla(mutuo.numeroRate, LimiteNumeroRate);
        ControllaCondizioni(mutuo);
        corso.mutuo = mutuo;
        corso.ratePerAnno = 12 / DatiDi(mutuo.cadenza).mesi;
        corso.CambiaTasso(mutuo.tassoAnnuo);
        Controlla(penale, LimitePenale);
        corso.penale = penale;
        corso.numeroRate = mutuo.numeroRate + mutuo.condizioni.preammortamento;
        corso.rata = corso.RataDopo(0);
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
        const int preammortamento = corso.mutuo.condizioni.preammortamento;
        if (k <= preammortamento || (k >= corso.soloInteressiDa && k <= corso.soloInteressiA)) {
            capitale = 0;
            // The installments after rows of interest only were worked out
            // on the debt alone: the last of them pays the fraction carried,
            // a unit, and the rows after start from the rest.
            if ((k == preammortamento || k == corso.soloInteressiA) && frazioni > 1e-6) {
                frazioni -= 1;
                interessi += 1;
            }
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
                capitale = rata - interessi;
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
                              + " cade in una sospensione già in corso: le rate da "
                              + std::to_string(corso.soloInteressiDa) + " a " + std::to_string(corso.soloInteressiA)
                              + " pagano solo gli interessi.");
        }
        Effetto effetto = std::visit([this](const auto& e) { return e.Applica(corso); }, evento);
        sim.piano.totaleInteressi += effetto.capitalizzati;
        sim.eventi.push_back({evento, std::move(effetto), corso.tassoAnnuo, corso.rata, corso.numeroRate - k});
    }

    Corso corso;
    Simulazione sim;
    double frazioni = 0;  // cut-off interest fractions not yet paid back
};

// The rows as shown to the cent, from the first event's on, or from the
// first with terms other than the defaults (the default plan keeps its own
// rules at any rate): no share below zero, no debt above the row before's
// and the interest added to it since (NaN fails every comparison). The
// reason names the event before the row, where there is one.
void ControllaAndamento(const Simulazione& sim)
{
    const bool condizioni = sim.piano.mutuo.condizioni != Condizioni{};
    if (sim.eventi.empty() && !condizioni)
        return;
    const auto centesimi = [](double euro) { return std::round(euro * 100); };
    const auto& righe = sim.piano.righe;
    auto evento = sim.eventi.begin();
    const auto primo = condizioni ? 0 : DopoRata(evento->evento);
    for (auto riga = righe.begin() + primo; riga != righe.end(); ++riga) {
        const double prima = riga == righe.begin()
                                 ? sim.piano.mutuo.importo
                                 : std::prev(riga)->debitoResiduo + CapitalizzatiDopo(sim, std::prev(riga)->numero);
        const char* difetto = nullptr;
        if (!(centesimi(riga->quotaInteressi) >= 0))
            difetto = "la quota interessi sarebbe negativa";
        else if (!(centesimi(riga->quotaCapitale) >= 0))
            difetto = "la quota capitale sarebbe negativa";
        else if (!(centesimi(riga->debitoResiduo) <= centesimi(prima)))
            difetto = "il debito residuo crescerebbe";
        while (evento != sim.eventi.end() && std::next(evento) != sim.eventi.end()
               && DopoRata(std::next(evento)->evento) < riga->numero)
            ++evento;
        if (difetto == nullptr)
            continue;
        const std::string dove = "alla rata " + std::to_string(riga->numero) + " " + difetto + ".";
        if (evento != sim.eventi.end() && DopoRata(evento->evento) < riga->numero) {
            throw ErrorePiano(std::string(NomiDi(evento->evento).soggetto) + " " + DopoLaRata(DopoRata(evento->evento))
                              + " rende il piano instabile: " + dove);
        }
        throw ErrorePiano("Con queste condizioni il piano è instabile: " + dove);
    }
}

}  // namespace

Simulazione Ammortizza(const Mutuo& mutuo, std::span<const Evento* const> eventi, double penale)
{
    Simulazione simulazione = Ammortamento(mutuo, penale).Calcola(eventi);
    ControllaAndamento(simulazione);
    return simulazione;
}

}  // namespace pianoamm

#include "engine/ammortamento.h"

#include "engine/errore.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace pianoamm {

namespace {

void ControllaRighe(const Mutuo& mutuo)
{
    ControllaCondizioni(mutuo.condizioni, mutuo.importo);
    if (const int righe = mutuo.numeroRate + mutuo.condizioni.preammortamento; righe > LimiteNumeroRate.massimo) {
        throw ErrorePiano("Le rate di preammortamento e del piano sarebbero " + std::to_string(righe)
                          + ": al massimo 999.");
    }
}

class Ammortamento {
public:
    Ammortamento(const Mutuo& mutuo, double penale)
        : centesimi(mutuo.condizioni.arrotondamento == Arrotondamento::Centesimi)
    {
        Controlla(mutuo.importo, LimiteImporto);
        Controlla(mutuo.numeroRate, LimiteNumeroRate);
        ControllaRighe(mutuo);
        corso.mutuo = mutuo;
        corso.ratePerAnno = 12 / DatiDi(mutuo.cadenza).mesi;
        corso.CambiaTasso(mutuo.tassoAnnuo);
        Controlla(penale, LimitePenale);
        corso.penale = penale;
        corso.numeroRate = mutuo.numeroRate + mutuo.condizioni.preammortamento;
        corso.rata = corso.RataDopo(0);
        sim.piano.mutuo = mutuo;
        sim.piano.rata = corso.rata;
        // The Italian installment falls: the listing gives the first that
        // pays capital, before any rounding but the cents'.
        if (mutuo.condizioni.metodo == Metodo::Italiano)
            sim.piano.rata += corso.Interessi(mutuo.importo);
        InCentesimi();
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
        // Whole cents add up exactly in integers, as a double's sum of the
        // largest plans would not.
        if (centesimi)
            sim.piano.totaleInteressi = Euro(interessiInCentesimi);
        return std::move(sim);
    }

private:
    // Row k: its interest, its capital share, and the debt after it.
    void Paga(int k)
    {
        const Quote quote = centesimi ? QuoteInCentesimi(k) : QuoteInUnita(k, corso.Debito());
        sim.piano.totaleInteressi += quote.interessi;
        const Mutuo& mutuo = corso.mutuo;
        sim.piano.righe.push_back(
            {k, AggiungiMese(mutuo.erogazione, 12 / corso.ratePerAnno * (k + corso.periodiSaltati)), quote.interessi,
             quote.capitale, mutuo.importo + corso.capitalizzati - (corso.capitaleRimborsato + quote.capitale)});
        corso.capitaleRimborsato += quote.capitale;
    }

    struct Quote {
        double interessi;
        double capitale;
    };

    bool SoloInteressi(int k) const
    {
        return k <= corso.mutuo.condizioni.preammortamento || (k >= corso.soloInteressiDa && k <= corso.soloInteressiA);
    }

    // The interest cut to whole units, the fractions carried; the last row
    // settles the rest.
    Quote QuoteInUnita(int k, double debito)
    {
        const double esatti = debito * corso.tassoPeriodo;
        double interessi = std::floor(esatti);
        frazioni += esatti - interessi;
        if (frazioni > 1) {
            frazioni -= 1;
            interessi += 1;
        }
        if (SoloInteressi(k)) {
            // The French installments after rows of interest only were
            // worked out on the debt alone: the last of them pays the
            // fraction carried, a unit, and the rows after start from the
            // rest. The Italian last row pays every fraction still carried.
            if ((k == corso.mutuo.condizioni.preammortamento || k == corso.soloInteressiA) && frazioni > 1e-6
                && corso.mutuo.condizioni.metodo == Metodo::Francese) {
                frazioni -= 1;
                interessi += 1;
            }
            return {interessi, 0};
        }
        const bool ultima = k == corso.numeroRate;
        if (corso.mutuo.condizioni.metodo == Metodo::Italiano) {
            // The last row pays the debt left and every fraction still
            // carried.
            if (ultima)
                return {interessi + std::exchange(frazioni, 0), debito};
            return {interessi, std::min(corso.rata, debito)};
        }
        if (ultima && corso.ultimaRidotta)
            return {interessi, debito};
        // The last installment, with the balloon if any, settles the rest.
        const double rata = corso.rata + (ultima ? corso.mutuo.condizioni.maxiRata : 0);
        if (ultima)
            interessi = rata - debito;
        double capitale = rata - interessi;
        // An installment larger than the debt left pays it off; the rest
        // counts as interest.
        if (debito < capitale) {
            interessi += capitale - debito;
            capitale = rata - interessi;
        }
        return {interessi, capitale};
    }

    // Every share to the cent, halves up; the last row pays the debt left
    // and its own interest.
    Quote QuoteInCentesimi(int k)
    {
        const long long interessi = corso.tassoInCentesimi.Interessi(debitoInCentesimi);
        long long capitale = debitoInCentesimi;
        if (SoloInteressi(k))
            capitale = 0;
        else if (k != corso.numeroRate) {
            capitale = std::min(corso.mutuo.condizioni.metodo == Metodo::Italiano ? rataInCentesimi
                                                                                  : rataInCentesimi - interessi,
                                debitoInCentesimi);
        }
        debitoInCentesimi -= capitale;
        interessiInCentesimi += interessi;
        return {Euro(interessi), Euro(capitale)};
    }

    // The debt and the installment in cents, taken again from the doubles
    // whenever an event has changed them: the rows between go in integers.
    void InCentesimi()
    {
        debitoInCentesimi = Centesimi(corso.Debito());
        rataInCentesimi = Centesimi(corso.rata);
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
        if (centesimi) {
            interessiInCentesimi += Centesimi(sim.eventi.back().effetto.capitalizzati);
            InCentesimi();
        }
    }

    Corso corso;
    Simulazione sim;
    bool centesimi;
    double frazioni = 0;  // cut-off interest fractions not yet paid back
    // A plan in cents: its interest so far, its debt and its installment.
    long long interessiInCentesimi = 0;
    long long debitoInCentesimi = 0;
    long long rataInCentesimi = 0;
};

// The rows as shown to the cent, from the first event's on, or from the
// first when interest cut to units runs on terms other than the defaults
// (the default plan keeps its own rules at any rate; a plan in cents
// carries nothing, and its installment, never below the first row's
// interest, never falls below a later one's): no share below zero, no debt above the
// row before's and the interest added to it since (NaN fails every
// comparison). The reason names the event before the row, where there is
// one.
void ControllaAndamento(const Simulazione& sim)
{
    const Condizioni& termini = sim.piano.mutuo.condizioni;
    const bool condizioni = termini.arrotondamento == Arrotondamento::Unita && termini != Condizioni{};
    if (sim.eventi.empty() && !condizioni)
        return;
    // Below -0,5 cents a share shows a negative cent: the comparison spares
    // the rounding, and NaN fails it too.
    const auto negativa = [](double euro) { return !(euro * 100 > -0.5); };
    // A debt grown to the cent; NaN, or one past any plan's, counts as grown.
    const auto cresciuto = [](double dopo, double prima) {
        return !(std::fabs(dopo) < 1e15 && std::fabs(prima) < 1e15) || Centesimi(dopo) > Centesimi(prima);
    };
    const auto& righe = sim.piano.righe;
    auto evento = sim.eventi.begin();
    const auto primo = condizioni ? 0 : DopoRata(evento->evento);
    for (auto riga = righe.begin() + primo; riga != righe.end(); ++riga) {
        const double prima = riga == righe.begin()
                                 ? sim.piano.mutuo.importo
                                 : std::prev(riga)->debitoResiduo
                                       + (sim.eventi.empty() ? 0 : CapitalizzatiDopo(sim, std::prev(riga)->numero));
        const char* difetto = nullptr;
        if (negativa(riga->quotaInteressi))
            difetto = "la quota interessi sarebbe negativa";
        else if (negativa(riga->quotaCapitale))
            difetto = "la quota capitale sarebbe negativa";
        else if (cresciuto(riga->debitoResiduo, prima))
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

#include "engine/ammortamento.h"

#include "engine/andamento.h"
#include "engine/errore.h"
#include "engine/interessi_giorni.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace pianoamm {

namespace {

void ControllaRighe(const Mutuo& mutuo)
{
    ControllaCondizioni(mutuo.condizioni, mutuo.importo);
    ControllaTassoVariabile(mutuo);
    if (const int righe = mutuo.numeroRate + mutuo.condizioni.preammortamento; righe > LimiteNumeroRate.massimo) {
        throw ErrorePiano("Le rate di preammortamento e del piano sarebbero " + std::to_string(righe)
                          + ": al massimo 999.");
    }
}

// How the rows are worked, taken once from the plan's terms: the rows ask
// it, never the terms.
struct Politica {
    explicit Politica(const Condizioni& condizioni)
        : centesimi(condizioni.arrotondamento == Arrotondamento::Centesimi),
          italiano(condizioni.metodo == Metodo::Italiano), giorni(condizioni.interessiGiorni)
    {}

    bool centesimi;                    // every share to the cent; else the interest cut to units
    bool italiano;                     // a fixed capital share; else a fixed installment
    std::optional<BaseGiorni> giorni;  // the interest on each period's days
};

class Ammortamento {
public:
    Ammortamento(const Mutuo& mutuo, double penale) : politica(mutuo.condizioni)
    {
        Controlla(mutuo.importo, LimiteImporto);
        Controlla(mutuo.numeroRate, LimiteNumeroRate);
        ControllaRighe(mutuo);
        primoPeriodo = PrimoPeriodoDi(mutuo);
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
        if (politica.italiano)
            sim.piano.rata += corso.Interessi(mutuo.importo);
        InCentesimi();
    }

    Simulazione Calcola(std::span<const Evento* const> eventi)
    {
        auto evento = eventi.begin();
        sim.piano.righe.reserve(static_cast<std::size_t>(corso.numeroRate) + 1);
        if (primoPeriodo && primoPeriodo->giorni > 0) {
            const RigaPiano& riga =
                sim.piano.righe.emplace_back(RigaSpezzata(corso.mutuo, *primoPeriodo, politica.centesimi, riporto));
            sim.piano.totaleInteressi += riga.quotaInteressi;
            interessiInCentesimi += politica.centesimi ? Centesimi(riga.quotaInteressi) : 0;
        }
        for (int k = 1; k <= corso.numeroRate; ++k) {
            Paga(k);
            // A variable rate's revision comes before the events after the
            // row: a simulated rate change stands in for the index.
            if (Rivedi(corso, k, sim.piano.righe.back().scadenza, sim.piano.revisioni) && politica.centesimi)
                InCentesimi();
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
        if (politica.centesimi)
            sim.piano.totaleInteressi = Euro(interessiInCentesimi);
        return std::move(sim);
    }

    // The rows and events as far as they went.
    const Simulazione& Finora() const { return sim; }

private:
    // Row k: its interest, its capital share, and the debt after it.
    void Paga(int k)
    {
        const Mutuo& mutuo = corso.mutuo;
        giorniRata = GiorniDelPeriodo(mutuo, primoPeriodo, k + corso.periodiSaltati);
        const Quote quote = politica.centesimi ? QuoteInCentesimi(k) : QuoteInUnita(k, corso.Debito());
        sim.piano.totaleInteressi += quote.interessi;
        sim.piano.righe.push_back({k, Scadenza(mutuo, primoPeriodo, k + corso.periodiSaltati), quote.interessi,
                                   quote.capitale,
                                   mutuo.importo + corso.capitalizzati - (corso.capitaleRimborsato + quote.capitale),
                                   corso.tassoAnnuo, corso.indice});
        corso.capitaleRimborsato += quote.capitale;
    }

    struct Quote {
        double interessi;
        double capitale;
    };

    // The interest cut to whole units, the fractions carried; the last row
    // settles the rest.
    Quote QuoteInUnita(int k, double debito)
    {
        double interessi =
            riporto.Taglia(politica.giorni ? InteressiSuiGiorni(debito, corso.tassoAnnuo, giorniRata, *politica.giorni)
                                           : debito * corso.tassoPeriodo);
        if (corso.SoloInteressi(k)) {
            // The French installments after rows of interest only were
            // worked out on the debt alone: the last of them pays the
            // fraction carried, a unit, and the rows after start from the
            // rest. The Italian last row pays every fraction still carried.
            if ((k == corso.mutuo.condizioni.preammortamento || k == corso.soloInteressiA) && riporto.Resto()
                && !politica.italiano)
                interessi += riporto.Anticipa();
            return {interessi, 0};
        }
        const bool ultima = k == corso.numeroRate;
        if (politica.italiano) {
            // The last row pays the debt left and every fraction still
            // carried.
            if (ultima)
                return {interessi + riporto.Salda(), debito};
            return {interessi, std::min(corso.rata, debito)};
        }
        // A shortened plan's last row, like the plan's own, settles every
        // fraction still carried; so does the last of rows whose interest
        // the days, not the installment's rate, made.
        if (ultima && (corso.ultimaRidotta || politica.giorni))
            return {interessi + riporto.Salda(), debito};
        if (const auto quota = corso.QuotaIniziale(k); quota && !ultima)
            return {interessi, std::min(*quota, debito)};
        // The last installment, with the balloon if any, settles the rest.
        const double rata = corso.rata + (ultima ? corso.mutuo.condizioni.maxiRata : 0);
        if (ultima)
            interessi = rata - debito;
        double capitale = rata - interessi;
        // An installment larger than the debt left pays it off before the
        // last row, which the plan's check then refuses.
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
        const long long interessi =
            politica.giorni ? InteressiDeiGiorni(debitoInCentesimi, corso.tassoAnnuo, giorniRata, *politica.giorni)
                            : corso.tassoInCentesimi.Interessi(debitoInCentesimi);
        long long capitale = debitoInCentesimi;
        if (corso.SoloInteressi(k))
            capitale = 0;
        else if (k != corso.numeroRate) {
            const auto quota = corso.QuotaIniziale(k);
            capitale = std::min(quota               ? Centesimi(*quota)
                                : politica.italiano ? rataInCentesimi
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
        TieniQuoteIniziali(corso, k);
        Effetto effetto = std::visit([this](const auto& e) { return e.Applica(corso); }, evento);
        corso.AdattaQuote(k);
        if (effetto.nuovaRata)
            effetto.testo += corso.NuovaRata(k);
        sim.piano.totaleInteressi += effetto.capitalizzati;
        sim.eventi.push_back({evento, std::move(effetto), corso.tassoAnnuo, corso.rata, corso.numeroRate - k});
        if (politica.centesimi) {
            interessiInCentesimi += Centesimi(sim.eventi.back().effetto.capitalizzati);
            InCentesimi();
        }
    }

    Corso corso;
    Simulazione sim;
    Politica politica;
    std::optional<PrimoPeriodo> primoPeriodo;
    Riporto riporto;           // cut-off interest fractions not yet paid back
    long long giorniRata = 0;  // the days of the row being paid
    // A plan in cents: its interest so far, its debt and its installment.
    long long interessiInCentesimi = 0;
    long long debitoInCentesimi = 0;
    long long rataInCentesimi = 0;
};

// What carries a plan that does not close on its last row: rounding to
// the cent, or fewer installments. The count offered is one that closes,
// found by halving, not necessarily the largest.
std::string Rimedio(const Mutuo& mutuo)
{
    const auto chiude = [](const Mutuo& prova) {
        try {
            return !PrimoDifetto(Ammortamento(prova, 0).Calcola({}));
        } catch (const ErrorePiano&) {
            return false;
        }
    };
    std::string rimedio;
    Mutuo prova = mutuo;
    prova.condizioni.arrotondamento = Arrotondamento::Centesimi;
    if (mutuo.condizioni.arrotondamento == Arrotondamento::Unita && chiude(prova))
        rimedio = "arrotondando al centesimo";
    prova = mutuo;
    int chiudeCon = 0;
    for (int sotto = 1, sopra = mutuo.numeroRate; sotto < sopra;) {
        prova.numeroRate = (sotto + sopra) / 2;
        if (chiude(prova)) {
            chiudeCon = prova.numeroRate;
            sotto = prova.numeroRate + 1;
        } else {
            sopra = prova.numeroRate;
        }
    }
    if (chiudeCon > 0)
        rimedio +=
            (rimedio.empty() ? "con " : " o con ") + std::to_string(chiudeCon) + (chiudeCon == 1 ? " rata" : " rate");
    return rimedio.empty() ? "" : " Il piano si chiude " + rimedio + ".";
}

[[noreturn]] void Rifiuta(const Difetto& difetto, const Mutuo& mutuo)
{
    const std::string dove = "alla rata " + std::to_string(difetto.riga) + " " + difetto.motivo + ".";
    if (difetto.evento != nullptr) {
        throw ErrorePiano(std::string(NomiDi(*difetto.evento).soggetto) + " " + DopoLaRata(DopoRata(*difetto.evento))
                          + " rende il piano instabile: " + dove);
    }
    if (!difetto.chiusura)
        throw ErrorePiano("Con queste condizioni il piano è instabile: " + dove);
    throw ErrorePiano("Il piano non si chiude all'ultima rata: " + dove + Rimedio(mutuo));
}

}  // namespace

Simulazione Ammortizza(const Mutuo& mutuo, std::span<const Evento* const> eventi, double penale)
{
    Ammortamento calcolo(mutuo, penale);
    Simulazione simulazione;
    try {
        simulazione = calcolo.Calcola(eventi);
    } catch (const ErrorePiano&) {
        // A figure past any listing in an event's line: the rows so far say
        // where the plan went wrong, and which event took it there.
        if (const auto difetto = PrimoDifetto(calcolo.Finora()))
            Rifiuta(*difetto, mutuo);
        throw;
    }
    if (const auto difetto = PrimoDifetto(simulazione))
        Rifiuta(*difetto, mutuo);
    return simulazione;
}

}  // namespace pianoamm

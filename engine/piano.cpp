#include "engine/piano.h"
#include "engine/simulazione.h"

#include "engine/errore.h"
#include "engine/formato.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <tuple>

namespace pianoamm {

namespace {

void Controlla(double valore, const Limite& limite)
{
    if (!(valore >= limite.minimo && valore <= limite.massimo))
        throw ErrorePiano(FuoriLimite(limite));
}

std::string Rata(int numero)
{
    return "dopo la rata " + std::to_string(numero);
}

// The events in the order they apply: by row, the repayment first.
std::vector<const Evento*> InOrdine(const Scenario& scenario)
{
    std::vector<const Evento*> eventi;
    eventi.reserve(scenario.eventi.size());
    for (const Evento& evento : scenario.eventi)
        eventi.push_back(&evento);
    const auto ordine = [](const Evento* evento) { return std::tuple(DopoRata(*evento), evento->index()); };
    std::ranges::stable_sort(eventi, {}, ordine);
    const auto doppio = std::ranges::adjacent_find(eventi, {}, ordine);
    if (doppio != eventi.end()) {
        throw ErrorePiano(
            std::string(std::holds_alternative<Estinzione>(**doppio) ? "Due estinzioni" : "Due variazioni di tasso")
            + " " + Rata(DopoRata(**doppio)) + ": ne è ammessa una.");
    }
    return eventi;
}

// The fewest installments of rata that pay debito at the periodic rate,
// never more than massimo. The logarithms' rounding noise must not add an
// installment that would pay nothing.
int RateNecessarie(double debito, double rata, double tassoPeriodo, int massimo, int dopoRata)
{
    double esatte = debito / rata;
    if (tassoPeriodo > 0) {
        if (rata <= debito * tassoPeriodo) {
            throw ErrorePiano("Dopo l'estinzione " + Rata(dopoRata)
                              + " la rata non coprirebbe gli interessi: non si può ridurre la durata, "
                                "si può ridurre la rata.");
        }
        esatte = -std::log1p(-debito * tassoPeriodo / rata) / std::log1p(tassoPeriodo);
    }
    return std::clamp(static_cast<int>(std::ceil(esatte - 1e-9 * std::max(1.0, esatte))), 1, massimo);
}

// The schedule row by row, each event applied after its row.
class Ammortamento {
public:
    Ammortamento(const Mutuo& prestito, const Scenario& eventi)
        : mutuo(prestito), scenario(eventi), ratePerAnno(12 / DatiDi(prestito.cadenza).mesi)
    {
        Controlla(mutuo.importo, LimiteImporto);
        Controlla(mutuo.numeroRate, LimiteNumeroRate);
        Controlla(mutuo.tassoAnnuo, LimiteTasso);
        Controlla(scenario.penale, LimitePenale);
        CambiaTasso(mutuo.tassoAnnuo);
        rata = RataMutuo(mutuo.importo, mutuo.numeroRate, tassoPeriodo);
        numeroRate = mutuo.numeroRate;
        sim.piano.mutuo = mutuo;
        sim.piano.rata = rata;
    }

    Simulazione Calcola()
    {
        const std::vector<const Evento*> eventi = InOrdine(scenario);
        auto evento = eventi.begin();
        sim.piano.righe.reserve(static_cast<std::size_t>(numeroRate));
        for (int k = 1; k <= numeroRate; ++k) {
            Riga(k);
            for (; evento != eventi.end() && DopoRata(**evento) == k && k != numeroRate; ++evento) {
                if (const auto* estinzione = std::get_if<Estinzione>(*evento))
                    Estingui(*estinzione);
                else
                    Varia(std::get<Variazione>(**evento));
            }
        }
        if (evento != eventi.end()) {
            const int dopo = DopoRata(**evento);
            const bool estinto = !sim.eventi.empty() && sim.eventi.back().tipo == TipoEvento::EstinzioneTotale;
            throw ErrorePiano(estinto ? "L'evento " + Rata(dopo) + " segue l'estinzione totale "
                                            + Rata(sim.eventi.back().dopoRata) + "."
                                      : "Un evento " + Rata(dopo) + " deve seguire una rata da 1 a "
                                            + std::to_string(numeroRate - 1) + ".");
        }
        return std::move(sim);
    }

private:
    void CambiaTasso(double nuovo)
    {
        Controlla(nuovo, LimiteTasso);
        tassoAnnuo = nuovo;
        tassoPeriodo = nuovo / 100 / ratePerAnno;
    }

    double Debito() const { return mutuo.importo - capitaleRimborsato; }

    void Riga(int k)
    {
        const double debito = Debito();
        const double esatti = debito * tassoPeriodo;
        double interessi = std::floor(esatti);
        frazioni += esatti - interessi;
        if (frazioni > 1) {
            frazioni -= 1;
            interessi += 1;
        }
        double capitale = debito;
        if (k != numeroRate || !ultimaRidotta) {
            if (k == numeroRate)
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
        sim.piano.righe.push_back({k, AggiungiMese(mutuo.erogazione, 12 / ratePerAnno * k), interessi, capitale,
                                   mutuo.importo - (capitaleRimborsato + capitale)});
        capitaleRimborsato += capitale;
    }

    void Estingui(const Estinzione& estinzione)
    {
        const int k = estinzione.dopoRata;
        const double debito = Debito();
        // Less than a cent left over, or asked for beyond the debt, would
        // leave a plan of fractions of a cent: the repayment is all of it.
        const bool tutto = !estinzione.importo || std::fabs(*estinzione.importo - debito) < 0.01 - 1e-7;
        const double importo = tutto ? debito : *estinzione.importo;
        if (!(importo > 0))
            throw ErrorePiano("L'importo dell'estinzione " + Rata(k) + " deve essere maggiore di zero.");
        if (!tutto && importo > debito) {
            throw ErrorePiano("L'estinzione " + Rata(k) + " (" + FormatoDecimali(importo, 2, true)
                              + ") supera il debito residuo (" + FormatoDecimali(debito, 2, true) + ").");
        }
        capitaleRimborsato += importo;
        sim.penale += importo * scenario.penale / 100;
        const bool durata = estinzione.riduzione == Riduzione::Durata;
        if (tutto) {
            numeroRate = k;
        } else if (durata) {
            numeroRate = k + RateNecessarie(Debito(), rata, tassoPeriodo, numeroRate - k, k);
            ultimaRidotta = true;
        } else {
            rata = RataMutuo(Debito(), numeroRate - k, tassoPeriodo);
            ultimaRidotta = false;
        }
        sim.eventi.push_back({tutto ? TipoEvento::EstinzioneTotale : TipoEvento::EstinzioneParziale, k, importo,
                              tassoAnnuo, durata, rata, numeroRate - k});
    }

    void Varia(const Variazione& variazione)
    {
        CambiaTasso(variazione.tassoAnnuo);
        const int rimaste = numeroRate - variazione.dopoRata;
        rata = RataMutuo(Debito(), rimaste, tassoPeriodo);
        ultimaRidotta = false;
        sim.eventi.push_back({TipoEvento::Variazione, variazione.dopoRata, 0, tassoAnnuo, false, rata, rimaste});
    }

    const Mutuo& mutuo;
    const Scenario& scenario;
    const int ratePerAnno;
    Simulazione sim;
    double tassoAnnuo = 0;
    double tassoPeriodo = 0;
    double rata = 0;
    int numeroRate = 0;
    // After the plan was shortened, the last row pays the debt left and
    // its interest, less than the installment.
    bool ultimaRidotta = false;
    double capitaleRimborsato = 0;
    double frazioni = 0;  // cut-off interest fractions not yet paid back
};

// The rows after the first event, as shown to the cent: no share below
// zero, no debt above the row before's (NaN fails every comparison).
void ControllaAndamento(const Simulazione& sim)
{
    if (sim.eventi.empty())
        return;
    const auto centesimi = [](double euro) { return std::round(euro * 100); };
    auto evento = sim.eventi.begin();
    for (auto riga = sim.piano.righe.begin() + sim.eventi.front().dopoRata; riga != sim.piano.righe.end(); ++riga) {
        const char* difetto = nullptr;
        if (!(centesimi(riga->quotaInteressi) >= 0))
            difetto = "la quota interessi sarebbe negativa";
        else if (!(centesimi(riga->quotaCapitale) >= 0))
            difetto = "la quota capitale sarebbe negativa";
        else if (!(centesimi(riga->debitoResiduo) <= centesimi(std::prev(riga)->debitoResiduo)))
            difetto = "il debito residuo crescerebbe";
        while (std::next(evento) != sim.eventi.end() && std::next(evento)->dopoRata < riga->numero)
            ++evento;
        if (difetto != nullptr) {
            throw ErrorePiano(
                std::string(evento->tipo == TipoEvento::Variazione ? "La variazione di tasso " : "L'estinzione ")
                + Rata(evento->dopoRata) + " rende il piano instabile: alla rata " + std::to_string(riga->numero) + " "
                + difetto + ".");
        }
    }
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
    return Ammortamento(mutuo, {}).Calcola().piano;
}

Simulazione Simula(const Piano& piano, const Scenario& scenario)
{
    Simulazione simulazione = Ammortamento(piano.mutuo, scenario).Calcola();
    ControllaAndamento(simulazione);
    simulazione.interessiOriginali = piano.totaleInteressi;
    return simulazione;
}

Simulazione Simula(const Mutuo& mutuo, const Scenario& scenario)
{
    return Simula(PianoAmm(mutuo), scenario);
}

}  // namespace pianoamm

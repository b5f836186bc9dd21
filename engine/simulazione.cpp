#include "engine/simulazione.h"

#include "engine/ammortamento.h"
#include "engine/errore.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>
#include <utility>

namespace pianoamm {

namespace {

// The events in the order they apply: by row, then by kind.
std::vector<const Evento*> InOrdine(const Scenario& scenario)
{
    std::vector<const Evento*> eventi;
    eventi.reserve(scenario.eventi.size());
    for (const Evento& evento : scenario.eventi)
        eventi.push_back(&evento);
    const auto ordine = [](const Evento* evento) { return std::tuple(DopoRata(*evento), Priorita(*evento)); };
    std::ranges::stable_sort(eventi, {}, ordine);
    const auto doppio = std::ranges::adjacent_find(eventi, {}, ordine);
    if (doppio != eventi.end()) {
        throw ErrorePiano(std::string(NomiDi(**doppio).doppio) + " " + DopoLaRata(DopoRata(**doppio))
                          + ": ne è ammessa una.");
    }
    return eventi;
}

// The sum of a figure of the events after row numero.
template <class Valore>
double Somma(const Simulazione& simulazione, int numero, Valore valore)
{
    double somma = 0;
    for (const EventoPiano& evento : simulazione.eventi)
        somma += DopoRata(evento.evento) == numero ? valore(evento.effetto) : 0;
    return somma;
}

}  // namespace

int Priorita(const Evento& evento)
{
    return std::visit([](const auto& e) { return std::decay_t<decltype(e)>::Priorita; }, evento);
}

int DopoRata(const Evento& evento)
{
    return std::visit([](const auto& e) { return e.dopoRata; }, evento);
}

std::string Descrizione(const Evento& evento)
{
    return std::visit([](const auto& e) { return e.Descrizione(); }, evento);
}

const NomiEvento& NomiDi(const Evento& evento)
{
    return std::visit([](const auto& e) -> const NomiEvento& { return std::decay_t<decltype(e)>::Nomi; }, evento);
}

std::vector<Evento> EventiPredefiniti(const Mutuo& mutuo)
{
    return [&mutuo]<std::size_t... Tipo>(std::index_sequence<Tipo...>)
    {
        return std::vector<Evento>{std::variant_alternative_t<Tipo, Evento>::Predefinita(mutuo)...};
    }
    (std::make_index_sequence<std::variant_size_v<Evento>>{});
}

double RimborsoDopo(const Simulazione& simulazione, int numero)
{
    return Somma(simulazione, numero, [](const Effetto& effetto) { return effetto.rimborso; });
}

double CapitalizzatiDopo(const Simulazione& simulazione, int numero)
{
    return Somma(simulazione, numero, [](const Effetto& effetto) { return effetto.capitalizzati; });
}

double TassoDellaRata(const Simulazione& simulazione, int numero)
{
    const auto& righe = simulazione.piano.righe;
    if (numero >= righe.front().numero && numero <= UltimaRata(righe))
        return RigaDellaRata(righe, numero).tassoAnnuo;
    double tasso = simulazione.piano.mutuo.tassoAnnuo;
    for (const EventoPiano& evento : simulazione.eventi)
        tasso = DopoRata(evento.evento) < numero ? evento.tassoAnnuo : tasso;
    return tasso;
}

bool SoloInteressi(const Simulazione& simulazione, int numero)
{
    return std::ranges::any_of(simulazione.eventi, [numero](const EventoPiano& evento) {
        const int dopo = DopoRata(evento.evento);
        return numero > dopo && numero <= dopo + evento.effetto.soloInteressi;
    });
}

FinePiano FineDi(const Piano& piano)
{
    FinePiano fine{piano.righe.back().scadenza, UltimaRata(piano.righe), piano.rata};
    // The Italian installment falls: its capital share, the same on every
    // row but the last, is the one that stays.
    if (piano.mutuo.condizioni.metodo == Metodo::Italiano) {
        const auto prima =
            std::ranges::find_if(piano.righe, [](const RigaPiano& riga) { return riga.quotaCapitale != 0; });
        fine.rata = prima != piano.righe.end() ? prima->quotaCapitale : 0;
    }
    return fine;
}

FinePiano FineDi(const Simulazione& simulazione)
{
    FinePiano fine = FineDi(simulazione.piano);
    if (simulazione.eventi.empty())
        return fine;
    const EventoPiano& ultimo = simulazione.eventi.back();
    fine.rata = ultimo.effetto.chiude ? std::nullopt : std::optional(ultimo.nuovaRata);
    return fine;
}

bool HaSospensioni(const Simulazione& simulazione)
{
    return std::ranges::any_of(simulazione.eventi, [](const EventoPiano& evento) { return evento.effetto.sospende; });
}

Simulazione Simula(const Piano& piano, const Scenario& scenario)
{
    const std::vector<const Evento*> eventi = InOrdine(scenario);
    Simulazione simulazione = Ammortizza(piano.mutuo, eventi, scenario.penale);
    simulazione.interessiOriginali = piano.totaleInteressi;
    simulazione.fineOriginale = FineDi(piano);
    return simulazione;
}

Simulazione Simula(const Mutuo& mutuo, const Scenario& scenario)
{
    return Simula(PianoAmm(mutuo), scenario);
}

}  // namespace pianoamm

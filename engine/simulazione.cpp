#include "engine/simulazione.h"

#include "engine/formato.h"

namespace pianoamm {

int DopoRata(const Evento& evento)
{
    return std::visit([](const auto& e) { return e.dopoRata; }, evento);
}

std::string Descrizione(const Evento& evento)
{
    if (const auto* v = std::get_if<Variazione>(&evento))
        return "Tasso " + FormatoDecimali(v->tassoAnnuo, 2, true) + " % dalla rata " + std::to_string(v->dopoRata + 1);
    const auto& e = std::get<Estinzione>(evento);
    const std::string dopo = " dopo la rata " + std::to_string(e.dopoRata);
    if (!e.importo)
        return "Estinzione totale" + dopo;
    return "Estinzione di " + FormatoDecimali(*e.importo, 2, true) + dopo
           + (e.riduzione == Riduzione::Durata ? ", riduce la durata" : ", riduce la rata");
}

double RimborsoDopo(const Simulazione& simulazione, int numero)
{
    double rimborso = 0;
    for (const EventoPiano& evento : simulazione.eventi)
        rimborso += evento.dopoRata == numero && evento.tipo != TipoEvento::Variazione ? evento.importo : 0;
    return rimborso;
}

double TassoDellaRata(const Simulazione& simulazione, int numero)
{
    double tasso = simulazione.piano.mutuo.tassoAnnuo;
    for (const EventoPiano& evento : simulazione.eventi)
        tasso = evento.dopoRata < numero && evento.tipo == TipoEvento::Variazione ? evento.tassoAnnuo : tasso;
    return tasso;
}

}  // namespace pianoamm

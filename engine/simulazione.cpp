#include "engine/simulazione.h"

namespace pianoamm {

int DopoRata(const Evento& evento)
{
    return std::visit([](const auto& e) { return e.dopoRata; }, evento);
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

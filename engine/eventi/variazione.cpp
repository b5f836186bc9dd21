#include "engine/eventi/variazione.h"

#include "engine/formato.h"

namespace pianoamm {

std::string Variazione::Descrizione() const
{
    return "Tasso " + FormatoDecimali(tassoAnnuo, 2, true) + " % dalla rata " + std::to_string(dopoRata + 1);
}

Effetto Variazione::Applica(Corso& corso) const
{
    corso.CambiaTasso(tassoAnnuo);
    corso.rata = corso.RataDopo(dopoRata);
    corso.ultimaRidotta = false;
    return {"NUOVO TASSO % ANNUALE " + FormatoDecimali(corso.tassoAnnuo, 3, false) + " DALLA RATA "
            + std::to_string(dopoRata + 1) + ": " + corso.NuovaRata()};
}

}  // namespace pianoamm

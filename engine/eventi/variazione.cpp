#include "engine/eventi/variazione.h"

#include "engine/errore.h"
#include "engine/formato.h"

#include <cmath>

namespace pianoamm {

namespace {

// "3,50", "3,125": two decimals, more only where the rate has them.
std::string TestoTasso(double tasso)
{
    std::string testo = FormatoDecimali(tasso, 4, true);
    while (testo.back() == '0' && testo[testo.size() - 3] != ',')
        testo.pop_back();
    return testo;
}

}  // namespace

double Variazione::TassoProposto(double tasso)
{
    return tasso + 1 <= LimiteTasso.massimo ? tasso + 1 : tasso - 1;
}

bool Variazione::StessoTasso(double uno, double altro)
{
    return std::fabs(uno - altro) < 1e-9;
}

std::string Variazione::Descrizione() const
{
    return "Tasso " + FormatoDecimali(tassoAnnuo, 2, true) + " % dalla rata " + std::to_string(dopoRata + 1);
}

Effetto Variazione::Applica(Corso& corso) const
{
    if (StessoTasso(tassoAnnuo, corso.tassoAnnuo)) {
        throw ErrorePiano("Il tasso è già del " + TestoTasso(corso.tassoAnnuo) + " % " + DopoLaRata(dopoRata)
                          + ": la variazione non cambierebbe nulla.");
    }
    corso.NuovoTasso(tassoAnnuo, dopoRata);
    corso.indice.reset();
    return {"NUOVO TASSO % ANNUALE " + FormatoDecimali(corso.tassoAnnuo, 3, false) + " DALLA RATA "
                + std::to_string(dopoRata + 1) + ": ",
            0,
            0,
            0,
            false,
            false,
            true};
}

}  // namespace pianoamm

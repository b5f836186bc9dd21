#include "engine/eventi/corso.h"

#include "engine/errore.h"

namespace pianoamm {

void Corso::CambiaTasso(double annuo)
{
    Controlla(annuo, LimiteTasso);
    tassoAnnuo = annuo;
    tassoPeriodo = TassoPeriodale(annuo, ratePerAnno, mutuo.condizioni.tassoPeriodo);
}

std::string DopoLaRata(int numero)
{
    return "dopo la rata " + std::to_string(numero);
}

void Controlla(double valore, const Limite& limite)
{
    if (!(valore >= limite.minimo && valore <= limite.massimo))
        throw ErrorePiano(FuoriLimite(limite));
}

}  // namespace pianoamm

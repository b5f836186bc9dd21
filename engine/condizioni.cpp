#include "engine/condizioni.h"

#include "engine/formato.h"

#include <cmath>

namespace pianoamm {

double TassoPeriodale(double tassoAnnuo, int ratePerAnno, TassoPeriodo regola)
{
    if (regola == TassoPeriodo::Equivalente)
        return std::pow(1 + tassoAnnuo / 100, 1.0 / ratePerAnno) - 1;
    return tassoAnnuo / 100 / ratePerAnno;
}

std::string DescrizioneCondizioni(const Condizioni& condizioni)
{
    std::string testo;
    const auto aggiungi = [&testo](const std::string& termine) { testo += (testo.empty() ? "" : " - ") + termine; };
    if (condizioni.tassoPeriodo == TassoPeriodo::Equivalente)
        aggiungi("TASSO EQUIVALENTE");
    if (condizioni.preammortamento > 0)
        aggiungi(std::to_string(condizioni.preammortamento) + " RATE DI PREAMMORTAMENTO");
    if (condizioni.maxiRata > 0)
        aggiungi("MAXI-RATA FINALE " + ImportoOZero(condizioni.maxiRata));
    return testo;
}

}  // namespace pianoamm

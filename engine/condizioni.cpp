#include "engine/condizioni.h"

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
    if (condizioni.tassoPeriodo == TassoPeriodo::Equivalente)
        testo += "TASSO EQUIVALENTE";
    return testo;
}

}  // namespace pianoamm

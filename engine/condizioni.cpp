#include "engine/condizioni.h"

#include "engine/formato.h"

#include <cmath>
#include <limits>

namespace pianoamm {

double TassoPeriodale(double tassoAnnuo, int ratePerAnno, TassoPeriodo regola)
{
    if (regola == TassoPeriodo::Equivalente)
        return std::pow(1 + tassoAnnuo / 100, 1.0 / ratePerAnno) - 1;
    return tassoAnnuo / 100 / ratePerAnno;
}

long long InteressiInCentesimi(long long debito, double tassoAnnuo, int ratePerAnno, TassoPeriodo regola)
{
    if (regola == TassoPeriodo::Equivalente)
        return static_cast<long long>(
            std::floor(static_cast<double>(debito) * TassoPeriodale(tassoAnnuo, ratePerAnno, regola) + 0.5));
    // The rate has at most four decimals: debito × (rate × 10^4) over
    // 10^6 × the periods of a year is exact in integers up to a debt of
    // some 46 billion at 99 %; beyond, the doubles' product will do.
    const long long decimillesimi = std::llround(tassoAnnuo * 10000);
    const long long denominatore = 1000000LL * ratePerAnno;
    if (decimillesimi > 0 && debito > (std::numeric_limits<long long>::max() / 2 - denominatore) / decimillesimi)
        return static_cast<long long>(std::floor(static_cast<double>(debito) * tassoAnnuo / 100 / ratePerAnno + 0.5));
    return DivisioneMetaInSu(debito * decimillesimi, denominatore);
}

long long DivisioneMetaInSu(long long a, long long b)
{
    return (2 * a + b) / (2 * b);
}

long long Centesimi(double euro)
{
    return std::llround(euro * 100);
}

double Euro(long long centesimi)
{
    return static_cast<double>(centesimi) / 100;
}

int Decimali(const Condizioni& condizioni)
{
    return condizioni.arrotondamento == Arrotondamento::Centesimi ? 2 : 0;
}

std::string DescrizioneCondizioni(const Condizioni& condizioni)
{
    std::string testo;
    const auto aggiungi = [&testo](const std::string& termine) { testo += (testo.empty() ? "" : " - ") + termine; };
    if (condizioni.arrotondamento == Arrotondamento::Centesimi)
        aggiungi("ARROTONDAMENTO AI CENTESIMI");
    if (condizioni.tassoPeriodo == TassoPeriodo::Equivalente)
        aggiungi("TASSO EQUIVALENTE");
    if (condizioni.metodo == Metodo::Italiano)
        aggiungi("METODO ITALIANO");
    if (condizioni.preammortamento > 0)
        aggiungi(std::to_string(condizioni.preammortamento) + " RATE DI PREAMMORTAMENTO");
    if (condizioni.maxiRata > 0)
        aggiungi("MAXI-RATA FINALE " + ImportoOZero(condizioni.maxiRata, Decimali(condizioni)));
    return testo;
}

}  // namespace pianoamm

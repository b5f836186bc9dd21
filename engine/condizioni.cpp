#include "engine/condizioni.h"

#include "engine/errore.h"
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
    const long long decimillesimi = Centesimi(tassoAnnuo * 100);
    const long long denominatore = 1000000LL * ratePerAnno;
    long long prodotto = 0;
    if (__builtin_mul_overflow(debito, 2 * decimillesimi, &prodotto)
        || prodotto > std::numeric_limits<long long>::max() - denominatore)
        return static_cast<long long>(std::floor(static_cast<double>(debito) * tassoAnnuo / 100 / ratePerAnno + 0.5));
    return (prodotto + denominatore) / (2 * denominatore);
}

long long DivisioneMetaInSu(long long a, long long b)
{
    return (2 * a + b) / (2 * b);
}

int Decimali(const Condizioni& condizioni)
{
    return condizioni.arrotondamento == Arrotondamento::Centesimi ? 2 : 0;
}

void ControllaCondizioni(const Condizioni& condizioni, double importo)
{
    Controlla(condizioni.maxiRata, LimiteMaxiRata);
    if (condizioni.maxiRata > 0 && !(condizioni.maxiRata < importo))
        throw ErrorePiano("La maxi-rata finale deve essere inferiore all'importo del finanziamento.");
    if (condizioni.maxiRata > 0 && condizioni.metodo == Metodo::Italiano) {
        throw ErrorePiano("La maxi-rata finale vale solo con il metodo francese: con il metodo italiano la quota "
                          "capitale è costante fino all'ultima rata.");
    }
    Controlla(condizioni.preammortamento, LimitePreammortamento);
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

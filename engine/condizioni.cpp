#include "engine/condizioni.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <cmath>
#include <limits>

namespace pianoamm {

namespace {

// One installment a year has the annual rate whichever the rule: worked as
// the proportional one, exactly, so that equal rates give equal rows.
bool Composto(int ratePerAnno, TassoPeriodo regola)
{
    return regola == TassoPeriodo::Equivalente && ratePerAnno > 1;
}

}  // namespace

double TassoPeriodale(double tassoAnnuo, int ratePerAnno, TassoPeriodo regola)
{
    if (Composto(ratePerAnno, regola))
        return std::pow(1 + tassoAnnuo / 100, 1.0 / ratePerAnno) - 1;
    return tassoAnnuo / 100 / ratePerAnno;
}

double TassoAnnuoDi(double i, int ratePerAnno, TassoPeriodo regola)
{
    if (Composto(ratePerAnno, regola))
        return std::expm1(ratePerAnno * std::log1p(i)) * 100;
    return i * ratePerAnno * 100;
}

TassoInCentesimi::TassoInCentesimi(double tassoAnnuo, int ratePerAnno, TassoPeriodo regola)
    : periodo(TassoPeriodale(tassoAnnuo, ratePerAnno, regola))
{
    if (!Composto(ratePerAnno, regola)) {
        decimillesimi = Centesimi(tassoAnnuo * 100);
        denominatore = 1000000LL * ratePerAnno;
    }
}

long long TassoInCentesimi::Interessi(long long debito) const
{
    // The doubles' product, a cent off at most, is where the exact fraction
    // lies: its bounds are checked by multiplying, which a row can afford
    // where dividing would cost it dear. Past some 46 billion at 99 % the
    // product alone will do.
    const double esatto = static_cast<double>(debito) * periodo;
    if (!(std::fabs(esatto) < 9e18))
        throw ErrorePiano("Il calcolo ha prodotto un valore non rappresentabile.");
    const long long prodotto = InteroVicino(esatto);
    long long doppio = 0;
    if (denominatore == 0 || debito < 0 || __builtin_mul_overflow(debito, 2 * decimillesimi, &doppio)
        || doppio > std::numeric_limits<long long>::max() / 2 - denominatore)
        return prodotto;
    // The interest is the largest c with 2 den c <= 2 debito dec + den.
    doppio += denominatore;
    const long long passo = 2 * denominatore;
    if (passo * prodotto > doppio)
        return prodotto - 1;
    return passo * (prodotto + 1) <= doppio ? prodotto + 1 : prodotto;
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
        aggiungi(std::to_string(condizioni.preammortamento)
                 + (condizioni.preammortamento == 1 ? " RATA DI PREAMMORTAMENTO" : " RATE DI PREAMMORTAMENTO"));
    if (condizioni.maxiRata > 0)
        aggiungi("MAXI-RATA FINALE " + ImportoOZero(condizioni.maxiRata, Decimali(condizioni)));
    return testo;
}

}  // namespace pianoamm

#pragma once

// The terms of a plan beyond amount, count, rate and frequency, where banks
// differ: the defaults are this program's own rules.

#include "engine/data.h"
#include "engine/limiti.h"
#include "engine/tasso_variabile.h"
#include "engine/voce.h"

#include <array>
#include <optional>
#include <string>

namespace pianoamm {

// Each row's interest cut to whole units, the fractions paid back a unit
// at a time; or, as banks do, the installment and each row's interest
// rounded to the cent, halves up.
enum class Arrotondamento { Unita, Centesimi };

inline constexpr std::array<Voce<Arrotondamento>, 2> Arrotondamenti{{
    {Arrotondamento::Unita, "unita", "All'unità", "interessi troncati, le frazioni rese un'unità alla volta"},
    {Arrotondamento::Centesimi, "centesimi", "Al centesimo",
     "rata e interessi arrotondati al centesimo, come nei piani delle banche"},
}};

// How the annual rate gives the period's: the annual rate times the
// period's share of the year, or the rate that, compounded over the
// year's periods, makes the annual one.
enum class TassoPeriodo { Proporzionale, Equivalente };

inline constexpr std::array<Voce<TassoPeriodo>, 2> RegoleTassoPeriodo{{
    {TassoPeriodo::Proporzionale, "proporzionale", "Proporzionale", "il tasso annuo diviso per le rate dell'anno"},
    {TassoPeriodo::Equivalente, "equivalente", "Equivalente",
     "il tasso che, composto sulle rate dell'anno, dà il tasso annuo (rata più bassa)"},
}};

// A fixed installment (French), or a fixed capital share, the debt left
// over the installments left, and an installment that falls (Italian).
enum class Metodo { Francese, Italiano };

inline constexpr std::array<Voce<Metodo>, 2> Metodi{{
    {Metodo::Francese, "francese", "Francese", "rata costante"},
    {Metodo::Italiano, "italiano", "Italiano", "quota capitale costante, rata decrescente (senza maxi-rata)"},
}};

// The days of a year in the interest of a broken first period: the civil
// year, or the banks' commercial one of twelve months of 30 days.
enum class BaseGiorni { Civile = 365, Commerciale = 360 };

inline constexpr std::array<Voce<BaseGiorni>, 2> BasiGiorni{{
    {BaseGiorni::Civile, "365", "365 (anno civile)", "gli interessi dei giorni divisi per 365"},
    {BaseGiorni::Commerciale, "360", "360 (anno commerciale)", "gli interessi dei giorni divisi per 360"},
}};

struct Condizioni {
    Arrotondamento arrotondamento = Arrotondamento::Unita;
    TassoPeriodo tassoPeriodo = TassoPeriodo::Proporzionale;
    Metodo metodo = Metodo::Francese;
    // Paid with the last installment, on top of it: less than the amount;
    // French method only.
    double maxiRata = 0;
    // Rows of interest only before the plan's installments, numbered
    // before them.
    int preammortamento = 0;
    // The first installment's due date, when the borrower chose it: the
    // days before its period pay interest of their own (prima_scadenza.h).
    std::optional<Data> primaScadenza = std::nullopt;
    BaseGiorni baseGiorni = BaseGiorni::Civile;
    // Each row's interest on its period's actual days over this base, as
    // some banks charge it, rather than on the period's rate
    // (interessi_giorni.h).
    std::optional<BaseGiorni> interessiGiorni = std::nullopt;
    // The rate revised on an index from some installment on; the loan's
    // rate is the entry rate (tasso_variabile.h).
    std::optional<TassoVariabile> tassoVariabile = std::nullopt;

    bool operator==(const Condizioni&) const = default;
};

// The period's rate, as a fraction, for an annual rate in percent.
double TassoPeriodale(double tassoAnnuo, int ratePerAnno, TassoPeriodo regola);

// Its inverse: the annual rate, in percent, whose period's rate is i.
double TassoAnnuoDi(double i, int ratePerAnno, TassoPeriodo regola);

// A period's rate for interest in whole cents, to the cent, halves up. The
// proportional rate is an exact fraction, so that a debt that ends in an
// exact half cent rounds up: 1.234,50 at 0,25 % is 3,09, where the product
// of doubles gives 3,08. Made once for each rate: the rows of a plan only
// multiply.
class TassoInCentesimi {
public:
    TassoInCentesimi(double tassoAnnuo, int ratePerAnno, TassoPeriodo regola);

    long long Interessi(long long debito) const;

private:
    double periodo;
    // The rate has at most four decimals: debito × (rate × 10^4) over
    // 10^6 × the periods of a year; none for the equivalent rate.
    long long decimillesimi = 0;
    long long denominatore = 0;
};

// The decimals every money figure of the plan shows: 0 or 2.
int Decimali(const Condizioni& condizioni);

inline constexpr Limite LimitePreammortamento{0, 60, 0, "il numero delle rate di preammortamento"};
inline constexpr Limite LimiteMaxiRata{0, 999999999, 2, "l'importo della maxi-rata finale"};

// Throws ErrorePiano, with the reason, for terms a loan of importo cannot
// take: a value outside its limits, a balloon not below the amount or with
// the Italian method.
void ControllaCondizioni(const Condizioni& condizioni, double importo);

// The terms that differ from the defaults, as the listing names them
// ("TASSO EQUIVALENTE - MAXI-RATA FINALE 30.000"); empty for the defaults.
std::string DescrizioneCondizioni(const Condizioni& condizioni);

}  // namespace pianoamm

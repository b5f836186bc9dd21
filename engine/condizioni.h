#pragma once

// The terms of a plan beyond amount, count, rate and frequency, where banks
// differ: the defaults are this program's own rules.

#include "engine/limiti.h"

#include <string>

namespace pianoamm {

// How the annual rate gives the period's: the annual rate times the
// period's share of the year, or the rate that, compounded over the
// year's periods, makes the annual one.
enum class TassoPeriodo { Proporzionale, Equivalente };

struct Condizioni {
    TassoPeriodo tassoPeriodo = TassoPeriodo::Proporzionale;
    // Paid with the last installment, on top of it: less than the amount.
    double maxiRata = 0;
    // Rows of interest only before the plan's installments, numbered
    // before them.
    int preammortamento = 0;

    bool operator==(const Condizioni&) const = default;
};

// The period's rate, as a fraction, for an annual rate in percent.
double TassoPeriodale(double tassoAnnuo, int ratePerAnno, TassoPeriodo regola);

inline constexpr Limite LimitePreammortamento{0, 60, 0, "il numero delle rate di preammortamento"};
inline constexpr Limite LimiteMaxiRata{0, 999999999, 2, "l'importo della maxi-rata finale"};

// The terms that differ from the defaults, as the listing names them
// ("TASSO EQUIVALENTE - MAXI-RATA FINALE 30.000"); empty for the defaults.
std::string DescrizioneCondizioni(const Condizioni& condizioni);

}  // namespace pianoamm

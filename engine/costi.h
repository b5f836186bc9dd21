#pragma once

// What a loan costs beyond its interest, and what of it comes back in the
// yearly tax return: views on the computed plan, never a second schedule.

#include "engine/limiti.h"
#include "engine/piano.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pianoamm {

struct Costi {
    double speseIniziali = 0;       // fees paid at disbursement
    double impostaSostitutiva = 0;  // percent of the amount, paid at disbursement
    double speseRata = 0;           // paid with every installment
};

inline constexpr Limite LimiteSpeseIniziali{0, 999999999, 2, "l'importo delle spese iniziali"};
inline constexpr Limite LimiteImposta{0, 99, 2, "il tasso dell'imposta sostitutiva"};
inline constexpr Limite LimiteSpeseRata{0, 999999999, 2, "l'importo delle spese per rata"};

struct CostoCredito {
    double tan = 0;              // the plan's annual rate, percent
    std::optional<double> taeg;  // percent; nothing where no rate in range solves the equation
    double costoTotale = 0;      // all the interest and all the costs
    double importoTotaleDovuto = 0;
};

// The TAEG is the rate X, over -99,99 % to 1.000.000 %, at which the amount
// lent equals the present value of all that the borrower pays: the costs at
// disbursement, then each installment with its fee, a due date m months on
// counting m/12 years.
CostoCredito CostoDelCredito(const Piano& piano, const Costi& costi);

// What the loan costs, each figure with its label as a window shows it (the
// text output writes the labels in capitals) and its value as shown: rates
// as "3,71 %" (or "non calcolabile"), money as "12.345,67".
inline constexpr std::array<std::string_view, 4> EtichetteCosto{"TAN", "TAEG", "Costo totale del credito",
                                                                "Importo totale dovuto"};

struct VoceCosto {
    std::string_view etichetta;
    std::string valore;
};
std::array<VoceCosto, 4> VociCostoCredito(const CostoCredito& costo);

// "TAN : 3,50 %" and the like, a line each, the labels aligned.
std::string TestoCostoCredito(const CostoCredito& costo);

// Whole cents of a non-negative amount, halves up. An amount typed with two
// decimals is a hair off them as a double; the tolerance keeps an exact
// half a half.
long long CentesimiInSu(double euro);

// The fees and the tax, both paid at disbursement, in cents.
long long CentesimiIniziali(const Piano& piano, const Costi& costi);

}  // namespace pianoamm

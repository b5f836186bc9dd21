#pragma once

// Working backwards from an installment: the rate behind a bank's quote,
// the count of installments one can afford, the amount one can borrow.

#include "engine/limiti.h"
#include "engine/piano.h"
#include "engine/voce.h"

#include <array>
#include <string>

namespace pianoamm {

// The value of the loan that is not known.
enum class Incognita { Tasso, NumeroRate, Importo };

inline constexpr std::array<Voce<Incognita>, 3> Incognite{{
    {Incognita::Tasso, "tasso", "Tasso annuo", "il tasso annuo che dà la rata"},
    {Incognita::NumeroRate, "numero-rate", "Numero di rate",
     "il numero di rate più basso con una rata non oltre quella data"},
    {Incognita::Importo, "importo", "Importo", "l'importo che la rata rimborsa"},
}};

inline constexpr Limite LimiteRata{0.01, 999999999, 2, "l'importo della rata"};

// The loan with the unknown worked out from the French installment rata
// (before any rounding to the cent), the other values and the terms as
// noto has them: the annual rate to four decimals, halves up; the fewest
// installments (after any pre-amortisation) whose installment is at most
// rata; the amount to the cent, halves up. Throws ErrorePiano with the
// reason where no value answers.
Mutuo Risolvi(const Mutuo& noto, double rata, Incognita incognita);

// The first line of the answer, as the command line prints it:
// "TASSO % ANNUALE TROVATO : 9,2418", "NUMERO RATE TROVATO : 65 (RATA
// 148,24)", "IMPORTO TROVATO : 199.999,49".
std::string RigaTrovata(const Piano& piano, Incognita incognita);

}  // namespace pianoamm

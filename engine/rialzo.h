#pragma once

// What a variable rate would cost if rates rose: the loan with its index
// moved, the loan with its rate held where the contract set it (the TAEG
// the information sheet gives), and what a borrower weighs of each plan.

#include "engine/limiti.h"
#include "engine/piano.h"
#include "engine/simulazione.h"

#include <string>

namespace pianoamm {

inline constexpr Limite LimiteRialzo{-5, 10, 3, "il rialzo dell'indice"};

// The loan with every value of its index moved by punti: the entry rate
// stays, each revision takes the index so much higher (lower, below zero),
// within the floor, the cap and zero. Throws ErrorePiano for a loan at a
// fixed rate.
Mutuo ConRialzo(const Mutuo& mutuo, double punti);

// The plan of the loan with its index moved, with the events of scenario
// where given. A refusal of it names the rise: the values refused are not
// those the user entered.
Piano PianoConRialzo(const Mutuo& mutuo, double punti, const Scenario* scenario = nullptr);

// The loan with its rate held at its level at the contract: the entry
// rate, then at every revision the index in force on the disbursement plus
// the spread, within the floor and the cap. Throws ErrorePiano for a loan
// at a fixed rate, or one whose index starts after the disbursement.
Mutuo AlLivelloDelContratto(const Mutuo& mutuo);

// "2 punti", "1 punto", "0,5 punti", "-1 punti".
std::string PuntiRialzo(double punti);

// The highest installment, a balloon apart, and the first row that pays it;
// the interest and all that is owed.
struct RiepilogoRialzo {
    double rataMassima = 0;
    int rigaMassima = 0;
    double interessi = 0;
    double dovuto = 0;
};
RiepilogoRialzo Riepilogo(const Piano& piano);

}  // namespace pianoamm

#pragma once

// A variable rate: the rate follows the index the contract names, plus a
// spread, revised every few installments. The loan's own rate is the entry
// rate, in force until the first revision; each revision after it is a
// rate change the plan makes itself, as a simulated one would
// (eventi/variazione.h), on the row loop the plan and the simulations share.

#include "engine/data.h"
#include "engine/limiti.h"
#include "engine/voce.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pianoamm {

struct Corso;
struct Mutuo;

// How the installment follows a new rate: worked out again over the rows
// left; the initial plan's capital shares kept, the interest at the new
// rate on top; or kept as it was, the rows growing or shrinking.
enum class Ricalcolo { Rata, Quote, Durata };

inline constexpr std::array<Voce<Ricalcolo>, 3> Ricalcoli{{
    {Ricalcolo::Rata, "rata", "Nuova rata", "la rata ricalcolata sulle rate che restano"},
    {Ricalcolo::Quote, "quote", "Quote capitale del piano iniziale",
     "le quote capitale del piano iniziale, più gli interessi al nuovo tasso"},
    {Ricalcolo::Durata, "durata", "Nuova durata", "la rata resta quella, il numero delle rate cambia"},
}};

// The index in percent from its date until the next value's.
struct ValoreIndice {
    Data data;
    double valore = 0;

    bool operator==(const ValoreIndice&) const = default;
};

struct TassoVariabile {
    std::vector<ValoreIndice> indice;  // dates strictly increasing
    double spread = 0;                 // points added to the index
    int revisione = 1;                 // the rate revised every so many installments
    // The index rounded up, towards the larger value, to a multiple of it.
    std::optional<double> arrotondamento = std::nullopt;
    std::optional<double> minimo = std::nullopt;  // bounds of the total rate
    std::optional<double> massimo = std::nullopt;
    Ricalcolo ricalcolo = Ricalcolo::Rata;
    int durataMassima = 999;  // the rows Ricalcolo::Durata may reach

    bool operator==(const TassoVariabile&) const = default;
};

inline constexpr Limite LimiteSpread{0, 20, 3, "lo spread"};
inline constexpr Limite LimiteRevisione{1, 12, 0, "il numero di rate fra due revisioni del tasso"};
inline constexpr Limite LimiteIndice{-20, 50, 3, "il valore dell'indice"};
inline constexpr Limite LimiteTassoMinimo{0, 50, 3, "il tasso minimo"};
inline constexpr Limite LimiteTassoMassimo{0, 50, 3, "il tasso massimo"};
inline constexpr Limite LimiteDurataMassima{1, 999, 0, "il numero massimo di rate"};
inline constexpr std::size_t ValoriIndiceMassimi = 2000;
inline constexpr std::array<double, 4> PassiIndice{0.05, 0.10, 0.125, 0.25};
// The steps' range, as a number is read before it is judged one of them.
inline constexpr Limite LimitePassoIndice{0.05, 0.25, 3, "il passo di arrotondamento dell'indice"};

// Where the installment follows the rate by its interest alone, the rows
// after k keep the initial plan's capital shares from the first change
// on, a revision's or an event's.
void TieniQuoteIniziali(Corso& corso, int k);

// Throws ErrorePiano, with the reason, for a term the loan cannot take: a
// value outside its limits or with more than three decimals, a series empty,
// too long or out of order, a step of rounding not in PassiIndice, a floor
// above the cap, a way of following the rate other than Rata with the
// Italian method, a longest plan shorter than the loan's.
void ControllaTassoVariabile(const Mutuo& mutuo);

// Line 8's words for the term ("TASSO VARIABILE: SPREAD 1,500, REVISIONE
// OGNI 6 RATE - TASSO MINIMO 2,000"), each part a term of its own.
std::string DescrizioneTassoVariabile(const TassoVariabile& tasso);

// The index as a revision on giorno takes it, rounded, and the rate it
// gives. Throws ErrorePiano, naming the day, before the series' first value.
struct TassoRivisto {
    double indice = 0;
    double tassoAnnuo = 0;
    bool minimo = false;  // the floor or the cap bound it
    bool massimo = false;
    bool ultimoValore = false;  // the series' last value: it holds from then on
};
TassoRivisto RivediTasso(const TassoVariabile& tasso, const Data& giorno);

// A line a revision writes in the listing after the row it follows.
struct Revisione {
    int dopoRata = 0;
    std::string testo;  // without the listing's indent
    bool ultimoValore = false;
};

// The revision, if one falls after row dopoRata (due on giorno), applied to
// the course: its rate, and the installment, the capital shares or the count
// of rows as the term asks; its lines appended to linee. False where none
// falls. Throws ErrorePiano for a revision before the index's first value,
// or one whose interest would take the whole installment of a plan whose
// rows follow the rate.
bool Rivedi(Corso& corso, int dopoRata, const Data& giorno, std::vector<Revisione>& linee);

}  // namespace pianoamm

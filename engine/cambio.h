#pragma once

// Changing lender: a new loan pays off the old one on a day, and the rest
// of the old plan is set beside the new loan's. Its plan is the one any
// loan gets (PianoAmm); the old side is read off the plan shown.

#include "engine/conteggio.h"
#include "engine/costi.h"
#include "engine/limiti.h"
#include "engine/offerta.h"
#include "engine/piano.h"
#include "engine/simulazione.h"
#include "engine/voce.h"

#include <array>
#include <optional>
#include <vector>

namespace pianoamm {

// A surroga moves the same debt to another bank at no cost to the borrower
// (art. 120-quater TUB); a substitution is a new loan of its own, with its
// costs and, if wanted, a larger amount.
enum class TipoCambio { Surroga, Sostituzione };

inline constexpr std::array<Voce<TipoCambio>, 2> TipiCambio{{
    {TipoCambio::Surroga, "surroga", "Surroga", "lo stesso debito a un'altra banca, senza spese"},
    {TipoCambio::Sostituzione, "sostituzione", "Sostituzione",
     "un nuovo mutuo che estingue il vecchio, con le sue spese e un importo anche maggiore"},
}};

struct Cambio {
    Data giorno;
    TipoCambio tipo = TipoCambio::Surroga;
    double nuovoTasso = 0;
    std::optional<int> nuoveRate;        // else the installments left
    double spese = 0;                    // paid by the borrower, a substitution's only
    std::optional<double> nuovoImporto;  // else the debt with the days' interest
};

inline constexpr Limite LimiteSpeseCambio{0, 999999999, 2, "l'importo delle spese del nuovo mutuo"};

// One side from the day on: the next installment, the installments left,
// the last due date, the interest left and all that is left to pay, in
// cents as the listing shows them.
struct LatoCambio {
    double rata = 0;
    int rate = 0;
    Data ultimaScadenza;
    double interessi = 0;
    double totale = 0;
};

// The payoff the new loan makes, its plan, the two sides and the
// installment of the new loan by which the savings, not discounted, have
// paid its costs back (none when they never do).
struct EsitoCambio {
    ConteggioEstintivo conteggio;
    Cambio cambio;
    Piano nuovo;
    LatoCambio attuale;
    LatoCambio nuovoLato;
    std::optional<int> rientro;
};

// The new loan on the old one's terms, but for its amount (dovuto, the
// debt with the days' interest, unless given), count (the installments
// left, unless given), rate and disbursement, which are the change's, and
// the terms of its own start: no pre-amortisation, no first due date, a
// fixed rate.
Mutuo NuovoMutuo(const Mutuo& vecchio, double dovuto, int rateResidue, const Cambio& cambio);

// Throws ErrorePiano for a change the old plan cannot take: a day outside
// it or with nothing left to pay, a surroga with costs or another amount, a
// substitution smaller than the debt it pays off.
EsitoCambio CambiaMutuo(const Piano& piano, const Cambio& cambio);
EsitoCambio CambiaMutuo(const Simulazione& simulazione, const Cambio& cambio);

// The new loan as an offer of its own, named after the change, on the old
// one's fiscal data: a substitution's costs paid at its disbursement, and
// of an amount above the debt paid off with them, only their share of the
// interest deductible.
Offerta OffertaCambiata(const Offerta& vecchia, const EsitoCambio& esito);

// The new amount, the two sides under their headings, the savings, and
// with costs the costs, the savings net of them and the installment that
// pays them back ("mai"): for TestoVoci (costi.h).
std::vector<VoceCosto> VociCambio(const EsitoCambio& esito);

}  // namespace pianoamm

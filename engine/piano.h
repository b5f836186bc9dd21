#pragma once

// The French-method schedule as numbers: the loan in, one row per
// installment out. The listing (listato.h), the exports (esporta.h), the
// printout and the windows all read this one plan; what-if events make a
// simulation of it (simulazione.h).

#include "engine/cadenza.h"
#include "engine/condizioni.h"
#include "engine/data.h"
#include "engine/limiti.h"

#include <optional>
#include <vector>

namespace pianoamm {

struct Mutuo {
    double importo = 0;  // loan amount, in currency units
    int numeroRate = 1;
    double tassoAnnuo = 0;  // annual rate in percent
    Data erogazione;        // disbursement date
    Cadenza cadenza = Cadenza::Mensile;
    Condizioni condizioni;

    bool operator==(const Mutuo&) const = default;
};

// One installment before any rounding for display: the interest share is
// whole units but for the fractions paid back and the last row's balance.
struct RigaPiano {
    int numero = 0;
    Data scadenza;
    double quotaInteressi = 0;
    double quotaCapitale = 0;
    double debitoResiduo = 0;  // after the installment, before any early repayment
    double tassoAnnuo = 0;     // the rate the row's interest was worked at
    // The index a variable rate's revision took that rate from.
    std::optional<double> indice = std::nullopt;
};

// What the row pays: its installment, or less on a shortened plan's last
// row. Every output shows this, at its own precision.
inline double Pagato(const RigaPiano& riga)
{
    return riga.quotaInteressi + riga.quotaCapitale;
}

// The last installment's number: a broken period's interest, on a row
// numbered 0, puts it one below the rows' count.
inline int UltimaRata(const std::vector<RigaPiano>& righe)
{
    return righe.back().numero;
}

// The row of installment numero, from 1 to UltimaRata.
inline const RigaPiano& RigaDellaRata(const std::vector<RigaPiano>& righe, int numero)
{
    return righe[static_cast<std::size_t>(numero - righe.front().numero)];
}

struct Piano {
    Mutuo mutuo;
    double rata = 0;  // the first installment, unrounded
    double totaleInteressi = 0;
    std::vector<RigaPiano> righe;
    // A variable rate's lines, each after the row it follows.
    std::vector<Revisione> revisioni;
};

// The French formula, with a final balloon (maxiRata, paid with the last
// installment) if any: importo i + (importo - maxiRata) i / ((1 + i)^n - 1),
// the interest and what pays the capital; a zero periodic rate gives
// (importo - maxiRata) / numeroRate, the formula's limit.
double RataMutuo(double importo, int numeroRate, double tassoPeriodo, double maxiRata = 0);

// The whole plan: each row's interest is cut to whole units, the cut
// fractions are paid back one unit at a time, and the last row settles the
// rest so that the debt ends at zero; the last of a run of rows of interest
// only pays the fraction carried, a unit. Throws ErrorePiano for data outside
// the limits (limiti.h), for terms the loan cannot take (a balloon not below
// the amount, more than 999 rows), for a plan that breaks the rules of
// andamento.h (the reason names the row and what would carry the plan), or
// for a due date past 9999.
Piano PianoAmm(const Mutuo& mutuo);

}  // namespace pianoamm

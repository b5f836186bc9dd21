#pragma once

// The French-method schedule as numbers: the loan in, one row per
// installment out. The listing (listato.h), the exports (esporta.h), the
// printout and the windows all read this one plan.

#include "engine/cadenza.h"
#include "engine/data.h"
#include "engine/limiti.h"

#include <optional>
#include <variant>
#include <vector>

namespace pianoamm {

struct Mutuo {
    double importo = 0;  // loan amount, in currency units
    int numeroRate = 1;
    double tassoAnnuo = 0;  // annual rate in percent
    Data erogazione;        // disbursement date
    Cadenza cadenza = Cadenza::Mensile;
};

// One installment before any rounding for display: the interest share is
// whole units but for the fractions paid back and the last row's balance.
struct RigaPiano {
    int numero = 0;
    Data scadenza;
    double quotaInteressi = 0;
    double quotaCapitale = 0;
    double debitoResiduo = 0;  // after the installment, before any early repayment
};

// What happened to a simulated plan after one of its rows (scenario.h).
enum class TipoEvento { EstinzioneParziale, EstinzioneTotale, Variazione };

struct EventoPiano {
    TipoEvento tipo = TipoEvento::Variazione;
    int dopoRata = 0;
    double importo = 0;     // repaid early
    double tassoAnnuo = 0;  // the new rate, percent
    bool riduciDurata = false;
    double nuovaRata = 0;  // from the next row on
    int rateResidue = 0;   // installments left after the event
};

struct Piano {
    Mutuo mutuo;
    double rata = 0;  // the first installment, unrounded
    double totaleInteressi = 0;
    std::vector<RigaPiano> righe;
    // A simulation's events as applied, in row order, with the plan's own
    // interest and the penalty paid on early repayments; no events, and
    // these equal to the plan's, for the plan itself.
    std::vector<EventoPiano> eventi;
    double interessiOriginali = 0;
    double penale = 0;
};

// The French formula; a zero periodic rate gives importo / numeroRate, the
// formula's limit.
double RataMutuo(double importo, int numeroRate, double tassoPeriodo);

// The whole plan: each row's interest is cut to whole units, the cut
// fractions are paid back one unit at a time, and the last row settles the
// rest so that the debt ends at zero. Throws ErrorePiano for data outside
// the limits (limiti.h) or a due date past 9999.
Piano PianoAmm(const Mutuo& mutuo);

// What if: events after installments of the plan. An early repayment pays
// capital on an installment's due date, after it (all of the debt left when
// the amount is nothing), then lowers the installment over the same count
// or shortens the plan at the same installment; a rate change holds from
// the next installment, the installment worked out anew over those left.
enum class Riduzione { Rata, Durata };

struct Estinzione {
    int dopoRata = 1;
    std::optional<double> importo;  // nothing: all of the debt
    Riduzione riduzione = Riduzione::Rata;
};

struct Variazione {
    int dopoRata = 1;
    double tassoAnnuo = 0;
};

using Evento = std::variant<Estinzione, Variazione>;

// The installment the event follows.
int DopoRata(const Evento& evento);

struct Scenario {
    std::vector<Evento> eventi;  // in any order
    double penale = 0;           // percent of each early repayment
};

inline constexpr Limite LimitePenale{0, 99, 2, "il tasso della penale"};
inline constexpr Limite LimiteRimborso{0, 999999999, 2, "l'importo del rimborso anticipato"};

// What a simulated plan's events make of its row numero: the capital
// repaid early on its due date (0 for none), and the annual rate in force
// for it. Rows stay small, without them: the plan itself is built by the
// thousand.
double RimborsoDopo(const Piano& piano, int numero);
double TassoDellaRata(const Piano& piano, int numero);

// The plan with the scenario's events, in row order (at one row the
// repayment first). Rows before an event are the plan's; after it the
// plan's rules go on, the fractions of interest carried across. A repayment
// within a cent of the debt left is all of it. Throws ErrorePiano, with the
// reason, for an event the plan cannot take, and for a scenario whose rows,
// to the cent, would show a negative share or a debt that grows: at a steep
// rate over many installments the carried fractions outweigh the capital.
Piano Simula(const Mutuo& mutuo, const Scenario& scenario);

}  // namespace pianoamm

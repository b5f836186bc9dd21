#pragma once

// What if: a plan's rows with events after some of its installments, and
// how the result compares with the plan. Each kind of event is a struct of
// its own (eventi/): its checks, its effect on the course of the plan, its
// listing line, its description and its default are there.

#include "engine/eventi/estinzione.h"
#include "engine/eventi/sospensione.h"
#include "engine/eventi/variazione.h"
#include "engine/limiti.h"
#include "engine/piano.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pianoamm {

using Evento = std::variant<Estinzione, Variazione, Sospensione>;

// At one row the events apply by their kinds' priority, the lowest first:
// a repayment, then a rate change, then a suspension.
int Priorita(const Evento& evento);

// The installment the event follows.
int DopoRata(const Evento& evento);
// The event in a line, as a list shows it.
std::string Descrizione(const Evento& evento);
const NomiEvento& NomiDi(const Evento& evento);
// One event of each kind, as a window offers it to fill in.
std::vector<Evento> EventiPredefiniti(const Mutuo& mutuo);

struct Scenario {
    std::vector<Evento> eventi;  // in any order
    double penale = 0;           // percent of each early repayment

    bool operator==(const Scenario&) const = default;
};

inline constexpr Limite LimitePenale{0, 99, 2, "il tasso della penale"};
// Above the law's cap a penalty is suspect, though a contract may predate
// the rule or the loan be of another kind: said, not refused.
inline constexpr double PenaleMassimaDiLegge = 1;
inline constexpr std::string_view AvvisoPenale =
    "Oltre l'1 %: sui mutui per la casa la legge non ammette penali, sul credito ai consumatori al massimo l'1 %.";
inline constexpr std::string_view LeggePenale =
    "Mutui per l'acquisto o la ristrutturazione dell'abitazione: nessuna penale per l'estinzione anticipata "
    "(art. 120-ter TUB). Credito ai consumatori: al massimo l'1 % dell'importo rimborsato in anticipo, lo 0,5 % "
    "se manca meno di un anno alla fine (art. 125-sexies TUB).";

// An event as applied, with the course it left: the annual rate, the
// installment and the count of installments from the next row on.
struct EventoPiano {
    Evento evento;
    Effetto effetto;
    double tassoAnnuo = 0;
    double nuovaRata = 0;
    int rateResidue = 0;
};

// How a plan ends: its last due date, its count of installments and the
// installment in force at its end, the Italian method's capital share (the
// installment falls, the share stays). For a plan, its own; for a
// simulation, the one its last event left, none after a total repayment,
// which leaves nothing to pay.
struct FinePiano {
    Data ultimaScadenza;
    int numeroRate = 0;
    std::optional<double> rata;
};

// A plan's end: its installment, or with the Italian method the capital
// share of the first row that pays capital.
FinePiano FineDi(const Piano& piano);

// A plan with events: its rows as simulated, the events as applied, in
// row order, the plan's own interest and end, and the penalty paid on
// early repayments. The simulated interest counts what was added to the
// debt.
struct Simulazione {
    Piano piano;
    std::vector<EventoPiano> eventi;
    double interessiOriginali = 0;
    FinePiano fineOriginale;
    double penale = 0;
};

// The simulation's end, as its last event left it.
FinePiano FineDi(const Simulazione& simulazione);

// What the events make of row numero: the capital repaid early on its due
// date and the interest added to the debt after it (0 for none), the
// annual rate in force for it (the row's own; past the rows, the last
// event's), whether it pays interest only because of a suspension. Rows
// keep only their rate: the plan itself is built by the thousand.
double RimborsoDopo(const Simulazione& simulazione, int numero);
double CapitalizzatiDopo(const Simulazione& simulazione, int numero);
double TassoDellaRata(const Simulazione& simulazione, int numero);
bool SoloInteressi(const Simulazione& simulazione, int numero);
// Whether an event suspends installments: the exports then say which.
bool HaSospensioni(const Simulazione& simulazione);

// The plan with the scenario's events, in row order. Rows before an event
// are the plan's; after it the plan's rules go on, the fractions of
// interest carried across. Throws ErrorePiano, with the reason, for an
// event the plan cannot take, and for a scenario whose rows break what
// every plan keeps (andamento.h): no negative share to the cent, no debt
// that grows beyond the interest added to it or is paid before the last
// row, as the carried fractions do at a steep rate over many installments.
Simulazione Simula(const Piano& piano, const Scenario& scenario);
// The same from the loan, when its plan is not at hand.
Simulazione Simula(const Mutuo& mutuo, const Scenario& scenario);

}  // namespace pianoamm

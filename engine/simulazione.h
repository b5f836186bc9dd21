#pragma once

// What if: a plan's rows with early repayments and rate changes after some
// of its installments, and how the result compares with the plan.

#include "engine/limiti.h"
#include "engine/piano.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pianoamm {

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

    // What a window offers to fill in when one is added.
    static Estinzione Predefinita(const Mutuo& /*mutuo*/) { return {1, 1000.0}; }
};

struct Variazione {
    int dopoRata = 1;
    double tassoAnnuo = 0;

    static Variazione Predefinita(const Mutuo& mutuo) { return {1, mutuo.tassoAnnuo}; }
};

using Evento = std::variant<Estinzione, Variazione>;

// The installment the event follows.
int DopoRata(const Evento& evento);

// "Estinzione di 20.000,00 dopo la rata 5, riduce la rata", "Tasso 4,50 %
// dalla rata 61" and the like: the event in a line, as a list shows it.
std::string Descrizione(const Evento& evento);

struct Scenario {
    std::vector<Evento> eventi;  // in any order
    double penale = 0;           // percent of each early repayment
};

inline constexpr Limite LimitePenale{0, 99, 2, "il tasso della penale"};
inline constexpr Limite LimiteRimborso{0, 999999999, 2, "l'importo del rimborso anticipato"};

// What happened to a simulated plan after one of its rows.
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

// A plan with events: its rows as simulated, the events as applied, in
// row order, the plan's own interest and the penalty paid on early
// repayments.
struct Simulazione {
    Piano piano;
    std::vector<EventoPiano> eventi;
    double interessiOriginali = 0;
    double penale = 0;
};

// What the events make of row numero: the capital repaid early on its due
// date (0 for none), and the annual rate in force for it. Rows stay small,
// without them: the plan itself is built by the thousand.
double RimborsoDopo(const Simulazione& simulazione, int numero);
double TassoDellaRata(const Simulazione& simulazione, int numero);

// The plan with the scenario's events, in row order (at one row the
// repayment first). Rows before an event are the plan's; after it the
// plan's rules go on, the fractions of interest carried across. A repayment
// within a cent of the debt left is all of it. Throws ErrorePiano, with the
// reason, for an event the plan cannot take, and for a scenario whose rows,
// to the cent, would show a negative share or a debt that grows: at a steep
// rate over many installments the carried fractions outweigh the capital.
Simulazione Simula(const Piano& piano, const Scenario& scenario);
// The same from the loan, when its plan is not at hand.
Simulazione Simula(const Mutuo& mutuo, const Scenario& scenario);

}  // namespace pianoamm

#pragma once

// What closing the loan costs on a given day (conteggio estintivo): the
// installments due by then are paid, the debt left after them is paid off
// with the interest of the days since, and a penalty where the contract has
// one. A view on the computed plan, never a second schedule.

#include "engine/centesimi.h"
#include "engine/costi.h"
#include "engine/data.h"
#include "engine/piano.h"
#include "engine/simulazione.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pianoamm {

struct ConteggioEstintivo {
    Data giorno;
    std::size_t righePagate = 0;  // the rows due by the day, row 0 among them
    int ratePagate = 0;           // the last installment due by the day, 0 for none
    Data dal;                     // its due date, or the disbursement's
    long long giorni = 0;
    double tassoAnnuo = 0;  // in force from dal, percent
    // Amounts to the cent: what the listing's debt column shows, the
    // interest of the days, halves up, and the penalty.
    double debito = 0;
    double interessi = 0;
    double penale = 0;
    double Totale() const { return debito + interessi + penale; }
};

// The payoff on giorno, no earlier than the disbursement and no later than
// the last due date (ErrorePiano, naming both dates, otherwise). A day
// before the first due date accrues from the disbursement, or, with a
// broken first period, from its start once row 0 falls due. The penalty is
// penale percent of the debt. For a simulation its events before the day
// apply: while a suspension of whole installments runs, the debt has the
// interest of each period whose due date has passed added to it.
ConteggioEstintivo ContaEstinzione(const Piano& piano, const Data& giorno, double penale = 0);
ConteggioEstintivo ContaEstinzione(const Simulazione& simulazione, const Data& giorno, double penale = 0);
// The same from the plan shown (a simulation's, with it) and its rows in
// cents, at hand already.
ConteggioEstintivo ContaEstinzione(const Piano& piano, const Simulazione* simulazione,
                                   const std::vector<RigaCentesimi>& righe, const Data& giorno, double penale);

// Throws ErrorePiano, naming the day as nome does ("Il giorno
// dell'estinzione") and the plan's first and last dates, for a day before
// the disbursement or after the last due date.
void ControllaGiorno(const Piano& piano, const Data& giorno, const std::string& nome);

// "Estinzione al : 10/09/2027", the installments paid, the debt, the days
// with their start, rate and year, their interest, the penalty where there
// is one, "Totale da pagare": for TestoVoci (costi.h).
std::vector<VoceCosto> VociConteggio(const ConteggioEstintivo& conteggio, BaseGiorni base);

}  // namespace pianoamm

#pragma once

// Checking a bank's plan: the loan and the terms of this program that give
// its table back, and where none does, the cells that differ.

#include "engine/piano.h"
#include "file/mutuo_banca.h"
#include "file/tabella_banca.h"

#include <optional>
#include <string>
#include <vector>

namespace pianoamm {

// A cell of the bank's table that the plan found shows otherwise.
struct CellaDiversa {
    int numero = 0;
    RuoloColonna colonna = RuoloColonna::Rata;
    // The values at the column's precision: 2 decimals where the bank's
    // shows cents, 0 where it shows whole units.
    int decimali = 2;
    double banca = 0;
    double programma = 0;
};

struct Verifica {
    // The loan found, with the terms of the plan nearest the table.
    Mutuo mutuo;
    std::vector<CellaDiversa> celle;
    // The table's rows, and those with a cell apart; the lines read that
    // were not rows.
    int righe = 0;
    int righeDiverse = 0;
    std::size_t righeSaltate = 0;
    // The bank's totals less the plan's, each row at the table's precision.
    double differenzaInteressi = 0;
    double differenzaPagato = 0;
};

// The loan behind the table: the amount the first row's debt and capital,
// the frequency the due dates' spacing, the disbursement a period before
// the first due date, rows of interest only at the start as
// pre-amortisation and a last installment well over the others as a
// balloon; the rate from the installment (the first interest, for a fixed
// capital share), with the fewest decimals that give it back. Every
// rounding, periodic rate and method is then tried, the defaults first, and
// compared cell by cell at the precision each column shows: the first plan
// with no cell apart wins, else the one with the fewest rows apart. Throws
// ErrorePiano for a table without the columns the loan comes from.
Verifica VerificaTabella(const TabellaBanca& tabella, const DatiNoti& noti = {});

}  // namespace pianoamm

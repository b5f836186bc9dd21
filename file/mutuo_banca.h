#pragma once

// The loan a bank's table shows by its shape alone: the amount, the count,
// the frequency and the dates, the rows of interest only, a balloon, and
// where its rate column moves, the revisions of a variable rate.

#include "engine/piano.h"
#include "file/tabella_banca.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace pianoamm {

// What the borrower knows of the loan, in place of what the table tells.
struct DatiNoti {
    std::optional<double> importo;
    std::optional<double> tassoAnnuo;
};

struct MutuoBanca {
    // Its rate the one known, else the rate column's first, else none.
    Mutuo mutuo;
    std::optional<double> tasso;
    // The row of the first installment paid: past a broken first period's
    // row 0 and the rows of pre-amortisation.
    std::size_t primaRata = 0;
    // A row 0's interest, which the disbursement's days before the first
    // period give.
    std::optional<double> interessiSpezzati;
};

// The amount the first row's debt and capital, the frequency the due dates'
// spacing, the disbursement a period before the first due date (or, after
// a row 0, some days before its date: see ConGiorniSpezzati), rows of
// interest only at the start as pre-amortisation, a last installment well
// over the others as a balloon. Throws ErrorePiano for a table without the
// columns the loan comes from, or whose due dates are not a frequency's.
MutuoBanca MutuoDellaTabella(const TabellaBanca& tabella, const DatiNoti& noti);

// The amounts the first row shows (prima, past a row 0): its debt and its
// capital, the capital also as the installment less the interest, and the
// second row's debt and capital added; each once, those most of them give
// first.
std::vector<double> ImportiDellaTabella(const TabellaBanca& tabella, std::size_t prima);

// The bank's value of a money column, or worked out from the others;
// throws ErrorePiano naming what the table lacks (manca).
double Richiesto(const TabellaBanca& tabella, std::size_t riga, RuoloColonna ruolo, std::string_view manca);

// The loan at tasso with a row 0: its disbursement the days before the
// first period that give row 0's interest on the terms' year base.
Mutuo ConGiorniSpezzati(const MutuoBanca& banca, Mutuo mutuo);

}  // namespace pianoamm

#pragma once

// What of a mortgage's interest comes back in the yearly tax return, for
// the main home, year by year as the law stands: TUIR art. 15 c. 1 lett. b
// (19 % of the interest and accessory charges, up to a yearly limit, Circ.
// 13/E/2019 on the charges) and c. 1-ter (building), the share of a loan
// above the purchase cost left out (Circ. 15/E/2005 §4.1), the cuts for
// high incomes (d.lgs. 216/2023 art. 2 for 2024, legge 199/2025 art. 1 c. 4
// from 2026) and the cap of art. 16-ter (legge 207/2024 art. 1 c. 10, from
// 2025) for loans signed from 2025; of a loan that replaced another, only
// the share that paid off the old debt and the operation's costs (art. 15
// c. 1 lett. b as Ris. 390/E/2007 reads it).

#include "engine/costi.h"
#include "engine/data.h"
#include "engine/limiti.h"
#include "engine/piano.h"
#include "engine/tabella.h"

#include <optional>
#include <string>
#include <vector>

namespace pianoamm {

// The yearly limits the law sets: for buying the main home, for building it.
inline constexpr double LimiteAbitazione = 4000;
inline constexpr double LimiteCostruzione = 2582.28;

// The borrower's figures the law's later rules depend on; none given, the
// table is the plain 19 % of art. 15.
struct DatiFiscali {
    // Purchase price, notary's fee and documented accessory costs: a loan
    // above it deducts the share that paid for the home.
    std::optional<double> costoAcquisto;
    std::optional<double> reddito;  // the year's total income, net of the main home
    // Dependent children: 3 for three or more, or one with a disability.
    std::optional<int> figli;
    // The other expenses of the year deducted at 19 % under art. 16-ter's
    // cap (medical ones excluded).
    std::optional<double> altriOneri;
    std::optional<Data> dataContratto;  // the loan's signing; else its disbursement

    bool Dati() const { return costoAcquisto || reddito || figli || altriOneri || dataContratto; }
    bool operator==(const DatiFiscali&) const = default;
};

inline constexpr Limite LimiteCostoAcquisto{0.01, 999999999, 2, "il costo d'acquisto"};
inline constexpr Limite LimiteReddito{0, 999999999, 2, "il reddito complessivo"};
inline constexpr Limite LimiteFigli{0, 3, 0, "il numero dei figli a carico"};
inline constexpr Limite LimiteAltriOneri{0, 999999999, 2, "l'importo degli altri oneri"};

// 19 % of the interest and accessory charges of each year, up to a limit
// shared by the co-borrowers, for the borrower's share; and the law's later
// rules where the borrower's figures are given.
struct RegoleDetrazione {
    double quota = 100;                // the borrower's share, percent
    double limite = LimiteAbitazione;  // a year's cap on interest and charges
    DatiFiscali fiscali;
    // A substitution's debt paid off with the operation's costs: a larger
    // new loan deducts the share of its interest they make of it.
    std::optional<double> debitoSostituito = std::nullopt;

    bool operator==(const RegoleDetrazione&) const = default;
};

inline constexpr Limite LimiteQuota{0.01, 100, 2, "il valore della quota"};
inline constexpr Limite LimiteDetraibile{0.01, 999999999, 2, "il limite di spesa detraibile"};
inline constexpr Limite LimiteDebitoSostituito{0.01, 999999999, 2, "il debito estinto con le spese"};

struct AnnoDetrazione {
    int anno = 0;  // 0 in the totals row
    double interessi = 0;
    double oneri = 0;              // accessory charges
    double importoDetraibile = 0;  // after the purchase cost, the share and the limit
    double riduzioni = 0;          // what art. 16-ter's cap and the income cuts took off
    double detrazione = 0;         // 19 % of the amount, less the cuts
};

// The deduction's years, one per calendar year of the due dates and the
// disbursement's year when it carries costs, then the totals row, amounts
// to the cent; whether the cuts' column shows (the borrower's figures were
// given), and the lines that say which rule changed which years.
struct Detrazione {
    std::vector<AnnoDetrazione> anni;
    bool riduzioni = false;
    std::vector<std::string> note;
};

Detrazione DetrazionePerAnno(const Piano& piano, const Costi& costi, const RegoleDetrazione& regole);

// The years as cells: "Anno", "Interessi", "Oneri accessori", "Importo
// detraibile", ("Riduzioni",) "Detrazione"; the totals row's year is
// "Totale".
Celle CelleDetrazione(const Detrazione& detrazione);

// The same as a fixed-width text table and the notes under it, each line
// ended by "\n".
std::string TabellaDetrazione(const Detrazione& detrazione);

}  // namespace pianoamm

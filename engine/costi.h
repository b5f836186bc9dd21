#pragma once

// What a loan costs beyond its interest, and what of it comes back in the
// yearly tax return: views on the computed plan, never a second schedule.

#include "engine/limiti.h"
#include "engine/piano.h"
#include "engine/tabella.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

struct Costi {
    double speseIniziali = 0;       // fees paid at disbursement
    double impostaSostitutiva = 0;  // percent of the amount, paid at disbursement
    double speseRata = 0;           // paid with every installment
};

inline constexpr Limite LimiteSpeseIniziali{0, 999999999, 2, "l'importo delle spese iniziali"};
inline constexpr Limite LimiteImposta{0, 99, 2, "il tasso dell'imposta sostitutiva"};
inline constexpr Limite LimiteSpeseRata{0, 999999999, 2, "l'importo delle spese per rata"};

struct CostoCredito {
    double tan = 0;              // the plan's annual rate, percent
    std::optional<double> taeg;  // percent; nothing where no rate in range solves the equation
    double costoTotale = 0;      // all the interest and all the costs
    double importoTotaleDovuto = 0;
};

// The TAEG is the rate X, over -99,99 % to 1.000.000 %, at which the amount
// lent equals the present value of all that the borrower pays: the costs at
// disbursement, then each installment with its fee, a due date m months on
// counting m/12 years.
CostoCredito CostoDelCredito(const Piano& piano, const Costi& costi);

// What the loan costs, each figure with its label as a window shows it (the
// text output writes the labels in capitals) and its value as shown: rates
// as "3,71 %" (or "non calcolabile"), money as "12.345,67".
inline constexpr std::array<std::string_view, 4> EtichetteCosto{"TAN", "TAEG", "Costo totale del credito",
                                                                "Importo totale dovuto"};

struct VoceCosto {
    std::string_view etichetta;
    std::string valore;
};
std::array<VoceCosto, 4> VociCostoCredito(const CostoCredito& costo);

// "TAN : 3,50 %" and the like, a line each, the labels aligned.
std::string TestoCostoCredito(const CostoCredito& costo);

// The yearly limits the law sets: for buying the main home, for building it.
inline constexpr double LimiteAbitazione = 4000;
inline constexpr double LimiteCostruzione = 2582.28;

// Interest on a mortgage for the main home: 19 % of the interest and
// accessory charges of each year, up to a limit shared by the co-borrowers,
// for the borrower's share.
struct RegoleDetrazione {
    double quota = 100;                // the borrower's share, percent
    double limite = LimiteAbitazione;  // a year's cap on interest and charges
};

inline constexpr Limite LimiteQuota{0.01, 100, 2, "il valore della quota"};
inline constexpr Limite LimiteDetraibile{0.01, 999999999, 2, "il limite di spesa detraibile"};

struct AnnoDetrazione {
    int anno = 0;  // 0 in the totals row
    double interessi = 0;
    double oneri = 0;  // accessory charges
    double importoDetraibile = 0;
    double detrazione = 0;
};

// One row per calendar year of the due dates, and the disbursement's year
// when it carries costs; then the totals row. Amounts to the cent.
std::vector<AnnoDetrazione> DetrazionePerAnno(const Piano& piano, const Costi& costi, const RegoleDetrazione& regole);

// The years as cells: "Anno", "Interessi", "Oneri accessori", "Importo
// detraibile", "Detrazione", amounts with two decimals, grouped when
// raggruppa; the totals row's year is "Totale".
Celle CelleDetrazione(const std::vector<AnnoDetrazione>& anni, bool raggruppa);

// The same as a fixed-width text table, each line ended by "\n".
std::string TabellaDetrazione(const std::vector<AnnoDetrazione>& anni);

// The same as CSV, in the form of the plan's export.
std::string EsportaCsvDetrazione(const std::vector<AnnoDetrazione>& anni);

}  // namespace pianoamm

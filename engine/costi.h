#pragma once

// What a loan costs beyond its interest, and what of it comes back in the
// yearly tax return: views on the computed plan, never a second schedule.

#include "engine/limiti.h"
#include "engine/piano.h"
#include "engine/tabella.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pianoamm {

struct Costi {
    double speseIniziali = 0;       // fees paid at disbursement
    double impostaSostitutiva = 0;  // percent of the amount, paid at disbursement
    double speseRata = 0;           // paid with every installment

    bool operator==(const Costi&) const = default;
};

inline constexpr Limite LimiteSpeseIniziali{0, 999999999, 2, "l'importo delle spese iniziali"};
inline constexpr Limite LimiteImposta{0, 99, 2, "il tasso dell'imposta sostitutiva"};
inline constexpr Limite LimiteSpeseRata{0, 999999999, 2, "l'importo delle spese per rata"};

struct CostoCredito {
    double tan = 0;              // the plan's annual rate, percent
    std::optional<double> taeg;  // percent; nothing where no rate in range solves the equation
    double costoTotale = 0;      // all the interest and all the costs
    double importoTotaleDovuto = 0;
    double imposta = 0;       // the imposta sostitutiva, to the cent
    double importoNetto = 0;  // the amount less the fees and the tax paid at disbursement
};

// The TAEG is the rate X, over -99,99 % to 1.000.000 %, at which the amount
// lent equals the present value of all that the borrower pays: the costs at
// disbursement, then each installment with its fee, a due date m months on
// counting m/12 years.
CostoCredito CostoDelCredito(const Piano& piano, const Costi& costi);

// Why a TAEG is "non calcolabile", as the window's tip says it.
inline constexpr std::string_view TaegNonCalcolabile =
    "Nessun tasso tra -99,99 % e 1.000.000 % rende l'importo prestato uguale al valore attuale di quanto si paga "
    "(spese iniziali, imposta sostitutiva, rate e spese per rata): per esempio quando le spese iniziali "
    "arrivano all'importo del finanziamento.";

// What the loan costs, each figure with its label as a window shows it (the
// text output writes the labels in capitals) and its value as shown: rates
// as "3,71 %" (or "non calcolabile"), money as "12.345,67"; not grouped,
// for a CSV file, rates with no "%" ("3,71") and money as "12345,67".
inline constexpr std::array<std::string_view, 6> EtichetteCosto{
    "TAN", "TAEG", "Costo totale del credito", "Importo totale dovuto", "Imposta sostitutiva", "Importo netto erogato"};

struct VoceCosto {
    std::string etichetta;
    Cella valore;
};
std::array<VoceCosto, 6> VociCostoCredito(const CostoCredito& costo);

// Labels and values, a line each, "TAN : 3,50 %": the labels (plain ASCII)
// in capitals, aligned to the longest.
std::string TestoVoci(std::span<const VoceCosto> voci);

// The same as a table's rows, a label and its value each.
Celle CelleVoci(std::span<const VoceCosto> voci);

// "TAN : 3,50 %" and the like, a line each, the labels aligned.
std::string TestoCostoCredito(const CostoCredito& costo);

// The same lines as a table's rows, a label and its value each.
Celle CelleCostoCredito(const CostoCredito& costo);

// The TAEG of piano with costi, as the cost lines show it.
Cella TaegDelPiano(const Piano& piano, const Costi& costi);

// The cost lines of piano. For a loan at a variable rate its TAEG is told
// twice: first at the rate held at its level at the contract, as the
// information sheet gives it, then on the index as entered; with rialzo, a
// third time on the index moved by so many points. The other lines are the
// plan's as entered. Throws ErrorePiano where a plan of those cannot be
// worked out.
std::vector<VoceCosto> VociCosto(const Piano& piano, const Costi& costi, std::optional<double> rialzo);

// The imposta sostitutiva, a percentage with two decimals of an amount with
// two decimals, in whole cents, halves up.
long long CentesimiImposta(const Piano& piano, const Costi& costi);

// The fees and the tax, both paid at disbursement, in cents.
long long CentesimiIniziali(const Piano& piano, const Costi& costi);

}  // namespace pianoamm

#pragma once

// Two to four loan offers side by side, each read from its plan as entered
// (never its simulated events): the figures a borrower weighs, which offer
// is best on each, and the same table as text and as CSV.

#include "engine/costi.h"
#include "engine/data.h"
#include "engine/offerta.h"
#include "engine/tabella.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

inline constexpr std::size_t OfferteMinime = 2;
inline constexpr std::size_t OfferteMassime = 4;

// The table's rows, in their order.
enum class RigaConfronto {
    Rata,
    MaxiRata,
    RataMassima,
    NumeroRate,
    Durata,
    Tan,
    Taeg,
    Interessi,
    Spese,
    CostoTotale,
    ImportoDovuto,
    Detrazione,
    CostoNetto
};

// Which value of a row is the borrower's best: the lowest, on the rows of
// what the credit costs; none on the others, where a lower installment may
// mean a longer, dearer loan and a higher deduction follows from paying
// more interest.
enum class Verso { Nessuno, Minimo };

struct DatiRigaConfronto {
    RigaConfronto voce;
    std::string_view etichetta;
    Verso verso;
};

inline constexpr std::array<DatiRigaConfronto, 13> RigheConfronto{{
    {RigaConfronto::Rata, "RATA", Verso::Nessuno},
    {RigaConfronto::MaxiRata, "MAXI-RATA FINALE", Verso::Nessuno},
    {RigaConfronto::RataMassima, "RATA MASSIMA", Verso::Nessuno},
    {RigaConfronto::NumeroRate, "NUMERO RATE", Verso::Nessuno},
    {RigaConfronto::Durata, "DURATA", Verso::Nessuno},
    {RigaConfronto::Tan, "TAN", Verso::Minimo},
    {RigaConfronto::Taeg, "TAEG", Verso::Minimo},
    {RigaConfronto::Interessi, "INTERESSI TOTALI", Verso::Minimo},
    {RigaConfronto::Spese, "SPESE", Verso::Minimo},
    {RigaConfronto::CostoTotale, "COSTO TOTALE DEL CREDITO", Verso::Minimo},
    {RigaConfronto::ImportoDovuto, "IMPORTO TOTALE DOVUTO", Verso::Minimo},
    {RigaConfronto::Detrazione, "DETRAZIONE TOTALE", Verso::Nessuno},
    {RigaConfronto::CostoNetto, "COSTO NETTO DOPO LA DETRAZIONE", Verso::Minimo},
}};

// The debt after a due date, that many months after the disbursement.
struct PuntoDebito {
    int mesi = 0;
    double debito = 0;
};

// One offer's figures, unrounded; each shows to the cent.
struct ValoriOfferta {
    std::string nome;
    double rata = 0;  // what the first row that pays capital pays, to the cent
    // The highest installment, the balloon apart: a variable rate's on the
    // series the offer carries.
    double rataMassima = 0;
    bool tassoVariabile = false;
    double maxiRata = 0;
    int numeroRate = 0;  // the plan's rows, pre-amortisation included
    int mesi = 0;        // the plan's span
    CostoCredito costo;
    double interessi = 0;
    double spese = 0;  // the cost of the credit beyond its interest
    double detrazione = 0;
    // The loan's data and its costs, as the costs' outputs head them.
    std::vector<VoceCosto> dati;
    std::vector<PuntoDebito> debito;  // from the disbursement (the amount) to the last due date
};

// The offer's figures under its own name, or nomeRiserva where it has none.
// Throws ErrorePiano where the plan or the deduction cannot be worked out.
ValoriOfferta ValoriDi(const Offerta& offerta, const std::string& nomeRiserva);

// The offers' figures, in order; an offer with no name of its own takes
// the one at its place in nomiRiserva, or "Offerta N". Throws ErrorePiano
// for fewer than OfferteMinime or more than OfferteMassime offers.
std::vector<ValoriOfferta> Confronta(std::span<const Offerta> offerte, std::span<const std::string> nomiRiserva = {});

// "20 anni e 6 mesi", "1 anno", "6 mesi".
std::string TestoDurata(int mesi);

// A row's value: money and rates with two decimals, rates as the costs give
// them; a TAEG with no solution is "non calcolabile".
Cella CellaVoce(const ValoriOfferta& valori, RigaConfronto voce);

// The offers best on a row, by their places: all those equal to the best at
// the shown precision; none on a row with no best or with nothing to
// compare (a TAEG "non calcolabile" never wins).
std::vector<std::size_t> Migliori(std::span<const ValoriOfferta> valori, RigaConfronto voce);

// Whether the table has the row: the balloon's only where an offer has one,
// the highest installment's only where an offer's rate is variable.
bool HaRiga(std::span<const ValoriOfferta> valori, RigaConfronto voce);

// The heading (an empty cell, then the names), then the rows in their order;
// a window shows it from the first offer on.
Celle CelleConfronto(std::span<const ValoriOfferta> valori);

// The table in fixed-width columns, then the lowest TAEG and the lowest
// amount owed; each line ended by "\n".
std::string TestoConfronto(std::span<const ValoriOfferta> valori);

// The comparison as printed: its title, the day, each offer's whole name
// with its data, then TestoConfronto; a blank line between the parts.
std::string TestoStampaConfronto(std::span<const ValoriOfferta> valori, const Data& oggi);

}  // namespace pianoamm

#pragma once

#include "engine/eventi/corso.h"
#include "engine/voce.h"

#include <array>
#include <string>

namespace pianoamm {

// What a suspension leaves unpaid: the capital share (the next installments
// pay their interest only, and the plan ends that much later) or the whole
// installment (the interest of the periods skipped joins the debt, and the
// installment is worked out anew over the installments left).
enum class TipoSospensione { Capitale, Rata };

inline constexpr std::array<Voce<TipoSospensione>, 2> TipiSospensione{{
    {TipoSospensione::Capitale, "capitale", "la &quota capitale",
     "si pagano i soli interessi, e il piano finisce più tardi"},
    {TipoSospensione::Rata, "rata", "l'&intera rata", "non si paga nulla, e gli interessi si aggiungono al debito"},
}};

// rate installments suspended after dopoRata.
struct Sospensione {
    // Its place among the events after one row (simulazione.h).
    static constexpr int Priorita = 2;

    int dopoRata = 1;
    int rate = 6;
    TipoSospensione tipo = TipoSospensione::Capitale;

    bool operator==(const Sospensione&) const = default;

    static constexpr NomiEvento Nomi{"sospensione delle rate", "sospe&nsione", "La sospensione", "Due sospensioni"};
    static Sospensione Predefinita(const Mutuo& /*mutuo*/) { return {}; }

    // "Sospensione della quota capitale di 6 rate dopo la rata 24"
    std::string Descrizione() const;
    // Throws ErrorePiano for a count outside its limits, for one during the
    // pre-amortisation and for a plan that would pass the listing's 999
    // rows.
    Effetto Applica(Corso& corso) const;
};

inline constexpr Limite LimiteRateSospese{1, 36, 0, "il numero delle rate sospese"};

}  // namespace pianoamm

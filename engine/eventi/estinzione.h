#pragma once

#include "engine/eventi/corso.h"
#include "engine/voce.h"

#include <array>
#include <optional>
#include <string>

namespace pianoamm {

// What an early repayment lowers after it: the installment, over the same
// count, or the count, at the same installment.
enum class Riduzione { Rata, Durata };

inline constexpr std::array<Voce<Riduzione>, 2> Riduzioni{{
    {Riduzione::Rata, "rata", "Riduci la r&ata", "le rate restano quante erano, ciascuna più bassa"},
    {Riduzione::Durata, "durata", "Riduci la &durata", "la rata resta quella, il piano finisce prima"},
}};

// Capital repaid on an installment's due date, after it: all of the debt
// left when the amount is nothing.
struct Estinzione {
    // Its place among the events after one row (simulazione.h).
    static constexpr int Priorita = 0;

    int dopoRata = 1;
    std::optional<double> importo;
    Riduzione riduzione = Riduzione::Rata;

    bool operator==(const Estinzione&) const = default;

    static constexpr NomiEvento Nomi{"estinzione anticipata", "&estinzione", "L'estinzione", "Due estinzioni"};
    // What a window offers to fill in when one is added.
    static Estinzione Predefinita(const Mutuo& /*mutuo*/) { return {1, 1000.0}; }

    // "Estinzione di 20.000,00 dopo la rata 5, riduce la rata"
    std::string Descrizione() const;
    // Throws ErrorePiano for an amount of nothing or beyond the debt, for a
    // shorter plan whose installment would not cover the interest or that
    // starts during the pre-amortisation, and for a debt left that the
    // balloon alone would pay.
    Effetto Applica(Corso& corso) const;
};

inline constexpr Limite LimiteRimborso{0, 999999999, 2, "l'importo del rimborso anticipato"};

}  // namespace pianoamm

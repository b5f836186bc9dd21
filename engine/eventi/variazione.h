#pragma once

#include "engine/eventi/corso.h"

#include <string>

namespace pianoamm {

// A new annual rate from the installment after dopoRata on, the
// installment worked out anew over those left.
struct Variazione {
    // Its place among the events after one row (simulazione.h).
    static constexpr int Priorita = 1;

    int dopoRata = 1;
    double tassoAnnuo = 0;

    bool operator==(const Variazione&) const = default;

    static constexpr NomiEvento Nomi{"variazione di tasso", "&variazione", "La variazione di tasso",
                                     "Due variazioni di tasso"};
    // A point from the plan's rate, as TassoProposto: its own would be
    // refused.
    static Variazione Predefinita(const Mutuo& mutuo) { return {1, TassoProposto(mutuo.tassoAnnuo)}; }
    // What a new rate change offers where tasso is in force: a point above
    // it, or a point below where that would pass the limit.
    static double TassoProposto(double tasso);
    // Whether two annual rates are one: they have at most four decimals,
    // a difference below that is the doubles' noise.
    static bool StessoTasso(double uno, double altro);

    // "Tasso 4,50 % dalla rata 61"
    std::string Descrizione() const;
    // Throws ErrorePiano for a rate outside the plan's limits, or for the
    // rate already in force, which would change nothing.
    Effetto Applica(Corso& corso) const;
};

}  // namespace pianoamm

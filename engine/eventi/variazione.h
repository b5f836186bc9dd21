#pragma once

#include "engine/eventi/corso.h"

#include <string>

namespace pianoamm {

// A new annual rate from the installment after dopoRata on, the
// installment worked out anew over those left.
struct Variazione {
    int dopoRata = 1;
    double tassoAnnuo = 0;

    static constexpr NomiEvento Nomi{"variazione di tasso", "&variazione", "La variazione di tasso",
                                     "Due variazioni di tasso"};
    static Variazione Predefinita(const Mutuo& mutuo) { return {1, mutuo.tassoAnnuo}; }

    // "Tasso 4,50 % dalla rata 61"
    std::string Descrizione() const;
    // Throws ErrorePiano for a rate outside the plan's limits.
    Effetto Applica(Corso& corso) const;
};

}  // namespace pianoamm

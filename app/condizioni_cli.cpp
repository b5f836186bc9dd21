#include "app/condizioni_cli.h"
#include "app/lettura_cli.h"

#include "engine/errore.h"

namespace pianoamm::cli {

Condizioni LeggiCondizioni(const Valori& valori, const Condizioni& altrimenti)
{
    Condizioni condizioni = altrimenti;
    for (std::size_t k = 0; k < Termini.size(); ++k) {
        const auto& testo = valori[Indice(OpzioneDelTermine(k))];
        try {
            if (testo)
                Termini[k].leggi(*testo, condizioni);
        } catch (const ErrorePiano& errore) {
            Rifiuta(OpzioneDelTermine(k), errore.what());
        }
    }
    return condizioni;
}

}  // namespace pianoamm::cli

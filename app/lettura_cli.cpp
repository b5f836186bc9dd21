#include "app/lettura_cli.h"

#include "engine/errore.h"
#include "engine/numeri.h"

namespace pianoamm::cli {

[[noreturn]] void Rifiuta(Opzione opzione, std::string_view motivo)
{
    throw ErrorePiano(std::string(Opzioni[Indice(opzione)].nome) + ": " + std::string(motivo));
}

std::string Citato(std::string_view testo)
{
    return "«" + std::string(testo) + "»";
}

double Numero(Opzione opzione, std::string_view testo, const Limite& limite)
{
    try {
        return NumeroNelLimite(testo, limite, true);
    } catch (const ErrorePiano& errore) {
        Rifiuta(opzione, errore.what());
    }
}

Data DataDi(Opzione opzione, std::string_view testo)
{
    try {
        return DataDaTesto(testo);
    } catch (const ErrorePiano& errore) {
        Rifiuta(opzione, errore.what());
    }
}

}  // namespace pianoamm::cli

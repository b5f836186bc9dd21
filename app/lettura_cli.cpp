#include "app/lettura_cli.h"

#include "engine/errore.h"
#include "engine/numeri.h"
#include "file/serie_indice.h"

#include <utility>

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

void SerieIndice(std::string_view nome, Condizioni& condizioni)
{
    auto serie = LeggiFileIndice(std::string(nome));
    auto& variabile = condizioni.tassoVariabile ? *condizioni.tassoVariabile : condizioni.tassoVariabile.emplace();
    variabile.indice = std::move(serie);
}

}  // namespace pianoamm::cli

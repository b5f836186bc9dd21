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
    const auto valore = LeggiNumero(testo, limite.decimali);
    if (!valore) {
        Rifiuta(opzione, Citato(testo)
                             + (limite.decimali == 0
                                    ? " non è un numero intero valido."
                                    : " non è un numero valido (cifre, con la virgola o il punto "
                                      "prima di al massimo "
                                          + std::string(limite.decimali == 4 ? "quattro" : "due") + " decimali)."));
    }
    if (*valore < limite.minimo || *valore > limite.massimo)
        Rifiuta(opzione, FuoriLimite(limite));
    return *valore;
}

Data DataDi(Opzione opzione, std::string_view testo)
{
    const auto data = LeggiData(testo);
    if (!data)
        Rifiuta(opzione, Citato(testo) + " non è una data valida (GG/MM/AAAA).");
    return *data;
}

}  // namespace pianoamm::cli

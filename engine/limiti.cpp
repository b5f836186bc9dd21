#include "engine/limiti.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/numeri.h"

#include <cmath>

namespace pianoamm {

std::string FuoriLimite(const Limite& limite)
{
    std::string messaggio(limite.oggetto);
    messaggio[0] = static_cast<char>(messaggio[0] - 'a' + 'A');
    // Limits are whole but for a least amount of a cent.
    const auto testo = [](double valore) {
        return FormatoDecimali(valore, valore == std::floor(valore) ? 0 : 2, true);
    };
    return messaggio + " deve essere compreso tra " + testo(limite.minimo) + " e " + testo(limite.massimo) + ".";
}

void Controlla(double valore, const Limite& limite)
{
    if (!(valore >= limite.minimo && valore <= limite.massimo))
        throw ErrorePiano(FuoriLimite(limite));
}

double NumeroNelLimite(std::string_view testo, const Limite& limite, bool virgola)
{
    const auto valore = LeggiNumero(testo, limite.decimali);
    if (!valore) {
        throw ErrorePiano("«" + std::string(testo) + "»"
                          + (limite.decimali == 0
                                 ? " non è un numero intero valido."
                                 : std::string(" non è un numero valido (cifre, con ")
                                       + (virgola ? "la virgola o il punto" : "il punto") + " prima di al massimo "
                                       + (limite.decimali == 4 ? "quattro" : "due") + " decimali)."));
    }
    Controlla(*valore, limite);
    return *valore;
}

}  // namespace pianoamm

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
    // A sign only where the limit goes below zero: an index's value.
    const bool negativo = limite.minimo < 0 && testo.starts_with('-');
    const auto valore = LeggiNumero(testo.substr(negativo ? 1 : 0), limite.decimali);
    if (!valore && limite.decimali == 0)
        throw ErrorePiano("«" + Taglia(testo, 60) + "» non è un numero intero valido.");
    if (!valore) {
        const std::string_view decimali = limite.decimali == 4 ? "quattro" : limite.decimali == 3 ? "tre" : "due";
        throw ErrorePiano("«" + Taglia(testo, 60) + "» non è un numero valido (cifre, con "
                          + (virgola ? "la virgola o il punto" : "il punto") + " prima di al massimo "
                          + std::string(decimali) + " decimali).");
    }
    // 0 - 0 is 0, never -0.
    const double numero = negativo ? 0.0 - *valore : *valore;
    Controlla(numero, limite);
    return numero;
}

}  // namespace pianoamm

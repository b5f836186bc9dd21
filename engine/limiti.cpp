#include "engine/limiti.h"

#include "engine/formato.h"

namespace pianoamm {

std::string FuoriLimite(const Limite& limite)
{
    std::string messaggio(limite.oggetto);
    messaggio[0] = static_cast<char>(messaggio[0] - 'a' + 'A');
    return messaggio + " deve essere compreso tra " + FormatoDecimali(limite.minimo, 0, true) + " e "
           + FormatoDecimali(limite.massimo, 0, true) + ".";
}

}  // namespace pianoamm

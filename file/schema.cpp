#include "file/schema.h"

#include "engine/formato.h"
#include "engine/numeri.h"

#include <cmath>

namespace pianoamm::campi {

// The nearest double to the text the command line would take, which JSON
// writes back as the same text; whole, an integer. Read as the command line
// reads it, whatever the process's locale: the window's follows the
// desktop's.
Json Numero::Scrivi(double valore, int& /*versione*/) const
{
    // The text has no sign: an index's value may be below zero.
    const double numero = std::copysign(
        LeggiNumero(FormatoDecimali(std::fabs(valore), limite.decimali, false), limite.decimali).value(), valore);
    if (numero == std::trunc(numero))
        return static_cast<long long>(numero);
    return numero;
}

Json Giorno::Scrivi(const Data& data, int& /*versione*/) const
{
    const std::string testo = FormatoData(data);
    return testo.substr(6, 4) + "-" + testo.substr(3, 2) + "-" + testo.substr(0, 2);
}

std::string Testo::Leggi(const ValoreJson& valore, const std::string& percorso, int /*versione*/) const
{
    const std::string& testo = TestoDi(valore, percorso);
    if (CaratteriUtf8(testo) > massimo)
        Rifiuta(percorso, "è più lungo di " + std::to_string(massimo) + " caratteri.");
    return testo;
}

}  // namespace pianoamm::campi

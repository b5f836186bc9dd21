#include "file/campi_offerta.h"

#include "engine/errore.h"
#include "engine/numeri.h"

#include <algorithm>

namespace pianoamm::campi {

[[noreturn]] void Rifiuta(const std::string& percorso, std::string_view motivo)
{
    throw ErrorePiano("«" + percorso + "»: " + std::string(motivo));
}

void Tipo(const ValoreJson& valore, const std::string& percorso, ValoreJson::Tipo tipo, std::string_view nome)
{
    if (valore.tipo != tipo)
        Rifiuta(percorso, "deve essere " + std::string(nome) + ".");
}

double NumeroDi(const ValoreJson& valore, const std::string& percorso, const Limite& limite)
{
    Tipo(valore, percorso, ValoreJson::Tipo::Numero, "un numero");
    try {
        return NumeroNelLimite(valore.testo, limite, false);
    } catch (const ErrorePiano& errore) {
        Rifiuta(percorso, errore.what());
    }
}

const std::string& TestoDi(const ValoreJson& valore, const std::string& percorso)
{
    Tipo(valore, percorso, ValoreJson::Tipo::Testo, "un testo tra virgolette");
    return valore.testo;
}

Data DataDi(const ValoreJson& valore, const std::string& percorso)
{
    const std::string& testo = TestoDi(valore, percorso);
    const bool forma = testo.size() == 10 && testo[4] == '-' && testo[7] == '-'
                       && std::ranges::all_of(std::initializer_list<std::size_t>{0, 1, 2, 3, 5, 6, 8, 9},
                                              [&testo](std::size_t i) { return testo[i] >= '0' && testo[i] <= '9'; });
    const auto data =
        forma ? LeggiData(testo.substr(8, 2) + "/" + testo.substr(5, 2) + "/" + testo.substr(0, 4)) : std::nullopt;
    if (!data)
        Rifiuta(percorso, "«" + testo + "» non è una data valida (AAAA-MM-GG).");
    return *data;
}

}  // namespace pianoamm::campi

#pragma once

// The values of a loan file, each read as its key's type and limit require,
// refused with «the key's path» and the reason.

#include "engine/data.h"
#include "engine/limiti.h"
#include "engine/voce.h"
#include "file/json_rigoroso.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pianoamm::campi {

[[noreturn]] void Rifiuta(const std::string& percorso, std::string_view motivo);
void Tipo(const ValoreJson& valore, const std::string& percorso, ValoreJson::Tipo tipo, std::string_view nome);
// A number within the limit, written with at most its decimals.
double NumeroDi(const ValoreJson& valore, const std::string& percorso, const Limite& limite);
const std::string& TestoDi(const ValoreJson& valore, const std::string& percorso);
// "AAAA-MM-GG", as the file writes it.
Data DataDi(const ValoreJson& valore, const std::string& percorso);

// One of the table's words.
template <class Tabella>
auto SceltaDi(const ValoreJson& valore, const std::string& percorso, const Tabella& voci)
{
    const std::string& testo = TestoDi(valore, percorso);
    if (const auto* voce = VoceDaParola(voci, testo))
        return voce->valore;
    Rifiuta(percorso, "«" + testo + "» non è un valore valido (" + Parole(voci, ", ") + ").");
}

// An object of the document, its keys looked up by name.
class Oggetto {
public:
    Oggetto(const ValoreJson& oggetto, std::string dove) : valore(oggetto), percorso(std::move(dove))
    {
        Tipo(valore, percorso.empty() ? "documento" : percorso, ValoreJson::Tipo::Oggetto, "un oggetto tra graffe");
    }

    std::string Percorso(std::string_view chiave) const
    {
        return percorso.empty() ? std::string(chiave) : percorso + "." + std::string(chiave);
    }

    const ValoreJson* Cerca(std::string_view chiave) const
    {
        const auto trovata = std::ranges::find(valore.chiavi, chiave);
        return trovata == valore.chiavi.end()
                   ? nullptr
                   : &valore.figli[static_cast<std::size_t>(trovata - valore.chiavi.begin())];
    }

    const ValoreJson& Obbligatoria(std::string_view chiave) const
    {
        const ValoreJson* trovata = Cerca(chiave);
        if (trovata == nullptr)
            Rifiuta(Percorso(chiave), "manca, ed è obbligatoria.");
        return *trovata;
    }

    const ValoreJson& valore;
    std::string percorso;
};

}  // namespace pianoamm::campi

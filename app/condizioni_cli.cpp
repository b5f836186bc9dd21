#include "app/condizioni_cli.h"
#include "app/lettura_cli.h"

namespace pianoamm::cli {

namespace {

// One of two words ("unita|centesimi"), altrimenti when not given.
template <typename Valore>
Valore Scelta(const Valori& valori, Opzione opzione, std::array<std::pair<std::string_view, Valore>, 2> scelte,
              Valore altrimenti)
{
    const auto& parola = valori[Indice(opzione)];
    if (!parola)
        return altrimenti;
    for (const auto& [nome, valore] : scelte) {
        if (*parola == nome)
            return valore;
    }
    Rifiuta(opzione, Citato(*parola) + " non è un valore valido (" + std::string(scelte[0].first) + " o "
                         + std::string(scelte[1].first) + ").");
}

}  // namespace

Condizioni LeggiCondizioni(const Valori& valori, const Condizioni& altrimenti)
{
    Condizioni condizioni = altrimenti;
    condizioni.arrotondamento = Scelta<Arrotondamento>(
        valori, Opzione::Arrotondamento, {{{"unita", Arrotondamento::Unita}, {"centesimi", Arrotondamento::Centesimi}}},
        altrimenti.arrotondamento);
    condizioni.tassoPeriodo = Scelta<pianoamm::TassoPeriodo>(valori, Opzione::TassoPeriodo,
                                                             {{{"proporzionale", pianoamm::TassoPeriodo::Proporzionale},
                                                               {"equivalente", pianoamm::TassoPeriodo::Equivalente}}},
                                                             altrimenti.tassoPeriodo);
    condizioni.metodo = Scelta<pianoamm::Metodo>(
        valori, Opzione::Metodo, {{{"francese", pianoamm::Metodo::Francese}, {"italiano", pianoamm::Metodo::Italiano}}},
        altrimenti.metodo);
    if (const auto& maxiRata = valori[Indice(Opzione::MaxiRata)])
        condizioni.maxiRata = Numero(Opzione::MaxiRata, *maxiRata, LimiteMaxiRata);
    if (const auto& preammortamento = valori[Indice(Opzione::Preammortamento)]) {
        condizioni.preammortamento =
            static_cast<int>(Numero(Opzione::Preammortamento, *preammortamento, LimitePreammortamento));
    }
    return condizioni;
}

}  // namespace pianoamm::cli

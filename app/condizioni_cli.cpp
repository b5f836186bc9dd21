#include "app/condizioni_cli.h"
#include "app/lettura_cli.h"

namespace pianoamm::cli {

namespace {

// The word given, one of the table's; altrimenti when not given.
template <class Valore, std::size_t N>
Valore Scelta(const Valori& valori, Opzione opzione, const std::array<Voce<Valore>, N>& voci, Valore altrimenti)
{
    const auto& parola = valori[Indice(opzione)];
    if (!parola)
        return altrimenti;
    if (const auto* voce = VoceDaParola(voci, *parola))
        return voce->valore;
    Rifiuta(opzione, Citato(*parola) + " non è un valore valido (" + Parole(voci, ", ", " o ") + ").");
}

}  // namespace

Condizioni LeggiCondizioni(const Valori& valori, const Condizioni& altrimenti)
{
    Condizioni condizioni = altrimenti;
    condizioni.arrotondamento = Scelta(valori, Opzione::Arrotondamento, Arrotondamenti, altrimenti.arrotondamento);
    condizioni.tassoPeriodo = Scelta(valori, Opzione::TassoPeriodo, RegoleTassoPeriodo, altrimenti.tassoPeriodo);
    condizioni.metodo = Scelta(valori, Opzione::Metodo, Metodi, altrimenti.metodo);
    if (const auto& maxiRata = valori[Indice(Opzione::MaxiRata)])
        condizioni.maxiRata = Numero(Opzione::MaxiRata, *maxiRata, LimiteMaxiRata);
    if (const auto& preammortamento = valori[Indice(Opzione::Preammortamento)]) {
        condizioni.preammortamento =
            static_cast<int>(Numero(Opzione::Preammortamento, *preammortamento, LimitePreammortamento));
    }
    if (const auto& prima = valori[Indice(Opzione::PrimaScadenza)])
        condizioni.primaScadenza = DataDi(Opzione::PrimaScadenza, *prima);
    condizioni.baseGiorni = Scelta(valori, Opzione::BaseGiorni, BasiGiorni, altrimenti.baseGiorni);
    return condizioni;
}

}  // namespace pianoamm::cli

#include "ui/azioni/modello_offerta.h"

#include "engine/giudizio.h"

#include <utility>

namespace pianoamm {

namespace {

Scenario InOrdine(Scenario scenario)
{
    std::vector<Evento> eventi;
    for (const std::size_t i : OrdineDelPiano(scenario.eventi))
        eventi.push_back(scenario.eventi[i]);
    scenario.eventi = std::move(eventi);
    return scenario;
}

}  // namespace

ModelloOfferta::ModelloOfferta(QObject* parent) : QObject(parent)
{
    offerta.mutuo.erogazione = Oggi();
    salvata = offerta;
}

void ModelloOfferta::Cambia(Offerta nuova)
{
    if (nuova == offerta)
        return;
    offerta = std::move(nuova);
    emit Cambiata();
}

void ModelloOfferta::ImpostaMutuo(const Mutuo& mutuo)
{
    Offerta nuova = offerta;
    nuova.mutuo = mutuo;
    Cambia(std::move(nuova));
}

void ModelloOfferta::ImpostaCadenza(Cadenza cadenza)
{
    Mutuo mutuo = offerta.mutuo;
    mutuo.cadenza = cadenza;
    ImpostaMutuo(mutuo);
}

void ModelloOfferta::ImpostaCondizioni(const Condizioni& condizioni)
{
    Mutuo mutuo = offerta.mutuo;
    mutuo.condizioni = condizioni;
    ImpostaMutuo(mutuo);
}

void ModelloOfferta::ImpostaCosti(const Costi& costi, const RegoleDetrazione& regole)
{
    Offerta nuova = offerta;
    nuova.costi = costi;
    nuova.regole = regole;
    Cambia(std::move(nuova));
}

void ModelloOfferta::ImpostaScenario(Scenario scenario)
{
    Offerta nuova = offerta;
    nuova.scenario = InOrdine(std::move(scenario));
    Cambia(std::move(nuova));
}

void ModelloOfferta::SegnaCampo(const QString& campo, const QString& motivo)
{
    bool cambiato = false;
    if (motivo.isEmpty()) {
        cambiato = nonValidi.erase(campo) > 0;
    } else {
        QString& segnato = nonValidi[campo];
        cambiato = std::exchange(segnato, motivo) != motivo;
    }
    if (cambiato)
        emit Cambiata();
}

QString ModelloOfferta::Motivo() const
{
    return nonValidi.empty() ? QString() : nonValidi.begin()->second;
}

void ModelloOfferta::Sostituisci(Offerta nuova)
{
    nuova.scenario = InOrdine(std::move(nuova.scenario));
    offerta = nuova;
    salvata = std::move(nuova);
    nonValidi.clear();
    emit Cambiata();
}

void ModelloOfferta::Salvata()
{
    salvata = offerta;
    emit Cambiata();
}

}  // namespace pianoamm

#pragma once

#include "engine/simulazione.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace pianoamm {

// What the loan makes of a list of events, each on its own: an event is
// judged in plan order with the ones before it that the loan takes, so
// that one the loan cannot take (after a removal, a change, another loan)
// is named with its reason and holds no other back.
struct Giudizio {
    // In the list's order: nothing for an event taken, else the reason.
    std::vector<std::optional<QString>> motivi;
    // The plan with the events taken.
    pianoamm::Simulazione simulato;

    bool Valido() const;
};

// The events' indexes in the engine's order: by installment, at one
// installment the repayment first, then as listed.
std::vector<std::size_t> OrdineDelPiano(const std::vector<Evento>& eventi);

Giudizio Giudica(const pianoamm::Piano& piano, const std::vector<Evento>& eventi, double penale);

}  // namespace pianoamm

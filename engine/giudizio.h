#pragma once

// Which of a list of events a loan takes, as the plan applies them: the
// window lists and edits events in any order, and asks here.

#include "engine/simulazione.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pianoamm {

// The events' indexes in the order the plan applies them: by installment,
// at one installment by their kinds' Priorita (a repayment, a rate change,
// a suspension), then as listed.
std::vector<std::size_t> OrdineDelPiano(const std::vector<Evento>& eventi);

// What the loan makes of a list of events, each on its own: an event is
// judged in plan order with the ones before it that the loan takes, so
// that one the loan cannot take (after a removal, a change, another loan)
// is named with its reason and holds no other back.
struct Giudizio {
    // In the list's order: nothing for an event taken, else the reason.
    std::vector<std::optional<std::string>> motivi;
    // The plan with the events taken.
    Simulazione simulato;

    bool Valido() const;
};

Giudizio Giudica(const Piano& piano, const std::vector<Evento>& eventi, double penale);

}  // namespace pianoamm

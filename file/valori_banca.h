#pragma once

// A cell of a bank's table and the same cell of a plan, each as the table
// shows it: what the check compares and the windows lay side by side.

#include "engine/centesimi.h"
#include "engine/piano.h"
#include "file/tabella_banca.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace pianoamm {

// The money columns compared, in the order of RuoloColonna, and their
// headings.
inline constexpr std::array<RuoloColonna, 4> RuoliConfrontati{RuoloColonna::Rata, RuoloColonna::Interessi,
                                                              RuoloColonna::Capitale, RuoloColonna::Debito};
inline constexpr std::array<std::string_view, 4> NomiColonne{"Rata", "Quota interessi", "Quota capitale",
                                                             "Debito residuo"};

// The bank's value of a row's column; a money column the table lacks is
// worked out from the others (the installment the interest plus the
// capital, the capital the debt before less the debt after); none where it
// cannot be.
std::optional<double> ValoreBanca(const TabellaBanca& tabella, std::size_t riga, RuoloColonna ruolo);

// 100 where the column shows cents, or, for one worked out, where any does;
// else 1.
double ScalaColonna(const TabellaBanca& tabella, RuoloColonna ruolo);

// The plan's figure of a column as a table at that scale shows it: to the
// cent as the exports give it, from running totals rounded so that the
// rows add up; in whole units as the listing does, each on its own.
double ValorePiano(const RigaPiano& riga, const RigaCentesimi& centesimi, RuoloColonna ruolo, double scala);

}  // namespace pianoamm

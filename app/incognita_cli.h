#pragma once

#include "engine/inverso.h"

#include <array>
#include <optional>
#include <string_view>

namespace pianoamm {

// What --rata is to find: the one of --importo, --numero-rate and --tasso
// left out, or the one --trova names ("tasso", "numero-rate", "importo");
// nothing without --rata. dati says which of the three were given, in the
// order of Incognite. Throws ErrorePiano, naming the option, when --trova
// stands alone or names nothing known, or when not exactly one is left out.
std::optional<Incognita> LeggiIncognita(bool rata, std::optional<std::string_view> trova, std::array<bool, 3> dati);

}  // namespace pianoamm

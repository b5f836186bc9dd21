#pragma once

// The plan's terms as the command line gives them.

#include "app/lettura_cli.h"
#include "engine/condizioni.h"

#include <optional>
#include <string_view>

namespace pianoamm::cli {

// Each term as given, else as altrimenti has it.
Condizioni LeggiCondizioni(const Valori& valori, const Condizioni& altrimenti);

}  // namespace pianoamm::cli

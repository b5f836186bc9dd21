#pragma once

#include <string>

namespace pianoamm {

// The usage text printed by --help.
std::string UsoCli();

}  // namespace pianoamm

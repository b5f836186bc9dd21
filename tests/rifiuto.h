#pragma once

// The message refusing what the call asks, or "" for a call that goes through.

#include "engine/errore.h"

#include <string>

template <typename Chiamata>
std::string MotivoDi(const Chiamata& chiamata)
{
    try {
        (void)chiamata();
    } catch (const pianoamm::ErrorePiano& errore) {
        return errore.what();
    }
    return {};
}

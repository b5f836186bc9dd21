#pragma once

#include "engine/piano.h"

// The largest schedule there is to list and print: 999 monthly
// installments, 17 printed pages.
inline constexpr pianoamm::Mutuo MutuoLungo{.importo = 250000,
                                            .numeroRate = 999,
                                            .tassoAnnuo = 4.75,
                                            .erogazione = {.anno = 2008, .mese = 1, .giorno = 31},
                                            .cadenza = pianoamm::Cadenza::Mensile,
                                            .condizioni = {}};

#pragma once

// What every plan keeps, seen from its rows alone: no interest share below zero to the cent, a debt that is paid on the
// last row and not before (after a total repayment the debt left is paid on the last row's day).

#include "engine/simulazione.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

inline ::testing::AssertionResult SiChiude(const pianoamm::Piano& piano, bool estintoInAnticipo = false)
{
    const auto& righe = piano.righe;
    for (std::size_t k = 0; k < righe.size(); ++k) {
        const bool ultima = k + 1 == righe.size();
        if (righe[k].quotaInteressi * 100 <= -0.5)
            return ::testing::AssertionFailure() << "rata " << k + 1 << ": interessi " << righe[k].quotaInteressi;
        const bool pagato = std::fabs(righe[k].debitoResiduo) < 1e-12 * std::max(1.0, piano.mutuo.importo);
        if (piano.mutuo.importo > 0 && pagato != (ultima && !estintoInAnticipo))
            return ::testing::AssertionFailure() << "rata " << k + 1 << ": debito " << righe[k].debitoResiduo;
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SiChiude(const pianoamm::Simulazione& simulazione)
{
    return SiChiude(simulazione.piano, !simulazione.eventi.empty() && simulazione.eventi.back().effetto.chiude);
}

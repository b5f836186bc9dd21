#pragma once

#include "engine/calcolo.h"

// The loan data of a test case, in the order the window asks for them.
inline pianoamm::DatiMutuo Dati(double importo, double rate, double tasso, pianoamm::Cadenza cadenza, const char* data)
{
    pianoamm::DatiMutuo dati;
    dati.Importo = importo;
    dati.NumeroRate = rate;
    dati.TassoAnnuo = tasso;
    dati.cadenza = cadenza;
    dati.DataErogazione = data;
    return dati;
}

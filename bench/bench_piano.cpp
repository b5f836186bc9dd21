#include "engine/calcolo.h"

#include <benchmark/benchmark.h>

namespace {

// The largest listing the window can ask for: 999 monthly installments.
void ListingDi999RateMensili(benchmark::State& state)
{
    pianoamm::DatiMutuo dati;
    dati.Importo = 250000;
    dati.NumeroRate = 999;
    dati.TassoAnnuo = 4.75;
    dati.DataErogazione = "31/01/2008";
    dati.cadenza = pianoamm::Cadenza::Mensile;
    for (auto _ : state) {
        auto piano = pianoamm::PianoAmm(dati);
        benchmark::DoNotOptimize(piano);
    }
}
BENCHMARK(ListingDi999RateMensili)->Unit(benchmark::kMicrosecond);

}  // namespace

#include "engine/calcolo.h"

#include <benchmark/benchmark.h>

namespace {

// The largest listing the window can ask for: 999 monthly installments.
void ListingDi999RateMensili(benchmark::State& state)
{
    const pianoamm::DatiMutuo dati{
        .Importo = 250000, .NumeroRate = 999, .TassoAnnuo = 4.75, .DataErogazione = "31/01/2008"};
    for (auto _ : state) {
        auto piano = pianoamm::PianoAmm(dati);
        benchmark::DoNotOptimize(piano);
    }
}
BENCHMARK(ListingDi999RateMensili)->Unit(benchmark::kMicrosecond);

}  // namespace

#include "bench/mutuo_lungo.h"
#include "engine/costi.h"
#include "engine/listato.h"

#include <benchmark/benchmark.h>

namespace {

// Target: under 100 microseconds.
void ListatoDi999RateMensili(benchmark::State& state)
{
    for (auto _ : state) {
        auto listato = pianoamm::ComponiListato(pianoamm::PianoAmm(MutuoLungo));
        benchmark::DoNotOptimize(listato);
    }
}
BENCHMARK(ListatoDi999RateMensili)->Unit(benchmark::kMicrosecond);

// Target: under a millisecond, fees and tax included.
void TaegDi999RateMensili(benchmark::State& state)
{
    const auto piano = pianoamm::PianoAmm(MutuoLungo);
    for (auto _ : state) {
        auto costo =
            pianoamm::CostoDelCredito(piano, {.speseIniziali = 1500, .impostaSostitutiva = 0.25, .speseRata = 2.5});
        benchmark::DoNotOptimize(costo);
    }
}
BENCHMARK(TaegDi999RateMensili)->Unit(benchmark::kMicrosecond);

}  // namespace

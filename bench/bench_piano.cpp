#include "bench/mutuo_lungo.h"
#include "engine/listato.h"

#include <benchmark/benchmark.h>

namespace {

void ListatoDi999RateMensili(benchmark::State& state)
{
    for (auto _ : state) {
        auto listato = pianoamm::ComponiListato(pianoamm::PianoAmm(MutuoLungo));
        benchmark::DoNotOptimize(listato);
    }
}
BENCHMARK(ListatoDi999RateMensili)->Unit(benchmark::kMicrosecond);

}  // namespace

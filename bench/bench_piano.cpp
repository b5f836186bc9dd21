#include "bench/mutuo_lungo.h"
#include "engine/costi.h"
#include "engine/esporta.h"
#include "engine/inverso.h"
#include "engine/listato.h"
#include "file/verifica_banca.h"

#include <benchmark/benchmark.h>

namespace {

// The long plan on each of the terms where banks differ, the defaults
// first; pre-amortisation takes twelve of the 999 rows.
pianoamm::Mutuo MutuoConTermini(int termine)
{
    pianoamm::Mutuo mutuo = MutuoLungo;
    pianoamm::Condizioni& condizioni = mutuo.condizioni;
    switch (termine) {
    case 1:
        condizioni.arrotondamento = pianoamm::Arrotondamento::Centesimi;
        break;
    case 2:
        condizioni.tassoPeriodo = pianoamm::TassoPeriodo::Equivalente;
        break;
    case 3:
        condizioni.metodo = pianoamm::Metodo::Italiano;
        break;
    case 4:
        condizioni.preammortamento = 12;
        mutuo.numeroRate -= 12;
        break;
    case 5:
        condizioni.maxiRata = 50000;
        break;
    default:
        break;
    }
    return mutuo;
}

// Target: under 100 microseconds, and on every term within 10 % of the
// defaults'.
void ListatoDi999RateMensili(benchmark::State& state)
{
    const pianoamm::Mutuo mutuo = MutuoConTermini(static_cast<int>(state.range(0)));
    state.SetLabel(pianoamm::DescrizioneCondizioni(mutuo.condizioni));
    for (auto _ : state) {
        auto listato = pianoamm::ComponiListato(pianoamm::PianoAmm(mutuo));
        benchmark::DoNotOptimize(listato);
    }
}
BENCHMARK(ListatoDi999RateMensili)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// The long plan at a variable rate revised at every installment, on 1.000
// monthly values of the index that move at each, so that every revision
// works the installment out again and writes its line.
pianoamm::Mutuo MutuoVariabile()
{
    pianoamm::Mutuo mutuo = MutuoLungo;
    pianoamm::TassoVariabile variabile;
    variabile.spread = 1.5;
    for (int mese = 0; mese < 1000; ++mese) {
        variabile.indice.push_back(
            {{.anno = 2008 + mese / 12, .mese = 1 + mese % 12, .giorno = 1}, 0.5 + (mese * 7 % 40) * 0.125});
    }
    mutuo.condizioni.tassoVariabile = variabile;
    return mutuo;
}

// Target: under a millisecond, the plan with its 998 revisions and its
// listing.
void ListatoVariabileDi999RateMensili(benchmark::State& state)
{
    const pianoamm::Mutuo mutuo = MutuoVariabile();
    for (auto _ : state) {
        auto listato = pianoamm::ComponiListato(pianoamm::PianoAmm(mutuo));
        benchmark::DoNotOptimize(listato);
    }
}
BENCHMARK(ListatoVariabileDi999RateMensili)->Unit(benchmark::kMicrosecond);

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

// Target: under a millisecond for the slowest unknown, the rate.
void TassoDallaRataDi999RateMensili(benchmark::State& state)
{
    const double rata = pianoamm::PianoAmm(MutuoLungo).rata;
    for (auto _ : state) {
        auto trovato = pianoamm::Risolvi(MutuoLungo, rata, pianoamm::Incognita::Tasso);
        benchmark::DoNotOptimize(trovato);
    }
}
BENCHMARK(TassoDallaRataDi999RateMensili)->Unit(benchmark::kMicrosecond);

// Target: under 50 ms to read a bank's table of 999 rows and check it, for a
// table given back at once (arg 0) and for one with a cell off, which tries
// every set of terms (arg 1).
void VerificaDi999RateMensili(benchmark::State& state)
{
    pianoamm::Mutuo mutuo = MutuoLungo;
    mutuo.condizioni.arrotondamento = pianoamm::Arrotondamento::Centesimi;
    std::string csv = pianoamm::EsportaCsv(pianoamm::PianoAmm(mutuo));
    if (state.range(0) == 1) {
        const std::size_t numero = csv.find(';', csv.find("\n500;") + 1);
        const std::size_t cella = csv.find(';', numero + 1) + 1;
        csv = csv.substr(0, cella) + "1" + csv.substr(cella);
    }
    for (auto _ : state) {
        auto verifica = pianoamm::VerificaTabella(pianoamm::LeggiTabellaBanca(csv));
        benchmark::DoNotOptimize(verifica);
    }
}
BENCHMARK(VerificaDi999RateMensili)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

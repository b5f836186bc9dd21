// The largest printout, 17 pages, to a PDF file.

#include "bench/mutuo_lungo.h"
#include "engine/listato.h"
#include "print/impaginazione.h"
#include "print/stampa.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void StampaPdfDi999RateMensili(benchmark::State& state)
{
    const auto listato = pianoamm::ComponiListato(pianoamm::PianoAmm(MutuoLungo));
    const QTemporaryDir cartella;
    const std::string pdf = QFile::encodeName(cartella.filePath(QStringLiteral("piano.pdf"))).toStdString();
    for (auto _ : state)
        pianoamm::ScriviPdf(pdf, pianoamm::PagineDelListato(listato));
}
BENCHMARK(StampaPdfDi999RateMensili)->Unit(benchmark::kMillisecond);

}  // namespace

// The largest printout, 999 monthly installments on 17 pages, to a PDF file.

#include "engine/calcolo.h"
#include "print/impaginazione.h"
#include "print/stampa.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void StampaPdfDi999RateMensili(benchmark::State& state)
{
    const pianoamm::DatiMutuo dati{
        .Importo = 250000, .NumeroRate = 999, .TassoAnnuo = 4.75, .DataErogazione = "31/01/2008"};
    const auto piano = pianoamm::PianoAmm(dati);
    const QStringList righe = RigheDelListato(piano.Righe);
    QTemporaryDir cartella;
    const std::string pdf = QFile::encodeName(cartella.filePath(QStringLiteral("piano.pdf"))).toStdString();
    for (auto _ : state)
        ScriviPdf(pdf, Impagina(righe));
}
BENCHMARK(StampaPdfDi999RateMensili)->Unit(benchmark::kMillisecond);

}  // namespace

// The results page with the largest listing: the forward step from the
// frequency page, listing filled and painted.

#include "bench/mutuo_lungo.h"
#include "engine/listato.h"
#include "ui/main/campo_numerico.h"
#include "ui/main/frm_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void AvantiAiRisultatiCon999RateMensili(benchmark::State& state)
{
    FrmMain frm;
    frm.findChild<QLineEdit*>(QStringLiteral("txtData"))
        ->setText(QString::fromStdString(pianoamm::FormatoData(MutuoLungo.erogazione)));
    frm.findChild<CampoNumerico*>(QStringLiteral("txtImporto"))->ImpostaValore(MutuoLungo.importo);
    frm.findChild<CampoNumerico*>(QStringLiteral("txtNumRate"))->ImpostaValore(MutuoLungo.numeroRate);
    frm.findChild<CampoNumerico*>(QStringLiteral("txtTasso"))->ImpostaValore(MutuoLungo.tassoAnnuo);
    frm.show();
    auto* avanti = frm.findChild<QPushButton*>(QStringLiteral("cmdAvanti"));
    auto* indietro = frm.findChild<QPushButton*>(QStringLiteral("cmdIndietro"));
    auto* lista = frm.findChild<QListWidget*>(QStringLiteral("listaPiano"));
    const auto righe = static_cast<int>(pianoamm::RigheIntestazione) + MutuoLungo.numeroRate;
    avanti->click();
    QApplication::processEvents();
    for (auto _ : state) {
        avanti->click();
        lista->repaint();
        state.PauseTiming();
        if (lista->count() != righe)
            state.SkipWithError("listing incomplete");
        indietro->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(AvantiAiRisultatiCon999RateMensili)->Unit(benchmark::kMillisecond);

}  // namespace

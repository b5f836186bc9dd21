// The results page with the largest listing: the forward step from the
// frequency page, listing filled and painted.

#include "ui/main/campo_numerico.h"
#include "ui/main/frm_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

void AvantiAiRisultatiCon999RateMensili(benchmark::State& state)
{
    FrmMain frm;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    frm.Form_Load();
    frm.findChild<QLineEdit*>(QStringLiteral("txtData"))->setText(QStringLiteral("31/01/2008"));
    frm.findChild<CampoNumerico*>(QStringLiteral("txtImporto"))->SetValue(250000);
    frm.findChild<CampoNumerico*>(QStringLiteral("txtNumRate"))->SetValue(999);
    frm.findChild<CampoNumerico*>(QStringLiteral("txtTasso"))->SetValue(4.75);
    frm.show();
    auto* avanti = frm.findChild<QPushButton*>(QStringLiteral("cmdAvanti"));
    auto* indietro = frm.findChild<QPushButton*>(QStringLiteral("cmdIndietro"));
    auto* lista = frm.findChild<QListWidget*>(QStringLiteral("List1"));
    avanti->click();
    QApplication::processEvents();
    for (auto _ : state) {
        avanti->click();
        lista->repaint();
        state.PauseTiming();
        if (lista->count() != 1010)
            state.SkipWithError("listing incomplete");
        indietro->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(AvantiAiRisultatiCon999RateMensili)->Unit(benchmark::kMillisecond);

}  // namespace

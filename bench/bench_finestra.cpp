// The results page with the largest listing: the forward step from the
// frequency page, listing filled and painted; the same from a loan file;
// and a simulation on it.

#include "bench/mutuo_lungo.h"
#include "engine/listato.h"
#include "file/file_offerta.h"
#include "ui/azioni/modello_offerta.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/finestre/dlg_simulazione.h"
#include "ui/finestre/frm_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void AvantiAiRisultatiCon999RateMensili(benchmark::State& state)
{
    pianoamm::FrmMain frm;
    frm.findChild<QLineEdit*>(QStringLiteral("txtData"))
        ->setText(QString::fromStdString(pianoamm::FormatoData(MutuoLungo.erogazione)));
    frm.findChild<pianoamm::CampoNumerico*>(QStringLiteral("txtImporto"))->ImpostaValore(MutuoLungo.importo);
    frm.findChild<pianoamm::CampoNumerico*>(QStringLiteral("txtNumRate"))->ImpostaValore(MutuoLungo.numeroRate);
    frm.findChild<pianoamm::CampoNumerico*>(QStringLiteral("txtTasso"))->ImpostaValore(MutuoLungo.tassoAnnuo);
    frm.show();
    auto* avanti = frm.findChild<QPushButton*>(QStringLiteral("cmdAvanti"));
    auto* indietro = frm.findChild<QPushButton*>(QStringLiteral("cmdIndietro"));
    auto* lista = frm.findChild<QListWidget*>(QStringLiteral("lstPiano"));
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

// Target: under 50 ms from a file with the largest plan, a repayment and a
// rate change to its listing painted, the recent files updated.
void ApriFileDi999RateMensili(benchmark::State& state)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("lungo.pianoamm"));
    pianoamm::Offerta offerta;
    offerta.mutuo = MutuoLungo;
    offerta.scenario.eventi = {pianoamm::Estinzione{120, 20000.0}, pianoamm::Variazione{240, 6.5}};
    pianoamm::ScriviFileOfferta(nome.toStdString(), offerta);
    pianoamm::FrmMain frm;
    frm.show();
    auto* lista = frm.findChild<QListWidget*>(QStringLiteral("lstPiano"));
    for (auto _ : state) {
        if (!frm.ApriFile(nome))
            state.SkipWithError("file refused");
        lista->repaint();
    }
}
BENCHMARK(ApriFileDi999RateMensili)->Unit(benchmark::kMillisecond);

// Target: 50 ms for a repayment and a rate change on the largest plan,
// worked out, listed, compared and charted, the chart in view painted.
void SimulazioneDi999RateMensili(benchmark::State& state)
{
    pianoamm::ModelloOfferta modello(nullptr);
    pianoamm::DlgSimulazione dialogo(pianoamm::PianoAmm(MutuoLungo), modello, nullptr);
    dialogo.show();
    dialogo.findChild<QTabWidget*>()->setCurrentIndex(1);
    for (auto _ : state) {
        dialogo.ImpostaEventi({pianoamm::Estinzione{120, 20000.0}, pianoamm::Variazione{240, 6.5}});
        QApplication::processEvents();
        dialogo.repaint();
        state.PauseTiming();
        dialogo.ImpostaEventi({});
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(SimulazioneDi999RateMensili)->Unit(benchmark::kMillisecond);

}  // namespace

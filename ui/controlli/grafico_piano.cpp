#include "ui/controlli/grafico_piano.h"

#include "engine/anni.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <utility>

namespace pianoamm {

namespace {

QChart* CreaGrafico(const QString& titolo, QWidget* parent, QLayout* impaginazione, bool curve)
{
    auto* grafico = new QChart;
    grafico->setTitle(titolo);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    auto* vista = new QChartView(grafico, parent);
    // Bars are upright rectangles: smoothing them only slows the drawing.
    vista->setRenderHint(QPainter::Antialiasing, curve);
    vista->setMinimumSize(320, 240);
    impaginazione->addWidget(vista);
    return grafico;
}

// The debt before the first installment, after each one, and after each
// early repayment: a repayment is a drop at its installment. About 250
// points at most: more than a chart has pixels for only slows the drawing,
// and the curve is smooth between the drops.
QList<QPointF> Debito(const pianoamm::Piano& piano, const pianoamm::Simulazione* simulazione)
{
    QList<QPointF> punti{{0, piano.mutuo.importo}};
    const std::size_t passo = std::max<std::size_t>(1, piano.righe.size() / 250);
    for (const pianoamm::RigaPiano& riga : piano.righe) {
        const auto numero = static_cast<std::size_t>(riga.numero);
        const double rimborso = simulazione != nullptr ? pianoamm::RimborsoDopo(*simulazione, riga.numero) : 0;
        if (numero % passo == 0 || numero == piano.righe.size() || rimborso != 0)
            punti.append({static_cast<double>(riga.numero), riga.debitoResiduo});
        if (rimborso != 0)
            punti.append({static_cast<double>(riga.numero), riga.debitoResiduo - rimborso});
    }
    return punti;
}

// Each year's interest as a bar from da to a about the year, on the years'
// value axis: all of them one outline.
QList<QPointF> Barre(const pianoamm::Piano& piano, double da, double a)
{
    QList<QPointF> punti;
    for (const pianoamm::AnnoPiano& anno : pianoamm::InteressiPerAnno(piano)) {
        if (anno.anno == 0)
            continue;
        const double interessi = std::max(anno.interessi, 0.0);
        punti << QPointF(anno.anno + da, 0) << QPointF(anno.anno + da, interessi) << QPointF(anno.anno + a, interessi)
              << QPointF(anno.anno + a, 0);
    }
    return punti;
}

const QString Nomi[] = {QStringLiteral("Piano"), QStringLiteral("Simulazione")};

void Aggiungi(QChart* grafico, QAbstractSeries* serie, const QString& nome)
{
    serie->setName(nome);
    grafico->addSeries(serie);
    for (QAbstractAxis* asse : grafico->axes())
        serie->attachAxis(asse);
}

}  // namespace

QValueAxis* AsseNumeri(QChart* grafico, const QString& titolo, Qt::Alignment lato)
{
    auto* asse = new QValueAxis;
    asse->setTitleText(titolo);
    asse->setLabelFormat(QStringLiteral("%.0f"));
    grafico->addAxis(asse, lato);
    return asse;
}

GraficoPiano::GraficoPiano(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graficoPiano"));
    auto* impaginazione = new QHBoxLayout(this);
    impaginazione->setContentsMargins(0, 0, 0, 0);
    QChart* graficoDebito = CreaGrafico(QStringLiteral("Debito residuo"), this, impaginazione, true);
    graficoInteressi = CreaGrafico(QStringLiteral("Interessi per anno"), this, impaginazione, false);
    assi = {AsseNumeri(graficoDebito, QStringLiteral("Rata"), Qt::AlignBottom),
            AsseNumeri(graficoDebito, QStringLiteral("Debito"), Qt::AlignLeft),
            AsseNumeri(graficoInteressi, QStringLiteral("Anno"), Qt::AlignBottom),
            AsseNumeri(graficoInteressi, QStringLiteral("Interessi"), Qt::AlignLeft)};
    for (std::size_t i = 0; i < 2; ++i) {
        debito[i] = new QLineSeries(this);
        Aggiungi(graficoDebito, debito[i], Nomi[i]);
    }
}

void GraficoPiano::Mostra(const pianoamm::Piano* piano, const pianoamm::Simulazione* simulato)
{
    if (piano) {
        importo = std::max(piano->mutuo.importo, 1.0);
        primoAnno = piano->righe.front().scadenza.anno;
    }
    const Estremi delPiano = Serie(0, piano, nullptr);
    const Estremi simulazione = Serie(1, simulato ? &simulato->piano : nullptr, simulato);
    assi[0]->setRange(0, std::max(delPiano.rate, simulazione.rate));
    assi[1]->setRange(0, importo);
    assi[2]->setRange(primoAnno - 0.5, std::max(delPiano.ultimoAnno, simulazione.ultimoAnno) + 0.5);
    assi[3]->setRange(0, std::max(delPiano.interessi, simulazione.interessi));
    assi[1]->applyNiceNumbers();
    assi[3]->applyNiceNumbers();
    // With no figures the charts are blank, not scales about nothing.
    for (QValueAxis* asse : assi)
        asse->setVisible(piano || simulato);
}

GraficoPiano::Estremi GraficoPiano::Serie(std::size_t i, const pianoamm::Piano* piano,
                                          const pianoamm::Simulazione* simulazione)
{
    if (interessi[i]) {
        graficoInteressi->removeSeries(interessi[i]);
        delete std::exchange(interessi[i], nullptr);
    }
    Estremi estremi{1, primoAnno, 1};
    // With no figures the line leaves the legend too.
    debito[i]->setVisible(piano != nullptr);
    for (QLegendMarker* voce : debito[i]->chart()->legend()->markers(debito[i]))
        voce->setVisible(piano != nullptr);
    if (!piano)
        return estremi;
    debito[i]->replace(Debito(*piano, simulazione));
    // The plan's bar left of the year, the simulation's right of it.
    const QList<QPointF> barre = Barre(*piano, i == 0 ? -0.4 : 0, i == 0 ? 0 : 0.4);
    auto* contorno = new QLineSeries;
    contorno->replace(barre);
    interessi[i] = new QAreaSeries(contorno);
    contorno->setParent(interessi[i]);
    Aggiungi(graficoInteressi, interessi[i], Nomi[i]);
    interessi[i]->setColor(debito[i]->color());
    interessi[i]->setBorderColor(debito[i]->color());
    estremi.rate = static_cast<double>(piano->righe.size());
    for (const QPointF& punto : barre) {
        estremi.interessi = std::max(estremi.interessi, punto.y());
        estremi.ultimoAnno = std::max(estremi.ultimoAnno, std::floor(punto.x() + 0.5));
    }
    return estremi;
}

}  // namespace pianoamm

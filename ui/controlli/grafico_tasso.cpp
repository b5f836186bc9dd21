#include "ui/controlli/grafico_tasso.h"

#include "ui/controlli/assi_grafico.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QLineSeries>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace pianoamm {

namespace {

const QString Titolo = QStringLiteral("Tasso e rata");

}  // namespace

GraficoTasso::GraficoTasso(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("graficoTasso"));
    chart()->setTitle(Titolo);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    setAccessibleName(QStringLiteral("Grafico: ") + Titolo);
    viewport()->setAccessibleName(accessibleName());
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 240);
    assi = {AsseEtichette(chart(), QStringLiteral("Scadenza"), Qt::AlignBottom),
            AsseEtichette(chart(), QStringLiteral("Rata"), Qt::AlignLeft),
            AsseEtichette(chart(), QStringLiteral("Tasso"), Qt::AlignRight)};
    rata = new QLineSeries(this);
    tasso = new QLineSeries(this);
    const std::tuple<QLineSeries*, QString, QCategoryAxis*> linee[] = {{rata, QStringLiteral("Rata"), assi[1]},
                                                                       {tasso, QStringLiteral("Tasso annuo"), assi[2]}};
    for (const auto& linea : linee) {
        QLineSeries* serie = std::get<0>(linea);
        serie->setName(std::get<1>(linea));
        chart()->addSeries(serie);
        serie->attachAxis(assi[0]);
        serie->attachAxis(std::get<2>(linea));
        connect(serie, &QLineSeries::hovered, this,
                [this, serie](const QPointF& punto, bool sopra) { Suggerisci(serie, punto, sopra); });
    }
}

void GraficoTasso::Mostra(const pianoamm::Piano& piano)
{
    QList<QPointF> rate;
    QList<QPointF> tassi;
    const int ultima = UltimaRata(piano.righe);
    for (const RigaPiano& riga : piano.righe) {
        const double quando = AnnoDi(riga.scadenza);
        rate.append({quando, Pagato(riga) - (riga.numero == ultima ? piano.mutuo.condizioni.maxiRata : 0)});
        tassi.append({quando, riga.tassoAnnuo});
    }
    rata->replace(rate);
    tasso->replace(tassi);
    const auto massimo = [](const QList<QPointF>& punti) { return std::ranges::max(punti, {}, &QPointF::y).y(); };
    ScalaAnni(assi[0], std::floor(rate.front().x()), std::ceil(rate.back().x()));
    ScalaEuro(assi[1], massimo(rate));
    ScalaPercento(assi[2], massimo(tassi));
    chart()->setTitle(Titolo + QStringLiteral(" – ") + DescrizioneMutuo(piano.mutuo));
    const auto minimo = [](const QList<QPointF>& punti) { return std::ranges::min(punti, {}, &QPointF::y).y(); };
    setAccessibleDescription(
        chart()->title()
        + QStringLiteral(": tasso tra %1 e %2, rata tra %3 e %4")
              .arg(Percento(minimo(tassi)), Percento(massimo(tassi)), Euro(minimo(rate)), Euro(massimo(rate))));
    viewport()->setAccessibleDescription(accessibleDescription());
}

void GraficoTasso::Suggerisci(QLineSeries* serie, QPointF punto, bool sopra) const
{
    const QList<QPointF> punti = serie->points();
    if (!sopra || punti.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    const QPointF vicino =
        *std::ranges::min_element(punti, {}, [&punto](const QPointF& p) { return std::fabs(p.x() - punto.x()); });
    QToolTip::showText(QCursor::pos(),
                       MeseDi(vicino.x()) + QStringLiteral(": ")
                           + (serie == tasso ? Percento(vicino.y()) : Euro(vicino.y())),
                       viewport());
}

}  // namespace pianoamm

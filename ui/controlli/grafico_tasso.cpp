#include "ui/controlli/grafico_tasso.h"

#include "ui/controlli/assi_grafico.h"

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
    titolo = new TitoloGrafico(chart());
    assi = {new AsseGrafico(chart(), QStringLiteral("Scadenza"), Qt::AlignBottom),
            new AsseGrafico(chart(), QStringLiteral("Rata"), Qt::AlignLeft),
            new AsseGrafico(chart(), QStringLiteral("Tasso"), Qt::AlignRight)};
    rata = new QLineSeries(this);
    tasso = new QLineSeries(this);
    const std::tuple<QLineSeries*, QString, AsseGrafico*> linee[] = {{rata, QStringLiteral("Rata"), assi[1]},
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
    assi[0]->ScalaAnni(std::floor(rate.front().x()), std::ceil(rate.back().x()));
    assi[1]->ScalaEuro(massimo(rate));
    assi[2]->ScalaPercento(massimo(tassi));
    const QString intestazione = Titolo + QStringLiteral(" – ") + DescrizioneMutuo(piano.mutuo);
    titolo->Imposta(intestazione);
    const auto minimo = [](const QList<QPointF>& punti) { return std::ranges::min(punti, {}, &QPointF::y).y(); };
    setAccessibleDescription(
        intestazione
        + QStringLiteral(": tasso tra %1 e %2, rata tra %3 e %4")
              .arg(Percento(minimo(tassi)), Percento(massimo(tassi)), Euro(minimo(rate)), Euro(massimo(rate))));
    viewport()->setAccessibleDescription(accessibleDescription());
}

bool GraficoTasso::viewportEvent(QEvent* evento)
{
    // Once the mouse rests, the scene answers the help event with the
    // items' own tips, which are none: it would hide the point's.
    return evento->type() == QEvent::ToolTip || QChartView::viewportEvent(evento);
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

#pragma once

// Charts drawn afresh for paper and pictures: laid out on about a screen's
// width and scaled, so that their lettering keeps its proportion at any
// resolution, whatever the window's size on screen.

#include <QImage>
#include <QRectF>
#include <QSize>

class QChartView;
class QPainter;

namespace pianoamm {

// A white picture of dimensione pixels.
QImage Bianca(QSize dimensione);

// How much a layout larghezza pixels wide is scaled up to fill dimensione.
double Scala(QSize dimensione, double larghezza);

// The chart of vista laid out on pagina and drawn into dove; on screen it
// stays as it was.
void DisegnaVista(QPainter& pittore, const QChartView& vista, QSizeF pagina, const QRectF& dove);

// The chart of vista alone across a picture of dimensione pixels, laid out
// larghezza pixels wide: 720 for a chart alone on a page, near the
// listing's lettering.
QImage ImmagineVista(const QChartView& vista, QSize dimensione, double larghezza = 720);

}  // namespace pianoamm

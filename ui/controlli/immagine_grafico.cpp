#include "ui/controlli/immagine_grafico.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>

namespace pianoamm {

QImage Bianca(QSize dimensione)
{
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::white);
    return immagine;
}

double Scala(QSize dimensione, double larghezza)
{
    return std::max(1.0, dimensione.width() / larghezza);
}

void DisegnaVista(QPainter& pittore, const QChartView& vista, QSizeF pagina, const QRectF& dove)
{
    pittore.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QChart* grafico = vista.chart();
    const QSizeF prima = grafico->size();
    grafico->resize(pagina);
    grafico->layout()->activate();
    vista.scene()->render(&pittore, dove, QRectF(grafico->pos(), pagina));
    grafico->resize(prima);
    grafico->layout()->activate();
}

QImage ImmagineVista(const QChartView& vista, QSize dimensione, double larghezza)
{
    QImage immagine = Bianca(dimensione);
    QPainter pittore(&immagine);
    DisegnaVista(pittore, vista, QSizeF(dimensione) / Scala(dimensione, larghezza),
                 QRectF(QPointF(0, 0), QSizeF(dimensione)));
    return immagine;
}

}  // namespace pianoamm

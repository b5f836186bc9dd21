#include "ui/controlli/testo_guida.h"

#include <QImage>
#include <QScrollBar>

namespace pianoamm {

TestoGuida::TestoGuida(QWidget* parent) : QTextBrowser(parent)
{
    // The guide is the program's own: nothing in it leaves for a browser.
    setOpenExternalLinks(false);
}

QVariant TestoGuida::loadResource(int tipo, const QUrl& indirizzo)
{
    QVariant risorsa = QTextBrowser::loadResource(tipo, indirizzo);
    if (tipo != QTextDocument::ImageResource)
        return risorsa;
    auto immagine = risorsa.value<QImage>();
    if (immagine.isNull())
        immagine.loadFromData(risorsa.toByteArray());
    const int larghezza = viewport()->width() - 2 * static_cast<int>(document()->documentMargin())
                          - verticalScrollBar()->sizeHint().width();
    // Drawn with the screen's own pixels, so that a smaller picture stays
    // sharp on a high-density screen.
    if (larghezza > 0 && immagine.width() > larghezza) {
        const qreal densita = devicePixelRatioF();
        immagine = immagine.scaledToWidth(qRound(larghezza * densita), Qt::SmoothTransformation);
        immagine.setDevicePixelRatio(densita);
    }
    return immagine;
}

}  // namespace pianoamm

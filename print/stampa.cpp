#include "print/stampa.h"

#include "engine/errore.h"
#include "file/file_sicuro.h"
#include "print/impaginazione.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include <algorithm>
#include <utility>

namespace pianoamm {

namespace {

QFont FontStampa()
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPointSizeF(10);
    return font;
}

// The line's glyphs, each a column wide, but for the blanks: they draw
// nothing, yet they are half of a listing's characters and the PDF would
// write each one.
QGlyphRun GlifiDellaRiga(const QRawFont& carattere, quint32 bianco, qreal passo, const QString& riga)
{
    const QList<quint32> indici = carattere.glyphIndexesForString(riga);
    QList<quint32> visibili;
    QList<QPointF> posizioni;
    for (qsizetype colonna = 0; colonna < indici.size(); ++colonna) {
        if (indici.at(colonna) != bianco) {
            visibili.append(indici.at(colonna));
            posizioni.append(QPointF(static_cast<qreal>(colonna) * passo, 0));
        }
    }
    QGlyphRun glifi;
    glifi.setRawFont(carattere);
    glifi.setGlyphIndexes(visibili);
    glifi.setPositions(posizioni);
    return glifi;
}

// The sheets the pages go on: the pages are numbered as they come, and only
// those of the range chosen (all of them when it is empty) take a sheet and
// are drawn, so that a range prints as those pages would in the whole.
class Fogli {
public:
    Fogli(QPagedPaintDevice& uscita, QPageRanges scelta) : dispositivo(uscita), scelte(std::move(scelta)) {}

    // The next page begun: whether it is drawn.
    bool Prossima()
    {
        ++numero;
        if (guasto || (!scelte.isEmpty() && !scelte.contains(numero)))
            return false;
        guasto = usati++ > 0 && !dispositivo.newPage();
        return !guasto;
    }
    bool Guasto() const { return guasto; }

private:
    QPagedPaintDevice& dispositivo;
    QPageRanges scelte;
    int numero = 0;
    int usati = 0;
    bool guasto = false;
};

// The pictures after the text, the painter's origin at the top-left corner
// of the printable area: each as large as that area takes it, its
// proportions kept, centred across; one under another 5 mm apart, a page
// started for one that does not fit.
void DisegnaImmagini(QPainter& pittore, QPagedPaintDevice& dispositivo, Fogli& fogli, const QList<QImage>& immagini)
{
    pittore.resetTransform();
    // Lines and lettering: JPEG's blur would only spoil them.
    pittore.setRenderHints(QPainter::LosslessImageRendering | QPainter::SmoothPixmapTransform);
    const QSizeF area(dispositivo.width(), dispositivo.height());
    const qreal spazio = 5 / 25.4 * dispositivo.logicalDpiY();
    qreal sotto = -1;  // how far down the page is taken; none begun yet
    bool disegnata = false;
    for (const QImage& immagine : immagini) {
        const QSizeF misura = QSizeF(immagine.size()).scaled(area, Qt::KeepAspectRatio);
        if (sotto > 0 && sotto + spazio + misura.height() <= area.height()) {
            sotto += spazio;
        } else if (sotto != 0) {
            disegnata = fogli.Prossima();
            sotto = 0;
        }
        if (disegnata)
            pittore.drawImage(QRectF(QPointF((area.width() - misura.width()) / 2, sotto), misura), immagine);
        sotto += misura.height();
    }
}

}  // namespace

bool DisegnaPagine(QPagedPaintDevice& dispositivo, const QList<QStringList>& pagine, const QList<QImage>& immagini,
                   const QPageRanges& scelte)
{
    QPainter pittore;
    if (!pittore.begin(&dispositivo))
        return false;
    const QFont font = FontStampa();
    const QFontMetricsF metriche(font, &dispositivo);
    // The font is monospace: every character is one glyph's advance wide, so
    // the line with the most characters is the widest, and the glyphs take
    // their places without the lines being shaped.
    QRawFont carattere = QRawFont::fromFont(font);
    carattere.setPixelSize(font.pointSizeF() * dispositivo.logicalDpiY() / 72);
    const quint32 bianco = carattere.glyphIndexesForString(QStringLiteral(" ")).value(0);
    const qreal passo = metriche.horizontalAdvance(QLatin1Char(' '));
    qsizetype colonne = 0;
    for (const auto& pagina : pagine) {
        for (const auto& riga : pagina)
            colonne = std::max(colonne, riga.size());
    }

    // The painter's origin is the top-left corner of the printable area.
    const qreal larghezzaMassima = passo * static_cast<qreal>(colonne);
    const qreal scala = larghezzaMassima > dispositivo.width() ? dispositivo.width() / larghezzaMassima : 1.0;
    pittore.scale(scala, scala);
    const qreal altezza = dispositivo.height() / scala;
    const qreal interlinea = std::min(metriche.lineSpacing(), (altezza - metriche.descent()) / RighePerPagina);

    Fogli fogli(dispositivo, scelte);
    for (const auto& pagina : pagine) {
        if (!fogli.Prossima())
            continue;
        for (qsizetype r = 0; r < pagina.size(); ++r) {
            pittore.drawGlyphRun(QPointF(0, metriche.ascent() + static_cast<qreal>(r) * interlinea),
                                 GlifiDellaRiga(carattere, bianco, passo, pagina.at(r)));
        }
    }
    DisegnaImmagini(pittore, dispositivo, fogli, immagini);
    return pittore.end() && !fogli.Guasto();
}

QByteArray DocumentoPdf(const QList<QStringList>& pagine, const QPageLayout& formato, const QList<QImage>& immagini,
                        const QPageRanges& scelte)
{
    QByteArray documento;
    QBuffer memoria(&documento);
    memoria.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&memoria);
        pdf.setTitle(QStringLiteral("Piano d'ammortamento"));
        pdf.setCreator(QStringLiteral("Piano d'ammortamento"));
        pdf.setPageLayout(formato);
        if (!DisegnaPagine(pdf, pagine, immagini, scelte))
            return {};
    }
    return documento;
}

QPageLayout FormatoPdf()
{
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 12, 10, 12), QPageLayout::Millimeter};
}

QByteArray DocumentoPdfA4(const QList<QStringList>& pagine, const QList<QImage>& immagini)
{
    QByteArray documento = DocumentoPdf(pagine, FormatoPdf(), immagini);
    if (documento.isEmpty())
        throw pianoamm::ErrorePiano("Impossibile comporre il documento PDF.");
    return documento;
}

void ScriviPdf(const std::string& percorso, const QList<QStringList>& pagine, const QList<QImage>& immagini)
{
    const QByteArray documento = DocumentoPdfA4(pagine, immagini);
    pianoamm::ScriviFileSicuro(percorso,
                               std::string_view(documento.constData(), static_cast<std::size_t>(documento.size())));
}

}  // namespace pianoamm

#include "print/stampa.h"

#include "engine/errore.h"
#include "file/file_sicuro.h"
#include "print/impaginazione.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include <algorithm>

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

}  // namespace

bool DisegnaPagine(QPagedPaintDevice& dispositivo, const QList<QStringList>& pagine)
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

    for (qsizetype p = 0; p < pagine.size(); ++p) {
        if (p > 0 && !dispositivo.newPage()) {
            pittore.end();
            return false;
        }
        const auto& pagina = pagine.at(p);
        for (qsizetype r = 0; r < pagina.size(); ++r) {
            pittore.drawGlyphRun(QPointF(0, metriche.ascent() + static_cast<qreal>(r) * interlinea),
                                 GlifiDellaRiga(carattere, bianco, passo, pagina.at(r)));
        }
    }
    return pittore.end();
}

QByteArray DocumentoPdf(const QList<QStringList>& pagine, const QPageLayout& formato)
{
    QByteArray documento;
    QBuffer memoria(&documento);
    memoria.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&memoria);
        pdf.setTitle(QStringLiteral("Piano d'ammortamento"));
        pdf.setCreator(QStringLiteral("Piano d'ammortamento"));
        pdf.setPageLayout(formato);
        if (!DisegnaPagine(pdf, pagine))
            return {};
    }
    return documento;
}

QPageLayout FormatoPdf()
{
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 12, 10, 12), QPageLayout::Millimeter};
}

QByteArray DocumentoPdfA4(const QList<QStringList>& pagine)
{
    QByteArray documento = DocumentoPdf(pagine, FormatoPdf());
    if (documento.isEmpty())
        throw pianoamm::ErrorePiano("Impossibile comporre il documento PDF.");
    return documento;
}

void ScriviPdf(const std::string& percorso, const QList<QStringList>& pagine)
{
    const QByteArray documento = DocumentoPdfA4(pagine);
    pianoamm::ScriviFileSicuro(percorso,
                               std::string_view(documento.constData(), static_cast<std::size_t>(documento.size())));
}

}  // namespace pianoamm

#include "print/stampa.h"

#include "engine/errore.h"
#include "print/file_sicuro.h"
#include "print/impaginazione.h"

#include <QBuffer>

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

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

}  // namespace

bool DisegnaPagine(QPagedPaintDevice& dispositivo, const QList<QStringList>& pagine)
{
    QPainter pittore;
    if (!pittore.begin(&dispositivo))
        return false;
    const QFont font = FontStampa();
    pittore.setFont(font);
    const QFontMetricsF metriche(font, &dispositivo);

    // The painter's origin is the top-left corner of the printable area.
    qreal larghezzaMassima = 0;
    for (const auto& pagina : pagine) {
        for (const auto& riga : pagina)
            larghezzaMassima = std::max(larghezzaMassima, metriche.horizontalAdvance(riga));
    }
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
        for (qsizetype r = 0; r < pagina.size(); ++r)
            pittore.drawText(QPointF(0, metriche.ascent() + static_cast<qreal>(r) * interlinea), pagina.at(r));
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

void ScriviPdf(const std::string& percorso, const QList<QStringList>& pagine)
{
    const QByteArray documento = DocumentoPdf(pagine, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                                  QMarginsF(10, 12, 10, 12), QPageLayout::Millimeter));
    if (documento.isEmpty())
        throw pianoamm::ErrorePiano("Impossibile comporre il documento PDF.");
    pianoamm::ScriviFileSicuro(percorso,
                               std::string_view(documento.constData(), static_cast<std::size_t>(documento.size())));
}

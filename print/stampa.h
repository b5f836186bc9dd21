#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPageRanges>
#include <QStringList>

#include <string>

class QPageLayout;
class QPagedPaintDevice;

namespace pianoamm {

// Draws the pages on a printer or a PDF writer in bold Courier New at 10
// points (Liberation Mono where Courier New is missing), one printed line per
// text line; a character the font lacks prints as its empty box, no other
// font standing in. Should 65 lines not fit the printable height, the line
// spacing is tightened just enough; should the longest line not fit the
// width, the whole page is scaled down to fit. Then the pictures, on pages of
// their own, one under another in order: each as wide as the printable area,
// or as high where the page is not high enough, its proportions kept; a
// picture that does not fit under the one before starts a page. Of those
// pages only the ones scelte numbers (from 1) are drawn, all when it is empty.
// False when the device refuses the job or a page.
bool DisegnaPagine(QPagedPaintDevice& dispositivo, const QList<QStringList>& pagine, const QList<QImage>& immagini = {},
                   const QPageRanges& scelte = {});

// The pages, then the pictures, as a PDF document in memory, only those
// scelte numbers when it numbers any; empty when they cannot be drawn.
QByteArray DocumentoPdf(const QList<QStringList>& pagine, const QPageLayout& formato,
                        const QList<QImage>& immagini = {}, const QPageRanges& scelte = {});

// A4 paper with the margins of a saved PDF.
QPageLayout FormatoPdf();

// The pages, then the pictures, as a PDF document on A4 paper, as saved.
// Throws ErrorePiano when they cannot be drawn.
QByteArray DocumentoPdfA4(const QList<QStringList>& pagine, const QList<QImage>& immagini = {});

// The pages, then the pictures, as a PDF file on A4 paper, written whole or
// not at all (see FileSicuro). Throws ErrorePiano with the reason.
void ScriviPdf(const std::string& percorso, const QList<QStringList>& pagine, const QList<QImage>& immagini = {});

}  // namespace pianoamm

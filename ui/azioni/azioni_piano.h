#pragma once

// What the results page does with the plan it shows. Each reads the one
// computed plan or its listing, never the list's text, so that what is
// printed, saved and copied is what was computed. Every failure is told to
// the user in a message over finestra; none is thrown.

#include "engine/listato.h"
#include "engine/piano.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <functional>
#include <string>

class QPixmap;
class QWidget;

namespace pianoamm {

// Runs azione; what the engine refuses on the way is told over finestra.
void EseguiOAvvisa(QWidget* finestra, const std::function<void()>& azione);

// The main window's print: after asking, on the default printer; where there
// is none, or the print service refuses the job, says why and offers to save
// the same pages as PDF.
void StampaDopoDomanda(QWidget* finestra, const QList<QStringList>& pagine);

// Every other window's: the print dialog (printer, copies, pages, or a PDF
// file, which is all it offers with no printer installed, first named nome),
// with its Anteprima… beside it; the job's failure told. The pictures, charts
// as GraficoPiano::Immagini draws them, are printed after the pages, on pages
// of their own (see DisegnaPagine).
void StampaPagine(QWidget* finestra, const QList<QStringList>& pagine, const QList<QImage>& immagini = {},
                  const QString& nome = QStringLiteral("piano.pdf"));

// The printout's pages, to a PDF file the user chooses.
void SalvaListatoPdf(QWidget* finestra, const pianoamm::Listato& listato);

// Pages of plain lines, as Impagina gives them, then the pictures, to a PDF
// file the user chooses, first offered as nome.
void SalvaPaginePdf(QWidget* finestra, const QString& nome, const QList<QStringList>& pagine,
                    const QList<QImage>& immagini = {});

// A CSV text, to a file the user chooses, first offered as nome.
void SalvaCsv(QWidget* finestra, const QString& nome, const std::string& csv);

// The listing's lines numbered righe, in listing order, or all of them when
// none is given, to the clipboard.
void CopiaRighe(const pianoamm::Listato& listato, QList<int> righe);

// A picture, to a PNG file the user chooses.
void SalvaImmagine(QWidget* finestra, const QPixmap& immagine);

// The plan's charts, in a dialog that prints them, saves them as PDF or
// saves their picture.
void MostraGrafico(QWidget* finestra, const pianoamm::Piano& piano);

// The interest, capital and total paid in each calendar year, in a dialog.
void MostraInteressiPerAnno(QWidget* finestra, const pianoamm::Piano& piano);

}  // namespace pianoamm

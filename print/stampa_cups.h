#pragma once

#include <QImage>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

namespace pianoamm {

// Hands the pages, then the pictures (see DisegnaPagine), to the print service for queue coda (the default queue
// when empty) and returns once the service has accepted the job. Throws pianoamm::ErrorePiano (engine/errore.h) with an
// Italian sentence when there is no default queue, the service knows no queue by that name, or it refuses or fails the
// job.
void StampaSuCoda(const QString& coda, const QList<QStringList>& pagine, const QList<QImage>& immagini = {});

// As the print dialog left stampante: the pages of its range, on its paper, so many copies to its queue as
// StampaSuCoda hands them; or, where it writes a PDF file, that file, written whole or not at all (see FileSicuro).
// Throws pianoamm::ErrorePiano as they do.
void StampaSuStampante(const QPrinter& stampante, const QList<QStringList>& pagine, const QList<QImage>& immagini = {});

}  // namespace pianoamm

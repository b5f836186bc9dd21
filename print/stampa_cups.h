#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace pianoamm {

// Hands the pages, then the pictures (see DisegnaPagine), to the print service for queue coda (the default queue
// when empty) and returns once the service has accepted the job. Throws pianoamm::ErrorePiano (engine/errore.h) with an
// Italian sentence when there is no default queue, the service knows no queue by that name, or it refuses or fails the
// job.
void StampaSuCoda(const QString& coda, const QList<QStringList>& pagine, const QList<QImage>& immagini = {});

}  // namespace pianoamm

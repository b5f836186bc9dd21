#include "print/testo_qt.h"

#include "engine/visibile.h"

namespace pianoamm {

QString TestoQt(std::string_view testo)
{
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

QString TestoVisibile(const QString& testo)
{
    return TestoQt(Visibile(testo.toStdString()));
}

QStringList RigheDelListato(const Listato& listato)
{
    QStringList righe;
    righe.reserve(static_cast<qsizetype>(listato.NumeroRighe()));
    for (std::size_t i = 0; i < listato.NumeroRighe(); ++i)
        righe.append(TestoQt(listato[i]));
    return righe;
}

}  // namespace pianoamm

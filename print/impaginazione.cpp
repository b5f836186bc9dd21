#include "print/impaginazione.h"

#include "engine/calcolo.h"

QList<QStringList> Impagina(const QStringList& righe)
{
    const QString margine(5, QLatin1Char(' '));
    QList<QStringList> pagine;
    if (righe.isEmpty())
        return pagine;
    pagine.append(QStringList());
    for (qsizetype k = 0; k < righe.size(); ++k) {
        pagine.last().append(margine + righe.at(k));
        if (pagine.last().size() == RighePerPagina && k + 1 < righe.size()) {
            pagine.append({QStringLiteral(" "), margine + righe.value(pianoamm::RigaTitoliColonne),
                           margine + righe.value(pianoamm::RigaSottolineatura)});
        }
    }
    return pagine;
}

QStringList RigheDelListato(const pianoamm::Listato& listato)
{
    QStringList righe;
    righe.reserve(static_cast<qsizetype>(listato.size()));
    for (std::size_t i = 0; i < listato.size(); ++i) {
        const auto riga = listato[i];
        righe.append(QString::fromUtf8(riga.data(), static_cast<qsizetype>(riga.size())));
    }
    return righe;
}

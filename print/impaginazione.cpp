#include "print/impaginazione.h"

QList<QStringList> Impagina(const QStringList& righe, const QStringList& intestazione)
{
    const QString margine(5, QLatin1Char(' '));
    QList<QStringList> pagine;
    for (const QString& riga : righe) {
        if (pagine.isEmpty()) {
            pagine.append(QStringList());
        } else if (pagine.last().size() == RighePerPagina) {
            QStringList nuova{QStringLiteral(" ")};
            for (const QString& titolo : intestazione)
                nuova.append(margine + titolo);
            pagine.append(nuova);
        }
        pagine.last().append(margine + riga);
    }
    return pagine;
}

QList<QStringList> PagineDelListato(const pianoamm::Listato& listato)
{
    return Impagina(RigheDelListato(listato), {TestoQt(pianoamm::TitoliColonne), TestoQt(pianoamm::Sottolineatura)});
}

QStringList RigheDelListato(const pianoamm::Listato& listato)
{
    QStringList righe;
    righe.reserve(static_cast<qsizetype>(listato.NumeroRighe()));
    for (std::size_t i = 0; i < listato.NumeroRighe(); ++i)
        righe.append(TestoQt(listato[i]));
    return righe;
}

QString TestoQt(std::string_view testo)
{
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

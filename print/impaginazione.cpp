#include "print/impaginazione.h"

#include "print/testo_qt.h"

namespace pianoamm {

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

QList<QStringList> PagineDelListato(const Listato& listato)
{
    // A report that is not a plan's listing has no heading to repeat.
    const std::size_t titoli = listato.RigaTitoli();
    if (titoli + 1 >= listato.NumeroRighe())
        return Impagina(RigheDelListato(listato), {});
    return Impagina(RigheDelListato(listato), {TestoQt(listato[titoli]), TestoQt(listato[titoli + 1])});
}

}  // namespace pianoamm

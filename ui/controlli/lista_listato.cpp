#include "ui/controlli/lista_listato.h"

#include "print/testo_qt.h"

#include <QListWidget>

#include <algorithm>

namespace pianoamm {

void MostraNellaLista(QListWidget* lista, const Listato& listato)
{
    std::size_t caratteri = 0;
    for (std::size_t linea = 0; linea < listato.NumeroRighe(); ++linea)
        caratteri = std::max(caratteri, listato[linea].size());
    lista->clear();
    lista->setUniformItemSizes(caratteri <= 80);
    lista->addItems(RigheDelListato(listato));
    // A screen reader says a line of spaces as nothing at all.
    for (int riga = 0; riga < lista->count(); ++riga)
        if (lista->item(riga)->text().trimmed().isEmpty())
            lista->item(riga)->setData(Qt::AccessibleTextRole, QStringLiteral("riga vuota"));
}

}  // namespace pianoamm

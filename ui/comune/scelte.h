#pragma once

// A closed set's table (engine/voce.h) in a combo box: each value's label
// shown, the value itself as the item's data, its help as the item's tip.

#include "print/testo_qt.h"

#include <QComboBox>
#include <QVariant>

namespace pianoamm {

template <class Tabella, class Valore>
void RiempiScelte(QComboBox* scelte, const Tabella& voci, Valore corrente)
{
    for (const auto& voce : voci) {
        scelte->addItem(TestoQt(voce.etichetta), QVariant::fromValue(voce.valore));
        scelte->setItemData(scelte->count() - 1, TestoQt(voce.aiuto), Qt::ToolTipRole);
        if (voce.valore == corrente)
            scelte->setCurrentIndex(scelte->count() - 1);
    }
}

template <class Valore>
Valore ValoreScelto(const QComboBox* scelte)
{
    return scelte->currentData().value<Valore>();
}

// Each value's label and help, in sentences: "Francese: rata costante.
// Italiano: …".
template <class Tabella>
QString SpiegazioneVoci(const Tabella& voci)
{
    QStringList frasi;
    for (const auto& voce : voci)
        frasi << TestoQt(voce.etichetta) + QStringLiteral(": ") + TestoQt(voce.aiuto) + QLatin1Char('.');
    return frasi.join(QLatin1Char(' '));
}

}  // namespace pianoamm

#pragma once

#include "ui/controlli/modello_tabella.h"

class QHeaderView;

namespace pianoamm {

// The comparison's table, the offers' names in its heading shortened in
// the middle to their column: names of one bank's offers often share their
// start, and their end tells them apart. The whole name is the heading's
// tip and what a screen reader says of it.
class ModelloConfronto : public ModelloTabella {
public:
    explicit ModelloConfronto(QObject* parent) : ModelloTabella(true, false, parent) {}

    // The heading the names are fitted to; they follow its columns' widths.
    void Adatta(QHeaderView* vista);

    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override;

private:
    QHeaderView* intestazione = nullptr;
};

}  // namespace pianoamm

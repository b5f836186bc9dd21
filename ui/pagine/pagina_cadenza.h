#pragma once

#include "engine/cadenza.h"

#include <QWidget>

class QButtonGroup;

namespace pianoamm {

// The wizard's second page: how often the installments fall due, one option
// for each frequency the engine knows, monthly first and chosen.
class PaginaCadenza : public QWidget {
    Q_OBJECT

public:
    explicit PaginaCadenza(QWidget* parent);

    pianoamm::Cadenza Scelta() const;

private:
    // Each option's id is its place in pianoamm::Cadenze.
    QButtonGroup* opzioniCadenza;
};

}  // namespace pianoamm

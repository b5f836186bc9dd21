#pragma once

#include "engine/cadenza.h"
#include "engine/condizioni.h"

#include <QWidget>

#include <functional>

class QButtonGroup;
class QPushButton;

namespace pianoamm {

// The wizard's second page: how often the installments fall due, one option
// for each frequency the engine knows, monthly first and chosen; and the
// plan's other terms, in their own dialog, kept for the session.
class PaginaCadenza : public QWidget {
    Q_OBJECT

public:
    explicit PaginaCadenza(QWidget* parent);

    pianoamm::Cadenza Scelta() const;
    void Scegli(pianoamm::Cadenza cadenza);
    const Condizioni& CondizioniScelte() const { return condizioni; }
    void ImpostaCondizioni(const Condizioni& nuove) { condizioni = nuove; }
    // Where the terms learn the loan's amount, which a balloon must stay
    // below.
    void ImpostaImporto(std::function<double()> fonte) { importo = std::move(fonte); }

private:
    void ScegliCondizioni();

    // Each option's id is its place in pianoamm::Cadenze.
    QButtonGroup* opzioniCadenza;
    QPushButton* cmdCondizioni;
    Condizioni condizioni;
    std::function<double()> importo = [] { return 0.0; };
};

}  // namespace pianoamm

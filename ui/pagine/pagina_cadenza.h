#pragma once

#include <QWidget>

class QButtonGroup;
class QPushButton;

namespace pianoamm {

class ModelloOfferta;

// The wizard's second page: how often the installments fall due, one option
// for each frequency the engine knows, monthly first and chosen; and the
// plan's other terms, in their own dialog.
class PaginaCadenza : public QWidget {
    Q_OBJECT

public:
    PaginaCadenza(ModelloOfferta& modello, QWidget* parent);

private:
    void ScegliCondizioni();
    // The loan's frequency, chosen.
    void Mostra();

    // Each option's id is its place in pianoamm::Cadenze.
    QButtonGroup* opzioniCadenza;
    QPushButton* cmdCondizioni;
    ModelloOfferta& offerta;
};

}  // namespace pianoamm

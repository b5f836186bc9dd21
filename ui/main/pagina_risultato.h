#pragma once

#include "engine/listato.h"
#include "engine/piano.h"

#include <QWidget>

#include <optional>

class QListWidget;

// The wizard's last page: the plan's listing, with the buttons to print it
// and to visit the maker's site, and a context menu to copy, save, export
// and sum it by year. Everything it does reads the plan it computed last.
class PaginaRisultato : public QWidget {
    Q_OBJECT

public:
    explicit PaginaRisultato(QWidget* parent);

    // Computes the plan anew and lists it. Where the engine refuses the loan
    // the user is told why, and the list stays empty.
    void ElaboraPiano(const pianoamm::Mutuo& mutuo);

private:
    void StampaPiano();
    void MenuContestuale(const QPoint& punto);

    QListWidget* listaPiano;
    // None while the list is empty.
    std::optional<pianoamm::Piano> piano;
    pianoamm::Listato listato;
};

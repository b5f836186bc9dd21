#pragma once

#include "engine/condizioni.h"

#include <QDialog>

class QComboBox;

namespace pianoamm {

// The plan's terms where banks differ, each with a line saying what it
// does; the defaults are the program's own rules.
class DlgCondizioni : public QDialog {
    Q_OBJECT

public:
    DlgCondizioni(const Condizioni& condizioni, QWidget* parent);

    Condizioni Scelte() const;

private:
    QComboBox* cboTassoPeriodo;
};

}  // namespace pianoamm

#pragma once

#include "engine/anni.h"

#include <QDialog>

#include <vector>

namespace pianoamm {

// The interest paid in each calendar year of the schedule, with the
// installments falling due, the capital repaid and the total paid, and a
// totals row: what a borrower copies into the yearly tax return.
class DlgInteressiAnno : public QDialog {
    Q_OBJECT

public:
    explicit DlgInteressiAnno(const std::vector<pianoamm::AnnoPiano>& anni, QWidget* parent);
};

}  // namespace pianoamm

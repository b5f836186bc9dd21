#pragma once

#include "engine/piano.h"

#include <QChartView>

class QLineSeries;

namespace pianoamm {

class AsseGrafico;
class TitoloGrafico;

// A variable rate's plan over time, beside the debt and the interest: the
// rate each row's interest was worked at, on the right in percent, and what
// each row pays, on the left in euros (a balloon apart), by due date. A
// point under the mouse tells its value.
class GraficoTasso : public QChartView {
    Q_OBJECT

public:
    explicit GraficoTasso(QWidget* parent);

    void Mostra(const pianoamm::Piano& piano);

protected:
    bool viewportEvent(QEvent* evento) override;

private:
    void Suggerisci(QLineSeries* serie, QPointF punto, bool sopra) const;

    QLineSeries* tasso;
    QLineSeries* rata;
    TitoloGrafico* titolo;
    std::array<AsseGrafico*, 3> assi{};  // due dates, installment, rate
};

}  // namespace pianoamm

#pragma once

#include "engine/simulazione.h"

#include <QWidget>

#include <array>

class QAreaSeries;
class QChart;
class QLineSeries;
class QValueAxis;

namespace pianoamm {

// A scale of whole numbers, titled, on the chart's given side.
QValueAxis* AsseNumeri(QChart* grafico, const QString& titolo, Qt::Alignment lato);

// The plan as two charts side by side: the debt left after each
// installment, and the interest paid in each calendar year. A simulation's
// figures go beside the plan's, in a second colour.
class GraficoPiano : public QWidget {
    Q_OBJECT

public:
    explicit GraficoPiano(QWidget* parent);

    // A plan's figures and a simulation's beside them; nothing for either
    // leaves its figures out.
    void Mostra(const pianoamm::Piano* piano, const pianoamm::Simulazione* simulato);

private:
    // How far a plan's figures go: installments, last year, most interest.
    struct Estremi {
        double rate;
        double ultimoAnno;
        double interessi;
    };
    // Draws piano as series i, or none; gives how far it goes.
    // The rows of a series; the simulation, when it is one, for its repayments.
    Estremi Serie(std::size_t i, const pianoamm::Piano* piano, const pianoamm::Simulazione* simulazione);

    // The plan's, then the simulation's. The lines are made once; the bars
    // are made anew, which is quicker than replacing the points of an area.
    std::array<QLineSeries*, 2> debito{};
    std::array<QAreaSeries*, 2> interessi{};
    QChart* graficoInteressi;
    double importo = 1;
    double primoAnno = 0;
    std::array<QValueAxis*, 4> assi{};  // rows, debt, years, interest
};

}  // namespace pianoamm

#pragma once

#include "engine/simulazione.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <map>

class QAreaSeries;
class QChart;
class QChartView;
class QLineSeries;

namespace pianoamm {

class AsseGrafico;
class TitoloGrafico;

// A picture for print: 16 × 9 cm at 300 dots per inch.
inline constexpr QSize DimensioneStampa{1890, 1063};

// The plan as two charts side by side: the debt left after each
// installment, by due date, and the interest paid in each calendar year. A
// simulation's figures go beside the plan's, in a second colour. Each title
// names the loan; a point or a bar under the mouse tells its value.
class GraficoPiano : public QWidget {
    Q_OBJECT

public:
    explicit GraficoPiano(QWidget* parent);

    // A plan's figures and a simulation's beside them; nothing for either
    // leaves its figures out.
    void Mostra(const pianoamm::Piano* piano, const pianoamm::Simulazione* simulato);

    // Both charts side by side, drawn afresh for a picture of dimensione
    // pixels: as sharp as print, whatever the window's size on screen.
    QImage Immagine(QSize dimensione) const;

    // Each chart alone, the debt's then the interest's, drawn afresh for a
    // picture of dimensione pixels: for print, one under the other, each
    // as wide as the page.
    QList<QImage> Immagini(QSize dimensione) const;

private:
    // How far a plan's figures go: its dates on the scale of years, its
    // first and last year of due dates, the most debt and interest.
    struct Estremi {
        double da;
        double a;
        int primoAnno;
        int ultimoAnno;
        double debito;
        double interessi;
    };
    // Draws piano as series i, or none; gives how far it goes. The
    // simulation, when it is one, for its repayments and its years; its bars
    // beside the plan's when affiancate.
    Estremi Serie(std::size_t i, const pianoamm::Piano* piano, const pianoamm::Simulazione* simulazione,
                  bool affiancate);
    // The bars of series i, from the years' interest.
    void Barre(std::size_t i, bool affiancate);
    // The titles, and for a screen reader what each chart shows.
    void Descrivi(const pianoamm::Piano* piano, const pianoamm::Simulazione* simulato);
    // What the mouse at dove, on the chart, rests on: the month and the debt
    // of the nearest point of a line, the year and the interest of a bar;
    // nothing away from them.
    QString SuggerimentoDebito(QPointF dove) const;
    QString SuggerimentoInteressi(QPointF dove) const;
    // Each move of the mouse over a chart tells what lies under it: Qt
    // Charts tells only when a series is entered, which a quick mouse can
    // skip from bar to bar and a line one pixel wide hardly gets.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

    // The plan's, then the simulation's. The lines are made once; the bars
    // are made anew, which is quicker than replacing the points of an area.
    std::array<QLineSeries*, 2> debito{};
    std::array<QAreaSeries*, 2> interessi{};
    std::array<std::map<int, double>, 2> interessiAnnui;
    std::array<QChartView*, 2> viste{};  // debt, interest
    std::array<TitoloGrafico*, 2> titoli{};
    std::array<AsseGrafico*, 4> assi{};  // due dates, debt, years, interest
};

}  // namespace pianoamm

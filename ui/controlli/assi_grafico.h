#pragma once

// The charts' scales and words: ticks on whole years and on round sums, the
// sums in euros with Italian separators, the loan in one line. Qt Charts'
// value axis only takes a printf format, which groups no thousands, so the
// scales are category axes whose labels we write at the values we choose.

#include "engine/piano.h"

#include <QCategoryAxis>
#include <QString>

class QChart;

namespace pianoamm {

// The step between a scale's ticks, 1, 2 or 5 times a power of ten and at
// least 1, that reaches massimo in at most passi steps.
double PassoValori(double massimo, int passi = 8);

// The years between two ticks, 1, 2 or 5 times a power of ten, that puts at
// most tacche ticks on the years from primo to ultimo.
int PassoAnni(int primo, int ultimo, int tacche = 6);

// "150.000 €": whole units, "." every three digits.
QString Euro(double valore);

// A date on a scale of years: the year and the part of it gone by.
double AnnoDi(const Data& data);

// "giugno 2031": the month a point of that scale falls in.
QString MeseDi(double anno);

// "150.000 € al 3,50 % in 300 rate mensili".
QString DescrizioneMutuo(const Mutuo& mutuo);

// "3,50 %".
QString Percento(double valore);

// An axis of our own labels, titled, on the chart's given side, its ticks
// and labels chosen afresh whenever the chart is laid out: as many ticks as
// there is height (or width) for their labels, and sums in thousands or
// millions ("150 k €", "1,2 M €") where whole ones would be cut to "...".
// Until the chart has a size, the most ticks and whole sums.
class AsseGrafico : public QCategoryAxis {
public:
    AsseGrafico(QChart* grafico, const QString& titolo, Qt::Alignment lato);

    // From 0 to the first tick at or above massimo, in euros or as rates.
    void ScalaEuro(double massimo);
    void ScalaPercento(double massimo);
    // From da to a, a tick and its year on every step of whole years.
    void ScalaAnni(double da, double a);

private:
    enum class Tipo { Euro, Percento, Anni };
    void Scala(Tipo scelto, double primo, double ultimo);
    void Adatta();
    // The width Qt Charts leaves this side's labels before cutting them.
    double Spazio() const;

    QChart* suGrafico;
    Tipo tipo = Tipo::Anni;
    double inizio = 0;
    double fine = 0;
};

// A chart's title in lines no wider than the chart, broken between words
// and again at each resize: cut short it would lose the loan's terms.
class TitoloGrafico : public QObject {
public:
    explicit TitoloGrafico(QChart* grafico);

    void Imposta(const QString& testo);

private:
    void Adatta();

    QChart* suGrafico;
    QString titolo;
};

}  // namespace pianoamm

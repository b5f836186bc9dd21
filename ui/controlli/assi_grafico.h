#pragma once

// The charts' scales and words: ticks on whole years and on round sums, the
// sums in euros with Italian separators, the loan in one line. Qt Charts'
// value axis only takes a printf format, which groups no thousands, so the
// scales are category axes whose labels we write at the values we choose.

#include "engine/piano.h"

#include <QString>

class QCategoryAxis;
class QChart;
class QValueAxis;

namespace pianoamm {

// The step between a scale's ticks, 1, 2 or 5 times a power of ten and at
// least 1, that reaches massimo in at most 8 steps.
double PassoValori(double massimo);

// The years between two ticks, 1, 2 or 5 times a power of ten, that puts at
// most 6 ticks on the years from primo to ultimo: their labels fit beside
// each other on the narrower chart of the simulation.
int PassoAnni(int primo, int ultimo);

// "150.000 €": whole units, "." every three digits.
QString Euro(double valore);

// A date on a scale of years: the year and the part of it gone by.
double AnnoDi(const Data& data);

// "giugno 2031": the month a point of that scale falls in.
QString MeseDi(double anno);

// "150.000 € al 3,50 % in 300 rate mensili".
QString DescrizioneMutuo(const Mutuo& mutuo);

// A scale of whole numbers, titled, on the chart's given side.
QValueAxis* AsseNumeri(QChart* grafico, const QString& titolo, Qt::Alignment lato);

// An axis of our own labels, titled, on the chart's given side.
QCategoryAxis* AsseEtichette(QChart* grafico, const QString& titolo, Qt::Alignment lato);

// "3,50 %".
QString Percento(double valore);

// From 0 to the first tick at or above massimo, labelled in euros.
void ScalaEuro(QCategoryAxis* asse, double massimo);

// The same, labelled as rates.
void ScalaPercento(QCategoryAxis* asse, double massimo);

// From da to a, a tick and its year on every step of whole years.
void ScalaAnni(QCategoryAxis* asse, double da, double a);

}  // namespace pianoamm

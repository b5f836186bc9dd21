#pragma once

// Every rounding of an amount, and every tolerance that a double's noise on
// an amount needs, in one place: which way a half goes and how much noise is
// forgiven is decided here and nowhere else. The functions a plan's rows
// call are inline.

#include <algorithm>
#include <cmath>
#include <utility>

namespace pianoamm {

// The nearest whole, halves away from zero, for a value well within a long
// long: the cast truncates, no library call.
inline long long InteroVicino(double valore)
{
    return static_cast<long long>(valore + (valore < 0 ? -0.5 : 0.5));
}

// The nearest whole as a double, halves up; the tolerance, if any, makes a
// value a hair below a half, as a typed one may be, a half.
inline double InteroMetaInSu(double valore, double tolleranza = 0)
{
    return std::floor(valore + 0.5 + tolleranza);
}

// valore to the nearest multiple of 1 / scala, halves up: 100 for the cent,
// 10000 for a rate's four decimals.
inline double Arrotondato(double valore, double scala)
{
    return InteroMetaInSu(valore * scala) / scala;
}

// A figure worked out to four decimals, a rate say, to two, halves up: a
// hair over the half counts as one, for the double's noise on the four.
inline double DueDecimaliMetaInSu(double valore)
{
    return InteroMetaInSu(valore * 100, 1e-9) / 100;
}

// Cents from a value in currency units that is whole cents but for a
// double's noise, halves away from zero; inline, as the rows of a plan in
// cents go through it a few times each.
inline long long Centesimi(double euro)
{
    return InteroVicino(euro * 100);
}

// Cents of any amount, a sum of fractions say, to the nearest cent, halves
// away from zero, exactly as the product euro × 100 stands.
inline long long CentesimiVicini(double euro)
{
    return std::llround(euro * 100);
}

// Cents as the nearest double, which every formatting rounds back exactly.
inline double Euro(long long centesimi)
{
    return static_cast<double>(centesimi) / 100;
}

// Whole cents of a non-negative amount, halves up. An amount typed with two
// decimals is a hair off them as a double; the tolerance keeps an exact
// half a half.
long long CentesimiMetaInSu(double euro);

// a / b to the nearest whole, halves up, for a >= 0 and b > 0.
inline long long DivisioneMetaInSu(long long a, long long b)
{
    return (2 * a + b) / (2 * b);
}

// a × b / c to the nearest whole, halves up, for a, b >= 0 and c > 0, in
// long double, as the product may be past a long long.
long long ProporzioneMetaInSu(long long a, long long b, long long c);

// Whether two amounts are less than a cent apart, a double's noise on
// either forgiven.
bool MenoDiUnCentesimo(double uno, double altro);

// Whether an amount shows a negative cent, that is below -0,5 cents: the
// comparison spares the rounding, and NaN, no figure at all, counts too.
inline bool CentesimoNegativo(double euro)
{
    return !(euro * 100 > -0.5);
}

// Whether a value shown with these decimals, halves away from zero, shows
// below zero: what shows as nothing is not negative.
bool NegativoComeMostrato(double valore, int decimali);

// Whether a debt is nothing but a double's noise on the amount it came from.
inline bool NullaSalvoRumore(double debito, double importo)
{
    return std::fabs(debito) < 1e-12 * std::max(1.0, importo);
}

// Amounts cut to whole units, their fractions carried until they make a
// unit, which the amount that makes it pays.
class Riporto {
public:
    double Taglia(double esatto)
    {
        double unita = std::floor(esatto);
        frazioni += esatto - unita;
        if (frazioni > 1) {
            frazioni -= 1;
            unita += 1;
        }
        return unita;
    }

    // Whether a fraction beyond a double's noise is carried.
    bool Resto() const { return frazioni > 1e-6; }

    // A whole unit paid ahead of the fractions that will make it.
    double Anticipa()
    {
        frazioni -= 1;
        return 1;
    }

    // Every fraction carried, paid at once.
    double Salda() { return std::exchange(frazioni, 0); }

private:
    double frazioni = 0;
};

}  // namespace pianoamm

#pragma once

// The one root finder of the engine: Newton's method inside a bracket that
// every value narrows, for a function that falls as its argument grows.

#include <cmath>
#include <optional>

namespace pianoamm {

struct ValoreEDerivata {
    double valore;
    double derivata;
};

// The root of f between basso and alto, starting from iniziale; nothing
// where f does not change sign over the bracket. Where a Newton step would
// leave the bracket, or would not halve the step before it (far from the
// root a nearly exponential f makes Newton crawl), the bracket is halved
// instead.
template <typename Funzione>
std::optional<double> RadiceDecrescente(const Funzione& f, double basso, double alto, double iniziale,
                                        double precisione)
{
    if (f(basso).valore < 0 || f(alto).valore > 0)
        return std::nullopt;
    double x = iniziale < basso || iniziale > alto ? (basso + alto) / 2 : iniziale;
    double passo = alto - basso;
    for (int volte = 0; volte < 300 && passo > precisione; ++volte) {
        const ValoreEDerivata punto = f(x);
        if (punto.valore == 0)
            break;
        (punto.valore > 0 ? basso : alto) = x;
        const double newton = x - punto.valore / punto.derivata;
        const double passoNewton = std::fabs(newton - x);
        if (passoNewton < precisione || (newton > basso && newton < alto && passoNewton < passo / 2)) {
            passo = passoNewton;
            x = newton;
        } else {
            passo = (alto - basso) / 2;
            x = basso + passo;
        }
    }
    return x;
}

}  // namespace pianoamm

#include "engine/inverso.h"

#include "engine/cadenza.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/radice.h"
#include "engine/soldi.h"

#include <algorithm>
#include <cmath>

namespace pianoamm {

namespace {

int RatePerAnno(const Mutuo& mutuo)
{
    return 12 / DatiDi(mutuo.cadenza).mesi;
}

double TassoAnnuo(double i, const Mutuo& mutuo)
{
    return TassoAnnuoDi(i, RatePerAnno(mutuo), mutuo.condizioni.tassoPeriodo);
}

// The installment grows with the rate: from the amount over the count at
// zero to the 99 % one's. Newton on the periodic rate, the slope taken
// from a nearby point.
double RisolviTasso(const Mutuo& noto, double rata)
{
    const double maxiRata = noto.condizioni.maxiRata;
    const auto scarto = [&](double i) { return rata - RataMutuo(noto.importo, noto.numeroRate, i, maxiRata); };
    const auto funzione = [&](double i) {
        const double h = 1e-7 * (1 + i);
        return ValoreEDerivata{scarto(i), (scarto(i + h) - scarto(i)) / h};
    };
    const double massimo = TassoPeriodale(LimiteTasso.massimo, RatePerAnno(noto), noto.condizioni.tassoPeriodo);
    const auto i = RadiceDecrescente(funzione, 0, massimo, massimo / 10, 1e-15);
    if (!i) {
        throw ErrorePiano("Nessun tasso tra 0 e " + FormatoDecimali(LimiteTasso.massimo, 0, false)
                          + " % dà questa rata.");
    }
    return std::min(Arrotondato(TassoAnnuo(*i, noto), 10000), LimiteTasso.massimo);
}

// n = ln((R - X i) / (R - A i)) / ln(1 + i), the balloon X paid at the end
// whatever the count; (A - X) / R at a zero rate.
int RisolviNumeroRate(const Mutuo& noto, double rata)
{
    const double i = TassoPeriodale(noto.tassoAnnuo, RatePerAnno(noto), noto.condizioni.tassoPeriodo);
    const double importo = noto.importo;
    const double maxiRata = noto.condizioni.maxiRata;
    if (i > 0 && rata <= importo * i)
        throw ErrorePiano("La rata non copre gli interessi del primo periodo (" + FormatoDecimali(importo * i, 2, true)
                          + ").");
    const double esatte =
        i > 0 ? std::log((rata - maxiRata * i) / (rata - importo * i)) / std::log1p(i) : (importo - maxiRata) / rata;
    // The logarithms' noise must not add an installment: the one found is
    // checked against the formula.
    double rate = std::max(1.0, std::ceil(esatte - 1e-9 * std::clamp(esatte, 1.0, 1000.0)));
    const int massimo = static_cast<int>(LimiteNumeroRate.massimo) - noto.condizioni.preammortamento;
    if (rate <= massimo && RataMutuo(importo, static_cast<int>(rate), i, maxiRata) > rata * (1 + 1e-12))
        rate += 1;
    if (rate > massimo) {
        throw ErrorePiano("Con questa rata servirebbero " + FormatoDecimali(rate, 0, true) + " rate: al massimo "
                          + std::to_string(massimo) + ".");
    }
    return static_cast<int>(rate);
}

// A = R (1 - v^n) / i + X v^n, to the cent.
double RisolviImporto(const Mutuo& noto, double rata)
{
    const double i = TassoPeriodale(noto.tassoAnnuo, RatePerAnno(noto), noto.condizioni.tassoPeriodo);
    const double n = noto.numeroRate;
    const double maxiRata = noto.condizioni.maxiRata;
    const double sconto = std::pow(1 + i, -n);
    const double importo = Arrotondato(i > 0 ? rata * (1 - sconto) / i + maxiRata * sconto : rata * n + maxiRata, 100);
    if (importo > LimiteImporto.massimo) {
        throw ErrorePiano("Con questa rata l'importo sarebbe " + FormatoDecimali(importo, 2, true) + ": al massimo "
                          + FormatoDecimali(LimiteImporto.massimo, 0, true) + ".");
    }
    return importo;
}

}  // namespace

Mutuo Risolvi(const Mutuo& noto, double rata, Incognita incognita)
{
    Controlla(rata, LimiteRata);
    if (incognita != Incognita::Importo)
        Controlla(noto.importo, LimiteImporto);
    if (incognita != Incognita::NumeroRate)
        Controlla(noto.numeroRate, LimiteNumeroRate);
    if (incognita != Incognita::Tasso)
        Controlla(noto.tassoAnnuo, LimiteTasso);
    if (incognita != Incognita::Importo && !(noto.importo > 0))
        throw ErrorePiano("Con un importo di 0 non c'è nulla da ricavare dalla rata.");
    if (noto.condizioni.metodo == Metodo::Italiano)
        throw ErrorePiano("Con il metodo italiano la rata cambia a ogni scadenza: non se ne può ricavare un valore.");
    Mutuo trovato = noto;
    switch (incognita) {
    case Incognita::Tasso:
        trovato.tassoAnnuo = RisolviTasso(noto, rata);
        break;
    case Incognita::NumeroRate:
        trovato.numeroRate = RisolviNumeroRate(noto, rata);
        break;
    case Incognita::Importo:
        trovato.importo = RisolviImporto(noto, rata);
        break;
    }
    return trovato;
}

std::string RigaTrovata(const Piano& piano, Incognita incognita)
{
    const Mutuo& mutuo = piano.mutuo;
    switch (incognita) {
    case Incognita::Tasso:
        return "TASSO % ANNUALE TROVATO : " + FormatoDecimali(mutuo.tassoAnnuo, 4, false);
    case Incognita::NumeroRate:
        return "NUMERO RATE TROVATO : " + std::to_string(mutuo.numeroRate) + " (RATA "
               + FormatoDecimali(piano.rata, 2, true) + ")";
    case Incognita::Importo:
        break;
    }
    return "IMPORTO TROVATO : " + FormatoDecimali(mutuo.importo, 2, true);
}

}  // namespace pianoamm

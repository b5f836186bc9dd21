// Working backwards from an installment, against public references' figures (a spreadsheet's RATE, NPER and PV and loan
// calculators working to the formula), not this program's.

#include "engine/inverso.h"
#include "engine/piano.h"
#include "engine/radice.h"
#include "tests/rifiuto.h"

#include <gtest/gtest.h>

using namespace pianoamm;

namespace {

Mutuo Mensile(double importo, int numeroRate, double tasso)
{
    return {importo, numeroRate, tasso, {2026, 3, 15}, Cadenza::Mensile, {}};
}

Mutuo Balloon(double importo, int numeroRate, double tasso)
{
    Mutuo mutuo = Mensile(importo, numeroRate, tasso);
    mutuo.condizioni.maxiRata = 30000;
    return mutuo;
}

// A loan worked back from its installment.
struct Caso {
    Mutuo noto;  // the unknown's value ignored
    double rata;
    Incognita incognita;
    const char* testo;  // the line the command line prints, or the reason refused
    double trovato = 0;
};

TEST(Inverso, RisposteNote)
{
    const Caso casi[] = {
        // RATE(48; -200; 8000) = 0,770147 % a month, 9,2418 % a year.
        {Mensile(8000, 48, 0), 200, Incognita::Tasso, "TASSO % ANNUALE TROVATO : 9,2418", 9.2418},
        // NPER(7 %/12; -150; 8000) = 64,07: 65 installments of 148,24.
        {Mensile(8000, 1, 7), 150, Incognita::NumeroRate, "NUMERO RATE TROVATO : 65 (RATA 148,24)", 65},
        // NPER(13,25 %/12; -1125,75; 100000) = 360,10.
        {Mensile(100000, 1, 13.25), 1125.75, Incognita::NumeroRate, nullptr, 361},
        // PV(7,5 %/12; 180; -1854,02) = 199.999,49.
        {Mensile(0, 180, 7.5), 1854.02, Incognita::Importo, "IMPORTO TROVATO : 199.999,49", 199999.49},
        // The balloon's installment of the plan's own tests, 750,925... on 100.000 at 3 % over 120 months with 30.000
        // at the end.
        {Balloon(0, 120, 3), 750.9252128887391, Incognita::Importo, nullptr, 100000},
        {Balloon(100000, 120, 0), 750.9252128887391, Incognita::Tasso, nullptr, 3},
        // At a zero rate the amount over the count: 12.000 / 400 = 30.
        {Mensile(12000, 1, 0), 400, Incognita::NumeroRate, nullptr, 30},
        {Mensile(12000, 30, 0), 400, Incognita::Tasso, nullptr, 0},
    };
    for (const Caso& caso : casi) {
        const Mutuo trovato = Risolvi(caso.noto, caso.rata, caso.incognita);
        const double valore = caso.incognita == Incognita::Tasso        ? trovato.tassoAnnuo
                              : caso.incognita == Incognita::NumeroRate ? trovato.numeroRate
                                                                        : trovato.importo;
        EXPECT_NEAR(valore, caso.trovato, 1e-9) << caso.rata;
        if (caso.testo != nullptr) {
            EXPECT_EQ(RigaTrovata(PianoAmm(trovato), caso.incognita), caso.testo);
        }
    }
    // Forward: 25.000 at 5,5 % over 60 months pay 477,53.
    EXPECT_NEAR(PianoAmm(Mensile(25000, 60, 5.5)).rata, 477.53, 0.005);
}

TEST(Inverso, SenzaRisposta)
{
    Mutuo italiano = Mensile(8000, 48, 5);
    italiano.condizioni.metodo = Metodo::Italiano;
    const Caso casi[] = {
        {Mensile(8000, 48, 0), 166, Incognita::Tasso, "Nessun tasso tra 0 e 99 % dà questa rata."},
        {Mensile(8000, 48, 0), 8000, Incognita::Tasso, "Nessun tasso tra 0 e 99 % dà questa rata."},
        {Mensile(8000, 1, 12), 80, Incognita::NumeroRate, "La rata non copre gli interessi del primo periodo (80,00)."},
        // ln(420 / (420 - 416,67)) / ln(1 + 5 %/12) = 1.163,12.
        {Mensile(100000, 1, 5), 420, Incognita::NumeroRate, "Con questa rata servirebbero 1.164 rate: al massimo 999."},
        {Mensile(0, 999, 0), 1100000, Incognita::Importo,
         "Con questa rata l'importo sarebbe 1.098.900.000,00: al massimo 999.999.999."},
        {Mensile(8000, 0, 0), 200, Incognita::Tasso, "Il numero delle rate deve essere compreso tra 1 e 999."},
        {Mensile(0, 1, 5), 420, Incognita::NumeroRate, "Con un importo di 0 non c'è nulla da ricavare dalla rata."},
        // 999.999.999 / 0,01 installments, exactly.
        {Mensile(999999999, 1, 0), 0.01, Incognita::NumeroRate,
         "Con questa rata servirebbero 99.999.999.900 rate: al massimo 999."},
        {italiano, 200, Incognita::Tasso,
         "Con il metodo italiano la rata cambia a ogni scadenza: non se ne può ricavare un valore."},
        {Mensile(8000, 48, 0), 0, Incognita::Tasso,
         "L'importo della rata deve essere compreso tra 0,01 e 999.999.999."},
        {Mensile(1e9, 48, 5), 200, Incognita::Tasso,
         "L'importo del finanziamento deve essere compreso tra 0 e 999.999.999."},
    };
    for (const Caso& caso : casi)
        EXPECT_EQ(MotivoDi([&caso] { return Risolvi(caso.noto, caso.rata, caso.incognita); }), caso.testo);
}

// Newton's step, not only the halved bracket: on a straight line,
// 4 - 2x, the first step from 1 lands on the root, 2, exactly; the two
// ends' signs and the two points make four values of the function.
TEST(Inverso, PassoDiNewton)
{
    int valori = 0;
    const auto retta = [&valori](double x) {
        ++valori;
        return ValoreEDerivata{4 - 2 * x, -2};
    };
    EXPECT_EQ(RadiceDecrescente(retta, 0, 10, 1, 1e-12), 2.0);
    EXPECT_EQ(valori, 4);
}

}  // namespace

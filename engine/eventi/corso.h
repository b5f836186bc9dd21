#pragma once

// What an event after a row works on: the plan's course between two rows,
// which the rows that follow are worked out from, and what the event did,
// as the outputs show it. Each kind of event lives in a file of its own
// beside this one; the schedule itself knows none of them.

#include "engine/limiti.h"
#include "engine/piano.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm {

struct Corso {
    Mutuo mutuo;
    int ratePerAnno = 12;
    double tassoAnnuo = 0;
    double tassoPeriodo = 0;
    TassoInCentesimi tassoInCentesimi{0, 12, TassoPeriodo::Proporzionale};
    double rata = 0;     // the French installment, the Italian capital share
    int numeroRate = 0;  // rows of the plan as it stands
    // The last row pays the debt left and its interest, less than the
    // installment: the plan was shortened.
    bool ultimaRidotta = false;
    double capitaleRimborsato = 0;  // by the rows and early repayments
    double capitalizzati = 0;       // interest added to the debt
    int soloInteressiDa = 0;        // rows that pay only interest: from
    int soloInteressiA = 0;         // ... to
    int periodiSaltati = 0;         // installments not paid: due dates move on
    double penale = 0;              // percent of each early repayment
    double penalePagata = 0;
    // The index a variable rate in force came from; none for the entry rate
    // or a simulated change, which stands in for the index until the next
    // revision.
    std::optional<double> indice;
    // The initial plan's capital shares, by row, once a variable rate whose
    // installment follows by its interest alone has changed.
    std::vector<double> quoteIniziali;

    double Debito() const { return mutuo.importo + capitalizzati - capitaleRimborsato; }
    // The rows after row k that will pay capital: not those of the
    // pre-amortisation or of a suspension still to come.
    int RigheCapitaleDopo(int k) const;
    // What pays the debt over the rows after row k that pay capital: the
    // French installment, the balloon with the last; or the Italian capital
    // share. To the cent, halves up, when the plan rounds to the cent.
    double RataDopo(int k) const;
    // A period's interest on debito at the rate in force: to the cent,
    // halves up, when the plan rounds to the cent.
    double Interessi(double debito) const;
    // Money as the listing shows it: whole units, or cents.
    std::string Importo(double valore) const;
    // What the first row after k that pays capital will pay: the French
    // installment, or its capital share (the Italian one, or the initial
    // plan's where the rows keep those) and the interest on the debt.
    double PrimaRata(int k) const;
    // "NUOVA RATA 1.234", PrimaRata(k), or the Italian method's "NUOVA
    // QUOTA CAPITALE 500".
    std::string NuovaRata(int k) const;
    // Checks the new rate against the plan's limits.
    void CambiaTasso(double annuo);
    // A new rate after row k, the installment worked out again over the
    // rows left.
    void NuovoTasso(double annuo, int k);
    // The initial plan's capital share of row k, where the rows keep it.
    std::optional<double> QuotaIniziale(int k) const;
    // Whether row k pays only interest: the pre-amortisation's, or a
    // suspension's.
    bool SoloInteressi(int k) const;
    // After row k, where the rows keep the initial plan's capital shares: a
    // repayment, a suspension or a shorter plan leaves them apart from the
    // debt and the rows, and those still to come are scaled to pay it over
    // the rows left, the last row paying the rest.
    void AdattaQuote(int k);
    // The fewest installments of the one in force that pay the debt, never
    // more than massimo; 0 where the installment would not cover the
    // interest.
    int RateNecessarie(int massimo) const;
};

// An event as applied: its line in the listing and what the exports need.
struct Effetto {
    std::string testo;         // without the listing's indent
    double rimborso = 0;       // capital repaid early, after the row
    double capitalizzati = 0;  // interest added to the debt after the row
    int soloInteressi = 0;     // rows after it that pay interest only
    bool sospende = false;     // installments suspended: the CSV says which
    bool chiude = false;       // the debt is paid off: nothing may follow
    // The text goes on with the new installment, told once the rows that
    // keep the initial plan's shares have them fitted to the debt left.
    bool nuovaRata = false;
};

// How a kind of event is named: in a menu ("Simula <nome>…"), on a button
// ("Aggiungi <breve>…", "&" before its access key), at the head of a reason ("<soggetto> dopo la rata
// 5 rende…") and when a row has two ("<doppio> dopo la rata 5: …").
struct NomiEvento {
    std::string_view nome;
    std::string_view breve;
    std::string_view soggetto;
    std::string_view doppio;
};

// "dopo la rata 5"
std::string DopoLaRata(int numero);

}  // namespace pianoamm

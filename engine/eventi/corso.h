#pragma once

// What an event after a row works on: the plan's course between two rows,
// which the rows that follow are worked out from, and what the event did,
// as the outputs show it. Each kind of event lives in a file of its own
// beside this one; the schedule itself knows none of them.

#include "engine/limiti.h"
#include "engine/piano.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace pianoamm {

struct Corso {
    Mutuo mutuo;
    int ratePerAnno = 12;
    double tassoAnnuo = 0;
    double tassoPeriodo = 0;
    double rata = 0;
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

    double Debito() const { return mutuo.importo + capitalizzati - capitaleRimborsato; }
    // The installment that pays the debt over the installments after row k
    // (the pre-amortisation's rows still to come, which pay interest only,
    // not counted), the balloon with the last.
    double RataDopo(int k) const
    {
        const int preammortamento = std::max(0, mutuo.condizioni.preammortamento - k);
        return RataMutuo(Debito(), numeroRate - k - preammortamento, tassoPeriodo, mutuo.condizioni.maxiRata);
    }
    // Checks the new rate against the plan's limits.
    void CambiaTasso(double annuo);
};

// An event as applied: its line in the listing and what the exports need.
struct Effetto {
    std::string testo;         // without the listing's indent
    double rimborso = 0;       // capital repaid early, after the row
    double capitalizzati = 0;  // interest added to the debt after the row
    int soloInteressi = 0;     // rows after it that pay interest only
    bool sospende = false;     // installments suspended: the CSV says which
    bool chiude = false;       // the debt is paid off: nothing may follow
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

// Throws ErrorePiano with the limit's message for a value outside it.
void Controlla(double valore, const Limite& limite);

}  // namespace pianoamm

// Closing the loan on a day and changing lender: the known answers of 150.000 at 3,5 % in 300 monthly installments
// from 15/03/2025 (figures worked out by hand and in exact decimals), the day's bounds, and the changes refused.

#include "engine/cambio.h"
#include "engine/conteggio.h"
#include "engine/errore.h"
#include "engine/formato.h"

#include <gtest/gtest.h>

using namespace pianoamm;

namespace {

// The loan of the known answers: in cents (c), in whole units (u), over a 360-day year (b), or disbursed on 15/03/2026
// with its first due date on 30/04/2026, a broken first period of 15 days (r).
Mutuo Esempio(char tipo)
{
    Mutuo mutuo;
    mutuo.importo = 150000;
    mutuo.numeroRate = 300;
    mutuo.tassoAnnuo = 3.5;
    mutuo.erogazione = {tipo == 'r' ? 2026 : 2025, 3, 15};
    mutuo.condizioni.arrotondamento = tipo == 'u' ? Arrotondamento::Unita : Arrotondamento::Centesimi;
    mutuo.condizioni.baseGiorni = tipo == 'b' ? BaseGiorni::Commerciale : BaseGiorni::Civile;
    if (tipo == 'r')
        mutuo.condizioni.primaScadenza = Data{2026, 4, 30};
    return mutuo;
}

// No events, a rate change to 5 % (v) or a repayment of 10.000 (e) after row 29, a repayment of 20.000 after row 40
// (f), twelve installments suspended in full after row 20 (s), or a penalty of 1 % (p).
Scenario Eventi(char tipo)
{
    Scenario scenario;
    scenario.penale = tipo == 'p' ? 1 : 0;
    if (tipo == 'v')
        scenario.eventi.emplace_back(Variazione{29, 5});
    if (tipo == 'e')
        scenario.eventi.emplace_back(Estinzione{29, 10000});
    if (tipo == 'f')
        scenario.eventi.emplace_back(Estinzione{40, 20000});
    if (tipo == 's')
        scenario.eventi.emplace_back(Sospensione{20, 12, TipoSospensione::Rata});
    return scenario;
}

// The payoff as "rate paid, from, days, debt, interest, penalty, total"; a change as "amount, count, installment,
// interest and total left, old/new, the installment that pays the costs back, the last due dates, the lines shown";
// or the reason refused.
std::string Esito(const Mutuo& mutuo, const Scenario& scenario, const Data& giorno, const std::optional<Cambio>& cambio)
{
    const auto soldi = [](double valore) { return FormatoDecimali(valore, 2, false); };
    const auto coppia = [&soldi](double vecchio, double nuovo) { return soldi(vecchio) + "/" + soldi(nuovo) + " "; };
    try {
        const Simulazione simulazione = Simula(mutuo, scenario);
        if (!cambio) {
            const ConteggioEstintivo c = ContaEstinzione(simulazione, giorno, scenario.penale);
            return std::to_string(c.ratePagate) + " " + FormatoData(c.dal) + " " + std::to_string(c.giorni) + " "
                   + soldi(c.debito) + " " + soldi(c.interessi) + " " + soldi(c.penale) + " " + soldi(c.Totale());
        }
        const EsitoCambio e = CambiaMutuo(simulazione, *cambio);
        const LatoCambio &a = e.attuale, &n = e.nuovoLato;
        return soldi(e.nuovo.mutuo.importo) + " " + std::to_string(n.rate) + " " + coppia(a.rata, n.rata)
               + coppia(a.interessi, n.interessi) + coppia(a.totale, n.totale)
               + (e.rientro ? std::to_string(*e.rientro) : "mai") + " " + FormatoData(a.ultimaScadenza) + "/"
               + FormatoData(n.ultimaScadenza) + " " + std::to_string(VociCambio(e).size()) + " righe";
    } catch (const ErrorePiano& errore) {
        return errore.what();
    }
}

TEST(PianoEstinzione, RisposteNoteERifiuti)
{
    const Data d{2027, 9, 10};
    constexpr auto S = TipoCambio::Surroga;
    constexpr auto T = TipoCambio::Sostituzione;
    const struct {
        char mutuo;
        char eventi;
        Data giorno;
        std::optional<Cambio> cambio;
        std::string atteso;
    } casi[] = {
        {'c', ' ', d, {}, "29 15/08/2027 26 140529,16 350,36 0,00 140879,52"},
        {'b', ' ', d, {}, "26 140529,16 355,23 0,00 140884,39"},
        {'u', ' ', d, {}, "29 15/08/2027 26 140528,87 350,36 0,00 140879,23"},
        {'c', 'p', d, {}, "140529,16 350,36 1405,29 142284,81"},
        // The rate of the row the days are part of; a repayment after the last installment paid is off the debt.
        {'c', 'v', d, {}, "26 140529,16 500,51 0,00"},
        {'c', 'e', d, {}, "26 130529,16 325,43 0,00"},
        // During a suspension the interest of the periods whose due dates have passed, nine, joins the debt; on the
        // last installment paid, none.
        {'c', 's', d, {}, "20 15/08/2027 26 147367,00 367,41 0,00 147734,41"},
        {'c', 's', {2026, 11, 15}, {}, "20 15/11/2026 0 143554,44 0,00 0,00 143554,44"},
        // From the disbursement, or from a broken first period's start once row 0 is due; on a due date, no days.
        {'c', ' ', {2025, 3, 15}, {}, "0 15/03/2025 0 150000,00 0,00 0,00 150000,00"},
        {'c', ' ', {2025, 4, 10}, {}, "0 15/03/2025 26 150000,00 373,97"},
        {'r', ' ', {2026, 3, 20}, {}, "0 15/03/2026 5 150000,00 71,92"},
        {'r', ' ', {2026, 4, 10}, {}, "0 30/03/2026 11 150000,00 158,22"},
        {'c', ' ', {2027, 8, 15}, {}, "29 15/08/2027 0 140529,16 0,00 0,00 140529,16"},
        {'c', ' ', {2050, 3, 15}, {}, "300 15/03/2050 0 0,00 0,00 0,00 0,00"},
        {'c', ' ', {2050, 3, 16}, {}, "(16/03/2050) deve cadere tra l'erogazione del 15/03/2025 e l'ultima"},
        {'c', ' ', {2050, 3, 16}, {}, " e l'ultima scadenza del 15/03/2050."},
        {'c', ' ', {2025, 3, 14}, {}, "Il giorno dell'estinzione (14/03/2025) deve cadere tra l'erogazione"},
        {'c', ' ', d, Cambio{d, S, 2.6, {}, 0, {}},
         "140879,52 271 750,94/687,87 62973,49/45882,83 203502,65/186411,99 mai 15/03/2050/10/04/2050 10 righe"},
        {'c', ' ', d, Cambio{d, T, 2.6, {}, 3000, {}},
         "140879,52 271 750,94/687,87 62973,49/45882,83 203502,65/186411,99 48 15/03/2050/10/04/2050 13 righe"},
        // At the same rate the financed interest raises the installment: the costs are never paid back.
        {'c', ' ', d, Cambio{d, T, 3.5, {}, 3000, {}},
         "140879,52 271 750,94/752,81 62973,49/63481,06 203502,65/204010,22 mai"},
        {'c', ' ', d, Cambio{d, S, 2.6, {}, 0, 150000}, "il nuovo importo è il debito da estinguere, 140.879,52."},
        {'c', ' ', d, Cambio{d, S, 2.6, {}, 0, 140879.52}, "140879,52 271 750,94/687,87"},
        {'c', ' ', d, Cambio{d, S, 2.6, {}, 100, {}}, "La surroga non costa nulla"},
        {'c', ' ', d, Cambio{d, T, 2.6, {}, 0, 140000},
         "non può essere inferiore al debito da estinguere, 140.879,52."},
        {'c', ' ', {2050, 3, 15}, Cambio{{2050, 3, 15}, S, 2.6, {}, 0, {}}, "il mutuo è già pagato"},
        {'c', ' ', {2050, 3, 16}, Cambio{{2050, 3, 16}, S, 2.6, {}, 0, {}}, "Il giorno del cambio (16/03/2050) deve"},
        // Row 0 is paid with the first installment, which pays capital; the payback is where the savings stay above
        // the costs to the end, none when the net saving is below zero, an old plan's repayment counted alike.
        {'r', ' ', {2026, 3, 20}, Cambio{{2026, 3, 20}, T, 2.6, {}, 3000, {}}, "150071,92 300 750,94/680,83 "},
        {'r', ' ', {2026, 3, 20}, Cambio{{2026, 3, 20}, T, 2.6, {}, 3000, {}}, "225495,66/204249,27 40"},
        {'c', ' ', d, Cambio{d, T, 2.6, 360, 3000, {}}, "750,94/564,00 62973,49/"},
        {'c', ' ', d, Cambio{d, T, 2.6, 360, 3000, {}}, " mai"},
        {'c', 'f', d, Cambio{d, T, 2.6, {}, 3000, {}}, "54412,94/45882,83 194942,10/186411,99 11"},
    };
    for (const auto& caso : casi) {
        const std::string esito = Esito(Esempio(caso.mutuo), Eventi(caso.eventi), caso.giorno, caso.cambio);
        EXPECT_NE(esito.find(caso.atteso), std::string::npos) << FormatoData(caso.giorno) << ": " << esito;
    }
}

}  // namespace

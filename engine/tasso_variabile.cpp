#include "engine/tasso_variabile.h"

#include "engine/errore.h"
#include "engine/eventi/corso.h"
#include "engine/eventi/variazione.h"
#include "engine/formato.h"
#include "engine/piano.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace pianoamm {

namespace {

// The index, the spread and the bounds in thousandths of a point, so that
// a sum, a bound and a rounding up are exact.
long long Millesimi(double valore)
{
    return std::llround(valore * 1000);
}

bool TreDecimali(double valore)
{
    return std::fabs(valore * 1000 - std::round(valore * 1000)) < 1e-6;
}

std::string Punti(double valore)
{
    return FormatoDecimali(valore, 3, false);
}

// The limit's reason, the value named as oggetto says where given, or one
// for a fourth decimal.
void ControllaMillesimi(double valore, Limite limite, const std::string& oggetto = {})
{
    if (!oggetto.empty())
        limite.oggetto = oggetto;
    Controlla(valore, limite);
    if (!TreDecimali(valore)) {
        std::string motivo(limite.oggetto);
        motivo[0] = static_cast<char>(motivo[0] - 'a' + 'A');
        throw ErrorePiano(motivo + " può avere al massimo tre decimali.");
    }
}

void ControllaSerie(const std::vector<ValoreIndice>& indice)
{
    if (indice.empty())
        throw ErrorePiano("Il tasso variabile vuole almeno un valore dell'indice.");
    if (indice.size() > ValoriIndiceMassimi) {
        throw ErrorePiano("L'indice ha " + std::to_string(indice.size()) + " valori: al massimo "
                          + FormatoDecimali(ValoriIndiceMassimi, 0, true) + ".");
    }
    for (auto valore = indice.begin(); valore != indice.end(); ++valore) {
        // The reason's words only for the value that needs them.
        if (!(valore->valore >= LimiteIndice.minimo && valore->valore <= LimiteIndice.massimo)
            || !TreDecimali(valore->valore))
            ControllaMillesimi(valore->valore, LimiteIndice, "il valore dell'indice del " + FormatoData(valore->data));
        if (valore != indice.begin() && !Prima(std::prev(valore)->data, valore->data)) {
            throw ErrorePiano("Le date dell'indice devono crescere: il " + FormatoData(valore->data) + " segue il "
                              + FormatoData(std::prev(valore)->data) + ".");
        }
    }
}

// The capital shares of the plan at the entry rate, by row.
std::vector<double> QuoteIniziali(const Mutuo& mutuo)
{
    Mutuo fisso = mutuo;
    fisso.condizioni.tassoVariabile.reset();
    const Piano piano = PianoAmm(fisso);
    std::vector<double> quote(static_cast<std::size_t>(UltimaRata(piano.righe)) + 1);
    for (const RigaPiano& riga : piano.righe)
        quote[static_cast<std::size_t>(riga.numero)] = riga.quotaCapitale;
    return quote;
}

// The new rate from the row after k on, and what the installment does:
// the listing's words for it.
std::string Segui(Corso& corso, int k, double tasso)
{
    const TassoVariabile& variabile = *corso.mutuo.condizioni.tassoVariabile;
    // The line gives what the next row pays, whatever the method.
    if (variabile.ricalcolo == Ricalcolo::Rata) {
        corso.NuovoTasso(tasso, k);
        return "NUOVA RATA " + corso.Importo(corso.PrimaRata(k));
    }
    corso.CambiaTasso(tasso);
    // The last row pays the debt left, its interest and every fraction
    // carried, as a shortened plan's does.
    corso.ultimaRidotta = true;
    if (variabile.ricalcolo == Ricalcolo::Quote) {
        TieniQuoteIniziali(corso, k);
        return corso.NuovaRata(k);
    }
    // Rows of interest only still to come stay, and come on top.
    const int soloInteressi = corso.numeroRate - k - corso.RigheCapitaleDopo(k);
    const int rate = corso.RateNecessarie(std::max(1, variabile.durataMassima - k - soloInteressi));
    if (rate == 0) {
        throw ErrorePiano("Al tasso del " + Punti(tasso) + " % dalla rata " + std::to_string(k + 1)
                          + " gli interessi supererebbero la rata: la durata non può seguire il tasso.");
    }
    corso.numeroRate = k + soloInteressi + rate;
    return "RATE RESIDUE " + std::to_string(corso.numeroRate - k);
}

}  // namespace

void TieniQuoteIniziali(Corso& corso, int k)
{
    const auto& variabile = corso.mutuo.condizioni.tassoVariabile;
    if (!variabile || variabile->ricalcolo != Ricalcolo::Quote || !corso.quoteIniziali.empty())
        return;
    corso.quoteIniziali = QuoteIniziali(corso.mutuo);
    corso.AdattaQuote(k);
}

void ControllaTassoVariabile(const Mutuo& mutuo)
{
    if (!mutuo.condizioni.tassoVariabile)
        return;
    const TassoVariabile& tasso = *mutuo.condizioni.tassoVariabile;
    ControllaMillesimi(tasso.spread, LimiteSpread);
    Controlla(tasso.revisione, LimiteRevisione);
    if (tasso.arrotondamento && std::ranges::none_of(PassiIndice, [&tasso](double passo) {
            return std::fabs(passo - *tasso.arrotondamento) < 1e-9;
        }))
        throw ErrorePiano("L'indice si arrotonda a un multiplo di 0,05, 0,10, 0,125 o 0,25.");
    if (tasso.minimo)
        ControllaMillesimi(*tasso.minimo, LimiteTassoMinimo);
    if (tasso.massimo)
        ControllaMillesimi(*tasso.massimo, LimiteTassoMassimo);
    if (tasso.minimo && tasso.massimo && *tasso.minimo > *tasso.massimo) {
        throw ErrorePiano("Il tasso minimo (" + Punti(*tasso.minimo) + " %) supera il tasso massimo ("
                          + Punti(*tasso.massimo) + " %).");
    }
    if (tasso.ricalcolo != Ricalcolo::Rata && mutuo.condizioni.metodo == Metodo::Italiano) {
        throw ErrorePiano("Con il metodo italiano la quota capitale resta quella del metodo e solo gli interessi "
                          "seguono il tasso: il ricalcolo «"
                          + std::string(VoceDi(Ricalcoli, tasso.ricalcolo).parola) + "» non vale.");
    }
    Controlla(tasso.durataMassima, LimiteDurataMassima);
    const int righe = mutuo.numeroRate + mutuo.condizioni.preammortamento;
    if (tasso.ricalcolo == Ricalcolo::Durata && tasso.durataMassima < righe) {
        throw ErrorePiano("Il numero massimo di rate (" + std::to_string(tasso.durataMassima)
                          + ") non può essere inferiore alle rate del piano (" + std::to_string(righe) + ").");
    }
    ControllaSerie(tasso.indice);
}

std::string DescrizioneTassoVariabile(const TassoVariabile& tasso)
{
    std::string testo = "TASSO VARIABILE: SPREAD " + Punti(tasso.spread) + ", REVISIONE "
                        + (tasso.revisione == 1 ? "A OGNI RATA" : "OGNI " + std::to_string(tasso.revisione) + " RATE");
    if (tasso.arrotondamento)
        testo += " - INDICE ARROTONDATO A " + Punti(*tasso.arrotondamento);
    if (tasso.minimo)
        testo += " - TASSO MINIMO " + Punti(*tasso.minimo);
    if (tasso.massimo)
        testo += " - TASSO MASSIMO " + Punti(*tasso.massimo);
    if (tasso.ricalcolo == Ricalcolo::Quote)
        testo += " - QUOTE CAPITALE DEL PIANO INIZIALE";
    if (tasso.ricalcolo == Ricalcolo::Durata)
        testo += " - RATA FISSA, DURATA FINO A " + std::to_string(tasso.durataMassima) + " RATE";
    return testo;
}

TassoRivisto RivediTasso(const TassoVariabile& tasso, const Data& giorno)
{
    const auto dopo = std::ranges::upper_bound(tasso.indice, giorno, Prima, &ValoreIndice::data);
    if (dopo == tasso.indice.begin()) {
        throw ErrorePiano("La revisione del " + FormatoData(giorno) + " cade prima del primo valore dell'indice, del "
                          + FormatoData(tasso.indice.front().data) + ".");
    }
    long long indice = Millesimi(std::prev(dopo)->valore);
    if (tasso.arrotondamento) {
        // Up, towards the larger value: the quotient is cut towards zero.
        const long long passo = Millesimi(*tasso.arrotondamento);
        indice = indice / passo * passo + (indice % passo > 0 ? passo : 0);
    }
    long long totale = indice + Millesimi(tasso.spread);
    TassoRivisto rivisto;
    rivisto.minimo = tasso.minimo && totale < Millesimi(*tasso.minimo);
    totale = rivisto.minimo ? Millesimi(*tasso.minimo) : totale;
    rivisto.massimo = tasso.massimo && totale > Millesimi(*tasso.massimo);
    totale = rivisto.massimo ? Millesimi(*tasso.massimo) : totale;
    // No interest is ever paid to the borrower.
    rivisto.tassoAnnuo = static_cast<double>(std::max(totale, 0LL)) / 1000;
    rivisto.indice = static_cast<double>(indice) / 1000;
    rivisto.ultimoValore = dopo == tasso.indice.end();
    return rivisto;
}

bool Rivedi(Corso& corso, int dopoRata, const Data& giorno, std::vector<Revisione>& linee)
{
    const auto& variabile = corso.mutuo.condizioni.tassoVariabile;
    if (!variabile || dopoRata % variabile->revisione != 0 || dopoRata >= corso.numeroRate)
        return false;
    const TassoRivisto rivisto = RivediTasso(*variabile, giorno);
    const double tasso = rivisto.tassoAnnuo;
    if (!Variazione::StessoTasso(tasso, corso.tassoAnnuo)) {
        std::string testo = "TASSO " + Punti(tasso) + " DALLA RATA " + std::to_string(dopoRata + 1) + " (INDICE "
                            + Punti(rivisto.indice) + " + SPREAD " + Punti(variabile->spread) + "): ";
        testo += Segui(corso, dopoRata, tasso);
        testo += rivisto.minimo ? " - TASSO MINIMO" : rivisto.massimo ? " - TASSO MASSIMO" : "";
        linee.push_back({dopoRata, std::move(testo), false});
    }
    corso.indice = rivisto.indice;
    if (rivisto.ultimoValore && std::ranges::none_of(linee, &Revisione::ultimoValore)) {
        const ValoreIndice& ultimo = variabile->indice.back();
        linee.push_back({dopoRata,
                         "INDICE " + Punti(ultimo.valore) + " DAL " + FormatoData(ultimo.data)
                             + ": ULTIMO VALORE, VALE FINO ALLA FINE",
                         true});
    }
    return true;
}

}  // namespace pianoamm

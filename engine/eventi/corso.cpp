#include "engine/eventi/corso.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

namespace pianoamm {

void Corso::CambiaTasso(double annuo)
{
    Controlla(annuo, LimiteTasso);
    tassoAnnuo = annuo;
    tassoPeriodo = TassoPeriodale(annuo, ratePerAnno, mutuo.condizioni.tassoPeriodo);
    tassoInCentesimi = TassoInCentesimi(annuo, ratePerAnno, mutuo.condizioni.tassoPeriodo);
}

void Corso::NuovoTasso(double annuo, int k)
{
    CambiaTasso(annuo);
    rata = RataDopo(k);
    ultimaRidotta = false;
}

std::optional<double> Corso::QuotaIniziale(int k) const
{
    if (k < 0 || static_cast<std::size_t>(k) >= quoteIniziali.size())
        return std::nullopt;
    return quoteIniziali[static_cast<std::size_t>(k)];
}

bool Corso::SoloInteressi(int k) const
{
    return k <= mutuo.condizioni.preammortamento || (k >= soloInteressiDa && k <= soloInteressiA);
}

void Corso::AdattaQuote(int k)
{
    if (quoteIniziali.empty())
        return;
    ultimaRidotta = true;
    // The rows left take the initial plan's last shares, from its end back,
    // those of interest only none: with the rows as they were, the same
    // shares.
    std::vector<double> quote(quoteIniziali.begin(),
                              quoteIniziali.begin() + std::min<std::ptrdiff_t>(k + 1, std::ssize(quoteIniziali)));
    quote.resize(static_cast<std::size_t>(numeroRate) + 1);
    auto iniziale = std::ssize(quoteIniziali) - 1;
    double somma = 0;
    for (int j = numeroRate; j > k; --j) {
        if (SoloInteressi(j))
            continue;
        quote[static_cast<std::size_t>(j)] = iniziale > 0 ? quoteIniziali[static_cast<std::size_t>(iniziale--)] : 0;
        somma += quote[static_cast<std::size_t>(j)];
    }
    // Shares that pay the debt, to the doubles' noise, stay as they were.
    const double fattore = Debito() / somma;
    if (somma > 0 && std::fabs(fattore - 1) > 1e-12) {
        for (int j = k + 1; j <= numeroRate; ++j)
            quote[static_cast<std::size_t>(j)] *= fattore;
    }
    quoteIniziali = std::move(quote);
}

int Corso::RateNecessarie(int massimo) const
{
    // A balloon is paid at the end whatever the count: the installments pay
    // the rest of the debt, and its interest meanwhile.
    const double maxiRata = mutuo.condizioni.maxiRata;
    const double debito = Debito() - maxiRata;
    const double quota = rata - maxiRata * tassoPeriodo;
    // A share or installment of nothing, a few cents over many rows, leaves
    // the last row to pay it all.
    if (!(quota > 0))
        return massimo;
    // The Italian capital share pays the debt at the same pace whatever the
    // rate.
    double esatte = debito / quota;
    if (tassoPeriodo > 0 && mutuo.condizioni.metodo == Metodo::Francese) {
        if (quota <= debito * tassoPeriodo)
            return 0;
        esatte = -std::log1p(-debito * tassoPeriodo / quota) / std::log1p(tassoPeriodo);
    }
    // The logarithms' rounding noise must not add an installment that would
    // pay nothing.
    return std::clamp(static_cast<int>(std::ceil(esatte - 1e-9 * std::max(1.0, esatte))), 1, massimo);
}

int Corso::RigheCapitaleDopo(int k) const
{
    const int preammortamento = std::max(0, mutuo.condizioni.preammortamento - k);
    const int sospese = std::max(0, soloInteressiA - std::max(k, soloInteressiDa - 1));
    return numeroRate - k - preammortamento - sospese;
}

double Corso::RataDopo(int k) const
{
    const Condizioni& condizioni = mutuo.condizioni;
    const int righe = RigheCapitaleDopo(k);
    if (condizioni.arrotondamento == Arrotondamento::Unita) {
        return condizioni.metodo == Metodo::Italiano ? Debito() / righe
                                                     : RataMutuo(Debito(), righe, tassoPeriodo, condizioni.maxiRata);
    }
    const long long debito = Centesimi(Debito());
    if (condizioni.metodo == Metodo::Italiano)
        return Euro(DivisioneMetaInSu(debito, righe));
    // In cents, so that an exact half, as a zero rate can give, stays one.
    // The installment is above the first row's interest, which, an exact
    // half cent rounded up in integers, the double's product may miss: it
    // is never taken below it, and no share falls below zero.
    const double esatta = RataMutuo(static_cast<double>(debito), righe, tassoPeriodo,
                                    static_cast<double>(Centesimi(condizioni.maxiRata)));
    const long long interessi = tassoInCentesimi.Interessi(debito);
    return Euro(std::max(static_cast<long long>(InteroMetaInSu(esatta)), interessi));
}

double Corso::Interessi(double debito) const
{
    if (mutuo.condizioni.arrotondamento == Arrotondamento::Unita)
        return debito * tassoPeriodo;
    return Euro(tassoInCentesimi.Interessi(Centesimi(debito)));
}

std::string Corso::Importo(double valore) const
{
    return ImportoOZero(valore, Decimali(mutuo.condizioni));
}

double Corso::PrimaRata(int k) const
{
    int riga = k + 1;
    while (riga < numeroRate && SoloInteressi(riga))
        ++riga;
    const auto quota = QuotaIniziale(riga);
    if (!quota && mutuo.condizioni.metodo == Metodo::Francese)
        return rata;
    return std::min(quota.value_or(rata), Debito()) + Interessi(Debito());
}

std::string Corso::NuovaRata(int k) const
{
    if (mutuo.condizioni.metodo == Metodo::Italiano)
        return "NUOVA QUOTA CAPITALE " + Importo(rata);
    return "NUOVA RATA " + Importo(PrimaRata(k));
}

std::string DopoLaRata(int numero)
{
    return "dopo la rata " + std::to_string(numero);
}

}  // namespace pianoamm

#include "engine/eventi/corso.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <algorithm>

namespace pianoamm {

void Corso::CambiaTasso(double annuo)
{
    Controlla(annuo, LimiteTasso);
    tassoAnnuo = annuo;
    tassoPeriodo = TassoPeriodale(annuo, ratePerAnno, mutuo.condizioni.tassoPeriodo);
    tassoInCentesimi = TassoInCentesimi(annuo, ratePerAnno, mutuo.condizioni.tassoPeriodo);
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

std::string Corso::NuovaRata() const
{
    return (mutuo.condizioni.metodo == Metodo::Italiano ? "NUOVA QUOTA CAPITALE " : "NUOVA RATA ") + Importo(rata);
}

std::string DopoLaRata(int numero)
{
    return "dopo la rata " + std::to_string(numero);
}

}  // namespace pianoamm

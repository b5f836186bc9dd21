#include "engine/interessi_giorni.h"

namespace pianoamm {

long long GiorniDelPeriodo(const Mutuo& mutuo, const std::optional<PrimoPeriodo>& primo, int periodo)
{
    // A suspension's periods skip due dates: the row after it counts from
    // its own period's start, the skipped interest being already joined to
    // the debt.
    return GiorniTra(Scadenza(mutuo, primo, periodo - 1), Scadenza(mutuo, primo, periodo));
}

double InteressiSuiGiorni(double debito, double tassoAnnuo, long long giorni, BaseGiorni base)
{
    return debito * tassoAnnuo / 100 * static_cast<double>(giorni) / static_cast<int>(base);
}

std::string DescrizioneInteressiGiorni(const Condizioni& condizioni)
{
    if (!condizioni.interessiGiorni)
        return {};
    return "INTERESSI SUI GIORNI EFFETTIVI/" + std::string(VoceDi(BasiGiorni, *condizioni.interessiGiorni).parola);
}

}  // namespace pianoamm

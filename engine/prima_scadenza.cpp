#include "engine/prima_scadenza.h"

#include "engine/errore.h"
#include "engine/interessi_giorni.h"

namespace pianoamm {

namespace {

bool Bisestile(int anno)
{
    return GiorniDelMese(anno, 2) == 29;
}

}  // namespace

std::optional<PrimoPeriodo> PrimoPeriodoDi(const Mutuo& mutuo)
{
    const auto& prima = mutuo.condizioni.primaScadenza;
    const int mesi = DatiDi(mutuo.cadenza).mesi;
    const Data predefinita = AggiungiMese(mutuo.erogazione, mesi);
    // At a month's end the default date, taken back a period, may fall
    // before the disbursement (31/01 gives 28/02, and 28/02 gives 28/01):
    // it is still the plan with no broken period.
    if (!prima || *prima == predefinita)
        return std::nullopt;
    const Data inizio = AggiungiMese(*prima, -mesi);
    const long long giorni = GiorniTra(mutuo.erogazione, inizio);
    if (giorni < 0) {
        throw ErrorePiano("La prima scadenza (" + FormatoData(*prima) + ") non può cadere prima del "
                          + FormatoData(predefinita) + ", una rata dopo l'erogazione del "
                          + FormatoData(mutuo.erogazione) + ".");
    }
    if (GiorniTra(predefinita, inizio) >= 0) {
        throw ErrorePiano("La prima scadenza (" + FormatoData(*prima) + ") lascerebbe dall'erogazione del "
                          + FormatoData(mutuo.erogazione) + " al " + FormatoData(inizio)
                          + " un preammortamento tecnico di una rata o più: deve cadere prima.");
    }
    return PrimoPeriodo{*prima, inizio, static_cast<int>(giorni)};
}

Data Scadenza(const Mutuo& mutuo, const std::optional<PrimoPeriodo>& periodo, int periodi)
{
    const int mesi = DatiDi(mutuo.cadenza).mesi;
    return periodo ? AggiungiMese(periodo->prima, mesi * (periodi - 1))
                   : AggiungiMese(mutuo.erogazione, mesi * periodi);
}

long long InteressiDeiGiorni(long long debito, double tassoAnnuo, long long giorni, BaseGiorni base)
{
    return ProporzioneMetaInSu(debito, Centesimi(tassoAnnuo * 100) * giorni, 1000000LL * static_cast<int>(base));
}

RigaPiano RigaSpezzata(const Mutuo& mutuo, const PrimoPeriodo& periodo, bool centesimi, Riporto& riporto)
{
    const BaseGiorni base = mutuo.condizioni.baseGiorni;
    const double interessi =
        centesimi ? Euro(InteressiDeiGiorni(CentesimiMetaInSu(mutuo.importo), mutuo.tassoAnnuo, periodo.giorni, base))
                  : riporto.Taglia(InteressiSuiGiorni(mutuo.importo, mutuo.tassoAnnuo, periodo.giorni, base));
    return {0, periodo.inizio, interessi, 0, mutuo.importo, mutuo.tassoAnnuo};
}

double AnniSpezzati(const Mutuo& mutuo, int giorni)
{
    // Over 366 when the disbursement's year is a leap one, as the rules of
    // the annual percentage rate allow for days that are not whole months.
    return giorni / (Bisestile(mutuo.erogazione.anno) ? 366.0 : 365.0);
}

std::string DescrizioneTermini(const Mutuo& mutuo)
{
    std::string testo = DescrizioneCondizioni(mutuo.condizioni);
    const auto aggiungi = [&testo](const std::string& termine) { testo += (testo.empty() ? "" : " - ") + termine; };
    if (const std::string giorni = DescrizioneInteressiGiorni(mutuo.condizioni); !giorni.empty())
        aggiungi(giorni);
    const auto periodo = PrimoPeriodoDi(mutuo);
    if (periodo)
        aggiungi("PRIMA SCADENZA " + FormatoData(periodo->prima));
    if (periodo && periodo->giorni > 0) {
        testo += " - PREAMMORTAMENTO TECNICO DI " + std::to_string(periodo->giorni)
                 + (periodo->giorni == 1 ? " GIORNO" : " GIORNI");
        if (mutuo.condizioni.baseGiorni != BaseGiorni::Civile)
            testo += " - BASE " + std::string(VoceDi(BasiGiorni, mutuo.condizioni.baseGiorni).parola) + " GIORNI";
    }
    if (mutuo.condizioni.tassoVariabile)
        aggiungi(DescrizioneTassoVariabile(*mutuo.condizioni.tassoVariabile));
    return testo;
}

std::vector<std::string_view> RigheTermini(std::string_view termini, std::size_t larghezza)
{
    constexpr std::string_view Separatore = " - ";
    std::vector<std::string_view> righe;
    std::size_t inizio = 0;
    while (termini.size() - inizio > larghezza) {
        // The line ends with the dash of the last separator within the
        // width, or of the first for a term alone wider than it.
        std::size_t taglio = termini.rfind(Separatore, inizio + larghezza - 2);
        if (taglio == std::string_view::npos || taglio < inizio)
            taglio = termini.find(Separatore, inizio);
        if (taglio == std::string_view::npos)
            break;
        righe.push_back(termini.substr(inizio, taglio + 2 - inizio));
        inizio = taglio + Separatore.size();
    }
    righe.push_back(termini.substr(inizio));
    return righe;
}

}  // namespace pianoamm

#include "file/verifica_banca.h"

#include "file/mutuo_banca.h"
#include "file/valori_banca.h"

#include "engine/cadenza.h"
#include "engine/centesimi.h"
#include "engine/costi.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/inverso.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

namespace pianoamm {

namespace {

// The rate of the loan's terms: from the installment, or for a fixed capital
// share from the first interest; of the rates with 0 to 4 decimals the first
// that gives that figure back at the table's precision.
double TassoDi(const TabellaBanca& tabella, const MutuoBanca& banca, Mutuo mutuo)
{
    // The installment is the entry rate's, whatever the first period's days.
    mutuo.condizioni.primaScadenza = std::nullopt;
    mutuo.condizioni.tassoVariabile = std::nullopt;
    const std::size_t primo = banca.primaRata;
    const int perAnno = 12 / DatiDi(mutuo.cadenza).mesi;
    const TassoPeriodo regola = mutuo.condizioni.tassoPeriodo;
    const bool italiano = mutuo.condizioni.metodo == Metodo::Italiano;
    const RuoloColonna ruolo = italiano ? RuoloColonna::Interessi : RuoloColonna::Rata;
    const double scala = ScalaColonna(tabella, ruolo);
    const double figuraBanca =
        Arrotondato(Richiesto(tabella, primo, ruolo, italiano ? "la quota interessi" : "la rata"), scala);
    const auto figura = [&](double tasso) {
        const double i = TassoPeriodale(tasso, perAnno, regola);
        return italiano ? mutuo.importo * i : RataMutuo(mutuo.importo, mutuo.numeroRate, i, mutuo.condizioni.maxiRata);
    };
    const double tasso = italiano ? Arrotondato(TassoAnnuoDi(figuraBanca / mutuo.importo, perAnno, regola), 10000)
                                  : Risolvi(mutuo, figuraBanca, Incognita::Tasso).tassoAnnuo;
    for (double scalaTasso = 1; scalaTasso < 10000; scalaTasso *= 10) {
        if (const double breve = Arrotondato(tasso, scalaTasso); Arrotondato(figura(breve), scala) == figuraBanca)
            return breve;
    }
    return tasso;
}

// The plan of the loan against the table: the cells of the table's own
// columns apart, and the totals' differences, those of a column worked out
// from the others too.
Verifica Confronta(const TabellaBanca& tabella, const Mutuo& mutuo)
{
    const Piano piano = PianoAmm(mutuo);
    const std::vector<RigaCentesimi> centesimi = RigheInCentesimi(piano);
    Verifica verifica;
    verifica.mutuo = mutuo;
    verifica.righe = static_cast<int>(tabella.righe.size());
    std::set<int> righeDiverse;
    for (std::size_t riga = 0; riga < tabella.righe.size(); ++riga) {
        for (const RuoloColonna ruolo : RuoliConfrontati) {
            const auto banca = ValoreBanca(tabella, riga, ruolo);
            if (!banca)
                continue;
            const double scala = ScalaColonna(tabella, ruolo);
            const double suo = Arrotondato(*banca, scala);
            const double programma =
                riga < piano.righe.size() ? ValorePiano(piano.righe[riga], centesimi[riga], ruolo, scala) : 0;
            if (ruolo == RuoloColonna::Interessi)
                verifica.differenzaInteressi += suo - programma;
            if (ruolo == RuoloColonna::Rata)
                verifica.differenzaPagato += suo - programma;
            if (tabella.Colonna(ruolo) && std::abs(suo - programma) > 0.5 / scala) {
                verifica.celle.push_back({tabella.righe[riga].numero, ruolo, scala > 1 ? 2 : 0, suo, programma});
                righeDiverse.insert(tabella.righe[riga].numero);
            }
        }
    }
    verifica.righeDiverse = static_cast<int>(righeDiverse.size());
    verifica.differenzaInteressi = Arrotondato(verifica.differenzaInteressi, 100);
    verifica.differenzaPagato = Arrotondato(verifica.differenzaPagato, 100);
    return verifica;
}

// The plan of one set of terms against the table; none where the terms
// give no plan.
std::optional<Verifica> Prova(const TabellaBanca& tabella, const MutuoBanca& banca, const Condizioni& condizioni)
{
    try {
        Mutuo mutuo = banca.mutuo;
        mutuo.condizioni = condizioni;
        mutuo.tassoAnnuo = banca.tasso ? *banca.tasso : TassoDi(tabella, banca, mutuo);
        return Confronta(tabella, ConGiorniSpezzati(banca, mutuo));
    } catch (const ErrorePiano&) {
        return std::nullopt;
    }
}

// Every set of terms to try, the program's defaults first; a balloon as a
// whole amount before the one to the cent.
std::vector<Condizioni> Candidati(const Condizioni& trovate)
{
    std::vector<double> maxiRate{Arrotondato(trovate.maxiRata, 1)};
    if (trovate.maxiRata != maxiRate.front())
        maxiRate.push_back(trovate.maxiRata);
    // The year's base counts only for a broken first period's days.
    const std::vector<BaseGiorni> basi = trovate.primaScadenza
                                             ? std::vector{BaseGiorni::Civile, BaseGiorni::Commerciale}
                                             : std::vector{trovate.baseGiorni};
    std::vector<Condizioni> candidati;
    for (const auto& arrotondamento : Arrotondamenti) {
        for (const auto& regola : RegoleTassoPeriodo) {
            for (const auto& metodo : Metodi) {
                for (const double maxiRata : maxiRate) {
                    if (metodo.valore == Metodo::Italiano && maxiRata > 0)
                        continue;
                    Condizioni condizioni = trovate;
                    condizioni.arrotondamento = arrotondamento.valore;
                    condizioni.tassoPeriodo = regola.valore;
                    condizioni.metodo = metodo.valore;
                    condizioni.maxiRata = maxiRata;
                    for (const BaseGiorni base : basi) {
                        condizioni.baseGiorni = base;
                        candidati.push_back(condizioni);
                    }
                }
            }
        }
    }
    return candidati;
}

}  // namespace

Verifica VerificaTabella(const TabellaBanca& tabella, const DatiNoti& noti)
{
    const MutuoBanca banca = MutuoDellaTabella(tabella, noti);
    std::optional<Verifica> migliore;
    for (const Condizioni& condizioni : Candidati(banca.mutuo.condizioni)) {
        auto verifica = Prova(tabella, banca, condizioni);
        // The fewest rows apart, then the fewest cells.
        if (verifica
            && (!migliore
                || std::pair(verifica->righeDiverse, verifica->celle.size())
                       < std::pair(migliore->righeDiverse, migliore->celle.size())))
            migliore = std::move(verifica);
        if (migliore && migliore->righeDiverse == 0)
            return *migliore;
    }
    if (!migliore)
        throw ErrorePiano("Nessuna delle condizioni del programma dà un piano con queste righe.");
    return *migliore;
}

}  // namespace pianoamm

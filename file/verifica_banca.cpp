#include "file/verifica_banca.h"

#include "file/candidati_banca.h"
#include "file/mutuo_banca.h"
#include "file/valori_banca.h"

#include "engine/cadenza.h"
#include "engine/centesimi.h"
#include "engine/errore.h"
#include "engine/inverso.h"
#include "engine/soldi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

namespace pianoamm {

namespace {

// A rate found, and how many rates of two decimals, and of four, on each
// side of it the figure it comes from, at the table's precision, fits as
// well.
struct TassoTrovato {
    double tasso = 0;
    int vicini = 0;
    int viciniFini = 0;
};

// The rate of the loan's terms: from the installment, or for a fixed capital
// share from the first interest; of the rates with 0 to 4 decimals the first
// that gives that figure back at the table's precision.
TassoTrovato TassoDi(const TabellaBanca& tabella, const MutuoBanca& banca, Mutuo mutuo)
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
    // Interest in whole units is cut, not rounded.
    const bool tagliata = italiano && mutuo.condizioni.arrotondamento == Arrotondamento::Unita;
    const auto mostrata = [&](double valore) {
        return tagliata ? std::floor(valore + 1e-9) : Arrotondato(valore, scala);
    };
    const double tasso = italiano ? Arrotondato(TassoAnnuoDi(figuraBanca / mutuo.importo, perAnno, regola), 10000)
                                  : Risolvi(mutuo, figuraBanca, Incognita::Tasso).tassoAnnuo;
    // A step of the rate moves the figure by so much, and the figure is
    // known to a unit where it is cut; at most 20 each side.
    const double incertezza = tagliata ? 1 : 1 / scala;
    const auto vicini = [&](double passo) {
        const double spostamento = std::abs(figura(tasso + passo) - figura(tasso));
        return spostamento > 0 ? static_cast<int>(std::min(20.0, std::ceil(incertezza / spostamento))) : 0;
    };
    for (double scalaTasso = 1; scalaTasso < 10000; scalaTasso *= 10) {
        if (const double breve = Arrotondato(tasso, scalaTasso); mostrata(figura(breve)) == figuraBanca)
            return {breve, vicini(0.01), vicini(0.0001)};
    }
    return {tasso, vicini(0.01), vicini(0.0001)};
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
    // Row 0, a broken period's interest, is no installment.
    verifica.righe =
        static_cast<int>(std::ranges::count_if(tabella.righe, [](const RigaBanca& riga) { return riga.numero > 0; }));
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

// The plan at one rate against the table; none where the terms give no
// plan.
std::optional<Verifica> ProvaTasso(const TabellaBanca& tabella, const MutuoBanca& banca, Mutuo mutuo, double tasso)
{
    try {
        mutuo.tassoAnnuo = tasso;
        return Confronta(tabella, ConGiorniSpezzati(banca, mutuo));
    } catch (const ErrorePiano&) {
        return std::nullopt;
    }
}

// The fewest rows apart, then the fewest cells.
bool Meglio(const std::optional<Verifica>& una, const std::optional<Verifica>& altra)
{
    return una
           && (!altra
               || std::pair(una->righeDiverse, una->celle.size())
                      < std::pair(altra->righeDiverse, altra->celle.size()));
}

// The annual rate of all the interest over all the debt it was paid on, as
// the rows but the last (which settles the rest) give them: in whole units,
// or for a small loan, closer than a single figure is.
std::optional<double> TassoDeiTotali(const TabellaBanca& tabella, const MutuoBanca& banca, const Mutuo& mutuo)
{
    double interessi = 0;
    double debiti = 0;
    double debito = mutuo.importo;
    for (std::size_t riga = banca.interessiSpezzati ? 1 : 0; riga + 1 < tabella.righe.size(); ++riga) {
        const auto quota = ValoreBanca(tabella, riga, RuoloColonna::Interessi);
        const auto dopo = ValoreBanca(tabella, riga, RuoloColonna::Debito);
        if (!quota || !dopo)
            return std::nullopt;
        interessi += *quota;
        debiti += debito;
        debito = *dopo;
    }
    if (debiti <= 0)
        return std::nullopt;
    return TassoAnnuoDi(interessi / debiti, 12 / DatiDi(mutuo.cadenza).mesi, mutuo.condizioni.tassoPeriodo);
}

// The plan of one set of terms against the table. A figure in whole units,
// or of a small loan, fits more rates than one: where the rate found from
// it does not give the table back, the rates of two decimals it fits are
// tried, then those of four, then those around the rate of the totals.
std::optional<Verifica> Prova(const TabellaBanca& tabella, const MutuoBanca& banca, const Condizioni& condizioni)
{
    Mutuo mutuo = banca.mutuo;
    mutuo.condizioni = condizioni;
    if (banca.tasso)
        return ProvaTasso(tabella, banca, mutuo, *banca.tasso);
    TassoTrovato trovato;
    try {
        trovato = TassoDi(tabella, banca, mutuo);
    } catch (const ErrorePiano&) {
        return std::nullopt;
    }
    auto migliore = ProvaTasso(tabella, banca, mutuo, trovato.tasso);
    // The rates of so many decimals, a step apart, on each side of centro.
    const auto intorno = [&](double centro, int vicini, double scala) {
        for (int passi = -vicini; passi <= vicini && !(migliore && migliore->righeDiverse == 0); ++passi) {
            const double vicino = Arrotondato(centro + passi / scala, scala);
            if (auto verifica = ProvaTasso(tabella, banca, mutuo, vicino); vicino >= 0 && Meglio(verifica, migliore))
                migliore = std::move(verifica);
        }
    };
    intorno(trovato.tasso, trovato.vicini, 100);
    // Four decimals only for a table to the cent: in whole units too many
    // such rates fit, and one would hide a cell apart.
    if (ScalaColonna(tabella, RuoloColonna::Rata) > 1)
        intorno(trovato.tasso, trovato.viciniFini, 10000);
    if (const auto totali = TassoDeiTotali(tabella, banca, mutuo); totali && !(migliore && migliore->righeDiverse == 0))
        intorno(*totali, 3, 100);
    return migliore;
}

// An amount the first rows give is off when one of their cells is: a round
// amount a step of the table's precision away is tried before it, so that
// where either leaves a row apart, the cell apart is the odd one.
std::optional<double> ImportoTondo(double importo, double scala)
{
    for (const double passo : {1000.0, 100.0, 10.0, 1.0}) {
        const double tondo = std::round(importo / passo) * passo;
        if (tondo != importo && std::abs(tondo - importo) <= 1.001 / scala)
            return tondo;
    }
    return std::nullopt;
}

}  // namespace

// Each amount the first rows give, those most of their cells give first,
// until one gives the table back.
Verifica VerificaTabella(const TabellaBanca& tabella, const DatiNoti& noti)
{
    const MutuoBanca trovato = MutuoDellaTabella(tabella, noti);
    std::vector<MutuoBanca> basi;
    const auto aggiungi = [&](double importo) {
        if (std::ranges::none_of(basi, [importo](const MutuoBanca& base) { return base.mutuo.importo == importo; })) {
            basi.push_back(trovato);
            basi.back().mutuo.importo = importo;
        }
    };
    if (noti.importo) {
        basi.push_back(trovato);
    } else {
        for (const double importo : ImportiDellaTabella(tabella, trovato.interessiSpezzati ? 1 : 0)) {
            if (const auto tondo = ImportoTondo(importo, ScalaColonna(tabella, RuoloColonna::Debito)))
                aggiungi(*tondo);
            aggiungi(importo);
        }
    }
    std::optional<Verifica> migliore;
    for (const MutuoBanca& banca : basi) {
        for (const Condizioni& condizioni : Candidati(tabella, banca)) {
            if (migliore && migliore->righeDiverse == 0)
                break;
            auto verifica = Prova(tabella, banca, condizioni);
            if (Meglio(verifica, migliore))
                migliore = std::move(verifica);
        }
    }
    if (!migliore)
        throw ErrorePiano("Nessuna delle condizioni del programma dà un piano con queste righe.");
    migliore->righeSaltate = tabella.righeSaltate;
    return *migliore;
}

}  // namespace pianoamm

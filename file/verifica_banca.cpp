#include "file/verifica_banca.h"

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

double Richiesto(const TabellaBanca& tabella, std::size_t riga, RuoloColonna ruolo, std::string_view manca)
{
    if (const auto valore = ValoreBanca(tabella, riga, ruolo))
        return *valore;
    throw ErrorePiano("La tabella non ha " + std::string(manca) + ": non se ne ricava il finanziamento.");
}

Cadenza CadenzaDi(const TabellaBanca& tabella)
{
    if (tabella.righe.size() < 2)
        return Cadenza::Mensile;
    const Data& una = tabella.righe[0].scadenza;
    const Data& altra = tabella.righe[1].scadenza;
    const int mesi = (altra.anno - una.anno) * 12 + altra.mese - una.mese;
    for (const DatiCadenza& dati : Cadenze) {
        if (dati.mesi == mesi)
            return dati.valore;
    }
    throw ErrorePiano("Tra le prime due scadenze (" + FormatoData(una) + " e " + FormatoData(altra)
                      + ") non c'è un periodo di 1, 2, 3, 4, 6 o 12 mesi.");
}

// The loan but its rate and the terms that only its plans can tell.
Mutuo MutuoDellaTabella(const TabellaBanca& tabella)
{
    const std::size_t righe = tabella.righe.size();
    const auto capitale = [&](std::size_t riga) {
        return Richiesto(tabella, riga, RuoloColonna::Capitale, "la quota capitale");
    };
    Mutuo mutuo;
    mutuo.importo = Richiesto(tabella, 0, RuoloColonna::Debito, "il debito residuo") + capitale(0);
    int preammortamento = 0;
    while (static_cast<std::size_t>(preammortamento) + 1 < righe
           && capitale(static_cast<std::size_t>(preammortamento)) == 0)
        ++preammortamento;
    mutuo.condizioni.preammortamento = preammortamento;
    mutuo.numeroRate = static_cast<int>(righe) - preammortamento;
    mutuo.cadenza = CadenzaDi(tabella);
    mutuo.erogazione = AggiungiMese(tabella.righe[0].scadenza, -DatiDi(mutuo.cadenza).mesi);
    if (mutuo.numeroRate > 1) {
        const double ultima = Richiesto(tabella, righe - 1, RuoloColonna::Rata, "la rata");
        const double penultima = Richiesto(tabella, righe - 2, RuoloColonna::Rata, "la rata");
        if (ultima - penultima > penultima / 10)
            mutuo.condizioni.maxiRata = Arrotondato(ultima - penultima, ScalaColonna(tabella, RuoloColonna::Rata));
    }
    return mutuo;
}

// The rate of the loan's terms: from the installment, or for a fixed capital
// share from the first interest; of the rates with 0 to 4 decimals the first
// that gives that figure back at the table's precision.
double TassoDi(const TabellaBanca& tabella, const Mutuo& mutuo)
{
    const auto primo = static_cast<std::size_t>(mutuo.condizioni.preammortamento);
    const int perAnno = 12 / DatiDi(mutuo.cadenza).mesi;
    const TassoPeriodo regola = mutuo.condizioni.tassoPeriodo;
    const bool italiano = mutuo.condizioni.metodo == Metodo::Italiano;
    const RuoloColonna ruolo = italiano ? RuoloColonna::Interessi : RuoloColonna::Rata;
    const double scala = ScalaColonna(tabella, ruolo);
    const double banca =
        Arrotondato(Richiesto(tabella, primo, ruolo, italiano ? "la quota interessi" : "la rata"), scala);
    const auto figura = [&](double tasso) {
        const double i = TassoPeriodale(tasso, perAnno, regola);
        return italiano ? mutuo.importo * i : RataMutuo(mutuo.importo, mutuo.numeroRate, i, mutuo.condizioni.maxiRata);
    };
    const double tasso = italiano ? Arrotondato(TassoAnnuoDi(banca / mutuo.importo, perAnno, regola), 10000)
                                  : Risolvi(mutuo, banca, Incognita::Tasso).tassoAnnuo;
    for (double scalaTasso = 1; scalaTasso < 10000; scalaTasso *= 10) {
        if (const double breve = Arrotondato(tasso, scalaTasso); Arrotondato(figura(breve), scala) == banca)
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
std::optional<Verifica> Prova(const TabellaBanca& tabella, Mutuo mutuo)
{
    try {
        mutuo.tassoAnnuo = TassoDi(tabella, mutuo);
        return Confronta(tabella, mutuo);
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
                    candidati.push_back(condizioni);
                }
            }
        }
    }
    return candidati;
}

}  // namespace

Verifica VerificaTabella(const TabellaBanca& tabella)
{
    const Mutuo base = MutuoDellaTabella(tabella);
    std::optional<Verifica> migliore;
    for (const Condizioni& condizioni : Candidati(base.condizioni)) {
        Mutuo mutuo = base;
        mutuo.condizioni = condizioni;
        auto verifica = Prova(tabella, mutuo);
        if (verifica && (!migliore || verifica->righeDiverse < migliore->righeDiverse))
            migliore = std::move(verifica);
        if (migliore && migliore->righeDiverse == 0)
            return *migliore;
    }
    if (!migliore)
        throw ErrorePiano("Nessuna delle condizioni del programma dà un piano con queste righe.");
    return *migliore;
}

}  // namespace pianoamm

#include "file/mutuo_banca.h"

#include "engine/cadenza.h"
#include "engine/errore.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"
#include "file/valori_banca.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>

namespace pianoamm {

namespace {

int MesiTra(const Data& una, const Data& altra)
{
    return (altra.anno - una.anno) * 12 + altra.mese - una.mese;
}

Cadenza CadenzaDi(const TabellaBanca& tabella, std::size_t prima)
{
    if (tabella.righe.size() < prima + 2)
        return Cadenza::Mensile;
    const Data& una = tabella.righe[prima].scadenza;
    const Data& altra = tabella.righe[prima + 1].scadenza;
    for (const DatiCadenza& dati : Cadenze) {
        if (dati.mesi == MesiTra(una, altra))
            return dati.valore;
    }
    throw ErrorePiano("Tra le scadenze " + FormatoData(una) + " e " + FormatoData(altra)
                      + " non c'è un periodo di 1, 2, 3, 4, 6 o 12 mesi.");
}

// The revisions of a rate column that moves: every K installments, K the
// greatest step that lands on each change; the index the rate itself (no
// spread), dated on the day the revised row's period starts.
std::optional<TassoVariabile> Revisioni(const TabellaBanca& tabella, std::size_t prima)
{
    const auto colonna = tabella.Colonna(RuoloColonna::Tasso);
    if (!colonna)
        return std::nullopt;
    const auto tasso = [&](std::size_t riga) { return tabella.righe[riga].valori[*colonna]; };
    // Installment k is the row prima + k - 1.
    std::size_t passo = 0;
    for (std::size_t riga = prima + 1; riga < tabella.righe.size(); ++riga) {
        if (tasso(riga) != tasso(riga - 1))
            passo = std::gcd(passo, riga - prima);
    }
    if (passo == 0)
        return std::nullopt;
    TassoVariabile variabile;
    variabile.revisione = static_cast<int>(passo);
    for (std::size_t riga = prima + passo; riga < tabella.righe.size(); riga += passo) {
        if (variabile.indice.empty() || variabile.indice.back().valore != tasso(riga))
            variabile.indice.push_back({tabella.righe[riga - 1].scadenza, tasso(riga)});
    }
    return variabile;
}

// A period before the first due date, on the day of the month the due
// dates keep: the latest of the first year's, as those of a loan taken on
// the 31st fall on the 28th, 30th or 31st.
Data Erogazione(const TabellaBanca& tabella, std::size_t prima, int mesi)
{
    Data erogazione = AggiungiMese(tabella.righe[prima].scadenza, -mesi);
    int giorno = 0;
    for (std::size_t riga = prima; riga < std::min(tabella.righe.size(), prima + 12); ++riga)
        giorno = std::max(giorno, tabella.righe[riga].scadenza.giorno);
    erogazione.giorno = std::min(giorno, GiorniDelMese(erogazione.anno, erogazione.mese));
    return erogazione;
}

Data GiorniPrima(const Data& data, long long giorni)
{
    using namespace std::chrono;
    const year_month_day giorno{sys_days{year_month_day{year{data.anno}, month{static_cast<unsigned>(data.mese)},
                                                        day{static_cast<unsigned>(data.giorno)}}}
                                - days{giorni}};
    return {static_cast<int>(giorno.year()), static_cast<int>(static_cast<unsigned>(giorno.month())),
            static_cast<int>(static_cast<unsigned>(giorno.day()))};
}

}  // namespace

double Richiesto(const TabellaBanca& tabella, std::size_t riga, RuoloColonna ruolo, std::string_view manca)
{
    if (const auto valore = ValoreBanca(tabella, riga, ruolo))
        return *valore;
    throw ErrorePiano("La tabella non ha " + std::string(manca) + ": non se ne ricava il finanziamento.");
}

std::vector<double> ImportiDellaTabella(const TabellaBanca& tabella, std::size_t prima)
{
    const auto valore = [&](std::size_t riga, RuoloColonna ruolo) {
        return riga < tabella.righe.size() ? ValoreBanca(tabella, riga, ruolo) : std::nullopt;
    };
    const double debito = Richiesto(tabella, prima, RuoloColonna::Debito, "il debito residuo");
    // The first capital as its own cell gives it and as the installment
    // less the interest; the debt after the first row, or after the second
    // with its capital.
    std::vector<double> capitali{Richiesto(tabella, prima, RuoloColonna::Capitale, "la quota capitale")};
    const auto rata = valore(prima, RuoloColonna::Rata);
    const auto interessi = valore(prima, RuoloColonna::Interessi);
    if (rata && interessi)
        capitali.push_back(*rata - *interessi);
    const auto dopo = valore(prima + 1, RuoloColonna::Debito);
    const auto secondo = valore(prima + 1, RuoloColonna::Capitale);
    std::vector<double> stime;
    for (const double primo : capitali) {
        stime.push_back(Arrotondato(debito + primo, 100));
        if (dopo && secondo)
            stime.push_back(Arrotondato(*dopo + *secondo + primo, 100));
    }
    // The figures most of them give first: one cell off leaves the others
    // agreeing.
    std::vector<double> importi;
    for (const double stima : stime) {
        if (std::find(importi.begin(), importi.end(), stima) == importi.end())
            importi.push_back(stima);
    }
    const auto volte = [&stime](double importo) { return std::count(stime.begin(), stime.end(), importo); };
    std::stable_sort(importi.begin(), importi.end(),
                     [&](double uno, double altro) { return volte(uno) > volte(altro); });
    return importi;
}

MutuoBanca MutuoDellaTabella(const TabellaBanca& tabella, const DatiNoti& noti)
{
    const std::size_t righe = tabella.righe.size();
    const auto capitale = [&](std::size_t riga) {
        return Richiesto(tabella, riga, RuoloColonna::Capitale, "la quota capitale");
    };
    MutuoBanca banca;
    Mutuo& mutuo = banca.mutuo;
    const std::size_t prima = righe > 1 && tabella.righe[0].numero == 0 && capitale(0) == 0 ? 1 : 0;
    if (prima == 1)
        banca.interessiSpezzati = Richiesto(tabella, 0, RuoloColonna::Interessi, "la quota interessi");
    mutuo.importo = noti.importo ? *noti.importo : ImportiDellaTabella(tabella, prima).front();
    banca.primaRata = prima;
    while (banca.primaRata + 1 < righe && capitale(banca.primaRata) == 0)
        ++banca.primaRata;
    mutuo.condizioni.preammortamento = static_cast<int>(banca.primaRata - prima);
    mutuo.numeroRate = static_cast<int>(righe - banca.primaRata);
    mutuo.cadenza = CadenzaDi(tabella, prima);
    const int mesi = DatiDi(mutuo.cadenza).mesi;
    mutuo.erogazione = Erogazione(tabella, prima, mesi);
    if (prima == 1)
        mutuo.condizioni.primaScadenza = tabella.righe[1].scadenza;
    if (mutuo.numeroRate > 1) {
        const double ultima = Richiesto(tabella, righe - 1, RuoloColonna::Rata, "la rata");
        const double penultima = Richiesto(tabella, righe - 2, RuoloColonna::Rata, "la rata");
        if (ultima - penultima > penultima / 10)
            mutuo.condizioni.maxiRata = Arrotondato(ultima - penultima, ScalaColonna(tabella, RuoloColonna::Rata));
    }
    mutuo.condizioni.tassoVariabile = Revisioni(tabella, prima);
    banca.tasso = noti.tassoAnnuo;
    if (const auto colonna = tabella.Colonna(RuoloColonna::Tasso); colonna && !banca.tasso)
        banca.tasso = tabella.righe[prima].valori[*colonna];
    return banca;
}

Mutuo ConGiorniSpezzati(const MutuoBanca& banca, Mutuo mutuo)
{
    if (!banca.interessiSpezzati || mutuo.tassoAnnuo <= 0)
        return mutuo;
    const double alGiorno = mutuo.importo * mutuo.tassoAnnuo / 100 / static_cast<int>(mutuo.condizioni.baseGiorni);
    const auto giorni = std::llround(*banca.interessiSpezzati / alGiorno);
    mutuo.erogazione = GiorniPrima(mutuo.erogazione, giorni);
    return mutuo;
}

}  // namespace pianoamm

#include "engine/detrazione.h"

#include "engine/anni.h"
#include "engine/formato.h"
#include "engine/soldi.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

namespace pianoamm {

namespace {

// The rules by tax year, each row from its year to the next row's: a later
// law is one more row.
struct Legge {
    int daAnno;
    double sogliaTaglio;  // a fixed cut of the 19 % deductions above this income
    double taglio;        // 0: none
    bool tetto;           // art. 16-ter's cap on the capped 19 % expenses
};
constexpr std::array Leggi{
    Legge{2024, 50000, 260, false},  // d.lgs. 216/2023 art. 2
    Legge{2025, 0, 0, true},         // legge 207/2024 art. 1 c. 10
    Legge{2026, 200000, 440, true},  // legge 199/2025 art. 1 c. 4
};

// Art. 16-ter: the cap is a base by income times a share by children.
constexpr double SogliaTetto = 75000;
constexpr double SogliaBaseBassa = 100000;
constexpr double BaseAlta = 14000;
constexpr double BaseBassa = 8000;
constexpr std::array<long long, 4> PercentualeFigli{50, 70, 85, 100};
constexpr Data PrimoContrattoNelTetto{2025, 1, 1};

const Legge* LeggeDellAnno(int anno)
{
    const Legge* trovata = nullptr;
    for (const Legge& legge : Leggi) {
        if (legge.daAnno <= anno)
            trovata = &legge;
    }
    return trovata;
}

long long Diciannove(long long centesimi)
{
    return DivisioneMetaInSu(centesimi * 19, 100);
}

// The interest and charges of each calendar year, in cents.
struct Anno {
    int anno;
    long long interessi;
    long long oneri;
};

std::vector<Anno> AnniDelPiano(const Piano& piano, const Costi& costi)
{
    std::vector<Anno> anni;
    if (const long long iniziali = CentesimiIniziali(piano, costi); iniziali > 0)
        anni.push_back({piano.mutuo.erogazione.anno, 0, iniziali});
    const long long perRata = CentesimiMetaInSu(costi.speseRata);
    for (const AnnoPiano& anno : InteressiPerAnno(piano)) {
        if (anno.anno == 0)
            break;
        if (anni.empty() || anni.back().anno != anno.anno)
            anni.push_back({anno.anno, 0, 0});
        anni.back().interessi += CentesimiVicini(anno.interessi);
        anni.back().oneri += perRata * anno.rate;
    }
    return anni;
}

// A part of the loan whose share of the interest and charges is
// deductible, in cents (0: not given), what it is, for its note, and
// whether it took something off.
struct Proporzione {
    long long parte;
    const char* cosa;
    bool applicata = false;
};

long long Parte(const std::optional<double>& importo)
{
    return importo ? CentesimiMetaInSu(*importo) : 0;
}

// The borrower's figures in cents, and which rules took something off.
class Regole {
public:
    Regole(const Piano& piano, const RegoleDetrazione& regole)
        : limite(CentesimiMetaInSu(regole.limite)), quota(CentesimiMetaInSu(regole.quota)), dati(regole.fiscali),
          importo(CentesimiMetaInSu(piano.mutuo.importo)),
          proporzioni{Proporzione{Parte(dati.costoAcquisto), "costo d'acquisto"},
                      Proporzione{Parte(regole.debitoSostituito), "debito estinto con le spese della sostituzione"}},
          altri(CentesimiMetaInSu(dati.altriOneri.value_or(0))),
          nelTetto(!Prima(dati.dataContratto.value_or(piano.mutuo.erogazione), PrimoContrattoNelTetto))
    {}

    AnnoDetrazione Calcola(const Anno& anno);
    std::vector<std::string> Note() const;

private:
    long long Tetto() const;

    long long limite;
    long long quota;
    DatiFiscali dati;
    long long importo;
    // The purchase cost's, then a substitution's: each applies on its own.
    std::array<Proporzione, 2> proporzioni;
    long long altri;
    bool nelTetto;  // the loan was signed when art. 16-ter's cap holds
    bool tetto = false;
    std::array<bool, Leggi.size()> tagli{};
};

long long Regole::Tetto() const
{
    const double reddito = dati.reddito.value_or(0);
    const double base = reddito > SogliaBaseBassa ? BaseBassa : BaseAlta;
    return CentesimiMetaInSu(base) * PercentualeFigli.at(static_cast<std::size_t>(dati.figli.value_or(0))) / 100;
}

AnnoDetrazione Regole::Calcola(const Anno& anno)
{
    long long spesa = anno.interessi + anno.oneri;
    for (Proporzione& proporzione : proporzioni) {
        if (proporzione.parte > 0 && importo > proporzione.parte) {
            spesa = ProporzioneMetaInSu(spesa, proporzione.parte, importo);
            proporzione.applicata = true;
        }
    }
    const long long detraibile = DivisioneMetaInSu(std::clamp(spesa, 0LL, limite) * quota, 10000);
    const long long lorda = Diciannove(detraibile);
    long long netta = lorda;
    const Legge* legge = LeggeDellAnno(anno.anno);
    const double reddito = dati.reddito.value_or(0);
    const bool tettoDellAnno = legge != nullptr && legge->tetto && dati.reddito && reddito > SogliaTetto;
    if (tettoDellAnno && nelTetto) {
        netta = Diciannove(std::min(detraibile, std::max(0LL, Tetto() - altri)));
        tetto = tetto || netta < lorda;
    }
    if (legge != nullptr && legge->taglio > 0 && dati.reddito && reddito > legge->sogliaTaglio) {
        // The other expenses' deduction takes the cut first.
        const long long altriDetratti = Diciannove(tettoDellAnno ? std::min(altri, Tetto()) : altri);
        const long long taglio = std::min(std::max(0LL, CentesimiMetaInSu(legge->taglio) - altriDetratti), netta);
        netta -= taglio;
        bool& preso = tagli.at(static_cast<std::size_t>(legge - Leggi.data()));
        preso = preso || taglio > 0;
    }
    return {anno.anno, Euro(anno.interessi), Euro(anno.oneri), Euro(detraibile), Euro(lorda - netta), Euro(netta)};
}

std::string Soldi(double valore)
{
    return FormatoDecimali(valore, 2, true);
}

// "2024:", "Dal 2026:": a row's years, to the next row's.
std::string Anni(std::size_t riga)
{
    const int da = Leggi.at(riga).daAnno;
    if (riga + 1 == Leggi.size())
        return "Dal " + std::to_string(da) + ":";
    const int a = Leggi.at(riga + 1).daAnno - 1;
    return a == da ? std::to_string(da) + ":" : "Dal " + std::to_string(da) + " al " + std::to_string(a) + ":";
}

std::vector<std::string> Regole::Note() const
{
    constexpr std::array<const char*, 4> Figli{"nessun figlio a carico", "un figlio a carico", "due figli a carico",
                                               "tre o più figli a carico, o uno con disabilità"};
    std::vector<std::string> note;
    for (const Proporzione& proporzione : proporzioni) {
        if (!proporzione.applicata)
            continue;
        const double percento = static_cast<double>(proporzione.parte) * 100 / static_cast<double>(importo);
        note.push_back("Proporzione " + Soldi(percento) + " %: " + proporzione.cosa + " "
                       + Soldi(Euro(proporzione.parte)) + " su un mutuo di " + Soldi(Euro(importo)) + ".");
    }
    for (std::size_t riga = 0; riga < Leggi.size(); ++riga) {
        const Legge& legge = Leggi.at(riga);
        if (tetto && legge.tetto && (riga == 0 || !Leggi.at(riga - 1).tetto)) {
            note.push_back("Dal " + std::to_string(legge.daAnno) + ": tetto di " + Soldi(Euro(Tetto()))
                           + " per gli oneri soggetti al limite (reddito " + Soldi(dati.reddito.value_or(0)) + ", "
                           + Figli.at(static_cast<std::size_t>(dati.figli.value_or(0))) + "), altri oneri "
                           + Soldi(Euro(altri)) + " considerati per primi.");
        }
        if (tagli.at(riga)) {
            note.push_back(Anni(riga) + " riduzione di " + Soldi(legge.taglio) + " per un reddito oltre "
                           + Soldi(legge.sogliaTaglio) + ".");
        }
    }
    note.emplace_back("Stima secondo le regole in vigore per gli anni d'imposta fino al "
                      + std::to_string(Leggi.back().daAnno) + "; gli anni successivi seguono le stesse regole.");
    return note;
}

}  // namespace

Detrazione DetrazionePerAnno(const Piano& piano, const Costi& costi, const RegoleDetrazione& regole)
{
    // In cents throughout, so that each row can be checked by hand and the
    // totals are the sums of the rows.
    Regole calcolo(piano, regole);
    Detrazione detrazione;
    AnnoDetrazione totale;
    for (const Anno& anno : AnniDelPiano(piano, costi)) {
        const AnnoDetrazione riga = calcolo.Calcola(anno);
        for (auto [somma, valore] : {std::pair{&totale.interessi, riga.interessi},
                                     {&totale.oneri, riga.oneri},
                                     {&totale.importoDetraibile, riga.importoDetraibile},
                                     {&totale.riduzioni, riga.riduzioni},
                                     {&totale.detrazione, riga.detrazione}})
            *somma = Euro(Centesimi(*somma) + Centesimi(valore));
        detrazione.anni.push_back(riga);
    }
    detrazione.anni.push_back(totale);
    detrazione.riduzioni = regole.fiscali.Dati();
    if (detrazione.riduzioni || regole.debitoSostituito)
        detrazione.note = calcolo.Note();
    return detrazione;
}

Celle CelleDetrazione(const Detrazione& detrazione)
{
    std::vector<std::string> intestazione{"Anno", "Interessi", "Oneri accessori", "Importo detraibile"};
    if (detrazione.riduzioni)
        intestazione.emplace_back("Riduzioni");
    intestazione.emplace_back("Detrazione");
    return CelleAnnuali(intestazione, detrazione.anni,
                        [&detrazione](const AnnoDetrazione& anno, std::vector<Cella>& riga) {
                            AccodaImporti(riga, {anno.interessi, anno.oneri, anno.importoDetraibile});
                            if (detrazione.riduzioni)
                                AccodaImporti(riga, {anno.riduzioni});
                            AccodaImporti(riga, {anno.detrazione});
                        });
}

std::string TabellaDetrazione(const Detrazione& detrazione)
{
    static constexpr Colonna Colonne[] = {{5, 6}, {20, 18}, {20, 18}, {20, 18}, {20, 18}, {20, 18}};
    std::string testo =
        TabellaDiTesto(std::span(Colonne).first(detrazione.riduzioni ? 6 : 5), CelleDetrazione(detrazione));
    if (!detrazione.note.empty())
        testo += "\n";
    for (const std::string& nota : detrazione.note)
        testo.append(nota).append(1, '\n');
    return testo;
}

}  // namespace pianoamm

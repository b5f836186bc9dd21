#include "engine/costi.h"

#include "engine/anni.h"
#include "engine/centesimi.h"
#include "engine/formato.h"
#include "engine/radice.h"

#include <algorithm>
#include <cmath>

namespace pianoamm {

namespace {

// Whole cents of a non-negative amount, halves up. An amount typed with two
// decimals is a hair off them as a double; the tolerance keeps an exact
// half a half.
long long CentesimiInSu(double euro)
{
    return static_cast<long long>(std::floor(euro * 100 + 0.5 + 1e-6));
}

// The fees and the tax, both paid at disbursement. Amount and tax rate have
// two decimals each: the tax comes out exact in whole numbers.
long long CentesimiIniziali(const Piano& piano, const Costi& costi)
{
    const long long imposta =
        (CentesimiInSu(piano.mutuo.importo) * CentesimiInSu(costi.impostaSostitutiva) + 5000) / 10000;
    return CentesimiInSu(costi.speseIniziali) + imposta;
}

// What the borrower pays at the rate e^y - 1, in present value, less the
// amount lent: it falls as y grows, so a root is one crossing of zero.
class EquazioneTaeg {
public:
    EquazioneTaeg(const Piano& piano, const Costi& costi)
        : iniziale(Euro(CentesimiIniziali(piano, costi)) - piano.mutuo.importo),
          anniPerRata(DatiDi(piano.mutuo.cadenza).mesi / 12.0)
    {
        pagamenti.reserve(piano.righe.size());
        for (const RigaPiano& riga : piano.righe)
            pagamenti.push_back(riga.quotaInteressi + riga.quotaCapitale + costi.speseRata);
    }

    // One pass, the discount of each due date from the last one's.
    ValoreEDerivata operator()(double y) const
    {
        const double sconto = std::exp(-y * anniPerRata);
        double fattore = 1;
        ValoreEDerivata risultato{iniziale, 0};
        for (std::size_t k = 0; k < pagamenti.size(); ++k) {
            fattore *= sconto;
            const double attuale = pagamenti[k] * fattore;
            risultato.valore += attuale;
            risultato.derivata -= attuale * anniPerRata * static_cast<double>(k + 1);
        }
        return risultato;
    }

private:
    double iniziale;
    double anniPerRata;
    std::vector<double> pagamenti;
};

// The root in y = ln(1 + X), from the TAN's.
std::optional<double> RisolviTaeg(const EquazioneTaeg& equazione, double tan)
{
    const auto y = RadiceDecrescente(equazione, std::log1p(-0.9999), std::log1p(10000.0), std::log1p(tan / 100), 1e-14);
    if (!y)
        return std::nullopt;
    return std::expm1(*y) * 100;
}

std::string Percentuale(double valore)
{
    return FormatoDecimali(valore, 2, true) + " %";
}

}  // namespace

CostoCredito CostoDelCredito(const Piano& piano, const Costi& costi)
{
    CostoCredito costo;
    costo.tan = piano.mutuo.tassoAnnuo;
    if (piano.mutuo.importo > 0)
        costo.taeg = RisolviTaeg(EquazioneTaeg(piano, costi), piano.mutuo.tassoAnnuo);
    // Every row is an installment with its fee, the pre-amortisation's too.
    const long long spese =
        CentesimiIniziali(piano, costi) + CentesimiInSu(costi.speseRata) * static_cast<long long>(piano.righe.size());
    costo.costoTotale = piano.totaleInteressi + Euro(spese);
    costo.importoTotaleDovuto = piano.mutuo.importo + costo.costoTotale;
    return costo;
}

std::array<VoceCosto, 4> VociCostoCredito(const CostoCredito& costo)
{
    return {{
        {EtichetteCosto[0], Percentuale(costo.tan)},
        {EtichetteCosto[1], costo.taeg ? Percentuale(*costo.taeg) : "non calcolabile"},
        {EtichetteCosto[2], FormatoDecimali(costo.costoTotale, 2, true)},
        {EtichetteCosto[3], FormatoDecimali(costo.importoTotaleDovuto, 2, true)},
    }};
}

std::string TestoCostoCredito(const CostoCredito& costo)
{
    const auto voci = VociCostoCredito(costo);
    std::string testo;
    for (const auto& [etichetta, valore] : voci) {
        testo.append(Maiuscole(etichetta)).append(voci[2].etichetta.size() - etichetta.size(), ' ');
        testo.append(" : ").append(valore).append(1, '\n');
    }
    return testo;
}

std::vector<AnnoDetrazione> DetrazionePerAnno(const Piano& piano, const Costi& costi, const RegoleDetrazione& regole)
{
    struct Anno {
        int anno;
        long long interessi;
        long long oneri;
    };
    std::vector<Anno> anni;
    if (const long long iniziali = CentesimiIniziali(piano, costi); iniziali > 0)
        anni.push_back({piano.mutuo.erogazione.anno, 0, iniziali});
    const long long perRata = CentesimiInSu(costi.speseRata);
    for (const AnnoPiano& anno : InteressiPerAnno(piano)) {
        if (anno.anno == 0)
            break;
        if (anni.empty() || anni.back().anno != anno.anno)
            anni.push_back({anno.anno, 0, 0});
        anni.back().interessi += std::llround(anno.interessi * 100);
        anni.back().oneri += perRata * anno.rate;
    }

    // In cents throughout, so that each row can be checked by hand and the
    // totals are the sums of the rows.
    const long long limite = CentesimiInSu(regole.limite);
    const long long quota = CentesimiInSu(regole.quota);
    std::vector<AnnoDetrazione> righe;
    long long somme[4] = {};
    for (const Anno& anno : anni) {
        const long long spesa = std::clamp(anno.interessi + anno.oneri, 0LL, limite);
        const long long detraibile = (spesa * quota + 5000) / 10000;
        const long long valori[4] = {anno.interessi, anno.oneri, detraibile, (detraibile * 19 + 50) / 100};
        for (int c = 0; c < 4; ++c)
            somme[c] += valori[c];
        righe.push_back({anno.anno, Euro(valori[0]), Euro(valori[1]), Euro(valori[2]), Euro(valori[3])});
    }
    righe.push_back({0, Euro(somme[0]), Euro(somme[1]), Euro(somme[2]), Euro(somme[3])});
    return righe;
}

Celle CelleDetrazione(const std::vector<AnnoDetrazione>& anni, bool raggruppa)
{
    return CelleAnnuali(
        {"Anno", "Interessi", "Oneri accessori", "Importo detraibile", "Detrazione"}, anni,
        [raggruppa](const AnnoDetrazione& anno, std::vector<std::string>& riga) {
            AccodaImporti(riga, {anno.interessi, anno.oneri, anno.importoDetraibile, anno.detrazione}, raggruppa);
        });
}

std::string TabellaDetrazione(const std::vector<AnnoDetrazione>& anni)
{
    static constexpr Colonna Colonne[] = {{5, 6}, {20, 18}, {20, 18}, {20, 18}, {20, 18}};
    return TabellaDiTesto(Colonne, CelleDetrazione(anni, true));
}

std::string EsportaCsvDetrazione(const std::vector<AnnoDetrazione>& anni)
{
    return CsvDi(CelleDetrazione(anni, false));
}

}  // namespace pianoamm

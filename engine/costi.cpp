#include "engine/costi.h"

#include "engine/centesimi.h"
#include "engine/formato.h"
#include "engine/prima_scadenza.h"
#include "engine/radice.h"
#include "engine/rialzo.h"
#include "engine/soldi.h"

#include <algorithm>
#include <cmath>

namespace pianoamm {

// Amount and tax rate have two decimals each: the tax comes out exact in
// whole numbers.
long long CentesimiImposta(const Piano& piano, const Costi& costi)
{
    return DivisioneMetaInSu(CentesimiMetaInSu(piano.mutuo.importo) * CentesimiMetaInSu(costi.impostaSostitutiva),
                             10000);
}

long long CentesimiIniziali(const Piano& piano, const Costi& costi)
{
    return CentesimiMetaInSu(costi.speseIniziali) + CentesimiImposta(piano, costi);
}

namespace {

// What the borrower pays at the rate e^y - 1, in present value, less the
// amount lent: it falls as y grows, so a root is one crossing of zero. Row k
// is paid k periods of equal months after the first period's start, which a
// broken period puts its days after the disbursement; row 0, the broken
// period's interest, on that start.
class EquazioneTaeg {
public:
    EquazioneTaeg(const Piano& piano, const Costi& costi)
        : iniziale(Euro(CentesimiIniziali(piano, costi)) - piano.mutuo.importo),
          anniPerRata(DatiDi(piano.mutuo.cadenza).mesi / 12.0)
    {
        const auto periodo = PrimoPeriodoDi(piano.mutuo);
        anniInizio = periodo ? AnniSpezzati(piano.mutuo, periodo->giorni) : 0;
        pagamenti.resize(static_cast<std::size_t>(UltimaRata(piano.righe)) + 1);
        for (const RigaPiano& riga : piano.righe)
            pagamenti[static_cast<std::size_t>(riga.numero)] =
                riga.quotaInteressi + riga.quotaCapitale + (riga.numero > 0 ? costi.speseRata : 0);
    }

    // One pass, the discount of each due date from the last one's.
    ValoreEDerivata operator()(double y) const
    {
        const double sconto = std::exp(-y * anniPerRata);
        double fattore = std::exp(-y * anniInizio);
        ValoreEDerivata risultato{iniziale, 0};
        for (std::size_t k = 0; k < pagamenti.size(); ++k) {
            const double attuale = pagamenti[k] * fattore;
            risultato.valore += attuale;
            risultato.derivata -= attuale * anniPerRata * static_cast<double>(k) + attuale * anniInizio;
            fattore *= sconto;
        }
        return risultato;
    }

private:
    double iniziale;
    double anniPerRata;
    double anniInizio = 0;          // from the disbursement to the first period's start
    std::vector<double> pagamenti;  // by row, from row 0, none without a broken period
};

// The root in y = ln(1 + X), from the TAN's.
std::optional<double> RisolviTaeg(const EquazioneTaeg& equazione, double tan)
{
    const auto y = RadiceDecrescente(equazione, std::log1p(-0.9999), std::log1p(10000.0), std::log1p(tan / 100), 1e-14);
    if (!y)
        return std::nullopt;
    return std::expm1(*y) * 100;
}

}  // namespace

CostoCredito CostoDelCredito(const Piano& piano, const Costi& costi)
{
    CostoCredito costo;
    costo.tan = piano.mutuo.tassoAnnuo;
    if (piano.mutuo.importo > 0)
        costo.taeg = RisolviTaeg(EquazioneTaeg(piano, costi), piano.mutuo.tassoAnnuo);
    // Every row is an installment with its fee, the pre-amortisation's too,
    // but the broken period's interest.
    const long long spese = CentesimiIniziali(piano, costi)
                            + CentesimiMetaInSu(costi.speseRata) * static_cast<long long>(UltimaRata(piano.righe));
    costo.costoTotale = piano.totaleInteressi + Euro(spese);
    costo.importoTotaleDovuto = piano.mutuo.importo + costo.costoTotale;
    costo.imposta = Euro(CentesimiImposta(piano, costi));
    costo.importoNetto = Euro(CentesimiMetaInSu(piano.mutuo.importo) - CentesimiIniziali(piano, costi));
    return costo;
}

std::array<VoceCosto, 6> VociCostoCredito(const CostoCredito& costo)
{
    return {{
        {std::string(EtichetteCosto[0]), CellaPercentuale(costo.tan)},
        {std::string(EtichetteCosto[1]), costo.taeg ? CellaPercentuale(*costo.taeg) : CellaTesto("non calcolabile")},
        {std::string(EtichetteCosto[2]), CellaImporto(costo.costoTotale)},
        {std::string(EtichetteCosto[3]), CellaImporto(costo.importoTotaleDovuto)},
        {std::string(EtichetteCosto[4]), CellaImporto(costo.imposta)},
        {std::string(EtichetteCosto[5]), CellaImporto(costo.importoNetto)},
    }};
}

std::string TestoVoci(std::span<const VoceCosto> voci)
{
    std::size_t larghezza = 0;
    for (const VoceCosto& voce : voci)
        larghezza = std::max(larghezza, voce.etichetta.size());
    // As wide as the listing, a long value (the plan's terms) going on
    // under itself.
    constexpr std::size_t Riga = 80;
    const std::size_t rientro = larghezza + 3;
    std::string testo;
    for (const auto& [etichetta, valore] : voci) {
        testo.append(Maiuscole(etichetta)).append(larghezza - etichetta.size(), ' ').append(" : ");
        const std::string cella = TestoCella(valore);
        const std::vector<std::string_view> righe = RigheTermini(cella, Riga - std::min(Riga / 2, rientro));
        for (std::size_t r = 0; r < righe.size(); ++r)
            testo.append(r == 0 ? 0 : rientro, ' ').append(righe[r]).append(1, '\n');
    }
    return testo;
}

Celle CelleVoci(std::span<const VoceCosto> voci)
{
    Celle righe;
    righe.reserve(voci.size());
    for (const auto& [etichetta, valore] : voci)
        righe.push_back({CellaTesto(std::string(etichetta)), valore});
    return righe;
}

std::string TestoCostoCredito(const CostoCredito& costo)
{
    return TestoVoci(VociCostoCredito(costo));
}

Celle CelleCostoCredito(const CostoCredito& costo)
{
    return CelleVoci(VociCostoCredito(costo));
}

Cella TaegDelPiano(const Piano& piano, const Costi& costi)
{
    return VociCostoCredito(CostoDelCredito(piano, costi))[1].valore;
}

std::vector<VoceCosto> VociCosto(const Piano& piano, const Costi& costi, std::optional<double> rialzo)
{
    std::array<VoceCosto, 6> voci = VociCostoCredito(CostoDelCredito(piano, costi));
    if (!piano.mutuo.condizioni.tassoVariabile)
        return {std::make_move_iterator(voci.begin()), std::make_move_iterator(voci.end())};
    std::vector<VoceCosto> tutte{
        voci[0],
        {"TAEG (tasso al livello del contratto)", TaegDelPiano(PianoAmm(AlLivelloDelContratto(piano.mutuo)), costi)},
        {"TAEG (serie dell'indice inserita)", voci[1].valore}};
    if (rialzo)
        tutte.push_back(
            {"TAEG con rialzo di " + PuntiRialzo(*rialzo), TaegDelPiano(PianoConRialzo(piano.mutuo, *rialzo), costi)});
    tutte.insert(tutte.end(), voci.begin() + 2, voci.end());
    return tutte;
}

}  // namespace pianoamm

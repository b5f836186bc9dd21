#include "engine/calcolo.h"

#include "engine/errore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace pianoamm {

namespace {

constexpr std::string_view EtichettaImporto = "IMPORTO MUTUO          : ";
constexpr std::string_view EtichettaNumeroRate = "   NUMERO RATE   : ";
constexpr std::string_view EtichettaRata = "RATA FISSA             : ";
constexpr std::string_view EtichettaTasso = "   TASSO % ANNUALE : ";
constexpr std::string_view EtichettaInteressi = "TOTALE QUOTA INTERESSI : ";
constexpr std::string_view EtichettaGenerale = "TOTALE GENERALE        : ";
constexpr std::string_view Titolo = "                                   PIANO D'AMMORTAMENTO";
constexpr std::string_view TitoloSottolineato = "                                   ====================";
constexpr std::string_view TitoliColonne =
    "N.     SCADENZA     Q.INTERESSI     Q.CAPITALE     TOTALE RATA     DEB.RESIDUO";
constexpr std::string_view Sottolineatura =
    "---    ----------   -------------   ------------   ------------    -------------";

void AccodaEtichettato(std::string& riga, std::string_view etichetta, std::string_view valore, int ssp)
{
    riga += etichetta;
    AccodaCampo(riga, valore, ssp);
}

void ControllaDati(const DatiMutuo& dati)
{
    if (!(dati.Importo >= 0 && dati.Importo <= ImportoMassimo))
        throw ErrorePiano("L'importo del finanziamento deve essere compreso tra 0 e 999.999.999.");
    if (!(dati.NumeroRate >= 1 && dati.NumeroRate <= NumeroRateMassimo)
        || dati.NumeroRate != std::floor(dati.NumeroRate))
        throw ErrorePiano("Il numero delle rate deve essere un numero intero tra 1 e 999.");
    if (!(dati.TassoAnnuo >= 0 && dati.TassoAnnuo <= TassoMassimo))
        throw ErrorePiano("Il tasso annuo deve essere compreso tra 0 e 99.");
}

}  // namespace

void RataMutuo(StatoCalcolo& stato, double importo, double numeroRate)
{
    if (stato.RatePerAnno <= 0)
        throw ErrorePiano("Scegliere la cadenza dei pagamenti.");
    stato.TassoPeriodo = stato.TassoAnnuo / 100 / stato.RatePerAnno;
    if (stato.TassoPeriodo == 0) {
        // Interest-free financing: the limit of the formula as the rate goes to 0.
        stato.Rata = importo / numeroRate;
        return;
    }
    stato.Rata = (importo * stato.TassoPeriodo) / (1 - std::pow(1 + stato.TassoPeriodo, numeroRate * -1));
}

Piano PianoAmm(const DatiMutuo& dati)
{
    ControllaDati(dati);
    const auto erogazione = LeggiData(dati.DataErogazione);
    if (!erogazione)
        throw ErrorePiano("La data di erogazione non è valida: scriverla come GG/MM/AAAA.");

    const double importo = dati.Importo;
    Piano piano;
    StatoCalcolo& s = piano.Stato;
    s.MesiPeriodo = MesiCadenza.at(static_cast<std::size_t>(dati.cadenza));
    s.RatePerAnno = static_cast<std::int16_t>(std::nearbyint(12.0 / s.MesiPeriodo));
    s.TassoAnnuo = dati.TassoAnnuo;
    RataMutuo(s, importo, dati.NumeroRate);

    // The rows are computed first, then written: the totals lines, which
    // stand above the rows, then hold their final sums from the start.
    const auto n = static_cast<int>(std::nearbyint(dati.NumeroRate));
    piano.Rate.reserve(static_cast<std::size_t>(n));
    double totaleInteressi = 0;
    double residuoFrazioni = 0;  // cut-off interest fractions not yet paid back
    for (int k = 1; k <= n; ++k) {
        const double debito = importo - s.CapitaleRimborsato;
        s.QuotaInteressi = debito * s.TassoPeriodo;
        const double intero = std::floor(s.QuotaInteressi);
        residuoFrazioni += s.QuotaInteressi - intero;
        s.QuotaInteressi = intero;
        if (residuoFrazioni > 1) {
            residuoFrazioni -= 1;
            s.QuotaInteressi += 1;
        }
        if (dati.NumeroRate == k)
            s.QuotaInteressi = s.Rata - debito;
        s.QuotaCapitale = s.Rata - s.QuotaInteressi;
        if (debito < s.QuotaCapitale) {
            s.QuotaInteressi += s.QuotaCapitale - debito;
            s.QuotaCapitale = s.Rata - s.QuotaInteressi;
        }
        totaleInteressi += s.QuotaInteressi;

        RataPiano& rata = piano.Rate.emplace_back();
        rata.Numero = k;
        rata.Scadenza = AggiungiMese(*erogazione, s.MesiPeriodo * k);
        rata.QuotaInteressi = s.QuotaInteressi;
        rata.QuotaCapitale = s.QuotaCapitale;
        rata.DebitoResiduo = importo - (s.CapitaleRimborsato + s.QuotaCapitale);

        s.CapitaleRimborsato += s.QuotaCapitale;
    }

    auto& righe = piano.Righe;
    righe.Riserva(RigheIntestazione + static_cast<std::size_t>(n), 80);
    righe.Accoda(" ");
    righe.Accoda(Titolo);
    righe.Accoda(TitoloSottolineato);
    righe.Accoda(" ");
    const auto rigaEtichettata = [&righe](std::string_view etichetta, std::string_view valore, int ssp,
                                          std::string_view etichetta2 = {}, std::string_view valore2 = {},
                                          int ssp2 = 0) {
        righe.InizioRiga();
        AccodaEtichettato(righe.Corrente(), etichetta, valore, ssp);
        if (!etichetta2.empty())
            AccodaEtichettato(righe.Corrente(), etichetta2, valore2, ssp2);
        righe.FineRiga();
    };
    rigaEtichettata(EtichettaImporto, FormatoImporto(importo), 15, EtichettaNumeroRate, FormatoIntero(dati.NumeroRate),
                    3);
    rigaEtichettata(EtichettaRata, TestoNumero(s.Rata), 15, EtichettaTasso, FormatoTasso(dati.TassoAnnuo), 7);
    rigaEtichettata(EtichettaInteressi, FormatoImporto(totaleInteressi), 15);
    rigaEtichettata(EtichettaGenerale, FormatoImporto(totaleInteressi + importo), 15);
    righe.Accoda(" ");
    righe.Accoda(TitoliColonne);
    righe.Accoda(Sottolineatura);

    // Every row shows the same installment: format it once.
    const Cifre campoRata = FormatoImporto(s.Rata);
    const auto copia = [](char* out, std::string_view testo) { return std::copy(testo.begin(), testo.end(), out); };
    for (const RataPiano& rata : piano.Rate) {
        // At most 75 characters: the fields' widths and the blanks between.
        std::array<char, 96> testo;
        char* q = ScriviCampo(testo.data(), TestoIntero(rata.Numero), 2);
        q = copia(q, "    ");
        q = copia(q, FormatoData(rata.Scadenza));
        q = copia(q, "  ");
        q = ScriviCampo(q, FormatoImporto(rata.QuotaInteressi), 12);
        *q++ = ' ';
        q = ScriviCampo(q, FormatoImporto(rata.QuotaCapitale), 12);
        *q++ = ' ';
        q = ScriviCampo(q, campoRata, 12);
        *q++ = ' ';
        q = ScriviCampo(q, FormatoImporto(rata.DebitoResiduo), 13);
        righe.Accoda(std::string_view(testo.data(), static_cast<std::size_t>(q - testo.data())));
    }
    return piano;
}

}  // namespace pianoamm

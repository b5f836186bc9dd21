#include "engine/listato.h"

#include "engine/formato.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace pianoamm {

std::string_view Listato::operator[](std::size_t riga) const
{
    const std::size_t inizio = inizi.at(riga);
    const std::size_t fine = riga + 1 < inizi.size() ? inizi[riga + 1] : testo.size();
    return std::string_view(testo).substr(inizio, fine - inizio - 1);
}

std::size_t Listato::RigaTitoli() const
{
    std::size_t riga = 0;
    while (riga < NumeroRighe() && (*this)[riga] != TitoliColonne && (*this)[riga] != TitoliColonneCentesimi)
        ++riga;
    return riga;
}

void Listato::Riserva(std::size_t righe)
{
    // Lines are at most 92 characters: the text is one allocation.
    testo.reserve(righe * 93);
    inizi.reserve(righe);
    rate.reserve(righe);
}

void Listato::Accoda(std::string_view riga, std::optional<RataDellaLinea> rata)
{
    inizi.push_back(testo.size());
    rate.push_back(rata);
    testo.append(riga).append(1, '\n');
}

std::array<VoceConfronto, 5> Confronto(const Simulazione& simulazione, int decimali)
{
    const double interessi = simulazione.piano.totaleInteressi;
    const double differenza = simulazione.interessiOriginali - interessi;
    const double netto = differenza - simulazione.penale;
    return {{
        {EtichetteConfronto[0], simulazione.interessiOriginali},
        {EtichetteConfronto[1], interessi},
        {EtichetteConfronto[2], differenza},
        {EtichetteConfronto[3], simulazione.penale},
        // Compared as shown, halves away from zero: what shows as nothing
        // is no cost.
        {NegativoComeMostrato(netto, decimali) ? MaggiorCosto : EtichetteConfronto[4], std::fabs(netto)},
    }};
}

ConfrontoFini ConfrontaFini(const Simulazione& simulazione)
{
    ConfrontoFini fini{simulazione.fineOriginale, FineDi(simulazione), std::nullopt};
    const auto mesi = [](const Data& data) { return data.anno * 12 + data.mese; };
    if (const int risparmiati = mesi(fini.piano.ultimaScadenza) - mesi(fini.simulazione.ultimaScadenza);
        risparmiati > 0)
        fini.mesiRisparmiati = risparmiati;
    return fini;
}

std::string_view EtichettaRata(const Condizioni& condizioni)
{
    return condizioni.metodo == Metodo::Italiano ? EtichettaQuotaCapitale : EtichetteFini[2];
}

namespace {

// Money as the plan's terms show it: whole units, or cents in fields three
// characters wider.
struct Soldi {
    explicit Soldi(const Condizioni& condizioni) : decimali(Decimali(condizioni)), piu(decimali == 0 ? 0 : 3) {}

    // A total's field: in cents it widens rather than lose a digit, as
    // interest added to the debt can take it past the hundreds of billions.
    int Totale(double valore) const
    {
        const int larghezza = 15 + piu;
        return decimali == 0 ? larghezza
                             : std::max(larghezza, static_cast<int>(ImportoOZero(valore, decimali).size()) - 1);
    }

    int decimali;
    int piu;  // added to every money field's width
};

// The title, centred where the plan's is, and its rule.
constexpr std::string_view TitoloPiano = "PIANO D'AMMORTAMENTO";
constexpr std::string_view TitoloSimulazione = "SIMULAZIONE";
constexpr std::size_t RientroTitoloPiano = 35;

// The plan's terms, in as many lines as the listing's width asks, each
// term whole; a blank line for the defaults.
void AccodaTermini(Listato& listato, const Mutuo& mutuo, std::size_t larghezza)
{
    const std::string termini = DescrizioneTermini(mutuo);
    for (const std::string_view riga : RigheTermini(termini, larghezza))
        listato.Accoda(riga.empty() ? " " : riga);
}

// The title, the summary and the column heading.
Listato Intestazione(const Piano& piano, std::string_view titolo = TitoloPiano)
{
    const Mutuo& mutuo = piano.mutuo;
    const Soldi soldi(mutuo.condizioni);
    const bool italiano = mutuo.condizioni.metodo == Metodo::Italiano;
    Listato listato;
    // Room for the rows, the pre-amortisation's end and line 8 going on:
    // growing the block would copy it all.
    listato.Riserva(RigheIntestazione + piano.righe.size() + 4);
    listato.Accoda(" ");
    // Centred on the plan's title, half a character to the right for an
    // odd difference.
    const std::size_t rientro = RientroTitoloPiano + (TitoloPiano.size() - titolo.size() + 1) / 2;
    listato.Accoda(std::string(rientro, ' ').append(titolo));
    listato.Accoda(std::string(rientro, ' ').append(titolo.size(), '='));
    listato.Accoda(" ");
    listato.Accoda(Linea()
                       .Scrivi("IMPORTO MUTUO          : ")
                       .Importo(mutuo.importo, 15 + soldi.piu, soldi.decimali)
                       .Scrivi("   NUMERO RATE   : ")
                       .Tabulasin(std::to_string(UltimaRata(piano.righe)), 3)
                       .Testo());
    listato.Accoda(
        Linea()
            .Scrivi(italiano ? "PRIMA RATA             : " : "RATA FISSA             : ")
            .Tabulasin(soldi.decimali == 0 ? TestoNumero(piano.rata) : ImportoOZero(piano.rata, 2), 15 + soldi.piu)
            .Scrivi("   TASSO % ANNUALE : ")
            .Tabulasin(FormatoDecimali(mutuo.tassoAnnuo, 3, false), 7)
            .Testo());
    listato.Accoda(Linea()
                       .Scrivi("TOTALE QUOTA INTERESSI : ")
                       .Importo(piano.totaleInteressi, soldi.Totale(piano.totaleInteressi), soldi.decimali)
                       .Testo());
    const double generale = piano.totaleInteressi + mutuo.importo;
    listato.Accoda(
        Linea().Scrivi("TOTALE GENERALE        : ").Importo(generale, soldi.Totale(generale), soldi.decimali).Testo());
    // Terms other than the defaults are named where the listing has a blank.
    const std::string_view sottolineatura = soldi.decimali == 0 ? Sottolineatura : SottolineaturaCentesimi;
    AccodaTermini(listato, mutuo, sottolineatura.size());
    listato.Accoda(soldi.decimali == 0 ? TitoliColonne : TitoliColonneCentesimi);
    listato.Accoda(sottolineatura);
    return listato;
}

// "FINE PREAMMORTAMENTO: DALLA RATA 13 RATA 966": the installment of the
// first row that pays capital (a suspension may follow at once); the next
// row's when none before the last does, as an installment that only
// covers the interest leaves the whole debt to the last.
std::string FinePreammortamento(const Piano& piano)
{
    const auto inizio = std::ranges::find(piano.righe, piano.mutuo.condizioni.preammortamento + 1, &RigaPiano::numero);
    const auto ultima = std::prev(piano.righe.end());
    const auto capitale = std::find_if(inizio, ultima, [](const RigaPiano& r) { return r.quotaCapitale != 0; });
    const auto prima = capitale != ultima ? capitale : inizio;
    return "      FINE PREAMMORTAMENTO: DALLA RATA " + std::to_string(inizio->numero) + " RATA "
           + ImportoOZero(Pagato(*prima), Decimali(piano.mutuo.condizioni));
}

// The rows, each revision's and event's line after the row it follows.
void AccodaRighe(Listato& listato, const Piano& piano, std::span<const EventoPiano> eventi)
{
    const Soldi soldi(piano.mutuo.condizioni);
    auto evento = eventi.begin();
    auto revisione = piano.revisioni.begin();
    for (const RigaPiano& r : piano.righe) {
        listato.Accoda(Linea()
                           .Tabulasin(std::to_string(r.numero), 2)
                           .Spazi(4)
                           .Scrivi(FormatoData(r.scadenza))
                           .Spazi(2)
                           .Importo(r.quotaInteressi, 12 + soldi.piu, soldi.decimali)
                           .Spazi(1)
                           .Importo(r.quotaCapitale, 12 + soldi.piu, soldi.decimali)
                           .Spazi(1)
                           .Importo(Pagato(r), 12 + soldi.piu, soldi.decimali)
                           .Spazi(1)
                           .Importo(r.debitoResiduo, 13 + soldi.piu, soldi.decimali)
                           .Testo(),
                       RataDellaLinea{r.numero, true});
        const RataDellaLinea dopo{r.numero, false};
        if (r.numero > 0 && r.numero == piano.mutuo.condizioni.preammortamento)
            listato.Accoda(FinePreammortamento(piano), dopo);
        for (; revisione != piano.revisioni.end() && revisione->dopoRata == r.numero; ++revisione)
            listato.Accoda("      " + revisione->testo, dopo);
        for (; evento != eventi.end() && DopoRata(evento->evento) == r.numero; ++evento)
            listato.Accoda("      " + evento->effetto.testo, dopo);
    }
}

// The two ends in columns, PIANO under the figures above, SIMULAZIONE
// beside it; the months saved, when there are, in the simulation's.
void AccodaFini(Listato& listato, const Simulazione& simulazione, std::size_t etichette)
{
    const Soldi soldi(simulazione.piano.mutuo.condizioni);
    const int campo = 15 + soldi.piu;
    // An empty text takes a character fewer than its field: the plan's
    // side of the months saved is blanks.
    const auto riga = [&](std::string_view etichetta, std::string_view piano, std::string_view simulato) {
        Linea linea;
        linea.Scrivi(Maiuscole(etichetta)).Spazi(etichette - etichetta.size()).Scrivi(" : ");
        piano.empty() ? linea.Spazi(static_cast<std::size_t>(campo) + 1) : linea.Tabulasin(piano, campo);
        listato.Accoda(linea.Tabulasin(simulato, campo + 1).Testo());
    };
    const auto rata = [&soldi](const FinePiano& fine) {
        return fine.rata ? ImportoOZero(*fine.rata, soldi.decimali) : std::string("-");
    };
    const ConfrontoFini fini = ConfrontaFini(simulazione);
    listato.Accoda(" ");
    listato.Accoda(Linea()
                       .Spazi(etichette + 3)
                       .Tabulasin(Maiuscole(ColonneFini[0]), campo)
                       .Tabulasin(Maiuscole(ColonneFini[1]), campo + 1)
                       .Testo());
    riga(EtichetteFini[0], FormatoData(fini.piano.ultimaScadenza), FormatoData(fini.simulazione.ultimaScadenza));
    riga(EtichetteFini[1], std::to_string(fini.piano.numeroRate), std::to_string(fini.simulazione.numeroRate));
    riga(EtichettaRata(simulazione.piano.mutuo.condizioni), rata(fini.piano), rata(fini.simulazione));
    if (fini.mesiRisparmiati)
        riga(EtichetteFini[3], {}, std::to_string(*fini.mesiRisparmiati));
}

}  // namespace

Listato ComponiListato(const Piano& piano)
{
    Listato listato = Intestazione(piano);
    AccodaRighe(listato, piano, {});
    return listato;
}

Listato ComponiListato(const Simulazione& simulazione)
{
    if (simulazione.eventi.empty())
        return ComponiListato(simulazione.piano);
    Listato listato = Intestazione(simulazione.piano, TitoloSimulazione);
    AccodaRighe(listato, simulazione.piano, simulazione.eventi);
    listato.Accoda(" ");
    const Soldi soldi(simulazione.piano.mutuo.condizioni);
    const auto confronto = Confronto(simulazione, soldi.decimali);
    for (const auto& [etichetta, valore] : confronto) {
        listato.Accoda(Linea()
                           .Scrivi(Maiuscole(etichetta))
                           .Spazi(confronto[1].etichetta.size() - etichetta.size())
                           .Scrivi(" : ")
                           .Tabulasin(ImportoOZero(valore, soldi.decimali), 15 + soldi.piu)
                           .Testo());
    }
    AccodaFini(listato, simulazione, confronto[1].etichetta.size());
    return listato;
}

}  // namespace pianoamm

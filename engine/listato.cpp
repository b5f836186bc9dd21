#include "engine/listato.h"

#include "engine/formato.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>

namespace pianoamm {

std::string_view Listato::operator[](std::size_t riga) const
{
    const std::size_t inizio = inizi.at(riga);
    const std::size_t fine = riga + 1 < inizi.size() ? inizi[riga + 1] : testo.size();
    return std::string_view(testo).substr(inizio, fine - inizio - 1);
}

int Listato::NumeroRata(std::size_t riga) const
{
    if (riga < RigheIntestazione || riga >= NumeroRighe())
        return 0;
    // An installment's line starts with its number, right-aligned in three
    // characters; the others with blanks or letters.
    const std::string_view campo = (*this)[riga].substr(0, 3);
    const auto cifre = campo.find_first_not_of(' ');
    int numero = 0;
    if (cifre == std::string_view::npos
        || std::from_chars(campo.data() + cifre, campo.data() + campo.size(), numero).ptr
               != campo.data() + campo.size())
        return 0;
    return numero;
}

void Listato::Riserva(std::size_t righe)
{
    // Lines are at most 92 characters: the text is one allocation.
    testo.reserve(righe * 93);
    inizi.reserve(righe);
}

void Listato::Accoda(std::string_view riga)
{
    inizi.push_back(testo.size());
    testo.append(riga).append(1, '\n');
}

std::array<VoceConfronto, 5> Confronto(const Simulazione& simulazione)
{
    const double interessi = simulazione.piano.totaleInteressi;
    const double differenza = simulazione.interessiOriginali - interessi;
    const double netto = differenza - simulazione.penale;
    return {{
        {EtichetteConfronto[0], simulazione.interessiOriginali},
        {EtichetteConfronto[1], interessi},
        {EtichetteConfronto[2], differenza},
        {EtichetteConfronto[3], simulazione.penale},
        {netto < 0 ? MaggiorCosto : EtichetteConfronto[4], std::fabs(netto)},
    }};
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

// The title, the summary and the column heading.
Listato Intestazione(const Piano& piano)
{
    const Mutuo& mutuo = piano.mutuo;
    const Soldi soldi(mutuo.condizioni);
    const bool italiano = mutuo.condizioni.metodo == Metodo::Italiano;
    Listato listato;
    listato.Riserva(RigheIntestazione + piano.righe.size());
    listato.Accoda(" ");
    listato.Accoda("                                   PIANO D'AMMORTAMENTO");
    listato.Accoda("                                   ====================");
    listato.Accoda(" ");
    listato.Accoda(Linea()
                       .Scrivi("IMPORTO MUTUO          : ")
                       .Importo(mutuo.importo, 15 + soldi.piu, soldi.decimali)
                       .Scrivi("   NUMERO RATE   : ")
                       .Tabulasin(std::to_string(piano.righe.size()), 3)
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
    const std::string condizioni = DescrizioneCondizioni(mutuo.condizioni);
    listato.Accoda(condizioni.empty() ? " " : condizioni);
    listato.Accoda(soldi.decimali == 0 ? TitoliColonne : TitoliColonneCentesimi);
    listato.Accoda(soldi.decimali == 0 ? Sottolineatura : SottolineaturaCentesimi);
    return listato;
}

// "FINE PREAMMORTAMENTO: DALLA RATA 13 RATA 966": the installment of the
// first row that pays capital (a suspension may follow at once).
std::string FinePreammortamento(const Piano& piano)
{
    const auto inizio = piano.righe.begin() + piano.mutuo.condizioni.preammortamento;
    const auto prima = std::find_if(inizio, piano.righe.end(), [](const RigaPiano& r) { return r.quotaCapitale != 0; });
    return "      FINE PREAMMORTAMENTO: DALLA RATA " + std::to_string(inizio->numero) + " RATA "
           + ImportoOZero(prima != piano.righe.end() ? Pagato(*prima) : piano.rata, Decimali(piano.mutuo.condizioni));
}

// The rows, each event's line after the row it follows.
void AccodaRighe(Listato& listato, const Piano& piano, std::span<const EventoPiano> eventi)
{
    const Soldi soldi(piano.mutuo.condizioni);
    auto evento = eventi.begin();
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
                           .Testo());
        if (r.numero == piano.mutuo.condizioni.preammortamento)
            listato.Accoda(FinePreammortamento(piano));
        for (; evento != eventi.end() && DopoRata(evento->evento) == r.numero; ++evento)
            listato.Accoda("      " + evento->effetto.testo);
    }
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
    Listato listato = Intestazione(simulazione.piano);
    AccodaRighe(listato, simulazione.piano, simulazione.eventi);
    listato.Accoda(" ");
    const auto confronto = Confronto(simulazione);
    const Soldi soldi(simulazione.piano.mutuo.condizioni);
    for (const auto& [etichetta, valore] : confronto) {
        listato.Accoda(Linea()
                           .Scrivi(Maiuscole(etichetta))
                           .Spazi(confronto[1].etichetta.size() - etichetta.size())
                           .Scrivi(" : ")
                           .Tabulasin(ImportoOZero(valore, soldi.decimali), 15 + soldi.piu)
                           .Testo());
    }
    return listato;
}

}  // namespace pianoamm

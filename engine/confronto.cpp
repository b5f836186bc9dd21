#include "engine/confronto.h"

#include "engine/centesimi.h"
#include "engine/dati_costi.h"
#include "engine/detrazione.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/rialzo.h"
#include "engine/soldi.h"
#include "engine/visibile.h"

#include <algorithm>
#include <charconv>

namespace pianoamm {

namespace {

// The narrowest an offer's column gets, so that a short name is not cut.
constexpr std::size_t LarghezzaMinima = 14;
constexpr std::string_view Separatore = "   ";

void ControllaNumero(std::size_t offerte)
{
    if (offerte < OfferteMinime || offerte > OfferteMassime)
        throw ErrorePiano("Si confrontano da " + std::to_string(OfferteMinime) + " a " + std::to_string(OfferteMassime)
                          + " offerte, non " + std::to_string(offerte) + ".");
}

// Names are the user's UTF-8: a column's width counts characters, not
// bytes.
std::size_t Larghezza(std::string_view testo)
{
    return CaratteriUtf8(testo);
}

void Allinea(std::string& linea, std::string_view testo, std::size_t larghezza, bool destra)
{
    const std::size_t spazi = larghezza - std::min(larghezza, Larghezza(testo));
    if (destra)
        linea.append(spazi, ' ');
    linea.append(testo);
    if (!destra)
        linea.append(spazi, ' ');
}

long long CentesimiMostrati(double valore)
{
    std::string cifre = FormatoDecimali(valore, 2, false);
    std::erase(cifre, ',');
    long long centesimi = 0;
    std::from_chars(cifre.data(), cifre.data() + cifre.size(), centesimi);
    return centesimi;
}

std::optional<double> Valore(const ValoriOfferta& valori, RigaConfronto voce)
{
    switch (voce) {
    case RigaConfronto::Rata:
        return valori.rata;
    case RigaConfronto::RataMassima:
        return valori.rataMassima;
    case RigaConfronto::MaxiRata:
        return valori.maxiRata;
    case RigaConfronto::NumeroRate:
        return valori.numeroRate;
    case RigaConfronto::Durata:
        return valori.mesi;
    case RigaConfronto::Tan:
        return valori.costo.tan;
    case RigaConfronto::Taeg:
        return valori.costo.taeg;
    case RigaConfronto::Interessi:
        return valori.interessi;
    case RigaConfronto::Spese:
        return valori.spese;
    case RigaConfronto::CostoTotale:
        return valori.costo.costoTotale;
    case RigaConfronto::ImportoDovuto:
        return valori.costo.importoTotaleDovuto;
    case RigaConfronto::Detrazione:
        return valori.detrazione;
    case RigaConfronto::CostoNetto:
        // The difference of the two rows as they read.
        return Euro(CentesimiMostrati(valori.costo.costoTotale) - CentesimiMostrati(valori.detrazione));
    }
    return std::nullopt;
}

// The value in hundredths as it shows, so that two values that read the
// same compare equal.
std::optional<long long> Chiave(const ValoriOfferta& valori, RigaConfronto voce)
{
    const std::optional<double> valore = Valore(valori, voce);
    if (!valore)
        return std::nullopt;
    return CentesimiMostrati(*valore);
}

const DatiRigaConfronto& DatiRiga(RigaConfronto voce)
{
    return RigheConfronto.at(static_cast<std::size_t>(voce));
}

// "A e B": the names of the offers at those places.
std::string Nomi(std::span<const ValoriOfferta> valori, const std::vector<std::size_t>& posti)
{
    std::string nomi;
    for (const std::size_t posto : posti)
        nomi.append(nomi.empty() ? "" : " e ").append(Visibile(valori[posto].nome));
    return nomi;
}

}  // namespace

ValoriOfferta ValoriDi(const Offerta& offerta, const std::string& nomeRiserva)
{
    ValoriOfferta valori;
    valori.nome = offerta.nome.empty() ? nomeRiserva : offerta.nome;
    // An offer read from a file may hold a plan its terms cannot carry: the
    // reason says which offer.
    const Piano piano = [&offerta, &valori] {
        try {
            return PianoAmm(offerta.mutuo);
        } catch (const ErrorePiano& errore) {
            throw ErrorePiano("Il piano di «" + valori.nome + "» non si può calcolare: " + errore.what());
        }
    }();
    const int mesiRata = DatiDi(offerta.mutuo.cadenza).mesi;
    // As the CSV shows it; a balloon stays apart, on its own row.
    const std::vector<RigaCentesimi> righe = RigheInCentesimi(piano);
    const auto capitale = std::ranges::find_if(righe, [](const RigaCentesimi& r) { return r.capitale > 0; });
    valori.rata = Euro(capitale != righe.end() ? capitale->rata : righe.front().rata);
    valori.rataMassima = Riepilogo(piano).rataMassima;
    valori.tassoVariabile = offerta.mutuo.condizioni.tassoVariabile.has_value();
    valori.maxiRata = offerta.mutuo.condizioni.maxiRata;
    valori.numeroRate = UltimaRata(piano.righe);
    valori.mesi = valori.numeroRate * mesiRata;
    valori.costo = CostoDelCredito(piano, offerta.costi);
    valori.interessi = piano.totaleInteressi;
    valori.spese = valori.costo.costoTotale - piano.totaleInteressi;
    valori.detrazione = DetrazionePerAnno(piano, offerta.costi, offerta.regole).anni.back().detrazione;
    valori.dati = VociDatiCosti(piano, offerta.costi, &offerta.regole);
    valori.debito.reserve(piano.righe.size() + 1);
    valori.debito.push_back({0, offerta.mutuo.importo});
    for (const RigaPiano& riga : piano.righe)
        valori.debito.push_back({riga.numero * mesiRata, riga.debitoResiduo});
    return valori;
}

std::vector<ValoriOfferta> Confronta(std::span<const Offerta> offerte, std::span<const std::string> nomiRiserva)
{
    ControllaNumero(offerte.size());
    std::vector<ValoriOfferta> valori;
    valori.reserve(offerte.size());
    for (std::size_t k = 0; k < offerte.size(); ++k) {
        const bool riserva = k < nomiRiserva.size() && !nomiRiserva[k].empty();
        valori.push_back(ValoriDi(offerte[k], riserva ? nomiRiserva[k] : "Offerta " + std::to_string(k + 1)));
    }
    return valori;
}

std::string TestoDurata(int mesi)
{
    const auto parte = [](int numero, const char* uno, const char* piu) {
        return std::to_string(numero) + " " + (numero == 1 ? uno : piu);
    };
    if (mesi < 12)
        return parte(mesi, "mese", "mesi");
    std::string testo = parte(mesi / 12, "anno", "anni");
    if (mesi % 12 != 0)
        testo.append(" e ").append(parte(mesi % 12, "mese", "mesi"));
    return testo;
}

Cella CellaVoce(const ValoriOfferta& valori, RigaConfronto voce)
{
    switch (voce) {
    case RigaConfronto::NumeroRate:
        return CellaConto(valori.numeroRate);
    case RigaConfronto::Durata:
        return CellaTesto(TestoDurata(valori.mesi));
    case RigaConfronto::Tan:
    case RigaConfronto::Taeg:
        // The costs' own cells for the rates, "3,71 %" and "non calcolabile".
        return VociCostoCredito(valori.costo)[voce == RigaConfronto::Tan ? 0 : 1].valore;
    default:
        return CellaImporto(Valore(valori, voce).value_or(0));
    }
}

std::vector<std::size_t> Migliori(std::span<const ValoriOfferta> valori, RigaConfronto voce)
{
    std::vector<std::size_t> migliori;
    if (DatiRiga(voce).verso == Verso::Nessuno)
        return migliori;
    std::optional<long long> migliore;
    for (std::size_t k = 0; k < valori.size(); ++k) {
        const std::optional<long long> chiave = Chiave(valori[k], voce);
        if (!chiave)
            continue;
        const bool meglio = !migliore || *chiave < *migliore;
        if (meglio)
            migliori.clear();
        if (meglio || *chiave == *migliore) {
            migliore = chiave;
            migliori.push_back(k);
        }
    }
    return migliori;
}

bool HaRiga(std::span<const ValoriOfferta> valori, RigaConfronto voce)
{
    if (voce == RigaConfronto::RataMassima)
        return std::ranges::any_of(valori, &ValoriOfferta::tassoVariabile);
    return voce != RigaConfronto::MaxiRata
           || std::ranges::any_of(valori, [](const ValoriOfferta& offerta) { return offerta.maxiRata > 0; });
}

Celle CelleConfronto(std::span<const ValoriOfferta> valori)
{
    Celle righe{{CellaTesto("")}};
    for (const ValoriOfferta& offerta : valori)
        righe[0].push_back(CellaTesto(offerta.nome));
    for (const DatiRigaConfronto& dati : RigheConfronto) {
        if (!HaRiga(valori, dati.voce))
            continue;
        righe.push_back({CellaTesto(std::string(dati.etichetta))});
        for (const ValoriOfferta& offerta : valori)
            righe.back().push_back(CellaVoce(offerta, dati.voce));
    }
    return righe;
}

std::string TestoConfronto(std::span<const ValoriOfferta> valori)
{
    const Celle celle = CelleConfronto(valori);
    // The names as a terminal may show them, each escape counted as the
    // characters it is written with.
    std::vector<std::vector<std::string>> testi;
    for (const auto& riga : celle) {
        testi.emplace_back();
        for (const Cella& cella : riga)
            testi.back().push_back(testi.size() == 1 ? Visibile(cella.testo) : TestoCella(cella));
    }
    // Each column as wide as its widest value; the heading's names are cut
    // to it.
    std::vector<std::size_t> larghezze(testi[0].size(), 0);
    std::fill(larghezze.begin() + 1, larghezze.end(), LarghezzaMinima);
    for (std::size_t r = 1; r < testi.size(); ++r) {
        for (std::size_t c = 0; c < testi[r].size(); ++c)
            larghezze[c] = std::max(larghezze[c], Larghezza(testi[r][c]));
    }
    std::string testo;
    const auto accoda = [&](const auto& cella) {
        for (std::size_t c = 0; c < larghezze.size(); ++c) {
            testo.append(c == 0 ? "" : Separatore);
            Allinea(testo, cella(c), larghezze[c], c > 0);
        }
        testo.append(1, '\n');
    };
    accoda([&](std::size_t c) { return TagliaNelMezzo(testi[0][c], larghezze[c]); });
    accoda([&](std::size_t c) { return std::string(larghezze[c], '-'); });
    for (std::size_t r = 1; r < testi.size(); ++r)
        accoda([&](std::size_t c) { return testi[r][c]; });
    const std::vector<std::size_t> taeg = Migliori(valori, RigaConfronto::Taeg);
    testo.append("\nTAEG PIÙ BASSO: ").append(taeg.empty() ? "non calcolabile" : Nomi(valori, taeg));
    testo.append("\nIMPORTO TOTALE DOVUTO PIÙ BASSO: ")
        .append(Nomi(valori, Migliori(valori, RigaConfronto::ImportoDovuto)))
        .append(1, '\n');
    return testo;
}

std::string TestoStampaConfronto(std::span<const ValoriOfferta> valori, const Data& oggi)
{
    std::string testo = "Confronto delle offerte\nData: " + FormatoData(oggi) + "\n";
    for (const ValoriOfferta& offerta : valori) {
        std::vector<VoceCosto> voci{{"Offerta", CellaTesto(Visibile(offerta.nome))}};
        voci.insert(voci.end(), offerta.dati.begin(), offerta.dati.end());
        testo.append(1, '\n').append(TestoVoci(voci));
    }
    return testo + "\n" + TestoConfronto(valori);
}

}  // namespace pianoamm

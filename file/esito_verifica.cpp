#include "file/esito_verifica.h"

#include "engine/cadenza.h"
#include "engine/costi.h"
#include "engine/formato.h"
#include "engine/prima_scadenza.h"
#include "engine/soldi.h"
#include "file/valori_banca.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace pianoamm {

namespace {

constexpr std::size_t LarghezzaColonna = 16;

// A differing cell's line: its row, its column, then the bank's value, the
// plan's and the difference, right-aligned.
std::string RigaDiversa(std::string_view numero, std::string_view colonna, const std::array<std::string, 3>& importi)
{
    Linea linea;
    linea.Tabulasin(numero, 3).Spazi(2).Scrivi(colonna).Spazi(LarghezzaColonna - colonna.size());
    for (const std::string& importo : importi)
        linea.Tabulasin(importo, 12);
    return std::string(linea.Testo()).append("\n");
}

// An amount as the bank's column shows it.
Cella CellaColonna(double valore, int decimali)
{
    return {Genere::Importo, {}, valore, decimali, {}};
}

}  // namespace

std::string TestoVerifica(const Verifica& verifica)
{
    std::string testo;
    if (const std::string termini = DescrizioneTermini(verifica.mutuo); !termini.empty())
        testo.append(termini).append("\n");
    const Mutuo& mutuo = verifica.mutuo;
    std::vector<VoceCosto> dati{{"Importo", CellaImporto(mutuo.importo)},
                                {"Numero rate", CellaConto(mutuo.numeroRate)},
                                {"Cadenza", CellaTesto(std::string(DatiDi(mutuo.cadenza).parola))},
                                {"Tasso annuo", CellaTassoInserito(mutuo.tassoAnnuo)},
                                {"Data di erogazione", CellaData(mutuo.erogazione)}};
    // Titles, totals and footers: told, so that a row read as one of them
    // does not go unnoticed.
    if (verifica.righeSaltate > 0)
        dati.push_back({"Righe saltate", CellaConto(static_cast<long long>(verifica.righeSaltate))});
    testo.append(TestoVoci(dati));
    const std::string su = std::to_string(verifica.righe);
    if (verifica.righeDiverse == 0)
        return testo.append("PIANO RIPRODOTTO: ").append(su).append(" RATE SU ").append(su).append("\n");
    testo.append("RATE DIVERSE: ").append(std::to_string(verifica.righeDiverse)).append(" SU ").append(su).append("\n");
    testo.append(RigaDiversa("N.", "COLONNA", {"BANCA", "PROGRAMMA", "DIFFERENZA"}));
    for (const CellaDiversa& cella : verifica.celle) {
        std::string differenza = FormatoDecimali(cella.banca - cella.programma, cella.decimali, true);
        if (cella.banca > cella.programma)
            differenza.insert(0, 1, '+');
        testo.append(RigaDiversa(std::to_string(cella.numero),
                                 Maiuscole(NomiColonne[static_cast<std::size_t>(cella.colonna)]),
                                 {FormatoDecimali(cella.banca, cella.decimali, true),
                                  FormatoDecimali(cella.programma, cella.decimali, true), differenza}));
    }
    const std::array<VoceCosto, 2> totali{{{"Differenza degli interessi", CellaImporto(verifica.differenzaInteressi)},
                                           {"Differenza del totale pagato", CellaImporto(verifica.differenzaPagato)}}};
    return testo.append(TestoVoci(totali));
}

Celle CelleVerifica(const Verifica& verifica)
{
    Celle righe{{CellaTesto("N."), CellaTesto("Colonna"), CellaTesto("Banca"), CellaTesto("Programma"),
                 CellaTesto("Differenza")}};
    for (const CellaDiversa& cella : verifica.celle) {
        righe.push_back({CellaConto(cella.numero),
                         CellaTesto(std::string(NomiColonne[static_cast<std::size_t>(cella.colonna)])),
                         CellaColonna(cella.banca, cella.decimali), CellaColonna(cella.programma, cella.decimali),
                         CellaColonna(cella.banca - cella.programma, cella.decimali)});
    }
    return righe;
}

std::string TestoTaegDichiarato(const Verifica& verifica, const Costi& costi, double dichiarato)
{
    // As many decimals as the bank gave, two at least.
    const int decimali = Arrotondato(dichiarato, 100) == dichiarato ? 2 : 3;
    const auto percentuale = [decimali](double valore) { return Cella{Genere::Percentuale, {}, valore, decimali, {}}; };
    const std::optional<double> taeg = CostoDelCredito(PianoAmm(verifica.mutuo), costi).taeg;
    std::vector<VoceCosto> voci{{"TAEG calcolato", taeg ? CellaPercentuale(*taeg) : CellaTesto("non calcolabile")},
                                {"TAEG dichiarato", percentuale(dichiarato)}};
    if (taeg) {
        const double differenza = Arrotondato(*taeg, 100) - dichiarato;
        std::string punti = FormatoDecimali(differenza, decimali, false);
        if (Arrotondato(differenza, 1000) > 0)
            punti.insert(0, 1, '+');
        voci.push_back({"Differenza", CellaTesto(punti + " punti")});
    }
    return TestoVoci(voci).append("Il TAEG calcolato vale per i costi inseriti: spese iniziali, imposta\n"
                                  "sostitutiva e spese per rata. Altri costi del contratto (assicurazioni,\n"
                                  "perizia, istruttoria non inserita) alzano il TAEG.\n");
}

}  // namespace pianoamm

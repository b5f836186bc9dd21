#include "file/affiancate_banca.h"

#include "engine/centesimi.h"
#include "engine/formato.h"
#include "engine/soldi.h"
#include "file/valori_banca.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace pianoamm {

namespace {

// Shorter than NomiColonne, as each comes twice in a row.
constexpr std::array<std::string_view, 4> NomiBrevi{"Rata", "Interessi", "Capitale", "Debito"};

// The money columns the bank's table has, in the order compared.
std::vector<RuoloColonna> Ruoli(const TabellaBanca& tabella)
{
    std::vector<RuoloColonna> ruoli;
    std::ranges::copy_if(RuoliConfrontati, std::back_inserter(ruoli),
                         [&](RuoloColonna ruolo) { return tabella.Colonna(ruolo).has_value(); });
    return ruoli;
}

Cella CellaScala(double valore, double scala)
{
    return {Genere::Importo, {}, valore, scala > 1 ? 2 : 0, {}};
}

}  // namespace

Celle CelleAffiancate(const TabellaBanca& tabella, const Verifica& verifica)
{
    const std::vector<RuoloColonna> ruoli = Ruoli(tabella);
    Celle righe{{CellaTesto("N."), CellaTesto("Scadenza")}};
    for (const RuoloColonna ruolo : ruoli) {
        const std::string nome(NomiBrevi[static_cast<std::size_t>(ruolo)]);
        righe[0].push_back(CellaTesto(nome + " banca"));
        righe[0].push_back(CellaTesto(nome + " programma"));
    }
    const Piano piano = PianoAmm(verifica.mutuo);
    const std::vector<RigaCentesimi> centesimi = RigheInCentesimi(piano);
    // Each side's column added up as shown; a debt is no sum.
    std::vector<double> totali(2 * ruoli.size());
    for (std::size_t riga = 0; riga < tabella.righe.size(); ++riga) {
        const RigaBanca& banca = tabella.righe[riga];
        std::vector<Cella>& celle = righe.emplace_back();
        celle = {CellaConto(banca.numero), CellaData(banca.scadenza)};
        for (std::size_t r = 0; r < ruoli.size(); ++r) {
            const double scala = ScalaColonna(tabella, ruoli[r]);
            const double suo = Arrotondato(banca.valori[*tabella.Colonna(ruoli[r])], scala);
            celle.push_back(CellaScala(suo, scala));
            totali[2 * r] += suo;
            if (riga >= piano.righe.size()) {
                celle.push_back(CellaTesto({}));
                continue;
            }
            const double programma = ValorePiano(piano.righe[riga], centesimi[riga], ruoli[r], scala);
            celle.push_back(CellaScala(programma, scala));
            totali[2 * r + 1] += programma;
        }
    }
    std::vector<Cella>& somme = righe.emplace_back();
    somme = {CellaTesto("Totale"), CellaTesto({})};
    for (std::size_t c = 0; c < totali.size(); ++c) {
        const RuoloColonna ruolo = ruoli[c / 2];
        const double scala = ScalaColonna(tabella, ruolo);
        somme.push_back(ruolo == RuoloColonna::Debito ? CellaTesto({})
                                                      : CellaScala(Arrotondato(totali[c], scala), scala));
    }
    return righe;
}

std::string TestoAffiancate(const TabellaBanca& tabella, const Verifica& verifica)
{
    // Each column's name over its pair, so that a pair's headings are short
    // and four pairs fit a printed line: 4 + 12 + 8 × 14 characters.
    constexpr int Importo = 13;
    Celle celle = CelleAffiancate(tabella, verifica);
    std::string nomi(16, ' ');
    for (const RuoloColonna ruolo : Ruoli(tabella)) {
        const std::string nome = Maiuscole(NomiColonne[static_cast<std::size_t>(ruolo)]);
        std::string coppia(2 * static_cast<std::size_t>(Importo + 1), ' ');
        nomi += coppia.replace((coppia.size() - nome.size()) / 2, nome.size(), nome);
    }
    nomi.erase(nomi.find_last_not_of(' ') + 1);
    // The totals' label where the due dates stand, wider than the numbers.
    celle.back()[0] = CellaTesto({});
    celle.back()[1] = CellaTesto("TOTALE");
    for (std::size_t c = 2; c < celle[0].size(); ++c)
        celle[0][c] = CellaTesto(c % 2 == 0 ? "Banca" : "Programma");
    std::vector<Colonna> colonne{{3, 3}, {11, 10}};
    colonne.resize(celle[0].size(), {Importo, Importo});
    return nomi.append("\n").append(TabellaDiTesto(colonne, celle));
}

std::optional<PostoAffiancato> PostoDi(const TabellaBanca& tabella, const CellaDiversa& cella)
{
    const auto riga = std::ranges::find(tabella.righe, cella.numero, &RigaBanca::numero);
    const std::vector<RuoloColonna> ruoli = Ruoli(tabella);
    const auto colonna = std::ranges::find(ruoli, cella.colonna);
    if (riga == tabella.righe.end() || colonna == ruoli.end())
        return std::nullopt;
    return PostoAffiancato{static_cast<std::size_t>(riga - tabella.righe.begin()),
                           2 + 2 * static_cast<std::size_t>(colonna - ruoli.begin())};
}

}  // namespace pianoamm

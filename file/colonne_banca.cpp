#include "file/colonne_banca.h"

#include "engine/numeri.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace pianoamm {

namespace {

using Celle = std::vector<std::vector<std::string>>;
using Ruoli = std::vector<std::optional<RuoloColonna>>;

enum class Segno { Nessuno, Virgola, Punto };

bool Cifra(char c)
{
    return c >= '0' && c <= '9';
}

// The mark before an amount's two decimals, where it shows them.
Segno SegnoDi(std::string_view testo)
{
    const auto n = testo.size();
    if (n < 3 || !Cifra(testo[n - 1]) || !Cifra(testo[n - 2]))
        return Segno::Nessuno;
    return testo[n - 3] == ',' ? Segno::Virgola : testo[n - 3] == '.' ? Segno::Punto : Segno::Nessuno;
}

std::optional<RuoloColonna> RuoloDi(std::string_view titolo)
{
    std::string lettere;
    for (const char c : titolo) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            lettere += static_cast<char>(c | 0x20);
    }
    const auto ha = [&](std::string_view parte) { return lettere.find(parte) != std::string::npos; };
    if (ha("interess"))
        return RuoloColonna::Interessi;
    if (ha("resid") || ha("debito"))
        return RuoloColonna::Debito;
    if (ha("capital"))
        return RuoloColonna::Capitale;
    if (ha("tasso"))
        return RuoloColonna::Tasso;
    if (ha("rata") || ha("importo") || lettere == "totale")
        return RuoloColonna::Rata;
    return std::nullopt;
}

// Each row's cells under the table's columns. A row with fewer, its cells
// parted by blanks, has its blank ones found by where the others end:
// amounts stand right-aligned under each other.
Celle Allineate(const std::vector<RigaGrezza>& righe)
{
    const auto& piena = *std::ranges::max_element(righe, {}, [](const RigaGrezza& r) { return r.importi.size(); });
    const std::size_t colonne = piena.importi.size();
    Celle celle;
    for (const RigaGrezza& riga : righe) {
        auto& cella = celle.emplace_back(colonne);
        if (riga.importi.size() < colonne && riga.separatore != '\0') {
            throw AllaRiga(riga.linea, "ha meno importi della riga " + std::to_string(piena.linea) + ".");
        }
        for (std::size_t i = 0, c = 0; i < riga.importi.size(); ++i, ++c) {
            const auto distanza = [&](std::size_t k) {
                return std::abs(static_cast<double>(piena.importi[k].fine) - static_cast<double>(riga.importi[i].fine));
            };
            while (riga.importi.size() < colonne && c + 1 < colonne && distanza(c + 1) < distanza(c))
                ++c;
            if (c + riga.importi.size() - i > colonne) {
                throw AllaRiga(riga.linea, "i suoi importi non stanno sotto le colonne della riga "
                                               + std::to_string(piena.linea) + ".");
            }
            cella[c] = riga.importi[i].testo;
        }
    }
    return celle;
}

// A column's decimal mark: the one its amounts with two decimals show.
Segno SegnoColonna(const std::vector<RigaGrezza>& righe, const Celle& celle, std::size_t colonna)
{
    const auto dopo = [](Segno segno) { return segno == Segno::Virgola ? "la virgola" : "il punto"; };
    std::optional<std::size_t> prima;
    for (std::size_t r = 0; r < celle.size(); ++r) {
        const Segno segno = SegnoDi(celle[r][colonna]);
        if (segno == Segno::Nessuno || (prima && SegnoDi(celle[*prima][colonna]) == segno)) {
            continue;
        }
        if (prima) {
            throw AllaRiga(righe[r].linea, "«" + celle[r][colonna] + "» ha i decimali dopo " + dopo(segno)
                                               + ", quelli della sua colonna alla riga "
                                               + std::to_string(righe[*prima].linea) + " dopo "
                                               + dopo(SegnoDi(celle[*prima][colonna])) + ".");
        }
        prima = r;
    }
    return prima ? SegnoDi(celle[*prima][colonna]) : Segno::Nessuno;
}

// An amount in its column's way: with no decimals anywhere in the column,
// "." or "," only parts the thousands.
std::optional<double> Valore(std::string testo, Segno segno, bool tasso)
{
    if (testo.empty())
        return 0.0;
    if (tasso)
        return LeggiNumero(testo, 6);
    if (segno == Segno::Punto || (segno == Segno::Nessuno && testo.find(',') != std::string::npos)) {
        for (char& c : testo)
            c = c == ',' ? '.' : c == '.' ? ',' : c;
    }
    const auto italiano = LeggiPezzoIncollato(testo, 2);
    return italiano ? LeggiNumero(*italiano, 2) : std::nullopt;
}

// The roles the headings give, if they name two columns at least; a role
// named twice is the first column's.
Ruoli RuoliDaiTitoli(const std::vector<std::string>& titoli, std::size_t colonne)
{
    Ruoli ruoli(colonne);
    if (titoli.size() != colonne)
        return {};
    for (std::size_t c = 0; c < colonne; ++c) {
        if (const auto ruolo = RuoloDi(titoli[c]); ruolo && std::ranges::find(ruoli, ruolo) == ruoli.end())
            ruoli[c] = ruolo;
    }
    return std::ranges::count_if(ruoli, [](const auto& ruolo) { return ruolo.has_value(); }) >= 2 ? ruoli : Ruoli{};
}

// The roles by the arithmetic of a plan: each debt is the one before less the
// capital, the installment the interest plus the capital, within a cent, or
// a unit where a column has no cents.
Ruoli RuoliDaiConti(const std::vector<std::vector<double>>& valori, const std::vector<Segno>& segni)
{
    const std::size_t colonne = valori.size();
    const auto uguali = [&](double a, double b, std::initializer_list<std::size_t> usate) {
        const bool centesimi = std::ranges::none_of(usate, [&](std::size_t c) { return segni[c] == Segno::Nessuno; });
        return std::abs(a - b) <= (centesimi ? 0.01 : 1.0) + 1e-6;
    };
    const auto ogniRiga = [&](std::size_t da, const auto& vale) {
        for (std::size_t r = da; r < valori.front().size(); ++r) {
            if (!vale(r))
                return false;
        }
        return true;
    };
    const auto debito = [&](std::size_t d, std::size_t c) {
        return ogniRiga(1, [&](std::size_t k) {
            return uguali(valori[d][k - 1] - valori[c][k], valori[d][k], {c, d});
        });
    };
    const auto somma = [&](std::size_t r, std::size_t i, std::size_t c) {
        return ogniRiga(0, [&](std::size_t k) { return uguali(valori[i][k] + valori[c][k], valori[r][k], {r, i, c}); });
    };
    for (std::size_t d = 0; d < colonne; ++d) {
        for (std::size_t c = 0; c < colonne; ++c) {
            for (std::size_t r = 0; c != d && debito(d, c) && r < colonne; ++r) {
                for (std::size_t i = 0; i < colonne; ++i) {
                    if (std::set<std::size_t>{d, c, r, i}.size() < 4 || !somma(r, i, c))
                        continue;
                    Ruoli ruoli(colonne);
                    ruoli[r] = RuoloColonna::Rata;
                    ruoli[i] = RuoloColonna::Interessi;
                    ruoli[c] = RuoloColonna::Capitale;
                    ruoli[d] = RuoloColonna::Debito;
                    return ruoli;
                }
            }
        }
    }
    throw ErrorePiano("le colonne non hanno intestazioni, e i loro conti non dicono quali siano la rata, la quota "
                      "interessi, la quota capitale e il debito residuo.");
}

}  // namespace

TabellaBanca ColonneBanca(const std::vector<RigaGrezza>& righe,
                          const std::vector<std::vector<std::string>>& intestazioni)
{
    const Celle celle = Allineate(righe);
    const std::size_t colonne = celle.front().size();
    Ruoli ruoli;
    for (auto titoli = intestazioni.rbegin(); ruoli.empty() && titoli != intestazioni.rend(); ++titoli)
        ruoli = RuoliDaiTitoli(*titoli, colonne);
    std::vector<Segno> segni(colonne);
    std::vector<std::vector<double>> valori(colonne);
    for (std::size_t c = 0; c < colonne; ++c) {
        // A column the headings do not name may hold anything.
        if (!ruoli.empty() && !ruoli[c])
            continue;
        segni[c] = SegnoColonna(righe, celle, c);
        for (std::size_t r = 0; r < righe.size(); ++r) {
            const auto valore = Valore(celle[r][c], segni[c], !ruoli.empty() && ruoli[c] == RuoloColonna::Tasso);
            if (!valore)
                throw AllaRiga(righe[r].linea, "«" + celle[r][c] + "» non è un importo.");
            valori[c].push_back(*valore);
        }
    }
    if (ruoli.empty())
        ruoli = RuoliDaiConti(valori, segni);
    TabellaBanca tabella;
    for (const RigaGrezza& riga : righe)
        tabella.righe.push_back({riga.numero, riga.scadenza, {}});
    for (std::size_t c = 0; c < colonne; ++c) {
        if (!ruoli[c])
            continue;
        tabella.colonne.push_back({*ruoli[c], segni[c] != Segno::Nessuno});
        for (std::size_t r = 0; r < righe.size(); ++r)
            tabella.righe[r].valori.push_back(valori[c][r]);
    }
    return tabella;
}

}  // namespace pianoamm

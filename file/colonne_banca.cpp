#include "file/colonne_banca.h"

#include "engine/numeri.h"
#include "file/titoli_banca.h"

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
// "." or "," only parts the thousands. A lone "-" is a blank cell.
std::optional<double> Valore(std::string testo, Segno segno, bool tasso)
{
    if (testo.empty() || testo == "-")
        return 0.0;
    const double verso = testo.starts_with('-') ? -1.0 : 1.0;
    if (verso < 0)
        testo.erase(0, 1);
    std::optional<double> valore;
    if (tasso) {
        valore = LeggiNumero(testo, 6);
    } else {
        if (segno == Segno::Punto || (segno == Segno::Nessuno && testo.find(',') != std::string::npos)) {
            for (char& c : testo)
                c = c == ',' ? '.' : c == '.' ? ',' : c;
        }
        if (const auto italiano = LeggiPezzoIncollato(testo, 2))
            valore = LeggiNumero(*italiano, 2);
    }
    return valore ? std::optional(verso * *valore) : std::nullopt;
}

// Whether a column holds amounts: figures, with their marks, in some cell.
bool Importi(const Celle& celle, std::size_t colonna)
{
    const auto importo = [](std::string_view testo) {
        return testo.find_first_not_of("0123456789.,-") == std::string_view::npos;
    };
    return std::ranges::all_of(celle, [&](const auto& riga) { return importo(riga[colonna]); })
           && std::ranges::any_of(
               celle, [&](const auto& riga) { return riga[colonna].find_first_of("0123456789") != std::string::npos; });
}

std::ptrdiff_t Nomi(const Ruoli& ruoli)
{
    return std::ranges::count_if(ruoli, [](const auto& ruolo) { return ruolo.has_value(); });
}

// The roles the headings give, if they name two columns at least; a role
// named twice is the first column's.
Ruoli RuoliDaiTitoli(const std::vector<std::string>& titoli, std::size_t colonne)
{
    Ruoli ruoli(colonne);
    if (titoli.size() != colonne)
        return {};
    for (std::size_t c = 0; c < colonne; ++c) {
        const auto ruolo = Lasciata(titoli[c]) ? std::nullopt : RuoloDi(titoli[c]);
        if (ruolo && std::ranges::find(ruoli, ruolo) == ruoli.end())
            ruoli[c] = ruolo;
    }
    return Nomi(ruoli) >= 2 ? ruoli : Ruoli{};
}

// The line of headings that names the most columns, the nearest to the
// rows of those, and the roles it gives; none where none names two.
const std::vector<std::string>* Titoli(const std::vector<std::vector<std::string>>& intestazioni, Ruoli& ruoli)
{
    const std::vector<std::string>* titoli = nullptr;
    for (std::size_t k = intestazioni.size(); k-- > 0;) {
        if (Ruoli dati = RuoliDaiTitoli(intestazioni[k], ruoli.size());
            !dati.empty() && (!titoli || Nomi(dati) > Nomi(ruoli))) {
            ruoli = std::move(dati);
            titoli = &intestazioni[k];
        }
    }
    return titoli;
}

// The roles by the arithmetic of a plan: each debt is the one before less the
// capital, the installment the interest plus the capital, within a cent, or
// a unit where a column has no cents. A column keeps the role it has; one
// with none but with values may take a role no column has. None found, none.
Ruoli RuoliDaiConti(const std::vector<std::vector<double>>& valori, const std::vector<Segno>& segni, Ruoli ruoli)
{
    using enum RuoloColonna;
    const std::size_t colonne = valori.size();
    const std::size_t righe = std::ranges::max(valori, {}, &std::vector<double>::size).size();
    const auto puo = [&](std::size_t c, RuoloColonna ruolo) {
        return ruoli[c] ? ruoli[c] == ruolo : !valori[c].empty() && std::ranges::find(ruoli, ruolo) == ruoli.end();
    };
    const auto uguali = [&](double a, double b, std::initializer_list<std::size_t> usate) {
        const bool centesimi = std::ranges::none_of(usate, [&](std::size_t c) { return segni[c] == Segno::Nessuno; });
        return std::abs(a - b) <= (centesimi ? 0.01 : 1.0) + 1e-6;
    };
    const auto ogniRiga = [&](std::size_t da, const auto& vale) {
        for (std::size_t r = da; r < righe; ++r) {
            if (!vale(r))
                return false;
        }
        return true;
    };
    const auto debito = [&](std::size_t d, std::size_t c) {
        return puo(d, Debito) && puo(c, Capitale) && ogniRiga(1, [&](std::size_t k) {
                   return uguali(valori[d][k - 1] - valori[c][k], valori[d][k], {c, d});
               });
    };
    const auto somma = [&](std::size_t r, std::size_t i, std::size_t c) {
        return puo(r, Rata) && puo(i, Interessi) && ogniRiga(0, [&](std::size_t k) {
                   return uguali(valori[i][k] + valori[c][k], valori[r][k], {r, i, c});
               });
    };
    for (std::size_t d = 0; d < colonne; ++d) {
        for (std::size_t c = 0; c < colonne; ++c) {
            for (std::size_t r = 0; c != d && debito(d, c) && r < colonne; ++r) {
                for (std::size_t i = 0; i < colonne; ++i) {
                    if (std::set<std::size_t>{d, c, r, i}.size() < 4 || !somma(r, i, c))
                        continue;
                    ruoli[r] = Rata;
                    ruoli[i] = Interessi;
                    ruoli[c] = Capitale;
                    ruoli[d] = Debito;
                    return ruoli;
                }
            }
        }
    }
    return {};
}

}  // namespace

TabellaBanca ColonneBanca(const std::vector<RigaGrezza>& righe,
                          const std::vector<std::vector<std::string>>& intestazioni)
{
    const Celle celle = Allineate(righe);
    const std::size_t colonne = celle.front().size();
    Ruoli ruoli(colonne);
    const std::vector<std::string>* titoli = Titoli(intestazioni, ruoli);
    std::vector<Segno> segni(colonne);
    std::vector<std::vector<double>> valori(colonne);
    for (std::size_t c = 0; c < colonne; ++c) {
        // A column the headings do not name may hold notes.
        if (titoli && !ruoli[c] && (!Importi(celle, c) || Lasciata((*titoli)[c])))
            continue;
        segni[c] = SegnoColonna(righe, celle, c);
        for (std::size_t r = 0; r < righe.size(); ++r) {
            const auto valore = Valore(celle[r][c], segni[c], ruoli[c] == RuoloColonna::Tasso);
            if (!valore)
                throw AllaRiga(righe[r].linea, "«" + celle[r][c] + "» non è un importo.");
            valori[c].push_back(*valore);
        }
    }
    // The first column with amounts and no role; colonne for none.
    const auto ignota = [&](const Ruoli& dati) {
        std::size_t c = 0;
        while (c < colonne && (dati[c] || valori[c].empty()))
            ++c;
        return c;
    };
    if (const std::size_t c = ignota(ruoli); c < colonne) {
        const Ruoli conti = RuoliDaiConti(valori, segni, ruoli);
        if (conti.empty() && !titoli) {
            throw ErrorePiano("le colonne non hanno intestazioni, e i loro conti non dicono quali siano la rata, la "
                              "quota interessi, la quota capitale e il debito residuo.");
        }
        // Without headings, the arithmetic names the four and no more.
        if (titoli && (conti.empty() || ignota(conti) < colonne)) {
            throw ErrorePiano("la colonna «" + (*titoli)[conti.empty() ? c : ignota(conti)]
                              + "» non si sa quale sia: né la sua intestazione né i suoi conti lo dicono.");
        }
        ruoli = conti;
    }
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

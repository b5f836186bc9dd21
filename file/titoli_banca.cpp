#include "file/titoli_banca.h"

#include <algorithm>
#include <array>

namespace pianoamm {

namespace {

// The letters U+00C0 to U+00FF stand for, after their first byte 0xC3.
constexpr std::string_view SenzaAccento = "aaaaaaaceeeeiiiidnooooo ouuuuyty";

// The first that a heading's word says: "Capitale residuo" is the debt.
constexpr std::array<std::pair<std::string_view, RuoloColonna>, 9> Radici{{{"interess", RuoloColonna::Interessi},
                                                                           {"resid", RuoloColonna::Debito},
                                                                           {"debit", RuoloColonna::Debito},
                                                                           {"capital", RuoloColonna::Capitale},
                                                                           {"tasso", RuoloColonna::Tasso},
                                                                           {"tan", RuoloColonna::Tasso},
                                                                           {"rat", RuoloColonna::Rata},
                                                                           {"import", RuoloColonna::Rata},
                                                                           {"total", RuoloColonna::Rata}}};

// The headings of columns that are none of a row's money.
constexpr std::array<std::string_view, 5> RadiciLasciate{"rimbors", "indice", "sospes", "capitalizz", "giorn"};

// A heading's words, in lower case and without accents ("Q. int." is "q",
// "int"), and all its letters as one ("T.A.N." is "tan").
std::vector<std::string> Parole(std::string_view titolo)
{
    std::vector<std::string> parole(1);
    std::string tutte;
    for (std::size_t i = 0; i < titolo.size(); ++i) {
        char c = titolo[i];
        if (c == '\xC3' && i + 1 < titolo.size())
            c = SenzaAccento[static_cast<unsigned char>(titolo[++i]) & 0x1FU];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            parole.back() += static_cast<char>(c | 0x20);
            tutte += static_cast<char>(c | 0x20);
        } else if (!parole.back().empty()) {
            parole.emplace_back();
        }
    }
    parole.push_back(std::move(tutte));
    return parole;
}

// Whether a heading's word stands for the word radice begins: the whole, or
// three letters of it at least ("int." for "interessi").
bool Dice(std::string_view parola, std::string_view radice)
{
    return parola.starts_with(radice) || (parola.size() >= 3 && radice.starts_with(parola))
           || (radice.size() >= 5 && parola.find(radice) != std::string_view::npos);
}

// A line's headings over the amounts: the first row's blank cells, number
// and date left out.
std::vector<std::string> Titoli(const std::vector<CampoBanca>& campi, const RigaGrezza& riga)
{
    std::vector<std::string> titoli;
    const std::size_t fine = campi.size() - (riga.numeroInFondo && !campi.empty() ? 1 : 0);
    for (std::size_t c = riga.vuote + (riga.numeroInFondo ? 1 : 2); c < fine; ++c)
        titoli.push_back(campi[c].testo);
    return titoli;
}

// A heading on two lines: each word below joins the one above it.
std::vector<CampoBanca> Unite(const std::vector<CampoBanca>& sopra, const std::vector<CampoBanca>& sotto)
{
    std::vector<CampoBanca> unite = sopra;
    for (const CampoBanca& campo : sotto) {
        const auto su = std::ranges::find_if(
            unite, [&](const CampoBanca& altro) { return altro.inizio < campo.fine && campo.inizio < altro.fine; });
        if (su != unite.end())
            su->testo += " " + campo.testo;
        else
            unite.insert(
                std::ranges::find_if(unite, [&](const CampoBanca& altro) { return altro.inizio > campo.inizio; }),
                campo);
    }
    return unite;
}

}  // namespace

std::optional<RuoloColonna> RuoloDi(std::string_view titolo)
{
    const auto parole = Parole(titolo);
    for (const auto& voce : Radici) {
        if (std::ranges::any_of(parole, [&](const std::string& parola) { return Dice(parola, voce.first); }))
            return voce.second;
    }
    return std::nullopt;
}

bool Lasciata(std::string_view titolo)
{
    return std::ranges::any_of(Parole(titolo), [&](const std::string& parola) {
        return std::ranges::any_of(RadiciLasciate, [&](std::string_view radice) { return parola.starts_with(radice); });
    });
}

std::vector<std::vector<std::string>> Intestazioni(const std::vector<std::vector<CampoBanca>>& linee,
                                                   const RigaGrezza& riga)
{
    std::vector<std::vector<std::string>> intestazioni;
    if (riga.separatore == '\0' && linee.size() >= 2)
        intestazioni.push_back(Titoli(Unite(linee[linee.size() - 2], linee.back()), riga));
    for (const auto& campi : linee)
        intestazioni.push_back(Titoli(campi, riga));
    return intestazioni;
}

}  // namespace pianoamm

#include "file/tabella_banca.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "file/colonne_banca.h"
#include "file/file_offerta.h"

#include <algorithm>
#include <optional>

namespace pianoamm {

namespace {

constexpr std::string_view Bianchi = " \t\r\f\v";
constexpr std::string_view SimboloEuro = "\xE2\x82\xAC";

// A cell's text: blanks, quotes, the currency's sign and a rate's "%" are no
// part of its value.
std::string Pulito(std::string_view cella)
{
    std::string testo;
    for (std::size_t i = 0; i < cella.size(); ++i) {
        if (cella.substr(i).starts_with(SimboloEuro))
            i += SimboloEuro.size() - 1;
        else if (cella[i] != '"' && cella[i] != '%' && Bianchi.find(cella[i]) == std::string_view::npos)
            testo += cella[i];
    }
    return testo;
}

// A spreadsheet's cells: a separator within quotes is a cell's.
std::vector<CampoBanca> PerSeparatore(std::string_view riga, char separatore)
{
    std::vector<CampoBanca> campi;
    bool virgolette = false;
    for (std::size_t i = 0, inizio = 0; i <= riga.size(); ++i) {
        if (i < riga.size() && riga[i] == '"')
            virgolette = !virgolette;
        if (i == riga.size() || (riga[i] == separatore && !virgolette)) {
            campi.push_back({Pulito(riga.substr(inizio, i - inizio)), i});
            inizio = i + 1;
        }
    }
    return campi;
}

// Cells parted by runs of at least minimo blanks: a heading's names have
// single blanks within. A lone "€" is no cell.
std::vector<CampoBanca> PerSpazi(std::string_view riga, std::size_t minimo)
{
    std::vector<CampoBanca> campi;
    for (auto inizio = riga.find_first_not_of(Bianchi); inizio != std::string_view::npos;) {
        auto fine = riga.find_first_of(Bianchi, inizio);
        while (fine != std::string_view::npos) {
            const auto dopo = riga.find_first_not_of(Bianchi, fine);
            if (dopo == std::string_view::npos || dopo - fine >= minimo)
                break;
            fine = riga.find_first_of(Bianchi, dopo);
        }
        fine = std::min(fine, riga.size());
        if (std::string testo = Pulito(riga.substr(inizio, fine - inizio)); !testo.empty())
            campi.push_back({std::move(testo), fine});
        inizio = riga.find_first_not_of(Bianchi, fine);
    }
    return campi;
}

bool Cifre(std::string_view testo)
{
    return !testo.empty() && testo.size() <= 4
           && std::ranges::all_of(testo, [](char c) { return c >= '0' && c <= '9'; });
}

// "GG/MM/AAAA", with "-" or "." the same between all three.
bool FormaData(std::string_view testo)
{
    const auto primo = testo.find_first_of("/-.");
    if (primo == std::string_view::npos || primo == 0 || primo > 2)
        return false;
    const auto secondo = testo.find(testo[primo], primo + 1);
    return secondo != std::string_view::npos && secondo - primo >= 2 && secondo - primo <= 3
           && Cifre(testo.substr(0, primo)) && Cifre(testo.substr(primo + 1, secondo - primo - 1))
           && testo.size() - secondo >= 3 && Cifre(testo.substr(secondo + 1));
}

// The line's cells as its separator parts them: ";" or a TAB wherever there
// is one, "," where it parts a row's number from its date, else blanks.
char SeparatoreDi(std::string_view riga)
{
    for (const char separatore : {';', '\t'}) {
        if (riga.find(separatore) != std::string_view::npos)
            return separatore;
    }
    const auto virgole = PerSeparatore(riga, ',');
    return virgole.size() > 2 && (FormaData(virgole[0].testo) || FormaData(virgole[1].testo)) ? ',' : '\0';
}

std::vector<CampoBanca> Campi(std::string_view riga, char separatore, std::size_t minimo)
{
    return separatore != '\0' ? PerSeparatore(riga, separatore) : PerSpazi(riga, minimo);
}

// A row: its number and due date first, either first, then amounts.
// Nothing for a line that is none.
std::optional<RigaGrezza> RigaDi(std::string_view riga, std::size_t linea)
{
    const char separatore = SeparatoreDi(riga);
    auto campi = Campi(riga, separatore, 1);
    if (campi.size() < 3)
        return std::nullopt;
    const bool numeroPrima = Cifre(campi[0].testo) && FormaData(campi[1].testo);
    if (!numeroPrima && !(FormaData(campi[0].testo) && Cifre(campi[1].testo)))
        return std::nullopt;
    std::string data = campi[numeroPrima ? 1 : 0].testo;
    const char separatoreData = data[data.find_first_of("/-.")];
    std::ranges::replace(data, separatoreData, '/');
    const auto scadenza = LeggiData(data);
    if (!scadenza)
        throw ErrorePiano("«" + campi[numeroPrima ? 1 : 0].testo + "» non è una data valida (GG/MM/AAAA).");
    const int numero = std::stoi(campi[numeroPrima ? 0 : 1].testo);
    campi.erase(campi.begin(), campi.begin() + 2);
    return RigaGrezza{linea, numero, *scadenza, std::move(campi), separatore};
}

}  // namespace

ErrorePiano AllaRiga(std::size_t linea, const std::string& motivo)
{
    return ErrorePiano("alla riga " + std::to_string(linea) + ": " + motivo);
}

std::optional<std::size_t> TabellaBanca::Colonna(RuoloColonna ruolo) const
{
    const auto trovata = std::ranges::find(colonne, ruolo, &ColonnaBanca::ruolo);
    return trovata == colonne.end() ? std::nullopt
                                    : std::optional<std::size_t>(static_cast<std::size_t>(trovata - colonne.begin()));
}

TabellaBanca LeggiTabellaBanca(std::string_view testo)
{
    if (testo.starts_with("\xEF\xBB\xBF"))
        testo.remove_prefix(3);
    std::vector<RigaGrezza> righe;
    std::vector<std::string_view> prima;
    std::size_t saltate = 0;
    for (std::size_t linea = 1, inizio = 0; inizio < testo.size(); ++linea) {
        const auto fine = std::min(testo.find('\n', inizio), testo.size());
        const std::string_view riga = testo.substr(inizio, fine - inizio);
        inizio = fine + 1;
        if (riga.find_first_not_of(Bianchi) == std::string_view::npos)
            continue;
        try {
            auto letta = RigaDi(riga, linea);
            if (letta && righe.size() == RigheMassimeBanca)
                throw ErrorePiano("è la rata " + FormatoDecimali(RigheMassimeBanca + 1, 0, true)
                                  + ", ma un piano ne ha al più " + std::to_string(RigheMassimeBanca) + ".");
            if (letta)
                righe.push_back(std::move(*letta));
            else if (++saltate; righe.empty())
                prima.push_back(riga);
        } catch (const ErrorePiano& errore) {
            throw AllaRiga(linea, errore.what());
        }
    }
    if (righe.empty())
        throw ErrorePiano("non ha righe di un piano: un numero, una scadenza e gli importi.");
    // The headings stand right above the rows, split as they are.
    std::vector<std::vector<std::string>> intestazioni;
    for (const std::string_view riga : prima) {
        auto campi = Campi(riga, righe.front().separatore, 2);
        intestazioni.emplace_back();
        for (std::size_t c = 2; c < campi.size(); ++c)
            intestazioni.back().push_back(std::move(campi[c].testo));
    }
    TabellaBanca tabella = ColonneBanca(righe, intestazioni);
    tabella.righeSaltate = saltate;
    return tabella;
}

TabellaBanca LeggiFileTabellaBanca(const std::string& nome)
{
    return LeggiFileCon(nome, DimensioneMassimaTabella, LeggiTabellaBanca);
}

}  // namespace pianoamm

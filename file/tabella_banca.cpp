#include "file/tabella_banca.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "file/colonne_banca.h"
#include "file/file_offerta.h"
#include "file/titoli_banca.h"

#include <algorithm>
#include <array>
#include <optional>

namespace pianoamm {

namespace {

constexpr std::string_view Bianchi = " \t\r\f\v";
constexpr std::array<std::string_view, 3> NonCifre{"\xE2\x82\xAC", "\xC2\xA0", "\xE2\x80\xAF"};

// A cell's text: blanks, quotes, the currency's sign and a rate's "%" are no
// part of its value, nor the no-break spaces (U+00A0, U+202F) that may part
// the thousands. A byte 0x80 after no other of a character's is Windows'
// "€". In a heading, blanks part its words.
std::string Pulito(std::string_view cella, bool titolo)
{
    std::string testo;
    for (std::size_t i = 0; i < cella.size(); ++i) {
        const auto segno =
            std::ranges::find_if(NonCifre, [&](std::string_view s) { return cella.substr(i).starts_with(s); });
        const bool bianco = Bianchi.find(cella[i]) != std::string_view::npos;
        const bool euro = cella[i] == '\x80' && (i == 0 || static_cast<unsigned char>(cella[i - 1]) < 0x80);
        if (segno != NonCifre.end())
            i += segno->size() - 1;
        else if (titolo && bianco && !testo.empty() && !testo.ends_with(' '))
            testo += ' ';
        else if (cella[i] != '"' && cella[i] != '%' && !euro && !bianco)
            testo += cella[i];
    }
    if (testo.ends_with(' '))
        testo.pop_back();
    return testo;
}

// A spreadsheet's cells: a separator within quotes is a cell's.
std::vector<CampoBanca> PerSeparatore(std::string_view riga, char separatore, bool titoli)
{
    std::vector<CampoBanca> campi;
    bool virgolette = false;
    for (std::size_t i = 0, inizio = 0; i <= riga.size(); ++i) {
        if (i < riga.size() && riga[i] == '"')
            virgolette = !virgolette;
        if (i == riga.size() || (riga[i] == separatore && !virgolette)) {
            campi.push_back({Pulito(riga.substr(inizio, i - inizio), titoli), i, inizio});
            inizio = i + 1;
        }
    }
    return campi;
}

// Cells parted by blanks, a heading's by runs of two at least: its names
// have single blanks within. A lone "€" is no cell.
std::vector<CampoBanca> PerSpazi(std::string_view riga, bool titoli)
{
    const std::size_t minimo = titoli ? 2 : 1;
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
        if (std::string testo = Pulito(riga.substr(inizio, fine - inizio), titoli); !testo.empty())
            campi.push_back({std::move(testo), fine, inizio});
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
    const auto virgole = PerSeparatore(riga, ',', false);
    return virgole.size() > 2 && (FormaData(virgole[0].testo) || FormaData(virgole[1].testo)) ? ',' : '\0';
}

std::vector<CampoBanca> Campi(std::string_view riga, char separatore, bool titoli)
{
    return separatore != '\0' ? PerSeparatore(riga, separatore, titoli) : PerSpazi(riga, titoli);
}

// A page's footer, its date and "2 di 5", is no row.
bool PiePagina(const std::vector<CampoBanca>& campi)
{
    return campi.size() == 4 && FormaData(campi[0].testo) && (campi[2].testo == "di" || campi[2].testo == "of")
           && Cifre(campi[3].testo);
}

// A row: its number and due date first, either first, or the date first and
// the number last; then amounts. Nothing for a line that is none.
std::optional<RigaGrezza> RigaDi(std::string_view riga, std::size_t linea)
{
    const char separatore = SeparatoreDi(riga);
    auto campi = Campi(riga, separatore, false);
    const auto vuote = std::ranges::find_if(campi, [](const CampoBanca& campo) { return !campo.testo.empty(); });
    const auto primi = static_cast<std::size_t>(vuote - campi.begin());
    campi.erase(campi.begin(), vuote);
    if (campi.size() < 3 || PiePagina(campi))
        return std::nullopt;
    const bool dataPrima = FormaData(campi[0].testo);
    const bool numeroPrima = Cifre(campi[0].testo) && FormaData(campi[1].testo);
    const bool inFondo = dataPrima && !Cifre(campi[1].testo) && Cifre(campi.back().testo);
    if (!numeroPrima && !inFondo && !(dataPrima && Cifre(campi[1].testo)))
        return std::nullopt;
    const std::string& numero = campi[numeroPrima ? 0 : inFondo ? campi.size() - 1 : 1].testo;
    std::string data = campi[numeroPrima ? 1 : 0].testo;
    const char separatoreData = data[data.find_first_of("/-.")];
    std::ranges::replace(data, separatoreData, '/');
    const auto scadenza = LeggiData(data);
    if (!scadenza)
        throw ErrorePiano("«" + campi[numeroPrima ? 1 : 0].testo + "» non è una data valida (GG/MM/AAAA).");
    RigaGrezza letta{linea, std::stoi(numero), *scadenza, {}, separatore, primi, inFondo};
    letta.importi.assign(campi.begin() + (inFondo ? 1 : 2), campi.end() - (inFondo ? 1 : 0));
    return letta;
}

// Each row's number the one before plus one, from 0 or 1: a row left out or
// written twice would be another plan. Row 0, a broken first period's
// interest, is not among the installments.
void ControllaNumero(const std::vector<RigaGrezza>& righe, int numero)
{
    const auto rata = [](int n) { return FormatoDecimali(n, 0, true); };
    const int prima = righe.empty() ? -1 : righe.back().numero;
    if (righe.empty() && numero > 1)
        throw ErrorePiano("è la rata " + rata(numero) + ", ma la prima è la 0 o la 1.");
    if (numero == prima)
        throw ErrorePiano("è di nuovo la rata " + rata(numero) + ".");
    if (numero < prima)
        throw ErrorePiano("è la rata " + rata(numero) + ", dopo la " + rata(prima) + ".");
    if (numero > prima + 1 && !righe.empty()) {
        throw ErrorePiano("è la rata " + rata(numero) + ", dopo la " + rata(prima) + ": "
                          + (numero == prima + 2 ? "manca la " + rata(prima + 1)
                                                 : "mancano dalla " + rata(prima + 1) + " alla " + rata(numero - 1))
                          + ".");
    }
    if (numero > static_cast<int>(RigheMassimeBanca)) {
        throw ErrorePiano("è la rata " + rata(numero) + ", ma un piano ne ha al più "
                          + std::to_string(RigheMassimeBanca) + ".");
    }
}

// Amounts with a decimal comma in a table whose cells commas part: "1250,00"
// would be two cells. Told by more cells than the heading names, or by every
// row having a cell of two figures after one of figures.
void ControllaVirgole(const std::vector<RigaGrezza>& righe, const std::vector<std::vector<std::string>>& intestazioni)
{
    if (righe.front().separatore != ',')
        return;
    const auto centesimi = [](const RigaGrezza& riga) {
        for (std::size_t i = 1; i < riga.importi.size(); ++i) {
            const std::string& testo = riga.importi[i].testo;
            if (testo.size() == 2 && Cifre(testo) && !riga.importi[i - 1].testo.empty()
                && riga.importi[i - 1].testo.find_first_not_of("0123456789.") == std::string::npos)
                return true;
        }
        return false;
    };
    const std::size_t titoli = intestazioni.empty() ? 0 : intestazioni.back().size();
    const auto troppe = std::ranges::find_if(
        righe, [&](const RigaGrezza& riga) { return titoli >= 2 && riga.importi.size() > titoli; });
    if (troppe != righe.end() || std::ranges::all_of(righe, centesimi)) {
        throw AllaRiga((troppe != righe.end() ? *troppe : righe.front()).linea,
                       "la virgola separa sia le celle sia i decimali: usare il punto e virgola o la tabulazione.");
    }
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
            if (letta)
                ControllaNumero(righe, letta->numero);
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
    std::vector<std::vector<CampoBanca>> linee;
    linee.reserve(prima.size());
    for (const std::string_view riga : prima)
        linee.push_back(Campi(riga, righe.front().separatore, true));
    const auto intestazioni = Intestazioni(linee, righe.front());
    ControllaVirgole(righe, intestazioni);
    TabellaBanca tabella = ColonneBanca(righe, intestazioni);
    tabella.righeSaltate = saltate;
    return tabella;
}

TabellaBanca LeggiFileTabellaBanca(const std::string& nome)
{
    return LeggiFileCon(nome, DimensioneMassimaTabella, LeggiTabellaBanca);
}

}  // namespace pianoamm

#include "engine/data.h"

#include "engine/errore.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <tuple>

namespace pianoamm {

namespace {

bool Cifra(char c)
{
    return c >= '0' && c <= '9';
}

// Reads minimo to massimo digits at pos, moving pos past them; nothing if
// there are fewer. With the count read in lette.
std::optional<int> LeggiCifre(std::string_view testo, std::size_t& pos, std::size_t minimo, std::size_t massimo,
                              std::size_t& lette)
{
    int valore = 0;
    lette = 0;
    while (pos < testo.size() && lette < massimo && Cifra(testo[pos])) {
        valore = valore * 10 + (testo[pos] - '0');
        ++pos;
        ++lette;
    }
    if (lette < minimo)
        return std::nullopt;
    return valore;
}

std::string_view SenzaSpazi(std::string_view testo)
{
    const auto primo = testo.find_first_not_of(" \t");
    if (primo == std::string_view::npos)
        return {};
    return testo.substr(primo, testo.find_last_not_of(" \t") - primo + 1);
}

}  // namespace

int GiorniDelMese(int anno, int mese)
{
    static constexpr std::array<int, 12> Giorni{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    return mese == 2 && bisestile ? 29 : Giorni.at(static_cast<std::size_t>(mese - 1));
}

bool Prima(const Data& una, const Data& altra)
{
    return std::tie(una.anno, una.mese, una.giorno) < std::tie(altra.anno, altra.mese, altra.giorno);
}

long long GiorniTra(const Data& da, const Data& a)
{
    using namespace std::chrono;
    // Days since the epoch, so that two dates subtract.
    const auto numero = [](const Data& data) {
        const year_month_day giorno{year{data.anno}, month{static_cast<unsigned>(data.mese)},
                                    day{static_cast<unsigned>(data.giorno)}};
        return sys_days{giorno}.time_since_epoch().count();
    };
    return numero(a) - numero(da);
}

std::optional<Data> LeggiData(std::string_view testo)
{
    testo = SenzaSpazi(testo);
    std::size_t pos = 0;
    std::size_t lette = 0;
    const auto separatore = [&] {
        const bool c = pos < testo.size() && testo[pos] == '/';
        pos += c ? 1 : 0;
        return c;
    };
    const auto giorno = LeggiCifre(testo, pos, 1, 2, lette);
    if (!giorno || !separatore())
        return std::nullopt;
    const auto mese = LeggiCifre(testo, pos, 1, 2, lette);
    if (!mese || !separatore())
        return std::nullopt;
    auto anno = LeggiCifre(testo, pos, 2, 4, lette);
    if (!anno || pos != testo.size() || lette == 3)
        return std::nullopt;
    if (lette == 2)
        *anno += *anno < 30 ? 2000 : 1900;
    if (*anno < AnnoMinimo || *mese < 1 || *mese > 12 || *giorno < 1 || *giorno > GiorniDelMese(*anno, *mese))
        return std::nullopt;
    return Data{*anno, *mese, *giorno};
}

std::string FormatoData(const Data& data)
{
    std::string testo = "00/00/0000";
    const auto dueCifre = [&testo](std::size_t pos, int valore) {
        testo[pos] = static_cast<char>('0' + valore / 10);
        testo[pos + 1] = static_cast<char>('0' + valore % 10);
    };
    dueCifre(0, data.giorno);
    dueCifre(3, data.mese);
    dueCifre(6, data.anno / 100);
    dueCifre(8, data.anno % 100);
    return testo;
}

Data AggiungiMese(const Data& dataPartenza, int piuMese)
{
    const long long mesi = static_cast<long long>(dataPartenza.anno) * 12 + (dataPartenza.mese - 1) + piuMese;
    const long long anno = mesi >= 0 ? mesi / 12 : -((-mesi + 11) / 12);
    if (anno > AnnoMassimo)
        throw ErrorePiano("Una scadenza cadrebbe oltre il 31/12/9999: ridurre il numero delle rate "
                          "o anticipare la data di erogazione.");
    if (anno < AnnoMinimo)
        throw ErrorePiano("Una data cadrebbe prima dell'anno 100.");
    Data risultato;
    risultato.anno = static_cast<int>(anno);
    risultato.mese = static_cast<int>(mesi - anno * 12) + 1;
    risultato.giorno = std::min(dataPartenza.giorno, GiorniDelMese(risultato.anno, risultato.mese));
    return risultato;
}

Data Oggi()
{
    const std::time_t adesso = std::time(nullptr);
    std::tm locale{};
    localtime_r(&adesso, &locale);
    return {locale.tm_year + 1900, locale.tm_mon + 1, locale.tm_mday};
}

}  // namespace pianoamm

#include "engine/numeri.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace pianoamm {

std::optional<double> LeggiNumero(std::string_view testo, int decimaliMassimi)
{
    const auto cifra = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t pos = 0;
    while (pos < testo.size() && cifra(testo[pos]))
        ++pos;
    if (pos == 0 || pos > 15)
        return std::nullopt;
    std::string normale(testo.substr(0, pos));
    if (pos < testo.size()) {
        if ((testo[pos] != ',' && testo[pos] != '.') || decimaliMassimi <= 0)
            return std::nullopt;
        const auto decimali = testo.substr(pos + 1);
        if (decimali.empty() || decimali.size() > static_cast<std::size_t>(decimaliMassimi))
            return std::nullopt;
        for (const char c : decimali) {
            if (!cifra(c))
                return std::nullopt;
        }
        normale += '.';
        normale += decimali;
    }
    double valore = 0;
    std::from_chars(normale.data(), normale.data() + normale.size(), valore);
    return valore;
}

std::optional<double> LeggiCampoNumerico(std::string_view testo, int decimali, bool raggruppa)
{
    if (testo.empty())
        return std::nullopt;
    std::string normale;
    std::size_t pos = 0;
    for (; pos < testo.size() && testo[pos] != ','; ++pos) {
        if (raggruppa && testo[pos] == '.')
            continue;
        normale += testo[pos];
    }
    if (normale.empty())
        normale.push_back('0');
    if (pos < testo.size()) {
        const auto decimaliScritti = testo.substr(pos + 1);
        if (decimali <= 0)
            return std::nullopt;
        if (!decimaliScritti.empty()) {
            normale += ',';
            normale += decimaliScritti;
        }
    }
    return LeggiNumero(normale, decimali);
}

std::optional<std::string> LeggiPezzoIncollato(std::string_view pezzo, int decimali)
{
    const auto cifre = [](std::string_view parte) {
        return !parte.empty() && std::all_of(parte.begin(), parte.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    constexpr std::string_view Spazi = " \t\r\n\f\v";
    const auto primo = pezzo.find_first_not_of(Spazi);
    if (primo == std::string_view::npos)
        return std::nullopt;
    pezzo = pezzo.substr(primo, pezzo.find_last_not_of(Spazi) - primo + 1);

    std::string_view intero = pezzo;
    std::optional<std::string_view> decimaliScritti;
    const auto punto = pezzo.find('.');
    if (const auto virgola = pezzo.find(','); virgola != std::string_view::npos) {
        intero = pezzo.substr(0, virgola);
        decimaliScritti = pezzo.substr(virgola + 1);
    } else if (punto != std::string_view::npos && pezzo.find('.', punto + 1) == std::string_view::npos
               && pezzo.size() - punto <= 3) {
        intero = pezzo.substr(0, punto);
        decimaliScritti = pezzo.substr(punto + 1);
    }
    if (decimaliScritti
        && (!cifre(*decimaliScritti) || decimaliScritti->size() > static_cast<std::size_t>(std::max(decimali, 0))))
        return std::nullopt;

    // The integer part: bare digits, or a first group of one to three digits
    // (not a lone zero's) followed by groups of exactly three.
    const auto gruppo = intero.find('.');
    const auto testa = intero.substr(0, gruppo);
    if (!cifre(testa))
        return std::nullopt;
    std::string testo(testa);
    if (gruppo != std::string_view::npos) {
        if (testa.size() > 3 || testa.front() == '0')
            return std::nullopt;
        for (auto resto = intero.substr(gruppo); !resto.empty(); resto.remove_prefix(4)) {
            if (resto.size() < 4 || resto.front() != '.' || !cifre(resto.substr(1, 3)))
                return std::nullopt;
            testo += resto.substr(1, 3);
        }
    }
    if (decimaliScritti) {
        testo += ',';
        testo += *decimaliScritti;
    }
    return testo;
}

}  // namespace pianoamm

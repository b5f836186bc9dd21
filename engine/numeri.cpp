#include "engine/numeri.h"

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

}  // namespace pianoamm

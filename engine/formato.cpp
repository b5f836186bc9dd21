#include "engine/formato.h"

#include "engine/errore.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace pianoamm {

namespace {

// Whole values of a double up to here fit the unsigned 64-bit digits.
constexpr double MassimoIntero = 9.0e18;

// Halves away from zero, as the listing's patterns round.
std::uint64_t Unita(double arrotondato)
{
    const double assoluto = std::fabs(arrotondato);
    if (!(assoluto < MassimoIntero))
        throw ErrorePiano("Il calcolo ha prodotto un valore non rappresentabile.");
    return static_cast<std::uint64_t>(assoluto);
}

// The digits of n, with a "." every three when raggruppa, written from the
// last one back.
void AccodaCifre(std::string& testo, std::uint64_t n, bool raggruppa)
{
    char cifre[32];
    char* inizio = std::end(cifre);
    int nelGruppo = 0;
    do {
        if (raggruppa && nelGruppo == 3) {
            *--inizio = '.';
            nelGruppo = 0;
        }
        *--inizio = static_cast<char>('0' + n % 10);
        n /= 10;
        ++nelGruppo;
    } while (n != 0);
    testo.append(inizio, static_cast<std::size_t>(std::end(cifre) - inizio));
}

}  // namespace

void Tabulasin(std::string& riga, std::string_view sp, int ssp)
{
    if (ssp < 0)
        throw ErrorePiano("Larghezza di campo non valida.");
    const std::size_t larghezza = static_cast<std::size_t>(ssp) + (sp.empty() ? 0 : 1);
    const std::size_t scritti = std::min(sp.size(), larghezza);
    riga.resize(riga.size() + larghezza, ' ');
    std::copy(sp.end() - static_cast<std::ptrdiff_t>(scritti), sp.end(),
              riga.end() - static_cast<std::ptrdiff_t>(scritti));
}

std::string FormatoImporto(double valore)
{
    std::string testo;
    const double arrotondato = std::round(valore);
    if (arrotondato == 0)
        return testo;
    if (arrotondato < 0)
        testo += '-';
    AccodaCifre(testo, Unita(arrotondato), true);
    return testo;
}

std::string FormatoDecimali(double valore, int decimali, bool raggruppa)
{
    std::uint64_t scala = 1;
    for (int i = 0; i < decimali; ++i)
        scala *= 10;
    const double scalato = std::round(valore * static_cast<double>(scala));
    const std::uint64_t n = Unita(scalato);
    std::string testo;
    if (scalato < 0)
        testo += '-';
    AccodaCifre(testo, n / scala, raggruppa);
    if (decimali > 0) {
        const std::string frazione = std::to_string(n % scala);
        testo.append(1, ',').append(static_cast<std::size_t>(decimali) - frazione.size(), '0').append(frazione);
    }
    return testo;
}

std::string TestoNumero(double valore)
{
    if (!std::isfinite(valore))
        throw ErrorePiano("Il calcolo ha prodotto un valore non rappresentabile.");
    // Below 1 the leading "0," takes two of the sixteen places: fourteen
    // decimals are left, and plain notation keeps the text from being cut at
    // the front as an exponent's would be.
    std::array<char, 40> buf{};
    const double assoluto = std::fabs(valore);
    const auto fine =
        assoluto < 1 ? std::to_chars(buf.data(), buf.data() + buf.size(), assoluto, std::chars_format::fixed, 14)
                     : std::to_chars(buf.data(), buf.data() + buf.size(), assoluto, std::chars_format::general, 15);
    std::string_view cifre(buf.data(), static_cast<std::size_t>(fine.ptr - buf.data()));
    if (cifre.find('.') != std::string_view::npos) {
        cifre.remove_suffix(cifre.size() - 1 - cifre.find_last_not_of('0'));
        if (cifre.back() == '.')
            cifre.remove_suffix(1);
    }
    std::string testo(valore < 0 && cifre != "0" ? "-" : "");
    for (const char c : cifre)
        testo += c == '.' ? ',' : c;
    return testo;
}

}  // namespace pianoamm

#include "engine/formato.h"

#include "engine/errore.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace pianoamm {

namespace {

// Whole values of a double up to here fit the 64-bit digits.
constexpr double MassimoIntero = 9.0e18;

// A value as the patterns show it: its magnitude in whole units, halves
// away from zero, and whether a "-" goes before them (never for a value
// that rounds to zero).
struct Intero {
    std::uint64_t unita;
    bool negativo;
};

Intero Arrotonda(double valore)
{
    const double assoluto = std::fabs(valore);
    if (!(assoluto < MassimoIntero))
        throw ErrorePiano("Il calcolo ha prodotto un valore non rappresentabile.");
    // The cast truncates and the fraction left is exact: no library
    // rounding call on the listing's hot path.
    const auto intere = static_cast<std::int64_t>(assoluto);
    const std::int64_t unita = assoluto - static_cast<double>(intere) >= 0.5 ? intere + 1 : intere;
    return {static_cast<std::uint64_t>(unita), unita != 0 && valore < 0};
}

// "000" to "999": the digits go three per division, a group at a time.
constexpr std::array<char, 3000> Terne = [] {
    std::array<char, 3000> terne{};
    for (std::size_t i = 0; i < 1000; ++i) {
        terne[3 * i] = static_cast<char>('0' + i / 100);
        terne[3 * i + 1] = static_cast<char>('0' + i / 10 % 10);
        terne[3 * i + 2] = static_cast<char>('0' + i % 10);
    }
    return terne;
}();

// "00" to "99", for the cents.
constexpr std::array<char, 200> Coppie = [] {
    std::array<char, 200> coppie{};
    for (std::size_t i = 0; i < 100; ++i) {
        coppie[2 * i] = static_cast<char>('0' + i / 10);
        coppie[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return coppie;
}();

// Writes the digits of n, with a "." every three when raggruppa, so that
// they end at fine; gives where they start.
char* ScriviCifre(char* fine, std::uint64_t n, bool raggruppa)
{
    for (; n >= 1000; n /= 1000) {
        fine -= 3;
        std::copy_n(&Terne[n % 1000 * 3], 3, fine);
        if (raggruppa)
            *--fine = '.';
    }
    // The leading group without its leading zeros.
    const std::size_t cifreInTesta = n >= 100 ? 3 : n >= 10 ? 2 : 1;
    fine -= cifreInTesta;
    std::copy_n(&Terne[n * 3 + 3 - cifreInTesta], cifreInTesta, fine);
    return fine;
}

// Room for a sign, twenty digits and six dots.
using Cifre = std::array<char, 28>;

// Writes the sign and digits so that they end at fine; gives their start.
char* ScriviIntero(char* fine, const Intero& intero, bool raggruppa)
{
    char* inizio = ScriviCifre(fine, intero.unita, raggruppa);
    if (intero.negativo)
        *--inizio = '-';
    return inizio;
}

// 10^k for k = 0..19.
constexpr std::array<std::uint64_t, 20> Potenze = [] {
    std::array<std::uint64_t, 20> potenze{};
    potenze[0] = 1;
    for (std::size_t k = 1; k < potenze.size(); ++k)
        potenze[k] = potenze[k - 1] * 10;
    return potenze;
}();

// The length of the grouped figure, without writing it.
std::size_t LunghezzaRaggruppata(const Intero& intero)
{
    // The digits from the bits, log10(2) ~ 1233 / 4096, one compare to
    // correct: every field of the listing comes through here.
    const auto bit = static_cast<std::size_t>(std::bit_width(intero.unita));
    const std::size_t stima = bit * 1233 >> 12;
    const std::size_t cifre = std::max<std::size_t>(1, stima + (intero.unita >= Potenze[stima] ? 1 : 0));
    return cifre + (cifre - 1) / 3 + (intero.negativo ? 1 : 0);
}

// Where a text of the given length sits in a field of ssp + 1 characters:
// the blanks before it, and how many of its last characters show.
struct Posto {
    std::size_t spazi;
    std::size_t scritti;
};

Posto PostoNelCampo(std::size_t lunghezza, int ssp)
{
    if (ssp < 0)
        throw ErrorePiano("Larghezza di campo non valida.");
    const std::size_t larghezza = static_cast<std::size_t>(ssp) + (lunghezza == 0 ? 0 : 1);
    const std::size_t scritti = std::min(lunghezza, larghezza);
    return {larghezza - scritti, scritti};
}

// The byte where the character numero (from 0) starts, or the text's end:
// a continuation byte never starts one.
std::size_t InizioCarattere(std::string_view testo, std::size_t numero)
{
    std::size_t visti = 0;
    for (std::size_t i = 0; i < testo.size(); ++i)
        if ((static_cast<unsigned char>(testo[i]) & 0xC0U) != 0x80U && visti++ == numero)
            return i;
    return testo.size();
}

}  // namespace

void Linea::TroppoLunga()
{
    throw ErrorePiano("Una riga supera i 128 caratteri.");
}

Linea& Linea::Tabulasin(std::string_view sp, int ssp)
{
    const Posto posto = PostoNelCampo(sp.size(), ssp);
    return Spazi(posto.spazi).Scrivi(sp.substr(sp.size() - posto.scritti));
}

Linea& Linea::Importo(double valore, int ssp, int decimali)
{
    const Intero intero = Arrotonda(decimali == 2 ? valore * 100 : valore);
    if (intero.unita == 0 && decimali == 0)
        return Tabulasin({}, ssp);
    const Intero intere = decimali == 2 ? Intero{intero.unita / 100, intero.negativo} : intero;
    const std::size_t quanti = LunghezzaRaggruppata(intere) + (decimali == 2 ? 3 : 0);
    const Posto posto = PostoNelCampo(quanti, ssp);
    // A text cut at the front is rare enough to go through a copy.
    if (posto.scritti < quanti)
        return Tabulasin(ImportoOZero(valore, decimali), ssp);
    char* fine = Avanza(posto.spazi + quanti) + posto.spazi + quanti;
    if (decimali == 2) {
        fine -= 3;
        fine[0] = ',';
        std::copy_n(&Coppie[(intero.unita - intere.unita * 100) * 2], 2, fine + 1);
    }
    ScriviIntero(fine, intere, true);
    return *this;
}

std::string Maiuscole(std::string_view testo)
{
    std::string maiuscole(testo);
    for (char& x : maiuscole)
        x = x >= 'a' && x <= 'z' ? static_cast<char>(x - 'a' + 'A') : x;
    return maiuscole;
}

std::size_t CaratteriUtf8(std::string_view testo)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(testo, [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
}

std::string Taglia(std::string_view testo, std::size_t caratteri)
{
    if (CaratteriUtf8(testo) <= caratteri)
        return std::string(testo);
    return std::string(testo.substr(0, InizioCarattere(testo, caratteri - 1))).append("…");
}

std::string TagliaNelMezzo(std::string_view testo, std::size_t caratteri)
{
    const std::size_t tutti = CaratteriUtf8(testo);
    if (tutti <= caratteri)
        return std::string(testo);
    const std::size_t testa = caratteri / 2;
    const std::size_t coda = caratteri - 1 - testa;
    return std::string(testo.substr(0, InizioCarattere(testo, testa)))
        .append("…")
        .append(testo.substr(InizioCarattere(testo, tutti - coda)));
}

std::string FormatoImporto(double valore)
{
    const Intero intero = Arrotonda(valore);
    if (intero.unita == 0)
        return {};
    Cifre cifre;
    return {ScriviIntero(cifre.end(), intero, true), cifre.end()};
}

std::string ImportoOZero(double valore, int decimali)
{
    if (decimali != 0)
        return FormatoDecimali(valore, decimali, true);
    const std::string testo = FormatoImporto(valore);
    return testo.empty() ? "0" : testo;
}

std::string FormatoDecimali(double valore, int decimali, bool raggruppa)
{
    std::uint64_t scala = 1;
    for (int i = 0; i < decimali; ++i)
        scala *= 10;
    const Intero scalato = Arrotonda(valore * static_cast<double>(scala));
    Cifre cifre;
    std::string testo(ScriviIntero(cifre.end(), {scalato.unita / scala, scalato.negativo}, raggruppa), cifre.end());
    if (decimali > 0) {
        const std::string frazione = std::to_string(scalato.unita % scala);
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

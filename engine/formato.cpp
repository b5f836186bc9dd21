#include "engine/formato.h"

#include "engine/errore.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace pianoamm {

namespace {

// Beyond this a double holds no fractional part, and whole values still fit
// the unsigned 64-bit digits.
constexpr double LimiteFrazioni = 4.0e15;
constexpr double MassimoIntero = 9.0e18;

// Halves away from zero, like std::round, without the library call on the
// listing's hot path.
inline double Arrotonda(double valore)
{
    if (!(std::fabs(valore) < LimiteFrazioni))
        return std::round(valore);
    auto intero = static_cast<long long>(valore);
    const double resto = valore - static_cast<double>(intero);
    if (resto >= 0.5)
        ++intero;
    else if (resto <= -0.5)
        --intero;
    return static_cast<double>(intero);
}

inline std::uint64_t Unita(double arrotondato)
{
    const double assoluto = std::fabs(arrotondato);
    if (!(assoluto < MassimoIntero))
        throw ErrorePiano("Il calcolo ha prodotto un valore non rappresentabile.");
    return static_cast<std::uint64_t>(assoluto);
}

// "00" to "99": two digits per division, the listing's hottest loop.
constexpr std::array<char, 200> CoppieCifre = [] {
    std::array<char, 200> coppie{};
    for (std::size_t i = 0; i < 100; ++i) {
        coppie[2 * i] = static_cast<char>('0' + i / 10);
        coppie[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return coppie;
}();

// Digits of n in front of the cursor p, at least minime of them.
char* AnteponiCifre(char* p, std::uint64_t n, int minime = 1)
{
    const char* const fine = p;
    while (n >= 100) {
        const auto coppia = static_cast<std::size_t>(n % 100) * 2;
        *--p = CoppieCifre[coppia + 1];
        *--p = CoppieCifre[coppia];
        n /= 100;
    }
    do {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (fine - p < minime)
        *--p = '0';
    return p;
}

void AnteponiCifre(Cifre& c, std::uint64_t n, int minime = 1)
{
    c.Fissa(AnteponiCifre(c.Cursore(), n, minime));
}

// The same with a "." between groups of three.
void AnteponiCifreRaggruppate(Cifre& c, std::uint64_t n)
{
    char* p = c.Cursore();
    while (n >= 1000) {
        p = AnteponiCifre(p, n % 1000, 3);
        *--p = '.';
        n /= 1000;
    }
    c.Fissa(AnteponiCifre(p, n));
}

// A whole number of the listing: the empty text when it rounds to zero,
// whatever its sign, so floating-point noise never shows as "-" or "-0".
Cifre Intero(double valore, bool raggruppa)
{
    Cifre c;
    const double arrotondato = Arrotonda(valore);
    if (arrotondato == 0)
        return c;
    const std::uint64_t unita = Unita(arrotondato);
    if (raggruppa)
        AnteponiCifreRaggruppate(c, unita);
    else
        AnteponiCifre(c, unita);
    if (arrotondato < 0)
        c.Anteponi('-');
    return c;
}

bool Cifra(char c)
{
    return c >= '0' && c <= '9';
}

// Reads between minimo and massimo digits at pos; nothing if there are fewer.
std::optional<int> LeggiCifre(std::string_view testo, std::size_t& pos, std::size_t minimo, std::size_t massimo)
{
    int valore = 0;
    std::size_t lette = 0;
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
    const auto spazio = [](char c) { return c == ' ' || c == '\t'; };
    while (!testo.empty() && spazio(testo.front()))
        testo.remove_prefix(1);
    while (!testo.empty() && spazio(testo.back()))
        testo.remove_suffix(1);
    return testo;
}

// A number with a fixed count of decimals after ",", halves away from zero;
// a value that rounds to zero carries no sign.
Cifre Decimale(double valore, int decimali, bool raggruppa)
{
    std::uint64_t scala = 1;
    for (int i = 0; i < decimali; ++i)
        scala *= 10;
    Cifre c;
    const double scalato = Arrotonda(valore * static_cast<double>(scala));
    const std::uint64_t n = Unita(scalato);
    AnteponiCifre(c, n % scala, decimali);
    c.Anteponi(',');
    if (raggruppa)
        AnteponiCifreRaggruppate(c, n / scala);
    else
        AnteponiCifre(c, n / scala);
    if (scalato < 0)
        c.Anteponi('-');
    return c;
}

}  // namespace

char* ScriviCampo(char* out, std::string_view sp, int ssp)
{
    if (ssp < 0)
        throw ErrorePiano("Larghezza di campo non valida.");
    if (sp.empty())
        return std::fill_n(out, ssp, ' ');
    const auto larghezza = static_cast<std::size_t>(ssp) + 1;
    if (sp.size() >= larghezza)
        return std::copy_n(sp.end() - larghezza, larghezza, out);
    out = std::fill_n(out, larghezza - sp.size(), ' ');
    return std::copy(sp.begin(), sp.end(), out);
}

void AccodaCampo(std::string& out, std::string_view sp, int ssp)
{
    const std::size_t inizio = out.size();
    out.resize(inizio + static_cast<std::size_t>(std::max(ssp, 0)) + 1);
    out.resize(static_cast<std::size_t>(ScriviCampo(out.data() + inizio, sp, ssp) - out.data()));
}

std::string Tabulasin(std::string_view sp, std::int16_t ssp)
{
    std::string campo;
    AccodaCampo(campo, sp, ssp);
    return campo;
}

int GiorniDelMese(int anno, int mese)
{
    static constexpr std::array<int, 12> giorni{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    return mese == 2 && bisestile ? 29 : giorni.at(static_cast<std::size_t>(mese - 1));
}

std::optional<Data> LeggiData(std::string_view testo)
{
    testo = SenzaSpazi(testo);
    std::size_t pos = 0;
    const auto separatore = [&] {
        if (pos < testo.size() && testo[pos] == '/') {
            ++pos;
            return true;
        }
        return false;
    };
    const auto giorno = LeggiCifre(testo, pos, 1, 2);
    if (!giorno || !separatore())
        return std::nullopt;
    const auto mese = LeggiCifre(testo, pos, 1, 2);
    if (!mese || !separatore())
        return std::nullopt;
    const std::size_t inizioAnno = pos;
    auto anno = LeggiCifre(testo, pos, 2, 4);
    if (!anno || pos != testo.size() || pos - inizioAnno == 3)
        return std::nullopt;
    if (pos - inizioAnno == 2)
        *anno += *anno < 30 ? 2000 : 1900;
    if (*anno < AnnoMinimo || *mese < 1 || *mese > 12 || *giorno < 1 || *giorno > GiorniDelMese(*anno, *mese))
        return std::nullopt;
    return Data{*anno, *mese, *giorno};
}

Cifre FormatoData(const Data& data)
{
    Cifre c;
    AnteponiCifre(c, static_cast<std::uint64_t>(data.anno), 4);
    c.Anteponi('/');
    AnteponiCifre(c, static_cast<std::uint64_t>(data.mese), 2);
    c.Anteponi('/');
    AnteponiCifre(c, static_cast<std::uint64_t>(data.giorno), 2);
    return c;
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

Cifre FormatoImporto(double valore)
{
    return Intero(valore, true);
}

Cifre FormatoIntero(double valore)
{
    return Intero(valore, false);
}

Cifre TestoIntero(int valore)
{
    Cifre c;
    AnteponiCifre(c, static_cast<std::uint64_t>(valore < 0 ? -static_cast<long long>(valore) : valore));
    if (valore < 0)
        c.Anteponi('-');
    return c;
}

Cifre FormatoTasso(double valore)
{
    return Decimale(valore, 3, false);
}

Cifre FormatoCentesimi(double valore, bool raggruppa)
{
    return Decimale(valore, 2, raggruppa);
}

Cifre TestoNumero(double valore)
{
    if (!std::isfinite(valore))
        throw ErrorePiano("Il calcolo ha prodotto un valore non rappresentabile.");
    // Below 1 the leading "0," takes two of the sixteen places: fourteen
    // decimals are left, and plain notation keeps the text from being cut at
    // the front as an exponent's would be.
    std::array<char, 40> buf{};
    const double assoluto = std::fabs(valore);
    const auto risultato =
        assoluto < 1 ? std::to_chars(buf.data(), buf.data() + buf.size(), assoluto, std::chars_format::fixed, 14)
                     : std::to_chars(buf.data(), buf.data() + buf.size(), valore, std::chars_format::general, 15);
    std::string_view testo(buf.data(), static_cast<std::size_t>(risultato.ptr - buf.data()));
    if (testo.find('.') != std::string_view::npos) {
        while (testo.back() == '0')
            testo.remove_suffix(1);
        if (testo.back() == '.')
            testo.remove_suffix(1);
    }
    Cifre c;
    for (auto i = testo.size(); i-- > 0;)
        c.Anteponi(testo[i] == '.' ? ',' : testo[i]);
    if (valore < 0 && testo != "0")
        c.Anteponi('-');
    return c;
}

void Cifre::Anteponi(std::string_view testo)
{
    for (auto i = testo.size(); i-- > 0;)
        Anteponi(testo[i]);
}

}  // namespace pianoamm

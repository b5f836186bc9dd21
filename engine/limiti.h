#pragma once

// The ranges of the loan's data, as the window's fields, the command line and
// the engine all enforce them, with the one message that states each.

#include <string>
#include <string_view>

namespace pianoamm {

struct Limite {
    double minimo;
    double massimo;
    int decimali;              // at most this many decimals
    std::string_view oggetto;  // what is limited, as the message names it
};

inline constexpr Limite LimiteImporto{0, 999999999, 2, "l'importo del finanziamento"};
inline constexpr Limite LimiteNumeroRate{1, 999, 0, "il numero delle rate"};
inline constexpr Limite LimiteTasso{0, 99, 2, "il tasso annuo"};

// "L'importo del finanziamento deve essere compreso tra 0 e 999.999.999."
std::string FuoriLimite(const Limite& limite);

// Throws ErrorePiano with the limit's message for a value outside it.
void Controlla(double valore, const Limite& limite);

// The number testo writes, within the limit and with at most its decimals
// ("," or "." before them where virgola, "." where not; a "-" before it
// where the limit goes below zero); else throws
// ErrorePiano: "«testo» non è un numero valido (...)" or the limit's
// message.
double NumeroNelLimite(std::string_view testo, const Limite& limite, bool virgola);

}  // namespace pianoamm

#pragma once

// The plan's terms on the command line, a row each: the argument reader,
// the synopsis and --help all take them from Termini, so that a new term is
// one more row.

#include "engine/condizioni.h"
#include "engine/data.h"
#include "engine/errore.h"
#include "engine/limiti.h"
#include "engine/voce.h"

#include <array>
#include <string>
#include <string_view>
#include <type_traits>

namespace pianoamm::cli {

struct Termine {
    std::string_view nome;
    // The value as the synopsis and --help write it: "X", "unita|centesimi".
    std::string (*valore)();
    // --help's lines after the option's name.
    std::string_view aiuto;
    // Sets the term to the value given; throws ErrorePiano with the reason,
    // which the reader puts after the option's name.
    void (*leggi)(std::string_view testo, Condizioni& condizioni);
    // Of use only with the option before it: the synopsis writes it inside
    // that one's brackets.
    bool conPrecedente = false;
    // Adds payments to the plan rather than saying how its rows are worked
    // out: --help lists it after the others, before the outputs.
    bool dopoNellAiuto = false;
};

// A date written GG/MM/AAAA.
inline Data DataDaTesto(std::string_view testo)
{
    const auto data = LeggiData(testo);
    if (!data)
        throw ErrorePiano("«" + std::string(testo) + "» non è una data valida (GG/MM/AAAA).");
    return *data;
}

// The kinds of value a term takes, as Termine's readers: a closed set's
// word, a number within its limit, a date.
template <auto Membro, const auto& Voci>
void Scelta(std::string_view testo, Condizioni& condizioni)
{
    const auto* voce = VoceDaParola(Voci, testo);
    if (voce == nullptr)
        throw ErrorePiano("«" + std::string(testo) + "» non è un valore valido (" + Parole(Voci, ", ", " o ") + ").");
    condizioni.*Membro = voce->valore;
}

template <auto Membro, const Limite& Entro>
void Cifra(std::string_view testo, Condizioni& condizioni)
{
    condizioni.*Membro =
        static_cast<std::remove_cvref_t<decltype(condizioni.*Membro)>>(NumeroNelLimite(testo, Entro, true));
}

template <auto Membro>
void Giorno(std::string_view testo, Condizioni& condizioni)
{
    condizioni.*Membro = DataDaTesto(testo);
}

// A closed set's words, as the synopsis writes a term's value.
template <const auto& Voci>
std::string ParoleDi()
{
    return Parole(Voci, "|");
}

// In the synopsis's order, which the values are also read in.
inline constexpr std::array Termini{
    Termine{"--arrotondamento", ParoleDi<Arrotondamenti>,
            "interessi troncati all'unità, le frazioni rese un'unità\n"
            "alla volta (unita, predefinito), o rata e interessi\n"
            "arrotondati al centesimo come fanno le banche (centesimi)",
            Scelta<&Condizioni::arrotondamento, Arrotondamenti>},
    Termine{"--metodo", ParoleDi<Metodi>,
            "rata costante (francese, predefinito) o quota capitale\n"
            "costante e rata decrescente (italiano)",
            Scelta<&Condizioni::metodo, Metodi>},
    Termine{"--tasso-periodo", ParoleDi<RegoleTassoPeriodo>,
            "tasso della rata: il tasso annuo per la frazione d'anno\n"
            "(proporzionale, predefinito) o il tasso che composto\n"
            "nell'anno dà il tasso annuo (equivalente)",
            Scelta<&Condizioni::tassoPeriodo, RegoleTassoPeriodo>},
    Termine{"--maxi-rata", [] { return std::string("X"); },
            "maxi-rata finale, pagata con l'ultima rata, inferiore\n"
            "all'importo, solo con il metodo francese (0)",
            Cifra<&Condizioni::maxiRata, LimiteMaxiRata>, false, true},
    Termine{"--preammortamento", [] { return std::string("K"); },
            "K rate di soli interessi (da 0 a 60) prima delle rate\n"
            "del piano",
            Cifra<&Condizioni::preammortamento, LimitePreammortamento>, false, true},
    Termine{"--prima-scadenza", [] { return std::string("GG/MM/AAAA"); },
            "scadenza della prima rata, le altre a una rata l'una\n"
            "dall'altra (predefinita: una rata dopo --data); i giorni\n"
            "dall'erogazione all'inizio del suo periodo pagano i loro\n"
            "interessi nella rata 0 (preammortamento tecnico)",
            Giorno<&Condizioni::primaScadenza>},
    Termine{"--base-giorni", ParoleDi<BasiGiorni>,
            "anno di quegli interessi: civile (365, predefinito) o\n"
            "commerciale (360)",
            Scelta<&Condizioni::baseGiorni, BasiGiorni>, true},
};

}  // namespace pianoamm::cli

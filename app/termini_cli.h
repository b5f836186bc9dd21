#pragma once

// The plan's terms on the command line, a row each: the argument reader,
// the synopsis and --help all take them from Termini, so that a new term is
// one more row.

#include "engine/condizioni.h"
#include "engine/data.h"
#include "engine/errore.h"
#include "engine/limiti.h"
#include "engine/tasso_variabile.h"
#include "engine/voce.h"
#include "file/serie_indice.h"

#include <algorithm>
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

// Where a term's value goes: a member of the terms, or of the variable
// rate's, which only a series of the index brings (--indice, or the loan
// file's).
template <auto Membro>
auto& Posto(Condizioni& condizioni)
{
    if constexpr (std::is_invocable_v<decltype(Membro), Condizioni&>) {
        return condizioni.*Membro;
    } else {
        if (!condizioni.tassoVariabile)
            throw ErrorePiano("vale solo con --indice.");
        return *condizioni.tassoVariabile.*Membro;
    }
}

// The kinds of value a term takes, as Termine's readers: a closed set's
// word, a number within its limit, a date.
template <auto Membro, const auto& Voci>
void Scelta(std::string_view testo, Condizioni& condizioni)
{
    auto& posto = Posto<Membro>(condizioni);
    const auto* voce = VoceDaParola(Voci, testo);
    if (voce == nullptr)
        throw ErrorePiano("«" + std::string(testo) + "» non è un valore valido (" + Parole(Voci, ", ", " o ") + ").");
    posto = voce->valore;
}

template <auto Membro, const Limite& Entro>
void Cifra(std::string_view testo, Condizioni& condizioni)
{
    auto& posto = Posto<Membro>(condizioni);
    posto = static_cast<std::remove_cvref_t<decltype(posto)>>(NumeroNelLimite(testo, Entro, true));
}

// The series of the index in the CSV file named (lettura_cli.cpp).
void SerieIndice(std::string_view nome, Condizioni& condizioni);

// One of the index's steps of rounding.
inline void PassoIndice(std::string_view testo, Condizioni& condizioni)
{
    Cifra<&TassoVariabile::arrotondamento, LimitePassoIndice>(testo, condizioni);
    if (std::ranges::find(PassiIndice, *condizioni.tassoVariabile->arrotondamento) == PassiIndice.end())
        throw ErrorePiano("«" + std::string(testo) + "» non è un passo valido (0,05, 0,10, 0,125 o 0,25).");
}

// The longest plan, of use only when the count of rows follows the rate.
inline void DurataMassima(std::string_view testo, Condizioni& condizioni)
{
    Cifra<&TassoVariabile::durataMassima, LimiteDurataMassima>(testo, condizioni);
    if (condizioni.tassoVariabile->ricalcolo != Ricalcolo::Durata)
        throw ErrorePiano("vale solo con --ricalcolo durata.");
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
    Termine{"--interessi-giorni", ParoleDi<BasiGiorni>,
            "interessi di ogni rata sui giorni effettivi dalla\n"
            "scadenza precedente, divisi per 365 o 360 (predefinito:\n"
            "sul tasso della rata, senza contare i giorni)",
            Scelta<&Condizioni::interessiGiorni, BasiGiorni>},
    Termine{"--indice", [] { return std::string("FILE"); },
            "tasso variabile: il file CSV dei valori dell'indice\n"
            "(Euribor, tasso BCE...), una riga GG/MM/AAAA;valore\n"
            "ognuno, dalla sua data alla successiva; il tasso\n"
            "(--tasso) vale fino alla prima revisione",
            SerieIndice},
    Termine{"--spread", [] { return std::string("S"); }, "punti aggiunti all'indice (da 0 a 20; 0)",
            Cifra<&TassoVariabile::spread, LimiteSpread>, true},
    Termine{"--revisione", [] { return std::string("K"); },
            "tasso rivisto ogni K rate (da 1 a 12; 1), dalla rata\n"
            "K+1, sull'indice del giorno in cui inizia il periodo",
            Cifra<&TassoVariabile::revisione, LimiteRevisione>, true},
    Termine{"--arrotonda-indice", [] { return std::string("P"); },
            "indice arrotondato per eccesso a un multiplo di P\n"
            "(0,05, 0,10, 0,125 o 0,25) prima dello spread",
            PassoIndice, true},
    Termine{"--tasso-minimo", [] { return std::string("F"); }, "tasso minimo (floor) del tasso variabile",
            Cifra<&TassoVariabile::minimo, LimiteTassoMinimo>, true},
    Termine{"--tasso-massimo", [] { return std::string("C"); }, "tasso massimo (cap) del tasso variabile",
            Cifra<&TassoVariabile::massimo, LimiteTassoMassimo>, true},
    Termine{"--ricalcolo", ParoleDi<Ricalcoli>,
            "a ogni nuovo tasso: nuova rata (rata, predefinito),\n"
            "quote capitale del piano iniziale (quote) o stessa\n"
            "rata e nuova durata (durata)",
            Scelta<&TassoVariabile::ricalcolo, Ricalcoli>, true},
    Termine{"--durata-massima", [] { return std::string("N"); }, "con --ricalcolo durata, rate al massimo (999)",
            DurataMassima, true},
};

}  // namespace pianoamm::cli

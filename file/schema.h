#pragma once

// The loan file's keys as tables: a row a key, with how its value is
// written and read, where it lives in the offer and the first version of
// the file that holds it. The writer and the reader both go through the
// rows, so that a key is spelled once and a new key is a new row.

#include "file/campi_offerta.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace pianoamm::campi {

using Json = nlohmann::ordered_json;

// A key a reader cannot go without is always written; any other only when
// its value differs from a default-built object's, which is what a reader
// takes when the key is missing.
enum class Presenza { Obbligatoria, Facoltativa };

template <class Struttura>
struct Campo {
    std::string_view chiave;
    Presenza presenza;
    int dal;  // the first version of the file that holds the key
    // The value as written, raising versione to what its own keys need;
    // nothing for a value the key is left out for.
    std::function<std::optional<Json>(const Struttura&, int& versione)> scrivi;
    // The value read into its place; versione is the file's.
    std::function<void(const ValoreJson&, const std::string& percorso, int versione, Struttura&)> leggi;
};

template <class Struttura>
using Campi = std::vector<Campo<Struttura>>;

// The kinds of value a row holds, each written and read the same way
// wherever it stands.

// A number within its limit, with no more decimals than the limit's.
struct Numero {
    Limite limite;
    Json Scrivi(double valore, int& /*versione*/) const;
    double Leggi(const ValoreJson& valore, const std::string& percorso, int /*versione*/) const
    {
        return NumeroDi(valore, percorso, limite);
    }
};

// A date, "AAAA-MM-GG".
struct Giorno {
    Json Scrivi(const Data& data, int& /*versione*/) const;
    Data Leggi(const ValoreJson& valore, const std::string& percorso, int /*versione*/) const
    {
        return DataDi(valore, percorso);
    }
};

// The user's text, up to massimo characters.
struct Testo {
    std::size_t massimo;
    Json Scrivi(const std::string& testo, int& /*versione*/) const { return testo; }
    std::string Leggi(const ValoreJson& valore, const std::string& percorso, int /*versione*/) const;
};

// One of a closed set's words. A word of none is refused naming cosa
// ("una cadenza valida"), or else listing the words.
template <class Tabella>
struct Scelta {
    using Valore = std::remove_cvref_t<decltype(std::declval<typename Tabella::value_type>().valore)>;

    const Tabella& voci;
    std::string_view cosa{};

    Json Scrivi(Valore valore, int& /*versione*/) const { return VoceDi(voci, valore).parola; }
    Valore Leggi(const ValoreJson& valore, const std::string& percorso, int /*versione*/) const
    {
        if (cosa.empty())
            return SceltaDi(valore, percorso, voci);
        const std::string& parola = TestoDi(valore, percorso);
        const auto* voce = VoceDaParola(voci, parola);
        if (voce == nullptr)
            Rifiuta(percorso, "«" + parola + "» non è " + std::string(cosa) + ".");
        return voce->valore;
    }
};
template <class Tabella>
Scelta(const Tabella&) -> Scelta<Tabella>;
template <class Tabella>
Scelta(const Tabella&, std::string_view) -> Scelta<Tabella>;

// Refuses a key no row has, or one newer than the file: altre are keys
// read apart from the rows.
template <class Struttura>
void ControllaChiavi(const Campi<Struttura>& campi, const Oggetto& dati, int versione,
                     std::initializer_list<std::string_view> altre)
{
    for (const std::string& chiave : dati.valore.chiavi) {
        const auto campo = std::ranges::find(campi, chiave, &Campo<Struttura>::chiave);
        if (campo == campi.end() && std::ranges::find(altre, chiave) == altre.end())
            Rifiuta(dati.Percorso(chiave), "chiave sconosciuta.");
        if (campo != campi.end() && campo->dal > versione) {
            Rifiuta(dati.Percorso(chiave), "chiave della versione " + std::to_string(campo->dal)
                                               + " del formato, in un file della versione " + std::to_string(versione)
                                               + ".");
        }
    }
}

// The object's keys read into letta, which holds the defaults of those
// missing.
template <class Struttura>
void LeggiCampi(const Campi<Struttura>& campi, const Oggetto& dati, int versione, Struttura& letta,
                std::initializer_list<std::string_view> altre = {})
{
    ControllaChiavi(campi, dati, versione, altre);
    for (const Campo<Struttura>& campo : campi) {
        const ValoreJson* valore =
            campo.presenza == Presenza::Obbligatoria ? &dati.Obbligatoria(campo.chiave) : dati.Cerca(campo.chiave);
        if (valore != nullptr)
            campo.leggi(*valore, dati.Percorso(campo.chiave), versione, letta);
    }
}

// The keys written after those oggetto has, versione raised to the
// newest of them.
template <class Struttura>
Json ScriviCampi(const Campi<Struttura>& campi, const Struttura& dati, int& versione, Json oggetto = Json::object())
{
    for (const Campo<Struttura>& campo : campi) {
        if (std::optional<Json> valore = campo.scrivi(dati, versione)) {
            oggetto[std::string(campo.chiave)] = std::move(*valore);
            versione = std::max(versione, campo.dal);
        }
    }
    return oggetto;
}

// An object of the document, its keys in rows of their own.
template <class Struttura>
struct Gruppo {
    const Campi<Struttura>& campi;

    Json Scrivi(const Struttura& dati, int& versione) const { return ScriviCampi(campi, dati, versione); }
    void LeggiIn(const ValoreJson& valore, const std::string& percorso, int versione, Struttura& dati) const
    {
        LeggiCampi(campi, Oggetto(valore, percorso), versione, dati);
    }
    // A term the loan may lack: the object there brings it.
    void LeggiIn(const ValoreJson& valore, const std::string& percorso, int versione,
                 std::optional<Struttura>& dati) const
    {
        LeggiIn(valore, percorso, versione, dati.emplace());
    }
};

// The place of a member's member.
template <class Esterno, class Interno>
struct In {
    Esterno esterno;
    Interno interno;

    auto& operator()(auto& dati) const { return std::invoke(interno, std::invoke(esterno, dati)); }
};
template <class Esterno, class Interno>
In(Esterno, Interno) -> In<Esterno, Interno>;

// A row: its key, the place of its value in a Struttura (a member pointer,
// or In), the kind of value, and the version of the file that brought it.
// An optional value is written when it has one, its kind's value.
template <class Struttura, class Posto, class Genere>
Campo<Struttura> Riga(std::string_view chiave, Posto posto, Genere genere, Presenza presenza = Presenza::Facoltativa,
                      int dal = 1)
{
    using Valore = std::remove_cvref_t<std::invoke_result_t<Posto, Struttura&>>;
    return {chiave, presenza, dal,
            [posto, genere, presenza](const Struttura& dati, int& versione) -> std::optional<Json> {
                static const Struttura Predefinita{};
                const Valore& valore = std::invoke(posto, dati);
                if (presenza == Presenza::Facoltativa && valore == std::invoke(posto, Predefinita))
                    return std::nullopt;
                if constexpr (requires { genere.Scrivi(valore, versione); })
                    return genere.Scrivi(valore, versione);
                else
                    return genere.Scrivi(*valore, versione);
            },
            [posto, genere](const ValoreJson& json, const std::string& percorso, int versione, Struttura& dati) {
                Valore& valore = std::invoke(posto, dati);
                if constexpr (requires { genere.LeggiIn(json, percorso, versione, valore); })
                    genere.LeggiIn(json, percorso, versione, valore);
                else
                    valore = static_cast<Valore>(genere.Leggi(json, percorso, versione));
            }};
}

}  // namespace pianoamm::campi

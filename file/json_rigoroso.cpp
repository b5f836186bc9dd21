#include "file/json_rigoroso.h"

#include "engine/errore.h"
#include "engine/formato.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <utility>

namespace pianoamm {

namespace {

using Json = nlohmann::json;

std::string Citato(std::string_view percorso)
{
    return "«" + std::string(percorso) + "»";
}

// A number's text as the file has it. The parser hands it over with the
// process's decimal mark in place of the point, as it reads it with strtod:
// a comma on an Italian desktop.
std::string ComeScritto(std::string numero)
{
    const auto marca = numero.find_first_not_of("-0123456789");
    if (marca != std::string::npos && numero[marca] != 'e' && numero[marca] != 'E')
        numero[marca] = '.';
    return numero;
}

// Builds the tree from the parser's events. A callback that returns false
// stops the parser there: the reason is kept for the message.
class Costruttore {
public:
    explicit Costruttore(const LimitiJson& limitiJson) : limiti(limitiJson) {}

    // The parser calls these by its own names.
    // NOLINTBEGIN(readability-identifier-naming)
    bool null() { return Valore({ValoreJson::Tipo::Nullo, "null", {}, {}}); }
    bool boolean(bool valore) { return Valore({ValoreJson::Tipo::Booleano, valore ? "true" : "false", {}, {}}); }
    bool number_integer(Json::number_integer_t valore)
    {
        return Valore({ValoreJson::Tipo::Numero, std::to_string(valore), {}, {}});
    }
    bool number_unsigned(Json::number_unsigned_t valore)
    {
        return Valore({ValoreJson::Tipo::Numero, std::to_string(valore), {}, {}});
    }
    bool number_float(Json::number_float_t /*valore*/, const std::string& testo)
    {
        return Valore({ValoreJson::Tipo::Numero, ComeScritto(testo), {}, {}});
    }
    bool string(std::string& testo) { return Valore({ValoreJson::Tipo::Testo, std::move(testo), {}, {}}); }
    bool binary(Json::binary_t& /*dati*/) { return Ferma(PercorsoProssimo(), "contiene dati binari."); }
    bool start_object(std::size_t /*elementi*/) { return Apri(ValoreJson::Tipo::Oggetto); }
    bool start_array(std::size_t /*elementi*/) { return Apri(ValoreJson::Tipo::Lista); }
    bool end_object() { return Chiudi(); }
    bool end_array() { return Chiudi(); }

    bool key(std::string& chiave)
    {
        ValoreJson& oggetto = aperti.back().valore;
        if (std::ranges::find(oggetto.chiavi, chiave) != oggetto.chiavi.end())
            return Ferma(Figlio(aperti.back().percorso, chiave), "la chiave è ripetuta.");
        if (oggetto.chiavi.size() == limiti.chiavi)
            return Ferma(aperti.back().percorso, "ha più di " + std::to_string(limiti.chiavi) + " chiavi.");
        oggetto.chiavi.push_back(std::move(chiave));
        return true;
    }

    bool parse_error(std::size_t posizione, const std::string& /*ultimo*/, const nlohmann::detail::exception& /*e*/)
    {
        byteErrato = posizione;
        dopoLaFine = radice.has_value();
        return false;
    }
    // NOLINTEND(readability-identifier-naming)

    std::optional<ValoreJson> radice;
    std::string errore;        // a limit passed or a key repeated
    std::size_t byteErrato{};  // where the text stops being JSON, counted from 1
    bool dopoLaFine = false;   // there, after the whole document

private:
    struct Aperto {
        ValoreJson valore;
        std::string percorso;
    };

    static std::string Figlio(const std::string& percorso, std::string_view chiave)
    {
        return percorso.empty() ? std::string(chiave) : percorso + "." + std::string(chiave);
    }

    // The path of the value about to be added.
    std::string PercorsoProssimo() const
    {
        if (aperti.empty())
            return {};
        const Aperto& aperto = aperti.back();
        if (aperto.valore.tipo == ValoreJson::Tipo::Lista)
            return aperto.percorso + "[" + std::to_string(aperto.valore.figli.size() + 1) + "]";
        return Figlio(aperto.percorso, aperto.valore.chiavi.back());
    }

    bool Ferma(const std::string& percorso, std::string_view motivo)
    {
        errore = Citato(percorso.empty() ? "documento" : percorso) + ": " + std::string(motivo);
        return false;
    }

    bool Valore(ValoreJson valore)
    {
        if (aperti.empty()) {
            radice = std::move(valore);
            return true;
        }
        ValoreJson& contenitore = aperti.back().valore;
        if (contenitore.tipo == ValoreJson::Tipo::Lista && contenitore.figli.size() == limiti.elementi)
            return Ferma(aperti.back().percorso, "ha più di " + std::to_string(limiti.elementi) + " elementi.");
        contenitore.figli.push_back(std::move(valore));
        return true;
    }

    bool Apri(ValoreJson::Tipo tipo)
    {
        std::string percorso = PercorsoProssimo();
        if (aperti.size() == limiti.livelli)
            return Ferma(percorso, "è annidato troppo in profondità.");
        aperti.push_back({{tipo, {}, {}, {}}, std::move(percorso)});
        return true;
    }

    bool Chiudi()
    {
        ValoreJson chiuso = std::move(aperti.back().valore);
        aperti.pop_back();
        return Valore(std::move(chiuso));
    }

    LimitiJson limiti;
    std::vector<Aperto> aperti;
};

// Line and column of a byte, both from 1; the column counts characters,
// not the bytes that continue one.
std::pair<std::size_t, std::size_t> RigaEColonna(std::string_view testo, std::size_t byte)
{
    const std::string_view prima = testo.substr(0, std::min(byte, testo.size() + 1) - (byte > 0 ? 1 : 0));
    const std::size_t riga = static_cast<std::size_t>(std::ranges::count(prima, '\n')) + 1;
    const std::size_t inizio = prima.rfind('\n') == std::string_view::npos ? 0 : prima.rfind('\n') + 1;
    const std::string_view linea = prima.substr(inizio);
    return {riga, CaratteriUtf8(linea) + 1};
}

[[noreturn]] void NonJson(std::string_view testo, std::size_t byte, std::string_view motivo)
{
    const auto [riga, colonna] = RigaEColonna(testo, byte);
    throw ErrorePiano("non è un documento JSON valido: " + std::string(motivo) + " alla riga " + std::to_string(riga)
                      + ", colonna " + std::to_string(colonna) + ".");
}

}  // namespace

ValoreJson LeggiJson(std::string_view testo, const LimitiJson& limiti)
{
    // The parser takes a NUL byte for the end of the text, and would read
    // what comes before it as if it were all.
    if (const auto nullo = testo.find('\0'); nullo != std::string_view::npos)
        NonJson(testo, nullo + 1, "un byte nullo");
    Costruttore costruttore(limiti);
    if (Json::sax_parse(testo.begin(), testo.end(), &costruttore) && costruttore.radice)
        return std::move(*costruttore.radice);
    if (!costruttore.errore.empty())
        throw ErrorePiano(costruttore.errore);
    NonJson(testo, costruttore.byteErrato,
            costruttore.dopoLaFine ? "altro testo dopo la fine del documento," : "errore");
}

}  // namespace pianoamm

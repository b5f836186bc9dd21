#include "file/file_offerta.h"

#include "engine/cadenza.h"
#include "engine/data.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/numeri.h"
#include "file/file_sicuro.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <array>
#include <cerrno>
#include <cmath>
#include <variant>

namespace pianoamm {

namespace {

using Json = nlohmann::ordered_json;

// A number with no more decimals than the command line takes for it: the
// nearest double to that text, which JSON writes back as the same text;
// whole, an integer. Read as the command line reads it, whatever the
// process's locale: the window's follows the desktop's.
Json Numero(double valore, int decimali)
{
    const double numero = LeggiNumero(FormatoDecimali(valore, decimali, false), decimali).value();
    if (numero == std::trunc(numero))
        return static_cast<long long>(numero);
    return numero;
}

// "AAAA-MM-GG" from "GG/MM/AAAA".
std::string TestoData(const Data& data)
{
    const std::string testo = FormatoData(data);
    return testo.substr(6, 4) + "-" + testo.substr(3, 2) + "-" + testo.substr(0, 2);
}

Json JsonEvento(const Evento& evento)
{
    return std::visit(
        [](const auto& e) -> Json {
            using Tipo = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<Tipo, Estinzione>) {
                return {{"tipo", "estinzione"},
                        {"dopo_rata", e.dopoRata},
                        {"importo", e.importo ? Numero(*e.importo, LimiteRimborso.decimali) : Json("tutto")},
                        {"riduce", VoceDi(Riduzioni, e.riduzione).parola}};
            } else if constexpr (std::is_same_v<Tipo, Variazione>) {
                return {{"tipo", "variazione"}, {"dopo_rata", e.dopoRata}, {"tasso", Numero(e.tassoAnnuo, 4)}};
            } else {
                return {{"tipo", "sospensione"},
                        {"dopo_rata", e.dopoRata},
                        {"rate", e.rate},
                        {"sospende", VoceDi(TipiSospensione, e.tipo).parola}};
            }
        },
        evento);
}

Json JsonDetrazione(const RegoleDetrazione& regole)
{
    Json detrazione = {{"quota", Numero(regole.quota, LimiteQuota.decimali)},
                       {"limite", Numero(regole.limite, LimiteDetraibile.decimali)}};
    const DatiFiscali& fiscali = regole.fiscali;
    if (fiscali.costoAcquisto)
        detrazione["costo_acquisto"] = Numero(*fiscali.costoAcquisto, LimiteCostoAcquisto.decimali);
    if (fiscali.reddito)
        detrazione["reddito"] = Numero(*fiscali.reddito, LimiteReddito.decimali);
    if (fiscali.figli)
        detrazione["figli"] = *fiscali.figli;
    if (fiscali.altriOneri)
        detrazione["altri_oneri"] = Numero(*fiscali.altriOneri, LimiteAltriOneri.decimali);
    if (fiscali.dataContratto)
        detrazione["data_contratto"] = TestoData(*fiscali.dataContratto);
    return detrazione;
}

Json JsonMutuo(const Mutuo& mutuo)
{
    return {{"importo", Numero(mutuo.importo, LimiteImporto.decimali)},
            {"numero_rate", mutuo.numeroRate},
            {"tasso", Numero(mutuo.tassoAnnuo, 4)},
            {"data_erogazione", TestoData(mutuo.erogazione)},
            {"cadenza", DatiDi(mutuo.cadenza).parola}};
}

Json JsonCondizioni(const Condizioni& condizioni)
{
    return {{"arrotondamento", VoceDi(Arrotondamenti, condizioni.arrotondamento).parola},
            {"tasso_periodo", VoceDi(RegoleTassoPeriodo, condizioni.tassoPeriodo).parola},
            {"metodo", VoceDi(Metodi, condizioni.metodo).parola},
            {"preammortamento", condizioni.preammortamento},
            {"maxi_rata", Numero(condizioni.maxiRata, LimiteMaxiRata.decimali)}};
}

// What a name leads to that is no file to read, as the end of a sentence.
std::string Natura(mode_t modo)
{
    if (S_ISDIR(modo))
        return "è una cartella";
    if (S_ISFIFO(modo))
        return "è una pipe con nome";
    if (S_ISSOCK(modo))
        return "è un socket";
    if (S_ISCHR(modo) || S_ISBLK(modo))
        return "è un dispositivo";
    return "non è un file regolare";
}

[[noreturn]] void NonUnFile(const std::string& nome, mode_t modo)
{
    throw ErrorePiano("«" + nome + "» non è un file: " + Natura(modo) + ".");
}

// Opened without waiting, then looked at: a pipe with no one writing, or a
// device, would hold the program, and the window, for as long as it likes.
// Only a regular file is read, and then as usual, waiting for its data.
int ApriFileDaLeggere(const std::string& nome)
{
    struct stat info {};
    const int descrittore = ::open(nome.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descrittore < 0) {
        const int errore = errno;
        // A socket cannot be opened at all.
        if (::stat(nome.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            NonUnFile(nome, info.st_mode);
        throw ErrorePiano("Impossibile aprire il file «" + nome
                          + "»: " + (errore == ENOENT ? "il file non esiste" : MotivoErrore(errore)) + ".");
    }
    const bool regolare = ::fstat(descrittore, &info) == 0 && S_ISREG(info.st_mode);
    const int stato = regolare ? ::fcntl(descrittore, F_GETFL) : -1;
    if (stato >= 0 && ::fcntl(descrittore, F_SETFL, stato & ~O_NONBLOCK) == 0)
        return descrittore;
    const int errore = errno;
    ::close(descrittore);
    if (!regolare && info.st_mode != 0)
        NonUnFile(nome, info.st_mode);
    throw ErrorePiano("Impossibile leggere il file «" + nome + "»: " + MotivoErrore(errore) + ".");
}

}  // namespace

std::string TestoOfferta(const Offerta& offerta)
{
    Json documento = {{"formato", "pianoamm"}, {"versione", VersioneFileOfferta}};
    if (!offerta.nome.empty())
        documento["nome"] = offerta.nome;
    documento["mutuo"] = JsonMutuo(offerta.mutuo);
    documento["condizioni"] = JsonCondizioni(offerta.mutuo.condizioni);
    const Costi& costi = offerta.costi;
    documento["costi"] = {{"spese_iniziali", Numero(costi.speseIniziali, LimiteSpeseIniziali.decimali)},
                          {"imposta_sostitutiva", Numero(costi.impostaSostitutiva, LimiteImposta.decimali)},
                          {"spese_rata", Numero(costi.speseRata, LimiteSpeseRata.decimali)}};
    documento["detrazione"] = JsonDetrazione(offerta.regole);
    documento["penale"] = Numero(offerta.scenario.penale, LimitePenale.decimali);
    documento["eventi"] = Json::array();
    for (const Evento& evento : offerta.scenario.eventi)
        documento["eventi"].push_back(JsonEvento(evento));
    // A name is the user's text: one that is not UTF-8 is mended, not refused.
    return documento.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Offerta LeggiFileOfferta(const std::string& nome)
{
    const int descrittore = ApriFileDaLeggere(nome);
    std::string testo;
    std::array<char, 65536> blocco{};
    for (;;) {
        const ssize_t letti = ::read(descrittore, blocco.data(), blocco.size());
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti < 0) {
            const int errore = errno;
            ::close(descrittore);
            throw ErrorePiano("Impossibile leggere il file «" + nome + "»: " + MotivoErrore(errore) + ".");
        }
        testo.append(blocco.data(), static_cast<std::size_t>(letti));
        if (letti == 0 || testo.size() > DimensioneMassimaFileOfferta)
            break;
    }
    ::close(descrittore);
    if (testo.size() > DimensioneMassimaFileOfferta)
        throw ErrorePiano("Il file «" + nome + "» supera 1 MiB: non è un mutuo salvato da questo programma.");
    try {
        return LeggiTestoOfferta(testo);
    } catch (const ErrorePiano& errore) {
        throw ErrorePiano("Il file «" + nome + "» non si può aprire: " + errore.what());
    }
}

void ScriviFileOfferta(const std::string& nome, const Offerta& offerta)
{
    ScriviFileSicuro(nome, TestoOfferta(offerta));
}

}  // namespace pianoamm

#include "app/lettura_cli.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/numeri.h"
#include "file/file_offerta.h"

#include <algorithm>
#include <tuple>

namespace pianoamm::cli {

namespace {

// Far more than 2.000 lines of a date and a value: a larger file is no
// series of the index, and is not read to its end.
constexpr std::size_t ByteMassimiIndice = std::size_t{1024} * 1024;

// A line "GG/MM/AAAA;valore".
ValoreIndice ValoreDaRiga(std::string_view riga)
{
    const auto separatore = riga.find(';');
    if (separatore == std::string_view::npos || riga.find(';', separatore + 1) != std::string_view::npos)
        throw ErrorePiano(Citato(riga) + " non è nella forma GG/MM/AAAA;valore.");
    return {DataDaTesto(riga.substr(0, separatore)), NumeroNelLimite(riga.substr(separatore + 1), LimiteIndice, true)};
}

}  // namespace

[[noreturn]] void Rifiuta(Opzione opzione, std::string_view motivo)
{
    throw ErrorePiano(std::string(Opzioni[Indice(opzione)].nome) + ": " + std::string(motivo));
}

std::string Citato(std::string_view testo)
{
    return "«" + std::string(testo) + "»";
}

double Numero(Opzione opzione, std::string_view testo, const Limite& limite)
{
    try {
        return NumeroNelLimite(testo, limite, true);
    } catch (const ErrorePiano& errore) {
        Rifiuta(opzione, errore.what());
    }
}

Data DataDi(Opzione opzione, std::string_view testo)
{
    try {
        return DataDaTesto(testo);
    } catch (const ErrorePiano& errore) {
        Rifiuta(opzione, errore.what());
    }
}

std::vector<ValoreIndice> IndiceDaCsv(std::string_view testo)
{
    // A spreadsheet's mark of UTF-8, and its line ends, are no content.
    if (testo.starts_with("\xEF\xBB\xBF"))
        testo.remove_prefix(3);
    if (testo.ends_with('\n'))
        testo.remove_suffix(1);
    if (static_cast<std::size_t>(std::ranges::count(testo, '\n')) >= ValoriIndiceMassimi)
        throw ErrorePiano("ha più di " + FormatoDecimali(ValoriIndiceMassimi, 0, true) + " righe.");
    std::vector<ValoreIndice> serie;
    for (std::size_t numero = 1, inizio = 0; !testo.empty() && inizio <= testo.size(); ++numero) {
        const auto fine = std::min(testo.find('\n', inizio), testo.size());
        std::string_view riga = testo.substr(inizio, fine - inizio);
        inizio = fine + 1;
        if (riga.ends_with('\r'))
            riga.remove_suffix(1);
        // A heading names the columns: no date begins it.
        if (numero == 1 && !riga.empty() && (riga[0] < '0' || riga[0] > '9'))
            continue;
        try {
            const ValoreIndice valore = ValoreDaRiga(riga);
            if (!serie.empty()
                && std::tie(serie.back().data.anno, serie.back().data.mese, serie.back().data.giorno)
                       >= std::tie(valore.data.anno, valore.data.mese, valore.data.giorno)) {
                throw ErrorePiano("il " + FormatoData(valore.data) + " non viene dopo il "
                                  + FormatoData(serie.back().data) + " della riga prima: le date devono crescere.");
            }
            serie.push_back(valore);
        } catch (const ErrorePiano& errore) {
            throw ErrorePiano("alla riga " + std::to_string(numero) + ": " + errore.what());
        }
    }
    if (serie.empty())
        throw ErrorePiano("non ha valori dell'indice.");
    return serie;
}

void SerieIndice(std::string_view nome, Condizioni& condizioni)
{
    const std::string file(nome);
    const std::string testo = LeggiFile(file, ByteMassimiIndice);
    try {
        if (testo.size() > ByteMassimiIndice)
            throw ErrorePiano("supera 1 MiB.");
        auto& variabile = condizioni.tassoVariabile ? *condizioni.tassoVariabile : condizioni.tassoVariabile.emplace();
        variabile.indice = IndiceDaCsv(testo);
    } catch (const ErrorePiano& errore) {
        throw ErrorePiano("il file " + Citato(file) + " " + errore.what());
    }
}

}  // namespace pianoamm::cli

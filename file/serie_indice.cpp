#include "file/serie_indice.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/numeri.h"
#include "file/file_offerta.h"

#include <algorithm>

namespace pianoamm {

namespace {

// Far more than 2.000 lines of a date and a value: a larger file is no
// series of the index, and is not read to its end.
constexpr std::size_t ByteMassimiIndice = std::size_t{1024} * 1024;

// A line quoted in a reason: its start where it is long, so that a
// reason stays a line however long the line.
std::string Citato(std::string_view testo)
{
    return "«" + Taglia(testo, 60) + "»";
}

// A line "GG/MM/AAAA;valore".
ValoreIndice ValoreDaRiga(std::string_view riga)
{
    const auto separatore = riga.find(';');
    if (separatore == std::string_view::npos || riga.find(';', separatore + 1) != std::string_view::npos)
        throw ErrorePiano(Citato(riga) + " non è nella forma GG/MM/AAAA;valore.");
    return ValoreIndiceDa(riga.substr(0, separatore), riga.substr(separatore + 1));
}

}  // namespace

Data DataDaTesto(std::string_view testo)
{
    const auto data = LeggiData(testo);
    if (!data)
        throw ErrorePiano(Citato(testo) + " non è una data valida (GG/MM/AAAA).");
    return *data;
}

ValoreIndice ValoreIndiceDa(std::string_view data, std::string_view valore)
{
    return {DataDaTesto(data), NumeroNelLimite(valore, LimiteIndice, true)};
}

void AggiungiValore(std::vector<ValoreIndice>& serie, const ValoreIndice& valore)
{
    if (!serie.empty() && !Prima(serie.back().data, valore.data)) {
        throw ErrorePiano("il " + FormatoData(valore.data) + " non viene dopo il " + FormatoData(serie.back().data)
                          + " della riga prima: le date devono crescere.");
    }
    serie.push_back(valore);
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
        // A heading names the columns: no date begins it, blanks aside.
        const auto primo = riga.find_first_not_of(" \t");
        if (numero == 1 && primo != std::string_view::npos && (riga[primo] < '0' || riga[primo] > '9'))
            continue;
        try {
            AggiungiValore(serie, ValoreDaRiga(riga));
        } catch (const ErrorePiano& errore) {
            throw ErrorePiano("alla riga " + std::to_string(numero) + ": " + errore.what());
        }
    }
    if (serie.empty())
        throw ErrorePiano("non ha valori dell'indice.");
    return serie;
}

std::vector<ValoreIndice> LeggiFileIndice(const std::string& nome)
{
    return LeggiFileCon(nome, ByteMassimiIndice, IndiceDaCsv);
}

}  // namespace pianoamm

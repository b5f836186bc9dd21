#include "app/file_cli.h"
#include "app/lettura_cli.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "file/esito_verifica.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pianoamm::cli {

// Any argument that is not an option names the loan file.
void LeggiFileMutuo(std::string_view argomento, std::string& file)
{
    if (!file.empty()) {
        throw ErrorePiano("Si può dare un solo file di mutuo: " + Citato(file) + " e " + Citato(argomento)
                          + ". Per confrontarli si usi --confronta.");
    }
    if (argomento.empty())
        throw ErrorePiano("Il nome del file di mutuo è vuoto.");
    file = argomento;
}

// "--confronta A B [C D]": the file names that follow, two to four. Gives
// the index of the last one.
std::size_t LeggiConfronta(std::span<const std::string_view> argomenti, std::size_t i, std::vector<std::string>& file)
{
    constexpr std::string_view Quanti = "--confronta: servono da 2 a 4 file di mutuo da confrontare.";
    if (!file.empty())
        throw ErrorePiano("--confronta: l'opzione è ripetuta.");
    for (; i + 1 < argomenti.size() && !argomenti[i + 1].starts_with("--"); ++i) {
        if (file.size() == 4 || argomenti[i + 1].empty())
            throw ErrorePiano(std::string(Quanti));
        file.emplace_back(argomenti[i + 1]);
    }
    if (file.size() < 2)
        throw ErrorePiano(std::string(Quanti));
    return i;
}

void LeggiNome(const std::optional<std::string_view>& nome, OpzioniCli& opzioni)
{
    if (!nome)
        return;
    if (opzioni.salva.empty())
        Rifiuta(Opzione::Nome, "vale solo con --salva.");
    if (CaratteriUtf8(*nome) > NomeMassimoOfferta) {
        Rifiuta(Opzione::Nome,
                "il nome dell'offerta è più lungo di " + std::to_string(NomeMassimoOfferta) + " caratteri.");
    }
    opzioni.nome = *nome;
}

// The comparison takes the files' loans as they are, and writes its table
// alone, as text or as CSV; the check reads the bank's table, with what the
// borrower knows of the loan and its costs, and writes its report, its
// cells apart and its printout.
void SoloTabella(const Valori& valori, const OpzioniCli& opzioni)
{
    constexpr std::array Verifica{Opzione::Verifica, Opzione::Csv,       Opzione::Pdf,
                                  Opzione::Importo,  Opzione::Tasso,     Opzione::SpeseIniziali,
                                  Opzione::Imposta,  Opzione::SpeseRata, Opzione::TaegDichiarato};
    const bool verifica = valori[Indice(Opzione::Verifica)].has_value();
    const auto rifiuta = [verifica](std::string_view altro) {
        throw ErrorePiano((verifica ? "--verifica" : "--confronta") + (": non si può usare con " + std::string(altro))
                          + ".");
    };
    if (verifica && !opzioni.confronta.empty())
        rifiuta("--confronta");
    if (!opzioni.fileMutuo.empty() && verifica)
        rifiuta("un file di mutuo (" + Citato(opzioni.fileMutuo) + ")");
    if (!opzioni.fileMutuo.empty())
        rifiuta("un altro file di mutuo (" + Citato(opzioni.fileMutuo) + "): lo si aggiunga ai file da confrontare");
    for (std::size_t k = 0; k < valori.size(); ++k) {
        const auto opzione = static_cast<Opzione>(k);
        const bool ammessa =
            verifica ? std::ranges::find(Verifica, opzione) != Verifica.end() : opzione == Opzione::Csv;
        if (valori[k] && !ammessa)
            rifiuta(Opzioni[k].nome);
    }
    for (const auto& [interruttore, nome] :
         {std::pair{opzioni.perAnno, "--per-anno"}, std::pair{opzioni.stampa, "--stampa"},
          std::pair{opzioni.taeg, "--taeg"}, std::pair{opzioni.detrazione, "--detrazione"}}) {
        if (interruttore)
            rifiuta(nome);
    }
}

void LeggiVerifica(const Valori& valori, OpzioniCli& opzioni)
{
    const auto numero = [&valori](Opzione opzione, const Limite& limite) {
        const auto& valore = valori[Indice(opzione)];
        return valore ? std::optional(Numero(opzione, *valore, limite)) : std::nullopt;
    };
    opzioni.noti = {numero(Opzione::Importo, LimiteImporto), numero(Opzione::Tasso, LimiteTassoCli)};
    opzioni.taegDichiarato = numero(Opzione::TaegDichiarato, LimiteTaegDichiarato);
}

}  // namespace pianoamm::cli

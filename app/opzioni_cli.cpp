#include "app/opzioni_cli.h"

#include "engine/errore.h"
#include "engine/numeri.h"

#include <array>
#include <filesystem>
#include <optional>
#include <utility>

namespace pianoamm {

namespace {

constexpr std::array<std::pair<std::string_view, Cadenza>, 6> NomiCadenze{{
    {"mensile", Cadenza::Mensile},
    {"bimestrale", Cadenza::Bimestrale},
    {"trimestrale", Cadenza::Trimestrale},
    {"quadrimestrale", Cadenza::Quadrimestrale},
    {"semestrale", Cadenza::Semestrale},
    {"annuale", Cadenza::Annuale},
}};

enum class Opzione { Importo, NumeroRate, Tasso, Cadenza, Data, Pdf, Csv, Stampante };

constexpr std::array<std::pair<std::string_view, Opzione>, 8> NomiOpzioni{{
    {"--importo", Opzione::Importo},
    {"--numero-rate", Opzione::NumeroRate},
    {"--tasso", Opzione::Tasso},
    {"--cadenza", Opzione::Cadenza},
    {"--data", Opzione::Data},
    {"--pdf", Opzione::Pdf},
    {"--csv", Opzione::Csv},
    {"--stampante", Opzione::Stampante},
}};

bool Facoltativa(Opzione opzione)
{
    return opzione == Opzione::Data || opzione == Opzione::Pdf || opzione == Opzione::Csv
           || opzione == Opzione::Stampante;
}

[[noreturn]] void Rifiuta(std::string_view opzione, std::string_view motivo)
{
    throw ErrorePiano(std::string(opzione) + ": " + std::string(motivo));
}

double Numero(std::string_view opzione, std::string_view testo, int decimali, double minimo, double massimo,
              std::string_view fuoriIntervallo)
{
    const auto valore = LeggiNumero(testo, decimali);
    if (!valore) {
        Rifiuta(opzione, decimali == 0 ? "«" + std::string(testo) + "» non è un numero intero valido."
                                       : "«" + std::string(testo)
                                             + "» non è un numero valido (cifre, con la virgola o il punto "
                                               "prima di al massimo due decimali).");
    }
    if (*valore < minimo || *valore > massimo)
        Rifiuta(opzione, fuoriIntervallo);
    return *valore;
}

// The same name, or two names of one file that exists already.
bool StessoFile(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    const auto normale = [](const std::string& percorso) {
        std::error_code errore;
        auto risultato = std::filesystem::weakly_canonical(std::filesystem::absolute(percorso, errore), errore);
        return errore ? std::filesystem::path() : risultato;
    };
    const auto normaleA = normale(a);
    return !normaleA.empty() && normaleA == normale(b);
}

}  // namespace

std::string_view UsoCli()
{
    return "Uso: pianoamm-cli --importo IMPORTO --numero-rate N --tasso TASSO --cadenza CADENZA "
           "[--data GG/MM/AAAA]\n"
           "                    [--pdf FILE] [--csv FILE] [--stampa | --stampante NOME] [--per-anno]\n"
           "\n"
           "Stampa il piano d'ammortamento a rata fissa (metodo francese).\n"
           "\n"
           "  --importo IMPORTO    importo del finanziamento, da 0 a 999999999\n"
           "  --numero-rate N      numero delle rate, intero da 1 a 999\n"
           "  --tasso TASSO        tasso annuo in percentuale, da 0 a 99\n"
           "  --cadenza CADENZA    mensile, bimestrale, trimestrale, quadrimestrale,\n"
           "                       semestrale o annuale\n"
           "  --data GG/MM/AAAA    data di erogazione (predefinita: oggi)\n"
           "  --pdf FILE           scrive la stampa del piano nel file PDF indicato\n"
           "  --csv FILE           scrive il piano nel file CSV indicato (per i fogli di calcolo)\n"
           "  --stampa             stampa il piano sulla stampante predefinita\n"
           "  --stampante NOME     stampa il piano sulla stampante NOME\n"
           "  --per-anno           mostra gli interessi pagati in ogni anno solare\n"
           "  --help               mostra questo aiuto\n"
           "\n"
           "Con --pdf, --csv, --stampa o --per-anno il piano non viene mostrato.\n"
           "\n"
           "Importo e tasso accettano la virgola o il punto come separatore decimale,\n"
           "con al massimo due decimali e senza separatori delle migliaia.\n"
           "\n"
           "Uscita: 0 se tutto è stato scritto (o la stampa accettata), 1 se un file,\n"
           "lo standard output o la stampa non sono riusciti, 2 se i dati sono rifiutati.\n";
}

OpzioniCli LeggiOpzioniCli(std::span<const std::string_view> argomenti, std::string_view oggi)
{
    std::array<std::optional<std::string_view>, NomiOpzioni.size()> valori;
    OpzioniCli opzioni;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        std::string_view nome = argomenti[i];
        if (nome == "--help" || nome == "-h") {
            OpzioniCli aiuto;
            aiuto.Aiuto = true;
            return aiuto;
        }
        if (nome == "--per-anno" || nome == "--stampa") {
            bool& interruttore = nome == "--stampa" ? opzioni.Stampa : opzioni.PerAnno;
            if (interruttore)
                Rifiuta(nome, "l'opzione è ripetuta.");
            interruttore = true;
            continue;
        }
        std::optional<std::string_view> valore;
        if (const auto uguale = nome.find('='); nome.starts_with("--") && uguale != std::string_view::npos) {
            valore = nome.substr(uguale + 1);
            nome = nome.substr(0, uguale);
        }
        std::size_t indice = 0;
        while (indice < NomiOpzioni.size() && NomiOpzioni[indice].first != nome)
            ++indice;
        if (indice == NomiOpzioni.size())
            throw ErrorePiano("Opzione sconosciuta: «" + std::string(nome)
                              + "». Usare --help per l'elenco delle opzioni.");
        if (valori[indice])
            Rifiuta(nome, "l'opzione è ripetuta.");
        if (!valore) {
            if (i + 1 == argomenti.size())
                Rifiuta(nome, "manca il valore.");
            valore = argomenti[++i];
        }
        valori[indice] = valore;
    }
    for (std::size_t indice = 0; indice < NomiOpzioni.size(); ++indice) {
        if (!valori[indice] && !Facoltativa(NomiOpzioni[indice].second))
            throw ErrorePiano("Manca l'opzione obbligatoria " + std::string(NomiOpzioni[indice].first)
                              + ". Usare --help per l'uso.");
    }
    const auto valoreDi = [&](Opzione opzione) { return *valori[static_cast<std::size_t>(opzione)]; };

    DatiMutuo& dati = opzioni.Dati;
    dati.Importo = Numero("--importo", valoreDi(Opzione::Importo), 2, 0, ImportoMassimo,
                          "l'importo deve essere compreso tra 0 e 999999999.");
    dati.NumeroRate = Numero("--numero-rate", valoreDi(Opzione::NumeroRate), 0, 1, NumeroRateMassimo,
                             "il numero delle rate deve essere compreso tra 1 e 999.");
    dati.TassoAnnuo = Numero("--tasso", valoreDi(Opzione::Tasso), 2, 0, TassoMassimo,
                             "il tasso annuo deve essere compreso tra 0 e 99.");

    const std::string_view cadenza = valoreDi(Opzione::Cadenza);
    std::size_t c = 0;
    while (c < NomiCadenze.size() && NomiCadenze[c].first != cadenza)
        ++c;
    if (c == NomiCadenze.size())
        Rifiuta("--cadenza", "«" + std::string(cadenza)
                                 + "» non è una cadenza valida (mensile, bimestrale, trimestrale, "
                                   "quadrimestrale, semestrale, annuale).");
    dati.cadenza = NomiCadenze[c].second;

    const auto& data = valori[static_cast<std::size_t>(Opzione::Data)];
    dati.DataErogazione = std::string(data ? *data : oggi);
    if (!LeggiData(dati.DataErogazione))
        Rifiuta("--data", "«" + dati.DataErogazione + "» non è una data valida (GG/MM/AAAA).");

    for (const auto& [opzione, destinazione] :
         {std::pair{Opzione::Pdf, &opzioni.Pdf}, std::pair{Opzione::Csv, &opzioni.Csv},
          std::pair{Opzione::Stampante, &opzioni.Stampante}}) {
        if (const auto& valore = valori[static_cast<std::size_t>(opzione)]) {
            if (valore->empty()) {
                Rifiuta(NomiOpzioni[static_cast<std::size_t>(opzione)].first,
                        opzione == Opzione::Stampante ? "manca il nome della stampante." : "manca il nome del file.");
            }
            *destinazione = std::string(*valore);
        }
    }
    if (!opzioni.Stampante.empty())
        opzioni.Stampa = true;
    if (!opzioni.Pdf.empty() && StessoFile(opzioni.Pdf, opzioni.Csv))
        Rifiuta("--csv", "«" + opzioni.Csv + "» è anche il file di --pdf: uno cancellerebbe l'altro.");
    return opzioni;
}

}  // namespace pianoamm

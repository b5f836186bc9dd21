#include "app/opzioni_cli.h"

#include "engine/cadenza.h"
#include "engine/errore.h"
#include "engine/limiti.h"
#include "engine/numeri.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iterator>
#include <optional>

namespace pianoamm {

namespace {

// The options that take a value; Opzioni lists them in this order.
enum class Opzione {
    Importo,
    NumeroRate,
    Tasso,
    Cadenza,
    Data,
    Pdf,
    Csv,
    Stampante,
    SpeseIniziali,
    Imposta,
    SpeseRata,
    Quota,
    Limite,
    Penale,
    Estinzione,
    Variazione
};

struct DatiOpzione {
    std::string_view nome;
    bool obbligatoria;
    bool ripetibile = false;
};

constexpr std::array<DatiOpzione, 16> Opzioni{{
    {"--importo", true},
    {"--numero-rate", true},
    {"--tasso", true},
    {"--cadenza", true},
    {"--data", false},
    {"--pdf", false},
    {"--csv", false},
    {"--stampante", false},
    {"--spese-iniziali", false},
    {"--imposta-sostitutiva", false},
    {"--spese-rata", false},
    {"--quota", false},
    {"--limite", false},
    {"--penale", false},
    {"--estinzione", false, true},
    {"--variazione", false, true},
}};

constexpr std::size_t Indice(Opzione opzione)
{
    return static_cast<std::size_t>(opzione);
}

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
    const auto valore = LeggiNumero(testo, limite.decimali);
    if (!valore) {
        Rifiuta(opzione, Citato(testo)
                             + (limite.decimali == 0 ? " non è un numero intero valido."
                                                     : " non è un numero valido (cifre, con la virgola o il punto "
                                                       "prima di al massimo due decimali)."));
    }
    if (*valore < limite.minimo || *valore > limite.massimo)
        Rifiuta(opzione, FuoriLimite(limite));
    return *valore;
}

// "N:..." after an event's option: the row, and what follows the colon.
std::pair<int, std::string_view> DopoRata(Opzione opzione, std::string_view testo, std::string_view forma)
{
    const auto duepunti = testo.find(':');
    const auto rata = LeggiNumero(testo.substr(0, duepunti), 0);
    if (duepunti == std::string_view::npos || !rata || *rata > LimiteNumeroRate.massimo)
        Rifiuta(opzione, Citato(testo) + " non è nella forma " + std::string(forma) + ".");
    return {static_cast<int>(*rata), testo.substr(duepunti + 1)};
}

Estinzione LeggiEstinzione(std::string_view testo)
{
    constexpr std::string_view Forma = "N:IMPORTO o N:tutto, seguita da :rata o :durata se si vuole";
    auto [rata, resto] = DopoRata(Opzione::Estinzione, testo, Forma);
    Estinzione estinzione{rata, std::nullopt, Riduzione::Rata};
    if (const auto duepunti = resto.find(':'); duepunti != std::string_view::npos) {
        const std::string_view modo = resto.substr(duepunti + 1);
        if (modo != "rata" && modo != "durata")
            Rifiuta(Opzione::Estinzione, Citato(testo) + " non è nella forma " + std::string(Forma) + ".");
        estinzione.riduzione = modo == "durata" ? Riduzione::Durata : Riduzione::Rata;
        resto = resto.substr(0, duepunti);
    }
    if (resto != "tutto")
        estinzione.importo = Numero(Opzione::Estinzione, resto, LimiteImporto);
    return estinzione;
}

Variazione LeggiVariazione(std::string_view testo)
{
    const auto [rata, tasso] = DopoRata(Opzione::Variazione, testo, "N:TASSO");
    return {rata, Numero(Opzione::Variazione, tasso, LimiteTasso)};
}

// The frequencies' words, separated by ", ", the last one by ultimo.
std::string ParoleCadenze(std::string_view ultimo)
{
    std::string elenco;
    for (const auto& cadenza : Cadenze) {
        if (!elenco.empty())
            elenco += &cadenza == &Cadenze.back() ? ultimo : ", ";
        elenco += cadenza.parola;
    }
    return elenco;
}

std::string Intervallo(const Limite& limite)
{
    return "da " + std::to_string(static_cast<long long>(limite.minimo)) + " a "
           + std::to_string(static_cast<long long>(limite.massimo));
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

std::string UsoCli()
{
    // The descriptions start at this column; the frequencies' words go on
    // to a second line rather than past the 80th.
    constexpr std::size_t Rientro = 23;
    std::string cadenze = ParoleCadenze(" o ");
    if (Rientro + cadenze.size() > 79)
        cadenze.replace(cadenze.rfind(", ", 79 - Rientro), 2, ",\n" + std::string(Rientro, ' '));
    return "Uso: pianoamm-cli --importo IMPORTO --numero-rate N --tasso TASSO --cadenza CADENZA "
           "[--data GG/MM/AAAA]\n"
           "                    [--pdf FILE] [--csv FILE] [--stampa | --stampante NOME] [--per-anno]\n"
           "                    [--taeg] [--detrazione [--quota P] [--limite X]]\n"
           "                    [--spese-iniziali X] [--imposta-sostitutiva P] [--spese-rata X]\n"
           "                    [--estinzione N:IMPORTO[:rata|:durata]]... [--penale P]\n"
           "                    [--variazione N:TASSO]...\n"
           "\n"
           "Stampa il piano d'ammortamento a rata fissa (metodo francese).\n"
           "\n"
           "  --importo IMPORTO    importo del finanziamento, "
           + Intervallo(LimiteImporto) + "\n  --numero-rate N      numero delle rate, intero "
           + Intervallo(LimiteNumeroRate) + "\n  --tasso TASSO        tasso annuo in percentuale, "
           + Intervallo(LimiteTasso) + "\n  --cadenza CADENZA    " + cadenze
           + "\n"
             "  --data GG/MM/AAAA    data di erogazione (predefinita: oggi)\n"
             "  --pdf FILE           scrive la stampa del piano nel file PDF indicato\n"
             "  --csv FILE           scrive il piano nel file CSV indicato (per i fogli di calcolo)\n"
             "  --stampa             stampa il piano sulla stampante predefinita\n"
             "  --stampante NOME     stampa il piano sulla stampante NOME\n"
             "  --per-anno           mostra gli interessi pagati in ogni anno solare\n"
             "  --taeg               mostra TAN, TAEG, costo totale del credito e importo dovuto\n"
             "  --detrazione         mostra, per ogni anno solare, la detrazione del 19% degli\n"
             "                       interessi e degli oneri accessori (mutuo per l'abitazione\n"
             "                       principale); con --csv la scrive nel file al posto del piano\n"
             "  --quota P            quota del mutuo a proprio carico, in percentuale (100)\n"
             "  --limite X           limite annuo detraibile (4000; 2582,28 per la costruzione)\n"
             "  --spese-iniziali X   spese pagate all'erogazione (istruttoria, perizia, ...)\n"
             "  --imposta-sostitutiva P\n"
             "                       imposta sostitutiva in percentuale dell'importo (0,25 o 2)\n"
             "  --spese-rata X       spese pagate con ogni rata (incasso rata)\n"
             "  --estinzione N:IMPORTO[:rata|:durata]\n"
             "                       rimborso anticipato di IMPORTO (o tutto) dopo la rata N;\n"
             "                       poi la rata si riduce (rata, predefinito) o la durata\n"
             "  --penale P           penale sui rimborsi anticipati, in percentuale (0)\n"
             "  --variazione N:TASSO dalla rata N+1 il tasso annuo è TASSO\n"
             "  --help               mostra questo aiuto\n"
             "  --version            mostra la versione\n"
             "\n"
             "Con --pdf, --csv, --stampa, --per-anno, --taeg o --detrazione il piano non viene\n"
             "mostrato. --taeg, --detrazione e --per-anno si possono unire: escono in\n"
             "quest'ordine, separati da una riga vuota. Con --estinzione o --variazione\n"
             "(ripetibili) il piano, i file e --per-anno sono quelli simulati.\n"
             "\n"
             "Importi e percentuali accettano la virgola o il punto come separatore decimale,\n"
             "con al massimo due decimali e senza separatori delle migliaia.\n"
             "\n"
             "Uscita: 0 se tutto è stato scritto (o la stampa accettata), 1 se un file,\n"
             "lo standard output o la stampa non sono riusciti, 2 se i dati sono rifiutati.\n";
}

OpzioniCli LeggiOpzioniCli(std::span<const std::string_view> argomenti, const Data& oggi)
{
    std::array<std::optional<std::string_view>, Opzioni.size()> valori;
    OpzioniCli opzioni;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        std::string_view nome = argomenti[i];
        if (nome == "--help" || nome == "-h" || nome == "--version") {
            OpzioniCli aiuto;
            (nome == "--version" ? aiuto.versione : aiuto.aiuto) = true;
            return aiuto;
        }
        std::optional<std::string_view> valore;
        if (const auto uguale = nome.find('='); nome.starts_with("--") && uguale != std::string_view::npos) {
            valore = nome.substr(uguale + 1);
            nome = nome.substr(0, uguale);
        }
        const std::pair<std::string_view, bool*> interruttori[] = {{"--per-anno", &opzioni.perAnno},
                                                                   {"--stampa", &opzioni.stampa},
                                                                   {"--taeg", &opzioni.taeg},
                                                                   {"--detrazione", &opzioni.detrazione}};
        if (const auto* interruttore =
                std::ranges::find(interruttori, nome, &std::pair<std::string_view, bool*>::first);
            interruttore != std::end(interruttori)) {
            if (valore || *interruttore->second)
                throw ErrorePiano(std::string(nome)
                                  + (valore ? ": l'opzione non prende un valore." : ": l'opzione è ripetuta."));
            *interruttore->second = true;
            continue;
        }
        const auto trovata = std::ranges::find(Opzioni, nome, &DatiOpzione::nome);
        if (trovata == Opzioni.end())
            throw ErrorePiano("Opzione sconosciuta: " + Citato(nome) + ". Usare --help per l'elenco delle opzioni.");
        const auto opzione = static_cast<Opzione>(trovata - Opzioni.begin());
        if (valori[Indice(opzione)] && !Opzioni[Indice(opzione)].ripetibile)
            Rifiuta(opzione, "l'opzione è ripetuta.");
        if (!valore) {
            if (i + 1 == argomenti.size())
                Rifiuta(opzione, "manca il valore.");
            valore = argomenti[++i];
        }
        valori[Indice(opzione)] = valore;
        if (opzione == Opzione::Estinzione)
            opzioni.scenario.estinzioni.push_back(LeggiEstinzione(*valore));
        else if (opzione == Opzione::Variazione)
            opzioni.scenario.variazioni.push_back(LeggiVariazione(*valore));
    }
    for (std::size_t k = 0; k < Opzioni.size(); ++k) {
        if (Opzioni[k].obbligatoria && !valori[k])
            throw ErrorePiano("Manca l'opzione obbligatoria " + std::string(Opzioni[k].nome)
                              + ". Usare --help per l'uso.");
    }
    const auto numero = [&valori](Opzione opzione, const Limite& limite) {
        return Numero(opzione, *valori[Indice(opzione)], limite);
    };
    Mutuo& mutuo = opzioni.mutuo;
    mutuo.importo = numero(Opzione::Importo, LimiteImporto);
    mutuo.numeroRate = static_cast<int>(numero(Opzione::NumeroRate, LimiteNumeroRate));
    mutuo.tassoAnnuo = numero(Opzione::Tasso, LimiteTasso);

    const std::string_view parola = *valori[Indice(Opzione::Cadenza)];
    const auto cadenza = std::ranges::find(Cadenze, parola, &DatiCadenza::parola);
    if (cadenza == Cadenze.end())
        Rifiuta(Opzione::Cadenza, Citato(parola) + " non è una cadenza valida (" + ParoleCadenze(", ") + ").");
    mutuo.cadenza = cadenza->cadenza;

    mutuo.erogazione = oggi;
    if (const auto& testo = valori[Indice(Opzione::Data)]) {
        const auto data = LeggiData(*testo);
        if (!data)
            Rifiuta(Opzione::Data, Citato(*testo) + " non è una data valida (GG/MM/AAAA).");
        mutuo.erogazione = *data;
    }

    for (const auto& [opzione, destinazione] :
         {std::pair{Opzione::Pdf, &opzioni.pdf}, std::pair{Opzione::Csv, &opzioni.csv},
          std::pair{Opzione::Stampante, &opzioni.stampante}}) {
        if (const auto& valore = valori[Indice(opzione)]) {
            if (valore->empty())
                Rifiuta(opzione,
                        opzione == Opzione::Stampante ? "manca il nome della stampante." : "manca il nome del file.");
            *destinazione = std::string(*valore);
        }
    }
    // Values no output would use are refused rather than ignored.
    const auto facoltativo = [&](Opzione opzione, const Limite& limite, bool usata, std::string_view serve,
                                 double& destinazione) {
        if (const auto& valore = valori[Indice(opzione)]) {
            if (!usata)
                Rifiuta(opzione, "vale solo con " + std::string(serve) + ".");
            destinazione = Numero(opzione, *valore, limite);
        }
    };
    const bool costi = opzioni.taeg || opzioni.detrazione;
    facoltativo(Opzione::SpeseIniziali, LimiteSpeseIniziali, costi, "--taeg o --detrazione",
                opzioni.costi.speseIniziali);
    facoltativo(Opzione::Imposta, LimiteImposta, costi, "--taeg o --detrazione", opzioni.costi.impostaSostitutiva);
    facoltativo(Opzione::SpeseRata, LimiteSpeseRata, costi, "--taeg o --detrazione", opzioni.costi.speseRata);
    facoltativo(Opzione::Quota, LimiteQuota, opzioni.detrazione, "--detrazione", opzioni.regole.quota);
    facoltativo(Opzione::Limite, LimiteDetraibile, opzioni.detrazione, "--detrazione", opzioni.regole.limite);
    facoltativo(Opzione::Penale, LimitePenale, !opzioni.scenario.estinzioni.empty(), "--estinzione",
                opzioni.scenario.penale);

    opzioni.stampa = opzioni.stampa || !opzioni.stampante.empty();
    if (!opzioni.pdf.empty() && StessoFile(opzioni.pdf, opzioni.csv))
        Rifiuta(Opzione::Csv, Citato(opzioni.csv) + " è anche il file di --pdf: uno cancellerebbe l'altro.");
    return opzioni;
}

}  // namespace pianoamm

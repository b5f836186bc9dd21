#include "app/opzioni_cli.h"
#include "app/cambio_cli.h"
#include "app/condizioni_cli.h"
#include "app/file_cli.h"
#include "app/incognita_cli.h"
#include "app/lettura_cli.h"
#include "app/tabella_opzioni.h"

#include "engine/cadenza.h"
#include "engine/errore.h"
#include "engine/limiti.h"
#include "engine/numeri.h"
#include "engine/rialzo.h"
#include "file/file_offerta.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <tuple>

namespace pianoamm {

namespace {

using namespace cli;

// "N:..." after an event's option: the row, and what follows the colon.
std::pair<int, std::string_view> DopoRata(Opzione opzione, std::string_view testo, std::string_view forma)
{
    const auto duepunti = testo.find(':');
    const auto rata = LeggiNumero(testo.substr(0, duepunti), 0);
    if (duepunti == std::string_view::npos || !rata || *rata > LimiteNumeroRate.massimo)
        Rifiuta(opzione, Citato(testo) + " non è nella forma " + std::string(forma) + ".");
    return {static_cast<int>(*rata), testo.substr(duepunti + 1)};
}

// "VALORE[:PAROLA]" after an event's row: the value, and the table's value
// of the word (the first one when none is given).
template <class Valore, std::size_t N>
std::pair<std::string_view, Valore> Modo(Opzione opzione, std::string_view testo, std::string_view resto,
                                         const std::array<Voce<Valore>, N>& voci, std::string_view forma)
{
    const auto duepunti = resto.find(':');
    if (duepunti == std::string_view::npos)
        return {resto, voci.front().valore};
    const auto* voce = VoceDaParola(voci, resto.substr(duepunti + 1));
    if (voce == nullptr)
        Rifiuta(opzione, Citato(testo) + " non è nella forma " + std::string(forma) + ".");
    return {resto.substr(0, duepunti), voce->valore};
}

Estinzione LeggiEstinzione(std::string_view testo)
{
    const std::string forma = "N:IMPORTO o N:tutto, seguita da :" + Parole(Riduzioni, " o :") + " se si vuole";
    const auto [rata, resto] = DopoRata(Opzione::Estinzione, testo, forma);
    const auto [importo, riduzione] = Modo(Opzione::Estinzione, testo, resto, Riduzioni, forma);
    return {rata,
            importo == "tutto" ? std::nullopt : std::optional(Numero(Opzione::Estinzione, importo, LimiteRimborso)),
            riduzione};
}

Variazione LeggiVariazione(std::string_view testo)
{
    const auto [rata, tasso] = DopoRata(Opzione::Variazione, testo, "N:TASSO");
    return {rata, Numero(Opzione::Variazione, tasso, LimiteTasso)};
}

Sospensione LeggiSospensione(std::string_view testo)
{
    const std::string forma = "N:K, seguita da :" + Parole(TipiSospensione, " o :") + " se si vuole";
    const auto [rata, resto] = DopoRata(Opzione::Sospensione, testo, forma);
    const auto [numero, tipo] = Modo(Opzione::Sospensione, testo, resto, TipiSospensione, forma);
    return {rata, static_cast<int>(Numero(Opzione::Sospensione, numero, LimiteRateSospese)), tipo};
}

// Each event's option and how its value reads.
constexpr std::pair<Opzione, Evento (*)(std::string_view)> Eventi[] = {
    {Opzione::Estinzione, [](std::string_view testo) { return Evento(LeggiEstinzione(testo)); }},
    {Opzione::Variazione, [](std::string_view testo) { return Evento(LeggiVariazione(testo)); }},
    {Opzione::Sospensione, [](std::string_view testo) { return Evento(LeggiSospensione(testo)); }},
};

// A switch, or an option with its value ("--nome=valore" or the next
// argument). Gives the index of the last argument read.
std::size_t LeggiArgomento(std::span<const std::string_view> argomenti, std::size_t i, OpzioniCli& opzioni,
                           Valori& valori)
{
    std::string_view nome = argomenti[i];
    std::optional<std::string_view> valore;
    if (const auto uguale = nome.find('='); nome.starts_with("--") && uguale != std::string_view::npos) {
        valore = nome.substr(uguale + 1);
        nome = nome.substr(0, uguale);
    }
    const std::pair<std::string_view, bool*> interruttori[] = {{"--per-anno", &opzioni.perAnno},
                                                               {"--stampa", &opzioni.stampa},
                                                               {"--taeg", &opzioni.taeg},
                                                               {"--detrazione", &opzioni.detrazione}};
    if (const auto* interruttore = std::ranges::find(interruttori, nome, &std::pair<std::string_view, bool*>::first);
        interruttore != std::end(interruttori)) {
        if (valore || *interruttore->second)
            throw ErrorePiano(std::string(nome)
                              + (valore ? ": l'opzione non prende un valore." : ": l'opzione è ripetuta."));
        *interruttore->second = true;
        return i;
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
    if (const auto* evento =
            std::ranges::find(Eventi, opzione, &std::pair<Opzione, Evento (*)(std::string_view)>::first);
        evento != std::end(Eventi))
        opzioni.scenario.eventi.push_back(evento->second(*valore));
    return i;
}

// The loan as given, else as the file has it.
Mutuo LeggiMutuo(const Valori& valori, const Offerta& base, bool file, std::optional<Incognita>& incognita)
{
    // A file gives every value of the loan.
    const auto dato = [&valori, file](Opzione opzione) { return file || valori[Indice(opzione)].has_value(); };
    incognita = LeggiIncognita(valori[Indice(Opzione::Rata)].has_value(), valori[Indice(Opzione::Trova)],
                               {dato(Opzione::Tasso), dato(Opzione::NumeroRate), dato(Opzione::Importo)});
    // Each unknown's word is its option's name.
    const auto incognito = [&incognita](Opzione opzione) {
        return incognita && Opzioni[Indice(opzione)].nome.substr(2) == VoceDi(Incognite, *incognita).parola;
    };
    for (std::size_t k = 0; k < Opzioni.size(); ++k) {
        if (Opzioni[k].obbligatoria && !dato(static_cast<Opzione>(k)) && !incognito(static_cast<Opzione>(k)))
            throw ErrorePiano("Manca l'opzione obbligatoria " + std::string(Opzioni[k].nome)
                              + ". Usare --help per l'uso.");
    }
    // The value --trova replaces, if given, must still be one.
    const auto numero = [&](Opzione opzione, const Limite& limite, double altrimenti) {
        const auto& testo = valori[Indice(opzione)];
        const double valore = testo ? Numero(opzione, *testo, limite) : altrimenti;
        return incognito(opzione) ? altrimenti : valore;
    };
    Mutuo mutuo = base.mutuo;
    mutuo.importo = numero(Opzione::Importo, LimiteImporto, mutuo.importo);
    mutuo.numeroRate = static_cast<int>(numero(Opzione::NumeroRate, LimiteNumeroRate, mutuo.numeroRate));
    mutuo.tassoAnnuo = numero(Opzione::Tasso, LimiteTassoCli, mutuo.tassoAnnuo);

    if (const auto& parola = valori[Indice(Opzione::Cadenza)]) {
        const auto* cadenza = VoceDaParola(Cadenze, *parola);
        if (cadenza == nullptr)
            Rifiuta(Opzione::Cadenza, Citato(*parola) + " non è una cadenza valida (" + Parole(Cadenze, ", ") + ").");
        mutuo.cadenza = cadenza->valore;
    }
    mutuo.condizioni = LeggiCondizioni(valori, base.mutuo.condizioni);
    if (const auto& testo = valori[Indice(Opzione::Data)])
        mutuo.erogazione = DataDi(Opzione::Data, *testo);
    if (incognita)
        mutuo = Risolvi(mutuo, Numero(Opzione::Rata, *valori[Indice(Opzione::Rata)], LimiteRata), *incognita);
    return mutuo;
}

// The outputs' names, and the values that only some outputs use: those no
// output would use are refused rather than ignored.
void LeggiUscite(const Valori& valori, OpzioniCli& opzioni)
{
    for (const auto& [opzione, destinazione] :
         {std::pair{Opzione::Pdf, &opzioni.pdf}, std::pair{Opzione::Csv, &opzioni.csv},
          std::pair{Opzione::Salva, &opzioni.salva}, std::pair{Opzione::Stampante, &opzioni.stampante},
          std::pair{Opzione::Verifica, &opzioni.verifica}}) {
        if (const auto& valore = valori[Indice(opzione)]) {
            if (valore->empty())
                Rifiuta(opzione,
                        opzione == Opzione::Stampante ? "manca il nome della stampante." : "manca il nome del file.");
            *destinazione = std::string(*valore);
        }
    }
    const auto facoltativo = [&](Opzione opzione, const Limite& limite, bool usata, std::string_view serve,
                                 double& destinazione) {
        if (const auto& valore = valori[Indice(opzione)]) {
            if (!usata)
                Rifiuta(opzione, "vale solo con " + std::string(serve) + ".");
            destinazione = Numero(opzione, *valore, limite);
        }
    };
    // A saved file keeps them too.
    const bool salva = !opzioni.salva.empty();
    const bool verifica = !opzioni.verifica.empty();
    const bool costi = opzioni.taeg || opzioni.detrazione || salva || valori[Indice(Opzione::TaegDichiarato)];
    const std::string_view servono = verifica ? "--taeg-dichiarato" : "--taeg, --detrazione o --salva";
    facoltativo(Opzione::SpeseIniziali, LimiteSpeseIniziali, costi, servono, opzioni.costi.speseIniziali);
    facoltativo(Opzione::Imposta, LimiteImposta, costi, servono, opzioni.costi.impostaSostitutiva);
    facoltativo(Opzione::SpeseRata, LimiteSpeseRata, costi, servono, opzioni.costi.speseRata);
    const bool regole = opzioni.detrazione || salva;
    facoltativo(Opzione::Quota, LimiteQuota, regole, "--detrazione o --salva", opzioni.regole.quota);
    facoltativo(Opzione::Limite, LimiteDetraibile, regole, "--detrazione o --salva", opzioni.regole.limite);
    const bool estinzioni =
        valori[Indice(Opzione::EstinguiIl)] || std::ranges::any_of(opzioni.scenario.eventi, [](const Evento& evento) {
            return std::holds_alternative<Estinzione>(evento);
        });
    facoltativo(Opzione::Penale, LimitePenale, estinzioni, "--estinzione o --estingui-il", opzioni.scenario.penale);
    opzioni.stampa = opzioni.stampa || !opzioni.stampante.empty();
    if (const auto& rialzo = valori[Indice(Opzione::Rialzo)]) {
        if (!opzioni.mutuo.condizioni.tassoVariabile)
            Rifiuta(Opzione::Rialzo, "vale solo con un tasso variabile (--indice).");
        // Its figures go under the listing on the screen, or among the costs.
        if (!opzioni.taeg && !MostraListato(opzioni))
            Rifiuta(Opzione::Rialzo, "vale solo con il piano mostrato o con --taeg.");
        opzioni.rialzo = Numero(Opzione::Rialzo, *rialzo, LimiteRialzo);
    }
}

// The borrower's figures for the law's later rules, with --detrazione or
// --salva only.
void LeggiFiscali(const Valori& valori, OpzioniCli& opzioni)
{
    const auto dato = [&](Opzione opzione) {
        const auto& valore = valori[Indice(opzione)];
        if (valore && !opzioni.detrazione && opzioni.salva.empty())
            Rifiuta(opzione, "vale solo con --detrazione o --salva.");
        return valore;
    };
    const auto cifra = [&](Opzione opzione, const Limite& limite) -> std::optional<double> {
        const auto valore = dato(opzione);
        return valore ? std::optional(Numero(opzione, *valore, limite)) : std::nullopt;
    };
    DatiFiscali& fiscali = opzioni.regole.fiscali;
    for (const auto& [opzione, limite, destinazione] :
         {std::tuple{Opzione::CostoAcquisto, LimiteCostoAcquisto, &fiscali.costoAcquisto},
          std::tuple{Opzione::Reddito, LimiteReddito, &fiscali.reddito},
          std::tuple{Opzione::AltriOneri, LimiteAltriOneri, &fiscali.altriOneri}}) {
        if (const auto valore = cifra(opzione, limite))
            *destinazione = valore;
    }
    if (const auto figli = cifra(Opzione::Figli, LimiteFigli))
        fiscali.figli = static_cast<int>(*figli);
    if (const auto data = dato(Opzione::DataContratto))
        fiscali.dataContratto = DataDi(Opzione::DataContratto, *data);
}

}  // namespace

OpzioniCli LeggiOpzioniCli(std::span<const std::string_view> argomenti, const Data& oggi)
{
    Valori valori;
    OpzioniCli opzioni;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        // Help answers from where it stands: an earlier argument may be
        // refused, or take it as its value.
        if (argomenti[i] == "--help" || argomenti[i] == "-h" || argomenti[i] == "--version") {
            OpzioniCli aiuto;
            (argomenti[i] == "--version" ? aiuto.versione : aiuto.aiuto) = true;
            return aiuto;
        }
        if (argomenti[i] == "--confronta")
            i = LeggiConfronta(argomenti, i, opzioni.confronta);
        else if (!argomenti[i].starts_with("--"))
            LeggiFileMutuo(argomenti[i], opzioni.fileMutuo);
        else
            i = LeggiArgomento(argomenti, i, opzioni, valori);
    }
    if (!opzioni.confronta.empty() || valori[Indice(Opzione::Verifica)]) {
        SoloTabella(valori, opzioni);
        LeggiUscite(valori, opzioni);
        LeggiVerifica(valori, opzioni);
        return opzioni;
    }
    if (valori[Indice(Opzione::TaegDichiarato)])
        Rifiuta(Opzione::TaegDichiarato, "vale solo con --verifica.");
    Offerta base;
    base.mutuo.erogazione = oggi;
    if (!opzioni.fileMutuo.empty())
        base = LeggiFileOfferta(opzioni.fileMutuo);
    opzioni.nome = base.nome;
    opzioni.costi = base.costi;
    opzioni.regole = base.regole;
    opzioni.scenario.penale = base.scenario.penale;
    opzioni.scenario.eventi.insert(opzioni.scenario.eventi.begin(), base.scenario.eventi.begin(),
                                   base.scenario.eventi.end());
    opzioni.mutuo = LeggiMutuo(valori, base, !opzioni.fileMutuo.empty(), opzioni.incognita);
    LeggiUscite(valori, opzioni);
    LeggiFiscali(valori, opzioni);
    LeggiCambio(valori, opzioni);
    LeggiNome(valori[Indice(Opzione::Nome)], opzioni);
    return opzioni;
}

Offerta OffertaDi(const OpzioniCli& opzioni)
{
    return {opzioni.nome, opzioni.mutuo, opzioni.costi, opzioni.regole, opzioni.scenario};
}

}  // namespace pianoamm

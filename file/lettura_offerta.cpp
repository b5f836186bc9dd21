// The loan file's reader: each key checked against what this version
// writes, each value against the limits the command line and the window
// enforce, with their messages.

#include "engine/cadenza.h"
#include "engine/errore.h"
#include "engine/formato.h"
#include "engine/numeri.h"
#include "file/campi_offerta.h"
#include "file/file_offerta.h"
#include "file/json_rigoroso.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace pianoamm {

namespace {

using namespace campi;

// The root object, the lists of events inside it, an event.
constexpr LimitiJson Limiti{3, EventiMassimiFileOfferta, 16};
constexpr Limite LimiteTassoFile{LimiteTasso.minimo, LimiteTasso.massimo, 4, LimiteTasso.oggetto};
constexpr Limite LimiteDopoRata{1, 999, 0, "la rata dopo cui cade l'evento"};

// Another program's JSON, or a newer version's file, is told apart before
// its keys are judged.
void ControllaFormato(const Oggetto& documento)
{
    if (TestoDi(documento.Obbligatoria("formato"), "formato") != "pianoamm")
        Rifiuta("formato", "non è un mutuo salvato da questo programma.");
    const ValoreJson& versione = documento.Obbligatoria("versione");
    const auto numero = versione.tipo == ValoreJson::Tipo::Numero ? LeggiNumero(versione.testo, 0) : std::nullopt;
    if (!numero || *numero < 1)
        Rifiuta("versione", "deve essere un numero intero da 1 in su.");
    if (*numero > VersioneFileOfferta) {
        Rifiuta("versione", "il file è stato creato da una versione più recente del programma; questa legge fino "
                            "alla versione "
                                + std::to_string(VersioneFileOfferta) + ".");
    }
}

Mutuo LeggiMutuo(const Oggetto& documento)
{
    const Oggetto dati(documento.Obbligatoria("mutuo"), "mutuo");
    dati.Ammesse({"importo", "numero_rate", "tasso", "data_erogazione", "cadenza"});
    Mutuo mutuo;
    mutuo.importo = dati.Numero("importo", LimiteImporto);
    mutuo.numeroRate = static_cast<int>(dati.Numero("numero_rate", LimiteNumeroRate));
    mutuo.tassoAnnuo = dati.Numero("tasso", LimiteTassoFile);
    mutuo.erogazione = DataDi(dati.Obbligatoria("data_erogazione"), dati.Percorso("data_erogazione"));
    const std::string& parola = TestoDi(dati.Obbligatoria("cadenza"), dati.Percorso("cadenza"));
    const auto* cadenza = VoceDaParola(Cadenze, parola);
    if (cadenza == nullptr)
        Rifiuta(dati.Percorso("cadenza"), "«" + parola + "» non è una cadenza valida.");
    mutuo.cadenza = cadenza->valore;
    return mutuo;
}

Condizioni LeggiCondizioni(const ValoreJson& valore)
{
    const Oggetto dati(valore, "condizioni");
    dati.Ammesse({"arrotondamento", "tasso_periodo", "metodo", "preammortamento", "maxi_rata"});
    Condizioni condizioni;
    condizioni.arrotondamento = dati.Scelta("arrotondamento", Arrotondamenti);
    condizioni.tassoPeriodo = dati.Scelta("tasso_periodo", RegoleTassoPeriodo);
    condizioni.metodo = dati.Scelta("metodo", Metodi);
    condizioni.preammortamento = static_cast<int>(dati.Numero("preammortamento", LimitePreammortamento, 0));
    condizioni.maxiRata = dati.Numero("maxi_rata", LimiteMaxiRata, 0);
    return condizioni;
}

Costi LeggiCosti(const ValoreJson& valore)
{
    const Oggetto dati(valore, "costi");
    dati.Ammesse({"spese_iniziali", "imposta_sostitutiva", "spese_rata"});
    return {dati.Numero("spese_iniziali", LimiteSpeseIniziali, 0), dati.Numero("imposta_sostitutiva", LimiteImposta, 0),
            dati.Numero("spese_rata", LimiteSpeseRata, 0)};
}

RegoleDetrazione LeggiRegole(const ValoreJson& valore)
{
    const Oggetto dati(valore, "detrazione");
    dati.Ammesse({"quota", "limite", "costo_acquisto", "reddito", "figli", "altri_oneri", "data_contratto"});
    RegoleDetrazione regole;
    regole.quota = dati.Numero("quota", LimiteQuota, regole.quota);
    regole.limite = dati.Numero("limite", LimiteDetraibile, regole.limite);
    DatiFiscali& fiscali = regole.fiscali;
    fiscali.costoAcquisto = dati.Facoltativo("costo_acquisto", LimiteCostoAcquisto);
    fiscali.reddito = dati.Facoltativo("reddito", LimiteReddito);
    if (const auto figli = dati.Facoltativo("figli", LimiteFigli))
        fiscali.figli = static_cast<int>(*figli);
    fiscali.altriOneri = dati.Facoltativo("altri_oneri", LimiteAltriOneri);
    if (const ValoreJson* data = dati.Cerca("data_contratto"))
        fiscali.dataContratto = DataDi(*data, dati.Percorso("data_contratto"));
    return regole;
}

Evento LeggiEvento(const ValoreJson& valore, const std::string& percorso)
{
    const Oggetto dati(valore, percorso);
    const int dopoRata = static_cast<int>(dati.Numero("dopo_rata", LimiteDopoRata));
    const std::string& tipo = TestoDi(dati.Obbligatoria("tipo"), dati.Percorso("tipo"));
    if (tipo == "estinzione") {
        dati.Ammesse({"tipo", "dopo_rata", "importo", "riduce"});
        const ValoreJson& importo = dati.Obbligatoria("importo");
        const bool tutto = importo.tipo == ValoreJson::Tipo::Testo && importo.testo == "tutto";
        return Estinzione{
            dopoRata, tutto ? std::nullopt : std::optional(NumeroDi(importo, dati.Percorso("importo"), LimiteRimborso)),
            dati.Scelta("riduce", Riduzioni)};
    }
    if (tipo == "variazione") {
        dati.Ammesse({"tipo", "dopo_rata", "tasso"});
        return Variazione{dopoRata, dati.Numero("tasso", LimiteTassoFile)};
    }
    if (tipo == "sospensione") {
        dati.Ammesse({"tipo", "dopo_rata", "rate", "sospende"});
        return Sospensione{dopoRata, static_cast<int>(dati.Numero("rate", LimiteRateSospese)),
                           dati.Scelta("sospende", TipiSospensione)};
    }
    Rifiuta(dati.Percorso("tipo"), "«" + tipo + "» non è un evento valido (estinzione, variazione, sospensione).");
}

Scenario LeggiScenario(const Oggetto& documento)
{
    Scenario scenario;
    scenario.penale = documento.Numero("penale", LimitePenale, 0);
    if (const ValoreJson* eventi = documento.Cerca("eventi")) {
        Tipo(*eventi, "eventi", ValoreJson::Tipo::Lista, "una lista tra quadre");
        for (std::size_t i = 0; i < eventi->figli.size(); ++i)
            scenario.eventi.push_back(LeggiEvento(eventi->figli[i], "eventi[" + std::to_string(i + 1) + "]"));
    }
    return scenario;
}

}  // namespace

Offerta LeggiTestoOfferta(std::string_view testo)
{
    const ValoreJson radice = LeggiJson(testo, Limiti);
    const Oggetto documento(radice, "");
    ControllaFormato(documento);
    documento.Ammesse(
        {"formato", "versione", "nome", "mutuo", "condizioni", "costi", "detrazione", "penale", "eventi"});
    Offerta offerta;
    if (const ValoreJson* nome = documento.Cerca("nome")) {
        offerta.nome = TestoDi(*nome, "nome");
        if (CaratteriUtf8(offerta.nome) > NomeMassimoOfferta)
            Rifiuta("nome", "è più lungo di " + std::to_string(NomeMassimoOfferta) + " caratteri.");
    }
    offerta.mutuo = LeggiMutuo(documento);
    if (const ValoreJson* condizioni = documento.Cerca("condizioni"))
        offerta.mutuo.condizioni = LeggiCondizioni(*condizioni);
    if (const ValoreJson* costi = documento.Cerca("costi"))
        offerta.costi = LeggiCosti(*costi);
    if (const ValoreJson* regole = documento.Cerca("detrazione"))
        offerta.regole = LeggiRegole(*regole);
    offerta.scenario = LeggiScenario(documento);
    // A plan its terms or events cannot carry is still the user's data: the
    // file opens, and whoever computes the plan says why it cannot.
    return offerta;
}

}  // namespace pianoamm

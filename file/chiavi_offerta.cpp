// The loan file's keys, each spelled once: the rows the writer and the
// reader both go through, an object's or an event kind's in a table of
// their own.

#include "engine/cadenza.h"
#include "engine/numeri.h"
#include "file/file_offerta.h"
#include "file/json_rigoroso.h"
#include "file/schema.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <variant>

namespace pianoamm {

namespace {

using namespace campi;

constexpr std::string_view ChiaveFormato = "formato";
constexpr std::string_view Formato = "pianoamm";
constexpr std::string_view ChiaveVersione = "versione";
constexpr std::string_view ChiaveTipo = "tipo";
constexpr std::string_view Tutto = "tutto";

// The root object, the lists of events and of the index's values inside
// it, an event or a value.
constexpr LimitiJson Limiti{3, std::max(EventiMassimiFileOfferta, ValoriIndiceMassimi), 16};
constexpr Limite LimiteTassoFile{LimiteTasso.minimo, LimiteTasso.massimo, 4, LimiteTasso.oggetto};
constexpr Limite LimiteDopoRata{1, 999, 0, "la rata dopo cui cade l'evento"};

// An early repayment's amount, or all of the debt left.
struct ImportoOTutto {
    Json Scrivi(const std::optional<double>& importo, int& versione) const
    {
        return importo ? Numero{LimiteRimborso}.Scrivi(*importo, versione) : Json(Tutto);
    }
    std::optional<double> Leggi(const ValoreJson& valore, const std::string& percorso, int /*versione*/) const
    {
        if (valore.tipo == ValoreJson::Tipo::Testo && valore.testo == Tutto)
            return std::nullopt;
        return NumeroDi(valore, percorso, LimiteRimborso);
    }
};

template <class Tipo>
Campo<Tipo> DopoRata()
{
    return Riga<Tipo>("dopo_rata", &Tipo::dopoRata, Numero{LimiteDopoRata}, Presenza::Obbligatoria);
}

// An event kind: its word under "tipo", and its keys.
template <class Tipo>
struct TipoEvento {
    using Struttura = Tipo;
    std::string_view parola;
    Campi<Tipo> campi;
};

// In the order of the kinds in Evento.
const std::tuple<TipoEvento<Estinzione>, TipoEvento<Variazione>, TipoEvento<Sospensione>> TipiEvento{
    {"estinzione",
     {DopoRata<Estinzione>(),
      Riga<Estinzione>("importo", &Estinzione::importo, ImportoOTutto{}, Presenza::Obbligatoria),
      Riga<Estinzione>("riduce", &Estinzione::riduzione, Scelta{Riduzioni})}},
    {"variazione",
     {DopoRata<Variazione>(),
      Riga<Variazione>("tasso", &Variazione::tassoAnnuo, Numero{LimiteTassoFile}, Presenza::Obbligatoria)}},
    {"sospensione",
     {DopoRata<Sospensione>(),
      Riga<Sospensione>("rate", &Sospensione::rate, Numero{LimiteRateSospese}, Presenza::Obbligatoria),
      Riga<Sospensione>("sospende", &Sospensione::tipo, Scelta{TipiSospensione})}},
};

Evento LeggiEvento(const ValoreJson& valore, const std::string& percorso, int versione)
{
    const Oggetto dati(valore, percorso);
    const std::string& tipo = TestoDi(dati.Obbligatoria(ChiaveTipo), dati.Percorso(ChiaveTipo));
    std::optional<Evento> evento;
    std::string parole;
    const auto prova = [&](const auto& genere) {
        if (!evento && genere.parola == tipo) {
            typename std::decay_t<decltype(genere)>::Struttura letto;
            LeggiCampi(genere.campi, dati, versione, letto, {ChiaveTipo});
            evento = letto;
        }
        parole += (parole.empty() ? "" : ", ") + std::string(genere.parola);
    };
    std::apply([&](const auto&... generi) { (prova(generi), ...); }, TipiEvento);
    if (!evento)
        Rifiuta(dati.Percorso(ChiaveTipo), "«" + tipo + "» non è un evento valido (" + parole + ").");
    return *evento;
}

// The events in a list, each an object under its kind's word.
struct ListaEventi {
    Json Scrivi(const std::vector<Evento>& eventi, int& versione) const
    {
        Json lista = Json::array();
        for (const Evento& evento : eventi) {
            lista.push_back(std::visit(
                [&versione](const auto& e) {
                    const auto& genere = std::get<TipoEvento<std::decay_t<decltype(e)>>>(TipiEvento);
                    return ScriviCampi(genere.campi, e, versione, {{std::string(ChiaveTipo), genere.parola}});
                },
                evento));
        }
        return lista;
    }
    std::vector<Evento> Leggi(const ValoreJson& valore, const std::string& percorso, int versione) const
    {
        Tipo(valore, percorso, ValoreJson::Tipo::Lista, "una lista tra quadre");
        if (valore.figli.size() > EventiMassimiFileOfferta)
            Rifiuta(percorso, "ha più di " + std::to_string(EventiMassimiFileOfferta) + " elementi.");
        std::vector<Evento> eventi;
        for (std::size_t i = 0; i < valore.figli.size(); ++i)
            eventi.push_back(LeggiEvento(valore.figli[i], percorso + "[" + std::to_string(i + 1) + "]", versione));
        return eventi;
    }
};

const Campi<Mutuo> CampiMutuo{
    Riga<Mutuo>("importo", &Mutuo::importo, Numero{LimiteImporto}, Presenza::Obbligatoria),
    Riga<Mutuo>("numero_rate", &Mutuo::numeroRate, Numero{LimiteNumeroRate}, Presenza::Obbligatoria),
    Riga<Mutuo>("tasso", &Mutuo::tassoAnnuo, Numero{LimiteTassoFile}, Presenza::Obbligatoria),
    Riga<Mutuo>("data_erogazione", &Mutuo::erogazione, Giorno{}, Presenza::Obbligatoria),
    Riga<Mutuo>("cadenza", &Mutuo::cadenza, Scelta{Cadenze, "una cadenza valida"}, Presenza::Obbligatoria),
};

const Campi<TassoVariabile> CampiTassoVariabile{
    Riga<TassoVariabile>("spread", &TassoVariabile::spread, Numero{LimiteSpread}),
    Riga<TassoVariabile>("revisione", &TassoVariabile::revisione, Numero{LimiteRevisione}),
    Riga<TassoVariabile>("arrotonda_indice", &TassoVariabile::arrotondamento, Numero{LimitePassoIndice}),
    Riga<TassoVariabile>("tasso_minimo", &TassoVariabile::minimo, Numero{LimiteTassoMinimo}),
    Riga<TassoVariabile>("tasso_massimo", &TassoVariabile::massimo, Numero{LimiteTassoMassimo}),
    Riga<TassoVariabile>("ricalcolo", &TassoVariabile::ricalcolo, Scelta{Ricalcoli}),
    Riga<TassoVariabile>("durata_massima", &TassoVariabile::durataMassima, Numero{LimiteDurataMassima}),
};

const Campi<ValoreIndice> CampiValoreIndice{
    Riga<ValoreIndice>("data", &ValoreIndice::data, Giorno{}, Presenza::Obbligatoria),
    Riga<ValoreIndice>("valore", &ValoreIndice::valore, Numero{LimiteIndice}, Presenza::Obbligatoria),
};

// The series of the variable rate's index, a list of dated values beside
// the terms: inside them, it would be nested deeper than an older release
// reads, which could not then say the file is newer.
struct SerieIndice {
    Json Scrivi(const std::optional<TassoVariabile>& tasso, int& versione) const
    {
        Json lista = Json::array();
        for (const ValoreIndice& valore : tasso->indice)
            lista.push_back(ScriviCampi(CampiValoreIndice, valore, versione));
        return lista;
    }
    void LeggiIn(const ValoreJson& valore, const std::string& percorso, int versione,
                 std::optional<TassoVariabile>& tasso) const
    {
        if (!tasso)
            Rifiuta(percorso, "vale solo con «condizioni.tasso_variabile».");
        Tipo(valore, percorso, ValoreJson::Tipo::Lista, "una lista tra quadre");
        for (std::size_t i = 0; i < valore.figli.size(); ++i) {
            const std::string dove = percorso + "[" + std::to_string(i + 1) + "]";
            LeggiCampi(CampiValoreIndice, Oggetto(valore.figli[i], dove), versione, tasso->indice.emplace_back());
        }
    }
};

const Campi<Condizioni> CampiCondizioni{
    Riga<Condizioni>("arrotondamento", &Condizioni::arrotondamento, Scelta{Arrotondamenti}),
    Riga<Condizioni>("tasso_periodo", &Condizioni::tassoPeriodo, Scelta{RegoleTassoPeriodo}),
    Riga<Condizioni>("metodo", &Condizioni::metodo, Scelta{Metodi}),
    Riga<Condizioni>("preammortamento", &Condizioni::preammortamento, Numero{LimitePreammortamento}),
    Riga<Condizioni>("maxi_rata", &Condizioni::maxiRata, Numero{LimiteMaxiRata}),
    Riga<Condizioni>("prima_scadenza", &Condizioni::primaScadenza, Giorno{}, Presenza::Facoltativa, 2),
    Riga<Condizioni>("base_giorni", &Condizioni::baseGiorni, Scelta{BasiGiorni}, Presenza::Facoltativa, 2),
    Riga<Condizioni>("interessi_giorni", &Condizioni::interessiGiorni, Scelta{BasiGiorni}, Presenza::Facoltativa, 5),
    Riga<Condizioni>("tasso_variabile", &Condizioni::tassoVariabile, Gruppo<TassoVariabile>{CampiTassoVariabile},
                     Presenza::Facoltativa, 3),
};

const Campi<Costi> CampiCosti{
    Riga<Costi>("spese_iniziali", &Costi::speseIniziali, Numero{LimiteSpeseIniziali}),
    Riga<Costi>("imposta_sostitutiva", &Costi::impostaSostitutiva, Numero{LimiteImposta}),
    Riga<Costi>("spese_rata", &Costi::speseRata, Numero{LimiteSpeseRata}),
};

constexpr auto Fiscali(auto membro)
{
    return In{&RegoleDetrazione::fiscali, membro};
}

const Campi<RegoleDetrazione> CampiDetrazione{
    Riga<RegoleDetrazione>("quota", &RegoleDetrazione::quota, Numero{LimiteQuota}),
    Riga<RegoleDetrazione>("limite", &RegoleDetrazione::limite, Numero{LimiteDetraibile}),
    Riga<RegoleDetrazione>("costo_acquisto", Fiscali(&DatiFiscali::costoAcquisto), Numero{LimiteCostoAcquisto}),
    Riga<RegoleDetrazione>("reddito", Fiscali(&DatiFiscali::reddito), Numero{LimiteReddito}),
    Riga<RegoleDetrazione>("figli", Fiscali(&DatiFiscali::figli), Numero{LimiteFigli}),
    Riga<RegoleDetrazione>("altri_oneri", Fiscali(&DatiFiscali::altriOneri), Numero{LimiteAltriOneri}),
    Riga<RegoleDetrazione>("data_contratto", Fiscali(&DatiFiscali::dataContratto), Giorno{}),
    Riga<RegoleDetrazione>("debito_sostituito", &RegoleDetrazione::debitoSostituito, Numero{LimiteDebitoSostituito},
                           Presenza::Facoltativa, 4),
};

// An object left out holds the defaults, as a key left out does.
const Campi<Offerta> CampiOfferta{
    Riga<Offerta>("nome", &Offerta::nome, Testo{NomeMassimoOfferta}),
    Riga<Offerta>("mutuo", &Offerta::mutuo, Gruppo<Mutuo>{CampiMutuo}, Presenza::Obbligatoria),
    Riga<Offerta>("condizioni", In{&Offerta::mutuo, &Mutuo::condizioni}, Gruppo<Condizioni>{CampiCondizioni}),
    Riga<Offerta>("indice", In{In{&Offerta::mutuo, &Mutuo::condizioni}, &Condizioni::tassoVariabile}, SerieIndice{},
                  Presenza::Facoltativa, 3),
    Riga<Offerta>("costi", &Offerta::costi, Gruppo<Costi>{CampiCosti}),
    Riga<Offerta>("detrazione", &Offerta::regole, Gruppo<RegoleDetrazione>{CampiDetrazione}),
    Riga<Offerta>("penale", In{&Offerta::scenario, &Scenario::penale}, Numero{LimitePenale}),
    Riga<Offerta>("eventi", In{&Offerta::scenario, &Scenario::eventi}, ListaEventi{}),
};

// The newest version a table's rows bring.
template <class Struttura>
int Recente(const Campi<Struttura>& campi)
{
    return std::ranges::max(campi, {}, &Campo<Struttura>::dal).dal;
}

// The newest version this program reads, and writes when a file needs it:
// the newest any row above brings (a new table is one more argument here),
// so that a key of a new version is its row alone.
int VersioneRecente()
{
    return std::apply(
        [](const auto&... generi) {
            return std::max({Recente(CampiOfferta), Recente(CampiMutuo), Recente(CampiCondizioni),
                             Recente(CampiTassoVariabile), Recente(CampiValoreIndice), Recente(CampiCosti),
                             Recente(CampiDetrazione), Recente(generi.campi)...});
        },
        TipiEvento);
}

// Another program's JSON, or a newer version's file, is told apart before
// its keys are judged. The file's version.
int VersioneDi(const Oggetto& documento)
{
    if (TestoDi(documento.Obbligatoria(ChiaveFormato), std::string(ChiaveFormato)) != Formato)
        Rifiuta(std::string(ChiaveFormato), "non è un mutuo salvato da questo programma.");
    const std::string chiave(ChiaveVersione);
    const ValoreJson& versione = documento.Obbligatoria(ChiaveVersione);
    const auto numero = versione.tipo == ValoreJson::Tipo::Numero ? LeggiNumero(versione.testo, 0) : std::nullopt;
    if (!numero || *numero < 1)
        Rifiuta(chiave, "deve essere un numero intero da 1 in su.");
    if (const int recente = VersioneRecente(); *numero > recente) {
        Rifiuta(chiave, "il file è stato creato da una versione più recente del programma; questa legge fino "
                        "alla versione "
                            + std::to_string(recente) + ".");
    }
    return static_cast<int>(*numero);
}

}  // namespace

std::string TestoOfferta(const Offerta& offerta)
{
    int versione = 1;
    Json documento = ScriviCampi(CampiOfferta, offerta, versione,
                                 {{std::string(ChiaveFormato), Formato}, {std::string(ChiaveVersione), 1}});
    documento[std::string(ChiaveVersione)] = versione;
    // A name is the user's text: one that is not UTF-8 is mended, not refused.
    return documento.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Offerta LeggiTestoOfferta(std::string_view testo)
{
    const ValoreJson radice = LeggiJson(testo, Limiti);
    const Oggetto documento(radice, "");
    const int versione = VersioneDi(documento);
    Offerta offerta;
    LeggiCampi(CampiOfferta, documento, versione, offerta, {ChiaveFormato, ChiaveVersione});
    // A plan its terms or events cannot carry is still the user's data: the
    // file opens, and whoever computes the plan says why it cannot.
    return offerta;
}

}  // namespace pianoamm

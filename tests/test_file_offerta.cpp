// The loan file: written and read back with the same outputs, a hostile or mistaken file refused with the key at fault,
// and nothing half read.

#include "app/opzioni_cli.h"
#include "engine/costi.h"
#include "engine/detrazione.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "engine/listato.h"
#include "file/file_offerta.h"
#include "file/file_sicuro.h"
#include "file/schema.h"
#include "tests/rifiuto.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <tuple>

using namespace pianoamm;

namespace {

const std::string Esempio = PIANOAMM_DATI "/../../docs/esempio.pianoamm";

// The process in the locale its environment names, as the window's is: the locale runs put it in one whose decimal mark
// is a comma, which must change nothing; one they name that cannot be had fails them.
class LocaleDellAmbiente : public ::testing::Environment {
public:
    void SetUp() override
    {
        const char* nome = std::getenv("LC_ALL");
        ASSERT_TRUE(std::setlocale(LC_ALL, "") != nullptr || nome == nullptr) << "LC_ALL=" << nome;
    }
};
[[maybe_unused]] ::testing::Environment* const Ambiente = ::testing::AddGlobalTestEnvironment(new LocaleDellAmbiente);

std::string Leggi(const std::string& nome)
{
    std::ifstream file(nome, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// A folder of the test's own: the same tests may run at once under another locale.
std::string Cartella()
{
    std::string cartella = ::testing::TempDir() + "file_offerta.XXXXXX";
    return ::mkdtemp(cartella.data()) != nullptr ? cartella : throw std::runtime_error("mkdtemp: " + cartella);
}

// The message refusing a text, or "" for a text taken.
std::string Rifiuto(const std::string& testo)
{
    return MotivoDi([&testo] { return LeggiTestoOfferta(testo); });
}

// A valid document with its loan's keys as given.
std::string Documento(const std::string& mutuo, const std::string& resto = "", int versione = 1)
{
    return R"({"formato": "pianoamm", "versione": )" + std::to_string(versione) + R"(, "mutuo": {)" + mutuo + "}"
           + resto + "}";
}

const std::string Mutuo =
    R"("importo": 10000, "numero_rate": 12, "tasso": 5, "data_erogazione": "2026-03-31", "cadenza": "mensile")";

// Every term, cost, fiscal figure and kind of event, none at its default: what tests/dati/offerta_v1.pianoamm, written
// by the first release, holds.
Offerta OffertaCompleta()
{
    Offerta offerta;
    offerta.nome = "Banca «Città» ; \"prima\"";
    offerta.mutuo = {123456.78, 120, 3.1234, {2026, 1, 31}, Cadenza::Mensile, {}};
    offerta.mutuo.condizioni = {Arrotondamento::Centesimi, TassoPeriodo::Equivalente, Metodo::Francese, 20000.5, 6};
    offerta.costi = {1500.5, 0.25, 2.75};
    offerta.regole = {50, 2582.28, {150000.01, 42000, 2, 350.5, Data{2025, 12, 1}}};
    offerta.scenario = {{Estinzione{24, 10000.25, Riduzione::Durata}, Variazione{36, 4.0001},
                         Sospensione{48, 6, TipoSospensione::Rata}, Estinzione{100, std::nullopt, Riduzione::Rata}},
                        1.5};
    return offerta;
}

// The file read back gives every output as the loan it was written from.
TEST(FileOfferta, RilettoDaGliStessiRisultati)
{
    const Offerta offerta = OffertaCompleta();
    const Offerta riletta = LeggiTestoOfferta(TestoOfferta(offerta));
    const auto uscite = [](const Offerta& o) {
        const Piano piano = PianoAmm(o.mutuo);
        const Simulazione simulazione = Simula(piano, o.scenario);
        return ComponiListato(simulazione).Testo() + EsportaCsv(simulazione)
               + TestoCostoCredito(CostoDelCredito(piano, o.costi))
               + TabellaDetrazione(DetrazionePerAnno(piano, o.costi, o.regole));
    };
    EXPECT_EQ(uscite(riletta), uscite(offerta));
    EXPECT_EQ(riletta.nome, offerta.nome);
    EXPECT_EQ(riletta.regole.fiscali, offerta.regole.fiscali);
    EXPECT_EQ(TestoOfferta(riletta), TestoOfferta(offerta));
}

// The command line saves the file's loan with what it was given besides.
TEST(FileOfferta, RigaDiComandoSalvaIlMutuoDato)
{
    const std::vector<std::string_view> argomenti{Esempio,   "--tasso",    "3,1",    "--estinzione", "100:5000:durata",
                                                  "--salva", "b.pianoamm", "--nome", "Banca «B»"};
    const Offerta salvata = LeggiTestoOfferta(TestoOfferta(OffertaDi(LeggiOpzioniCli(argomenti, {2026, 2, 1}))));
    EXPECT_EQ(std::tuple(salvata.nome, salvata.mutuo.tassoAnnuo, salvata.mutuo.importo, salvata.costi.speseIniziali),
              std::tuple("Banca «B»", 3.1, 200000.0, 1500.0));
    ASSERT_EQ(salvata.scenario.eventi.size(), 3U);
    EXPECT_EQ(Descrizione(salvata.scenario.eventi[2]), "Estinzione di 5.000,00 dopo la rata 100, riduce la durata");
}

// A file of the first release, every key written, defaults too, opens unchanged in meaning, and is written back without
// the defaults (Francese, a repayment that lowers the installment) in the same version.
TEST(FileOfferta, FileDellaPrimaVersione)
{
    const Offerta completa = LeggiFileOfferta(PIANOAMM_DATI "/offerta_v1.pianoamm");
    EXPECT_EQ(completa, OffertaCompleta());
    const std::string testo = TestoOfferta(completa);
    EXPECT_NE(testo.find("\"versione\": 1,"), std::string::npos);
    EXPECT_EQ(testo.find("metodo"), std::string::npos);
    EXPECT_EQ(testo.find("\"riduce\": \"rata\""), std::string::npos);
    const Offerta esempio = LeggiFileOfferta(Esempio);
    EXPECT_EQ(esempio.nome, "Banca Esempio");
    EXPECT_EQ(esempio.scenario.eventi.size(), 2U);
    EXPECT_EQ(LeggiTestoOfferta(TestoOfferta(esempio)), esempio);
    // Nothing but the loan: the defaults are all left out.
    Offerta solo;
    solo.mutuo = completa.mutuo;
    solo.mutuo.condizioni = {};
    EXPECT_EQ(TestoOfferta(solo), Leggi(PIANOAMM_DATI "/offerta_minima.pianoamm"));
}

// A file is written with the lowest version that holds its data: the first due date and the year's base came with
// version 2, the variable rate and its index's series with version 3, a substitution's debt paid off with version 4,
// each row's interest on its actual days with version 5.
TEST(FileOfferta, VersioneMinimaCheTieneIDati)
{
    Offerta offerta;
    offerta.mutuo = {150000, 300, 3.5, Data{2026, 3, 15}, Cadenza::Mensile, {}};
    EXPECT_NE(TestoOfferta(offerta).find("\"versione\": 1,"), std::string::npos);
    offerta.mutuo.condizioni.primaScadenza = Data{2026, 4, 30};
    offerta.mutuo.condizioni.baseGiorni = BaseGiorni::Commerciale;
    const std::string testo = TestoOfferta(offerta);
    for (const char* atteso : {"\"versione\": 2,", R"("prima_scadenza": "2026-04-30")", R"("base_giorni": "360")"})
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso;
    EXPECT_EQ(LeggiTestoOfferta(testo), offerta);
    std::string vecchio = testo;
    vecchio.replace(vecchio.find("\"versione\": 2"), 13, "\"versione\": 1");
    EXPECT_EQ(Rifiuto(vecchio),
              "«condizioni.prima_scadenza»: chiave della versione 2 del formato, in un file della versione 1.");
    offerta.mutuo.condizioni.tassoVariabile = TassoVariabile{
        {{Data{2026, 3, 1}, 2.125}, {Data{2026, 9, 1}, -0.4}}, 1.5, 6, 0.05, 1, 6.5, Ricalcolo::Durata, 400};
    const std::string variabile = TestoOfferta(offerta);
    for (const char* atteso : {"\"versione\": 3,", R"("valore": -0.4)", R"("ricalcolo": "durata")"})
        EXPECT_NE(variabile.find(atteso), std::string::npos) << atteso;
    EXPECT_EQ(LeggiTestoOfferta(variabile), offerta);
    vecchio = variabile;
    vecchio.replace(vecchio.find("\"versione\": 3"), 13, "\"versione\": 2");
    EXPECT_EQ(Rifiuto(vecchio), "«indice»: chiave della versione 3 del formato, in un file della versione 2.");
    offerta.regole.debitoSostituito = 143879.52;
    const std::string sostituito = TestoOfferta(offerta);
    for (const char* atteso : {"\"versione\": 4,", R"("debito_sostituito": 143879.52)"})
        EXPECT_NE(sostituito.find(atteso), std::string::npos) << atteso;
    EXPECT_EQ(LeggiTestoOfferta(sostituito), offerta);
    vecchio = sostituito;
    vecchio.replace(vecchio.find("\"versione\": 4"), 13, "\"versione\": 3");
    EXPECT_EQ(Rifiuto(vecchio),
              "«detrazione.debito_sostituito»: chiave della versione 4 del formato, in un file della versione 3.");
    offerta.mutuo.condizioni.interessiGiorni = BaseGiorni::Commerciale;
    const std::string giorni = TestoOfferta(offerta);
    EXPECT_NE(giorni.find("\"versione\": 5,"), std::string::npos);
    EXPECT_NE(giorni.find(R"("interessi_giorni": "360")"), std::string::npos);
    EXPECT_EQ(LeggiTestoOfferta(giorni), offerta);
    vecchio = giorni;
    vecchio.replace(vecchio.find("\"versione\": 5"), 13, "\"versione\": 4");
    EXPECT_EQ(Rifiuto(vecchio),
              "«condizioni.interessi_giorni»: chiave della versione 5 del formato, in un file della versione 4.");
}

// Each mistake with its message: «the key at fault» where there is one.
TEST(FileOfferta, RifiutaDicendoPerche)
{
    const std::pair<std::string, std::string> casi[] = {
        {"{\"formato\": \"pianoamm\",\n  \"versione\": 1,,}",
         "non è un documento JSON valido: errore alla riga 2, colonna 17."},
        {"{\"nome\":\"città\",x}", "riga 1, colonna 17."},
        {"{\"nome\": \"\xff\"}", "non è un documento JSON valido"},
        {"", "non è un documento JSON valido: errore alla riga 1, colonna 1."},
        {R"({"formato": "altro", "versione": 1})", "«formato»: non è un mutuo salvato da questo programma."},
        {R"({"versione": 1})", "«formato»: manca, ed è obbligatoria."},
        {R"({"formato": "pianoamm", "versione": 6, "futuro": 1})",
         "«versione»: il file è stato creato da una versione più recente"},
        {R"({"formato": "pianoamm", "versione": 1.5})", "«versione»: deve essere un numero intero da 1 in su."},
        {R"([1, 2])", "«documento»: deve essere un oggetto tra graffe."},
        {Documento(Mutuo, R"(, "colore": "blu")"), "«colore»: chiave sconosciuta."},
        {Documento(Mutuo + R"(, "importo": 5)"), "«mutuo.importo»: la chiave è ripetuta."},
        {Documento(R"("importo": 10000, "numero_rate": 12)"), "«mutuo.tasso»: manca, ed è obbligatoria."},
        {Documento(
             R"("importo": 1000000000, "numero_rate": 12, "tasso": 5, "data_erogazione": "2026-03-31", "cadenza": "mensile")"),
         "«mutuo.importo»: L'importo del finanziamento deve essere compreso tra 0 e 999.999.999."},
        {Documento(R"("importo": 100.123, "numero_rate": 12)"),
         "«mutuo.importo»: «100.123» non è un numero valido (cifre, con il punto prima di al massimo due decimali)."},
        {Documento(R"("importo": 2e5)"), "«mutuo.importo»: «2e5» non è un numero valido"},
        {Documento(R"("importo": -5)"), "«mutuo.importo»: «-5» non è un numero valido"},
        {Documento(R"("importo": 1e400)"), "non è un documento JSON valido"},
        {Documento(R"("importo": 10000, "numero_rate": "12")"), "«mutuo.numero_rate»: deve essere un numero."},
        {Documento(R"("importo": 10000, "numero_rate": 12.5)"),
         "«mutuo.numero_rate»: «12.5» non è un numero intero valido."},
        {Documento(R"("importo": 10000, "numero_rate": 12, "tasso": 5.12345)"),
         "«mutuo.tasso»: «5.12345» non è un numero valido (cifre, con il punto prima di al massimo quattro decimali)."},
        {Documento(R"("importo": 10000, "numero_rate": 12, "tasso": 5, "data_erogazione": "2026-02-29")"),
         "«mutuo.data_erogazione»: «2026-02-29» non è una data valida (AAAA-MM-GG)."},
        {Documento(R"("importo": 10000, "numero_rate": 12, "tasso": 5, "data_erogazione": "31/03/2026")"),
         "non è una data valida"},
        {Documento(
             R"("importo": 1, "numero_rate": 12, "tasso": 5, "data_erogazione": "2026-03-31", "cadenza": "ogni tanto")"),
         "«mutuo.cadenza»: «ogni tanto» non è una cadenza valida."},
        {Documento(Mutuo, R"(, "condizioni": {"metodo": "tedesco"})"),
         "«condizioni.metodo»: «tedesco» non è un valore valido (francese, italiano)."},
        {Documento(Mutuo, R"(, "costi": {"spese_rata": 1000000000})"),
         "«costi.spese_rata»: L'importo delle spese per rata deve"},
        {Documento(Mutuo, R"(, "detrazione": {"figli": 4})"),
         "«detrazione.figli»: Il numero dei figli a carico deve essere compreso tra 0 e 3."},
        {Documento(Mutuo, R"(, "detrazione": {"debito_sostituito": 0})", 4),
         "«detrazione.debito_sostituito»: Il debito estinto con le spese deve essere compreso tra 0,01 e"},
        {Documento(Mutuo, R"(, "eventi": {})"), "«eventi»: deve essere una lista tra quadre."},
        {Documento(Mutuo, R"(, "indice": [])", 3), "«indice»: vale solo con «condizioni.tasso_variabile»."},
        {Documento(Mutuo, R"(, "condizioni": {"tasso_variabile": {"ricalcolo": "mai"}})", 3),
         "«condizioni.tasso_variabile.ricalcolo»: «mai» non è un valore valido (rata, quote, durata)."},
        {Documento(Mutuo, R"(, "condizioni": {"tasso_variabile": {}}, "indice": [{"data": "2026-01-01"}])", 3),
         "«indice[1].valore»: manca, ed è obbligatoria."},
        {Documento(Mutuo,
                   R"(, "condizioni": {"tasso_variabile": {}}, "indice": [{"data": "2026-01-01", "valore": -20.5}])",
                   3),
         "«indice[1].valore»: Il valore dell'indice deve essere compreso tra -20 e 50."},
        {Documento(
             Mutuo,
             R"(, "eventi": [{"tipo": "variazione", "dopo_rata": 2, "tasso": 6}, {"tipo": "rinvio", "dopo_rata": 3}])"),
         "«eventi[2].tipo»: «rinvio» non è un evento valido (estinzione, variazione, sospensione)."},
        {Documento(Mutuo, R"(, "eventi": [{"tipo": "estinzione", "dopo_rata": 3, "importi": 5}])"),
         "«eventi[1].importi»: chiave sconosciuta."},
        {Documento(Mutuo, R"(, "eventi": [{"tipo": "estinzione", "dopo_rata": 3}])"),
         "«eventi[1].importo»: manca, ed è obbligatoria."},
        {Documento(Mutuo, R"(, "eventi": [{"tipo": "sospensione", "dopo_rata": 0, "rate": 2}])"),
         "«eventi[1].dopo_rata»: La rata dopo cui cade l'evento deve essere compreso tra 1 e 999."},
        {Documento(Mutuo, R"(, "eventi": [[[]]])"), "«eventi[1][1]»: è annidato troppo in profondità."},
        {Documento(Mutuo, R"(, "nome": ")" + std::string(101, 'x') + "\""), "«nome»: è più lungo di 100 caratteri."},
        {Documento(Mutuo) + "\n" + std::string(1, '\0') + "{}",
         "non è un documento JSON valido: un byte nullo alla riga 2, colonna 1."},
        {R"({"nome": "a)" + std::string(1, '\0') + "b\"}", "un byte nullo alla riga 1, colonna 12."},
        {Documento(Mutuo) + "\n {}",
         "non è un documento JSON valido: altro testo dopo la fine del documento, alla riga 2, colonna 2."},
    };
    for (const auto& [testo, atteso] : casi) {
        const std::string motivo = Rifiuto(testo);
        EXPECT_NE(motivo.find(atteso), std::string::npos) << testo << "\n→ " << motivo;
    }
    EXPECT_EQ(Rifiuto(Documento(Mutuo, R"(, "eventi": [{"tipo": "estinzione", "dopo_rata": 3, "importo": "tutto"}])")),
              "");
    EXPECT_EQ(Rifiuto(Documento(Mutuo) + " \r\n\t\n"), "");
    // A name of 100 characters, each of two bytes, is at the limit, not over it.
    std::string cento;
    for (int i = 0; i < 100; ++i)
        cento += "à";
    EXPECT_EQ(Rifiuto(Documento(Mutuo, R"(, "nome": ")" + cento + "\"")), "");
    // A plan its terms or events cannot carry is the user's data all the same: read whole, refused only where it is
    // computed.
    const Offerta maxi = LeggiTestoOfferta(Documento(Mutuo, R"(, "condizioni": {"maxi_rata": 10000})"));
    EXPECT_EQ(maxi.mutuo.condizioni.maxiRata, 10000);
    EXPECT_THROW(PianoAmm(maxi.mutuo), ErrorePiano);
    const Offerta oltre =
        LeggiTestoOfferta(Documento(Mutuo, R"(, "eventi": [{"tipo": "estinzione", "dopo_rata": 3, "importo": 9000}])"));
    ASSERT_EQ(oltre.scenario.eventi.size(), 1U);
    EXPECT_THROW(Simula(oltre.mutuo, oltre.scenario), ErrorePiano);
}

// What an attacker would send: refused whole, no crash, no file read past its limit.
TEST(FileOfferta, FileOstili)
{
    std::string eventi;
    for (int i = 0; i < 1000; ++i)
        eventi += std::string(i == 0 ? "" : ",") + R"({"tipo": "variazione", "dopo_rata": 1, "tasso": 1})";
    const std::pair<std::string, std::string> casi[] = {
        {std::string(100000, '['), "«[1][1][1]»: è annidato troppo in profondità."},
        {Documento(Mutuo, ", \"eventi\": [" + eventi + "]"), "«eventi»: ha più di 999 elementi."},
        {Documento(R"("importo": 99999999999999999999999999)"), "non è un numero valido"},
        {"{" + std::string(200, ' ')
             + "\"a\":1,\"b\":2,\"c\":3,\"d\":4,\"e\":5,\"f\":6,\"g\":7,\"h\":8,\"i\":9,\"j\":1,"
               "\"k\":1,\"l\":1,\"m\":1,\"n\":1,\"o\":1,\"p\":1,\"q\":1}",
         "«documento»: ha più di 16 chiavi."},
    };
    for (const auto& [testo, atteso] : casi) {
        const std::string motivo = Rifiuto(testo);
        EXPECT_NE(motivo.find(atteso), std::string::npos) << testo.substr(0, 80) << "\n→ " << motivo;
    }
    // Files refused unread: too large, or no files at all, which are never waited on.
    const std::string cartella = Cartella();
    const std::string spazi = cartella + "/spazi.pianoamm", pipe = cartella + "/pipe.pianoamm";
    // One byte over the MiB the message names, and at it a file that opens.
    const std::string esempio = Leggi(Esempio), limite = cartella + "/limite.pianoamm";
    constexpr std::size_t Mib = 1 << 20;
    ScriviFileSicuro(spazi, std::string(Mib + 1 - esempio.size(), ' ') + esempio);
    ScriviFileSicuro(limite, std::string(Mib - esempio.size(), ' ') + esempio);
    EXPECT_EQ(LeggiFileOfferta(limite), LeggiFileOfferta(Esempio));
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::pair<std::string, std::string> file[] = {
        {spazi, "Il file «" + spazi + "» supera 1 MiB: non è un mutuo salvato da questo programma."},
        {pipe, "«" + pipe + "» non è un file: è una pipe con nome."},
        {"/dev/zero", "«/dev/zero» non è un file: è un dispositivo."},
        // A file whose reading fails: told, not read again without end.
        {"/proc/self/mem",
         "Impossibile leggere il file «/proc/self/mem»: errore di lettura o scrittura del dispositivo."},
        {cartella, "«" + cartella + "» non è un file: è una cartella."},
    };
    for (const auto& [nome, atteso] : file)
        EXPECT_EQ(MotivoDi([&nome = nome] { return LeggiFileOfferta(nome); }), atteso);
    std::filesystem::remove_all(cartella);
}

// Two saves of a file with two names at once, one through each: the second waits for the first, so the file is always
// one whole version of the two.
TEST(FileOfferta, SalvataggiInsieme)
{
    const std::string cartella = Cartella();
    const std::string nome = cartella + "/insieme.pianoamm", altro = cartella + "/collegato.pianoamm";
    Offerta lunga = LeggiFileOfferta(Esempio), corta = lunga;
    corta.scenario.eventi.clear();
    const std::string versioni[] = {TestoOfferta(lunga), TestoOfferta(corta)};
    ScriviFileOfferta(nome, corta);
    ASSERT_EQ(::link(nome.c_str(), altro.c_str()), 0);
    const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (int giro = 0; giro < 600 && std::chrono::steady_clock::now() < fine; ++giro) {
        std::thread primo([&] { ScriviFileOfferta(nome, lunga); });
        ScriviFileOfferta(altro, corta);
        primo.join();
        const std::string letto = Leggi(nome);
        ASSERT_TRUE(letto == versioni[0] || letto == versioni[1]) << "giro " << giro << ":\n" << letto;
    }
    std::filesystem::remove_all(cartella);
}

}  // namespace

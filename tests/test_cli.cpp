#include "app/opzioni_cli.h"
#include "engine/errore.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace pianoamm;

namespace {

OpzioniCli Leggi(std::vector<std::string_view> argomenti)
{
    return LeggiOpzioniCli(argomenti, "01/02/2026");
}

TEST(OpzioniCli, LeggeIValoriEIlDefaultDellaData)
{
    const auto opzioni =
        Leggi({"--importo", "1500,5", "--numero-rate", "12", "--tasso", "3.25", "--cadenza", "trimestrale"});
    EXPECT_FALSE(opzioni.Aiuto);
    EXPECT_EQ(opzioni.Dati.Importo, 1500.5);
    EXPECT_EQ(opzioni.Dati.NumeroRate, 12);
    EXPECT_EQ(opzioni.Dati.TassoAnnuo, 3.25);
    EXPECT_EQ(opzioni.Dati.cadenza, Cadenza::Trimestrale);
    EXPECT_EQ(opzioni.Dati.DataErogazione, "01/02/2026");

    const auto conUguale =
        Leggi({"--cadenza=annuale", "--data=06/04/2006", "--tasso=0", "--numero-rate=999", "--importo=999999999"});
    EXPECT_EQ(conUguale.Dati.cadenza, Cadenza::Annuale);
    EXPECT_EQ(conUguale.Dati.DataErogazione, "06/04/2006");
    EXPECT_EQ(conUguale.Dati.NumeroRate, 999);
    EXPECT_EQ(conUguale.Dati.Importo, 999999999);

    EXPECT_TRUE(Leggi({"--importo", "1", "--help"}).Aiuto);

    const auto stampa =
        Leggi({"--importo=1", "--numero-rate=1", "--tasso=1", "--cadenza=mensile", "--stampante", "Ufficio"});
    EXPECT_TRUE(stampa.Stampa);
    EXPECT_EQ(stampa.Stampante, "Ufficio");
}

TEST(OpzioniCli, RifiutaCioCheNonEValido)
{
    const std::vector<std::vector<std::string_view>> casi = {
        {},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "settimanale"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--colore", "blu"},
        {"--importo", "100", "--importo", "200", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "1.000.000", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "100,123", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "-5", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "1000000000", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "dieci", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "100", "--numero-rate", "0", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "100", "--numero-rate", "1000", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "100", "--numero-rate", "10,5", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "99,01", "--cadenza", "annuale"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "", "--cadenza", "annuale"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--data", "30/02/2020"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--data", "2020-01-01"},
        {"100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--per-anno", "--per-anno"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--csv", ""},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--pdf"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--per-anno=si"},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--stampante="},
        {"--importo", "100", "--numero-rate", "10", "--tasso", "5", "--cadenza", "annuale", "--stampa", "--stampa"},
    };
    for (const auto& argomenti : casi) {
        std::string riga;
        for (const auto a : argomenti)
            riga += std::string(a) + ' ';
        EXPECT_THROW(Leggi(argomenti), ErrorePiano) << riga;
    }
}

struct Esito {
    int uscita = -1;
    std::string out;
    std::string err;
};

std::string Contenuto(const std::filesystem::path& percorso)
{
    std::ifstream file(percorso, std::ios::binary);
    std::ostringstream testo;
    testo << file.rdbuf();
    return testo.str();
}

Esito Esegui(const std::string& argomenti)
{
    const auto cartella = std::filesystem::temp_directory_path();
    const auto out = cartella / ("pianoamm-cli-" + std::to_string(::getpid()) + ".out");
    const auto err = cartella / ("pianoamm-cli-" + std::to_string(::getpid()) + ".err");
    const std::string comando =
        std::string(PIANOAMM_CLI) + ' ' + argomenti + " >" + out.string() + " 2>" + err.string() + " </dev/null";
    const int stato = std::system(comando.c_str());
    Esito esito;
    esito.uscita = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    esito.out = Contenuto(out);
    esito.err = Contenuto(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return esito;
}

TEST(ProgrammaCli, StampaLEsempioAnnualeByteDopoByte)
{
    const auto esito = Esegui("--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006");
    EXPECT_EQ(esito.uscita, 0);
    EXPECT_EQ(esito.err, "");
    // The worked example, as the listing must hold it, trailing blanks and all.
    const std::string atteso = Contenuto(std::filesystem::path(PIANOAMM_DATI) / "esempio_annuale.txt");
    ASSERT_EQ(std::count(atteso.begin(), atteso.end(), '\n'), 21);
    EXPECT_EQ(esito.out, atteso);
}

TEST(ProgrammaCli, ErroriSuStandardErrorConUscita2)
{
    const char* casi[] = {
        "",
        "--importo 100000 --numero-rate 10 --tasso 5",
        "--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 31/02/2006",
        "--importo 100000 --numero-rate 999 --tasso 5 --cadenza annuale --data 01/01/9500",
        "--importo abc --numero-rate 10 --tasso 5 --cadenza annuale",
        "--sconosciuta",
    };
    for (const char* argomenti : casi) {
        const auto esito = Esegui(argomenti);
        EXPECT_EQ(esito.uscita, 2) << argomenti;
        EXPECT_EQ(esito.out, "") << argomenti;
        EXPECT_NE(esito.err.find("pianoamm-cli: "), std::string::npos) << argomenti;
    }
}

struct Pdf {
    std::filesystem::path percorso;
    explicit Pdf(const std::string& nome) : percorso(std::filesystem::temp_directory_path() / nome) {}
    ~Pdf() { std::filesystem::remove(percorso); }
    Pdf(const Pdf&) = delete;
    Pdf& operator=(const Pdf&) = delete;

    // The text of page pagina, as pdftotext lays it out.
    std::string Pagina(int pagina) const
    {
        const auto testo = percorso.string() + ".txt";
        const std::string comando = "pdftotext -layout -f " + std::to_string(pagina) + " -l " + std::to_string(pagina)
                                    + " '" + percorso.string() + "' '" + testo + "'";
        std::string letto;
        if (std::system(comando.c_str()) == 0)
            letto = Contenuto(testo);
        std::filesystem::remove(testo);
        return letto;
    }

    int Pagine() const
    {
        const auto info = percorso.string() + ".info";
        std::system(("pdfinfo '" + percorso.string() + "' >'" + info + "'").c_str());
        const std::string testo = Contenuto(info);
        std::filesystem::remove(info);
        const auto pos = testo.find("Pages:");
        return pos == std::string::npos ? -1 : std::stoi(testo.substr(pos + 6));
    }
};

// Runs of blanks as one space: pdftotext spaces words only roughly.
std::string Semplifica(const std::string& testo)
{
    std::string semplice;
    for (const char c : testo) {
        const bool spazio = c == ' ' || c == '\f';
        if (!spazio || (!semplice.empty() && semplice.back() != ' ' && semplice.back() != '\n'))
            semplice += spazio ? ' ' : c;
    }
    return semplice;
}

std::string PrimaRigaPiena(const std::string& testo)
{
    std::istringstream righe(testo);
    std::string riga;
    while (std::getline(righe, riga)) {
        if (riga.find_first_not_of(" \f") != std::string::npos)
            return riga.substr(riga.find_first_not_of(" \f"));
    }
    return {};
}

TEST(ProgrammaCli, LaStampaInPdf)
{
    struct Caso {
        const char* argomenti;
        int pagine;
    };
    const Caso casi[] = {
        {"--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006", 1},
        {"--importo 100000 --numero-rate 54 --tasso 5 --cadenza mensile --data 06/04/2006",
         1},  // 65 lines: no page of headings alone
        {"--importo 100000 --numero-rate 120 --tasso 5 --cadenza mensile --data 31/01/2008", 3},
        {"--importo 250000 --numero-rate 999 --tasso 4,75 --cadenza mensile --data 31/01/2008", 17},
    };
    for (const auto& caso : casi) {
        const Pdf pdf("pianoamm-prova.pdf");
        const auto esito = Esegui(std::string(caso.argomenti) + " --pdf " + pdf.percorso.string());
        EXPECT_EQ(esito.uscita, 0) << caso.argomenti;
        EXPECT_EQ(esito.out, "") << caso.argomenti;
        ASSERT_EQ(pdf.Pagine(), caso.pagine) << caso.argomenti;
        EXPECT_EQ(PrimaRigaPiena(pdf.Pagina(1)), "PIANO D'AMMORTAMENTO") << caso.argomenti;
        for (int pagina = 2; pagina <= caso.pagine; ++pagina) {
            EXPECT_EQ(Semplifica(PrimaRigaPiena(pdf.Pagina(pagina))),
                      "N. SCADENZA Q.INTERESSI Q.CAPITALE TOTALE RATA DEB.RESIDUO")
                << caso.argomenti << ", pagina " << pagina;
        }
    }

    // The worked example's rows, as the listing has them.
    const Pdf pdf("pianoamm-esempio.pdf");
    ASSERT_EQ(Esegui("--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006 --pdf "
                     + pdf.percorso.string())
                  .uscita,
              0);
    const std::string testo = Semplifica(pdf.Pagina(1));
    for (const char* riga :
         {"\n1 06/04/2007 5.000 7.950 12.950 92.050\n", "\n9 06/04/2015 1.204 11.746 12.950 12.333\n",
          "\n10 06/04/2016 618 12.333 12.950\n", "TOTALE QUOTA INTERESSI : 29.505\n",
          "RATA FISSA : 12950,4574965457 TASSO % ANNUALE : 5,000\n"}) {
        EXPECT_NE(testo.find(riga), std::string::npos) << riga;
    }
}

TEST(ProgrammaCli, CsvEInteressiPerAnno)
{
    const auto csv = std::filesystem::temp_directory_path() / "pianoamm-prova.csv";
    const auto esito =
        Esegui("--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006 --per-anno --csv "
               + csv.string());
    EXPECT_EQ(esito.uscita, 0);
    const std::string scritto = Contenuto(csv);
    std::filesystem::remove(csv);
    EXPECT_EQ(scritto.rfind("\xEF\xBB\xBFNumero;Scadenza;Quota interessi;Quota capitale;Rata;Debito residuo\r\n"
                            "1;06/04/2007;5000,00;7950,46;12950,46;92049,54\r\n",
                            0),
              0U);
    EXPECT_NE(scritto.find("\r\n10;06/04/2016;617,57;12332,88;12950,46;0,00\r\n"), std::string::npos);
    // With --per-anno the table takes the listing's place.
    EXPECT_EQ(esito.out.rfind("  ANNO   RATE          INTERESSI", 0), 0U) << esito.out;
    EXPECT_NE(esito.out.find("\nTOTALE     10          29.504,57         100.000,00         129.504,57\n"),
              std::string::npos)
        << esito.out;

    const auto soloCsv = Esegui("--importo 1000 --numero-rate 2 --tasso 5 --cadenza annuale --csv /dev/null");
    EXPECT_EQ(soloCsv.uscita, 0);
    EXPECT_EQ(soloCsv.out, "");
}

// Output that cannot be written whole is an error with a message (exit 1),
// an earlier file stays as it was, no partial or temporary file remains, and
// a device is never replaced by a file. Each case runs in a folder of its
// own; verifica is a shell check that must hold afterwards.
TEST(ProgrammaCli, UsciteNonRiusciteLoDicono)
{
    struct Caso {
        const char* comando;
        int uscita;
        const char* errore;
        const char* verifica;
    };
    const Caso casi[] = {
        {"$CLI $LUNGA >/dev/full", 1, "standard output: spazio esaurito", ""},
        {"$CLI $CORTA >/dev/full", 1, "standard output: spazio esaurito", ""},
        {"$CLI --help >/dev/full", 1, "standard output", ""},
        {"$CLI $CORTA >&-", 1, "standard output: il canale è chiuso", ""},
        {"$CLI $CORTA --csv p.csv >&-", 0, "", "test -s p.csv"},
        {"trap '' XFSZ; ulimit -f 16; $CLI $LUNGA >p.txt", 1, "standard output: il file supera", ""},
        {"$CLI $CORTA --csv /dev/full", 1, "«/dev/full»: spazio esaurito", "test -c /dev/full"},
        {"$CLI $CORTA --pdf /dev/full", 1, "«/dev/full»: spazio esaurito", "test -c /dev/full"},
        {"echo vecchio >p.csv; trap '' XFSZ; ulimit -f 16; $CLI $LUNGA --csv p.csv", 1, "«p.csv»: il file supera",
         "test \"$(cat p.csv)\" = vecchio"},
        {"echo vecchio >p.pdf; trap '' XFSZ; ulimit -f 16; $CLI $LUNGA --pdf p.pdf", 1, "«p.pdf»: il file supera",
         "test \"$(cat p.pdf)\" = vecchio"},
        {"$CLI $CORTA --pdf manca/p.pdf", 1, "«manca/p.pdf»: la cartella non esiste", ""},
        {"$CLI $CORTA --csv manca/p.csv --per-anno", 1, "la cartella non esiste", "test ! -s out"},
        {"$CLI $CORTA --pdf p.pdf --csv ./p.pdf", 2, "--csv", "test ! -e p.pdf"},
        // Names are bytes, and never options of the toolkit.
        {"$CLI $CORTA --pdf $'caff\\xe8.pdf' --csv $'caff\\xe8.csv'", 0, "",
         "test -s $'caff\\xe8.pdf' && test -s $'caff\\xe8.csv'"},
        {"$CLI $CORTA --pdf -platform --csv -style", 0, "", "test -s ./-platform && test -s ./-style"},
        {"echo vecchio >p.csv; chmod 640 p.csv; $CLI $CORTA --csv p.csv", 0, "",
         "test \"$(stat -c %a p.csv)\" = 640 && grep -q Scadenza p.csv"},
    };
    const auto radice = std::filesystem::temp_directory_path() / ("pianoamm-uscite-" + std::to_string(::getpid()));
    for (const auto& caso : casi) {
        std::filesystem::remove_all(radice);
        std::filesystem::create_directories(radice);
        std::ofstream(radice / "prova.sh")
            << "cd '" << radice.string() << "'\n"
            << "CLI='" << PIANOAMM_CLI << "'\n"
            << "LUNGA='--importo 250000 --numero-rate 999 --tasso 4,75 --cadenza mensile --data 31/01/2008'\n"
            << "CORTA='--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006'\n"
            << "(" << caso.comando << ") >out 2>err </dev/null\n"
            << "echo $? >uscita\n"
            << (*caso.verifica != '\0' ? caso.verifica : "true") << " && ! ls -A | grep -q '^[.]pianoamm-'\n";
        const int stato = std::system(("bash '" + (radice / "prova.sh").string() + "'").c_str());
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << caso.comando << ": verifica non riuscita";
        EXPECT_EQ(std::stoi(Contenuto(radice / "uscita")), caso.uscita) << caso.comando;
        const std::string errore = Contenuto(radice / "err");
        if (*caso.errore != '\0')
            EXPECT_NE(errore.find(caso.errore), std::string::npos) << caso.comando << ": " << errore;
        else
            EXPECT_EQ(errore, "") << caso.comando;
    }
    std::filesystem::remove_all(radice);
}

TEST(ProgrammaCli, AiutoSuStandardOutput)
{
    const auto esito = Esegui("--help");
    EXPECT_EQ(esito.uscita, 0);
    EXPECT_EQ(esito.out.rfind("Uso: pianoamm-cli --importo", 0), 0U);
}

}  // namespace

// The command line: its arguments read or refused, and its outputs, above all
// the ones that fail.

#include "app/opzioni_cli.h"
#include "engine/errore.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

using namespace pianoamm;

namespace {

// What the command line's words (split at blanks; "--csv=" for an empty
// value) are read as, or the message refusing them.
std::string Lettura(const std::string& riga)
{
    std::istringstream flusso(riga);
    const std::vector<std::string> parole{std::istream_iterator<std::string>(flusso), {}};
    const std::vector<std::string_view> viste(parole.begin(), parole.end());
    try {
        const auto opzioni = LeggiOpzioniCli(viste, Data{.anno = 2026, .mese = 2, .giorno = 1});
        const Mutuo& m = opzioni.mutuo;
        std::ostringstream testo;
        testo << std::setprecision(15) << m.importo << ' ' << m.numeroRate << ' ' << m.tassoAnnuo << ' '
              << m.erogazione.giorno << '/' << m.erogazione.mese << '/' << m.erogazione.anno << " ogni "
              << DatiDi(m.cadenza).mesi << (opzioni.pdf.empty() ? "" : " pdf=" + opzioni.pdf)
              << (opzioni.csv.empty() ? "" : " csv=" + opzioni.csv)
              << (opzioni.stampa ? " stampa=" + opzioni.stampante : "") << (opzioni.perAnno ? " per-anno" : "");
        return opzioni.aiuto ? "aiuto" : testo.str();
    } catch (const ErrorePiano& errore) {
        return errore.what();
    }
}

TEST(OpzioniCli, LeggeORifiuta)
{
    const std::string b = "--importo 100 --numero-rate 10 --tasso 5 --cadenza annuale ";
    const std::pair<std::string, std::string> casi[] = {
        {"--importo 1500,5 --numero-rate 12 --tasso 3.25 --cadenza trimestrale", "1500.5 12 3.25 1/2/2026 ogni 3"},
        {"--cadenza=mensile --data=6/4/06 --tasso=0 --numero-rate=999 --importo=999999999",
         "999999999 999 0 6/4/2006 ogni 1"},
        // The lowest amount and the highest rate.
        {"--importo 0 --numero-rate 1 --tasso 99 --cadenza bimestrale --data 29/02/2000", "0 1 99 29/2/2000 ogni 2"},
        {"--importo 0,01 --numero-rate 7 --tasso 0.5 --cadenza quadrimestrale --data 1/1/30",
         "0.01 7 0.5 1/1/1930 ogni 4"},
        {b + "--pdf a.pdf --csv b.csv --per-anno --stampa", "ogni 12 pdf=a.pdf csv=b.csv stampa= per-anno"},
        {"--stampante=Ufficio --importo=1 --numero-rate=2 --tasso=3 --cadenza=semestrale",
         "1 2 3 1/2/2026 ogni 6 stampa=Ufficio"},
        {"--importo x --help", "aiuto"},
        {"", "Manca l'opzione obbligatoria --importo."},
        {"--importo 100 --numero-rate 10 --tasso 5", "Manca l'opzione obbligatoria --cadenza."},
        {b + "--colore blu", "Opzione sconosciuta: «--colore»."},
        {b + "--importo 200", "--importo: l'opzione è ripetuta."},
        {b + "--stampa --stampa", "--stampa: l'opzione è ripetuta."},
        {b + "--per-anno=sì", "--per-anno: l'opzione non prende un valore."},
        {b + "--pdf", "--pdf: manca il valore."},
        {b + "--csv=", "--csv: manca il nome del file."},
        {b + "--stampante=", "--stampante: manca il nome della stampante."},
        {b + "--pdf p.pdf --csv ./p.pdf", "--csv: «./p.pdf» è anche il file di --pdf"},
        {"--importo 100,123 --numero-rate 10 --tasso 5 --cadenza annuale", "--importo: «100,123» non è un numero"},
        {"--importo 1000000000 --numero-rate 10 --tasso 5 --cadenza annuale", "compreso tra 0 e 999.999.999."},
        {"--importo 100 --numero-rate 1000 --tasso 5 --cadenza annuale", "compreso tra 1 e 999."},
        {"--importo 100 --numero-rate 10,0 --tasso 5 --cadenza annuale", "«10,0» non è un numero intero valido."},
        {"--importo 100 --numero-rate 10 --tasso 99,01 --cadenza annuale", "compreso tra 0 e 99."},
        {"--importo 100 --numero-rate 10 --tasso 5 --cadenza settimanale",
         "«settimanale» non è una cadenza valida (mensile, bimestrale, trimestrale, quadrimestrale, semestrale, "
         "annuale)."},
        {b + "--data 29/02/2100", "--data: «29/02/2100» non è una data valida (GG/MM/AAAA)."},
    };
    for (const auto& [argomenti, atteso] : casi)
        EXPECT_NE(Lettura(argomenti).find(atteso), std::string::npos) << argomenti << ": " << Lettura(argomenti);
}

std::string Contenuto(const std::filesystem::path& percorso)
{
    std::ifstream file(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Each case is a shell command run in a folder of its own, with the exit
// code it must end with, what standard error must say (nothing, when
// empty), and a shell check that must hold afterwards; in every case no
// temporary file may remain. Output that cannot be written whole is an error
// (exit 1), an earlier file stays as it was and a device is never replaced.
TEST(ProgrammaCli, Uscite)
{
    struct Caso {
        const char* comando;
        int uscita;
        const char* errore;
        const char* verifica;
    };
    const Caso casi[] = {
        {"$CLI --importo 1 --numero-rate 999 --tasso 5 --cadenza annuale --data 1/1/9500", 2, "31/12/9999",
         "test ! -s out"},
        {"$CLI --help >/dev/full", 1, "standard output: spazio esaurito", ""},
        {"$CLI $CORTA >&-", 1, "standard output: il canale è chiuso", ""},
        {"echo vecchio >p.csv; chmod 640 p.csv; $CLI $CORTA --csv p.csv >&-", 0, "",
         "test \"$(stat -c %a p.csv)\" = 640 && grep -q Scadenza p.csv"},
        {"trap '' XFSZ; ulimit -f 16; $CLI $LUNGA >p.txt", 1, "standard output: il file supera", ""},
        {"$CLI $CORTA --csv /dev/full", 1, "«/dev/full»: spazio esaurito", "test -c /dev/full"},
        {"$CLI $CORTA --pdf /dev/full", 1, "«/dev/full»: spazio esaurito", "test -c /dev/full"},
        {"echo vecchio >p.csv; trap '' XFSZ; ulimit -f 16; $CLI $LUNGA --csv p.csv", 1, "«p.csv»: il file supera",
         "test \"$(cat p.csv)\" = vecchio"},
        {"echo vecchio >p.pdf; trap '' XFSZ; ulimit -f 16; $CLI $LUNGA --pdf p.pdf", 1, "«p.pdf»: il file supera",
         "test \"$(cat p.pdf)\" = vecchio"},
        {"$CLI $CORTA --pdf manca/p.pdf --per-anno", 1, "«manca/p.pdf»: la cartella non esiste", "test ! -s out"},
        {"$CLI $CORTA --pdf p.pdf --csv ./p.pdf", 2, "--csv", "test ! -e p.pdf"},
        // Names are bytes, and never options of the toolkit; a print that
        // fails (here, no print service) is tried after the PDF is written.
        {"CUPS_SERVER=/nessuno $CLI $CORTA --pdf -platform --stampante X --csv $'caff\\xe8.csv'", 1,
         "«X» non ha accettato", "test -s ./-platform && test -s $'caff\\xe8.csv' && test ! -s out"},
        // The text outputs need no printout; the printout needs its helper.
        {"mkdir -p a/b && cp $CLI a/b && a/b/pianoamm-cli $CORTA >p.txt && a/b/pianoamm-cli $CORTA --pdf p.pdf", 1,
         "pianoamm-stampa»: non è installato", "test -s p.txt && test ! -e p.pdf"},
        // The printout is the listing, 65 lines a page, the heading repeated on
        // every later page, and no page holds the heading alone.
        {"$CLI $CORTA --pdf p.pdf", 0, "",
         "test \"$(pdftotext -layout p.pdf - | normale)\" = \"$($CLI $CORTA | normale)\""},
        {"$CLI --importo 1 --numero-rate 54 --tasso 5 --cadenza mensile --pdf p.pdf", 0, "", "pagine p.pdf 1"},
        {"$CLI --importo 1 --numero-rate 120 --tasso 5 --cadenza mensile --pdf p.pdf", 0, "", "pagine p.pdf 3"},
        {"$CLI $LUNGA --pdf $'p\\xe8.pdf'", 0, "", "pagine $'p\\xe8.pdf' 17"},
    };
    const auto radice = std::filesystem::temp_directory_path() / ("pianoamm-uscite-" + std::to_string(::getpid()));
    for (const auto& caso : casi) {
        std::filesystem::remove_all(radice);
        std::filesystem::create_directories(radice);
        std::ofstream(radice / "prova.sh")
            << "cd '" << radice.string() << "'\nCLI='" << PIANOAMM_CLI << "'\n"
            << "LUNGA='--importo 250000 --numero-rate 999 --tasso 4,75 --cadenza mensile --data 31/01/2008'\n"
            << "CORTA='--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006'\n"
            << "normale() { tr -s ' \\f' ' ' | sed 's/^ //; s/ $//' | grep -v '^$'; }\n"
            // pagine FILE N: N pages, each after the first headed by the columns' titles.
            << "pagine() { test \"$(pdfinfo \"$1\" | awk '/^Pages:/ {print $2}')\" = \"$2\" && test \"$(pdftotext "
               "-layout \"$1\" - | awk 'BEGIN {RS = \"\\f\"} {sub(/^[ \\n]*/, \"\")} /^N\\. +SCADENZA/ {n++} END "
               "{print n + 1}')\" = \"$2\"; }\n"
            << "(" << caso.comando << ") >out 2>err </dev/null\necho $? >uscita\n"
            << (*caso.verifica != '\0' ? caso.verifica : "true") << " && ! ls -A | grep -q '^[.]pianoamm-'\n";
        EXPECT_EQ(std::system(("bash '" + (radice / "prova.sh").string() + "'").c_str()), 0)
            << caso.comando << ": verifica non riuscita";
        EXPECT_EQ(Contenuto(radice / "uscita"), std::to_string(caso.uscita) + "\n") << caso.comando;
        const std::string errore = Contenuto(radice / "err");
        EXPECT_TRUE(*caso.errore == '\0' ? errore.empty() : errore.find(caso.errore) != std::string::npos)
            << caso.comando << ": " << errore;
    }
    std::filesystem::remove_all(radice);
}

}  // namespace

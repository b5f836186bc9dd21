// The command line: its arguments read or refused, and its outputs, above all the ones that fail.

#include "app/opzioni_cli.h"
#include "engine/errore.h"
#include "engine/prima_scadenza.h"
#include "file/file_offerta.h"
#include "testi_ostili.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

using namespace pianoamm;

namespace {

// What the command line's words are read as, or the message refusing them.
TEST(OpzioniCli, LeggeORifiuta)
{
    const std::string r = "--importo 100 --numero-rate 10 --tasso 5 ", b = r + "--cadenza annuale ";
    const std::string e = PIANOAMM_DATI "/../../docs/esempio.pianoamm ";
    const std::string v = b + "--indice " PIANOAMM_DATI "/indice_esempio.csv ";
    const std::pair<std::string, std::string> casi[] = {
        {"--importo 999999999 --numero-rate 12 --tasso 3.25 --cadenza trimestrale", "999999999 12 3.25 01/02/2026 3 "},
        {"--cadenza=mensile --data=6/4/06 --tasso=0 --numero-rate=999 --importo=9", "9 999 0 06/04/2006 1 "},
        {"--importo 0 --numero-rate 1 --tasso 99 --cadenza bimestrale --data 29/02/2000", "0 1 99 29/02/2000 2 "},
        {"--importo 0,01 --numero-rate 7 --tasso 0.5 --cadenza quadrimestrale --data 1/1/30", "0.01 7 0.5 01/01/1930"},
        {"--stampante=U --importo=1 --numero-rate=2 --tasso=3 --cadenza=semestrale", "6 pdf= csv= stampa=1U"},
        {b + "--pdf a.pdf --csv b.csv --per-anno --stampa", "12 pdf=a.pdf csv=b.csv stampa=1 per-anno=1"},
        {"--importo x --help", "aiuto=1 versione=0"},
        {"-h --colore", "aiuto=1 versione=0"},
        {"--version --colore", "aiuto=0 versione=1"},
        {"--csv --help", "Manca l'opzione obbligatoria --importo."},
        {"", "Manca l'opzione obbligatoria --importo."},
        {b + "--colore blu", "Opzione sconosciuta: «--colore»."},
        {"--verifica p.csv --tasso 5 --numero-rate 5", "--verifica: non si può usare con --numero-rate."},
        {"--verifica p.csv --spese-rata 2", "--spese-rata: vale solo con --taeg-dichiarato."},
        {b + "--taeg-dichiarato 3", "--taeg-dichiarato: vale solo con --verifica."},
        {b + "--importo 200", "--importo: l'opzione è ripetuta."},
        {b + "--stampa --stampa", "--stampa: l'opzione è ripetuta."},
        {b + "--per-anno=sì", "--per-anno: l'opzione non prende un valore."},
        {b + "--pdf", "--pdf: manca il valore."},
        {b + "--csv=", "--csv: manca il nome del file."},
        {b + "--stampante=", "--stampante: manca il nome della stampante."},
        {"--importo 100,123 --numero-rate 10 --tasso 5 --cadenza annuale", "--importo: «100,123» non è un numero"},
        {"--importo 1000000000 --numero-rate 10 --tasso 5 --cadenza annuale", "--importo: L'importo del finanziamento"},
        {"--importo 100 --numero-rate 1000 --tasso 5 --cadenza annuale", "--numero-rate: Il numero delle rate deve"},
        {"--importo 100 --numero-rate 10,0 --tasso 5 --cadenza annuale", "«10,0» non è un numero intero valido."},
        {"--importo 100 --numero-rate 10 --tasso 99,01 --cadenza annuale", "--tasso: Il tasso annuo deve essere"},
        {r + "--cadenza x", "--cadenza: «x» non è una cadenza valida (mensile, bimestrale, trimestrale,"},
        {b + "--data 29/02/2100", "--data: «29/02/2100» non è una data valida (GG/MM/AAAA)."},
        {b + "--taeg --spese-iniziali 1500 --imposta-sostitutiva 0,25 --spese-rata=2.5",
         "costi=10 1500 0.25 2.5 100 4000"},
        {b + "--detrazione --quota 50 --limite 2582,28", "costi=01 0 0 0 50 2582.28"},
        {b + "--spese-rata 2", "--spese-rata: vale solo con --taeg, --detrazione o --salva."},
        {b + "--taeg --limite 3000", "--limite: vale solo con --detrazione o --salva."},
        {b + "--detrazione --quota 0", "--quota: Il valore della quota deve essere compreso tra 0,01 e 100."},
        {b + "--taeg --imposta-sostitutiva 99,5", "Il tasso dell'imposta sostitutiva deve essere compreso tra 0 e 99."},
        {b + "--detrazione --limite 1000000000", "--limite: Il limite di spesa detraibile deve"},
        {b + "--taeg --taeg", "--taeg: l'opzione è ripetuta."},
        {b + "--tasso-periodo equivalente --tasso-periodo=proporzionale", "--tasso-periodo: l'opzione è ripetuta."},
        {b + "--maxi-rata 1000000000",
         "--maxi-rata: L'importo della maxi-rata finale deve essere compreso tra 0 e 999.999.999."},
        {b + "--maxi-rata -1", "--maxi-rata: «-1» non è un numero valido"},
        {b + "--preammortamento 61",
         "--preammortamento: Il numero delle rate di preammortamento deve essere compreso tra 0 e 60."},
        {b + "--tasso-periodo composto",
         "--tasso-periodo: «composto» non è un valore valido (proporzionale o equivalente)."},
        {b + "--arrotondamento centesimi --metodo=italiano --preammortamento 2 --tasso-periodo equivalente",
         "condizioni=ARROTONDAMENTO AI CENTESIMI - TASSO EQUIVALENTE - METODO ITALIANO - 2 RATE DI PREAMMORTAMENTO"},
        {b + "--arrotondamento unita --metodo francese --maxi-rata 10,5", "condizioni=MAXI-RATA FINALE 11 eventi"},
        {b + "--data 15/01/2026 --prima-scadenza 31/01/2027 --base-giorni 360",
         "condizioni=PRIMA SCADENZA 31/01/2027 - PREAMMORTAMENTO TECNICO DI 16 GIORNI - BASE 360 GIORNI eventi"},
        {b + "--prima-scadenza 31/01/2027",
         "La prima scadenza (31/01/2027) non può cadere prima del 01/02/2027, una rata dopo l'erogazione del "
         "01/02/2026."},
        {b + "--prima-scadenza 29/02/2027", "--prima-scadenza: «29/02/2027» non è una data valida (GG/MM/AAAA)."},
        {b + "--base-giorni 366", "--base-giorni: «366» non è un valore valido (365 o 360)."},
        {b + "--data 15/01/2026 --prima-scadenza 31/01/2027 --interessi-giorni 360 --maxi-rata 5",
         "condizioni=MAXI-RATA FINALE 5 - INTERESSI SUI GIORNI EFFETTIVI/360 - PRIMA SCADENZA 31/01/2027 - "
         "PREAMMORTAMENTO TECNICO DI 16 GIORNI eventi"},
        {b + "--interessi-giorni=365", "condizioni=INTERESSI SUI GIORNI EFFETTIVI/365 eventi"},
        {b + "--interessi-giorni 30", "--interessi-giorni: «30» non è un valore valido (365 o 360)."},
        {v + "--spread 1,5 --revisione 6 --arrotonda-indice 0,05 --tasso-minimo 0 --tasso-massimo 6",
         "condizioni=TASSO VARIABILE: SPREAD 1,500, REVISIONE OGNI 6 RATE - INDICE ARROTONDATO A 0,050 - TASSO MINIMO "
         "0,000 - TASSO MASSIMO 6,000 eventi"},
        {v + "--ricalcolo durata --durata-massima 300",
         "REVISIONE A OGNI RATA - RATA FISSA, DURATA FINO A 300 RATE eventi"},
        {v + "--arrotonda-indice 0,125 --ricalcolo quote",
         "condizioni=TASSO VARIABILE: SPREAD 0,000, REVISIONE A OGNI RATA - INDICE ARROTONDATO A 0,125 - QUOTE"},
        {b + "--spread 1", "--spread: vale solo con --indice."},
        {b + "--ricalcolo rata", "--ricalcolo: vale solo con --indice."},
        {v + "--spread 20,001", "--spread: Lo spread deve essere compreso tra 0 e 20."},
        {v + "--spread 1,0001", "--spread: «1,0001» non è un numero valido (cifre, con la virgola o il punto prima di "
                                "al massimo tre decimali)."},
        {v + "--revisione 0", "--revisione: Il numero di rate fra due revisioni del tasso deve essere compreso tra 1"},
        {v + "--arrotonda-indice 0,2", "--arrotonda-indice: «0,2» non è un passo valido (0,05, 0,10, 0,125 o 0,25)."},
        {v + "--arrotonda-indice 0,3", "--arrotonda-indice: Il passo di arrotondamento dell'indice deve"},
        {v + "--tasso-minimo -1", "--tasso-minimo: «-1» non è un numero valido"},
        {v + "--tasso-massimo 50,5", "--tasso-massimo: Il tasso massimo deve essere compreso tra 0 e 50."},
        {v + "--ricalcolo mai", "--ricalcolo: «mai» non è un valore valido (rata, quote o durata)."},
        {v + "--durata-massima 300", "--durata-massima: vale solo con --ricalcolo durata."},
        {v + "--ricalcolo durata --durata-massima 1000", "--durata-massima: Il numero massimo di rate deve"},
        {b + "--indice mancante.csv", "--indice: Impossibile aprire il file «mancante.csv»: il file non esiste."},
        {b + "--rialzo 2", "--rialzo: vale solo con un tasso variabile (--indice)."},
        {v + "--rialzo 10,5", "--rialzo: Il rialzo dell'indice deve essere compreso tra -5 e 10."},
        {v + "--rialzo -5,001", "--rialzo: Il rialzo dell'indice deve essere compreso tra -5 e 10."},
        {v + "--rialzo 1,0001", "--rialzo: «1,0001» non è un numero valido"},
        {v + "--rialzo 2 --csv a.csv", "--rialzo: vale solo con il piano mostrato o con --taeg."},
        {"--importo 8000 --tasso 7 --rata 150 --cadenza mensile", "8000 65 7 "},
        {b + "--rata 1000 --trova importo", "7721.73 10 5 "},
        {b + "--rata 1000", "--rata: tutti i valori sono dati: si lasci fuori quello da trovare"},
        {"--importo 100 --rata 10 --cadenza annuale", "--rata: si può trovare un solo valore"},
        {b + "--trova tasso", "--trova: vale solo con --rata."},
        {"--importo 100 --numero-rate 10 --tasso abc --cadenza annuale --rata 10 --trova tasso",
         "--tasso: «abc» non è un numero valido"},
        {b + "--rata 10 --trova durata", "--trova: «durata» non è un valore valido (tasso, numero-rate o importo)."},
        {"--numero-rate 10 --rata 1000 --cadenza annuale --trova tasso", "Manca l'opzione obbligatoria --importo."},
        {"--importo 100 --numero-rate 10 --rata 10,5 --cadenza annuale --metodo italiano",
         "Con il metodo italiano la rata cambia"},
        {"--importo 100 --numero-rate 10 --tasso 5,1234 --cadenza annuale", "100 10 5.1234 "},
        {"--importo 100 --numero-rate 10 --tasso 5,12345 --cadenza annuale", "al massimo quattro decimali"},
        {b + "--maxi-rata 10,125", "--maxi-rata: «10,125» non è un numero valido"},
        {b + "--rata 10,125 --trova tasso", "--rata: «10,125» non è un numero valido"},
        {b + "--taeg --imposta-sostitutiva 0,255", "--imposta-sostitutiva: «0,255» non è un numero valido"},
        {b + "--reddito 50000", "--reddito: vale solo con --detrazione o --salva."},
        {b + "--taeg --data-contratto 01/01/2025", "--data-contratto: vale solo con --detrazione o --salva."},
        {b + "--detrazione --figli 4", "--figli: Il numero dei figli a carico deve essere compreso tra 0 e 3."},
        {b + "--detrazione --data-contratto 31/02/2025", "«31/02/2025» non è una data valida (GG/MM/AAAA)."},
        {b + "--detrazione --costo-acquisto 0", "--costo-acquisto: Il costo d'acquisto deve essere compreso tra 0,01"},
        {b + "--detrazione --altri-oneri -1", "--altri-oneri: «-1» non è un numero valido"},
        {b + "--arrotondamento decimi", "--arrotondamento: «decimi» non è un valore valido (unita o centesimi)."},
        {b + "--metodo tedesco", "--metodo: «tedesco» non è un valore valido (francese o italiano)."},
        {b + "--variazione 3:4,5 --estinzione=5:tutto:durata --estinzione 2:1000.5 --penale 1",
         "eventi=3 1; Tasso 4,50 % dalla rata 4; Estinzione totale dopo la rata 5; Estinzione di 1.000,50 dopo la "
         "rata 2, riduce la rata"},
        {b + "--estinzione 2:1000:durata", "eventi=1 0; Estinzione di 1.000,00 dopo la rata 2, riduce la durata"},
        {b + "--sospensione 4:6 --sospensione=8:36:rata --sospensione 1:1:capitale",
         "eventi=3 0; Sospensione della quota capitale di 6 rate dopo la rata 4; Sospensione dell'intera rata per 36 "
         "rate dopo la rata 8; Sospensione della quota capitale di 1 rata dopo la rata 1"},
        {b + "--sospensione 4", "--sospensione: «4» non è nella forma N:K, seguita da :capitale o :rata"},
        {b + "--sospensione 4:6:tutta", "«4:6:tutta» non è nella forma N:K"},
        {b + "--sospensione 4:37", "--sospensione: Il numero delle rate sospese deve essere compreso tra 1 e 36."},
        {b + "--sospensione 4:0,5", "--sospensione: «0,5» non è un numero intero valido."},
        {b + "--sospensione 4:6 --penale 1", "--penale: vale solo con --estinzione o --estingui-il."},
        {b + "--penale 1", "--penale: vale solo con --estinzione o --estingui-il."},
        {b + "--estingui-il 1/1/2027 --penale 1", "eventi=0 1"},
        {b + "--estingui-il 31/02/2027", "--estingui-il: «31/02/2027» non è una data valida (GG/MM/AAAA)."},
        {b + "--estingui-il 1/1/2027 --per-anno", "--estingui-il: vale solo con il piano mostrato."},
        {b + "--cambia-il 1/1/2027 --tipo surroga --nuovo-tasso 2 --csv a.csv", "--cambia-il: vale solo con il piano"},
        {b + "--nuovo-tasso 2", "--nuovo-tasso: vale solo con --cambia-il."},
        {b + "--cambia-il 1/1/2027 --tipo surroga",
         "--cambia-il: vuole --tipo (surroga o sostituzione) e --nuovo-tasso."},
        {b + "--cambia-il 1/1/2027 --tipo mutuo --nuovo-tasso 2", "--tipo: «mutuo» non è un tipo valido (surroga o"},
        {b + "--cambia-il 1/1/2027 --tipo surroga --nuovo-tasso 2 --spese-nuove 9",
         "--spese-nuove: vale solo con --tipo"},
        {b + "--cambia-il 1/1/2027 --tipo sostituzione --nuovo-tasso 99,5", "--nuovo-tasso: Il tasso annuo deve"},
        {b + "--cambia-il 1/1/2027 --tipo sostituzione --nuovo-tasso 2 --nuove-rate 0",
         "--nuove-rate: Il numero delle"},
        {b + "--estinzione 2:1000 --penale 0,25", "eventi=1 0.25;"},
        {b + "--estinzione 2:1000 --penale 0,255", "--penale: «0,255» non è un numero valido"},
        {b + "--estinzione 2", "--estinzione: «2» non è nella forma N:IMPORTO o N:tutto"},
        {b + "--estinzione 2:5:presto", "«2:5:presto» non è nella forma"},
        {b + "--variazione 2:100", "--variazione: Il tasso annuo deve essere compreso tra 0 e 99."},
        {b + "--estinzione 2:1000000000", "--estinzione: L'importo del rimborso anticipato deve essere compreso tra 0"},
        // A loan file: its values, those given here in their place, its events and those given here.
        {e + "--tasso 3 --cadenza trimestrale", "200000 240 3 15/01/2027 3 pdf= csv="},
        {e, "costi=00 1500 0.25 2.5 100 4000 condizioni= eventi=2 0; Estinzione di 20.000,00 dopo la rata 24"},
        {e + "--estinzione 30:tutto --penale 1", "eventi=3 1;"},
        {e + "--spese-rata 2", "--spese-rata: vale solo con --taeg, --detrazione o --salva."},
        {e + "--nome Banca", "--nome: vale solo con --salva."},
        {e + "--salva x --spese-rata 2 --quota 50", "costi=00 1500 0.25 2 50 4000"},
        {e + "--salva x --nome " + std::string(101, 'x'), "--nome: il nome dell'offerta è più lungo di 100 caratteri."},
        {e + "--rata 1000", "--rata: tutti i valori sono dati"},
        {e + e, "Si può dare un solo file di mutuo"},
        {"mancante.pianoamm", "Impossibile aprire il file «mancante.pianoamm»: il file non esiste."},
        {"--confronta " + e, "--confronta: servono da 2 a 4 file di mutuo da confrontare."},
        {"--confronta " + e + e + e + e + e, "--confronta: servono da 2 a 4 file"},
        {"--confronta " + e + e + "--importo 5", "--confronta: non si può usare con --importo."},
        {"--confronta " + e + e + "--taeg", "--confronta: non si può usare con --taeg."},
        {"--confronta " + e + "--importo 5 " + e, "--confronta: servono da 2 a 4"},
        {e + "--confronta " + e + e, "--confronta: non si può usare con un altro file di mutuo"},
        {"--confronta " + e + e + "--csv x.csv", " pdf= csv=x.csv "},
    };
    // The words split at blanks ("--csv=" for an empty value), read on 01/02/2026.
    for (const auto& [riga, atteso] : casi) {
        std::istringstream flusso(riga);
        const std::vector<std::string> parole{std::istream_iterator<std::string>(flusso), {}};
        std::ostringstream t;
        try {
            const auto o = LeggiOpzioniCli(std::vector<std::string_view>(parole.begin(), parole.end()), {2026, 2, 1});
            t << std::setprecision(15) << o.mutuo.importo << ' ' << o.mutuo.numeroRate << ' ' << o.mutuo.tassoAnnuo
              << ' ' << FormatoData(o.mutuo.erogazione) << ' ' << DatiDi(o.mutuo.cadenza).mesi << " pdf=" << o.pdf
              << " csv=" << o.csv << " stampa=" << o.stampa << o.stampante << " per-anno=" << o.perAnno
              << " aiuto=" << o.aiuto << " versione=" << o.versione << " costi=" << o.taeg << o.detrazione << ' '
              << o.costi.speseIniziali << ' ' << o.costi.impostaSostitutiva << ' ' << o.costi.speseRata << ' '
              << o.regole.quota << ' ' << o.regole.limite << " condizioni=" << DescrizioneTermini(o.mutuo)
              << " eventi=" << o.scenario.eventi.size() << ' ' << o.scenario.penale;
            for (const Evento& evento : o.scenario.eventi)
                t << "; " << Descrizione(evento);
        } catch (const ErrorePiano& errore) {
            t << errore.what();
        }
        EXPECT_NE(t.str().find(atteso), std::string::npos) << riga << ": " << t.str();
    }
}

// Rows: exit code, standard error (empty: nothing), a command run in an empty folder, a check after it; no temporary
// may remain. Output not written whole is an error, an earlier file stays as it was, a device is never replaced.
TEST(ProgrammaCli, Uscite)
{
    FILE* bash = ::popen("bash", "w");
    std::fputs("CLI='" PIANOAMM_CLI "'\n"
               R"sh(cartella=$(mktemp -d) && cd "$cartella" && trap 'rm -rf "$cartella"' EXIT
CORTA='--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006' E=$'\xe8' falliti=0
LUNGA='--importo 250000 --numero-rate 999 --tasso 4,75 --cadenza mensile --data 31/01/2008'
normale() { tr -s ' ' | sed 's/^ //; s/ $//' | grep -v '^$'; }
# pdf N ARGS: N pages, each after the first opening with the heading; else the listing.
pdf() { $CLI "${@:2}" --pdf - >p.pdf && [ "$(head -c 5 p.pdf)" = %PDF- ] && [ "$(pdftotext -layout p.pdf - | awk -v RS='\f' 'NR > 1 && !sub(/^N\. +SCADENZA[^\n]*\n[- ]+\n/, "") {print "senza intestazione"} {print} END {print NR}' | normale)" = "$($CLI "${@:2}" | normale; echo "$1")" ]; }
prova() {
    rm -rf w && mkdir w && cd w && (eval "$3") >out 2>err </dev/null; local u=$?
    [ $u = "$1" ] && { [ -n "$2" ] && grep -qF -- "$2" err || [ -z "$2$(cat err)" ]; } && eval "${4:-true}" && ! ls -A | grep -q '^\.pianoamm-' || { echo "NON RIUSCITA: $3 (uscita $u) $(cat err)"; falliti=1; }
    cd "$cartella"
}
prova 1 'standard output: spazio esaurito' '$CLI --help >/dev/full'
prova 1 'standard output: spazio esaurito' '$CLI $CORTA >/dev/full'
prova 1 '«/dev/full»: spazio esaurito' '$CLI $CORTA --csv /dev/full' '[ -c /dev/full ]'
prova 1 '«/dev/full»: spazio esaurito' '$CLI $CORTA --pdf /dev/full' '[ -c /dev/full ]'
prova 1 'standard output: il canale è chiuso' '$CLI $CORTA >&-'
prova 0 '' 'echo v >p.csv; chmod 640 p.csv; chown 1:1 p.csv 2>/dev/null; stat -c %u:%g:%a p.csv >u; $CLI $CORTA --csv p.csv >&-' '[ $(stat -c %u:%g:%a p.csv) = $(cat u) ] && grep -q Scadenza p.csv'
[ $(id -u) != 0 ] || prova 1 '«p.csv»: il file appartiene a «root» e non può cambiare proprietario.' 'chmod 755 .. && chmod 777 . && echo v >p.csv && chmod 666 p.csv && setpriv --reuid 65534 --regid 65534 --clear-groups $CLI $CORTA --csv p.csv' '[ "$(cat p.csv)" = v ]'
prova 1 'Impossibile scrivere il file «p.csv»: il file è protetto in scrittura.' 'echo v >p.csv && chmod 444 p.csv && $CLI $CORTA --csv p.csv' '[ "$(cat p.csv)" = v ]'
[ $(id -u) != 0 ] || prova 1 'il file è protetto in scrittura.' 'chmod 755 .. && chmod 777 . && echo v >p.csv && chmod 444 p.csv && setpriv --reuid 65534 --regid 65534 --clear-groups $CLI $CORTA --csv p.csv' '[ "$(cat p.csv)" = v ]'
prova 1 'troppi collegamenti simbolici di seguito' 'ln -s b a && ln -s a b && $CLI $CORTA --csv a' '[ -L a ] && [ -L b ]'
# Forty links in a row are followed to their file; one more is refused.
prova 0 '' 'echo v >l0 && for i in $(seq 40); do ln -s l$((i - 1)) l$i; done && $CLI $CORTA --csv l40' '[ -L l40 ] && [ $(wc -l <l0) = 11 ]'
prova 1 'troppi collegamenti simbolici di seguito' 'echo v >l0 && for i in $(seq 41); do ln -s l$((i - 1)) l$i; done && $CLI $CORTA --csv l41' '[ "$(cat l0)" = v ]'
prova 1 '«p.csv»: il file supera' 'echo v >p.csv; ulimit -f 16; $CLI $LUNGA --csv p.csv' '[ "$(cat p.csv)" = v ]'
prova 1 '«p.pdf»: il file supera' 'echo v >p.pdf; ulimit -f 16; $CLI $LUNGA --pdf p.pdf' '[ "$(cat p.pdf)" = v ]'
prova 1 '«manca/p.pdf»: la cartella non esiste' '$CLI $CORTA --pdf manca/p.pdf --per-anno' '[ ! -s out ]'
# A descriptor is written where it stands: a log appended to keeps what it had.
prova 0 '' 'ln -s /proc/self/fd/1 o && echo keep >log && { echo tieni; $CLI $CORTA --csv o; } >>log' '[ -L o ] && [ "$(head -2 log | tr "\n" " ")" = "keep tieni " ] && [ $(wc -l <log) = 13 ]'
prova 0 '' 'echo keep >log && $CLI $CORTA --csv /dev/stdin 0>>log' '[ "$(head -1 log)" = keep ] && [ $(wc -l <log) = 12 ]'
prova 0 '' '$CLI $CORTA --csv - >c' 'head -1 c | grep -q Scadenza && [ $(wc -l <c) = 11 ]'
! command -v script >/dev/null || prova 2 '«-» è un terminale' 'script -qec "$CLI $CORTA --pdf -" /dev/null >&2' '! grep -q %PDF err'
! command -v script >/dev/null || prova 2 '«/dev/tty» è un terminale' 'script -qec "$CLI $CORTA --pdf /dev/tty" /dev/null >&2' '! grep -q %PDF err'
! command -v script >/dev/null || prova 2 '«/dev/pts/' 'script -qec "$CLI $CORTA --pdf \$(tty)" /dev/null >&2' 'grep -q "» è un terminale" err && ! grep -q %PDF err'
[ $(id -u) != 0 ] || ! unshare -m true 2>/dev/null || prova 0 '' 'unshare -m sh -c "mount -t tmpfs none /dev && ln -s /proc/self/fd/1 /dev/stdout && { exec 3<x; rm x; $CLI $CORTA --csv /dev/stdout; } >x && [ -L /dev/stdout ] && [ \"\$(ls -A /dev)\" = stdout ] && [ \$(wc -l <&3) = 11 ]"'
# Links are followed from their folder and stay links; a dangling one gets its file where its folder exists.
prova 0 '' 'mkdir d && echo v >d/t.csv && ln -s t.csv d/l && ln -s n.pdf d/m && $CLI $CORTA --csv d/l --pdf d/m' '[ -L d/l ] && [ -L d/m ] && [ $(wc -l <d/t.csv) = 11 ] && [ -s d/n.pdf ]'
prova 1 '«l»: la cartella non esiste' 'ln -s manca/t.csv l && $CLI $CORTA --csv l' '[ -L l ] && [ ! -e manca ]'
# A file's other names keep it, cut to its new length; a pipe is written in place.
prova 0 '' 'seq 99999 >a.csv && ln a.csv b.csv && $CLI $CORTA --csv a.csv' '[ $(stat -c %i:%h a.csv) = $(stat -c %i:%h b.csv) ] && [ $(wc -l <b.csv) = 11 ]'
prova 0 '' 'mkfifo f && { cat f >g & } && $CLI $CORTA --csv f && wait' '[ -p f ] && [ $(wc -l <g) = 11 ]'
# Two outputs reaching one file or descriptor are refused before anything is written.
prova 2 '--pdf: «l» porta allo stesso file di --csv' 'echo v >p.csv && ln -s ./p.csv l && $CLI $CORTA --csv p.csv --pdf l' '[ "$(cat p.csv)" = v ]'
prova 2 '--pdf: «d/../d/p.pdf» porta allo stesso file di --csv' 'ln -s d/p.pdf l && mkdir d && $CLI $CORTA --csv l --pdf d/../d/p.pdf' '[ ! -e d/p.pdf ]'
prova 2 '--pdf: «-» porta allo stesso file di --csv' '$CLI $CORTA --csv - --pdf -' '[ ! -s out ]'
prova 2 '--pdf: «-» porta allo stesso file di --csv' 'ln -s /proc/self/fd/1 o && $CLI $CORTA --csv o --pdf -' '[ ! -s out ]'
prova 2 '--csv: «-» è lo stesso file dello standard output' '$CLI $CORTA --csv - --per-anno' '[ ! -s out ]'
prova 2 '--csv: «p.csv» è lo stesso file dello standard output' 'echo v >p.csv && $CLI $CORTA --csv p.csv --taeg >>p.csv' '[ "$(cat p.csv)" = v ]'
# Names are bytes, and never options of the toolkit that draws the printout.
prova 0 '' '$CLI $CORTA --pdf -platform --csv c$E.csv && $CLI $CORTA --pdf p$E.pdf' '[ -s ./-platform ] && [ -s c$E.csv ] && [ -s p$E.pdf ]'
# A loan file read is never an output's but the loan's own, saved back; one that is no file is refused at once.
A='$CLI $CORTA --salva a.pianoamm >/dev/null && cp a.pianoamm b.pianoamm'
prova 2 '--pdf: «a.pianoamm» porta al file di mutuo letto «a.pianoamm»: lo rovinerebbe.' "$A"' && $CLI a.pianoamm --pdf a.pianoamm' 'cmp a.pianoamm b.pianoamm'
prova 2 '--csv: «l» porta al file di mutuo letto «b.pianoamm»' "$A"' && ln -s b.pianoamm l && $CLI --confronta a.pianoamm b.pianoamm --csv l' 'cmp a.pianoamm b.pianoamm'
prova 2 'Lo standard output porta al file di mutuo letto «a.pianoamm»' "$A"' && $CLI a.pianoamm >>a.pianoamm' 'cmp a.pianoamm b.pianoamm'
# The bank's plan: the CSV written here given back; with row 100's interest 0,50 higher and its capital 0,50 lower,
# that row's cells apart (exit 3); a table that cannot be read, by its line, and the table never overwritten.
B='--importo 200000 --numero-rate 180 --tasso 7,5 --cadenza mensile --arrotondamento centesimi --csv p.csv'
prova 0 '' '$CLI $B && $CLI --verifica p.csv' 'grep -qx "PIANO RIPRODOTTO: 180 RATE SU 180" out && grep -qx "ARROTONDAMENTO AI CENTESIMI" out'
prova 3 '' '$CLI $B && sed -i "s/;734,75;1119,27;/;735,25;1118,77;/" p.csv && $CLI --verifica p.csv --csv d.csv' 'grep -qx "RATE DIVERSE: 1 SU 180" out && grep -Eq "^ +100  QUOTA INTERESSI +735,25 +734,75 +\+0,50$" out && grep -q "^100;Quota capitale;1118,77;1119,27;-0,50" d.csv'
# The same from the PDF's text; with no costs the TAEG is the effective annual rate, (1 + 7,5 % / 12)^12 - 1 = 7,76 %.
# The same, and plans on other terms, from the text of the PDF this program writes: given back with their own terms.
for T in "${B%--csv*}" '--importo 45000 --numero-rate 37 --tasso 6,35 --cadenza trimestrale' \
    '--importo 180000 --numero-rate 360 --tasso 4,25 --cadenza mensile --metodo italiano --arrotondamento centesimi' \
    '--importo 90000 --numero-rate 96 --tasso 9,9 --cadenza bimestrale --tasso-periodo equivalente --maxi-rata 20000'; do
    prova 0 '' '$CLI '"$T"' --pdf p.pdf && pdftotext -layout p.pdf t.txt && $CLI --verifica t.txt' 'grep -q "^PIANO RIPRODOTTO: " out && grep -Eq "^NUMERO RATE +: $(echo "'"$T"'" | sed "s/.*--numero-rate \([0-9]*\).*/\1/")$" out'
done
prova 0 '' '$CLI $B && $CLI --verifica p.csv --taeg-dichiarato 7,76 --pdf r.pdf && pdftotext -layout r.pdf r.txt' 'grep -Eq "^TAEG CALCOLATO +: 7,76 %$" out && grep -Eq "^DIFFERENZA +: 0,00 punti$" out && grep -q "PIANO RIPRODOTTO: 180 RATE SU 180" r.txt'
prova 2 '«r.csv» alla riga 2: «abc» non è un importo.' 'printf "N;Scadenza;Rata\n1;01/02/2026;abc\n" >r.csv && $CLI --verifica r.csv --csv d.csv' '[ ! -e d.csv ]'
prova 2 '--csv: «p.csv» porta al piano della banca letto «p.csv»' '$CLI $B && cp p.csv q.csv && $CLI --verifica p.csv --csv p.csv' 'cmp p.csv q.csv'
prova 0 '' "$A"' && $CLI a.pianoamm --tasso 4 --salva a.pianoamm --csv c.csv' 'grep -q "\"tasso\": 4," a.pianoamm'
prova 2 '«f» non è un file: è una pipe con nome.' "$A"' && mkfifo f && $CLI --confronta a.pianoamm f' '[ -p f ]'
prova 2 '«f» non è un file: è una pipe con nome.' 'mkfifo f && $CLI f --csv c.csv' '[ ! -e c.csv ]'
prova 2 '«/dev/zero» non è un file: è un dispositivo.' '$CLI /dev/zero'
prova 2 '«s» non è un file: è un socket.' 'python3 -c "import socket as s; s.socket(s.AF_UNIX).bind(\"s\")" && $CLI s'
# The text outputs need no printout; the printout needs its helper.
prova 1 'pianoamm-pdf»: non è installato' 'cp $CLI . && ./pianoamm-cli $CORTA >p.txt && ./pianoamm-cli $CORTA --pdf p.pdf' '[ -s p.txt ] && [ ! -e p.pdf ]'
prova 1 'Il servizio di stampa non risponde: la stampa su «X» non è partita.' 'CUPS_SERVER=/nessun-servizio/cups.sock $CLI $CORTA --stampante X'
prova 2 'dopo la rata 2 rende il piano instabile: alla rata 3' '$CLI --importo 10000 --numero-rate 120 --tasso 5 --cadenza annuale --variazione 2:99 --csv s.csv' '[ ! -e s.csv ]'
# A rate change to the rate in force changes nothing: refused, nothing written.
prova 2 'Il tasso è già del 4,50 % dopo la rata 6: la variazione non cambierebbe nulla.' '$CLI $CORTA --variazione 3:4,5 --variazione 6:4,5 --csv s.csv' '[ ! -e s.csv ] && [ ! -s out ]'
# The variable rate's worked example (CSV with a spreadsheet's mark, a heading, both decimal marks, Windows line ends):
# its revisions, its total, and the same listing from the loan file saved with it; the index file's faults, by line.
V='--importo 100000 --numero-rate 240 --tasso 3 --cadenza mensile --data 01/01/2025 --arrotondamento centesimi --indice i.csv'
prova 0 '' 'printf "\xef\xbb\xbfData;Euribor\r\n01/01/2025;2,00\r\n01/06/2025;2.5\r\n01/12/2025;-0,40\r\n" >i.csv && $CLI $V --spread 1,5 --revisione 6 --salva v.pianoamm >a && $CLI v.pianoamm >b' 'cmp a b && grep -qx "      TASSO 4,000 DALLA RATA 7 (INDICE 2,500 + SPREAD 1,500): NUOVA RATA 604,81" a && grep -qx "      TASSO 1,100 DALLA RATA 13 (INDICE -0,400 + SPREAD 1,500): NUOVA RATA 469,12" a && grep -qx "TOTALE QUOTA INTERESSI : *13.915,08" a && grep -q "\"versione\": 3," v.pianoamm'
prova 2 '«i.csv» alla riga 3: il 01/06/2025 non viene dopo il 01/06/2025 della riga prima: le date devono crescere.' 'printf "Data\n01/06/2025;2\n01/06/2025;3\n" >i.csv && $CLI $V'
prova 2 '«i.csv» alla riga 2: «01/07/2025;2;3» non è nella forma GG/MM/AAAA;valore.' 'printf "01/06/2025;2\n01/07/2025;2;3\n" >i.csv && $CLI $V'
prova 2 '«i.csv» alla riga 2: «» non è nella forma' 'printf "01/06/2025;2\n\n01/07/2025;2\n" >i.csv && $CLI $V'
prova 2 '«i.csv» alla riga 1: «32/01/2025» non è una data valida (GG/MM/AAAA).' 'printf "32/01/2025;2\n" >i.csv && $CLI $V'
prova 2 '«i.csv» alla riga 2: «1.234,5» non è un numero valido' 'printf "Data;Valore\n01/01/2025;1.234,5\n" >i.csv && $CLI $V'
prova 2 '«i.csv» alla riga 1: «2,0001» non è un numero valido' 'printf "01/01/2025;2,0001\n" >i.csv && $CLI $V'
prova 2 'alla riga 1: Il valore dell' 'printf "01/01/2025;-20,001\n" >i.csv && $CLI $V'
prova 2 '«i.csv» non ha valori dell' 'printf "Data;Valore\n" >i.csv && $CLI $V'
prova 2 '«i.csv» ha più di 2.000 righe.' 'yes "01/01/2025;1" | head -n 2001 >i.csv && $CLI $V'
prova 2 '«d» non è un file: è una cartella.' 'mkdir d && $CLI ${V%i.csv}d'
# A first line that begins with blanks is a value, not a heading; a line too long to quote is quoted by its start.
prova 0 '' 'printf " 01/01/2025;2\n01/06/2025;2,5\n01/12/2025;-0,4\n" >i.csv && $CLI $V --spread 1,5 --revisione 6 >a' 'grep -q "TOTALE QUOTA INTERESSI : *13.915,08" a'
prova 2 '«i.csv» alla riga 1: «1111' 'printf "01/01/2025;%05000d\n" 1 | tr 0 1 >i.csv && $CLI $V' '[ $(wc -c <err) -lt 300 ]'
# A plan refused only with the index moved says so.
prova 2 'Con il rialzo di 0,5 punti: il tasso è già del 1,60 %' 'printf "01/01/2025;2\n01/06/2025;2,5\n01/12/2025;-0,4\n" >i.csv && $CLI $V --spread 1,5 --revisione 6 --variazione 12:1,6 --rialzo 0,5'
# The TAEG at the contract's level needs the index on the disbursement: refused like the plan, before any file.
prova 2 'erogazione, il 01/01/2025, ma il primo valore dell' 'printf "01/06/2025;2,5\n" >i.csv && $CLI $V --revisione 6 --taeg --csv s.csv' '[ ! -e s.csv ] && [ ! -s out ]'
# The index moved by 2 points (tests/dati/modello_tasso_variabile.py --rialzo 2: 712,63 from row 7, 35.832,25 of
# interest); the TAEG at the contract's level is the fixed loan's at 2,00 + 1,50, and the shifted one's is the TAEG of the
# series moved by hand.
prova 0 '' 'printf "01/01/2025;2\n01/06/2025;2,5\n01/12/2025;-0,4\n" >i.csv && $CLI $V --spread 1,5 --revisione 6 --rialzo 2 >a' 'tail -5 a | normale >r && printf "SERIE INSERITA RIALZO DI 2 PUNTI\nRATA MASSIMA : 604,81 712,63\nN. RATA MASSIMA : 7 7\nTOTALE QUOTA INTERESSI : 13.915,08 35.832,25\nTOTALE GENERALE : 113.915,08 135.832,25\n" | cmp - r'
prova 0 '' 'printf "01/01/2025;2\n01/06/2025;2,5\n01/12/2025;-0,4\n" >i.csv && printf "01/01/2025;4\n01/06/2025;4,5\n01/12/2025;1,6\n" >j.csv && W=${V/-tasso 3 /-tasso 3,5 } && $CLI $W --spread 1,5 --revisione 6 --taeg --rialzo 2 >t && $CLI $W --spread 1,5 --revisione 6 --taeg >s && $CLI ${W%--indice*} --taeg >f && $CLI ${W/i.csv/j.csv} --spread 1,5 --revisione 6 --taeg >g' 'grep -qx "TAEG (TASSO AL LIVELLO DEL CONTRATTO) : $(sed -n "s/^TAEG *: //p" f)" t && grep -q "^TAEG (SERIE DELL.INDICE INSERITA) *: " t && grep -qx "TAEG CON RIALZO DI 2 PUNTI *: $(sed -n "s/^TAEG (SERIE.*: //p" g)" t && [ "$(grep -v RIALZO t)" = "$(cat s)" ]'
# The costs' CSV carries the same TAEG lines as the text, the rate as a number.
prova 0 '' 'printf "01/01/2025;2\n01/06/2025;2,5\n01/12/2025;-0,4\n" >i.csv && $CLI $V --spread 1,5 --revisione 6 --spese-iniziali 1000 --taeg --rialzo 2 >t && $CLI $V --spread 1,5 --revisione 6 --spese-iniziali 1000 --taeg --rialzo 2 --detrazione --csv c.csv >/dev/null' 'a=$(sed -n "s/^TAEG (TASSO AL LIVELLO DEL CONTRATTO) *: \(.*\) %$/\1/p" t) && b=$(sed -n "s/^TAEG CON RIALZO DI 2 PUNTI *: \(.*\) %$/\1/p" t) && [ -n "$a$b" ] && grep -qx "TAEG (tasso al livello del contratto);$a.\?" c.csv && grep -qx "TAEG con rialzo di 2 punti;$b.\?" c.csv'
# The value found from the installment first, a blank line, then the outputs; on standard error when
# standard output carries a file; no answer writes nothing.
prova 0 '' '$CLI --importo 8000 --numero-rate 48 --rata 200 --cadenza mensile >o' '[ "$(sed -n 1p o)" = "TASSO % ANNUALE TROVATO : 9,2418" ] && [ -z "$(sed -n 2p o)" ] && grep -q "TASSO % ANNUALE :    9,242" o'
prova 0 'IMPORTO TROVATO : 199.999,49' '$CLI --numero-rate 180 --tasso 7,5 --rata 1854,02 --cadenza mensile --data 15/03/2026 --csv - >c' 'grep -q "^1;15/04/2026;1249,00;605,02;1854,02;199394,47" c'
prova 2 'Nessun tasso tra 0 e 99 % dà questa rata.' '$CLI --importo 8000 --numero-rate 48 --rata 166 --cadenza mensile --csv s.csv' '[ ! -e s.csv ] && [ ! -s out ]'
# The known first due date: row 0 of 15 days on 30/03/2026; the default one changes nothing.
K='--importo 150000 --numero-rate 300 --tasso 3,5 --cadenza mensile --data 15/03/2026'
prova 0 '' '$CLI $K --prima-scadenza 30/04/2026 --arrotondamento centesimi --base-giorni 360 --csv - >c' 'grep -q "^0;30/03/2026;218,75;0,00;218,75;150000,00" c && grep -q "^1;30/04/2026;437,50;" c'
prova 0 '' '$CLI $K --prima-scadenza 30/04/2026 --taeg' 'grep -q "^CONDIZIONI DEL PIANO  *: PRIMA SCADENZA 30/04/2026" out'
prova 0 '' '$CLI $K --per-anno --taeg >a && $CLI $K --per-anno --taeg --prima-scadenza 15/04/2026 >b' 'cmp a b'
# Paid off on a day and moved to another bank, under the listing; a day past the plan refused before anything is written.
prova 0 '' '$CLI ${K/2026/2025} --arrotondamento centesimi --estingui-il 10/09/2027 --cambia-il 10/09/2027 --tipo surroga --nuovo-tasso 2,6 --salva s.pianoamm' 'grep -qx "TOTALE DA PAGARE *: 140.879,52" out && grep -qx "RISPARMIO TOTALE *: 17.090,66" out && grep -q "\"importo\": 140879.52,$" s.pianoamm'
# A new loan that cannot be worked out is named as such.
prova 2 "Il nuovo mutuo: l'importo del finanziamento deve essere compreso tra 0 e 999.999.999." '$CLI ${K/150000/999999999} --cambia-il 10/04/2026 --tipo surroga --nuovo-tasso 2' '[ ! -s out ]'
prova 2 "(16/03/2050) deve cadere tra l'erogazione del 15/03/2025 e l'ultima scadenza del 15/03/2050." '$CLI ${K/2026/2025} --estingui-il 16/03/2050' '[ ! -s out ]'
# With --detrazione, the new loan's deduction, its share of (140.879,52 + 3.000) / 180.000 of 1.166,82 + 3.000; and its file.
prova 0 '' '$CLI ${K/2026/2025} --arrotondamento centesimi --cambia-il 10/09/2027 --tipo sostituzione --nuovo-tasso 2,6 --spese-nuove 3000 --nuovo-importo 180000 --detrazione --salva n.pianoamm' 'grep -q "^  2027 *1.166,82 *3.000,00 *3.330,67 *632,83$" out && grep -q "^Proporzione 79,93 %: debito estinto" out && grep -q "\"debito_sostituito\": 143879.52" n.pianoamm'
# The deduction as the law stands: its cuts' column and the rules' lines; without the figures, today's table.
prova 0 '' '$CLI --importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 15/03/2023 --detrazione --data-contratto 01/01/2023 >o' 'grep -q "IMPORTO DETRAIBILE            RIDUZIONI" o'
prova 0 '' '$CLI --importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 15/03/2023 --detrazione --reddito 250000 >o' 'grep -q "IMPORTO DETRAIBILE            RIDUZIONI" o && grep -qx "Dal 2026: riduzione di 440,00 per un reddito oltre 200.000,00." o && grep -q "^  2024 .* 260,00 " o'
# The cost blocks in their order under the loan's data and the costs entered (ten lines), a blank line
# between them, and no listing.
prova 0 '' '$CLI $CORTA --per-anno --detrazione --taeg --spese-rata 1 >o' "awk 'NF == 0 {b++} /^IMPORTO DEL FINANZIAMENTO /{i = NR} /^TAN /{t = NR} /ONERI ACCESSORI/{d = NR} /TOTALE PAGATO/{p = NR} /SCADENZA/{exit 1} END {exit !(i == 1 && t == 12 && t < d && d < p && b == 3)}' o"
# The costs' CSV: the loan's data and the costs entered, with --taeg the costs, then the deduction's table.
DATI=$'\xef\xbb\xbfImporto del finanziamento;100000,00\nNumero rate;10\nCadenza;annuale\nTasso annuo (%);5,00\nData di erogazione;06/04/2006\nSpese iniziali;0,00\nImposta sostitutiva (%);0,00\nSpese per rata;0,00\nQuota a proprio carico (%);100,00\nLimite annuo detraibile;4000,00\n'
TABELLA=$'Anno;Interessi;Oneri accessori;Importo detraibile;Detrazione\n2007;5000,00;0,00;4000,00;760,00'
COSTO=$'TAN;5,00\nTAEG;5,00\nCosto totale del credito;29504,57\nImporto totale dovuto;129504,57\nImposta sostitutiva;0,00\nImporto netto erogato;100000,00\n'
prova 0 '' '$CLI $CORTA --detrazione --csv d.csv >o' '[ "$(tr -d "\r" <d.csv | head -13)" = "$DATI"$'"'\n'"'"$TABELLA" ] && [ "$(tail -1 d.csv)" = $'"'Totale;29504,57;0,00;27717,57;5266,34\r'"' ] && grep -q "^TOTALE " o && [ "$(head -1 o)" = "IMPORTO DEL FINANZIAMENTO  : 100.000,00" ]'
prova 0 '' '$CLI $CORTA --detrazione --taeg --csv d.csv >/dev/null' '[ "$(tr -d "\r" <d.csv | head -20)" = "$DATI"$'"'\n'"'"$COSTO"$'"'\n'"'"$TABELLA" ]'
# A figure is never taken for a formula's text: a negative one stays a number.
prova 0 '' '$CLI $CORTA --detrazione --taeg --spese-iniziali 100000 --imposta-sostitutiva 2 --csv d.csv >o' 'grep -q "^Importo netto erogato;-2000,00" d.csv'
prova 0 '' '$CLI $CORTA --taeg >o' '[ "$(head -9 o)" = "$(printf "%s\n" "IMPORTO DEL FINANZIAMENTO : 100.000,00" "NUMERO RATE               : 10" "CADENZA                   : annuale" "TASSO ANNUO (%)           : 5,00" "DATA DI EROGAZIONE        : 06/04/2006" "SPESE INIZIALI            : 0,00" "IMPOSTA SOSTITUTIVA (%)   : 0,00" "SPESE PER RATA            : 0,00" "")" ] && [ "$(sed -n 10p o)" = "TAN                      : 5,00 %" ] && [ "$(tail -2 o | tr "\n" "|")" = "IMPOSTA SOSTITUTIVA      : 0,00|IMPORTO NETTO EROGATO    : 100.000,00|" ]'
# A loan file: saved whole with everything given, read back to the same outputs; compared with another.
prova 0 '' '$CLI $CORTA --estinzione 3:1000 --per-anno --salva m.pianoamm >a && $CLI m.pianoamm --per-anno >b' 'cmp a b && grep -q "\"importo\": 1000$" m.pianoamm'
prova 1 '«/dev/full»: spazio esaurito' '$CLI $CORTA --salva /dev/full' '[ -c /dev/full ]'
prova 2 'Il file «x.pianoamm» non si può aprire: non è un documento JSON valido: errore alla riga 2, colonna 1.' 'echo "{" >x.pianoamm && $CLI x.pianoamm --csv c.csv' '[ ! -e c.csv ]'
prova 0 '' '$CLI $CORTA --salva a.pianoamm --nome A >/dev/null && $CLI a.pianoamm --tasso 4 --salva b.pianoamm --nome B >/dev/null && $CLI --confronta a.pianoamm b.pianoamm --csv c.csv && $CLI --confronta a.pianoamm b.pianoamm >t' 'grep -q "^INTERESSI TOTALI;29504,57;" c.csv && grep -q "^TAN;5,00;4,00" c.csv && [ "$(tail -1 t)" = "IMPORTO TOTALE DOVUTO PIÙ BASSO: B" ]'
# A simulated plan: its listing, its rows in the files, its years.
prova 0 '' '$CLI $CORTA --estinzione 5:20000:durata --csv s.csv --per-anno >o' 'grep -q "^5;06/04/2011;.*;20000,00;5,000" s.csv && grep -q "^TOTALE      9 " o'
# A shortened plan's last row settles the carried fractions (dati/modello_eventi.py); one installment a year has the annual rate
# whichever the rule (12,50 x 13 % = 1,625: up); row 51 pays 5.300 x 26,415 % = 1.400 of interest and no capital.
prova 0 '' '$CLI --importo 10000 --numero-rate 12 --tasso 5 --cadenza mensile --data 01/01/2026 --estinzione 3:1000:durata --csv -' 'grep -q "^11;01/12/2026;3,50;671,25;674,75;0,00;" out'
prova 0 '' '$CLI --importo 12,50 --numero-rate 2 --tasso 13 --cadenza annuale --data 01/01/2026 --arrotondamento centesimi --tasso-periodo equivalente --csv -' 'grep -q "^1;01/01/2027;1,63;5,86;7,49;6,64" out'
prova 0 '' '$CLI --importo 5300 --numero-rate 178 --tasso 52,83 --cadenza semestrale --data 01/08/2015 --arrotondamento centesimi --preammortamento 50' 'grep -q "FINE PREAMMORTAMENTO: DALLA RATA 51 RATA 1.400,00$" out'
prova 0 '' '$CLI $CORTA --preammortamento 1' 'grep -q "^1 RATA DI PREAMMORTAMENTO$" out'
# A plan that would not close on its last row: the row, and what carries it.
prova 2 'alla rata 999 la quota interessi sarebbe negativa. Il piano si chiude arrotondando al centesimo o con 216 rate.' '$CLI --importo 100000 --numero-rate 999 --tasso 4,25 --cadenza annuale --data 29/02/2024 --tasso-periodo equivalente --variazione 25:99 --estinzione 48:0,01 --per-anno' '[ ! -s out ]'
prova 2 'La variazione di tasso dopo la rata 263 rende il piano instabile: alla rata 264 la quota capitale sarebbe negativa.' '$CLI --importo 999999999 --numero-rate 999 --tasso 0,01 --cadenza annuale --data 29/02/2024 --variazione 263:99 --sospensione 681:4:rata'
prova 2 'Una scadenza cadrebbe oltre il 31/12/9999' '$CLI --importo 1000 --numero-rate 1 --tasso 5 --cadenza annuale --data 31/12/9999'
# 65 lines a page: 54 rows fill the first, 62 each later one.
prova 0 '' 'pdf 1 --importo 1000 --numero-rate 54 --tasso 5 --cadenza mensile'
prova 0 '' 'pdf 3 --importo 1000 --numero-rate 120 --tasso 5 --cadenza mensile'
prova 0 '' 'pdf 17 $LUNGA'
exit $falliti
)sh",
               bash);
    EXPECT_EQ(::pclose(bash), 0);
}

// The command line run with these arguments: its standard output and error, kept in cartella.
std::pair<std::string, std::string> Lancia(const std::string& cartella, std::vector<std::string> argomenti)
{
    argomenti.insert(argomenti.begin(), PIANOAMM_CLI);
    std::vector<char*> argv;
    argv.reserve(argomenti.size() + 1);
    for (std::string& argomento : argomenti)
        argv.push_back(argomento.data());
    argv.push_back(nullptr);
    const std::string uscite[] = {cartella + "uscita", cartella + "errore"};
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    for (int i = 0; i < 2; ++i)
        posix_spawn_file_actions_addopen(&azioni, i + 1, uscite[i].c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t figlio = 0;
    int stato = 0;
    EXPECT_EQ(posix_spawn(&figlio, PIANOAMM_CLI, &azioni, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&azioni);
    ::waitpid(figlio, &stato, 0);
    std::ifstream uscita(uscite[0], std::ios::binary), errore(uscite[1], std::ios::binary);
    return {{std::istreambuf_iterator<char>(uscita), {}}, {std::istreambuf_iterator<char>(errore), {}}};
}

// A name or a file name never acts on the terminal: the comparison and the messages show it escaped, whole, in its
// column; a CSV holds it as it is, never as a formula.
TEST(ProgrammaCli, TestiOstili)
{
    // A folder of its own: the same test runs again beside it in Italian.
    std::string cartella = ::testing::TempDir() + "ostiliXXXXXX";
    ASSERT_NE(::mkdtemp(cartella.data()), nullptr);
    cartella += '/';
    const std::string a = cartella + "a.pianoamm", b = cartella + "b.pianoamm", rotto = cartella + "rotto.pianoamm";
    ScriviFileOfferta(b, {"B", {1000, 10, 5, {2020, 1, 1}, Cadenza::Annuale, {}}, {}, {}, {}});
    const auto caratteri = [](std::string_view riga) {
        return std::ranges::count_if(riga, [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; });
    };
    for (const auto& [testo, visibile, csv] : TestiOstili) {
        ScriviFileOfferta(a, {testo, {1000, 10, 4, {2020, 1, 1}, Cadenza::Annuale, {}}, {}, {}, {}});
        const std::string confronto = Lancia(cartella, {"--confronta", a, b}).first;
        const std::string migliori =
            std::string("\n\nTAEG PIÙ BASSO: ").append(visibile).append("\nIMPORTO TOTALE DOVUTO PIÙ BASSO: ");
        EXPECT_TRUE(confronto.ends_with(migliori + visibile + "\n")) << confronto;
        const std::size_t intestazione = confronto.find('\n'), regola = confronto.find('\n', intestazione + 1);
        EXPECT_EQ(caratteri(confronto.substr(0, intestazione)), regola - intestazione - 1) << confronto;
        const std::string tabella = Lancia(cartella, {"--confronta", a, b, "--csv", "-"}).first;
        EXPECT_EQ(tabella.substr(0, tabella.find(";B\r\n")), std::string("\xEF\xBB\xBF;").append(csv));
        std::ofstream(rotto, std::ios::binary) << MutuoConCadenza(testo);
        const std::string motivo = "pianoamm-cli: Il file «" + rotto + "» non si può aprire: «mutuo.cadenza»: «";
        EXPECT_EQ(Lancia(cartella, {rotto}).second, motivo + visibile + "» non è una cadenza valida.\n");
        if (testo.find('\0') == std::string::npos) {  // no file name holds one
            const std::string nome = cartella + visibile;
            EXPECT_EQ(Lancia(cartella, {cartella + testo}).second,
                      "pianoamm-cli: Impossibile aprire il file «" + nome + "»: il file non esiste.\n");
        }
    }
    std::filesystem::remove_all(cartella);
}

}  // namespace

#include "app/uso_cli.h"

#include "app/opzioni_cli.h"
#include "app/termini_cli.h"

#include "engine/cadenza.h"
#include "engine/cambio.h"
#include "engine/eventi/estinzione.h"
#include "engine/eventi/sospensione.h"
#include "engine/inverso.h"
#include "engine/limiti.h"
#include "engine/voce.h"

namespace pianoamm {

namespace {

using cli::Termine;
using cli::Termini;

std::string Intervallo(const Limite& limite)
{
    return "da " + std::to_string(static_cast<long long>(limite.minimo)) + " a "
           + std::to_string(static_cast<long long>(limite.massimo));
}

// Where the options' descriptions begin.
constexpr std::size_t Colonna = 23;

// The frequencies' words from the descriptions' column, going on to a second
// line rather than past the 80th.
std::string CadenzeInColonna()
{
    std::string cadenze = Parole(Cadenze, ", ", " o ");
    if (Colonna + cadenze.size() > 79)
        cadenze.replace(cadenze.rfind(", ", 79 - Colonna), 2, ",\n" + std::string(Colonna, ' '));
    return cadenze;
}

// The plan's terms in the synopsis, each line filled as far as the
// synopsis's widest before the next begins.
std::string SintassiTermini()
{
    const std::string rientro(20, ' ');
    std::string testo;
    std::string riga;
    for (std::size_t k = 0; k < Termini.size(); ++k) {
        std::string parte = std::string("[").append(Termini[k].nome).append(" ") + Termini[k].valore() + "]";
        // The next option, of use only with this one, inside its brackets.
        if (k + 1 < Termini.size() && Termini[k + 1].conPrecedente)
            parte.pop_back();
        if (Termini[k].conPrecedente)
            parte += "]";
        if (!riga.empty() && rientro.size() + riga.size() + 1 + parte.size() > 88) {
            testo += rientro + riga + "\n";
            riga.clear();
        }
        riga += (riga.empty() ? "" : " ") + parte;
    }
    return testo + rientro + riga + "\n";
}

// The plan's terms in --help: the name with the first line of its help when
// it fits before the descriptions' column, the others under it. Those that
// add payments come after the rest.
std::string AiutoTermini()
{
    std::string testo;
    for (const bool dopo : {false, true}) {
        for (const Termine& termine : Termini) {
            if (termine.dopoNellAiuto != dopo)
                continue;
            const std::string nome = "  " + std::string(termine.nome) + " " + termine.valore();
            testo += nome.size() < Colonna ? nome + std::string(Colonna - nome.size(), ' ')
                                           : nome + "\n" + std::string(Colonna, ' ');
            for (const char c : termine.aiuto)
                testo += c == '\n' ? "\n" + std::string(Colonna, ' ') : std::string(1, c);
            testo += "\n";
        }
    }
    return testo;
}

// The options whose values are words of a closed set, as the syntax and
// the list of options write them.
struct Scelte {
    std::string trova = "--trova " + Parole(Incognite, "|");
    std::string estinzione = "--estinzione N:IMPORTO[:" + Parole(Riduzioni, "|:") + "]";
    std::string sospensione = "--sospensione N:K[:" + Parole(TipiSospensione, "|:") + "]";
};

std::string Sintassi(const Scelte& scelte)
{
    return "Uso: pianoamm-cli --importo IMPORTO --numero-rate N --tasso TASSO --cadenza CADENZA "
           "[--data GG/MM/AAAA]\n"
           "                    [--rata R ["
           + scelte.trova + "]]\n" + SintassiTermini()
           + "                    [--pdf FILE] [--csv FILE] [--stampa | --stampante NOME] [--per-anno]\n"
             "                    [--taeg] [--rialzo P]\n"
             "                    [--detrazione [--quota P] [--limite X] [--costo-acquisto C]\n"
             "                    [--reddito R] [--figli 0|1|2|3] [--altri-oneri O]\n"
             "                    [--data-contratto GG/MM/AAAA]]\n"
             "                    [--spese-iniziali X] [--imposta-sostitutiva P] [--spese-rata X]\n"
             "                    ["
           + scelte.estinzione
           + "]... [--penale P]\n"
             "                    [--variazione N:TASSO]... ["
           + scelte.sospensione
           + "]...\n"
             "                    [--estingui-il GG/MM/AAAA] [--cambia-il GG/MM/AAAA\n"
             "                    --tipo "
           + cli::ParoleDi<TipiCambio>()
           + " --nuovo-tasso T [--nuove-rate N]\n"
             "                    [--spese-nuove X] [--nuovo-importo A]]\n"
             "       pianoamm-cli FILE.pianoamm [opzioni] [--salva FILE [--nome NOME]]\n"
             "       pianoamm-cli --confronta FILE FILE [FILE [FILE]] [--csv FILE]\n"
             "       pianoamm-cli --verifica FILE [--importo IMPORTO] [--tasso TASSO] [--csv FILE]\n"
             "                    [--pdf FILE] [--taeg-dichiarato X [--spese-iniziali S]\n"
             "                    [--imposta-sostitutiva I] [--spese-rata R]]\n";
}

// The options between the terms' and the events': the outputs, the costs
// and the deduction.
constexpr const char* Uscite = "  --pdf FILE           scrive la stampa del piano nel file PDF indicato\n"
                               "  --csv FILE           scrive il piano nel file CSV indicato (per i fogli di calcolo)\n"
                               "  --stampa             stampa il piano sulla stampante predefinita\n"
                               "  --stampante NOME     stampa il piano sulla stampante NOME\n"
                               "  --per-anno           mostra gli interessi pagati in ogni anno solare\n"
                               "  --taeg               mostra TAN, TAEG, costo totale, importo dovuto, imposta\n"
                               "                       sostitutiva in euro e importo netto erogato; a tasso\n"
                               "                       variabile il TAEG al livello del contratto, poi sulla\n"
                               "                       serie dell'indice inserita\n"
                               "  --rialzo P           tasso variabile: l'indice spostato di P punti (da -5 a 10)\n"
                               "                       dalla prima revisione; sotto il piano rata massima,\n"
                               "                       interessi e totale accanto a quelli della serie\n"
                               "                       inserita, con --taeg un terzo TAEG\n"
                               "  --detrazione         mostra, per ogni anno solare, la detrazione del 19% degli\n"
                               "                       interessi e degli oneri accessori (mutuo per l'abitazione\n"
                               "                       principale); con --csv la scrive nel file al posto del piano\n"
                               "  --quota P            quota del mutuo a proprio carico, in percentuale (100)\n"
                               "  --limite X           limite annuo detraibile (4000; 2582,28 per la costruzione)\n"
                               "  --costo-acquisto C   con un mutuo oltre C si detrae la parte C/mutuo\n"
                               "                       (Circ. 15/E/2005)\n"
                               "  --reddito R          reddito complessivo: riduzioni dal 2024 (d.lgs. 216/2023,\n"
                               "                       legge 199/2025) e tetto dal 2025 (art. 16-ter TUIR)\n"
                               "  --figli N            figli a carico per il tetto (3: tre o più, o disabili)\n"
                               "  --altri-oneri O      altri oneri al 19 % nel tetto, considerati per primi (0)\n"
                               "  --data-contratto GG/MM/AAAA\n"
                               "                       stipula del mutuo: dal 2025 nel tetto (predefinita: --data)\n"
                               "  --spese-iniziali X   spese pagate all'erogazione (istruttoria, perizia, ...)\n"
                               "  --imposta-sostitutiva P\n"
                               "                       imposta sostitutiva in percentuale dell'importo (0,25 o 2)\n"
                               "  --spese-rata X       spese pagate con ogni rata (incasso rata)\n";

// Closing the loan on a day and changing lender, after the events.
constexpr const char* Cambio = "  --estingui-il GG/MM/AAAA\n"
                               "                       sotto il piano, quanto costa estinguere il mutuo quel\n"
                               "                       giorno: rate pagate, debito residuo, interessi\n"
                               "                       dall'ultima scadenza (su --base-giorni), penale, totale\n"
                               "  --cambia-il GG/MM/AAAA\n"
                               "                       sotto il piano, un nuovo mutuo che estingue questo quel\n"
                               "                       giorno, confrontato con il resto del piano attuale\n"
                               "  --tipo surroga|sostituzione\n"
                               "                       surroga: stesso debito, senza spese (120-quater TUB);\n"
                               "                       sostituzione: con spese e importo anche maggiore\n"
                               "  --nuovo-tasso T      tasso annuo del nuovo mutuo\n"
                               "  --nuove-rate N       rate del nuovo mutuo (predefinite: quelle residue)\n"
                               "  --spese-nuove X      spese della sostituzione: la rata da cui i risparmi le\n"
                               "                       ripagano, o mai\n"
                               "  --nuovo-importo A    importo della sostituzione (predefinito: debito residuo\n"
                               "                       più interessi maturati)\n";

// The loan file, the comparison, help and version, after the events.
constexpr const char* FileEAiuto =
    "  FILE.pianoamm        il mutuo salvato nel file: le opzioni date ne sostituiscono\n"
    "                       i valori, gli eventi si aggiungono ai suoi\n"
    "  --salva FILE         salva il mutuo con tutti i suoi dati nel file indicato\n"
    "  --nome NOME          nome dell'offerta salvata (per esempio la banca)\n"
    "  --confronta FILE...  confronta da 2 a 4 mutui salvati: rata, durata, TAN, TAEG,\n"
    "                       interessi, spese, costo totale, importo dovuto, detrazione\n"
    "  --verifica FILE      verifica il piano allegato dalla banca (CSV, celle di un\n"
    "                       foglio di calcolo o testo di un PDF): trova le condizioni\n"
    "                       che lo riproducono ed elenca le rate diverse; --importo e\n"
    "                       --tasso, se noti, al posto di quelli ricavati dalla\n"
    "                       tabella; con --csv le celle diverse, con --pdf la stampa\n"
    "  --taeg-dichiarato X  con --verifica: il TAEG dichiarato dalla banca, accanto a\n"
    "                       quello del piano trovato con i costi inseriti\n"
    "  --help               mostra questo aiuto\n"
    "  --version            mostra la versione\n"
    "\n";

// The options after the loan's first four, whose ranges come from the limits.
std::string AltreOpzioni(const Scelte& scelte)
{
    return std::string("  --data GG/MM/AAAA    data di erogazione (predefinita: oggi)\n"
                       "  --rata R             ricava dalla rata R il valore lasciato fuori tra --importo,\n"
                       "                       --numero-rate e --tasso (o quello nominato da --trova) e\n"
                       "                       lo scrive nella prima riga; metodo francese\n")
           + "  " + scelte.trova
           + "\n"
             "                       il valore da ricavare con --rata quando sono dati tutti\n"
           + AiutoTermini() + Uscite + "  " + scelte.estinzione
           + "\n"
             "                       rimborso anticipato di IMPORTO (o tutto) dopo la rata N;\n"
             "                       poi la rata si riduce (rata, predefinito) o la durata\n"
             "  --penale P           penale sui rimborsi anticipati e su --estingui-il, in\n"
             "                       percentuale (0)\n"
             "  --variazione N:TASSO dalla rata N+1 il tasso annuo è TASSO\n"
             "  "
           + scelte.sospensione
           + "\n"
             "                       sospende K rate (da 1 a 36) dopo la rata N: si paga solo\n"
             "                       la quota interessi (capitale, predefinito) o nulla, e gli\n"
             "                       interessi si aggiungono al debito (rata)\n"
           + Cambio + FileEAiuto;
}

// What the options do together, examples and the exit codes.
constexpr const char* Note = "Con --pdf, --csv, --stampa, --per-anno, --taeg o --detrazione il piano non viene\n"
                             "mostrato. --taeg, --detrazione e --per-anno si possono unire: escono in\n"
                             "quest'ordine, separati da una riga vuota. Con --estinzione, --variazione o\n"
                             "--sospensione (ripetibili) il piano, i file e --per-anno sono quelli simulati.\n"
                             "Con il nome di file - il PDF o il CSV va sullo standard output.\n"
                             "\n"
                             "Importi e percentuali accettano la virgola o il punto come separatore decimale,\n"
                             "con al massimo due decimali (quattro per --tasso) e senza separatori delle\n"
                             "migliaia.\n"
                             "\n"
                             "Esempi dalla rata, con rate mensili:\n"
                             "  8.000 in 48 rate da 200, --rata 200 senza --tasso: tasso 9,2418 %\n"
                             "  8.000 al 7 % con --rata 150 senza --numero-rate: 65 rate da 148,24\n"
                             "  180 rate al 7,5 % con --rata 1854,02 senza --importo: 199.999,49\n"
                             "\n"
                             "Esempi di condizioni del piano, con rate mensili:\n"
                             "  200.000 al 7,5 % in 180 rate, --arrotondamento centesimi: rata 1.854,02\n"
                             "  180.000 al 4,25 % in 360 rate, --metodo italiano: quota capitale 500\n"
                             "  90.000 al 14 % in 360 rate, --tasso-periodo equivalente: rata 1.007,88\n"
                             "  100.000 al 3 % in 120 rate, --maxi-rata 30000: rata 750,93\n"
                             "  100.000 al 3 % in 120 rate, --preammortamento 12: 12 rate di 250, poi 965,61\n"
                             "  150.000 al 3,5 % in 300 rate, --data 15/03/2026 --prima-scadenza 30/04/2026:\n"
                             "  rata 0 il 30/03/2026 di 215 (15 giorni; 215,75 al centesimo, 218,75 su 360)\n"
                             "\n"
                             "Esempi di estinzione e di cambio di banca, con rate mensili al centesimo:\n"
                             "  150.000 al 3,5 % in 300 rate dal 15/03/2025, --estingui-il 10/09/2027:\n"
                             "  29 rate pagate, debito 140.529,16, 26 giorni di interessi 350,36, totale\n"
                             "  140.879,52; --cambia-il 10/09/2027 --tipo surroga --nuovo-tasso 2,6: 271 rate\n"
                             "  da 687,87 invece di 750,94, risparmio totale 17.090,66\n"
                             "\n"
                             "Esempi di verifica del piano della banca, con rate mensili al centesimo:\n"
                             "  il CSV di 200.000 al 7,5 % in 180 rate (rata 1.854,02): PIANO RIPRODOTTO:\n"
                             "  180 RATE SU 180, ARROTONDAMENTO AI CENTESIMI; con la quota interessi della\n"
                             "  rata 100 di 735,25 invece di 734,75: RATE DIVERSE: 1 SU 180 (uscita 3)\n"
                             "\n"
                             "Uscita: 0 se tutto è stato scritto (o la stampa accettata), 1 se un file,\n"
                             "lo standard output o la stampa non sono riusciti, 2 se i dati sono rifiutati,\n"
                             "3 se --verifica trova rate diverse dal piano della banca.\n";

}  // namespace

std::string UsoCli()
{
    const std::string cadenze = CadenzeInColonna();
    const Scelte scelte;
    return Sintassi(scelte)
           + "\n"
             "Stampa il piano d'ammortamento a rata fissa (metodo francese) o a quota capitale\n"
             "costante (metodo italiano).\n"
             "\n"
             "  --importo IMPORTO    importo del finanziamento, "
           + Intervallo(LimiteImporto) + "\n  --numero-rate N      numero delle rate, intero "
           + Intervallo(LimiteNumeroRate) + "\n  --tasso TASSO        tasso annuo in percentuale, "
           + Intervallo(LimiteTasso) + "\n  --cadenza CADENZA    " + cadenze + "\n" + AltreOpzioni(scelte) + Note;
}

}  // namespace pianoamm

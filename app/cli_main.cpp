// pianoamm-cli: the schedule for scripts: the listing on standard output, or
// its printout as a PDF file or on a printer, the schedule as CSV, the
// interest per year.
//
// Exit codes: 2 when the arguments are refused, before anything is written;
// 1 when an output could not be written whole (a file, standard output, a
// print job the system did not accept); 3 when --verifica finds the bank's
// plan apart from every plan tried; 0 only when everything asked for is done.
//
// The text outputs need nothing beyond the standard library, and start as
// fast as any small program; the printout needs Qt, which is loaded only when
// asked for, by the helper programs: pianoamm-pdf draws the PDF, which this
// program writes like any other file, and pianoamm-stampa prints.

#include "app/cambio_cli.h"
#include "app/opzioni_cli.h"
#include "app/processo_cli.h"
#include "app/rialzo_cli.h"
#include "app/uscite_cli.h"
#include "app/uso_cli.h"
#include "app/verifica_cli.h"
#include "engine/anni.h"
#include "engine/confronto.h"
#include "engine/costi.h"
#include "engine/dati_costi.h"
#include "engine/detrazione.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "engine/listato.h"
#include "engine/rialzo.h"
#include "file/file_offerta.h"
#include "file/file_sicuro.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A standard descriptor the program was started without is taken by
// /dev/null, so that no file opened later can stand in its place and receive
// what was meant for it; opened for reading only, it fails every write as
// the closed descriptor would have.
void OccupaDescrittoriChiusi()
{
    for (int descrittore = 0; descrittore <= 2; ++descrittore) {
        if (::fcntl(descrittore, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY);
    }
}

// The helper at relativo from this program's own folder: the helpers are
// installed in a folder of their own, found from there, so that a build
// folder and an installed copy each run their own.
std::string Aiutante(std::string_view relativo)
{
    std::string programma(4096, '\0');
    const ssize_t lunghezza = ::readlink("/proc/self/exe", programma.data(), programma.size());
    if (lunghezza <= 0 || static_cast<std::size_t>(lunghezza) == programma.size())
        throw pianoamm::ErrorePiano("Impossibile trovare il programma di stampa: /proc non è disponibile.");
    programma.resize(programma.rfind('/', static_cast<std::size_t>(lunghezza)) + 1);
    return programma.append(relativo);
}

// The PDF, drawn by its helper and written here like any other file, then
// the print job, handed to the other helper. Returns 0, or a helper's 1 with
// its message told.
int Stampe(const pianoamm::OpzioniCli& opzioni, const std::optional<pianoamm::Destinazione>& pdf,
           std::string_view listato)
{
    if (pdf) {
        std::string documento;
        if (const int esito = pianoamm::EseguiAiutante({Aiutante(PIANOAMM_PDF)}, listato, &documento); esito != 0)
            return esito;
        pianoamm::ScriviFileSicuro(*pdf, documento);
    }
    if (!opzioni.stampa)
        return 0;
    std::vector<std::string> argomenti{Aiutante(PIANOAMM_STAMPA)};
    if (!opzioni.stampante.empty())
        argomenti.insert(argomenti.end(), {"--stampante", opzioni.stampante});
    else
        argomenti.emplace_back("--stampa");
    return pianoamm::EseguiAiutante(argomenti, listato, nullptr);
}

// The plan, and its simulation when events were given: the listing, the
// files and the years are the simulation's, the costs the plan's own.
struct Calcolo {
    pianoamm::Piano piano;
    std::optional<pianoamm::Simulazione> simulazione;
    std::vector<pianoamm::ValoriOfferta> confronto;  // the offers of --confronta
    std::optional<pianoamm::Verifica> verifica;
    // The plan shown, with the index moved by --rialzo.
    std::optional<pianoamm::Piano> rialzato;
    // The costs', deduction's and yearly blocks, or the check's report, and
    // the payoff's and the change's under the listing, worked out with the
    // plan so that a loan they cannot be worked out for is refused like the
    // plan, before any file is written.
    std::string blocchi;
    std::string dopoListato;

    // What uscita makes of the simulation, or else of the plan.
    template <typename Uscita>
    auto Mostrato(const Uscita& uscita) const
    {
        return simulazione ? uscita(*simulazione) : uscita(piano);
    }
};

// The offers in the files, each named after its file where it has no name.
std::vector<pianoamm::ValoriOfferta> ConfrontaFile(const std::vector<std::string>& file)
{
    std::vector<pianoamm::Offerta> offerte;
    std::vector<std::string> nomi;
    for (const std::string& nome : file) {
        offerte.push_back(pianoamm::LeggiFileOfferta(nome));
        nomi.push_back(nome.substr(nome.rfind('/') + 1));
    }
    return pianoamm::Confronta(offerte, nomi);
}

// The comparison alone: as CSV to its file, or as text.
int EseguiConfronto(const std::vector<pianoamm::ValoriOfferta>& confronto, const pianoamm::UsciteCli& uscite)
{
    if (uscite.csv)
        pianoamm::ScriviFileSicuro(*uscite.csv, pianoamm::CsvDi(pianoamm::CelleConfronto(confronto)));
    else
        pianoamm::ScriviUscita(pianoamm::TestoConfronto(confronto));
    pianoamm::ChiudiUscita();
    return 0;
}

// The blocks asked for, in this order, a blank line between them; the
// costs' under the loan's data and the costs entered.
std::string Blocchi(const pianoamm::OpzioniCli& opzioni, const Calcolo& calcolo)
{
    const pianoamm::Piano& piano = calcolo.piano;
    std::string blocchi;
    const auto blocco = [&blocchi](bool chiesto, const auto& testo) {
        if (chiesto)
            blocchi.append(blocchi.empty() ? "" : "\n").append(testo());
    };
    blocco(opzioni.taeg || opzioni.detrazione, [&] {
        return pianoamm::TestoDatiCosti(piano, opzioni.costi, opzioni.detrazione ? &opzioni.regole : nullptr);
    });
    blocco(opzioni.taeg,
           [&] { return pianoamm::TestoVoci(pianoamm::VociCosto(piano, opzioni.costi, opzioni.rialzo)); });
    blocco(opzioni.detrazione, [&] {
        return pianoamm::TabellaDetrazione(pianoamm::DetrazionePerAnno(piano, opzioni.costi, opzioni.regole));
    });
    blocco(opzioni.perAnno, [&] {
        return pianoamm::TabellaPerAnno(
            calcolo.Mostrato([](const auto& mostrato) { return pianoamm::InteressiPerAnno(mostrato); }));
    });
    return blocchi;
}

// The figures of the plan shown beside the shifted one's, under the listing.
std::string Rialzo(const pianoamm::OpzioniCli& opzioni, const Calcolo& calcolo)
{
    if (!calcolo.rialzato)
        return {};
    const pianoamm::Piano& mostrato = calcolo.simulazione ? calcolo.simulazione->piano : calcolo.piano;
    return pianoamm::TestoRialzo(mostrato, *calcolo.rialzato, *opzioni.rialzo);
}

int Esegui(const pianoamm::OpzioniCli& opzioni, const Calcolo& calcolo, const pianoamm::UsciteCli& uscite)
{
    if (!calcolo.confronto.empty())
        return EseguiConfronto(calcolo.confronto, uscite);
    if (calcolo.verifica) {
        if (const int esito = Stampe(opzioni, uscite.pdf, calcolo.blocchi); esito != 0)
            return esito;
        return pianoamm::EseguiVerifica(*calcolo.verifica, calcolo.blocchi, uscite);
    }
    const pianoamm::Piano& piano = calcolo.piano;
    // With --detrazione the file is the costs': the loan's data and the
    // costs entered, the cost's lines with --taeg, the deduction's table.
    if (uscite.csv) {
        pianoamm::ScriviFileSicuro(
            *uscite.csv,
            opzioni.detrazione
                ? pianoamm::EsportaCsvCosti(piano, opzioni.costi, opzioni.regole, opzioni.taeg, opzioni.rialzo)
                : calcolo.Mostrato([](const auto& mostrato) { return pianoamm::EsportaCsv(mostrato); }));
    }
    if (uscite.salva)
        pianoamm::ScriviFileSicuro(*uscite.salva, pianoamm::TestoOfferta(pianoamm::OffertaDaSalvare(opzioni)));

    // The value worked out from the installment comes first, or on standard
    // error when standard output carries a file.
    std::string trovato = opzioni.incognita ? pianoamm::RigaTrovata(piano, *opzioni.incognita) + "\n" : "";
    const pianoamm::Destinazione uscita = pianoamm::DestinazioneDescrittore(STDOUT_FILENO, "standard output");
    for (const auto* file : {&uscite.csv, &uscite.pdf}) {
        if (*file && pianoamm::StessaDestinazione(**file, uscita))
            std::cerr << std::exchange(trovato, std::string());
    }
    const bool stampe = uscite.pdf || opzioni.stampa;
    const bool mostraListato = pianoamm::MostraListato(opzioni);
    const pianoamm::Listato listato =
        stampe || mostraListato
            ? calcolo.Mostrato([](const auto& mostrato) { return pianoamm::ComponiListato(mostrato); })
            : pianoamm::Listato();
    if (stampe) {
        if (const int esito = Stampe(opzioni, uscite.pdf, listato.Testo()); esito != 0)
            return esito;
    }
    if (opzioni.versione)
        pianoamm::ScriviUscita("pianoamm-cli " PIANOAMM_VERSIONE "\n");
    else if (opzioni.aiuto)
        pianoamm::ScriviUscita(pianoamm::UsoCli());
    else if (!calcolo.blocchi.empty())
        pianoamm::ScriviUscita(trovato + (trovato.empty() ? "" : "\n") + calcolo.blocchi);
    else if (mostraListato)
        pianoamm::ScriviUscita(trovato + (trovato.empty() ? "" : "\n") + listato.Testo() + Rialzo(opzioni, calcolo)
                               + calcolo.dopoListato);
    else
        pianoamm::ScriviUscita(trovato);
    pianoamm::ChiudiUscita();
    return 0;
}

// A step's failure, told in the program's name; codice is the exit code.
int Fallito(const pianoamm::ErrorePiano& errore, int codice)
{
    std::cerr << "pianoamm-cli: " << errore.what() << '\n';
    return codice;
}

}  // namespace

int main(int argc, char* argv[])
{
    OccupaDescrittoriChiusi();
    // Past a size limit (ulimit -f) a write fails and is told like any
    // other, rather than ending the program with its temporary file left.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    pianoamm::OpzioniCli opzioni;
    Calcolo calcolo;
    pianoamm::UsciteCli uscite;
    try {
        opzioni = pianoamm::ConNuovoMutuo(pianoamm::LeggiOpzioniCli(argomenti, pianoamm::Oggi()));
        if (!opzioni.verifica.empty()) {
            const pianoamm::TabellaBanca tabella = pianoamm::LeggiFileTabellaBanca(opzioni.verifica);
            try {
                calcolo.verifica = pianoamm::VerificaTabella(tabella, opzioni.noti);
            } catch (const pianoamm::ErrorePiano& errore) {
                throw pianoamm::ConPremessa("il piano della banca «" + opzioni.verifica + "»", errore);
            }
            calcolo.blocchi = pianoamm::TestoDellaVerifica(*calcolo.verifica, opzioni);
        } else if (!opzioni.confronta.empty()) {
            calcolo.confronto = ConfrontaFile(opzioni.confronta);
        } else if (!opzioni.aiuto && !opzioni.versione) {
            calcolo.piano = pianoamm::PianoAmm(opzioni.mutuo);
        }
        const bool piano = !opzioni.aiuto && !opzioni.versione && opzioni.confronta.empty() && !calcolo.verifica;
        if (piano && !opzioni.scenario.eventi.empty())
            calcolo.simulazione = pianoamm::Simula(calcolo.piano, opzioni.scenario);
        if (opzioni.rialzo && !opzioni.taeg) {
            calcolo.rialzato = pianoamm::PianoConRialzo(opzioni.mutuo, *opzioni.rialzo,
                                                        calcolo.simulazione ? &opzioni.scenario : nullptr);
        }
        if (piano) {
            calcolo.blocchi = Blocchi(opzioni, calcolo);
            calcolo.dopoListato = pianoamm::TestoDopoListato(opzioni, calcolo.piano,
                                                             calcolo.simulazione ? &*calcolo.simulazione : nullptr);
        }
    } catch (const pianoamm::ErrorePiano& errore) {
        return Fallito(errore, 2);
    }
    // A file that cannot be reached is a failed output; outputs that would
    // spoil one another are refused, like the arguments, before any is written.
    try {
        uscite = pianoamm::TrovaUscite(opzioni);
    } catch (const pianoamm::ErrorePiano& errore) {
        return Fallito(errore, 1);
    }
    try {
        pianoamm::ControllaUscite(uscite, opzioni);
    } catch (const pianoamm::ErrorePiano& errore) {
        return Fallito(errore, 2);
    }
    try {
        return Esegui(opzioni, calcolo, uscite);
    } catch (const pianoamm::ErrorePiano& errore) {
        return Fallito(errore, 1);
    }
}

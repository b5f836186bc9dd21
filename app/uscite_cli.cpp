#include "app/uscite_cli.h"

#include "engine/errore.h"

#include <unistd.h>

#include <utility>

namespace pianoamm {

namespace {

Destinazione Trova(const std::string& nome)
{
    return nome == "-" ? DestinazioneDescrittore(STDOUT_FILENO, nome) : TrovaDestinazione(nome);
}

}  // namespace

bool MostraListato(const OpzioniCli& opzioni)
{
    return !opzioni.aiuto && !opzioni.versione && !opzioni.taeg && !opzioni.detrazione && !opzioni.perAnno
           && opzioni.csv.empty() && opzioni.pdf.empty() && !opzioni.stampa;
}

UsciteCli TrovaUscite(const OpzioniCli& opzioni)
{
    UsciteCli uscite;
    if (!opzioni.csv.empty())
        uscite.csv = Trova(opzioni.csv);
    if (!opzioni.pdf.empty())
        uscite.pdf = Trova(opzioni.pdf);
    return uscite;
}

void ControllaUscite(const UsciteCli& uscite, const OpzioniCli& opzioni)
{
    // As compressors do: binary data would only garble the screen.
    if (uscite.pdf && uscite.pdf->tipo == Destinazione::Tipo::Descrittore && ::isatty(uscite.pdf->descrittore) != 0)
        throw ErrorePiano("--pdf: «" + uscite.pdf->nome + "» è un terminale, che non può mostrare un PDF.");
    if (uscite.csv && uscite.pdf && StessaDestinazione(*uscite.csv, *uscite.pdf)) {
        throw ErrorePiano("--pdf: «" + uscite.pdf->nome
                          + "» porta allo stesso file di --csv: uno rovinerebbe l'altro.");
    }
    // With a file asked for, these alone write on standard output.
    if (!opzioni.taeg && !opzioni.detrazione && !opzioni.perAnno)
        return;
    const Destinazione uscita = DestinazioneDescrittore(STDOUT_FILENO, "standard output");
    for (const auto& [opzione, file] : {std::pair{"--csv", &uscite.csv}, std::pair{"--pdf", &uscite.pdf}}) {
        if (*file && StessaDestinazione(**file, uscita)) {
            throw ErrorePiano(std::string(opzione) + ": «" + (*file)->nome
                              + "» è lo stesso file dello standard output, che riceve il testo di --taeg, "
                                "--detrazione o --per-anno.");
        }
    }
}

}  // namespace pianoamm

#include "app/uscite_cli.h"

#include "engine/errore.h"

#include <unistd.h>

#include <iterator>
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
    return !opzioni.aiuto && !opzioni.versione && opzioni.confronta.empty() && !opzioni.taeg && !opzioni.detrazione
           && !opzioni.perAnno && opzioni.csv.empty() && opzioni.pdf.empty() && !opzioni.stampa;
}

UsciteCli TrovaUscite(const OpzioniCli& opzioni)
{
    UsciteCli uscite;
    if (!opzioni.csv.empty())
        uscite.csv = Trova(opzioni.csv);
    if (!opzioni.pdf.empty())
        uscite.pdf = Trova(opzioni.pdf);
    if (!opzioni.salva.empty())
        uscite.salva = Trova(opzioni.salva);
    return uscite;
}

void ControllaUscite(const UsciteCli& uscite, const OpzioniCli& opzioni)
{
    // As compressors do: binary data would only garble the screen.
    if (uscite.pdf && uscite.pdf->tipo == Destinazione::Tipo::Descrittore && ::isatty(uscite.pdf->descrittore) != 0)
        throw ErrorePiano("--pdf: «" + uscite.pdf->nome + "» è un terminale, che non può mostrare un PDF.");
    const std::pair<const char*, const std::optional<Destinazione>*> file[] = {
        {"--csv", &uscite.csv}, {"--pdf", &uscite.pdf}, {"--salva", &uscite.salva}};
    for (std::size_t i = 0; i < std::size(file); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (*file[i].second && *file[j].second && StessaDestinazione(**file[i].second, **file[j].second)) {
                throw ErrorePiano(std::string(file[i].first) + ": «" + (*file[i].second)->nome
                                  + "» porta allo stesso file di " + file[j].first + ": uno rovinerebbe l'altro.");
            }
        }
    }
    // What else writes on standard output: the text blocks, or the listing.
    const bool blocchi = opzioni.taeg || opzioni.detrazione || opzioni.perAnno;
    if (!blocchi && !MostraListato(opzioni))
        return;
    const Destinazione uscita = DestinazioneDescrittore(STDOUT_FILENO, "standard output");
    for (const auto& [opzione, destinazione] : file) {
        if (*destinazione && StessaDestinazione(**destinazione, uscita)) {
            throw ErrorePiano(std::string(opzione) + ": «" + (*destinazione)->nome
                              + "» è lo stesso file dello standard output, che riceve "
                              + (blocchi ? "il testo di --taeg, --detrazione o --per-anno." : "il listato."));
        }
    }
}

}  // namespace pianoamm

#include "app/uscite_cli.h"

#include "engine/errore.h"
#include "file/file_sicuro.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>
#include <utility>
#include <vector>

namespace pianoamm {

namespace {

Destinazione Trova(const std::string& nome)
{
    return nome == "-" ? DestinazioneDescrittore(STDOUT_FILENO, nome) : TrovaDestinazione(nome);
}

// The loan files read, as they stand now: one gone since is spoiled by no
// output.
std::vector<Destinazione> Lette(const OpzioniCli& opzioni)
{
    std::vector<std::string> nomi = opzioni.confronta;
    for (const std::string* nome : {&opzioni.fileMutuo, &opzioni.verifica}) {
        if (!nome->empty())
            nomi.push_back(*nome);
    }
    std::vector<Destinazione> lette;
    for (const std::string& nome : nomi) {
        Destinazione letta;
        letta.tipo = Destinazione::Tipo::Regolare;
        letta.nome = nome;
        if (::stat(nome.c_str(), &letta.info) == 0)
            lette.push_back(std::move(letta));
    }
    return lette;
}

// What writes on standard output besides the files: the text blocks, the
// listing, the comparison's table; nothing when it carries none of them.
const char* TestoSulloStandardOutput(const OpzioniCli& opzioni)
{
    if (opzioni.taeg || opzioni.detrazione || opzioni.perAnno)
        return "il testo di --taeg, --detrazione o --per-anno";
    if (MostraListato(opzioni))
        return "il listato";
    if (!opzioni.verifica.empty())
        return "la verifica";
    return !opzioni.confronta.empty() && opzioni.csv.empty() ? "il confronto" : nullptr;
}

// An output over a loan file read would lose it: only the loan saved back
// over its own file, which is how a file is changed, may reach one.
void ControllaLette(const UsciteCli& uscite, const OpzioniCli& opzioni)
{
    const std::optional<Destinazione> uscita =
        TestoSulloStandardOutput(opzioni) != nullptr
            ? std::optional(DestinazioneDescrittore(STDOUT_FILENO, "standard output"))
            : std::nullopt;
    const std::pair<const char*, const std::optional<Destinazione>*> scritte[] = {
        {"--csv", &uscite.csv}, {"--pdf", &uscite.pdf}, {nullptr, &uscita}};
    for (const Destinazione& letta : Lette(opzioni)) {
        for (const auto& [opzione, destinazione] : scritte) {
            if (!*destinazione || !StessaDestinazione(**destinazione, letta))
                continue;
            const std::string chi = opzione == nullptr ? std::string("Lo standard output")
                                                       : opzione + (": «" + (*destinazione)->nome + "»");
            const char* file = letta.nome == opzioni.verifica ? " porta al piano della banca letto «"
                                                              : " porta al file di mutuo letto «";
            throw ErrorePiano(chi + file + letta.nome + "»: lo rovinerebbe.");
        }
    }
}

}  // namespace

[[noreturn]] void UscitaFallita(int errore)
{
    throw ErrorePiano("Impossibile scrivere sullo standard output: " + MotivoErrore(errore) + ".");
}

void ScriviUscita(std::string_view testo)
{
    if (!ScriviTutto(STDOUT_FILENO, testo))
        UscitaFallita(errno);
}

// Some files report a failed write only when closed.
void ChiudiUscita()
{
    if (::close(STDOUT_FILENO) != 0 && errno != EINTR)
        UscitaFallita(errno);
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
    if (uscite.pdf && Terminale(*uscite.pdf))
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
    ControllaLette(uscite, opzioni);
    const char* testo = TestoSulloStandardOutput(opzioni);
    if (testo == nullptr)
        return;
    const Destinazione uscita = DestinazioneDescrittore(STDOUT_FILENO, "standard output");
    for (const auto& [opzione, destinazione] : file) {
        if (*destinazione && StessaDestinazione(**destinazione, uscita)) {
            throw ErrorePiano(std::string(opzione) + ": «" + (*destinazione)->nome
                              + "» è lo stesso file dello standard output, che riceve " + testo + ".");
        }
    }
}

}  // namespace pianoamm

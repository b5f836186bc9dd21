#pragma once

#include "app/opzioni_cli.h"
#include "file/destinazione.h"

#include <optional>
#include <string_view>

namespace pianoamm {

// Where the files asked for go, found before anything is written; the name
// "-" is standard output.
struct UsciteCli {
    std::optional<Destinazione> csv;
    std::optional<Destinazione> pdf;
    std::optional<Destinazione> salva;
};

// Throws ErrorePiano when a file cannot be reached: its folder is missing,
// its descriptor closed.
UsciteCli TrovaUscite(const OpzioniCli& opzioni);

// Standard output written whole, then closed (some files report a failed
// write only then); a failure throws ErrorePiano, told as a failed output.
[[noreturn]] void UscitaFallita(int errore);
void ScriviUscita(std::string_view testo);
void ChiudiUscita();

// Throws ErrorePiano for outputs that would spoil one another, two that
// reach the same file or descriptor (standard output among them), and for a
// PDF meant for a terminal.
void ControllaUscite(const UsciteCli& uscite, const OpzioniCli& opzioni);

}  // namespace pianoamm

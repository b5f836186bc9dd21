#pragma once

// The command line's loan files: the one the values start from, and those
// compared by --confronta.

#include "app/lettura_cli.h"
#include "app/opzioni_cli.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pianoamm::cli {

// Any argument that is not an option names the loan file: one at most.
void LeggiFileMutuo(std::string_view argomento, std::string& file);

// "--confronta A B [C D]": the two to four names that follow argomenti[i].
// Gives the index of the last one.
std::size_t LeggiConfronta(std::span<const std::string_view> argomenti, std::size_t i, std::vector<std::string>& file);

// The offer's name for --salva, in place of the file's.
void LeggiNome(const std::optional<std::string_view>& nome, OpzioniCli& opzioni);

// Throws ErrorePiano for anything given with --confronta but --csv, or with
// --verifica but its own options.
void SoloTabella(const Valori& valori, const OpzioniCli& opzioni);

// The check's amount and rate, where given, and the declared TAEG.
void LeggiVerifica(const Valori& valori, OpzioniCli& opzioni);

}  // namespace pianoamm::cli

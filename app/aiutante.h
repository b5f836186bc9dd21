#pragma once

// What pianoamm-cli's two helper programs, pianoamm-pdf and pianoamm-stampa,
// share: the listing read on standard input as printed pages, and Qt started
// for the fonts without a screen.

#include <QList>
#include <QStringList>

#include <functional>
#include <string_view>

namespace pianoamm {

// Reads the listing, starts Qt, then hands the pages to lavoro. Returns the
// exit code: 0, or 1 with the reason of a thrown pianoamm::ErrorePiano on
// standard error, told in pianoamm-cli's name: that is the program the user
// ran.
int LavoraSulListato(char* programma, const std::function<void(const QList<QStringList>&)>& lavoro);

// Throws the pianoamm::ErrorePiano for an argument the helper does not take.
[[noreturn]] void ArgomentoInatteso(std::string_view argomento);

}  // namespace pianoamm

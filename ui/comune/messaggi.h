#pragma once

namespace pianoamm {

// Every message box of the program as plain text, for its reasons quote
// file names and files' content that must never be read as HTML; wrapped
// whole; and wide enough for its title, the program's name, which a window
// manager would otherwise cut ("Piano… ento"). Once per application; more
// calls change nothing.
void PreparaMessaggi();

}  // namespace pianoamm

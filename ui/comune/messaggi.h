#pragma once

namespace pianoamm {

// Every message box of the program wide enough for its title, the
// program's name, which a window manager would otherwise cut ("Piano…
// ento"). Once per application; more calls change nothing.
void AllargaMessaggi();

}  // namespace pianoamm

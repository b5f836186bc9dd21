#pragma once

namespace pianoamm {

// Every tip of the program's windows, a control's or a table cell's, is
// shown as plain text wrapped at a readable width rather than on one line
// as wide as the screen: what the data put in it (an offer's name) is never
// read as markup. Once for the application; further calls do nothing.
void SuggerimentiACapo();

}  // namespace pianoamm

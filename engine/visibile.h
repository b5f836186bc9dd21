#pragma once

// Text from a file or a file name, made fit to show: a loan file may come
// from anyone, and what it names must never act on the screen it is read on.

#include <string>
#include <string_view>

namespace pianoamm {

// The UTF-8 text with every control character (U+0000-U+001F, U+007F-U+009F),
// the line and paragraph separators (U+2028, U+2029, which a window draws as
// a new line) and every bidi control or mark (U+200E, U+200F, U+202A-U+202E,
// U+2066-U+2069) written as an escape, "\u001B": a name then cannot move a
// terminal's cursor, colour it, start a line of its own, turn the text
// around it or be cut at a NUL. The rest,
// bytes that are not UTF-8 included, stays as it is; an escape is plain
// ASCII, so the text made visible twice is the same.
std::string Visibile(std::string_view testo);

}  // namespace pianoamm

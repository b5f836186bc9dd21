#pragma once

#include "engine/listato.h"

class QListWidget;

namespace pianoamm {

// The listing's lines in place of what the list showed. Lines of one size
// lay out at once, but the list then keeps to its own width: a listing with
// a longer line (cents, an event's) has each line measured, and scrolls
// sideways rather than losing its last columns.
void MostraNellaLista(QListWidget* lista, const Listato& listato);

}  // namespace pianoamm

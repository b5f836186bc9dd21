#pragma once

#include "engine/listato.h"

#include <QString>
#include <QStringList>

#include <string_view>

namespace pianoamm {

// The engine's UTF-8 text as Qt's.
QString TestoQt(std::string_view testo);

// A name or a file name as the windows show it: its control and bidi
// characters as the escapes of Visibile (engine/visibile.h), so that a
// loan file's text never turns or breaks the lines around it.
QString TestoVisibile(const QString& testo);

// The listing's lines, as the window shows them and the printout pages them.
QStringList RigheDelListato(const Listato& listato);

}  // namespace pianoamm

#pragma once

#include "engine/listato.h"

#include <QString>
#include <QStringList>

#include <string_view>

namespace pianoamm {

// The engine's UTF-8 text as Qt's.
QString TestoQt(std::string_view testo);

// The listing's lines, as the window shows them and the printout pages them.
QStringList RigheDelListato(const Listato& listato);

}  // namespace pianoamm

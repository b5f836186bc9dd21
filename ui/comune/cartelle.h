#pragma once

#include <QString>

namespace pianoamm {

// The program's settings file, in the user's configuration folder where
// QStandardPaths puts it (a folder of their own while the tests run).
QString FileImpostazioni();

// The kinds of file the file dialogs ask for: each opens in the folder last
// used for its kind, kept between sessions.
enum class TipoFile { Mutuo, Pdf, Csv, Tabella, Immagine };

// The filter of loan files, the same in every dialog.
QString FiltroMutui();

// The folder last used for tipo, or else the home folder.
QString CartellaPer(TipoFile tipo);

// file's folder becomes the last used for tipo; an empty file (a dialog
// cancelled) leaves it. Returns file.
QString Ricorda(TipoFile tipo, const QString& file);

}  // namespace pianoamm

#include "ui/comune/cartelle.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace pianoamm {

namespace {

QString Chiave(TipoFile tipo)
{
    constexpr const char* Chiavi[] = {"mutui", "pdf", "csv", "tabelle", "immagini"};
    return QStringLiteral("cartelle/") + QLatin1String(Chiavi[static_cast<int>(tipo)]);
}

}  // namespace

QString FileImpostazioni()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/pianoamm.conf");
}

QString FiltroMutui()
{
    return QStringLiteral("Mutui (*.pianoamm)");
}

QString CartellaPer(TipoFile tipo)
{
    const QString cartella = QSettings(FileImpostazioni(), QSettings::IniFormat).value(Chiave(tipo)).toString();
    // A folder since removed is no place to start from.
    return !cartella.isEmpty() && QDir(cartella).exists() ? cartella : QDir::homePath();
}

QString Ricorda(TipoFile tipo, const QString& file)
{
    if (!file.isEmpty())
        QSettings(FileImpostazioni(), QSettings::IniFormat).setValue(Chiave(tipo), QFileInfo(file).absolutePath());
    return file;
}

}  // namespace pianoamm

// pianoamm: the window program. Start-up is the main window's own: its load
// shows the splash picture, then the window appears on its first page.

#include "ui/main/frm_main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Piano d'ammortamento"));
    // The program speaks Italian whatever the desktop's language: Qt's own
    // buttons and dialogs ("Sì", "No", the file dialog) too, where Qt's
    // translations are installed.
    QTranslator traduzioni;
    if (traduzioni.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioni);
    FrmMain frmMain;
    frmMain.Form_Load();
    frmMain.show();
    frmMain.activateWindow();
    return QApplication::exec();
}

// pianoamm: the window program. The splash picture is up from the start; the
// main window is made behind it and shows once the picture has gone.

#include "ui/main/frm_main.h"
#include "ui/splash/frm_splash.h"

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

    FrmSplash splash;
    splash.show();
    // Painted before the window's making holds the event loop up.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    FrmMain frmMain;
    splash.exec();
    frmMain.show();
    frmMain.activateWindow();
    return QApplication::exec();
}

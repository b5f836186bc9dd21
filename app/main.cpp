// pianoamm: the window program. Start-up is the main window's own: its load
// shows the splash picture, then the window appears on its first page.

#include "ui/main/frm_main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Piano d'ammortamento"));
    FrmMain frmMain;
    frmMain.Form_Load();
    frmMain.show();
    frmMain.activateWindow();
    return QApplication::exec();
}

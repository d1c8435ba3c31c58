// Lexory: Spanish and English vocabulary through puzzles and games.

#include "LX_PuzzlesMain.h"
#include "LX_Upgrade.h"
#include "Platform.h"
#include "ShowMsg.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // No display name: the window system would add it to every window's own title.
    QApplication::setApplicationName("Lexory");
    QApplication::setWindowIcon(QIcon(ProgramIconPixmap(64)));
    TfrmMain main;
    TfrmShowMsg message(&main);
    frmShowMsg = &message;
    // A logout, a shutdown or a kill keeps the session as the close box does.
    WhenSessionEnds([&main] {
        main.EndSession();
        QCoreApplication::quit();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &main,
                     [&main](QSessionManager&) { main.SaveSession(true); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &main, &TfrmMain::FormClose);
    main.show();
    const int result = QApplication::exec();
    frmShowMsg = nullptr;
    return result;
}

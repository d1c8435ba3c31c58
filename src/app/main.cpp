// Lexory: Spanish and English vocabulary through puzzles and games.

#include "LX_PuzzlesMain.h"
#include "LX_Upgrade.h"
#include "ShowMsg.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lexory");
    QApplication::setApplicationDisplayName("Lexory");
    QApplication::setWindowIcon(QIcon(ProgramIconPixmap(64)));
    TfrmMain main;
    TfrmShowMsg message(&main);
    frmShowMsg = &message;
    main.show();
    const int result = QApplication::exec();
    frmShowMsg = nullptr;
    return result;
}

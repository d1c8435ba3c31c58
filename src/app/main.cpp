// Lexory: Spanish and English vocabulary through puzzles and games.

#include "LX_PuzzlesMain.h"
#include "ShowMsg.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lexory");
    QApplication::setApplicationDisplayName("Lexory");
    TfrmMain main;
    TfrmShowMsg message(&main);
    frmShowMsg = &message;
    main.show();
    const int result = QApplication::exec();
    frmShowMsg = nullptr;
    return result;
}

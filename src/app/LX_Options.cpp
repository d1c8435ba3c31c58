#include "LX_Options.h"

TfrmOptions::TfrmOptions(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmOptions");
}

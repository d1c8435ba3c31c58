#include "AppGlobals.h"

uint8_t FormsReady = 0;
int32_t LayoutExtraWidth = 20;
int32_t PageLeft = 0, PageTop = 0, PageWidth = 0, PageHeight = 0;
uint8_t QuickHintsOpen = 0;
uint8_t OptionsShown = 0;
QString ProgramDir;
QWidget* MainWindow = nullptr;

int LayoutExtraWidthFor(int pixelsPerInch)
{
    return pixelsPerInch <= 96 ? 20 : pixelsPerInch <= 120 ? 25 : 30;
}

#pragma once
// The shell's shared state that every screen's layout reads.

#include <QString>

#include <cstdint>

class QWidget;

extern uint8_t FormsReady;          // 0 while the forms are being built
extern int32_t LayoutExtraWidth;    // room added to measured captions of radio buttons and check boxes
extern int32_t PageLeft, PageTop, PageWidth, PageHeight;  // the page under the tool bar
extern uint8_t QuickHintsOpen;
extern uint8_t OptionsShown;        // the Options screen is on view
extern QString ProgramDir;          // folder of the program file, no trailing separator
extern QWidget* MainWindow;         // messages centre on it

// LayoutExtraWidth for a screen's pixels per inch.
int LayoutExtraWidthFor(int pixelsPerInch);

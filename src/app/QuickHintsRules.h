#pragma once
// The Quick Hints window's rules apart from its widgets: the text of every screen and
// sub-mode, the joining of its lines into paragraphs, where the window goes beside the main
// window, and the help page of each screen.

#include "OptionsRules.h"

#include <QRect>
#include <QString>
#include <QStringList>

// The Options screen's sub-mode while its word search page is on view.
constexpr int OptionsSearchPage = 1;

// Empties lines 1..30 and writes the text of a screen (1..8, 10; 0 is the start-up Options
// pages) and its sub-mode, with its title. A text never writes past line 30.
void WriteHintText(int screen, int subMode, QString& title, HintLineBuffer& lines);

// Lines 1..30 as the memo shows them: each paragraph's lines joined into one line, an empty
// line between paragraphs; a paragraph still open after line 30 is shown too.
QStringList JoinHintParagraphs(const HintLineBuffer& lines);

// Where the hints window (its frame) goes for a main window (its frame, and its own height
// within the frame) on the screen that shows it (its area on the desktop); the main window's
// frame moves up to MainTop when MainMoved.
struct HintsPlacement {
    bool MainMoved = false;
    int MainTop = 0;
    QRect Hints;
};
constexpr int HintsWindowHeight = 300;
HintsPlacement PlaceQuickHints(const QRect& mainFrame, int mainHeight, const QRect& screen, int pageHeight);

// The help page (a file name in the help folder) of a screen and its sub-mode.
QString HelpPageFor(int screen, int subMode = 0);

#pragma once
// The main window's sizing and tool-bar geometry, apart from the widgets.

#include "Platform.h"

#include <QMargins>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

struct WindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int FontSizeMode = 2;
};

// The usable height: the screen less 30 pixels under an always-on-top task bar.
int UsableScreenHeightFor(int screenHeight, bool taskBarAlwaysOnTop);

// A screen's area on the desktop, origin included.
inline QRect ScreenArea(const ScreenFigures& s)
{
    return QRect(s.Left, s.Top, s.Width, s.Height);
}

// First-run size and font-size mode from the primary screen; the place centres the outer frame
// (the client size plus the frame's margins) on it.
WindowPlacement DefaultWindowPlacement(const ScreenFigures& screen, int usableHeight, const QMargins& frame = {});

// The screen that shows the title bar of a window whose frame starts at left, top and is width
// wide: its index in `screens`, or -1 when none shows enough of it to take hold of.
int ScreenShowingTitleBar(const std::vector<ScreenFigures>& screens, int left, int top, int width);

// Where a window of the given size goes for a saved frame place: on the screen that shows its
// title bar, moved back only as far as the screen's right and bottom edges need (a place left of
// or above the primary screen is kept); a place on no screen is brought onto the primary one.
QPoint WindowPlaceOnScreens(const std::vector<ScreenFigures>& screens, int left, int top, int width, int height);

// The saved geometry fitted to the screen that shows it (the primary one first), and the saved
// mode corrected for the width at the primary screen's pixels per inch.
struct SavedGeometry {
    int Left, Top, Width, Height, FontSizeMode;
};
WindowPlacement RestoredWindowPlacement(const SavedGeometry& saved, const std::vector<ScreenFigures>& screens);

// Minimum window size for a font-size mode; 0 x 0 when there is none.
struct MinimumSize {
    int Width = 0;
    int Height = 0;
};
MinimumSize MinimumWindowSize(int pixelsPerInch, int fontSizeMode);
// The size a window of the given size may be shrunk to: the minimum for the font size in each
// direction the window already reaches (one made smaller before the font size changed shrinks
// freely), and never below 800 x 600.
MinimumSize HeldMinimumSize(int pixelsPerInch, int fontSizeMode, int width, int height);

// A resize from the current size to the new one: the size to take, and which minimum refused it.
struct ResizeDecision {
    int Width, Height;
    bool WidthRefused = false;
    bool HeightRefused = false;
};
ResizeDecision DecideResize(int currentWidth, int currentHeight, int newWidth, int newHeight, int pixelsPerInch,
                            int fontSizeMode);

int ToolBarHeightFor(int clientHeight);

constexpr int ToolBarBoxCount = 11;
// Left edge and width of each tool-bar box: eight screen boxes, Help, Hints, About.
struct BoxSpan {
    int Left, Width;
};
std::array<BoxSpan, ToolBarBoxCount> ToolBarBoxLayout(int toolBarWidth);

// The tool-bar captions in box order.
extern const std::array<QString, ToolBarBoxCount> ToolBarCaptions;

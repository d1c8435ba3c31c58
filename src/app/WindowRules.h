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

// A screen's area on the desktop, origin included.
inline QRect ScreenArea(const ScreenFigures& s)
{
    return QRect(s.Left, s.Top, s.Width, s.Height);
}

// The part of a screen a window may take: all of it but what the desktop's panels hold.
inline QRect UsableArea(const ScreenFigures& s)
{
    return ScreenArea(s).marginsRemoved(s.Panels);
}

// The room a window's client has within a usable area: the area less the window's frame.
inline QSize RoomWithin(const QRect& usable, const QMargins& frame)
{
    return usable.size().shrunkBy(frame);
}

// The frame a window manager usually draws (a title bar and thin borders): what a window placed
// before its own frame is known is placed with, so that it is mapped at a size that fits.
constexpr QMargins EstimatedFrame(4, 30, 4, 4);

// First-run size and font-size mode: the largest of the three sizes whose outer frame (the
// client size plus the frame's margins) fits the screen's usable area, else the smallest window
// (SmallestWindow); the frame is centred within the usable area.
WindowPlacement DefaultWindowPlacement(const ScreenFigures& screen, const QMargins& frame = {});

// The screen that shows the title bar of a window whose frame starts at left, top and is width
// wide: its index in `screens`, or -1 when none shows enough of it to take hold of.
int ScreenShowingTitleBar(const std::vector<ScreenFigures>& screens, int left, int top, int width);

// Where the frame of a window of the given client size goes for a saved frame place: moved
// just enough to lie whole within the usable area of the screen that shows its title bar, or
// of the primary screen when none does (a screen that is gone). A frame bigger than the area
// keeps its top-left corner in it.
QPoint WindowPlaceOnScreens(const std::vector<ScreenFigures>& screens, int left, int top, int width, int height,
                            const QMargins& frame = {});

// The saved geometry fitted, frame included, to the usable area of the screen that shows it
// (the primary one first), never below the smallest window, and the saved mode corrected for the width
// at the primary screen's pixels per inch.
struct SavedGeometry {
    int Left, Top, Width, Height, FontSizeMode;
};
WindowPlacement RestoredWindowPlacement(const SavedGeometry& saved, const std::vector<ScreenFigures>& screens,
                                        const QMargins& frame = {});

// Minimum window size for a font-size mode; 0 x 0 when there is none.
struct MinimumSize {
    int Width = 0;
    int Height = 0;
};
MinimumSize MinimumWindowSize(int pixelsPerInch, int fontSizeMode);
// The smallest window the program takes: 800 x 600, or in a room too small for that (a usable
// area less the frame), what the room leaves (so that the whole frame shows), but never below
// 400 x 300.
MinimumSize SmallestWindow(const QSize& room);
constexpr MinimumSize SmallestWindowSize{800, 600};
// The size a window of the given size may be shrunk to: the minimum for the font size in each
// direction the window already reaches (one made smaller before the font size changed shrinks
// freely), and never below the smallest window.
MinimumSize HeldMinimumSize(int pixelsPerInch, int fontSizeMode, int width, int height,
                            MinimumSize smallest = SmallestWindowSize);

// A resize from the current size to the new one: the size to take, and which minimum refused it.
struct ResizeDecision {
    int Width, Height;
    bool WidthRefused = false;
    bool HeightRefused = false;
};
ResizeDecision DecideResize(int currentWidth, int currentHeight, int newWidth, int newHeight, int pixelsPerInch,
                            int fontSizeMode, MinimumSize smallest = SmallestWindowSize);

int ToolBarHeightFor(int clientHeight);

constexpr int ToolBarBoxCount = 11;
// Left edge and width of each tool-bar box: eight screen boxes, Help, Hints, About.
struct BoxSpan {
    int Left, Width;
};
std::array<BoxSpan, ToolBarBoxCount> ToolBarBoxLayout(int toolBarWidth);

// The tool-bar captions in box order.
extern const std::array<QString, ToolBarBoxCount> ToolBarCaptions;

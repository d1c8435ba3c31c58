#pragma once
// The main window's sizing and tool-bar geometry, apart from the widgets.

#include <QRect>
#include <QString>

#include <array>

struct WindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int FontSizeMode = 2;
};

// The usable height: the screen less 30 pixels under an always-on-top task bar.
int UsableScreenHeightFor(int screenHeight, bool taskBarAlwaysOnTop);

// First-run size and font-size mode from the screen.
WindowPlacement DefaultWindowPlacement(int screenWidth, int screenHeight, int usableHeight, int pixelsPerInch);

// The saved geometry fitted to the screen, and the saved mode corrected for the width.
struct SavedGeometry {
    int Left, Top, Width, Height, FontSizeMode;
};
WindowPlacement RestoredWindowPlacement(const SavedGeometry& saved, int screenWidth, int screenHeight,
                                        int usableHeight, int pixelsPerInch);

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

#include "WindowRules.h"

#include <algorithm>
#include <cmath>

const std::array<QString, ToolBarBoxCount> ToolBarCaptions = {
    "Word Lists", "Word Tests", "Crosswords", "Word Games", "Word Search", "Board Game",
    "Custom Lists", "Options", "Help", "Hints", "About"};

int UsableScreenHeightFor(int screenHeight, bool taskBarAlwaysOnTop)
{
    return taskBarAlwaysOnTop ? screenHeight - 30 : screenHeight;
}

WindowPlacement DefaultWindowPlacement(int screenWidth, int screenHeight, int usableHeight, int ppi)
{
    WindowPlacement p;
    if (screenWidth >= 1260 && usableHeight >= 960) {
        p.Width = 1260;
        p.Height = 960;
    } else if (screenWidth < 1000 || usableHeight < 720) {
        p.Width = 800;
        p.Height = 600;
    } else {
        p.Width = 1000;
        p.Height = 720;
    }
    const bool smaller = (ppi >= 121 && p.Width < 1260) || (ppi >= 97 && ppi <= 120 && p.Width < 1000);
    p.FontSizeMode = smaller ? 1 : 2;
    p.Top = (screenHeight - p.Height) / 2;
    p.Left = (screenWidth - p.Width) / 2;
    return p;
}

WindowPlacement RestoredWindowPlacement(const SavedGeometry& s, int screenWidth, int screenHeight, int usableHeight,
                                        int ppi)
{
    WindowPlacement p;
    p.Height = s.Height < 600 ? 600 : std::min(s.Height, usableHeight);
    p.Width = s.Width < 800 ? 800 : std::min(s.Width, screenWidth);
    p.Top = s.Top;
    p.Left = s.Left;
    if (p.Top + p.Height > screenHeight)
        p.Top = screenHeight - p.Height;
    if (p.Left + p.Width > screenWidth)
        p.Left = screenWidth - p.Width;

    int mode = s.FontSizeMode;
    if (ppi <= 96) {
        if (mode == 3 && p.Width < 1000)
            mode = 2;
    } else if (ppi <= 120) {
        if (mode == 3 && p.Width < 1260)
            mode = 2;
        if (mode == 2 && p.Width < 1000)
            mode = 1;
    } else if (mode == 3) {
        mode = 2;
    } else if (mode == 2 && p.Width < 1260) {
        mode = 1;
    }
    p.FontSizeMode = mode;
    return p;
}

MinimumSize MinimumWindowSize(int ppi, int mode)
{
    const MinimumSize medium{1000, 720};
    const MinimumSize large{1260, 960};
    if (ppi >= 121)
        return mode == 1 ? medium : mode == 2 ? large : MinimumSize{};
    if (ppi >= 97)
        return mode == 2 ? medium : mode == 3 ? large : MinimumSize{};
    return mode == 3 ? medium : MinimumSize{};
}

MinimumSize HeldMinimumSize(int ppi, int mode, int width, int height)
{
    const MinimumSize min = MinimumWindowSize(ppi, mode);
    return {min.Width > 0 && width >= min.Width ? min.Width : 800,
            min.Height > 0 && height >= min.Height ? min.Height : 600};
}

ResizeDecision DecideResize(int currentWidth, int currentHeight, int newWidth, int newHeight, int ppi, int mode)
{
    const MinimumSize min = MinimumWindowSize(ppi, mode);
    ResizeDecision d{newWidth, newHeight};
    if (min.Width > 0 && currentWidth >= min.Width && newWidth < min.Width) {
        d.Width = min.Width;
        d.WidthRefused = true;
    }
    if (min.Height > 0 && currentHeight >= min.Height && newHeight < min.Height) {
        d.Height = min.Height;
        d.HeightRefused = true;
    }
    // A refused resize is refused whole: the dimension that was allowed keeps its old value.
    if (d.WidthRefused && !d.HeightRefused)
        d.Height = currentHeight;
    if (d.HeightRefused && !d.WidthRefused)
        d.Width = currentWidth;
    d.Width = std::max(d.Width, 800);
    d.Height = std::max(d.Height, 600);
    return d;
}

int ToolBarHeightFor(int clientHeight)
{
    int height = 55;
    if (clientHeight > 630)
        height += std::min((clientHeight - 630) / 10, 10);
    return height;
}

std::array<BoxSpan, ToolBarBoxCount> ToolBarBoxLayout(int w)
{
    const int b = (w + 80) / 11;
    const int small = b - 30;  // Help and Hints
    const int about = b - 20;
    // Gaps are single-precision quotients rounded where they are added, halves to even.
    const float g1 = static_cast<float>(w - 8 * b - 2 * small - about) / 13.0f;
    const long gap1 = std::lrint(g1);
    std::array<BoxSpan, ToolBarBoxCount> boxes{};
    int left = 0;
    for (int i = 0; i < 8; ++i) {
        boxes[i] = {left, b};
        left = left + b + static_cast<int>(gap1);
    }
    const int r = boxes[7].Left + b + static_cast<int>(gap1);
    const float g2 = static_cast<float>(w - r - 2 * small - about) / 4.0f;
    const int gap2 = static_cast<int>(std::lrint(g2));
    boxes[8] = {r + gap2 + 1, small};
    boxes[9] = {boxes[8].Left + small + gap2, small};
    boxes[10] = {boxes[9].Left + small + gap2, about};
    return boxes;
}

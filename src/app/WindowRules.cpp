#include "WindowRules.h"

#include <algorithm>
#include <cmath>

const std::array<QString, ToolBarBoxCount> ToolBarCaptions = {
    "Word Lists", "Word Tests", "Crosswords", "Word Games", "Word Search", "Board Game",
    "Custom Lists", "Options", "Help", "Hints", "About"};

namespace {
QSize FrameSize(int width, int height, const QMargins& frame)
{
    return QSize(width, height).grownBy(frame);
}

bool FitsWithFrame(const QRect& usable, int width, int height, const QMargins& frame)
{
    const QSize room = RoomWithin(usable, frame);
    return width <= room.width() && height <= room.height();
}

// The frame moved just enough to lie within the area; one bigger than the area keeps its
// top-left corner (and so its title bar) in it.
QPoint FrameWithin(const QRect& area, int left, int top, const QSize& outer)
{
    left = std::max(std::min(left, area.left() + area.width() - outer.width()), area.left());
    top = std::max(std::min(top, area.top() + area.height() - outer.height()), area.top());
    return {left, top};
}
}  // namespace

WindowPlacement DefaultWindowPlacement(const ScreenFigures& screen, const QMargins& frame)
{
    const QRect usable = UsableArea(screen);
    WindowPlacement p;
    if (FitsWithFrame(usable, 1260, 960, frame)) {
        p.Width = 1260;
        p.Height = 960;
    } else if (!FitsWithFrame(usable, 1000, 720, frame)) {
        const MinimumSize smallest = SmallestWindow(RoomWithin(usable, frame));
        p.Width = smallest.Width;
        p.Height = smallest.Height;
    } else {
        p.Width = 1000;
        p.Height = 720;
    }
    const int ppi = screen.PixelsPerInch;
    const bool smaller = (ppi >= 121 && p.Width < 1260) || (ppi >= 97 && ppi <= 120 && p.Width < 1000);
    p.FontSizeMode = smaller ? 1 : 2;
    const QSize outer = FrameSize(p.Width, p.Height, frame);
    const QPoint place = FrameWithin(usable, usable.left() + (usable.width() - outer.width()) / 2,
                                     usable.top() + (usable.height() - outer.height()) / 2, outer);
    p.Left = place.x();
    p.Top = place.y();
    return p;
}

namespace {
// The strip of a frame's top edge a user drags by, and how much of it must show to be grabbed.
constexpr int TitleBarHeight = 24;
constexpr int GripWidth = 48;
constexpr int GripHeight = 8;
}  // namespace

int ScreenShowingTitleBar(const std::vector<ScreenFigures>& screens, int left, int top, int width)
{
    const QRect titleBar(left, top, std::max(width, 1), TitleBarHeight);
    int best = -1;
    int bestArea = 0;
    for (size_t i = 0; i < screens.size(); ++i) {
        const QRect shown = titleBar.intersected(ScreenArea(screens[i]));
        if (shown.width() < GripWidth || shown.height() < GripHeight)
            continue;
        if (shown.width() * shown.height() > bestArea) {
            best = static_cast<int>(i);
            bestArea = shown.width() * shown.height();
        }
    }
    return best;
}

namespace {
// The screen a saved frame place belongs to: the one showing its title bar, else the primary.
const ScreenFigures& ScreenHolding(const std::vector<ScreenFigures>& screens, int left, int top, int width)
{
    const int held = ScreenShowingTitleBar(screens, left, top, width);
    return screens[std::max(held, 0)];
}
}  // namespace

QPoint WindowPlaceOnScreens(const std::vector<ScreenFigures>& screens, int left, int top, int width, int height,
                            const QMargins& frame)
{
    if (screens.empty())
        return {left, top};
    const QSize outer = FrameSize(width, height, frame);
    return FrameWithin(UsableArea(ScreenHolding(screens, left, top, outer.width())), left, top, outer);
}

WindowPlacement RestoredWindowPlacement(const SavedGeometry& s, const std::vector<ScreenFigures>& screens,
                                        const QMargins& frame)
{
    const int outerWidth = std::max(s.Width, 800) + frame.left() + frame.right();
    const ScreenFigures screen = screens.empty() ? ScreenFigures{} : ScreenHolding(screens, s.Left, s.Top, outerWidth);
    const QRect usable = UsableArea(screen);
    const int ppi = screens.empty() ? 96 : screens.front().PixelsPerInch;
    WindowPlacement p;
    const QSize room = RoomWithin(usable, frame);
    const MinimumSize smallest = screens.empty() ? SmallestWindowSize : SmallestWindow(room);
    p.Height = std::max(std::min(s.Height, room.height()), smallest.Height);
    p.Width = std::max(std::min(s.Width, room.width()), smallest.Width);
    const QPoint place = screens.empty() ? QPoint(s.Left, s.Top)
                                         : FrameWithin(usable, s.Left, s.Top, FrameSize(p.Width, p.Height, frame));
    p.Left = place.x();
    p.Top = place.y();

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

MinimumSize SmallestWindow(const QSize& room)
{
    return {std::clamp(room.width(), 400, SmallestWindowSize.Width),
            std::clamp(room.height(), 300, SmallestWindowSize.Height)};
}

MinimumSize HeldMinimumSize(int ppi, int mode, int width, int height, MinimumSize smallest)
{
    const MinimumSize min = MinimumWindowSize(ppi, mode);
    return {min.Width > 0 && width >= min.Width ? min.Width : smallest.Width,
            min.Height > 0 && height >= min.Height ? min.Height : smallest.Height};
}

ResizeDecision DecideResize(int currentWidth, int currentHeight, int newWidth, int newHeight, int ppi, int mode,
                            MinimumSize smallest)
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
    d.Width = std::max(d.Width, smallest.Width);
    d.Height = std::max(d.Height, smallest.Height);
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

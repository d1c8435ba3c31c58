#pragma once
// The Options screen's rules apart from its widgets: the overview text, which window sizes and
// font sizes go together at a screen's pixels per inch, and the questions and messages that
// refuse a combination.

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

// The Quick Hints line buffer: lines 1..30, entry 0 unused. It holds the overview while the
// overview page is up.
constexpr int HintLineCount = 30;
using HintLineBuffer = std::array<QString, HintLineCount + 1>;

extern int32_t OverviewLineCount;  // lines of the overview in the buffer (26 once built)

// Empties lines 1..30, writes the overview into lines 1..26 and sets OverviewLineCount.
void BuildOverviewText(HintLineBuffer& lines);

// The three standard window sizes offered by the set-up page.
enum ScreenSizeChoice : int { SizeNone = 0, Size800 = 1, Size1000 = 2, Size1260 = 3 };

struct WindowSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

// 800 x 600, 1000 x 720, and 1260 x 960 for any other choice.
WindowSize ScreenSizeOf(ScreenSizeChoice choice);
// The choice whose size the window has exactly; SizeNone for any other size.
ScreenSizeChoice ScreenSizeForWindow(int width, int height);

// Whether the set-up page enables a size or a font-size mode (1..3) on this screen.
bool ScreenSizeOffered(ScreenSizeChoice choice, int screenWidth, int screenHeight, int pixelsPerInch);
bool FontSizeOffered(int fontMode, int pixelsPerInch);

// A font-size mode that the chosen window size cannot carry.
enum class FontConflict { None, Nominal, Large };
FontConflict ScreenSizeFontConflict(int pixelsPerInch, int fontMode, ScreenSizeChoice size);

// The choice form offered for a conflict: the first option changes the font to FontToSet,
// the second cancels the size change.
struct ConflictQuestion {
    QString Heading;
    std::array<QString, 2> Options;
    int FontToSet = 0;
};
ConflictQuestion QuestionFor(FontConflict conflict);  // only for Nominal and Large

// Whether a font-size mode (1..3) fits a window of this size at the pixels per inch.
bool FontFitsWindow(int fontMode, int pixelsPerInch, int windowWidth, int windowHeight);
// The message refusing mode 2 (nominal) or any bigger mode (large).
QString FontRefusedMessage(int fontMode);

// The size a window asked to take `wanted` ends up with: no bigger than the room it has (the
// usable area less its frame), no smaller than the program's 800 x 600 unless the room is.
WindowSize SizeWindowTakes(WindowSize wanted, int roomWidth, int roomHeight);
QString SizeResetMessage();

// A window whose frame's bottom or right edge lies off the usable area is centred along that
// direction; a frame reaching above or left of it comes down or right to its edge.
struct WindowPosition {
    int Left = 0;
    int Top = 0;
    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};
WindowPosition KeepOnScreen(const QRect& frame, const QRect& usable);

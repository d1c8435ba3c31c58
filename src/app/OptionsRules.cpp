#include "OptionsRules.h"

#include "WindowRules.h"

#include <algorithm>

int32_t OverviewLineCount = 0;

void BuildOverviewText(HintLineBuffer& lines)
{
    for (int i = 1; i <= HintLineCount; ++i)
        lines[i].clear();
    // The blanks in lines 4 to 8 line the entries up in the proportional main font.
    lines[1] = QStringLiteral("'Lexory' - the fun way to learn Spanish / English vocabulary.");
    lines[3] = QStringLiteral("There are 5 main areas of the program :");
    lines[4] = QStringLiteral("          Crosswords      :  Unlimited number of crossword puzzles.");
    lines[5] = QStringLiteral("          Word Games   :  Six different word games, anagrams, match words, code words etc.");
    lines[6] = QStringLiteral("          Word Search   :  The classic word search puzzle - you choose the category.");
    lines[7] = QStringLiteral("          Board Game    :  Play against the computer or other players.");
    lines[8] = QStringLiteral("          Vocabulary       :  Learn lists of words or create your own custom list for use in the program.");
    lines[10] = QStringLiteral("You can have fun learning - you solve the puzzles while translating words into Spanish or English.");
    lines[12] = QStringLiteral("All puzzles allow you to choose your category, from the 75 different categories containing over 2500 words");
    lines[13] = QStringLiteral("included with the program.  Or expand the program by creating your own categories and words.");
    lines[15] = QStringLiteral("The program remembers all your preferences, e.g. screen size and learned words, when moving between");
    lines[16] = QStringLiteral("screens, and also remembers them for the next program run.");
    lines[18] = QStringLiteral("Press the buttons along the top of the screen to navigate between the different program screens.");
    lines[20] = QStringLiteral("The 'Hints' button gives hints and instructions on how to use each screen.  If you need more information, the");
    lines[21] = QStringLiteral("'Help' button accesses the detailed help file for the program.");
    lines[23] = QStringLiteral("Have fun learning with 'Lexory'");
    lines[26] = QStringLiteral("Press 'Continue' to begin.");
    OverviewLineCount = 26;
}

WindowSize ScreenSizeOf(ScreenSizeChoice choice)
{
    switch (choice) {
    case Size800:
        return {800, 600};
    case Size1000:
        return {1000, 720};
    default:
        return {1260, 960};
    }
}

ScreenSizeChoice ScreenSizeForWindow(int width, int height)
{
    for (ScreenSizeChoice c : {Size800, Size1000, Size1260})
        if (ScreenSizeOf(c) == WindowSize{width, height})
            return c;
    return SizeNone;
}

bool ScreenSizeOffered(ScreenSizeChoice choice, int screenWidth, int screenHeight, int pixelsPerInch)
{
    switch (choice) {
    case Size800:
        return pixelsPerInch <= 120;
    case Size1000:
        return screenWidth >= 1000 && screenHeight >= 720;
    case Size1260:
        return screenWidth >= 1260 && screenHeight >= 960;
    default:
        return false;
    }
}

bool FontSizeOffered(int fontMode, int pixelsPerInch)
{
    if (fontMode == 1 || fontMode == 2)
        return true;
    return fontMode == 3 && pixelsPerInch <= 120;
}

FontConflict ScreenSizeFontConflict(int pixelsPerInch, int fontMode, ScreenSizeChoice size)
{
    if (pixelsPerInch > 120 && fontMode == 2 && size == Size1000)
        return FontConflict::Nominal;
    if (pixelsPerInch > 96 && fontMode == 2 && size == Size800)
        return FontConflict::Nominal;
    if (pixelsPerInch > 96 && fontMode == 3 && size != Size1260)
        return FontConflict::Large;
    if (fontMode == 3 && size == Size800)
        return FontConflict::Large;
    return FontConflict::None;
}

ConflictQuestion QuestionFor(FontConflict conflict)
{
    const QString cancel = QStringLiteral("Cancel the request to change the screen size.");
    if (conflict == FontConflict::Nominal)
        return {QStringLiteral("Nominal fonts are not available with the selected screen size."),
                {QStringLiteral("Set the font size to 'Small fonts'"), cancel},
                1};
    if (conflict == FontConflict::Large)
        return {QStringLiteral("Large fonts are not available with the selected screen size."),
                {QStringLiteral("Set the font size to 'Nominal fonts'"), cancel},
                2};
    return {};
}

bool FontFitsWindow(int fontMode, int pixelsPerInch, int windowWidth, int windowHeight)
{
    const bool atLeast1000 = windowWidth >= 1000 && windowHeight >= 720;
    const bool atLeast1260 = windowWidth >= 1260 && windowHeight >= 960;
    switch (fontMode) {
    case 1:
        return true;
    case 2:
        return pixelsPerInch <= 96 ? true : pixelsPerInch <= 120 ? atLeast1000 : atLeast1260;
    case 3:
        return pixelsPerInch <= 96 ? atLeast1000 : atLeast1260;
    default:
        return false;
    }
}

QString FontRefusedMessage(int fontMode)
{
    return fontMode == 2 ? QStringLiteral("Your current screen size is not big enough for 'Nominal fonts.'")
                         : QStringLiteral("Your current screen size is not big enough for 'Large fonts.'");
}

WindowSize SizeWindowTakes(WindowSize wanted, int roomWidth, int roomHeight)
{
    const MinimumSize least = SmallestWindow(QSize(roomWidth, roomHeight));
    return {std::max(std::min(wanted.Width, roomWidth), least.Width),
            std::max(std::min(wanted.Height, roomHeight), least.Height)};
}

QString SizeResetMessage()
{
    return QStringLiteral("Size selected is bigger than your screen setup parameters.\n\r"
                          "Resetting to maximum size allowable.");
}

WindowPosition KeepOnScreen(const QRect& frame, const QRect& usable)
{
    WindowPosition p{frame.left(), frame.top()};
    if (frame.top() + frame.height() > usable.top() + usable.height())
        p.Top = usable.top() + (usable.height() - frame.height()) / 2;
    if (frame.left() + frame.width() > usable.left() + usable.width())
        p.Left = usable.left() + (usable.width() - frame.width()) / 2;
    p.Top = std::max(p.Top, usable.top());
    p.Left = std::max(p.Left, usable.left());
    return p;
}

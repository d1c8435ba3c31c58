#include "FontScheme.h"

FontSchemeValues FontScheme;

QString& MainFontName = FontScheme.Main.Name;
int& MainFontSize = FontScheme.Main.Size;
QString& HeaderFontName = FontScheme.Header.Name;
int& HeaderFontSize = FontScheme.Header.Size;
QString& GridFontName = FontScheme.Grid.Name;
int& GridFontSize = FontScheme.Grid.Size;
QString& AlphabetFontName = FontScheme.Alphabet.Name;
int& AlphabetFontSize = FontScheme.Alphabet.Size;
QString& SmallFontName = FontScheme.Small.Name;
int& SmallFontSize = FontScheme.Small.Size;
QString& LargeLetterFontName = FontScheme.LargeLetter.Name;
int& LargeLetterFontSize = FontScheme.LargeLetter.Size;
QString& LetterFontName = FontScheme.Letter.Name;
int& LetterFontSize = FontScheme.Letter.Size;
QString& SmallLetterFontName = FontScheme.SmallLetter.Name;
int& SmallLetterFontSize = FontScheme.SmallLetter.Size;
QString& TinyLetterFontName = FontScheme.TinyLetter.Name;
int& TinyLetterFontSize = FontScheme.TinyLetter.Size;
QString& ClueNumberFontName = FontScheme.ClueNumber.Name;
int& ClueNumberFontSize = FontScheme.ClueNumber.Size;
int& SmallClueNumberFontSize = FontScheme.SmallClueNumberSize;

namespace {
const QString Sans = QStringLiteral("MS Sans Serif");
const QString Courier = QStringLiteral("Courier New");
const QString SmallFonts = QStringLiteral("Small Fonts");
const QString Ariel = QStringLiteral("Ariel");  // the face name the scheme has always used
}  // namespace

bool SetFontSchemeValues(int mode, int pixelsPerInch)
{
    FontSchemeValues& s = FontScheme;
    switch (mode) {
    case 1:
        s.Header = {Sans, 10};
        s.Alphabet = {Sans, 8};
        s.Main = {Sans, 8};
        s.Grid = {SmallFonts, 6};
        s.Small = {SmallFonts, 6};
        s.LargeLetter = {Courier, 10};
        s.Letter = {Courier, 8};
        s.SmallLetter = {Courier, 7};
        s.TinyLetter = {Courier, 7};
        s.ClueNumber = {SmallFonts, 5};
        s.SmallClueNumberSize = 4;
        return true;
    case 2:
        s.Header = {Sans, 12};
        s.Alphabet = {Sans, 12};
        s.Main = {Sans, 10};
        s.Grid = {Sans, 8};
        s.Small = {Sans, 8};
        s.LargeLetter = {Courier, 14};
        s.Letter = {Courier, 12};
        s.SmallLetter = {Courier, 10};
        s.TinyLetter = {Courier, 8};
        s.ClueNumber = pixelsPerInch < 121 ? FontPair{SmallFonts, 7} : FontPair{Sans, 8};
        s.SmallClueNumberSize = 6;
        return true;
    case 3:
        s.Header = {Ariel, 14};
        s.Alphabet = {Ariel, 14};
        s.Main = {Sans, 12};
        s.Grid = {Sans, 10};
        s.Small = {Sans, 8};
        s.LargeLetter = {Courier, 16};
        s.Letter = {Courier, 14};
        s.SmallLetter = {Courier, 12};
        s.TinyLetter = {Courier, 10};
        s.ClueNumber = {Sans, 8};
        s.SmallClueNumberSize = 8;
        return true;
    default:
        return false;
    }
}

QFont MakeFont(const QString& name, int size, bool bold)
{
    QFont font(name, size > 0 ? size : 8);
    font.setBold(bold);
    return font;
}

QFont MakeFont(const FontPair& pair, bool bold)
{
    return MakeFont(pair.Name, pair.Size, bold);
}

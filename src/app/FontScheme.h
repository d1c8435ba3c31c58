#pragma once
// The shared font name and size pairs, one per role, set from the font-size mode.

#include <QFont>
#include <QString>

struct FontPair {
    QString Name;
    int Size = 0;
};

struct FontSchemeValues {
    FontPair Header, Alphabet, Main, Grid, Small, LargeLetter, Letter, SmallLetter, TinyLetter, ClueNumber;
    int SmallClueNumberSize = 0;
};

// The current pairs every screen reads (empty until the scheme is first applied).
extern FontSchemeValues FontScheme;

extern QString& MainFontName;
extern int& MainFontSize;
extern QString& HeaderFontName;
extern int& HeaderFontSize;
extern QString& GridFontName;
extern int& GridFontSize;
extern QString& AlphabetFontName;
extern int& AlphabetFontSize;
extern QString& SmallFontName;
extern int& SmallFontSize;
extern QString& LargeLetterFontName;
extern int& LargeLetterFontSize;
extern QString& LetterFontName;
extern int& LetterFontSize;
extern QString& SmallLetterFontName;
extern int& SmallLetterFontSize;
extern QString& TinyLetterFontName;
extern int& TinyLetterFontSize;
extern QString& ClueNumberFontName;
extern int& ClueNumberFontSize;
extern int& SmallClueNumberFontSize;

// Sets every pair for a mode (1 smaller, 2 nominal, 3 bigger) and the screen's pixels per
// inch; any other mode leaves the pairs as they are. False when nothing changed.
bool SetFontSchemeValues(int mode, int pixelsPerInch);

// A QFont of one pair.
QFont MakeFont(const FontPair& pair, bool bold = false);
QFont MakeFont(const QString& name, int size, bool bold = false);

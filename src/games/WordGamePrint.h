#pragma once
// The word game printouts: Scrambled Words, Codewords and Select Letters, each on the top or
// the bottom half of a portrait page: the game's header as title, the puzzle as boxes in blue
// lines on the left two thirds, and a key of every word's clue and answer on the right third.
// Each game hands its printout the plain data below, so the drawing needs no widget.

#include "CodewordsRules.h"
#include "SelectLettersRules.h"
#include "WordGameRules.h"

#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QWidget;

inline constexpr const char* WordGamesJobTitle = "Lexory - Word Games";
constexpr int PrintTopHalf = 1;
constexpr int PrintBottomHalf = 2;
constexpr int PrintWordCount = 6;

// A word of the key table: the clue and the answer as printed.
struct PrintKeyWord {
    std::string Clue;
    std::string Answer;
};

// What every printout shares: the title, the language of the key's heads and the key.
struct WordGamePrintout {
    QString Header;
    bool SpanishAnswers = true;  // heads "English" | "Spanish"; else "Spanish" | "English"
    int MaxAnswerLen = 1;
    std::array<PrintKeyWord, PrintWordCount> Key{};
};

struct ScramblePrintout : WordGamePrintout {
    // Each word's pool as it stands, one content per cell ("-" at the blank between two words).
    std::array<std::vector<std::string>, PrintWordCount> Pool{};
};

struct CodewordsPrintout : WordGamePrintout {
    int CodeLetterCount = 1;
    // Each word's code numbers, one per cell; 0 under the blank between two words.
    std::array<std::vector<int>, PrintWordCount> Codes{};
};

struct SelectPrintout : WordGamePrintout {
    // The answer grid: per word, one flag per column, true where a box stands.
    std::array<std::vector<bool>, PrintWordCount> Boxes{};
    // The pool, row by row: the letter of each cell, empty where there is none.
    std::vector<std::vector<std::string>> Pool;
};

// Scrambled Words as it stands on the board.
ScramblePrintout MakeScramblePrintout(const ScrambleBoard& board, int maxAnswerLen, bool spanishAnswers,
                                      const QString& header);

// Codewords as coded: each word's code numbers and the key of its clue and answer.
CodewordsPrintout MakeCodewordsPrintout(const CodewordsBoard& board, int maxAnswerLen, bool spanishAnswers,
                                        const QString& header);
// Select Letters: the boxes of the answer grid, the pool's letters, and each answer without
// the blanks that align it in its row.
SelectPrintout MakeSelectPrintout(const SelectBoard& board, bool spanishAnswers, const QString& header);

// The half page: P = page height div 2, margin m = P div 40, usable height H = P - m; the
// first row edge is m on the top half and m + H on the bottom half.
struct HalfPage {
    int Width = 0;
    int Margin = 0;
    int Height = 0;
    int Top = 0;
    int Half = PrintTopHalf;
};
HalfPage MakeHalfPage(int pageWidth, int pageHeight, int half);

// Each draws its game on CellCanvas.
void PaintScramblePrint(const HalfPage& page, const ScramblePrintout& game);
void PaintCodePrint(const HalfPage& page, const CodewordsPrintout& game);
void PaintSelectPrint(const HalfPage& page, const SelectPrintout& game);

inline constexpr const char* PrintTopHalfOption = "Print within the top half of the page.";
inline constexpr const char* PrintBottomHalfOption = "Print within the bottom half of the page.";
inline constexpr const char* PrintCancelOption = "Cancel the print request.";

// The request: the choice of half (kept in printHalf between prints), then the print job with
// paint drawing the game. True when the page was printed.
bool PrintWordGame(QWidget* parent, int& printHalf, const std::function<void(const HalfPage& page)>& paint);

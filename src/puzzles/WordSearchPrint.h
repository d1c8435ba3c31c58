#pragma once
// The word search printout: the header and the letter grid, the word list beside it (clue and
// answer of every word), and below them a smaller solution that shows only the letters of the
// hidden words with a line through each word; one portrait page through the cell helpers.

#include <QString>

class QWidget;
struct WordSearchPuzzle;

inline constexpr const char* WordSearchJobTitle = "Lexory - Word Search";

// Draws the page on CellCanvas.
void PaintWordSearchPage(int pageWidth, int pageHeight, const WordSearchPuzzle& puzzle, const QString& header);

// The print job; true when the page was printed.
bool PrintWordSearch(QWidget* parent, const WordSearchPuzzle& puzzle, const QString& header);

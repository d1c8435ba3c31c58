#pragma once
// The crossword printout: the empty puzzle with its clue numbers at the top left, the clue
// lists beside it (the Across list below it when the Down list is long), and the solution,
// smaller, at the bottom of one portrait page. Drawn from the crossword on view (XWordGrid,
// XWordClues) through the cell-drawing helpers.

#include <QString>

class QWidget;

inline constexpr const char* CrosswordJobTitle = "Lexory - Crossword";

// Clues listed Across and Down (rows of the clue list with a number).
int CrosswordAcrossCount();
int CrosswordDownCount();

// Draws the page on CellCanvas; freeFormHeader is drawn above a free-format grid.
void PaintCrosswordPage(int pageWidth, int pageHeight, const QString& freeFormHeader);

// The print job; true when the page was printed.
bool PrintCrossword(QWidget* parent, const QString& freeFormHeader);

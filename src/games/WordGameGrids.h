#pragma once
// The word games' grids: how they are set up, painted from their cell texts and dragged.
// Every game's letter and word grids go through these, so the colours and the drag rules of
// one game are those of the others.

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <vector>

class LexGrid;
class QFrame;
class QLabel;
class QPainter;
class QPushButton;
class QRect;
class QWidget;

// A grid of letter or word cells: no fixed rows or columns, no selection, no scroll bars
// needed, dragging on.
void SetupGameGrid(LexGrid* grid, int cols, int rows);

// A cell's state character, its first; '0' for an empty cell.
QChar CellState(const QString& cell);

// Colours by the state character: boxes light green when correct, red when wrong, else white;
// pool cells grey once used, else white.
QColor BoxColour(QChar state);
QColor PoolColour(QChar state);

// Paints a cell: background, then the content after the state character centred in bold
// black; "-" (the blank between two words) is drawn as nothing. The first column and row get
// the grid's outer line on their left and top, so that a row of boxes is closed all round.
void DrawGameCell(QPainter& p, const QRect& rect, int col, int row, const QString& cell, const QColor& background,
                  const QFont& font, const QColor& text = Qt::black);
// The same for a cell of plain text (no state character), in the given text colour.
void DrawGameText(QPainter& p, const QRect& rect, int col, int row, const QString& text, const QColor& background,
                  const QFont& font, const QColor& textColour = Qt::black);

// Paints a grid as a pool of letters: each cell a state character and a letter, grey once used.
void DrawAsLetterPool(LexGrid* grid);

// Grey, for the text of a used word.
QColor UsedColour();

// Dragging between game grids. canStart decides on the press whether the cell under it may be
// dragged (a refused press does not become a drag); accepts is asked for every target cell;
// drop carries a drop out; cancelled runs when a drag of this grid ended on no accepting cell.
struct GameDragRules {
    std::function<bool(int col, int row)> CanStart;
    std::function<bool(LexGrid* source, int srcCol, int srcRow, int col, int row)> Accepts;
    std::function<void(LexGrid* source, int srcCol, int srcRow, int col, int row)> Drop;
    std::function<void(int srcCol, int srcRow)> Cancelled;
};
void InstallGameDrag(LexGrid* grid, const GameDragRules& rules);

// The instruction panel every game panel has, in the header colour.
QFrame* MakeInstructionFrame(QWidget* parent, const QString& name);

// Lays out what every game panel has around its game: the header across the top, the
// instruction panel (its lines stacked) centred below it, and the bottom row of buttons
// centred at the foot. Returns the top and the bottom of the room left between.
struct GameBand {
    int Top = 0;
    int Bottom = 0;
};
GameBand LayOutGameFrame(int width, int height, QLabel* header, QFrame* instruct, const std::vector<QLabel*>& lines,
                         const std::vector<QPushButton*>& buttons);

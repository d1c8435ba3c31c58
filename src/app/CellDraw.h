#pragma once
// Text placed in a cell of a grid of column and row edges, or in a pixel rectangle, on
// whatever canvas is current: a widget, an image or a printer page.

#include <QString>
#include <QStringList>

#include <cstdint>

class QPainter;

extern QPainter* CellCanvas;
extern int32_t CellX[101];  // column c spans CellX[c] .. CellX[c + 1]
extern int32_t CellY[101];  // row r spans CellY[r] .. CellY[r + 1]

// Evenly spaced edges: edges[0] = first, then count more, step apart (never past edge 100).
void SetEdges(int32_t* edges, int first, int step, int count);

enum : uint8_t { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };  // horizontal
enum : uint8_t { AlignTop = 0, AlignMiddle = 1, AlignBottom = 2 };   // vertical

void DrawCellText(int col, int row, uint8_t hAlign, uint8_t vAlign, const QString& text);
// The second index of each pair is the far edge, not the far cell.
void DrawSpanText(int col1, int col2, int row1, int row2, uint8_t hAlign, uint8_t vAlign, const QString& text);
void DrawRectText(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text);
// Printed text fits entry by entry: each text of a list on its own, in a box of its own (a
// clue in its row of a column), never side by side with the others.
//
// The largest size of the canvas's font, from its own down to minPointSize in half points, at
// which every entry, as DrawRectText places it, fits the box's width on one line, or broken at
// a blank over two lines that both fit the width and stand within the box's height;
// minPointSize when some entry fits at none. A list drawn at one size reads evenly.
double PointSizeFittingEachEntry(const QStringList& entries, int entryWidth, int entryHeight, uint8_t hAlign,
                                 double minPointSize = 6);
// Printed text that must show whole (a header, a clue with its letter count, an answer): drawn
// at the size PointSizeFittingEachEntry gives it alone, on one line or two; when it fits at no
// size down to minPointSize, at minPointSize over as many lines as the width takes, centred on
// the rectangle. The canvas's font, set in points, is left as it was.
void DrawFittedText(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text,
                    double minPointSize = 6);
// The canvas's font at a point size.
void SetCanvasPointSize(double pointSize);
// Blue lines; the pen's colour is restored afterwards.
void DrawHLine(int x1, int y, int x2);
void DrawVLine(int x, int y1, int y2);

// Where DrawRectText starts the text (exposed for layout and tests).
struct TextOrigin {
    int X;
    int Y;
};
TextOrigin CellTextOrigin(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text);

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
// Printed text that must show whole (a clue, a word of a list, a header), each entry in a box
// of its own (its row of its column). An entry that fits the box's width on one line at the
// canvas's size prints at that size; only one that does not takes the largest size, half a
// point apart, at which it breaks at blanks into lines that each fit the width and together
// stand within the box's height. `lead` (a clue's number) starts the first line; the lines
// after it start under the text, not under the lead. Nothing drawn leaves the box: below the
// smallest size a word too long for a line is cut between letters and the box clips. The
// canvas's font, set in points, is left as it was.
void DrawFittedText(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text,
                    const QString& lead = {});
// Blue lines; the pen's colour is restored afterwards.
void DrawHLine(int x1, int y, int x2);
void DrawVLine(int x, int y1, int y2);

// Where DrawRectText starts the text (exposed for layout and tests).
struct TextOrigin {
    int X;
    int Y;
};
TextOrigin CellTextOrigin(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text);

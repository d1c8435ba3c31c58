#include "CrosswordPrint.h"

#include "CellDraw.h"
#include "FontScheme.h"
#include "PrintJob.h"
#include "QtText.h"
#include "XWordGrid.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr uint32_t ColorSilver = 0xC0C0C0;

int CountNumbered(int col)
{
    int count = 0;
    for (int r = 1; r < std::min(XWordClues.RowCount, XWordClueRows); ++r)
        if (XWordClues.At(col, r).size() > 2)
            ++count;
    return count;
}

QString Content(int col, int row)
{
    const std::string& cell = XWordClues.At(col, row);
    return cell.size() > 2 ? ToQt(cell.substr(2)) : QString();
}

// "  7. ", the lead of a clue line: numbers below 10 line up with two-digit ones.
QString ClueNumber(int col, int row)
{
    QString number = Content(col, row);
    if (number.size() == 1)
        number = "  " + number;
    return number + ". ";
}

// A clue in its row: at the list's size when it fits on one line, else wrapped under its text.
void DrawClue(int x1, int x2, int y1, int y2, int col, int row)
{
    DrawFittedText(x1, x2, y1, y2, AlignLeft, AlignMiddle, Content(col + 1, row), ClueNumber(col, row));
}

void FillCell(int col, int row, uint32_t colour)
{
    CellCanvas->fillRect(QRect(QPoint(CellX[col], CellY[row]), QPoint(CellX[col + 1] - 1, CellY[row + 1] - 1)),
                         BlueHigh(colour));
}

// Paints each cell laid out in CellX/CellY: silver where no letter goes, white under what
// drawLetter puts where one does.
template <typename DrawLetter>
void PaintGridCells(int cols, int rows, DrawLetter drawLetter)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const XWordCell& cell = XWordGrid[c][r];
            if (cell.Kind != 2) {
                FillCell(c, r, ColorSilver);
                continue;
            }
            FillCell(c, r, 0xFFFFFF);
            drawLetter(c, r, cell);
        }
}

void SetFont(const QString& name, int size, bool bold, bool underline = false)
{
    QFont font = MakeFont(name, size, bold);
    font.setUnderline(underline);
    CellCanvas->setFont(font);
}

}  // namespace

int CrosswordAcrossCount()
{
    return CountNumbered(0);
}

int CrosswordDownCount()
{
    return CountNumbered(2);
}

void PaintCrosswordPage(int pageWidth, int pageHeight, const QString& freeFormHeader)
{
    if (!CellCanvas)
        return;
    const int PH = pageHeight;
    const int PW = pageWidth;
    const int m = PH / 60;
    const int cols = std::clamp(XWordCols, 1, XWordGridDim - 1);
    const int rows = std::clamp(XWordRows, 1, XWordGridDim - 1);
    // The cell side follows the longer side of the grid, so that a wide free-format grid stays
    // on the page; a square grid is sized by its rows as ever.
    const int longest = std::max(cols, rows);
    const bool freeFormat = XWordMode == 2;
    const int acrossCount = CrosswordAcrossCount();
    const int downCount = CrosswordDownCount();

    CellCanvas->setPen(QPen(Qt::black));
    CellCanvas->setBrush(Qt::white);
    SetFont("MS Sans Serif", 10, true);

    // The puzzle grid.
    const int h = PH * 14 / 24 - m;
    // A free-format grid gives up one row of cells to its header above it.
    const int s = RoundQuotient(h, longest + (freeFormat ? 2 : 1));
    const int top = freeFormat ? m + s : m;
    if (freeFormat)
        DrawFittedText(m, m + cols * s, m, m + s, AlignCentre, AlignMiddle, freeFormHeader);
    SetEdges(CellX, m, s, cols);
    SetEdges(CellY, top, s, rows);

    if (longest < 16)
        SetFont("MS Sans Serif", 8, true);
    else
        SetFont("Small Fonts", 7, true);
    const int box = s * 5 / 12;
    PaintGridCells(cols, rows, [box](int c, int r, const XWordCell& cell) {
        const int number = cell.AcrossNumber > 0 ? cell.AcrossNumber : cell.DownNumber;
        if (number > 0)
            DrawRectText(CellX[c], CellX[c] + box, CellY[r], CellY[r] + box, AlignCentre, AlignMiddle,
                         (number < 10 ? " " : "") + QString::number(number));
    });

    QPen pen(Qt::black);
    pen.setWidth(2);
    CellCanvas->setPen(pen);
    for (int r = 0; r <= rows; ++r)
        DrawHLine(CellX[0], CellY[r], CellX[cols]);
    for (int c = 0; c <= cols; ++c)
        DrawVLine(CellX[c], CellY[0], CellY[rows]);
    int bottom = CellY[rows];
    const int gridRight = CellX[cols];
    CellCanvas->setPen(QPen(Qt::black));

    // The clue column beside the grid: the Down list alone when it is long, else both lists.
    const bool downOnly = downCount >= 9;
    const int lines = downOnly ? downCount + 1 : acrossCount + downCount + 3;
    const int lineHeight = RoundQuotient(PH * 14 / 24 - m, lines + 2);
    const int columnLeft = gridRight + m;
    auto rowTop = [&](int row) { return m + row * lineHeight; };
    auto drawTitle = [&](int row, const QString& title) {
        SetFont("MS Sans Serif", 10, true, true);
        DrawFittedText(columnLeft, PW, rowTop(row), rowTop(row + 1), AlignLeft, AlignMiddle, title);
        SetFont("MS Sans Serif", 10, true);
    };
    int line = 0;
    if (!downOnly) {
        drawTitle(line++, "Across Clues");
        for (int r = 1; r <= acrossCount; ++r, ++line)
            DrawClue(columnLeft, PW, rowTop(line), rowTop(line + 1), 0, r);
        ++line;
    }
    drawTitle(line++, "Down Clues");
    for (int r = 1; r <= downCount; ++r, ++line)
        DrawClue(columnLeft, PW, rowTop(line), rowTop(line + 1), 2, r);
    bottom = std::max(bottom, m + lines * lineHeight);

    // The Across list in four columns below the grid.
    if (downOnly) {
        const int k = (acrossCount + 4) / 4;
        const int rowHeight = RoundQuotient(PH * 3 / 24 - m, k);
        SetEdges(CellY, bottom + m, rowHeight, k);
        SetEdges(CellX, m, RoundQuotient(PW - 2 * m, 4), 4);
        SetFont("MS Sans Serif", 10, true, true);
        DrawCellText(0, 0, AlignLeft, AlignMiddle, "Across Clues");
        SetFont("MS Sans Serif", 10, true);
        for (int j = 1; j <= acrossCount; ++j)
            DrawClue(CellX[j / k], CellX[j / k + 1], CellY[j % k], CellY[j % k + 1], 0, j);
        bottom = CellY[k];
    }

    // The solution, smaller, without lines.
    const int s2 = RoundQuotient(PH * 7 / 24 - m, longest);
    SetEdges(CellY, bottom + m, s2, rows);
    SetEdges(CellX, m, s2, cols);
    SetFont("MS Sans Serif", cols <= 15 ? 8 : 10, false);
    PaintGridCells(cols, rows, [](int c, int r, const XWordCell& cell) {
        DrawCellText(c, r, AlignCentre, AlignMiddle, ToQt(cell.Answer));
    });
}

bool PrintCrossword(QWidget* parent, const QString& freeFormHeader)
{
    return PrintOnePage(parent, CrosswordJobTitle,
                        [&](int width, int height) { PaintCrosswordPage(width, height, freeFormHeader); });
}

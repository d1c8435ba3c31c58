#include "WordSearchPrint.h"

#include "CellDraw.h"
#include "FontScheme.h"
#include "PrintJob.h"
#include "QtText.h"
#include "WordSearchRules.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

void GridLines(int side)
{
    QPen pen = CellCanvas->pen();
    pen.setWidth(2);
    CellCanvas->setPen(pen);
    for (int r = 0; r <= side; ++r)
        DrawHLine(CellX[0], CellY[r], CellX[side]);
    for (int c = 0; c <= side; ++c)
        DrawVLine(CellX[c], CellY[0], CellY[side]);
}

}  // namespace

void PaintWordSearchPage(int pageWidth, int pageHeight, const WordSearchPuzzle& puzzle, const QString& header)
{
    if (!CellCanvas)
        return;
    const int H = pageHeight;
    const int W = pageWidth;
    const int m = H / 60;
    const int usable = H - m;
    const int side = std::clamp(puzzle.Side, 1, SearchMaxSide);
    const int words = puzzle.PuzzleWordCount();

    CellCanvas->setPen(QPen(Qt::black));
    CellCanvas->setBrush(Qt::white);
    CellCanvas->setFont(MakeFont("MS Sans Serif", 10));

    // The header and the letter grid.
    const int c1 = RoundQuotient(usable * 13 / 24 - m, side + 2);
    SetEdges(CellX, m, c1, side);
    DrawFittedText(CellX[0], CellX[side], m, m + c1, AlignCentre, AlignMiddle, header);
    SetEdges(CellY, m + c1, c1, side + 1);
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (puzzle.Grid[c][r].Letter)
                DrawCellText(c, r, AlignCentre, AlignMiddle, ToQt(std::string(1, puzzle.Grid[c][r].Letter)));
    GridLines(side);
    int upperBottom = CellY[side + 1];

    // The word list beside the grid: every clue and its answer, found or not.
    CellCanvas->setPen(QPen(Qt::black));
    const int r1 = RoundQuotient(usable * 13 / 24 - m, words + 2);
    SetEdges(CellY, CellY[0], r1, words);
    CellX[0] = CellX[side] + m;
    CellX[1] = CellX[0] + (W - CellX[0]) / 2;
    CellX[2] = W;
    upperBottom = std::max(upperBottom, CellY[std::min(words, 100)]);
    bool wide = false;
    const QFontMetrics fm(CellCanvas->font(), CellCanvas->device());
    for (const TAnswer& word : puzzle.Answers)
        wide = wide || fm.horizontalAdvance(ToQt(word.Clue)) > CellX[1] - CellX[0] ||
               fm.horizontalAdvance(ToQt(word.Answer)) > CellX[2] - CellX[1];
    if (wide)
        CellCanvas->setFont(MakeFont("MS Sans Serif", 8));
    // A text too wide even then takes a smaller size of its own; the rest stay at the list's.
    for (int r = 0; r < words; ++r) {
        DrawFittedText(CellX[0], CellX[1], CellY[r], CellY[r + 1], AlignLeft, AlignMiddle, ToQt(puzzle.Answers[r].Clue));
        DrawFittedText(CellX[1], CellX[2], CellY[r], CellY[r + 1], AlignLeft, AlignMiddle, ToQt(puzzle.Answers[r].Answer));
    }

    // The solution: the hidden words' letters only, each word struck through.
    const int c2 = RoundQuotient(usable * 11 / 24 - m, side);
    SetEdges(CellY, upperBottom + m, c2, side);
    SetEdges(CellX, m, c2, side);
    CellCanvas->setFont(MakeFont("MS Sans Serif", side < 16 ? 10 : 8));
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (puzzle.Grid[c][r].Kind == '0' && puzzle.Grid[c][r].Letter)
                DrawCellText(c, r, AlignCentre, AlignMiddle, ToQt(std::string(1, puzzle.Grid[c][r].Letter)));
    GridLines(side);
    QPen strike(Qt::black);
    strike.setWidth(2);
    CellCanvas->setPen(strike);
    for (int layer = 1; layer <= SearchLayerCount; ++layer)
        for (int c = 0; c < side; ++c)
            for (int r = 0; r < side; ++r) {
                const TSearchCell& cell = puzzle.Layer(layer, c, r);
                if (cell.Start < 1 || cell.Length < 1)
                    continue;
                const SearchStep step = SearchDirectionStep(cell.Direction);
                const int lastCol = c + (cell.Length - 1) * step.Col;
                const int lastRow = r + (cell.Length - 1) * step.Row;
                if (!puzzle.InGrid(lastCol, lastRow))
                    continue;
                CellCanvas->drawLine(CellX[c] + c2 / 2, CellY[r] + c2 / 2, CellX[lastCol] + c2 / 2,
                                     CellY[lastRow] + c2 / 2);
            }
    CellCanvas->setPen(QPen(Qt::black));
}

bool PrintWordSearch(QWidget* parent, const WordSearchPuzzle& puzzle, const QString& header)
{
    return PrintOnePage(parent, WordSearchJobTitle,
                        [&](int width, int height) { PaintWordSearchPage(width, height, puzzle, header); });
}

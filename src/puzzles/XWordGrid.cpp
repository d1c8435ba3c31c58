#include "XWordGrid.h"

#include <algorithm>

XWordCells XWordGrid;
XWordCells XWordGridCopy;
int32_t XWordCols = 11;
int32_t XWordRows = 11;
int32_t XWordMode = 0;
XWordClueTable XWordClues;

void CopyXWordGrid(const XWordCells& from, XWordCells& to)
{
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r)
            to[c][r] = from[c][r];
}

namespace {

int UsedCols() { return std::clamp<int>(XWordCols, 0, XWordGridDim); }
int UsedRows() { return std::clamp<int>(XWordRows, 0, XWordGridDim); }

}  // namespace

void NumberGrid()
{
    const int cols = UsedCols();
    const int rows = UsedRows();

    if (XWordMode == 2) {
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r) {
                XWordCell& cell = XWordGrid[c][r];
                if (cell.Answer == ">")
                    cell.Answer.clear();
                cell.Kind = cell.Answer.empty() ? 1 : 2;
            }
    }

    // Runs are counted from the far edge back, so each run's length lands on its first cell.
    for (int r = 0; r < rows; ++r) {
        int count = 0;
        for (int c = cols - 1; c >= 0; --c) {
            if (XWordGrid[c][r].Kind == 2) {
                ++count;
                if (c == 0 && count > 1)
                    XWordGrid[0][r].AcrossLength = count;
            } else {
                if (count > 1)
                    XWordGrid[c + 1][r].AcrossLength = count;
                count = 0;
            }
        }
    }
    for (int c = 0; c < cols; ++c) {
        int count = 0;
        for (int r = rows - 1; r >= 0; --r) {
            if (XWordGrid[c][r].Kind == 2) {
                ++count;
                if (r == 0 && count > 1)
                    XWordGrid[c][0].DownLength = count;
            } else {
                if (count > 1)
                    XWordGrid[c][r + 1].DownLength = count;
                count = 0;
            }
        }
    }

    int number = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            XWordCell& cell = XWordGrid[c][r];
            if (cell.AcrossLength >= 1 || cell.DownLength >= 1) {
                ++number;
                if (cell.AcrossLength > 0)
                    cell.AcrossNumber = number;
                if (cell.DownLength > 0)
                    cell.DownNumber = number;
            }
        }

    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const XWordCell& cell = XWordGrid[c][r];
            if (cell.AcrossLength > 1)
                for (int i = 0; i < cell.AcrossLength && c + i < cols; ++i)
                    XWordGrid[c + i][r].AcrossStart = c;
            if (cell.DownLength > 1)
                for (int i = 0; i < cell.DownLength && r + i < rows; ++i)
                    XWordGrid[c][r + i].DownStart = r;
        }
}

void BuildClueLists()
{
    for (auto& column : XWordClues.Cells)
        for (auto& text : column)
            text = "00";

    const int cols = UsedCols();
    const int rows = UsedRows();
    int across = 0;
    int down = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const XWordCell& cell = XWordGrid[c][r];
            // A list holds at most 100 clues; a grid never needs more.
            if (cell.AcrossNumber > 0 && across < XWordMaxClues) {
                ++across;
                XWordClues.Cells[0][across] = "00" + std::to_string(cell.AcrossNumber);
                XWordClues.Cells[1][across] = "00" + cell.AcrossClue.str();
            }
            if (cell.DownNumber > 0 && down < XWordMaxClues) {
                ++down;
                XWordClues.Cells[2][down] = "00" + std::to_string(cell.DownNumber);
                XWordClues.Cells[3][down] = "00" + cell.DownClue.str();
            }
        }
    XWordClues.RowCount = std::max(across, down) + 1;
}

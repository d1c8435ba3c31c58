#pragma once
// The saved crossword ("LXQ_CrossWord.dat" for a regular crossword, "LXQ_FreeFormat.dat" for a
// free-format one): one record of 84,604 bytes holding the crossword on view with the user's
// letters and marks, cell by cell, and the clue texts. No widgets here.

#include "XWordGrid.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t SavedXWordSize = 84604;
constexpr size_t XWordCellSize = 168;
constexpr int XWordHeaderCapacity = 100;
constexpr int XWordSavedClueRows = 51;  // the header row and 50 clues a list
constexpr int XWordMaxSide = 19;
constexpr uint8_t XWordKindFreeFormat = 0;
constexpr uint8_t XWordKindRegular = 1;

namespace XWordFileOffset {
constexpr size_t Kind = 0, Header = 1, ColCount = 104, RowCount = 108, Grid = 112, Clues = 74200,
                 ClueColumn = 2601, ClueSize = 51;
// Cells lie column after column.
constexpr size_t Cell(int col, int row) { return Grid + (col * XWordGridDim + row) * XWordCellSize; }
constexpr size_t Clue(int col, int row) { return Clues + col * ClueColumn + row * ClueSize; }
}  // namespace XWordFileOffset

namespace XWordCellOffset {
constexpr size_t Kind = 0, Highlight = 1, AcrossNumber = 4, DownNumber = 8, AcrossClue = 12, DownClue = 63,
                 Answer = 114, Typed = 116, CheckMark = 118, Spare = 120, AcrossLength = 124, DownLength = 128,
                 AcrossStart = 132, DownStart = 136, AcrossCrossings = 140, DownCrossings = 144,
                 AcrossCrossingsOrdered = 148, DownCrossingsOrdered = 152, AcrossInOrder = 156, DownInOrder = 157,
                 FillStamp = 160, AcrossBlocked = 164, DownBlocked = 165;
}

// The record of the crossword on view (XWordGrid, XWordCols, XWordRows, XWordClues; XWordMode
// 2 gives a free-format record with the header). False when a clue list holds more than 50
// clues, which the record has no room for.
bool AssembleCrosswordRecord(std::vector<uint8_t>& record, std::string_view header);

struct SavedCrossword {
    uint8_t Kind = XWordKindRegular;
    std::string Header;
    int32_t Cols = 0;
    int32_t Rows = 0;
    XWordCells Grid;  // cells outside Cols x Rows are left as new cells
};

// Reads and checks a record; null when it is damaged or holds no crossword. Nothing else
// changes, so a refused file leaves the crossword on view as it was.
std::unique_ptr<SavedCrossword> ReadCrosswordRecord(std::span<const uint8_t> record);

// Puts a checked record on view: XWordMode from its kind, the grid and its size, then the
// lengths, numbers and links measured afresh (NumberGrid) and the clue lists rebuilt.
void ApplyCrosswordRecord(const SavedCrossword& saved);

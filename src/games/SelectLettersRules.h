#pragma once
// Select Letters: six words as rows of one answer grid, aligned in a fixed pattern, above a
// pool in which the letters of each column are stacked in random order. A letter moves only
// within its own column. Where two neighbouring rows could be exchanged letter for letter, one
// letter is placed beforehand so that the answer is unique.

#include "WordGameRules.h"

#include <array>
#include <string>
#include <vector>

constexpr int SelectRowCount = 6;

struct SelectBoard {
    std::array<TAnswer, SelectRowCount> Words;  // shortest first; Answer padded to Length
    int Length = 0;                             // the longest answer: the grid's columns
    std::vector<std::string> Boxes;             // SelectRowCount x Length, row by row
    std::vector<std::string> Pool;              // PoolRows x Length, row by row
    int PoolRows = 0;
    bool NoteShown = false;                     // a letter was placed beforehand
    bool CluesShown = false;

    std::string& Box(int col, int row) { return Boxes[row * Length + col]; }
    const std::string& Box(int col, int row) const { return Boxes[row * Length + col]; }
    std::string& PoolCell(int col, int row) { return Pool[row * Length + col]; }
    const std::string& PoolCell(int col, int row) const { return Pool[row * Length + col]; }
    bool InBoxes(int col, int row) const { return col >= 0 && col < Length && row >= 0 && row < SelectRowCount; }
    bool InPool(int col, int row) const { return col >= 0 && col < Length && row >= 0 && row < PoolRows; }
};

// Orders the words shortest first (equal lengths keep their order).
std::array<TAnswer, SelectRowCount> SortByLength(const std::array<TAnswer, MaxChosenWords + 1>& chosen);
// An answer padded with blanks to length in the alignment of its row (0-based): row 0 left,
// row 1 indented by one, rows 2 and 3 centred (the odd blank before), rows 4 and 5 right.
std::string AlignAnswer(const std::string& answer, int row, int length);

// A fresh game from Chosen[1..6]: sorted, aligned, pool filled, the pre-fill placed.
void SetupSelectLetters(SelectBoard& board, const std::array<TAnswer, MaxChosenWords + 1>& chosen);

// Drag rules.
bool CanDragFromBox(const SelectBoard& board, int col, int row);
bool CanDragFromPoolCell(const SelectBoard& board, int col, int row);
// Moves within one column; each runs CheckSelectComplete. False when refused.
bool SelectPoolToBox(SelectBoard& board, int poolCol, int poolRow, int col, int row);
bool SelectBoxToPool(SelectBoard& board, int col, int row);
bool SelectBoxToBox(SelectBoard& board, int col, int fromRow, int toRow);

// Every box holds a letter.
bool SelectGridFull(const SelectBoard& board);
// Check colours vanish; a full grid is checked at once.
void CheckSelectComplete(SelectBoard& board);
void CheckSelectLetters(SelectBoard& board);
void FillSelectLetters(SelectBoard& board);
// Every box holds its answer letter.
bool SelectSolved(const SelectBoard& board);

#pragma once
// The crossword on view: one grid of cell records shared by both generators, play, saving and
// printing, with its numbering and the texts of the two clue lists. No widgets here: the form
// sizes its crossword grid from XWordCols/XWordRows and copies XWordClues into its clue list.

#include "ShortString.h"

#include <cstdint>
#include <string>

constexpr int XWordGridDim = 21;       // columns and rows 0..20; only the used area counts
constexpr int XWordMaxClues = 100;     // clues per list
constexpr int XWordClueRows = XWordMaxClues + 1;  // header row 0, clue rows 1..100

struct XWordCell {
    uint8_t Kind = 1;            // 1 block, 2 letter square
    ShortString Highlight = "0"; // "0" normal, "1" selected letter, "2" other letter of the word
    int32_t AcrossNumber = -1;   // clue number of the across word starting here; -1 none
    int32_t DownNumber = -1;
    ShortString AcrossClue;      // clue text of the across word starting here
    ShortString DownClue;
    ShortString Answer;          // solution letter; " " unfilled while generating; ">" free-format end marker
    ShortString Typed;           // the user's letter, or a copy of Answer written by Fill
    ShortString CheckMark = "0"; // "0" none, "1" right, "2" wrong, "3" written by Fill
    ShortString Spare = "0";
    int32_t AcrossLength = 0;    // at an across word's first cell: its length
    int32_t DownLength = 0;
    int32_t AcrossStart = -1;    // for a letter of an across word: the word's first column
    int32_t DownStart = -1;      // for a letter of a down word: the word's first row
    int32_t AcrossCrossings = 0; // regular generation: letters with a letter square above or below
    int32_t DownCrossings = 0;
    int32_t AcrossCrossingsOrdered = 0;
    int32_t DownCrossingsOrdered = 0;
    uint8_t AcrossInOrder = 0;
    uint8_t DownInOrder = 0;
    int32_t FillStamp = 0;       // fill-order position of the word that first wrote the letter
    uint8_t AcrossBlocked = 0;   // free-format placement
    uint8_t DownBlocked = 0;
};

// [column][row]: the column comes first everywhere.
using XWordCells = XWordCell[XWordGridDim][XWordGridDim];
extern XWordCells XWordGrid;
extern XWordCells XWordGridCopy;  // the best free-format attempt while the attempts run

// The used area (the crossword grid control's column and row counts).
extern int32_t XWordCols;
extern int32_t XWordRows;

// 0 set-up page, 1 regular crossword on view, 2 free-format crossword on view.
extern int32_t XWordMode;

// Copies a whole grid (XWordGridCopy <-> XWordGrid).
void CopyXWordGrid(const XWordCells& from, XWordCells& to);

// Measures, numbers and links the words of the used area in place. In mode 2 it first turns
// the free-format letters into letter squares. It resets nothing: the caller has set lengths
// to 0 and numbers and links to -1.
void NumberGrid();

// The texts of the clue list: 4 columns (across number, across clue, down number, down clue)
// by up to 101 rows, row 0 the header. Every text is two flag characters and the content:
// first flag "2" on the selected clue, second flag "1" on a clue whose word is fully typed.
struct XWordClueTable {
    std::string Cells[4][XWordClueRows];  // [column][row]
    int32_t RowCount = 1;

    std::string& At(int col, int row) { return Cells[col][row]; }
    const std::string& At(int col, int row) const { return Cells[col][row]; }
};
extern XWordClueTable XWordClues;

// Rewrites every text of XWordClues from the numbered grid and sets its row count.
void BuildClueLists();

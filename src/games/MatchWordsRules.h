#pragma once
// Match Words: the clues of the game's words beside empty boxes, the answers in random order in
// a pool; the user drags each answer into the box of its clue.

#include "WordGameRules.h"

#include <string>
#include <vector>

struct MatchBoard {
    std::vector<std::string> Clues;    // row i: the clue of word i + 1 (plain text)
    std::vector<std::string> Answers;  // row i: the answer that belongs in box i
    std::vector<std::string> Boxes;    // "0" empty, "0"/"1"/"2" + word
    std::vector<std::string> Pool;     // "0" + word free, "1" + word placed
    int Rows() const { return static_cast<int>(Boxes.size()); }
};

// Fresh board from Chosen[1..WordsNeeded]: the answers shuffled into the pool, every box empty.
void SetupMatchWords(MatchBoard& board, const WordDraw& draw);

// Free pool words move; placed ones do not. A box moves the word it holds.
bool CanDragFromMatchPool(const MatchBoard& board, int row);
bool CanDragFromMatchBox(const MatchBoard& board, int row);

// The moves; each returns whether anything changed. A word dropped on a filled box sends the
// box's word back to the pool. Moves into a box clear the check colours and, once every box
// holds a word, check the board.
bool MatchPoolToBox(MatchBoard& board, int poolRow, int boxRow);
bool MatchBoxToBox(MatchBoard& board, int fromRow, int toRow);
bool MatchBoxToPool(MatchBoard& board, int boxRow);

// Every box holds a word.
bool MatchBoxesFilled(const MatchBoard& board);
// Filled boxes green when right, red when wrong; empty ones stay as they are.
void CheckMatchWords(MatchBoard& board);
// The solution: every box its answer, every pool word placed.
void FillAllMatchWords(MatchBoard& board);
// Every box holds its own answer.
bool MatchWordsSolved(const MatchBoard& board);

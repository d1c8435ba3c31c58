#include "MatchWordsRules.h"

#include <algorithm>

namespace {

bool InBoard(const MatchBoard& board, int row) { return row >= 0 && row < board.Rows(); }

// Every placed copy of word in the pool is free again.
void ReturnToPool(MatchBoard& board, const std::string& word)
{
    for (std::string& cell : board.Pool)
        if (StateOf(cell) == CellCorrect && ContentOf(cell) == word)
            cell = MakeCell(CellNormal, word);
}

void ResetBoxes(MatchBoard& board)
{
    for (std::string& box : board.Boxes)
        box = ResetState(box);
}

void AfterMoveIntoBox(MatchBoard& board)
{
    ResetBoxes(board);
    if (MatchBoxesFilled(board))
        CheckMatchWords(board);
}

}  // namespace

void SetupMatchWords(MatchBoard& board, const WordDraw& draw)
{
    const int rows = std::clamp(draw.WordsNeeded, 0, MaxChosenWords);
    board.Clues.assign(rows, {});
    board.Answers.assign(rows, {});
    board.Boxes.assign(rows, "0");
    board.Pool.assign(rows, "0");
    for (int i = 0; i < rows; ++i) {
        board.Clues[i] = draw.Chosen[i + 1].Clue;
        board.Answers[i] = draw.Chosen[i + 1].Answer;
    }
    // Pool row i takes the answer of the row its draw walked to.
    const std::vector<int> from = ShuffleSlots(rows);
    for (int i = 0; i < rows; ++i)
        board.Pool[i] = MakeCell(CellNormal, board.Answers[from[i]]);
}

bool CanDragFromMatchPool(const MatchBoard& board, int row)
{
    return InBoard(board, row) && StateOf(board.Pool[row]) == CellNormal && HoldsLetter(board.Pool[row]);
}

bool CanDragFromMatchBox(const MatchBoard& board, int row)
{
    return InBoard(board, row) && HoldsLetter(board.Boxes[row]);
}

bool MatchPoolToBox(MatchBoard& board, int poolRow, int boxRow)
{
    if (!CanDragFromMatchPool(board, poolRow) || !InBoard(board, boxRow))
        return false;
    if (HoldsLetter(board.Boxes[boxRow]))
        ReturnToPool(board, ContentOf(board.Boxes[boxRow]));
    const std::string word = ContentOf(board.Pool[poolRow]);
    board.Boxes[boxRow] = MakeCell(CellNormal, word);
    board.Pool[poolRow] = MakeCell(CellCorrect, word);
    AfterMoveIntoBox(board);
    return true;
}

bool MatchBoxToBox(MatchBoard& board, int fromRow, int toRow)
{
    if (!CanDragFromMatchBox(board, fromRow) || !InBoard(board, toRow) || fromRow == toRow)
        return false;
    if (HoldsLetter(board.Boxes[toRow]))
        ReturnToPool(board, ContentOf(board.Boxes[toRow]));
    board.Boxes[toRow] = MakeCell(CellNormal, ContentOf(board.Boxes[fromRow]));
    board.Boxes[fromRow] = "0";
    AfterMoveIntoBox(board);
    return true;
}

bool MatchBoxToPool(MatchBoard& board, int boxRow)
{
    if (!CanDragFromMatchBox(board, boxRow))
        return false;
    ReturnToPool(board, ContentOf(board.Boxes[boxRow]));
    board.Boxes[boxRow] = "0";
    ResetBoxes(board);
    return true;
}

bool MatchBoxesFilled(const MatchBoard& board)
{
    return std::all_of(board.Boxes.begin(), board.Boxes.end(), [](const std::string& b) { return HoldsLetter(b); });
}

void CheckMatchWords(MatchBoard& board)
{
    for (int i = 0; i < board.Rows(); ++i)
        if (HoldsLetter(board.Boxes[i]))
            board.Boxes[i] = Judge(board.Boxes[i], board.Answers[i]);
}

void FillAllMatchWords(MatchBoard& board)
{
    for (int i = 0; i < board.Rows(); ++i)
        board.Boxes[i] = MakeCell(CellCorrect, board.Answers[i]);
    for (std::string& cell : board.Pool)
        cell = MakeCell(CellCorrect, ContentOf(cell));
}

bool MatchWordsSolved(const MatchBoard& board)
{
    for (int i = 0; i < board.Rows(); ++i)
        if (ContentOf(board.Boxes[i]) != board.Answers[i])
            return false;
    return true;
}

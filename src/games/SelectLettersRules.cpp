#include "SelectLettersRules.h"

#include <algorithm>

std::array<TAnswer, SelectRowCount> SortByLength(const std::array<TAnswer, MaxChosenWords + 1>& chosen)
{
    std::array<TAnswer, SelectRowCount> sorted;
    std::array<bool, SelectRowCount> taken{};
    for (int n = 0; n < SelectRowCount; ++n) {
        int best = -1;
        for (int k = 0; k < SelectRowCount; ++k)
            if (!taken[k] && (best < 0 || chosen[k + 1].Answer.size() < chosen[best + 1].Answer.size()))
                best = k;
        taken[best] = true;
        sorted[n] = chosen[best + 1];
    }
    return sorted;
}

std::string AlignAnswer(const std::string& answer, int row, int length)
{
    const int d = std::max(0, length - static_cast<int>(answer.size()));
    int before = 0;
    switch (row) {
    case 0:
        break;
    case 1:
        before = d > 0 ? 1 : 0;
        break;
    case 2:
    case 3:
        before = d - d / 2;
        break;
    default:
        before = d;
        break;
    }
    return std::string(before, ' ') + answer + std::string(d - before, ' ');
}

namespace {

std::string Trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The bottom-most pool cell of a column equal to text, or -1.
int LowestPoolCell(const SelectBoard& board, int col, const std::string& text)
{
    for (int row = board.PoolRows - 1; row >= 0; --row)
        if (board.PoolCell(col, row) == text)
            return row;
    return -1;
}

void ReleaseInColumn(SelectBoard& board, int col, const std::string& letter)
{
    const int row = LowestPoolCell(board, col, MakeCell(CellCorrect, letter));
    if (row >= 0)
        board.PoolCell(col, row) = MakeCell(CellNormal, letter);
}

// Two neighbouring rows that could be exchanged letter for letter get the first letter where
// they differ placed in the lower row. Rows equal in every column need nothing.
void PreFill(SelectBoard& board, int upper)
{
    const std::string& a = board.Words[upper].Answer;
    const std::string& b = board.Words[upper + 1].Answer;
    if (Trimmed(a).size() != Trimmed(b).size() || a.find_first_not_of(' ') != b.find_first_not_of(' '))
        return;
    for (int col = 0; col < board.Length; ++col)
        if ((a[col] == ' ') != (b[col] == ' '))
            return;
    for (int col = 0; col < board.Length; ++col) {
        if (a[col] == ' ' || a[col] == b[col])
            continue;
        const std::string letter(1, b[col]);
        const int row = LowestPoolCell(board, col, MakeCell(CellNormal, letter));
        if (row < 0)
            return;
        board.PoolCell(col, row) = MakeCell(CellCorrect, letter);
        board.Box(col, upper + 1) = MakeCell(CellNormal, letter);
        board.NoteShown = true;
        return;
    }
}

}  // namespace

void SetupSelectLetters(SelectBoard& board, const std::array<TAnswer, MaxChosenWords + 1>& chosen)
{
    board.Words = SortByLength(chosen);
    board.Length = 0;
    for (const TAnswer& w : board.Words)
        board.Length = std::max(board.Length, static_cast<int>(w.Answer.size()));
    board.Boxes.assign(SelectRowCount * board.Length, "3");
    board.Pool.assign(SelectRowCount * board.Length, "0");
    board.PoolRows = SelectRowCount;
    board.NoteShown = false;
    board.CluesShown = false;

    for (int row = 0; row < SelectRowCount; ++row) {
        std::string& answer = board.Words[row].Answer;
        answer = AlignAnswer(answer, row, board.Length);
        for (int col = 0; col < board.Length; ++col)
            if (answer[col] != ' ')
                board.Box(col, row) = "0";
    }

    // Each column's letters stacked in random order from the top of the pool.
    int deepest = 0;
    for (int col = 0; col < board.Length; ++col) {
        std::vector<char> letters;
        for (int row = 0; row < SelectRowCount; ++row)
            if (board.Words[row].Answer[col] != ' ')
                letters.push_back(board.Words[row].Answer[col]);
        const std::vector<int> slot = ShuffleSlots(static_cast<int>(letters.size()));
        for (size_t i = 0; i < letters.size(); ++i)
            board.PoolCell(col, slot[i]) = MakeCell(CellNormal, std::string(1, letters[i]));
        deepest = std::max(deepest, static_cast<int>(letters.size()));
    }
    board.PoolRows = deepest;
    board.Pool.resize(deepest * board.Length);

    for (int upper = 0; upper + 1 < SelectRowCount; ++upper)
        PreFill(board, upper);
}

bool CanDragFromBox(const SelectBoard& board, int col, int row)
{
    return board.InBoxes(col, row) && StateOf(board.Box(col, row)) != CellNoBox && HoldsLetter(board.Box(col, row));
}

bool CanDragFromPoolCell(const SelectBoard& board, int col, int row)
{
    return board.InPool(col, row) && StateOf(board.PoolCell(col, row)) == CellNormal
        && HoldsLetter(board.PoolCell(col, row));
}

namespace {

bool IsBox(const SelectBoard& board, int col, int row)
{
    return board.InBoxes(col, row) && StateOf(board.Box(col, row)) != CellNoBox;
}

}  // namespace

bool SelectPoolToBox(SelectBoard& board, int poolCol, int poolRow, int col, int row)
{
    if (!CanDragFromPoolCell(board, poolCol, poolRow) || col != poolCol || !IsBox(board, col, row))
        return false;
    if (HoldsLetter(board.Box(col, row)))
        ReleaseInColumn(board, col, ContentOf(board.Box(col, row)));
    const std::string letter = ContentOf(board.PoolCell(poolCol, poolRow));
    board.Box(col, row) = MakeCell(CellNormal, letter);
    board.PoolCell(poolCol, poolRow) = MakeCell(CellCorrect, letter);
    CheckSelectComplete(board);
    return true;
}

bool SelectBoxToPool(SelectBoard& board, int col, int row)
{
    if (!CanDragFromBox(board, col, row))
        return false;
    ReleaseInColumn(board, col, ContentOf(board.Box(col, row)));
    board.Box(col, row) = "0";
    CheckSelectComplete(board);
    return true;
}

bool SelectBoxToBox(SelectBoard& board, int col, int fromRow, int toRow)
{
    if (!CanDragFromBox(board, col, fromRow) || fromRow == toRow || !IsBox(board, col, toRow))
        return false;
    if (HoldsLetter(board.Box(col, toRow)))
        ReleaseInColumn(board, col, ContentOf(board.Box(col, toRow)));
    board.Box(col, toRow) = MakeCell(CellNormal, ContentOf(board.Box(col, fromRow)));
    board.Box(col, fromRow) = "0";
    CheckSelectComplete(board);
    return true;
}

bool SelectGridFull(const SelectBoard& board)
{
    for (const std::string& box : board.Boxes)
        if (StateOf(box) != CellNoBox && !HoldsLetter(box))
            return false;
    return true;
}

void CheckSelectComplete(SelectBoard& board)
{
    for (std::string& box : board.Boxes)
        if (StateOf(box) != CellNoBox && HoldsLetter(box))
            box = ResetState(box);
    if (SelectGridFull(board))
        CheckSelectLetters(board);
}

void CheckSelectLetters(SelectBoard& board)
{
    for (int row = 0; row < SelectRowCount; ++row)
        for (int col = 0; col < board.Length; ++col) {
            std::string& box = board.Box(col, row);
            if (StateOf(box) != CellNoBox && HoldsLetter(box))
                box = Judge(box, std::string(1, board.Words[row].Answer[col]));
        }
}

void FillSelectLetters(SelectBoard& board)
{
    for (int row = 0; row < SelectRowCount; ++row)
        for (int col = 0; col < board.Length; ++col)
            if (StateOf(board.Box(col, row)) != CellNoBox)
                board.Box(col, row) = MakeCell(CellCorrect, std::string(1, board.Words[row].Answer[col]));
    for (std::string& cell : board.Pool)
        if (HoldsLetter(cell))
            cell = MakeCell(CellCorrect, ContentOf(cell));
    board.CluesShown = true;
}

bool SelectSolved(const SelectBoard& board)
{
    for (int row = 0; row < SelectRowCount; ++row)
        for (int col = 0; col < board.Length; ++col)
            if (StateOf(board.Box(col, row)) != CellNoBox
                && ContentOf(board.Box(col, row)) != std::string(1, board.Words[row].Answer[col]))
                return false;
    return true;
}

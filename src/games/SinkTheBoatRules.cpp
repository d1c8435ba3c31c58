#include "SinkTheBoatRules.h"

#include <algorithm>

int SinkBoard::Misses() const
{
    return static_cast<int>(std::count_if(Used.begin(), Used.end(), [](const std::string& u) { return !u.empty(); }));
}

void SetupSinkTheBoat(SinkBoard& board, const TAnswer& word)
{
    board.Clue = word.Clue;
    board.Answer = word.Answer;
    for (int row = 0; row < AlphabetRows; ++row)
        for (int col = 0; col < AlphabetCols; ++col)
            board.Alphabet[col + row * AlphabetCols] = AlphabetCell(col, row);
    board.Cells.clear();
    for (const char c : word.Answer)
        board.Cells.push_back(c == ' ' ? "1-" : MakeCell(CellNormal, std::string(1, c)));
    board.Used.fill({});
    board.Sunk = board.Won = false;
}

SinkGuess GuessLetter(SinkBoard& board, int col, int row)
{
    if (board.Over() || col < 0 || col >= AlphabetCols || row < 0 || row >= AlphabetRows)
        return SinkGuess::Ignored;
    std::string& key = board.Alphabet[col + row * AlphabetCols];
    if (StateOf(key) != CellNormal || !HoldsLetter(key))
        return SinkGuess::Ignored;
    const char letter = key[1];
    key[0] = CellCorrect;

    // Answers may start with a capital; the alphabet has none.
    const char capital = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    bool hit = false;
    for (std::string& cell : board.Cells)
        if (StateOf(cell) == CellNormal && cell.size() == 2 && (cell[1] == letter || cell[1] == capital)) {
            cell[0] = CellCorrect;
            hit = true;
        }
    if (!hit) {
        board.Used[board.Misses()] = std::string(1, letter);
        if (board.Misses() == SinkMissesAllowed) {
            board.Sunk = true;
            for (std::string& cell : board.Cells)
                cell[0] = CellCorrect;
        }
    }
    if (!board.Sunk)
        board.Won = std::all_of(board.Cells.begin(), board.Cells.end(),
                                [](const std::string& c) { return StateOf(c) == CellCorrect; });
    return hit ? SinkGuess::Hit : SinkGuess::Miss;
}

#include "CodewordsRules.h"

#include "Random.h"

#include <algorithm>

char LowerLetter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    return c;
}

namespace {

// The place of a letter in the code alphabet, or -1.
int AlphabetLetterIndex(char c)
{
    const auto* at = std::find(GameAlphabet.begin(), GameAlphabet.end(), c);
    return at == GameAlphabet.end() ? -1 : static_cast<int>(at - GameAlphabet.begin());
}

void SetAlphabetLetter(CodewordsBoard& board, const std::string& letter, char state)
{
    for (std::string& cell : board.Alphabet)
        if (HoldsLetter(cell) && ContentOf(cell) == letter)
            cell = MakeCell(state, letter);
}

bool ValidCode(const CodewordsBoard& board, int code) { return code >= 1 && code <= board.CodeLetterCount; }

// Every word cell of a code shows the letter, or turns empty.
void ShowCode(CodewordsBoard& board, int code, const std::string& letter)
{
    for (CodeWord& word : board.Words)
        for (size_t j = 0; j < word.Codes.size(); ++j)
            if (word.Codes[j] == code)
                word.Cells[j] = MakeCell(CellNormal, letter);
}

}  // namespace

void SetupCodewords(CodewordsBoard& board, const std::array<TAnswer, MaxChosenWords + 1>& chosen)
{
    board.Alphabet.assign(AlphabetCols * AlphabetRows, "0");
    for (int row = 0; row < AlphabetRows; ++row)
        for (int col = 0; col < AlphabetCols; ++col)
            board.Alphabet[AlphabetIndex(col, row)] = AlphabetCell(col, row);

    // A capital counts as its small letter; blanks and other signs are no letters.
    std::array<bool, CodeAlphabetSize> used{};
    for (int k = 1; k <= CodeWordCount; ++k)
        for (const char c : chosen[k].Answer) {
            int index = AlphabetLetterIndex(c);
            if (index < 0)
                index = AlphabetLetterIndex(LowerLetter(c));
            if (index >= 0)
                used[index] = true;
        }
    board.CodeLetterCount = static_cast<int>(std::count(used.begin(), used.end(), true));
    board.CodeLetters.fill({});
    board.KeyLetter.fill({});
    board.KeyState.fill(CellNormal);
    board.CluesShown = false;

    const int k = board.CodeLetterCount;
    for (int index = 0; index < CodeAlphabetSize; ++index) {
        if (!used[index])
            continue;
        int code = Random(k) + 1;
        while (!board.CodeLetters[code].empty())
            code = code % k + 1;
        board.CodeLetters[code] = std::string(1, GameAlphabet[index]);
    }
}

void SetupCodeRow(CodewordsBoard& board, int k, const TAnswer& word)
{
    if (k < 1 || k > CodeWordCount)
        return;
    CodeWord& w = board.Words[k - 1];
    w.Clue = word.Clue;
    w.Answer = word.Answer;
    w.Cells.assign(word.Answer.size(), "0");
    w.Codes.assign(word.Answer.size(), 0);
    for (size_t j = 0; j < word.Answer.size(); ++j) {
        const std::string lower(1, LowerLetter(word.Answer[j]));
        for (int c = 1; c <= board.CodeLetterCount; ++c)
            if (board.CodeLetters[c] == lower)
                w.Codes[j] = c;
    }
}

int CodeKeyRows(const CodewordsBoard& board)
{
    return std::max(1, (board.CodeLetterCount + 1) / 2);
}

int CodeAtKeyCell(const CodewordsBoard& board, int col, int row)
{
    const int rows = CodeKeyRows(board);
    if (col < 0 || col >= CodeKeyCols || row < 0 || row >= rows)
        return 0;
    const int code = (col / 3) * rows + row + 1;
    return ValidCode(board, code) ? code : 0;
}

int KeyColumnOf(const CodewordsBoard& board, int code, int offset)
{
    return ((code - 1) / CodeKeyRows(board)) * 3 + offset;
}

int KeyRowOf(const CodewordsBoard& board, int code)
{
    return (code - 1) % CodeKeyRows(board);
}

std::string KeyCellText(const CodewordsBoard& board, int col, int row)
{
    const int code = CodeAtKeyCell(board, col, row);
    if (code == 0)
        return {};
    switch (col % 3) {
    case 0:
        return std::to_string(code);
    case 1:
        return board.KeyLetter[code];
    default:
        return MakeCell(board.KeyState[code], board.CodeLetters[code]);
    }
}

bool CanDragFromAlphabet(const CodewordsBoard& board, int index)
{
    return index >= 0 && index < static_cast<int>(board.Alphabet.size()) && StateOf(board.Alphabet[index]) == CellNormal
        && HoldsLetter(board.Alphabet[index]);
}

bool CanDragFromKey(const CodewordsBoard& board, int code)
{
    return ValidCode(board, code) && !board.KeyLetter[code].empty();
}

bool KeyComplete(const CodewordsBoard& board)
{
    for (int c = 1; c <= board.CodeLetterCount; ++c)
        if (board.KeyLetter[c].empty())
            return false;
    return true;
}

bool AlphabetToKey(CodewordsBoard& board, int index, int code)
{
    if (!CanDragFromAlphabet(board, index) || !ValidCode(board, code))
        return false;
    if (!board.KeyLetter[code].empty())
        SetAlphabetLetter(board, board.KeyLetter[code], CellNormal);
    const std::string letter = ContentOf(board.Alphabet[index]);
    board.Alphabet[index] = MakeCell(CellCorrect, letter);
    board.KeyLetter[code] = letter;
    board.KeyState[code] = CellNormal;
    ShowCode(board, code, letter);
    // The last letter placed checks the key at once.
    if (KeyComplete(board))
        CheckCodewords(board);
    else
        RefreshCodeGrids(board);
    return true;
}

bool KeyToAlphabet(CodewordsBoard& board, int code)
{
    if (!CanDragFromKey(board, code))
        return false;
    SetAlphabetLetter(board, board.KeyLetter[code], CellNormal);
    board.KeyLetter[code].clear();
    board.KeyState[code] = CellNormal;
    ShowCode(board, code, {});
    RefreshCodeGrids(board);
    return true;
}

bool KeyToKey(CodewordsBoard& board, int fromCode, int toCode)
{
    if (!CanDragFromKey(board, fromCode) || !ValidCode(board, toCode) || fromCode == toCode)
        return false;
    // A letter in the way goes back to the alphabet; the two are not swapped.
    if (!board.KeyLetter[toCode].empty())
        SetAlphabetLetter(board, board.KeyLetter[toCode], CellNormal);
    const std::string letter = board.KeyLetter[fromCode];
    board.KeyLetter[toCode] = letter;
    board.KeyLetter[fromCode].clear();
    board.KeyState[toCode] = CellNormal;
    board.KeyState[fromCode] = CellNormal;
    ShowCode(board, toCode, letter);
    ShowCode(board, fromCode, {});
    RefreshCodeGrids(board);
    return true;
}

void RefreshCodeGrids(CodewordsBoard& board)
{
    for (CodeWord& word : board.Words)
        for (std::string& cell : word.Cells)
            cell = ResetState(cell);
    board.KeyState.fill(CellNormal);
}

void CheckCodewords(CodewordsBoard& board)
{
    for (CodeWord& word : board.Words)
        for (size_t j = 0; j < word.Cells.size(); ++j) {
            if (!HoldsLetter(word.Cells[j]))
                continue;
            const std::string letter = ContentOf(word.Cells[j]);
            const bool right = letter.size() == 1 && LowerLetter(letter[0]) == LowerLetter(word.Answer[j]);
            word.Cells[j] = MakeCell(right ? CellCorrect : CellWrong, letter);
        }
    bool allRight = true;
    for (int c = 1; c <= board.CodeLetterCount; ++c) {
        if (board.KeyLetter[c].empty()) {
            allRight = false;
            continue;
        }
        board.KeyState[c] = board.KeyLetter[c] == board.CodeLetters[c] ? CellCorrect : CellWrong;
        allRight = allRight && board.KeyState[c] == CellCorrect;
    }
    if (allRight)
        board.CluesShown = true;
}

void FillCodewords(CodewordsBoard& board)
{
    for (CodeWord& word : board.Words)
        for (size_t j = 0; j < word.Cells.size(); ++j)
            word.Cells[j] = MakeCell(CellCorrect, std::string(1, word.Answer[j]));
    for (std::string& cell : board.Alphabet)
        if (HoldsLetter(cell))
            cell = MakeCell(CellNormal, ContentOf(cell));
    for (int c = 1; c <= board.CodeLetterCount; ++c) {
        board.KeyLetter[c] = board.CodeLetters[c];
        board.KeyState[c] = CellCorrect;
        SetAlphabetLetter(board, board.CodeLetters[c], CellCorrect);
    }
    board.CluesShown = true;
}

#include "CrosswordPlay.h"

#include <algorithm>
#include <utility>
#include <vector>

int32_t SelCol = 0;
int32_t SelRow = 0;
uint8_t SelDown = 0;
int32_t WordStartCol = 0;
int32_t WordStartRow = 0;
int32_t SelClueNumber = 0;
int32_t SelClueRow = 0;
int32_t AccentPrefix = 0;

namespace {

// Windows-1252 letters of the accent typing.
constexpr char a_acute = '\xE1', e_acute = '\xE9', i_acute = '\xED', o_acute = '\xF3', u_acute = '\xFA',
               n_tilde = '\xF1', u_diaeresis = '\xFC';

int Cols() { return std::clamp<int>(XWordCols, 0, XWordGridDim); }
int Rows() { return std::clamp<int>(XWordRows, 0, XWordGridDim); }
bool InGrid(int col, int row) { return col >= 0 && row >= 0 && col < Cols() && row < Rows(); }
bool IsLetterSquare(int col, int row) { return InGrid(col, row) && XWordGrid[col][row].Kind == 2; }

void SetFlag(int col, int row, int which, char flag)
{
    std::string& text = XWordClues.At(col, row);
    if (text.size() < 2)
        text.resize(2, '0');
    text[which] = flag;
}

bool HasNumber(int col, int row)
{
    return row >= 1 && row < XWordClues.RowCount && row < XWordClueRows && XWordClues.At(col, row).size() > 2;
}

int NumberAt(int col, int row)
{
    return HasNumber(col, row) ? std::atoi(XWordClues.At(col, row).c_str() + 2) : 0;
}

// The clue-list row of a word's number in one list (number column 0 or 2); 0 when absent.
int ClueRowOf(int numberCol, int number)
{
    for (int row = 1; row < XWordClues.RowCount && row < XWordClueRows; ++row)
        if (NumberAt(numberCol, row) == number)
            return row;
    return 0;
}

// The cells of the word starting at (col, row) in one direction.
std::vector<std::pair<int, int>> WordCellsFrom(int col, int row, bool down)
{
    std::vector<std::pair<int, int>> cells;
    if (!InGrid(col, row))
        return cells;
    const int length = down ? XWordGrid[col][row].DownLength : XWordGrid[col][row].AcrossLength;
    for (int i = 0; i < length; ++i) {
        const int c = down ? col : col + i;
        const int r = down ? row + i : row;
        if (!InGrid(c, r))
            break;
        cells.emplace_back(c, r);
    }
    return cells;
}

std::vector<std::pair<int, int>> SelectedWordCells() { return WordCellsFrom(WordStartCol, WordStartRow, SelDown != 0); }

std::vector<std::pair<int, int>> ScopeCells(PlayScope scope)
{
    std::vector<std::pair<int, int>> cells;
    switch (scope) {
    case PlayScope::Letter:
        if (IsLetterSquare(SelCol, SelRow))
            cells.emplace_back(SelCol, SelRow);
        break;
    case PlayScope::Word:
        cells = SelectedWordCells();
        break;
    case PlayScope::All:
        for (int r = 0; r < Rows(); ++r)
            for (int c = 0; c < Cols(); ++c)
                if (IsLetterSquare(c, r))
                    cells.emplace_back(c, r);
        break;
    }
    return cells;
}

void ResetSelectionMarks()
{
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r)
            XWordGrid[c][r].Highlight = "0";
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < XWordClueRows; ++row)
            SetFlag(col, row, 0, '0');
}

// Marks the selected word and letter, and the word's clue.
void ShowSelection()
{
    for (auto [c, r] : SelectedWordCells())
        XWordGrid[c][r].Highlight = "2";
    XWordGrid[SelCol][SelRow].Highlight = "1";
    const int numberCol = SelDown ? 2 : 0;
    SelClueRow = ClueRowOf(numberCol, SelClueNumber);
    if (SelClueRow > 0) {
        SetFlag(numberCol, SelClueRow, 0, '2');
        SetFlag(numberCol + 1, SelClueRow, 0, '2');
    }
}

// Moves the selected letter within the word, keeping the word.
void MoveSelection(int col, int row)
{
    XWordGrid[SelCol][SelRow].Highlight = "2";
    SelCol = col;
    SelRow = row;
    XWordGrid[SelCol][SelRow].Highlight = "1";
}

bool IsLetterKey(int key)
{
    switch (key) {
    case XKey::FillAdvance:
    case XKey::Tilde:
    case 193: case 201: case 205: case 209: case 211: case 218: case 220:
        return true;
    default:
        return key >= 'A' && key <= 'Z';
    }
}

bool SelectionValid() { return IsLetterSquare(SelCol, SelRow); }

// The lower-case form of a Windows-1252 capital (A-Z and À-Þ but ×); others unchanged.
char LowerLetter(char ch)
{
    const auto u = static_cast<unsigned char>(ch);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 32);
    return ch;
}

}  // namespace

bool LettersMatch(std::string_view typed, std::string_view answer)
{
    if (typed == answer)
        return true;
    return typed.size() == 1 && answer.size() == 1 && typed[0] == LowerLetter(answer[0]);
}

bool SelectFromGrid(int col, int row)
{
    if (!IsLetterSquare(col, row))
        return false;
    const XWordCell& cell = XWordGrid[col][row];
    if (cell.AcrossStart < 0 && cell.DownStart < 0)
        return false;  // a single square between blocks belongs to no word
    uint8_t down;
    if (cell.AcrossStart >= 0 && cell.DownStart < 0)
        down = 0;
    else if (cell.DownStart >= 0 && cell.AcrossStart < 0)
        down = 1;
    else if (!(cell.Highlight == "0"))
        down = SelDown ? 0 : 1;
    else
        down = cell.AcrossLength <= 0 && cell.DownLength >= 1 ? 1 : 0;

    ResetSelectionMarks();
    SelDown = down;
    SelCol = col;
    SelRow = row;
    if (down) {
        WordStartCol = col;
        WordStartRow = cell.DownStart;
        SelClueNumber = XWordGrid[WordStartCol][WordStartRow].DownNumber;
    } else {
        WordStartCol = cell.AcrossStart;
        WordStartRow = row;
        SelClueNumber = XWordGrid[WordStartCol][WordStartRow].AcrossNumber;
    }
    ShowSelection();
    return true;
}

bool SelectFromClueList(int col, int row)
{
    if (row <= 0 || col < 0 || col > 3)
        return false;
    const bool down = col >= 2;
    const int numberCol = down ? 2 : 0;
    if (!HasNumber(numberCol, row))
        return false;
    const int number = NumberAt(numberCol, row);
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c) {
            const XWordCell& cell = XWordGrid[c][r];
            if ((down ? cell.DownNumber : cell.AcrossNumber) != number)
                continue;
            ResetSelectionMarks();
            SelDown = down ? 1 : 0;
            SelClueNumber = number;
            WordStartCol = SelCol = c;
            WordStartRow = SelRow = r;
            ShowSelection();
            return true;
        }
    return false;
}

void SelectNextClue()
{
    const int numberCol = SelDown ? 2 : 0;
    const int next = SelClueRow + 1;
    if (HasNumber(numberCol, next))
        SelectFromClueList(numberCol, next);
    else
        SelectFromClueList(SelDown ? 0 : 2, 1);
}

std::string TypedLetter(int key, int prefix)
{
    if (!IsLetterKey(key) || key == XKey::FillAdvance)
        return {};
    if (prefix == 1 && key == 'N')
        return {n_tilde};
    if (prefix == 2 && key == 'U')
        return {u_diaeresis};
    if (prefix == 3) {
        switch (key) {
        case 'A': return {a_acute};
        case 'E': return {e_acute};
        case 'I': return {i_acute};
        case 'O': return {o_acute};
        case 'U': return {u_acute};
        case 'N': return {n_tilde};
        default: break;
        }
    }
    if (key == XKey::Tilde)
        return {n_tilde};
    return {static_cast<char>(key + 32)};
}

bool CrossKeyDown(int key, bool shift)
{
    if (key == XKey::Tilde && shift) {
        AccentPrefix = 1;
        return true;
    }
    if (key == XKey::Quote) {
        AccentPrefix = shift ? 2 : 3;
        return true;
    }
    if (key == XKey::Tab) {
        SelectNextClue();
        return true;
    }
    if (!SelectionValid())
        return false;
    XWordCell& cell = XWordGrid[SelCol][SelRow];
    if (key == XKey::Delete) {
        cell.Typed.clear();
        cell.CheckMark = "0";
    } else if (key == XKey::Backspace) {
        const int c = SelDown ? SelCol : SelCol - 1;
        const int r = SelDown ? SelRow - 1 : SelRow;
        if (IsLetterSquare(c, r)) {
            MoveSelection(c, r);
            XWordGrid[c][r].Typed.clear();
            XWordGrid[c][r].CheckMark = "0";
        }
    } else if (IsLetterKey(key)) {
        const std::string letter = TypedLetter(key, AccentPrefix);
        AccentPrefix = 0;
        if (key != XKey::FillAdvance) {
            cell.Typed = letter;
            cell.CheckMark = "0";
        }
        const int c = SelDown ? SelCol : SelCol + 1;
        const int r = SelDown ? SelRow + 1 : SelRow;
        if (IsLetterSquare(c, r))
            MoveSelection(c, r);
        else
            SelectNextClue();
    } else {
        return false;  // a pending prefix stays pending
    }
    UpdateWordCompletion();
    return true;
}

void ClearLetters(PlayScope scope)
{
    for (auto [c, r] : ScopeCells(scope)) {
        XWordGrid[c][r].Typed.clear();
        XWordGrid[c][r].CheckMark = "0";
    }
    UpdateWordCompletion();
}

void FillLetters(PlayScope scope)
{
    for (auto [c, r] : ScopeCells(scope)) {
        XWordCell& cell = XWordGrid[c][r];
        if (cell.Typed == cell.Answer) {
            cell.CheckMark = "0";
        } else {
            cell.Typed = cell.Answer;
            cell.CheckMark = "3";
        }
    }
    if (scope == PlayScope::Letter)
        CrossKeyDown(XKey::FillAdvance, false);
    else if (scope == PlayScope::Word)
        SelectNextClue();
    UpdateWordCompletion();
}

void CheckLetters(PlayScope scope)
{
    for (auto [c, r] : ScopeCells(scope)) {
        XWordCell& cell = XWordGrid[c][r];
        if (!cell.Typed.empty())
            cell.CheckMark = LettersMatch(cell.Typed.view(), cell.Answer.view()) ? "1" : "2";
    }
}

void ToggleAccent()
{
    if (!SelectionValid())
        return;
    static constexpr std::pair<char, char> Pairs[] = {
        {'a', a_acute}, {'e', e_acute}, {'i', i_acute}, {'o', o_acute}, {'u', u_acute}, {'n', n_tilde}};
    XWordCell& cell = XWordGrid[SelCol][SelRow];
    if (cell.Typed.size() == 1) {
        const char ch = cell.Typed[0];
        for (auto [plain, accented] : Pairs) {
            if (ch == plain)
                cell.Typed = std::string(1, accented);
            else if (ch == accented)
                cell.Typed = std::string(1, plain);
        }
    }
    cell.CheckMark = "0";
    ClearCheckMarks();
}

void ClearCheckMarks()
{
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r) {
            XWordCell& cell = XWordGrid[c][r];
            if (cell.CheckMark == "1" || cell.CheckMark == "2")
                cell.CheckMark = "0";
        }
}

bool UpdateWordCompletion()
{
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < XWordClueRows; ++row)
            SetFlag(col, row, 1, '0');
    bool all = true;
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c)
            for (bool down : {false, true}) {
                const std::vector<std::pair<int, int>> cells = WordCellsFrom(c, r, down);
                if (cells.size() < 2)
                    continue;
                const bool complete = std::all_of(cells.begin(), cells.end(), [](const std::pair<int, int>& p) {
                    return !XWordGrid[p.first][p.second].Typed.empty();
                });
                if (!complete) {
                    all = false;
                    continue;
                }
                const int numberCol = down ? 2 : 0;
                const XWordCell& start = XWordGrid[c][r];
                const int row = ClueRowOf(numberCol, down ? start.DownNumber : start.AcrossNumber);
                if (row > 0) {
                    SetFlag(numberCol, row, 1, '1');
                    SetFlag(numberCol + 1, row, 1, '1');
                }
            }
    ClearCheckMarks();
    if (all)
        CheckLetters(PlayScope::All);
    return all;
}

LetterButtonState LetterButtons(int col, int row)
{
    LetterButtonState state;
    if (!IsLetterSquare(col, row))
        return state;
    const std::string_view typed = XWordGrid[col][row].Typed.view();
    static constexpr std::string_view Accentable[] = {"a", "e", "i", "o", "u", "n", "\xE1", "\xE9", "\xED", "\xF3", "\xFA", "\xF1"};
    state.Accent = std::find(std::begin(Accentable), std::end(Accentable), typed) != std::end(Accentable);
    state.ClearAndCheck = !typed.empty();
    return state;
}

void StartPlay()
{
    AccentPrefix = 0;
    SelDown = 0;
    SelClueRow = 0;
    if (!SelectFromClueList(0, 1))
        SelectFromClueList(2, 1);
}

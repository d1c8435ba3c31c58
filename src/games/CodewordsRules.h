#pragma once
// Codewords: six words in code. Every distinct letter of the six answers gets a number 1..K;
// the user builds the key by dragging letters from the game alphabet onto the numbers, and
// every word cell carrying a number shows the letter placed on it.

#include "WordGameRules.h"

#include <array>
#include <string>
#include <vector>

constexpr int CodeWordCount = 6;
constexpr int CodeAlphabetSize = static_cast<int>(GameAlphabet.size());  // 33
constexpr int CodeKeyCols = 6;  // two blocks of number, letter and the hidden true letter

struct CodeWord {
    std::string Clue;
    std::string Answer;
    std::vector<std::string> Cells;  // "0" empty, "0"/"1"/"2" + letter
    std::vector<int> Codes;          // the number under each character, 0 under a blank
};

struct CodewordsBoard {
    std::array<CodeWord, CodeWordCount> Words;
    int CodeLetterCount = 0;                              // K
    std::array<std::string, CodeAlphabetSize + 1> CodeLetters;  // [c]: the letter of code c, 1..K
    std::array<std::string, CodeAlphabetSize + 1> KeyLetter;    // [c]: the user's letter, or empty
    std::array<char, CodeAlphabetSize + 1> KeyState{};          // [c]: '0' unchecked, '1' right, '2' wrong
    std::vector<std::string> Alphabet;  // AlphabetCols x AlphabetRows, row by row: "0"/"1" + letter
    bool CluesShown = false;            // the key is complete and right, or filled
};

// The lower-case form of a Windows-1252 letter (A-Z and the accented capitals).
char LowerLetter(char c);

// The code of the key: which letters occur in the words (by their lower-case form), and a
// number 1..K for each, shuffled. The alphabet starts all free and the key empty.
void SetupCodewords(CodewordsBoard& board, const std::array<TAnswer, MaxChosenWords + 1>& chosen);
// Word k (1..6): empty cells over the code number of each character.
void SetupCodeRow(CodewordsBoard& board, int k, const TAnswer& word);

// The key table of sgCode: RowCount = (K + 1) div 2 rows; code i stands in row (i - 1) mod
// RowCount of block (i - 1) div RowCount, block 1 in columns 0 to 2, block 2 in 3 to 5.
int CodeKeyRows(const CodewordsBoard& board);
// The code of a key cell (any column of its block), or 0 where there is none.
int CodeAtKeyCell(const CodewordsBoard& board, int col, int row);
// The column of the number (offset 0), the letter (1) or the true letter (2) of code c; its row.
int KeyColumnOf(const CodewordsBoard& board, int code, int offset);
int KeyRowOf(const CodewordsBoard& board, int code);
// The text sgCode shows in a cell: the number, the user's letter, the state + true letter.
std::string KeyCellText(const CodewordsBoard& board, int col, int row);

// Alphabet cells by column and row; -1 outside.
inline int AlphabetIndex(int col, int row)
{
    return col >= 0 && col < AlphabetCols && row >= 0 && row < AlphabetRows ? row * AlphabetCols + col : -1;
}

// Drag rules.
bool CanDragFromAlphabet(const CodewordsBoard& board, int index);
bool CanDragFromKey(const CodewordsBoard& board, int code);
// The moves; false when the drop does nothing.
bool AlphabetToKey(CodewordsBoard& board, int index, int code);
bool KeyToAlphabet(CodewordsBoard& board, int code);
bool KeyToKey(CodewordsBoard& board, int fromCode, int toCode);

// Every code has a letter.
bool KeyComplete(const CodewordsBoard& board);
// The check colours vanish.
void RefreshCodeGrids(CodewordsBoard& board);
// Word letters and key letters judged; a complete, right key shows the clues. Word cells are
// compared in lower case, as the key is.
void CheckCodewords(CodewordsBoard& board);
// The solution: the words and the key filled, the alphabet showing the key's letters as used.
void FillCodewords(CodewordsBoard& board);

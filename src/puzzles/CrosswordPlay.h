#pragma once
// Playing the crossword on view: the selected word and letter, typing from key codes with
// accent prefixes, Clear / Fill / Check on a letter, a word or the whole puzzle, and the
// completion flags of the clue lists. Works on XWordGrid and XWordClues; no widgets.

#include "XWordGrid.h"

#include <cstdint>
#include <string>
#include <string_view>

// The selection: the letter square, the word's direction and first cell, its clue.
extern int32_t SelCol;
extern int32_t SelRow;
extern uint8_t SelDown;  // 0 across, 1 down
extern int32_t WordStartCol;
extern int32_t WordStartRow;
extern int32_t SelClueNumber;
extern int32_t SelClueRow;
// The pending accent prefix: 0 none, 1 "~", 2 a double quote, 3 "'".
extern int32_t AccentPrefix;

// Windows virtual-key codes the grid reacts to (code 1 is Fill Letter's "advance only").
namespace XKey {
constexpr int FillAdvance = 1;
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Delete = 46;
constexpr int Tilde = 192;  // "~" with Shift; without, the "ñ" key
constexpr int Quote = 222;  // "'" and, with Shift, the double quote
}  // namespace XKey

enum class PlayScope { Letter, Word, All };

// A click on a grid cell; false (nothing changes) for a block or a square of no word.
bool SelectFromGrid(int col, int row);
// A click on the clue list (columns 0-1 across, 2-3 down); false for the header or an empty row.
bool SelectFromClueList(int col, int row);
// Selects the clue after the selected one, wrapping from the end of one list to the other.
void SelectNextClue();

// One key on its virtual-key code; false when the key means nothing to the grid.
bool CrossKeyDown(int key, bool shift);
// The letter (Windows-1252) a letter key gives under a prefix; empty for a key that types none.
std::string TypedLetter(int key, int prefix);

void ClearLetters(PlayScope scope);
void FillLetters(PlayScope scope);
void CheckLetters(PlayScope scope);
// Swaps the selected letter with its accented form ("a" <-> "á", "n" <-> "ñ", ...).
void ToggleAccent();

// A typed letter against the answer's: equal, or the typed lower-case letter of a capital
// (accents still count).
bool LettersMatch(std::string_view typed, std::string_view answer);

// Every right/wrong mark removed ("3" of Fill stays).
void ClearCheckMarks();
// The second flags of the clue lists from the typed letters; when every word is complete the
// whole puzzle is checked. True when it was.
bool UpdateWordCompletion();

// The letter buttons for a cell: the accent toggle, and Clear / Check Letter.
struct LetterButtonState {
    bool Accent = false;
    bool ClearAndCheck = false;
};
LetterButtonState LetterButtons(int col, int row);

// Prepares play on a new crossword: no prefix, the first Across clue selected.
void StartPlay();

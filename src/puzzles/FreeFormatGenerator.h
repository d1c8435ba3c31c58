#pragma once
// Free-format crossword generation: the words of one category or sub-category, placed one after
// the other on a 19 by 19 work area, alternately across and down, each where it crosses the
// words already there; the best of several randomised attempts is kept, cropped to its letters.

#include "Selection.h"
#include "XWordGrid.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

constexpr int FreeFormatMaxWords = 1000;  // words a selection keeps
constexpr int FreeFormatMinWords = 6;     // fewer give no puzzle
constexpr int FreeFormatSide = 19;        // the work area
constexpr int FreeFormatAttempts = 21;
constexpr int FreeFormatComplete = 999;   // a placement that placed every word asked for

// Entries 1..FreeFormatMaxWords; -1 unused.
extern int32_t FreeFormatWords[FreeFormatMaxWords + 1];  // word numbers (indexes into WordTable)
extern int32_t FreeFormatCount;                          // words selected
extern int32_t FreeFormatTarget;                         // words wanted
extern int32_t FreeFormatOrder[FreeFormatMaxWords + 1];  // one attempt's order
extern int32_t FreeFormatPool[FreeFormatMaxWords + 1];   // the draw's working copy
extern bool FreeFormatSpanishAnswers;                    // the language of the selection

// Where one attempt put a word, in work-area cells before trimming (in the order placed; the
// first is the middle across word).
struct FreeFormatPlacement {
    int32_t Word = -1;
    int32_t Col = 0;
    int32_t Row = 0;
    bool Down = false;
};
extern std::vector<FreeFormatPlacement> FreeFormatPlaced;

// A word's answer in the answer language (its letters-only form, case and accents kept) and its
// clue: the other language's word followed by the answer's letter counts, cut to 50 characters.
std::string_view FreeFormatAnswer(const TWordRecord& word, bool spanishAnswers);
std::string FreeFormatClue(const TWordRecord& word, bool spanishAnswers);

// The word record has the same English or the same Spanish text as one of the first count
// selected words.
bool IsDuplicateCrosswordWord(int word, int count);

// What the selection needs from the screen: a message for too few words, and the choice when
// fewer words than asked for are there (true: go on with them). A missing choice is never asked
// ("New puzzle" uses what the selection gives).
struct FreeFormatPrompts {
    std::function<void(const std::string& message)> Message;
    std::function<bool(const std::string& heading)> ContinueWithFewer;
};

std::string TooFewFreeFormatWordsMessage(int count, bool allWordsChecked);
std::string FewerFreeFormatWordsHeading(int count, bool allWordsChecked);
constexpr const char* FewerFreeFormatContinue = "Continue with the current selection.";
constexpr const char* FewerFreeFormatCancel = "Cancel the request and expand the selection.";

// Fills FreeFormatWords, FreeFormatCount and FreeFormatTarget from the selection (category,
// sub-category or all of them, common filter), answers of 3 to 19 letters that can be typed,
// no repeated English or Spanish text. False when abandoned after a message or the choice.
bool SelectFreeFormatWords(const WordSelection& selection, bool spanishAnswers, int wanted,
                           const FreeFormatPrompts& prompts);

// The score of a word at a position of the work area: +1 a crossing, -1000 (or less) a letter in
// conflict, a blocked cell or a letter just before or after the word. Cells outside the area
// count as empty.
int ScoreFreeFormatPosition(std::string_view answer, int col, int row, bool down);

// Empties the work area (letters, clues, blocked flags) and forgets the placements.
void ResetFreeFormatArea();
// Writes one word at its first cell: its clue there, its letters, an end marker before and after
// it, and the blocked flags that keep a parallel word from touching it.
void WriteFreeFormatWord(int word, int col, int row, bool down);

// One placement attempt on the XWordCols x XWordRows work area; the number of words placed, or
// FreeFormatComplete when FreeFormatTarget were placed.
int PlaceFreeFormatWords();

// Crops the work area to its letters, moved to the top-left corner, and sets the used area.
void TrimFreeFormatGrid();

// The whole generation after a successful selection: the attempts on a 19 by 19 area, the best
// kept, XWordMode := 2, trimmed and numbered. Returns the words placed in the grid shown.
int GenerateFreeFormatCrossword();

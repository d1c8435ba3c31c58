#pragma once
// Regular crossword generation: a grid template of the chosen size, its word slots ordered most
// constrained first, and a fill with step-back from the answer index of the answer language.

#include "XWordGrid.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Common-word filter, the values of Preferences.CommonFilter.
constexpr int FilterCommonOnly = 0;
constexpr int FilterLessCommonOnly = 1;
constexpr int FilterAllWords = 2;

extern int32_t CurrentTemplate;  // the template being tried
extern int32_t LastTemplate;     // template of the previous successful regular crossword; 0 none

struct XWordSlot {
    int32_t Col = -1;
    int32_t Row = -1;
    uint8_t Down = 0;  // 0 across, 1 down
};
constexpr int MaxSlots = 300;
// Positions 1..MaxSlots; entries past the last slot hold column -1, row -1.
extern XWordSlot SlotFillOrder[MaxSlots + 1];

// True when every character of an answer can be typed into the crossword grid: letters a-z,
// their capitals, and the accented letters the grid's accent typing gives, with capitals.
bool IsTypableAnswer(std::string_view answer);

// The entries of one answer index that a request may use (common filter and typable answers),
// per length, filtered once; the fill scans these instead of the whole index. Valid until the
// indexes are next rebuilt.
class RegularWordPool {
public:
    RegularWordPool(bool spanishAnswers, int commonFilter);

    bool SpanishAnswers() const { return spanish_; }
    // Entries of the index of this length (eligible or not): the range of the random start.
    int IndexCount(int length) const;
    // Eligible entry numbers (1-based, ascending) of one length.
    const std::vector<int32_t>& Entries(int length) const { return entries_[length]; }
    // Their answers, length bytes each, in the same order.
    const char* Answers(int length) const { return answers_[length].data(); }
    const std::vector<int32_t>& WordIndexes(int length) const { return words_[length]; }

private:
    bool spanish_;
    std::vector<int32_t> entries_[21];
    std::vector<int32_t> words_[21];
    std::vector<char> answers_[21];
};

// Resets the used area (Kind kept), numbers it, counts crossings and builds SlotFillOrder.
// Words crossing nothing come last, in scan order. Returns the number of slots ordered.
int PrepareGridSlots();

// Prepares the grid and fills every slot; false when the step-back limit is reached, a slot
// cannot be filled at all, or a slot has 2 letters.
bool FillRegularGrid(const RegularWordPool& pool);

// The regular branch of the start button: up to five templates of the size (1..5 for
// 11 x 11 .. 19 x 19), avoiding LastTemplate, three fills each. Sets XWordCols/XWordRows and
// XWordMode := 1; on success XWordGrid holds the numbered, filled crossword and LastTemplate
// the template used. beforeEachTry runs before each template is tried (the form paints its
// "Recalculating crossword" panel there). False: "not sufficient", XWordGrid undefined.
bool StartRegularCrossword(int sizeIndex, int commonFilter, bool spanishAnswers,
                           const std::function<void()>& beforeEachTry = {});

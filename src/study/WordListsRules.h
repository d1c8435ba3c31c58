#pragma once
// The two word lists of the Word Lists screen: the words still to learn and the words
// learned, of one selection, sorted by one of four sort modes.

#include "Selection.h"

#include <string>
#include <vector>

struct WordListRow {
    int WordIndex = 0;        // index in WordTable
    std::string TypeText;     // "M", "F", ...
    std::string FirstWord;    // English (Spanish answers) or Spanish with its note
    std::string SecondWord;   // the other language
};

struct WordLists {
    std::vector<WordListRow> ToLearn;
    std::vector<WordListRow> Learned;
};

// Sort modes: 1 first word ascending, 2 descending, 3 second word ascending, 4 descending.
// A mode outside 1..4 becomes the one that sorts on the English word ascending.
int NormalizedSortMode(int mode, bool spanishAnswers);

// The rows of the given words (indexes in WordTable, in table order), sorted by a sort mode.
// Keys are the words' sort keys compared byte by byte; equal keys keep the given order.
std::vector<WordListRow> SortedWordRows(const std::vector<int>& wordIndexes, bool spanishAnswers, int sortMode);

// Builds both lists of a selection (the learned filter is not applied: the lists split on it).
// Keys are the words' sort keys compared byte by byte; equal keys keep table order.
WordLists BuildWordListRows(const WordSelection& selection, bool spanishAnswers, int sortMode);

// Marks every word of the selection learned or not (the "All" buttons).
void MarkSelectionLearned(const WordSelection& selection, bool learned);

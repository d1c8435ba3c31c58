#pragma once
// A screen's choice of words: category, sub-category (or all) and the common and learned
// filters, and the learned marks that the Word Lists screen keeps.

#include "LX_Globals.h"

struct WordSelection {
    int Category = 0;
    int SubCategory = 0;
    bool AllSubCategories = false;
    int CommonFilter = 2;   // 0 common only, 1 less common only, 2 all
    int LearnedFilter = 2;  // 0 learned only, 1 not learned only, 2 all
};

// The word lies in the category and sub-category and passes the common filter.
bool InCategorySelection(const TWordRecord& word, const WordSelection& selection);
// ... and passes the learned filter as well.
bool InSelection(const TWordRecord& word, const WordSelection& selection);

// Marks word i (index in WordTable) learned or not, with its stored copy: LearnedFlags for a
// built-in word, the CustomWords record for a custom one.
void MarkWordLearned(int wordIndex, bool learned);

// The list text of a word type: "M", "F", "M/F", "M pl.", "F pl.", "Verb", "Adj." and "".
const char* WordTypeText(uint8_t wordType);

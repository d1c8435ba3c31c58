#pragma once
// The custom vocabulary kept sorted and gap-free after every change: categories by name in
// slots 15 upwards, sub-categories by name from entry 0, words by English behind the built-in
// words. A category, sub-category or word is deleted by emptying its name (its English) and
// running these, which drop empty entries and re-point the words (and the stored selection).

#include "LX_Globals.h"

#include <array>

// Where one re-sort put what it moved. Category -1: the custom categories, To[old slot] the new
// slot. Otherwise the sub-categories of that custom category: To[old entry] the new entry, and
// the choice of all its sub-categories (sub-category index SubCount) moved from AllFrom to AllTo.
// -1 for a slot or entry dropped (deleted).
struct CategoryMoves {
    int Category = -1;
    std::array<int, MaxCategories> To{};
    int AllFrom = -1;
    int AllTo = -1;
};
// A choice held outside the tables (a board game's category slots) moves with its category
// and sub-category: each follower is told every re-sort, after the tables are refreshed.
void AddCategoryFollower(void (*follower)(const CategoryMoves&));

// Sorts the custom categories, drops nameless slots, re-points words and the selection, and
// refreshes CategoryTable 15..29, CustomCategoryCount and TotalCategoryCount.
void SortCustomCategories();
// The same for the sub-categories of one custom category.
void SortCustomSubCategories(int category);
// Sorts the custom words by lower-case English, drops those with an empty English, and sets
// CustomWordCount and WordCount.
void SortCompactCustomWords();
// Rebuilds CustomWords from WordTable; custom word k gets Id k.
void RebuildCustomWords();


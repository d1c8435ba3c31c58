#pragma once
// The custom vocabulary kept sorted and gap-free after every change: categories by name in
// slots 15 upwards, sub-categories by name from entry 0, words by English behind the built-in
// words. A category, sub-category or word is deleted by emptying its name (its English) and
// running these, which drop empty entries and re-point the words (and the stored selection).

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


#pragma once
// The Custom Lists screen's rules: its two word lists, the limits that enable its buttons, the
// checks of a typed name or word, and every change of the custom vocabulary, each ending in the
// re-sort of the custom tables (and the answer indexes when words changed).

#include "Selection.h"
#include "WordListsRules.h"

#include <string>
#include <string_view>
#include <vector>

constexpr int MaxListRows = 1001;        // rows a list table holds
constexpr int MaxCustomListRows = 1000;  // rows of one custom sub-category that still take an add

// The built-in list: words of a built-in selection, at most MaxListRows of them.
std::vector<WordListRow> FixedWordRows(const WordSelection& selection, bool spanishAnswers, int sortMode);
// The custom list: the words of one custom sub-category.
std::vector<WordListRow> CustomWordRows(int category, int subCategory, bool spanishAnswers, int sortMode);

// The chosen custom category and sub-category exist.
bool CustomCategoryExists(int category);
bool CustomSubCategoryExists(int category, int subCategory);

struct CustomButtonsEnabled {
    bool AddCategory = false, EditCategory = false, DeleteCategory = false;
    bool AddSubCategory = false, EditSubCategory = false, DeleteSubCategory = false;
    bool AddWords = false, EditWords = false, DeleteWords = false;
};
// rows: the custom list as shown; row: the chosen row.
CustomButtonsEnabled CustomButtons(int category, int subCategory, const std::vector<WordListRow>& rows, int row);

// Name checks: "" when the name may be stored, else the message. editing is the slot (entry)
// being renamed, -1 for an add.
std::string CheckCategoryName(std::string_view typed, int editing);
std::string CheckSubCategoryName(int category, std::string_view typed, int editing);

// Each returns the slot (entry) that now holds the name.
int AddCustomCategory(std::string_view name);
int RenameCustomCategory(int slot, std::string_view name);
int AddCustomSubCategory(int category, std::string_view name);
int RenameCustomSubCategory(int category, int entry, std::string_view name);
// Each returns the new choice: the name that sorted just below the deleted one, stepped on by
// one, kept to the entries in use.
int DeleteCustomCategory(int slot);
int DeleteCustomSubCategory(int category, int entry);

// A word typed into a word panel (texts as typed; trimmed by the checks and the store).
struct WordInput {
    std::string English;
    std::string Spanish;
    std::string Note;
    int DataType = -1;
    bool Common = false;
};
// "" when the word may be stored, else the message. editWordIndex: the word being edited, -1
// for an add.
std::string CheckWordInput(const WordInput& input, int category, int subCategory, int editWordIndex);
// Adds (editWordIndex -1) or changes a word, then re-sorts; returns the word's new index.
int StoreCustomWord(const WordInput& input, int category, int subCategory, int editWordIndex);

// Copies built-in word wordIndex into a custom sub-category; customRows: rows the custom list
// shows. Nothing is copied without a valid word and sub-category; a refusal has its message.
struct CopyResult {
    bool Copied = false;
    std::string Message;
};
CopyResult CopyBuiltInWord(int wordIndex, int category, int subCategory, int customRows);

// The custom word shown on a row of the custom list, found by its texts; -1 when none.
int FindChosenWord(int category, int subCategory, const WordListRow& row, bool spanishAnswers);
// Drops a custom word and re-sorts.
void DeleteCustomWord(int wordIndex);
// A choice kept to the count rows (entries) of a list: the last one when past its end, 0 for
// an empty list.
int KeptInList(int chosen, int count);
// The row chosen after a delete: the last row whose English is below the deleted English,
// stepped on by one, kept to the rows of the list.
int RowAfterDelete(const std::vector<WordListRow>& rows, const std::string& deletedEnglish, bool spanishAnswers,
                   int chosenRow);
// The last row whose English equals english, or chosenRow when none does.
int RowOfEnglish(const std::vector<WordListRow>& rows, const std::string& english, bool spanishAnswers, int chosenRow);

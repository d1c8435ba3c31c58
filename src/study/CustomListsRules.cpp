#include "CustomListsRules.h"

#include "AnswerIndex.h"
#include "CustomVocabulary.h"
#include "LX_Data.h"
#include "TextCodec.h"

#include <algorithm>

namespace {

constexpr int FirstCustomSlot = BuiltInCategorySlots;

int LastCustomSlot()
{
    return FirstCustomSlot + CustomCategoryCount - 1;
}

bool IsCustomWord(int i)
{
    return i > BuiltInWordCount && i <= WordCount && WordTable[i].Category >= FirstCustomSlot;
}

const std::string& EnglishOf(const WordListRow& row, bool spanishAnswers)
{
    return spanishAnswers ? row.FirstWord : row.SecondWord;
}

const std::string& SpanishOf(const WordListRow& row, bool spanishAnswers)
{
    return spanishAnswers ? row.SecondWord : row.FirstWord;
}

// A word of the sub-category other than skip with the same English and Spanish, blanks
// around either ignored.
bool WordExists(int category, int subCategory, const std::string& english, const std::string& spanish, int skip)
{
    for (int i = BuiltInWordCount + 1; i <= WordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        if (i != skip && w.Category == category && w.SubCategory == subCategory && Trim(w.English.view()) == english &&
            Trim(w.Spanish.view()) == spanish)
            return true;
    }
    return false;
}

void AfterWordsChanged()
{
    SortCompactCustomWords();
    RebuildCustomWords();
    BuildWordLengthTables();
}

}  // namespace

std::vector<WordListRow> FixedWordRows(const WordSelection& selection, bool spanishAnswers, int sortMode)
{
    std::vector<int> words;
    for (int i = 1; i <= WordCount && static_cast<int>(words.size()) < MaxListRows; ++i)
        if (InCategorySelection(WordTable[i], selection))
            words.push_back(i);
    return SortedWordRows(words, spanishAnswers, sortMode);
}

std::vector<WordListRow> CustomWordRows(int category, int subCategory, bool spanishAnswers, int sortMode)
{
    std::vector<int> words;
    for (int i = 1; i <= WordCount && static_cast<int>(words.size()) < MaxListRows; ++i)
        if (WordTable[i].Category == category && WordTable[i].SubCategory == subCategory)
            words.push_back(i);
    return SortedWordRows(words, spanishAnswers, sortMode);
}

bool CustomCategoryExists(int category)
{
    return category >= FirstCustomSlot && category <= LastCustomSlot() && !CustomCategories[category].Name.empty();
}

bool CustomSubCategoryExists(int category, int subCategory)
{
    return CustomCategoryExists(category) && subCategory >= 0 && subCategory < CustomCategories[category].SubCount &&
           subCategory < MaxCustomSubCategories && !CustomCategories[category].SubNames[subCategory].empty();
}

CustomButtonsEnabled CustomButtons(int category, int subCategory, const std::vector<WordListRow>& rows, int row)
{
    CustomButtonsEnabled b;
    b.AddCategory = CustomCategoryCount < MaxCustomCategories && CustomCategories[MaxCategories - 1].Name.empty();
    b.EditCategory = b.DeleteCategory = CustomCategoryExists(category);
    b.AddSubCategory = CustomCategoryExists(category) &&
                       CustomCategories[category].SubCount < MaxCustomSubCategories &&
                       CustomCategories[category].SubNames[MaxCustomSubCategories - 1].empty();
    b.EditSubCategory = b.DeleteSubCategory = CustomSubCategoryExists(category, subCategory);
    b.AddWords = CustomSubCategoryExists(category, subCategory) && WordCount < MaxWords &&
                 CustomWordCount < MaxCustomWords && static_cast<int>(rows.size()) < MaxCustomListRows;
    b.EditWords = b.DeleteWords = CustomSubCategoryExists(category, subCategory) && row >= 0 &&
                                  row < static_cast<int>(rows.size()) && !rows[row].FirstWord.empty();
    return b;
}

std::string CheckCategoryName(std::string_view typed, int editing)
{
    const std::string name = Trim(typed);
    if (name.empty())
        return "Category description must be filled in.";
    for (int slot = FirstCustomSlot; slot <= LastCustomSlot(); ++slot)
        if (slot != editing && Trim(CustomCategories[slot].Name.view()) == name)
            return "Category description : " + name + " already exists.";
    return {};
}

std::string CheckSubCategoryName(int category, std::string_view typed, int editing)
{
    const std::string name = Trim(typed);
    if (name.empty())
        return "Sub-category description must be filled in.";
    if (!CustomCategoryExists(category))
        return {};
    const TCategoryRecord& cat = CustomCategories[category];
    for (int s = 0; s < std::min(cat.SubCount, MaxCustomSubCategories); ++s)
        if (s != editing && Trim(cat.SubNames[s].view()) == name)
            return "Sub-category description : " + name + " already exists.";
    return {};
}

namespace {

int LastSlotNamed(std::string_view name)
{
    const ShortString stored(name);
    int found = -1;
    for (int slot = FirstCustomSlot; slot <= LastCustomSlot(); ++slot)
        if (CustomCategories[slot].Name == stored)
            found = slot;
    return found;
}

int LastEntryNamed(int category, std::string_view name)
{
    const ShortString stored(name);
    int found = -1;
    for (int s = 0; s < CustomCategories[category].SubCount; ++s)
        if (CustomCategories[category].SubNames[s] == stored)
            found = s;
    return found;
}

}  // namespace

int AddCustomCategory(std::string_view name)
{
    if (CustomCategoryCount >= MaxCustomCategories)
        return -1;
    // The first nameless slot: behind the count unless a data file left a gap, whose named
    // slots must not be overwritten.
    int free = FirstCustomSlot;
    while (free < MaxCategories && !CustomCategories[free].Name.empty())
        ++free;
    if (free == MaxCategories)
        return -1;
    // A new category starts empty: no sub-category names of an earlier one.
    TCategoryRecord& slot = CustomCategories[free];
    slot = TCategoryRecord{};
    slot.Name = name;
    ++CustomCategoryCount;
    SortCustomCategories();
    RebuildCustomWords();
    return LastSlotNamed(name);
}

int RenameCustomCategory(int slot, std::string_view name)
{
    if (!CustomCategoryExists(slot))
        return slot;
    CustomCategories[slot].Name = name;
    SortCustomCategories();
    RebuildCustomWords();
    return LastSlotNamed(name);
}

int AddCustomSubCategory(int category, std::string_view name)
{
    if (!CustomCategoryExists(category) || CustomCategories[category].SubCount >= MaxCustomSubCategories)
        return -1;
    TCategoryRecord& cat = CustomCategories[category];
    cat.SubNames[cat.SubCount++] = name;
    SortCustomSubCategories(category);
    RebuildCustomWords();
    return LastEntryNamed(category, name);
}

int RenameCustomSubCategory(int category, int entry, std::string_view name)
{
    if (!CustomSubCategoryExists(category, entry))
        return entry;
    CustomCategories[category].SubNames[entry] = name;
    SortCustomSubCategories(category);
    RebuildCustomWords();
    return LastEntryNamed(category, name);
}

int DeleteCustomCategory(int slot)
{
    if (!CustomCategoryExists(slot))
        return slot;
    const std::string removed = CustomCategories[slot].Name.str();
    CustomCategories[slot].Name.clear();
    for (int i = BuiltInWordCount + 1; i <= WordCount; ++i)
        if (WordTable[i].Category == slot)
            WordTable[i].English.clear();
    SortCustomCategories();
    SortCompactCustomWords();
    RebuildCustomWords();
    BuildWordLengthTables();

    int chosen = slot;
    for (int s = FirstCustomSlot; s <= LastCustomSlot(); ++s)
        if (CustomCategories[s].Name.str() < removed)
            chosen = s;
    if (chosen + 1 <= LastCustomSlot())
        ++chosen;
    // Names sort case-insensitively but are compared byte by byte, so the steps above can
    // land past the last category.
    return CustomCategoryCount == 0 ? FirstCustomSlot : std::clamp(chosen, FirstCustomSlot, LastCustomSlot());
}

int DeleteCustomSubCategory(int category, int entry)
{
    if (!CustomSubCategoryExists(category, entry))
        return entry;
    TCategoryRecord& cat = CustomCategories[category];
    const std::string removed = cat.SubNames[entry].str();
    cat.SubNames[entry].clear();
    for (int i = BuiltInWordCount + 1; i <= WordCount; ++i)
        if (WordTable[i].Category == category && WordTable[i].SubCategory == entry)
            WordTable[i].English.clear();
    SortCustomSubCategories(category);
    SortCompactCustomWords();
    RebuildCustomWords();
    BuildWordLengthTables();

    int chosen = entry;
    for (int s = 0; s < cat.SubCount; ++s)
        if (cat.SubNames[s].str() < removed)
            chosen = s;
    if (cat.SubCount > chosen + 1)
        ++chosen;
    return KeptInList(chosen, cat.SubCount);
}

std::string CheckWordInput(const WordInput& input, int category, int subCategory, int editWordIndex)
{
    const std::string english = Trim(input.English);
    const std::string spanish = Trim(input.Spanish);
    const std::string note = Trim(input.Note);
    if (input.DataType < 0 || input.DataType > 7)
        return "Data type must be selected";
    if (english.empty())
        return "English description must be filled in.";
    if (spanish.empty())
        return "Spanish description must be filled in.";
    if (!note.empty() && note[0] != '/')
        return "Additional description must start with the character /";
    if (WordExists(category, subCategory, english, spanish, editWordIndex))
        return "This word already exists in this category.";
    if (editWordIndex < 0 && (WordCount >= MaxWords || CustomWordCount >= MaxCustomWords))
        return "Maximum number of words reached.";
    return {};
}

int StoreCustomWord(const WordInput& input, int category, int subCategory, int editWordIndex)
{
    if (!CustomSubCategoryExists(category, subCategory))
        return -1;
    int index = editWordIndex;
    if (index < 0) {
        if (WordCount >= MaxWords || CustomWordCount >= MaxCustomWords)
            return -1;
        index = ++WordCount;
        ++CustomWordCount;
        WordTable[index] = TWordRecord{};
        WordTable[index].Learned = 0;
    } else if (!IsCustomWord(index)) {
        return -1;
    }
    TWordRecord& w = WordTable[index];
    w.Category = category;
    w.SubCategory = subCategory;
    w.WordType = static_cast<uint8_t>(input.DataType);
    w.English = Trim(input.English);
    w.Spanish = Trim(input.Spanish);
    w.Note = Trim(input.Note);
    w.LessCommon = input.Common ? 0 : 1;
    const ShortString english = w.English, spanish = w.Spanish;
    AfterWordsChanged();
    for (int i = BuiltInWordCount + 1; i <= WordCount; ++i)
        if (WordTable[i].Category == category && WordTable[i].SubCategory == subCategory &&
            WordTable[i].English == english && WordTable[i].Spanish == spanish)
            return i;
    return -1;
}

CopyResult CopyBuiltInWord(int wordIndex, int category, int subCategory, int customRows)
{
    CopyResult result;
    if (wordIndex < 1 || wordIndex > WordCount || !CustomSubCategoryExists(category, subCategory))
        return result;
    if (WordCount >= MaxWords || CustomWordCount >= MaxCustomWords || customRows >= MaxCustomListRows) {
        result.Message = "Maximum number of words reached.";
        return result;
    }
    const TWordRecord source = WordTable[wordIndex];
    // The record's own Spanish: a shown text cut at its first "/" would miss a Spanish with a "/".
    if (WordExists(category, subCategory, Trim(source.English.view()), Trim(source.Spanish.view()), -1)) {
        result.Message = "This word already exists in this category.";
        return result;
    }
    const int index = ++WordCount;
    ++CustomWordCount;
    TWordRecord& w = WordTable[index];
    w = TWordRecord{};
    w.Category = category;
    w.SubCategory = subCategory;
    w.English = source.English;
    w.WordType = source.WordType;
    w.Spanish = source.Spanish;
    w.Note = source.Note;
    w.LessCommon = source.LessCommon;
    w.Learned = 0;
    AfterWordsChanged();
    result.Copied = true;
    return result;
}

int FindChosenWord(int category, int subCategory, const WordListRow& row, bool spanishAnswers)
{
    const std::string& english = EnglishOf(row, spanishAnswers);
    const std::string& spanish = SpanishOf(row, spanishAnswers);
    if (english.empty())
        return -1;
    for (int i = BuiltInWordCount + 1; i <= WordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        if (w.Category == category && w.SubCategory == subCategory && w.English == english &&
            w.Spanish.str() + w.Note.str() == spanish)
            return i;
    }
    return -1;
}

void DeleteCustomWord(int wordIndex)
{
    if (!IsCustomWord(wordIndex))
        return;
    WordTable[wordIndex].English.clear();
    AfterWordsChanged();
}

int KeptInList(int chosen, int count)
{
    return count <= 0 ? 0 : std::clamp(chosen, 0, count - 1);
}

int RowAfterDelete(const std::vector<WordListRow>& rows, const std::string& deletedEnglish, bool spanishAnswers,
                   int chosenRow)
{
    const int count = static_cast<int>(rows.size());
    int row = chosenRow;
    for (int r = 0; r < count; ++r)
        if (EnglishOf(rows[r], spanishAnswers) < deletedEnglish)
            row = r;
    if (row + 1 < count)
        ++row;
    return KeptInList(row, count);
}

int RowOfEnglish(const std::vector<WordListRow>& rows, const std::string& english, bool spanishAnswers, int chosenRow)
{
    int row = chosenRow;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        if (EnglishOf(rows[r], spanishAnswers) == english)
            row = r;
    return row;
}

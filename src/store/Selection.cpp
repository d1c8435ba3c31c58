#include "Selection.h"

#include "LX_Data.h"

bool InCategorySelection(const TWordRecord& w, const WordSelection& s)
{
    if (w.Category != s.Category)
        return false;
    if (!s.AllSubCategories && w.SubCategory != s.SubCategory)
        return false;
    const bool common = w.LessCommon == 0;
    return s.CommonFilter == 2 || (s.CommonFilter == 0 && common) || (s.CommonFilter == 1 && !common);
}

bool InSelection(const TWordRecord& w, const WordSelection& s)
{
    if (!InCategorySelection(w, s))
        return false;
    const bool learned = w.Learned != 0;
    return s.LearnedFilter == 2 || (s.LearnedFilter == 0 && learned) || (s.LearnedFilter == 1 && !learned);
}

void MarkWordLearned(int wordIndex, bool learned)
{
    if (wordIndex < 1 || wordIndex > WordCount)
        return;
    TWordRecord& w = WordTable[wordIndex];
    w.Learned = learned ? 1 : 0;
    if (w.Category >= BuiltInCategorySlots) {
        if (w.Id >= 1 && w.Id <= CustomWordCount)
            CustomWords[w.Id].Learned = w.Learned;
    } else if (w.Id >= 1 && w.Id <= MaxWords) {
        LearnedFlags[w.Id] = w.Learned;
    }
}

const char* WordTypeText(uint8_t wordType)
{
    static const char* const Texts[] = {"M", "F", "M/F", "M pl.", "F pl.", "Verb", "Adj.", ""};
    return wordType < 8 ? Texts[wordType] : "";
}

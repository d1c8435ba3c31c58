#include "WordListsRules.h"

#include <algorithm>

int NormalizedSortMode(int mode, bool spanishAnswers)
{
    if (mode >= 1 && mode <= 4)
        return mode;
    return spanishAnswers ? 1 : 3;
}

std::vector<WordListRow> SortedWordRows(const std::vector<int>& wordIndexes, bool spanishAnswers, int sortMode)
{
    struct Keyed {
        std::string key;
        WordListRow row;
    };
    const bool onSecond = sortMode == 3 || sortMode == 4;
    const bool descending = sortMode == 2 || sortMode == 4;
    std::vector<Keyed> keyed;
    keyed.reserve(wordIndexes.size());
    for (int i : wordIndexes) {
        const TWordRecord& w = WordTable[i];
        Keyed k;
        k.key = (spanishAnswers != onSecond ? w.EnglishSortKey : w.SpanishSortKey).str();
        k.row.WordIndex = i;
        k.row.TypeText = WordTypeText(w.WordType);
        const std::string spanish = w.Spanish.str() + w.Note.str();
        k.row.FirstWord = spanishAnswers ? w.English.str() : spanish;
        k.row.SecondWord = spanishAnswers ? spanish : w.English.str();
        keyed.push_back(std::move(k));
    }
    // std::string compares as unsigned bytes; stable keeps the given order among equal keys.
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const Keyed& a, const Keyed& b) {
        return descending ? b.key < a.key : a.key < b.key;
    });
    std::vector<WordListRow> rows;
    rows.reserve(keyed.size());
    for (Keyed& k : keyed)
        rows.push_back(std::move(k.row));
    return rows;
}

WordLists BuildWordListRows(const WordSelection& selection, bool spanishAnswers, int sortMode)
{
    std::vector<int> toLearn, learned;
    for (int i = 1; i <= WordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        if (InCategorySelection(w, selection))
            (w.Learned ? learned : toLearn).push_back(i);
    }
    WordLists lists;
    lists.ToLearn = SortedWordRows(toLearn, spanishAnswers, sortMode);
    lists.Learned = SortedWordRows(learned, spanishAnswers, sortMode);
    return lists;
}

void MarkSelectionLearned(const WordSelection& selection, bool learned)
{
    for (int i = 1; i <= WordCount; ++i)
        if (InCategorySelection(WordTable[i], selection))
            MarkWordLearned(i, learned);
}

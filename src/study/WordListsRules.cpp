#include "WordListsRules.h"

#include <algorithm>

int NormalizedSortMode(int mode, bool spanishAnswers)
{
    if (mode >= 1 && mode <= 4)
        return mode;
    return spanishAnswers ? 1 : 3;
}

WordLists BuildWordListRows(const WordSelection& selection, bool spanishAnswers, int sortMode)
{
    struct Keyed {
        std::string firstKey, secondKey;
        WordListRow row;
    };
    std::vector<Keyed> toLearn, learned;
    for (int i = 1; i <= WordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        if (!InCategorySelection(w, selection))
            continue;
        Keyed k;
        k.firstKey = (spanishAnswers ? w.EnglishSortKey : w.SpanishSortKey).str();
        k.secondKey = (spanishAnswers ? w.SpanishSortKey : w.EnglishSortKey).str();
        k.row.WordIndex = i;
        k.row.TypeText = WordTypeText(w.WordType);
        const std::string spanish = w.Spanish.str() + w.Note.str();
        k.row.FirstWord = spanishAnswers ? w.English.str() : spanish;
        k.row.SecondWord = spanishAnswers ? spanish : w.English.str();
        (w.Learned ? learned : toLearn).push_back(std::move(k));
    }

    const bool onSecond = sortMode == 3 || sortMode == 4;
    const bool descending = sortMode == 2 || sortMode == 4;
    // std::string compares as unsigned bytes; stable keeps table order among equal keys.
    auto before = [&](const Keyed& a, const Keyed& b) {
        const std::string& ka = onSecond ? a.secondKey : a.firstKey;
        const std::string& kb = onSecond ? b.secondKey : b.firstKey;
        return descending ? kb < ka : ka < kb;
    };
    WordLists lists;
    for (auto* list : {&toLearn, &learned}) {
        std::stable_sort(list->begin(), list->end(), before);
        auto& out = list == &toLearn ? lists.ToLearn : lists.Learned;
        out.reserve(list->size());
        for (Keyed& k : *list)
            out.push_back(std::move(k.row));
    }
    return lists;
}

void MarkSelectionLearned(const WordSelection& selection, bool learned)
{
    for (int i = 1; i <= WordCount; ++i)
        if (InCategorySelection(WordTable[i], selection))
            MarkWordLearned(i, learned);
}

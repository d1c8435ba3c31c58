#include "WordTestsRules.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "Random.h"

#include <algorithm>

std::vector<int> BuildTestPool(const WordSelection& selection)
{
    std::vector<int> pool;
    for (int i = 1; i <= WordCount && i <= MaxWords; ++i) {
        if (!InSelection(WordTable[i], selection))
            continue;
        pool.push_back(i);
        if (static_cast<int>(pool.size()) == TestPoolCapacity)
            break;
    }
    return pool;
}

std::vector<int> DrawTestOrder(std::vector<int> pool)
{
    constexpr int Drawn = -1;
    const int count = static_cast<int>(pool.size());
    std::vector<int> order;
    order.reserve(pool.size());
    for (int k = 0; k < count; ++k) {
        const int r = Random(count);
        // Some entry is always left, so the walk ends within one round.
        int p = r;
        for (int steps = 0; pool[p] == Drawn && steps < count; ++steps)
            p = (p + 1) % count;
        order.push_back(pool[p]);
        pool[p] = Drawn;
    }
    return order;
}

WordTestRow MakeTestRow(int wordIndex, bool spanishAnswers)
{
    WordTestRow row;
    if (wordIndex < 1 || wordIndex > WordCount || wordIndex > MaxWords)
        return row;
    const TWordRecord& w = WordTable[wordIndex];
    row.WordIndex = wordIndex;
    row.TypeText = WordTypeText(w.WordType);
    if (spanishAnswers) {
        row.Clue = w.English.str() + " " + w.SpanishEnumeration.str();
        row.Answer = w.Spanish.str();
    } else {
        row.Clue = w.Spanish.str() + " " + w.EnglishEnumeration.str();
        row.Answer = w.English.str();
    }
    return row;
}

std::string_view TrimAnswer(std::string_view typed)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!typed.empty() && blank(typed.front()))
        typed.remove_prefix(1);
    while (!typed.empty() && blank(typed.back()))
        typed.remove_suffix(1);
    return typed;
}

bool AnswerIsRight(std::string_view typed, std::string_view answer)
{
    return TrimAnswer(typed) == answer;
}

std::string TotalText(int right, int rows)
{
    return "Total " + std::to_string(right) + "/" + std::to_string(rows);
}

bool WordTest::CheckRow(int row, std::string_view typed)
{
    if (row < 0 || row >= RowCount())
        return false;
    const bool right = AnswerIsRight(typed, Rows[row].Answer);
    RecordCheck(row, right);
    return right;
}

void WordTest::RecordCheck(int row, bool right)
{
    if (row >= 0 && row < RowCount() && Score[row] == Unchecked)
        Score[row] = right ? 1 : 0;
}

void WordTest::GiveAwayUnchecked()
{
    for (int row = 0; row < RowCount(); ++row)
        if (Score[row] == Unchecked)
            Score[row] = 0;
}

int WordTest::RightCount() const
{
    return static_cast<int>(std::count(Score.begin(), Score.begin() + RowCount(), 1));
}

WordTest DrawWordTest(const WordSelection& selection, bool spanishAnswers)
{
    WordTest test;
    test.Vocabulary = VocabularyChangeCount();
    const std::vector<int> pool = BuildTestPool(selection);
    test.PoolCount = static_cast<int>(pool.size());
    const std::vector<int> order = DrawTestOrder(pool);
    for (int k = 0; k < static_cast<int>(order.size()) && k < TestRowCapacity; ++k)
        test.Rows.push_back(MakeTestRow(order[k], spanishAnswers));
    return test;
}

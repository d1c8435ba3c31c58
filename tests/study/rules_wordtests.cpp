// The Word Tests rules: the pool, the draw and judging a typed answer (scoring is driven
// through the screen in test_wordtests.cpp).

#include "WordTestsRules.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// n words of one category, sub-categories "A" and "B" alternating, every third less common.
void UseNumberedTable(int n)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back(",D,,M,word" + std::to_string(i) + ",palabra" + std::to_string(i) + ",,,Cat," +
                        (i % 2 ? "A" : "B") + "," + (i % 3 == 0 ? "1" : "0") + "," + std::to_string(i) + ", ");
    std::vector<const char*> ptrs;
    for (const std::string& l : lines)
        ptrs.push_back(l.c_str());
    InitWordTablesFrom(ptrs.data(), n);
    BuildWordLengthTables();
}

WordSelection AllOfCategory()
{
    WordSelection s;
    s.AllSubCategories = true;
    return s;
}

}  // namespace

TEST(WordTestJudging, ExactAnswerBlanksTrimmedCaseAndAccentsCounted)
{
    const std::string cancion = "canci\xF3n";  // Windows-1252 ó
    EXPECT_TRUE(AnswerIsRight(cancion, cancion));
    EXPECT_TRUE(AnswerIsRight("\t  " + cancion + " \r\n\x01", cancion));  // every byte up to 32
    EXPECT_FALSE(AnswerIsRight("cancion", cancion));
    EXPECT_FALSE(AnswerIsRight("Canci\xF3n", cancion));
    EXPECT_FALSE(AnswerIsRight("   ", cancion));
    EXPECT_FALSE(AnswerIsRight(cancion + "\xA0", cancion));  // a non-breaking blank is a letter
    EXPECT_FALSE(AnswerIsRight("el  perro", "el perro"));    // inner blanks are the answer's own

    // The Spanish word's note (a feminine ending) is neither shown nor expected.
    const char* lines[] = {",D,/a,M,cousin,primo,cousins,primos,People,Family,0,1, ",
                           ",D,,FP,bread roll,panecillo,,,Food,Bread,0,2, "};
    InitWordTablesFrom(lines, 2);
    BuildWordLengthTables();
    const WordTestRow spanish = MakeTestRow(1, true);
    EXPECT_EQ(spanish.Answer, "primo");
    EXPECT_EQ(spanish.Clue, "cousin (5)");
    EXPECT_EQ(MakeTestRow(1, false).Answer, "cousin");
    EXPECT_EQ(MakeTestRow(2, false).Clue, "panecillo (5,4)");
    EXPECT_EQ(MakeTestRow(2, true).TypeText, "F pl.");
    EXPECT_EQ(MakeTestRow(3, true).Answer, "");  // past the table: an empty row, no read past it
}

TEST(WordTestPool, KeepsTheFirstThousandMatchingWordsInTableOrder)
{
    UseNumberedTable(1500);
    WordSelection common = AllOfCategory();
    common.CommonFilter = 0;
    const std::vector<int> pool = BuildTestPool(common);
    ASSERT_EQ(pool.size(), 1000u);
    EXPECT_TRUE(std::is_sorted(pool.begin(), pool.end()));
    EXPECT_TRUE(std::none_of(pool.begin(), pool.end(), [](int w) { return w % 3 == 0; }));
    EXPECT_EQ(pool.back(), 1499);  // the 1000th common word: the filter picks before the cut

    WordSelection learnedB = AllOfCategory();
    learnedB.AllSubCategories = false;
    learnedB.SubCategory = 1;  // "B": the even words
    learnedB.LearnedFilter = 0;
    WordTable[10].Learned = WordTable[11].Learned = 1;
    EXPECT_EQ(BuildTestPool(learnedB), std::vector<int>{10});
}

TEST(WordTestDraw, EveryWordOnceAndTheRowsAreTheFirstTwenty)
{
    UseNumberedTable(60);
    const std::vector<int> pool = BuildTestPool(AllOfCategory());
    std::set<int> firstDrawn;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed(seed);
        std::vector<int> order = DrawTestOrder(pool);
        firstDrawn.insert(order.at(0));
        std::sort(order.begin(), order.end());
        ASSERT_EQ(order, pool) << "seed " << seed;  // none twice, none lost
    }
    EXPECT_GT(firstDrawn.size(), 50u);  // any word may come first
    EXPECT_TRUE(DrawTestOrder({}).empty());

    const WordTest test = DrawWordTest(AllOfCategory(), false);
    ASSERT_EQ(test.RowCount(), 20);
    EXPECT_EQ(test.Total(), "Total 0/20");
    std::set<int> words;
    for (const WordTestRow& row : test.Rows) {
        words.insert(row.WordIndex);
        EXPECT_EQ(row.Answer, WordTable[row.WordIndex].English.str());
    }
    EXPECT_EQ(words.size(), 20u);
    EXPECT_EQ(test.Vocabulary, VocabularyChangeCount());

    UseNumberedTable(7);
    EXPECT_EQ(DrawWordTest(AllOfCategory(), true).Total(), "Total 0/7");
}

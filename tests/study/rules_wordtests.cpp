// The Word Tests rules: the pool, the draw, judging a typed answer and scoring.

#include "WordTestsRules.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// A table of our own: n words in category "Cat", sub-categories "A" and "B" alternating,
// every third word less common.
void UseNumberedTable(int n)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back(",D,,M,word" + std::to_string(i) + ",palabra" + std::to_string(i) + ",,,Cat," +
                        (i % 2 ? "A" : "B") + "," + (i % 3 == 0 ? "1" : "0") + "," + std::to_string(i) + ", ");
    std::vector<const char*> ptrs;
    for (const std::string& l : lines)
        ptrs.push_back(l.c_str());
    InitWordTablesFrom(ptrs.data(), static_cast<int>(ptrs.size()));
    BuildWordLengthTables();
}

WordSelection AllOfCategory()
{
    WordSelection s;
    s.AllSubCategories = true;
    return s;
}

}  // namespace

TEST(WordTestJudging, ExactAnswerWithBlanksTrimmedCaseAndAccentsCounted)
{
    const std::string cancion = "canci\xF3n";  // Windows-1252 ó
    EXPECT_TRUE(AnswerIsRight(cancion, cancion));
    EXPECT_TRUE(AnswerIsRight(" " + cancion + " ", cancion));
    EXPECT_TRUE(AnswerIsRight("\t  " + cancion + "\r\n\x01", cancion));  // every byte up to 32
    EXPECT_FALSE(AnswerIsRight("cancion", cancion));                     // accent missing
    EXPECT_FALSE(AnswerIsRight("Canci\xF3n", cancion));                  // case counts
    EXPECT_FALSE(AnswerIsRight("canci\xD3n", cancion));                  // upper-case accent
    EXPECT_FALSE(AnswerIsRight("", cancion));
    EXPECT_FALSE(AnswerIsRight("   ", cancion));
    // Inner blanks are the answer's own: neither trimmed nor collapsed.
    EXPECT_TRUE(AnswerIsRight("  el perro ", "el perro"));
    EXPECT_FALSE(AnswerIsRight("el  perro", "el perro"));
    EXPECT_FALSE(AnswerIsRight("elperro", "el perro"));
    // A non-breaking blank (0xA0) is a character, not a blank to trim.
    EXPECT_FALSE(AnswerIsRight(cancion + "\xA0", cancion));
    EXPECT_EQ(TrimAnswer("\x1F" "a b\x20"), "a b");
}

TEST(WordTestRows, ClueAndAnswerFollowTheLanguageAndTheNoteIsNotExpected)
{
    const char* lines[] = {",D,/a,M,cousin,primo,cousins,primos,People,Family,0,1, ",
                           ",D,,FP,bread roll,panecillo,,,Food,Bread,0,2, ",
                           ",D,,O,hello,\xA1hola!,,,Misc,Words,0,3, "};
    InitWordTablesFrom(lines, 3);
    BuildWordLengthTables();

    const WordTestRow spanish = MakeTestRow(1, true);
    EXPECT_EQ(spanish.Answer, "primo");  // not "primo/a"
    EXPECT_EQ(spanish.Clue, "cousin (5)");
    EXPECT_EQ(spanish.TypeText, "M");
    const WordTestRow english = MakeTestRow(1, false);
    EXPECT_EQ(english.Answer, "cousin");
    EXPECT_EQ(english.Clue, "primo (6)");

    EXPECT_EQ(MakeTestRow(2, true).Clue, "bread roll (9)");
    EXPECT_EQ(MakeTestRow(2, false).Clue, "panecillo (5,4)");
    EXPECT_EQ(MakeTestRow(2, true).TypeText, "F pl.");
    EXPECT_EQ(MakeTestRow(3, true).TypeText, "");

    // A word number past the table gives an empty row, never a read past it.
    EXPECT_EQ(MakeTestRow(4, true).WordIndex, 0);
    EXPECT_EQ(MakeTestRow(0, true).Answer, "");
}

TEST(WordTestPool, KeepsTheFirstThousandMatchingWordsInTableOrder)
{
    UseNumberedTable(1500);
    const std::vector<int> all = BuildTestPool(AllOfCategory());
    ASSERT_EQ(all.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(all[i], i + 1);

    // Filters pick before the cut: the thousand are the first thousand common ones.
    WordSelection common = AllOfCategory();
    common.CommonFilter = 0;
    const std::vector<int> pool = BuildTestPool(common);
    ASSERT_EQ(pool.size(), 1000u);
    EXPECT_TRUE(std::is_sorted(pool.begin(), pool.end()));
    for (int w : pool)
        ASSERT_NE(w % 3, 0);
    EXPECT_EQ(pool.back(), 1499);  // the 1000th word that is not a multiple of 3

    // Sub-category and learned filters.
    WordSelection subB = AllOfCategory();
    subB.AllSubCategories = false;
    subB.SubCategory = 1;  // "B": the even words
    subB.LearnedFilter = 0;
    EXPECT_TRUE(BuildTestPool(subB).empty());
    WordTable[10].Learned = 1;
    WordTable[11].Learned = 1;
    EXPECT_EQ(BuildTestPool(subB), std::vector<int>{10});
    subB.LearnedFilter = 1;
    EXPECT_EQ(BuildTestPool(subB).size(), 749u);
}

TEST(WordTestDraw, EveryWordOnceInAnyOrderOverManySeeds)
{
    UseNumberedTable(60);
    const std::vector<int> pool = BuildTestPool(AllOfCategory());
    std::map<int, int> firstDrawn;
    for (uint32_t seed = 1; seed <= 600; ++seed) {
        RandSeed(seed);
        std::vector<int> order = DrawTestOrder(pool);
        ASSERT_EQ(order.size(), pool.size());
        ++firstDrawn[order[0]];
        std::sort(order.begin(), order.end());
        ASSERT_EQ(order, pool) << "seed " << seed;  // a permutation: none twice, none lost
    }
    // The first row may be any word of the pool.
    EXPECT_GT(firstDrawn.size(), 50u);

    EXPECT_TRUE(DrawTestOrder({}).empty());
    EXPECT_EQ(DrawTestOrder({42}), std::vector<int>{42});
}

TEST(WordTestDraw, RowsAreTheFirstTwentyOfTheOrder)
{
    UseNumberedTable(7);
    RandSeed(3);
    WordTest seven = DrawWordTest(AllOfCategory(), true);
    EXPECT_EQ(seven.RowCount(), 7);
    EXPECT_EQ(seven.PoolCount, 7);
    EXPECT_EQ(seven.Total(), "Total 0/7");
    std::set<int> words;
    for (const WordTestRow& row : seven.Rows)
        words.insert(row.WordIndex);
    EXPECT_EQ(words.size(), 7u);

    UseNumberedTable(20);
    EXPECT_EQ(DrawWordTest(AllOfCategory(), true).Total(), "Total 0/20");

    UseNumberedTable(1500);
    RandSeed(9);
    const WordTest big = DrawWordTest(AllOfCategory(), false);
    EXPECT_EQ(big.RowCount(), 20);
    EXPECT_EQ(big.PoolCount, 1000);
    EXPECT_EQ(big.Total(), "Total 0/20");
    words.clear();
    for (const WordTestRow& row : big.Rows) {
        EXPECT_LE(row.WordIndex, 1000);
        EXPECT_EQ(row.Answer, WordTable[row.WordIndex].English.str());
        words.insert(row.WordIndex);
    }
    EXPECT_EQ(words.size(), 20u);
    EXPECT_FALSE(big.SpanishAnswers);
    EXPECT_EQ(big.Vocabulary, VocabularyChangeCount());

    WordSelection none = AllOfCategory();
    none.Category = 3;
    const WordTest empty = DrawWordTest(none, true);
    EXPECT_EQ(empty.RowCount(), 0);
    EXPECT_EQ(empty.Total(), "Total 0/0");
}

TEST(WordTestScoring, FirstCheckFixesTheScore)
{
    UseNumberedTable(3);
    WordTest test;
    for (int i = 1; i <= 3; ++i)
        test.Rows.push_back(MakeTestRow(i, true));

    // Wrong first, then corrected: marked right, scored 0 for good.
    EXPECT_FALSE(test.CheckRow(0, "palabra"));
    EXPECT_TRUE(test.CheckRow(0, "palabra1"));
    EXPECT_EQ(test.Score[0], 0);
    // Right first, then spoiled: scored 1 for good.
    EXPECT_TRUE(test.CheckRow(1, " palabra2 "));
    EXPECT_FALSE(test.CheckRow(1, "x"));
    EXPECT_EQ(test.Score[1], 1);
    EXPECT_EQ(test.Total(), "Total 1/3");

    // Fill All gives away the unchecked row and keeps the others' scores.
    test.GiveAwayUnchecked();
    EXPECT_EQ(test.Score[2], 0);
    EXPECT_TRUE(test.CheckRow(2, "palabra3"));
    EXPECT_EQ(test.Total(), "Total 1/3");

    EXPECT_FALSE(test.CheckRow(3, "palabra3"));  // no such row
    EXPECT_FALSE(test.CheckRow(-1, ""));
    EXPECT_EQ(test.Score[3], WordTest::Unchecked);
    EXPECT_EQ(TotalText(20, 20), "Total 20/20");
}

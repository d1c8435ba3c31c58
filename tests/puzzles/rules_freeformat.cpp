// Free-format crosswords: which words a selection takes and what it says when they are too few,
// the placement's invariants over many seeds on the real vocabulary, the edges of the work area,
// and the crop to the letters.

#include <gtest/gtest.h>

#include "RulesSupport.h"

#include "AnswerIndex.h"
#include "CrosswordGenerator.h"
#include "FreeFormatGenerator.h"
#include "LX_Globals.h"
#include "Random.h"
#include "XWordGrid.h"

#include <set>
#include <string>
#include <vector>

namespace {

struct TestWord {
    std::string English, Spanish;
    int SubCategory = 1, LessCommon = 0;
};

// Replaces the vocabulary with words of category 3; answers are the words themselves.
void UseWords(const std::vector<TestWord>& words)
{
    for (int i = 1; i <= MaxWords; ++i)
        WordTable[i] = TWordRecord();
    WordCount = BuiltInWordCount = static_cast<int>(words.size());
    for (int i = 1; i <= WordCount; ++i) {
        const TestWord& w = words[i - 1];
        TWordRecord& rec = WordTable[i];
        rec.English = rec.EnglishLetters = w.English;
        rec.Spanish = rec.SpanishLetters = w.Spanish;
        rec.EnglishEnumeration = "(" + std::to_string(w.English.size()) + ")";
        rec.SpanishEnumeration = "(" + std::to_string(w.Spanish.size()) + ")";
        rec.Category = 3;
        rec.SubCategory = w.SubCategory;
        rec.LessCommon = w.LessCommon;
    }
}

WordSelection Pick(int category, int sub, bool allSubs = false, int filter = FilterAllWords)
{
    return {category, sub, allSubs, filter, 2};
}

std::vector<std::string> SelectedEnglish()
{
    std::vector<std::string> words;
    for (int i = 1; i <= FreeFormatCount; ++i)
        words.push_back(WordTable[FreeFormatWords[i]].English.str());
    return words;
}

class FreeFormat : public ::testing::Test {
protected:
    void TearDown() override
    {
        UseBuiltInVocabulary();
    }
    void Area() { XWordCols = XWordRows = FreeFormatSide; }
};

}  // namespace

TEST_F(FreeFormat, SelectionFiltersRepeatsAndTheMinimum)
{
    UseWords({{"cat", "gato"}, {"ox", "buey"}, {"mouse", "rat\xF3n"}, {"hen", "gallina", 2}, {"rare", "raro", 1, 1},
              {"cat", "felino"},  // English text taken
              {"kitty", "gato"},  // Spanish text taken
              {"co-op", "cooperativa"}, {"abcdefghijklmnopqrs", "diecinueve"}, {"abcdefghijklmnopqrst", "veinte"},
              {"London", "Londres"}, {"dog", "perro"}, {"horse", "caballo"}});
    std::vector<std::string> messages, headings;
    bool answer = false;
    FreeFormatPrompts prompts{[&](const std::string& m) { messages.push_back(m); },
                              [&](const std::string& h) { headings.push_back(h); return answer; }};

    // English: 3 to 19 letters that can be typed (capitals too), no repeated text.
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, prompts));
    EXPECT_EQ(SelectedEnglish(), (std::vector<std::string>{"cat", "mouse", "rare", "abcdefghijklmnopqrs", "London",
                                                           "dog", "horse"}));
    EXPECT_EQ(FreeFormatTarget, 6);
    // Spanish answers: other lengths and letters pass, repeated texts are still left out.
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), true, 10, prompts));
    EXPECT_EQ(SelectedEnglish(), (std::vector<std::string>{"cat", "ox", "mouse", "rare", "co-op", "abcdefghijklmnopqrs",
                                                           "abcdefghijklmnopqrst", "London", "dog", "horse"}));
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1, true, FilterCommonOnly), false, 6, prompts));
    EXPECT_EQ(FreeFormatCount, 7);  // the hen of sub-category 2 in, the rare word out
    EXPECT_TRUE(messages.empty() && headings.empty());

    // Fewer than asked: the start button asks; cancel abandons, continue takes them all.
    EXPECT_FALSE(SelectFreeFormatWords(Pick(3, 1), false, 12, prompts));
    EXPECT_EQ(headings.back(), "There are only 7 words satisfying the selected options.");
    answer = true;
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1, true, FilterCommonOnly), false, 12, prompts));
    EXPECT_EQ(headings.back(), "There are only 7 words satisfying the selected options.\n\r\n\r"
                               "Selecting 'All Words' for Common words may increase\n\r"
                               "the number of words available.\n\r\n\r");
    EXPECT_EQ(FreeFormatTarget, 7);
    // "New puzzle" does not ask again.
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 20, {prompts.Message, {}}));
    EXPECT_EQ(headings.size(), 2u);
    EXPECT_EQ(FreeFormatTarget, 7);

    // Too few: a message and no puzzle.
    EXPECT_FALSE(SelectFreeFormatWords(Pick(3, 1, false, FilterLessCommonOnly), false, 6, prompts));
    EXPECT_FALSE(SelectFreeFormatWords(Pick(2, 0), false, 6, prompts));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "There is only one word satisfying the selected options.\n\r\n\r"
                           "Please expand the selection.\n\r\n\r"
                           "Selecting \"All Words\" for Common words may increase the number of words available.");
    EXPECT_EQ(messages[1], "There are no words satisfying the selected options.\n\r\n\rPlease expand the selection.");
    EXPECT_EQ(TooFewFreeFormatWordsMessage(5, true),
              "There are only 5 words satisfying the selected options.\n\r\n\rPlease expand the selection.");

    EXPECT_EQ(FreeFormatClue(WordTable[3], true), "mouse (5)");
    EXPECT_EQ(FreeFormatClue(WordTable[3], false), "rat\xF3n (5)");
    WordTable[1].English = std::string(50, 'x');
    EXPECT_EQ(FreeFormatClue(WordTable[1], true).size(), 50u);
}

namespace {

// Checks one attempt on the 19 by 19 area against the rules of a free-format layout.
void CheckPlacement(int result)
{
    const auto& placed = FreeFormatPlaced;
    ASSERT_FALSE(placed.empty());
    ASSERT_EQ(result, static_cast<int>(placed.size()) == FreeFormatTarget ? FreeFormatComplete : int(placed.size()));
    auto length = [](const FreeFormatPlacement& p) {
        return static_cast<int>(FreeFormatAnswer(WordTable[p.Word], FreeFormatSpanishAnswers).size());
    };
    auto letter = [](int c, int r) {
        return c >= 0 && r >= 0 && c < 19 && r < 19 && !XWordGrid[c][r].Answer.empty() && XWordGrid[c][r].Answer != ">";
    };
    EXPECT_TRUE(!placed[0].Down && placed[0].Row == 9 && placed[0].Col == std::min(10 - length(placed[0]) / 2, 19 - length(placed[0])));

    std::set<int> words;
    std::set<std::pair<int, int>> covered;
    for (const FreeFormatPlacement& p : placed) {
        EXPECT_TRUE(words.insert(p.Word).second) << "a word placed twice";
        const std::string_view answer = FreeFormatAnswer(WordTable[p.Word], FreeFormatSpanishAnswers);
        const int dc = p.Down ? 0 : 1, dr = p.Down ? 1 : 0, n = length(p);
        ASSERT_TRUE(p.Col >= 0 && p.Row >= 0 && p.Col + (n - 1) * dc < 19 && p.Row + (n - 1) * dr < 19);
        // Every word reads back whole: no other word wrote a different letter over it.
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(XWordGrid[p.Col + i * dc][p.Row + i * dr].Answer.view(), answer.substr(i, 1));
            covered.insert({p.Col + i * dc, p.Row + i * dr});
        }
        EXPECT_FALSE(letter(p.Col - dc, p.Row - dr) || letter(p.Col + n * dc, p.Row + n * dr)) << "a word extended";
    }
    int letters = 0;
    for (int c = 0; c < 19; ++c)
        for (int r = 0; r < 19; ++r)
            letters += letter(c, r);
    EXPECT_EQ(letters, static_cast<int>(covered.size())) << "a stray letter";

    for (size_t a = 0; a < placed.size(); ++a) {
        const FreeFormatPlacement& pa = placed[a];
        bool crosses = false;
        for (size_t b = 0; b < placed.size(); ++b) {
            const FreeFormatPlacement& pb = placed[b];
            const int lineA = pa.Down ? pa.Col : pa.Row, lineB = pb.Down ? pb.Col : pb.Row;
            const int fromA = pa.Down ? pa.Row : pa.Col, fromB = pb.Down ? pb.Row : pb.Col;
            if (a == b)
                continue;
            if (pa.Down != pb.Down) {  // the other's line lies within each word
                crosses |= lineB >= fromA && lineB < fromA + length(pa) && lineA >= fromB && lineA < fromB + length(pb);
            } else if (lineA == lineB) {
                EXPECT_TRUE(fromA + length(pa) < fromB || fromB + length(pb) < fromA) << "words run together";
            } else if (std::abs(lineA - lineB) == 1) {
                EXPECT_TRUE(fromA + length(pa) <= fromB || fromB + length(pb) <= fromA) << "parallel words side by side";
            }
        }
        EXPECT_TRUE(a == 0 || crosses) << "word " << a << " crosses nothing";
    }
}

}  // namespace

TEST_F(FreeFormat, PlacementInvariantsHoldOverManySeedsAndSubCategories)
{
    UseBuiltInVocabulary();
    int attempts = 0;
    for (const bool spanish : {true, false})
        for (int category = 0; category < CategoryCount; ++category)
            for (int sub = 0; sub < CategoryTable[category].SubCount; sub += 2) {
                ASSERT_TRUE(SelectFreeFormatWords(Pick(category, sub), spanish, 20, {}));
                for (uint32_t seed = 1; seed <= 6; ++seed, ++attempts) {
                    RandSeed(seed * 977u + category * 31u + sub);
                    Area();
                    CheckPlacement(PlaceFreeFormatWords());
                    if (HasFatalFailure())
                        return;
                    // Cropped and numbered, the words are exactly the placed ones, letters on every edge.
                    XWordMode = 2;
                    TrimFreeFormatGrid();
                    NumberGrid();
                    int runs = 0, edges = 0;
                    for (int c = 0; c < XWordCols; ++c)
                        for (int r = 0; r < XWordRows; ++r) {
                            runs += (XWordGrid[c][r].AcrossLength > 1) + (XWordGrid[c][r].DownLength > 1);
                            if (XWordGrid[c][r].Kind == 2)
                                edges |= (r == 0) | (r == XWordRows - 1) << 1 | (c == 0) << 2 | (c == XWordCols - 1) << 3;
                        }
                    EXPECT_EQ(runs, static_cast<int>(FreeFormatPlaced.size()));
                    EXPECT_EQ(edges, 15);
                }
            }
    EXPECT_GT(attempts, 200);
}

TEST_F(FreeFormat, AWideFirstWordAndTooFewLongAnswersStayInsideTheArea)
{
    // One answer of 6 or more letters: the second pick walks a full circle and takes a short one.
    UseWords({{"abcdefghijklmnopqrs", "x"}, {"bad", "y1"}, {"cab", "y2"}, {"deb", "y3"}, {"fig", "y4"}, {"hoe", "y5"}});
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, {}));
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed(seed);
        Area();
        const int result = PlaceFreeFormatWords();
        EXPECT_EQ(std::set<int>(FreeFormatOrder + 1, FreeFormatOrder + 7).size(), 6u);
        EXPECT_EQ(FreeFormatOrder[1], 1);
        CheckPlacement(result);  // the 19 letters fill row 9 from edge to edge
        if (HasFatalFailure())
            return;
    }
}

TEST_F(FreeFormat, ScoresAtTheEdgesCountOutsideCellsAsEmpty)
{
    UseWords({{"cat", "a"}, {"tea", "b"}, {"horse", "c"}, {"owl", "d"}, {"ant", "e"}, {"wet", "f"}});
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, {}));
    Area();
    ResetFreeFormatArea();
    WriteFreeFormatWord(1, 0, 2, true);  // "cat" down column 0, rows 2-4
    EXPECT_TRUE(XWordGrid[0][1].Answer == ">" && XWordGrid[0][5].Answer == ">");
    EXPECT_TRUE(XWordGrid[1][3].DownBlocked && !XWordGrid[1][3].AcrossBlocked);
    EXPECT_EQ(ScoreFreeFormatPosition("cow", 0, 2, false), 1);  // the cell before lies outside
    EXPECT_EQ(ScoreFreeFormatPosition("tea", 0, 4, false), 1);
    EXPECT_EQ(ScoreFreeFormatPosition("ant", 2, 3, false), 0);  // touches and crosses nothing
    EXPECT_LT(ScoreFreeFormatPosition("owl", 0, 3, false), 0);  // 'a' there
    EXPECT_LT(ScoreFreeFormatPosition("ant", 1, 3, false), 0);  // runs on from the 'a'
    EXPECT_LT(ScoreFreeFormatPosition("cat", 0, 2, true), 0);   // blocked for down words
    EXPECT_LT(ScoreFreeFormatPosition("owl", 0, 0, true), 0);   // the end marker
    ResetFreeFormatArea();
    WriteFreeFormatWord(6, 16, 0, false);  // "wet" across row 0 to the last column
    EXPECT_EQ(ScoreFreeFormatPosition("tea", 18, 0, true), 1);  // the cell above lies outside
    EXPECT_LT(ScoreFreeFormatPosition("ant", 17, 1, false), 0);  // side by side
    EXPECT_LT(ScoreFreeFormatPosition("ant", 17, 5, false), 0);  // past the edge
}

TEST_F(FreeFormat, TrimmingCropsToTheLettersAtTheTopLeft)
{
    UseWords({{"cat", "a"}, {"tea", "b"}, {"horse", "c"}, {"owl", "d"}, {"ant", "e"}, {"wet", "f"}});
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, {}));
    Area();
    ResetFreeFormatArea();
    WriteFreeFormatWord(3, 7, 9, false);  // "horse" across row 9, columns 7-11
    WriteFreeFormatWord(4, 8, 9, true);   // "owl" down from its 'o'
    WriteFreeFormatWord(6, 11, 8, true);  // "wet" down through the 'e'; its end marker lies in the box
    XWordGrid[7][8].Typed = "q";          // left from earlier play
    XWordMode = 2;
    TrimFreeFormatGrid();
    ASSERT_TRUE(XWordCols == 5 && XWordRows == 4);
    EXPECT_TRUE(XWordGrid[0][1].Answer == "h" && XWordGrid[0][1].AcrossClue == "c (5)");
    EXPECT_TRUE(XWordGrid[1][1].DownClue == "d (3)" && XWordGrid[4][0].DownClue == "f (3)");
    EXPECT_TRUE(XWordGrid[4][3].Answer.empty() && XWordGrid[0][0].Typed.empty());
    NumberGrid();
    BuildClueLists();
    EXPECT_EQ(XWordClues.RowCount, 3);
    EXPECT_EQ(XWordClues.At(3, 2), "00d (3)");

    Area();
    ResetFreeFormatArea();
    WriteFreeFormatWord(1, 8, 9, false);  // one across word is one row
    TrimFreeFormatGrid();
    EXPECT_TRUE(XWordCols == 3 && XWordRows == 1);
}

// Free-format crosswords: which words a selection takes and what it says when they are too few,
// the placement's invariants over many seeds on the real vocabulary, the edges of the work area,
// and the crop to the letters.

#include <gtest/gtest.h>

#include "AnswerIndex.h"
#include "CrosswordGenerator.h"
#include "FreeFormatGenerator.h"
#include "LX_Globals.h"
#include "Random.h"
#include "XWordGrid.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct TestWord {
    std::string English;
    std::string Spanish;
    int Category = 3;
    int SubCategory = 1;
    int LessCommon = 0;
};

// Replaces the vocabulary with the given words; answers are the words themselves.
void UseWords(const std::vector<TestWord>& words)
{
    for (int i = 1; i <= MaxWords; ++i)
        WordTable[i] = TWordRecord();
    int i = 0;
    for (const TestWord& w : words) {
        TWordRecord& rec = WordTable[++i];
        rec.Id = i;
        rec.English = w.English;
        rec.Spanish = w.Spanish;
        rec.EnglishLetters = w.English;
        rec.SpanishLetters = w.Spanish;
        rec.EnglishEnumeration = "(" + std::to_string(w.English.size()) + ")";
        rec.SpanishEnumeration = "(" + std::to_string(w.Spanish.size()) + ")";
        rec.Category = w.Category;
        rec.SubCategory = w.SubCategory;
        rec.LessCommon = w.LessCommon;
    }
    WordCount = i;
    BuiltInWordCount = i;
}

WordSelection Pick(int category, int sub, bool allSubs = false, int filter = FilterAllWords)
{
    WordSelection s;
    s.Category = category;
    s.SubCategory = sub;
    s.AllSubCategories = allSubs;
    s.CommonFilter = filter;
    return s;
}

std::vector<std::string> SelectedEnglish()
{
    std::vector<std::string> words;
    for (int i = 1; i <= FreeFormatCount; ++i)
        words.push_back(WordTable[FreeFormatWords[i]].English.str());
    return words;
}

struct Prompts {
    std::vector<std::string> messages;
    std::vector<std::string> headings;
    bool answer = true;
    FreeFormatPrompts Make(bool withChoice = true)
    {
        FreeFormatPrompts p;
        p.Message = [this](const std::string& m) { messages.push_back(m); };
        if (withChoice)
            p.ContinueWithFewer = [this](const std::string& h) {
                headings.push_back(h);
                return answer;
            };
        return p;
    }
};

class FreeFormatVocabulary : public ::testing::Test {
protected:
    void TearDown() override
    {
        InitWordTables();
        BuildWordLengthTables();
    }
};

}  // namespace

TEST_F(FreeFormatVocabulary, SelectionFiltersLengthsTypingAndRepeatedTexts)
{
    UseWords({
        {"cat", "gato"},
        {"ox", "buey"},                                 // English answer of 2 letters
        {"mouse", "rat\xF3n"},
        {"other", "otro", 4, 1},                        // another category
        {"hen", "gallina", 3, 2},                       // another sub-category
        {"rare", "raro", 3, 1, 1},                      // less common
        {"cat", "felino"},                              // English text already taken
        {"kitty", "gato"},                              // Spanish text already taken
        {"co-op", "cooperativa"},                       // a hyphen cannot be typed
        {"abcdefghijklmnopqrs", "diecinueve"},          // 19 letters: as wide as the area
        {"abcdefghijklmnopqrst", "veinte"},             // 20 letters: too wide
        {"London", "Londres"},                          // capitals are typed in lower case
        {"dog", "perro"},
        {"horse", "caballo"},
    });
    Prompts prompts;
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, prompts.Make()));
    EXPECT_EQ(SelectedEnglish(), (std::vector<std::string>{"cat", "mouse", "rare", "abcdefghijklmnopqrs", "London",
                                                           "dog", "horse"}));
    EXPECT_EQ(FreeFormatWords[FreeFormatCount + 1], -1);
    EXPECT_EQ(FreeFormatTarget, 6);

    // The answer language decides length and typing; repeated texts are repeated in both.
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), true, 10, prompts.Make()));
    EXPECT_EQ(SelectedEnglish(), (std::vector<std::string>{"cat", "ox", "mouse", "rare", "co-op", "abcdefghijklmnopqrs",
                                                           "abcdefghijklmnopqrst", "London", "dog", "horse"}));

    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1, true), false, 6, prompts.Make()));
    EXPECT_EQ(FreeFormatCount, 8);  // the hen of sub-category 2 as well
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1, false, FilterCommonOnly), false, 6, prompts.Make()));
    EXPECT_EQ(FreeFormatCount, 6);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.headings.empty());

    EXPECT_FALSE(SelectFreeFormatWords(Pick(3, 1, false, FilterLessCommonOnly), false, 6, prompts.Make()));
    EXPECT_EQ(FreeFormatCount, 1);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "There is only one word satisfying the selected options.\n\r\n\r"
                                   "Please expand the selection.\n\r\n\r"
                                   "Selecting \"All Words\" for Common words may increase the number of words available.");
}

TEST_F(FreeFormatVocabulary, TooFewWordsGiveAMessageAndFewerThanAskedAChoice)
{
    EXPECT_EQ(TooFewFreeFormatWordsMessage(0, true),
              "There are no words satisfying the selected options.\n\r\n\rPlease expand the selection.");
    EXPECT_EQ(TooFewFreeFormatWordsMessage(5, true),
              "There are only 5 words satisfying the selected options.\n\r\n\rPlease expand the selection.");

    std::vector<TestWord> words;
    for (const char* w : {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf"})
        words.push_back({w, std::string(w) + "o"});
    words[6].LessCommon = 1;
    UseWords(words);

    Prompts prompts;
    EXPECT_FALSE(SelectFreeFormatWords(Pick(2, 0), false, 10, prompts.Make()));  // nothing in category 2
    EXPECT_EQ(prompts.messages.back(), TooFewFreeFormatWordsMessage(0, true));
    EXPECT_TRUE(prompts.headings.empty());

    // Seven words for ten asked: the start button asks; cancelling abandons the request.
    prompts.answer = false;
    EXPECT_FALSE(SelectFreeFormatWords(Pick(3, 1), false, 10, prompts.Make()));
    ASSERT_EQ(prompts.headings.size(), 1u);
    EXPECT_EQ(prompts.headings[0], "There are only 7 words satisfying the selected options.");
    prompts.answer = true;
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 10, prompts.Make()));
    EXPECT_EQ(FreeFormatTarget, 7);
    // Common only: six words, and the heading points at "All Words".
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1, false, FilterCommonOnly), false, 10, prompts.Make()));
    EXPECT_EQ(prompts.headings.back(), "There are only 6 words satisfying the selected options.\n\r\n\r"
                                       "Selecting 'All Words' for Common words may increase\n\r"
                                       "the number of words available.\n\r\n\r");
    EXPECT_EQ(FreeFormatTarget, 6);
    // "New puzzle" does not ask again: it takes what there is.
    const size_t asked = prompts.headings.size();
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 20, prompts.Make(false)));
    EXPECT_EQ(prompts.headings.size(), asked);
    EXPECT_EQ(FreeFormatTarget, 7);
    // Enough words: no question.
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 7, prompts.Make()));
    EXPECT_EQ(prompts.headings.size(), asked);
    EXPECT_TRUE(prompts.messages.size() == 1);
}

TEST_F(FreeFormatVocabulary, DuplicatesCluesAndTheThousandWordCap)
{
    std::vector<TestWord> words;
    for (int i = 0; i < 1100; ++i) {
        std::string name;
        for (int n = i; name.size() < 4; n /= 26)
            name += static_cast<char>('a' + n % 26);
        words.push_back({name, name + "s"});
    }
    words[0].English = "a very long English text that runs past fifty chars";
    UseWords(words);
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), true, 20, {}));
    EXPECT_EQ(FreeFormatCount, FreeFormatMaxWords);
    EXPECT_EQ(FreeFormatWords[FreeFormatMaxWords], FreeFormatMaxWords);

    // A duplicate only of the words already taken.
    EXPECT_FALSE(IsDuplicateCrosswordWord(3, 2));
    EXPECT_TRUE(IsDuplicateCrosswordWord(3, 3));
    WordTable[5].English = WordTable[2].English;
    EXPECT_TRUE(IsDuplicateCrosswordWord(5, 4));
    WordTable[6].Spanish = WordTable[1].Spanish;
    EXPECT_TRUE(IsDuplicateCrosswordWord(6, 1));
    WordTable[7].Spanish = WordTable[1].Spanish.str() + " ";  // texts compare exactly
    EXPECT_FALSE(IsDuplicateCrosswordWord(7, 6));

    // The clue is the other language's word and the answer's letter counts, at most 50 characters.
    EXPECT_EQ(FreeFormatClue(WordTable[2], true), WordTable[2].English.str() + " (5)");
    EXPECT_EQ(FreeFormatClue(WordTable[2], false), WordTable[2].Spanish.str() + " (4)");
    EXPECT_EQ(FreeFormatClue(WordTable[1], true).size(), 50u);
}

namespace {

struct Run {
    int Col, Row, Length;
    bool Down;
};

Run RunOf(const FreeFormatPlacement& p)
{
    return {p.Col, p.Row, static_cast<int>(FreeFormatAnswer(WordTable[p.Word], FreeFormatSpanishAnswers).size()),
            p.Down};
}

bool IsLetter(int c, int r)
{
    return c >= 0 && r >= 0 && c < XWordCols && r < XWordRows && !XWordGrid[c][r].Answer.empty()
           && XWordGrid[c][r].Answer != ">";
}

// Checks one attempt on the 19 by 19 area against the rules of a free-format layout.
void CheckPlacement(int result)
{
    const auto& placed = FreeFormatPlaced;
    ASSERT_FALSE(placed.empty());
    const int target = FreeFormatTarget;
    if (result == FreeFormatComplete) {
        ASSERT_EQ(static_cast<int>(placed.size()), target);
    } else {
        ASSERT_EQ(result, static_cast<int>(placed.size()));
    }
    ASSERT_LE(static_cast<int>(placed.size()), target);

    const Run first = RunOf(placed[0]);
    EXPECT_FALSE(first.Down);
    EXPECT_EQ(first.Row, 9);
    EXPECT_EQ(first.Col, std::min(10 - first.Length / 2, 19 - first.Length));

    std::set<int> words;
    std::set<std::pair<int, int>> covered;
    std::map<std::pair<int, int>, int> directions;  // bit 1 across, 2 down
    for (const FreeFormatPlacement& p : placed) {
        EXPECT_TRUE(words.insert(p.Word).second) << "a word placed twice";
        const Run run = RunOf(p);
        const std::string_view answer = FreeFormatAnswer(WordTable[p.Word], FreeFormatSpanishAnswers);
        const int dc = run.Down ? 0 : 1, dr = run.Down ? 1 : 0;
        ASSERT_GE(run.Col, 0);
        ASSERT_GE(run.Row, 0);
        ASSERT_LE(run.Col + (run.Length - 1) * dc, 18);
        ASSERT_LE(run.Row + (run.Length - 1) * dr, 18);
        for (int i = 0; i < run.Length; ++i) {
            const int c = run.Col + i * dc, r = run.Row + i * dr;
            // Every word reads back whole: no letter of another word overwrote it.
            ASSERT_EQ(XWordGrid[c][r].Answer.view(), answer.substr(i, 1));
            covered.insert({c, r});
            directions[{c, r}] |= run.Down ? 2 : 1;
        }
        // Not extended at either end.
        EXPECT_FALSE(IsLetter(run.Col - dc, run.Row - dr));
        EXPECT_FALSE(IsLetter(run.Col + run.Length * dc, run.Row + run.Length * dr));
        const XWordCell& start = XWordGrid[run.Col][run.Row];
        EXPECT_EQ((run.Down ? start.DownClue : start.AcrossClue).str(), FreeFormatClue(WordTable[p.Word], FreeFormatSpanishAnswers));
    }
    // No stray letters.
    int letters = 0;
    for (int c = 0; c < 19; ++c)
        for (int r = 0; r < 19; ++r)
            letters += IsLetter(c, r);
    EXPECT_EQ(letters, static_cast<int>(covered.size()));

    for (size_t a = 0; a < placed.size(); ++a) {
        const Run ra = RunOf(placed[a]);
        bool crosses = false;
        for (size_t b = 0; b < placed.size(); ++b) {
            if (a == b)
                continue;
            const Run rb = RunOf(placed[b]);
            if (ra.Down != rb.Down) {
                const int c = ra.Down ? ra.Col : rb.Col, r = ra.Down ? rb.Row : ra.Row;
                const Run& d = ra.Down ? ra : rb;
                const Run& x = ra.Down ? rb : ra;
                crosses = crosses || (c >= x.Col && c < x.Col + x.Length && r >= d.Row && r < d.Row + d.Length);
                continue;
            }
            // Same direction: on one line they keep a cell apart, on neighbouring lines they
            // do not overlap.
            const int lineA = ra.Down ? ra.Col : ra.Row, lineB = rb.Down ? rb.Col : rb.Row;
            const int fromA = ra.Down ? ra.Row : ra.Col, fromB = rb.Down ? rb.Row : rb.Col;
            if (lineA == lineB) {
                EXPECT_TRUE(fromA + ra.Length < fromB || fromB + rb.Length < fromA) << "words run into each other";
            } else if (std::abs(lineA - lineB) == 1) {
                EXPECT_TRUE(fromA + ra.Length <= fromB || fromB + rb.Length <= fromA) << "parallel words side by side";
            }
        }
        if (a > 0) {
            EXPECT_TRUE(crosses) << "word " << a << " crosses nothing";
        }
    }
}

}  // namespace

TEST(FreeFormatPlacement, InvariantsHoldOverManySeedsAndSubCategories)
{
    InitWordTables();
    BuildWordLengthTables();
    int attempts = 0;
    int complete = 0;
    for (const bool spanish : {true, false})
        for (int category = 0; category < CategoryCount; ++category)
            for (int sub = 0; sub < CategoryTable[category].SubCount; sub += 2) {
                if (!SelectFreeFormatWords(Pick(category, sub), spanish, 20, {}))
                    continue;
                for (uint32_t seed = 1; seed <= 6; ++seed) {
                    RandSeed(seed * 977u + category * 31u + sub);
                    XWordCols = XWordRows = FreeFormatSide;
                    const int result = PlaceFreeFormatWords();
                    CheckPlacement(result);
                    if (HasFatalFailure())
                        return;
                    ++attempts;
                    complete += result == FreeFormatComplete;

                    // Cropped and numbered, the runs are exactly the placed words.
                    const size_t words = FreeFormatPlaced.size();
                    XWordMode = 2;
                    TrimFreeFormatGrid();
                    NumberGrid();
                    BuildClueLists();
                    int runs = 0;
                    for (int c = 0; c < XWordCols; ++c)
                        for (int r = 0; r < XWordRows; ++r)
                            runs += (XWordGrid[c][r].AcrossLength > 1) + (XWordGrid[c][r].DownLength > 1);
                    EXPECT_EQ(runs, static_cast<int>(words));
                    for (int row = 1; row < XWordClues.RowCount; ++row)
                        for (int col : {1, 3})
                            if (XWordClues.At(col - 1, row).size() > 2) {
                                EXPECT_GT(XWordClues.At(col, row).size(), 2u);
                            }
                }
            }
    EXPECT_GT(attempts, 200);
    EXPECT_GT(complete, 0);
}

TEST_F(FreeFormatVocabulary, AWideFirstWordAndTooFewLongAnswersStayInsideTheArea)
{
    // One answer of 6 or more letters: the second pick walks a full circle and takes a short one.
    UseWords({{"abcdefghijklmnopqrs", "x"}, {"bad", "y1"}, {"cab", "y2"}, {"deb", "y3"}, {"fig", "y4"}, {"hoe", "y5"}});
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, {}));
    ASSERT_EQ(FreeFormatCount, 6);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed(seed);
        XWordCols = XWordRows = FreeFormatSide;
        const int result = PlaceFreeFormatWords();
        std::set<int> order;
        for (int i = 1; i <= 6; ++i)
            order.insert(FreeFormatOrder[i]);
        EXPECT_EQ(order.size(), 6u);  // every word once, none missing
        EXPECT_EQ(FreeFormatOrder[1], 1);  // the only long answer comes first
        CheckPlacement(result);
        if (HasFatalFailure())
            return;
        // The 19 letters fill row 9 from the left edge to the right edge.
        EXPECT_EQ(FreeFormatPlaced[0].Col, 0);
        EXPECT_EQ(XWordGrid[0][9].Answer, "a");
        EXPECT_EQ(XWordGrid[18][9].Answer, "s");
    }
}

TEST_F(FreeFormatVocabulary, ScoresAtTheEdgesCountOutsideCellsAsEmpty)
{
    UseWords({{"cat", "a"}, {"cow", "b"}, {"tea", "c"}, {"owl", "d"}, {"ant", "e"}, {"wet", "f"}});
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, {}));
    XWordCols = XWordRows = FreeFormatSide;
    ResetFreeFormatArea();
    WriteFreeFormatWord(1, 0, 2, true);  // "cat" down column 0, rows 2-4
    EXPECT_EQ(XWordGrid[0][1].Answer, ">");
    EXPECT_EQ(XWordGrid[0][5].Answer, ">");
    EXPECT_TRUE(XWordGrid[1][3].DownBlocked);
    EXPECT_TRUE(XWordGrid[0][3].DownBlocked);
    EXPECT_FALSE(XWordGrid[1][3].AcrossBlocked);

    // Across from column 0: the cell before lies outside and counts as empty.
    EXPECT_EQ(ScoreFreeFormatPosition("cow", 0, 2, false), 1);
    EXPECT_EQ(ScoreFreeFormatPosition("tea", 0, 4, false), 1);
    EXPECT_LT(ScoreFreeFormatPosition("owl", 0, 3, false), 0);  // 'a' there, not 'o'
    EXPECT_LT(ScoreFreeFormatPosition("cat", 0, 2, true), 0);   // down cells of a down word are blocked
    EXPECT_LT(ScoreFreeFormatPosition("ant", 1, 3, false), 0);  // would run on from the 'a' of "cat"
    EXPECT_EQ(ScoreFreeFormatPosition("ant", 2, 3, false), 0);  // touches nothing, crosses nothing
    EXPECT_LT(ScoreFreeFormatPosition("owl", 0, 0, true), 0);   // would run on into "cat"

    // Down from row 0 and across to the last column: outside cells are empty too.
    ResetFreeFormatArea();
    WriteFreeFormatWord(6, 16, 0, false);  // "wet" across row 0, columns 16-18
    EXPECT_EQ(XWordGrid[15][0].Answer, ">");
    EXPECT_EQ(ScoreFreeFormatPosition("wet", 16, 0, true), 1);
    EXPECT_EQ(ScoreFreeFormatPosition("tea", 18, 0, true), 1);
    EXPECT_LT(ScoreFreeFormatPosition("ant", 17, 1, false), 0);  // side by side with "wet"
}

TEST_F(FreeFormatVocabulary, TrimmingCropsToTheLettersAtTheTopLeft)
{
    UseWords({{"cat", "a"}, {"tea", "b"}, {"horse", "c"}, {"owl", "d"}, {"ant", "e"}, {"wet", "f"}});
    ASSERT_TRUE(SelectFreeFormatWords(Pick(3, 1), false, 6, {}));
    XWordCols = XWordRows = FreeFormatSide;
    ResetFreeFormatArea();
    WriteFreeFormatWord(3, 7, 9, false);  // "horse" across row 9, columns 7-11
    WriteFreeFormatWord(4, 8, 9, true);   // "owl" down from its 'o', rows 9-11
    WriteFreeFormatWord(6, 11, 8, true);  // "wet" down through the 'e', rows 8-10; its end marker (11, 11) lies in the box
    XWordGrid[7][8].Highlight = "1";      // left from earlier play
    XWordGrid[7][8].Typed = "q";
    XWordMode = 2;
    TrimFreeFormatGrid();
    ASSERT_EQ(XWordCols, 5);
    ASSERT_EQ(XWordRows, 4);
    EXPECT_EQ(XWordGrid[0][1].Answer, "h");
    EXPECT_EQ(XWordGrid[0][1].AcrossClue, "c (5)");
    EXPECT_EQ(XWordGrid[1][1].DownClue, "d (3)");
    EXPECT_EQ(XWordGrid[1][3].Answer, "l");
    EXPECT_EQ(XWordGrid[4][0].DownClue, "f (3)");
    EXPECT_TRUE(XWordGrid[4][3].Answer.empty());  // the marker is gone
    EXPECT_EQ(XWordGrid[0][0].Highlight, "0");
    EXPECT_TRUE(XWordGrid[0][0].Typed.empty());

    NumberGrid();
    BuildClueLists();
    EXPECT_EQ(XWordGrid[4][0].DownNumber, 1);
    EXPECT_EQ(XWordGrid[0][1].AcrossNumber, 2);
    EXPECT_EQ(XWordGrid[1][1].DownNumber, 3);
    EXPECT_EQ(XWordGrid[0][0].Kind, 1);
    EXPECT_EQ(XWordClues.RowCount, 3);
    EXPECT_EQ(XWordClues.At(1, 1), "00c (5)");
    EXPECT_EQ(XWordClues.At(3, 2), "00d (3)");

    // A grid of one across word is one row.
    XWordCols = XWordRows = FreeFormatSide;
    ResetFreeFormatArea();
    WriteFreeFormatWord(1, 8, 9, false);
    TrimFreeFormatGrid();
    NumberGrid();
    EXPECT_EQ(XWordCols, 3);
    EXPECT_EQ(XWordRows, 1);
    EXPECT_EQ(XWordGrid[0][0].AcrossLength, 3);
    EXPECT_EQ(XWordGrid[0][0].DownNumber, -1);
}

TEST(FreeFormatGeneration, TheShownGridHoldsTheBestAttemptTrimmedAndNumbered)
{
    InitWordTables();
    BuildWordLengthTables();
    int shown = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        if (!SelectFreeFormatWords(Pick(category, 0, true), true, 20, {}))
            continue;
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            RandSeed(seed + 100u * category);
            const int placed = GenerateFreeFormatCrossword();
            ++shown;
            EXPECT_EQ(XWordMode, 2);
            EXPECT_EQ(placed, static_cast<int>(FreeFormatPlaced.size()));
            EXPECT_LE(placed, FreeFormatTarget);
            ASSERT_LE(XWordCols, FreeFormatSide);
            ASSERT_LE(XWordRows, FreeFormatSide);
            // Cropped tight: letters on every edge of the area.
            bool top = false, bottom = false, left = false, right = false;
            int words = 0;
            for (int c = 0; c < XWordCols; ++c)
                for (int r = 0; r < XWordRows; ++r) {
                    const XWordCell& cell = XWordGrid[c][r];
                    EXPECT_NE(cell.Answer, ">");
                    if (cell.Kind != 2)
                        continue;
                    top |= r == 0, bottom |= r == XWordRows - 1, left |= c == 0, right |= c == XWordCols - 1;
                    words += (cell.AcrossLength > 1) + (cell.DownLength > 1);
                    EXPECT_TRUE(cell.AcrossStart != -1 || cell.DownStart != -1) << "a letter of no word";
                }
            EXPECT_TRUE(top && bottom && left && right);
            EXPECT_EQ(words, placed);
        }
    }
    EXPECT_GT(shown, 30);
}

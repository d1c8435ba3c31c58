// The word games' shared rules: the word draw and its shortage reports, the shuffle, and the
// Scrambled Words row.

#include "WordGameRules.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "Random.h"
#include "TextCodec.h"

#include <gtest/gtest.h>
#include "RulesSupport.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// A table of our own from UTF-8 lines.
void UseTable(const std::vector<std::string>& utf8Lines)
{
    static std::vector<std::string> lines;
    lines.clear();
    for (const std::string& l : utf8Lines)
        lines.push_back(Cp1252FromUtf8(l));
    std::vector<const char*> pointers;
    for (const std::string& l : lines)
        pointers.push_back(l.c_str());
    InitWordTablesFrom(pointers.data(), static_cast<int>(pointers.size()));
}

std::string Line(const std::string& english, const std::string& spanish, const std::string& sub = "Sub",
                 int lessCommon = 0, int number = 0)
{
    static int next = 1;
    return ",D,,M," + english + "," + spanish + ",,,Cat," + sub + "," + std::to_string(lessCommon) + ","
         + std::to_string(number ? number : next++) + ", ";
}

WordSelection AllOf(int subCategory = 0, bool all = true)
{
    WordSelection s;
    s.SubCategory = subCategory;
    s.AllSubCategories = all;
    return s;
}

std::string Cp(const char* utf8) { return Cp1252FromUtf8(utf8); }

std::multiset<char> Letters(const std::string& s)
{
    return {s.begin(), s.end()};
}

}  // namespace

TEST(WordChoice, AnswerCharacterRule)
{
    EXPECT_TRUE(AnswerQualifies("ice cream", false));
    EXPECT_TRUE(AnswerQualifies("Madrid", true));
    EXPECT_TRUE(AnswerQualifies(Cp("café"), true));
    EXPECT_TRUE(AnswerQualifies(Cp("pingüino"), true));
    EXPECT_TRUE(AnswerQualifies(Cp("año"), true));
    EXPECT_FALSE(AnswerQualifies(Cp("café"), false));  // an accent in an English answer
    EXPECT_FALSE(AnswerQualifies(Cp("Ángel"), true));  // capital accented letters never
    EXPECT_FALSE(AnswerQualifies(Cp("Ñu"), true));
    EXPECT_FALSE(AnswerQualifies("x-ray", false));
    EXPECT_FALSE(AnswerQualifies("x-ray", true));
    EXPECT_FALSE(AnswerQualifies("o'clock", false));
    EXPECT_FALSE(AnswerQualifies("1 dollar", false));
    EXPECT_FALSE(AnswerQualifies(Cp("¿qué?"), true));
}

TEST(WordChoice, CandidatesFollowSelectionFiltersAndLanguage)
{
    UseTable({Line("cat", "gato"), Line("dog", "perro", "Sub", 1), Line("x-ray", "rayos x"),
              Line("cafe", "café"), Line("cow", "vaca", "Other"), Line("owl", "búho")});
    WordTable[6].Learned = 1;  // owl
    WordDraw draw;
    WordSelection s = AllOf(WordTable[1].SubCategory, false);
    CollectCandidates(draw, s, true);
    // Spanish answers: x-ray's "rayos x" qualifies, café too; cow is in another sub-category.
    EXPECT_EQ(draw.Candidates, (std::vector<int>{1, 2, 3, 4, 6}));
    CollectCandidates(draw, s, false);
    EXPECT_EQ(draw.Candidates, (std::vector<int>{1, 2, 4, 6}));  // "x-ray" does not
    EXPECT_FALSE(draw.SpanishAnswers);

    s.CommonFilter = 0;
    s.LearnedFilter = 1;
    CollectCandidates(draw, s, true);
    EXPECT_EQ(draw.Candidates, (std::vector<int>{1, 3, 4}));
    s.CommonFilter = 1;
    s.LearnedFilter = 2;
    CollectCandidates(draw, s, true);
    EXPECT_EQ(draw.Candidates, (std::vector<int>{2}));
    s.CommonFilter = 2;
    s.LearnedFilter = 0;
    CollectCandidates(draw, s, true);
    EXPECT_EQ(draw.Candidates, (std::vector<int>{6}));
    CollectCandidates(draw, AllOf(), true);
    EXPECT_EQ(draw.Candidates.size(), 6u);
}

TEST(WordChoice, DrawNeverRepeatsAWordClueOrAnswerOverManySeeds)
{
    // Pairs that share a clue or an answer, so that a draw must skip them.
    UseTable({Line("bee", "abeja"), Line("bee", "zángano"), Line("drone", "zángano"), Line("cat", "gato"),
              Line("tomcat", "gato"), Line("dog", "perro"), Line("horse", "caballo"), Line("cow", "vaca"),
              Line("ox", "buey"), Line("hen", "gallina"), Line("mule", "mula"), Line("pig", "cerdo"),
              Line("goat", "cabra"), Line("sheep", "oveja"), Line("lamb", "cordero"), Line("rabbit", "conejo"),
              Line("duck", "pato"), Line("goose", "ganso"), Line("whale", "ballena", "Other")});
    for (bool spanish : {true, false}) {
        for (uint32_t seed = 1; seed <= 300; ++seed) {
            RandSeed(seed);
            WordDraw draw;
            CollectCandidates(draw, AllOf(WordTable[1].SubCategory, false), spanish);
            draw.WordsNeeded = 15;
            const int picked = DrawWords(draw);
            // 18 words, but {bee, bee, drone} give two at most and {cat, tomcat} one.
            ASSERT_EQ(picked, 15) << seed;
            std::set<std::string> clues, answers;
            int longest = 0;
            for (int k = 1; k <= picked; ++k) {
                EXPECT_TRUE(clues.insert(draw.Chosen[k].Clue).second) << seed;
                EXPECT_TRUE(answers.insert(draw.Chosen[k].Answer).second) << seed;
                EXPECT_NE(draw.Chosen[k].Answer, spanish ? Cp("ballena") : "whale");
                longest = std::max(longest, static_cast<int>(draw.Chosen[k].Answer.size()));
            }
            EXPECT_EQ(draw.MaxAnswerLen, longest);
            EXPECT_EQ(std::count(draw.Candidates.begin(), draw.Candidates.end(), -1), 15);
        }
    }
}

TEST(WordChoice, ExactlyEnoughUsesEveryCandidateInRandomOrder)
{
    UseTable({Line("a", "uno"), Line("b", "dos"), Line("c", "tres"), Line("d", "cuatro"), Line("e", "cinco"),
              Line("f", "seis")});
    std::set<std::string> firsts;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        RandSeed(seed);
        WordDraw draw;
        CollectCandidates(draw, AllOf(), true);
        draw.WordsNeeded = 6;
        ASSERT_EQ(DrawWords(draw), 6);
        EXPECT_EQ(AssessDraw(GameScrambledWords, draw), DrawOutcome::Ready);
        std::set<std::string> answers;
        for (int k = 1; k <= 6; ++k)
            answers.insert(draw.Chosen[k].Answer);
        EXPECT_EQ(answers.size(), 6u);
        firsts.insert(draw.Chosen[1].Answer);
    }
    EXPECT_GT(firsts.size(), 3u);
}

TEST(WordChoice, ShortageOutcomesAndTheirTexts)
{
    // Six candidates, but two share the clue "bee": the draw runs dry at five.
    UseTable({Line("bee", "abeja"), Line("bee", "zángano"), Line("cat", "gato"), Line("dog", "perro"),
              Line("cow", "vaca"), Line("pig", "cerdo")});
    RandSeed(3);
    WordDraw draw;
    CollectCandidates(draw, AllOf(), true);
    draw.WordsNeeded = 6;
    EXPECT_EQ(DrawWords(draw), 5);
    EXPECT_EQ(AssessDraw(GameScrambledWords, draw), DrawOutcome::TooFew);
    EXPECT_EQ(AssessDraw(GameUncoverSquares, draw), DrawOutcome::OfferSmallerGrid);

    WordDraw none;
    CollectCandidates(none, AllOf(3, false), true);
    EXPECT_EQ(AssessDraw(GameScrambledWords, none), DrawOutcome::NoWords);

    EXPECT_EQ(NoWordsMessage(true), "There is no data in this category.");
    EXPECT_EQ(NoWordsMessage(false),
              "There is no data in this category.\n\r\n\rSelecting \"All Words\" for Common/Learned words\n\r"
              "may increase the number of words available.");
    EXPECT_EQ(TooFewMessage(16, true), "16 words are needed for this game.\n\rPlease expand your selection.");
    EXPECT_EQ(TooFewMessage(6, false),
              "6 words are needed for this game.\n\rPlease expand your selection.\n\r\n\rSelecting \"All Words\" "
              "for Common/Learned words\n\rmay increase the number of words available.");
    EXPECT_EQ(ShortageHeading(15), "15 words are needed for this game.");
}

TEST(WordChoice, MatchWordsOffersTenWordsAndUncoverASmallerGrid)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 13; ++i)
        lines.push_back(Line("word" + std::string(1, char('a' + i)), std::string(i + 2, char('a' + i))));
    UseTable(lines);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed(seed);
        WordDraw draw;
        CollectCandidates(draw, AllOf(), true);
        draw.WordsNeeded = WordsNeededFor(GameMatchWords, 6);
        ASSERT_EQ(draw.WordsNeeded, 16);
        EXPECT_EQ(DrawWords(draw), 13);
        ASSERT_EQ(AssessDraw(GameMatchWords, draw), DrawOutcome::OfferTenWords);
        const std::string tenth = draw.Chosen[10].Answer;
        EXPECT_EQ(AcceptSmallerGame(draw, GameMatchWords), 0);
        EXPECT_EQ(draw.WordsNeeded, 10);
        EXPECT_EQ(draw.Chosen[10].Answer, tenth);
        EXPECT_TRUE(draw.Chosen[11].Answer.empty());  // nothing of the longer draw is left over
        EXPECT_EQ(draw.MaxAnswerLen, LongestAnswer(draw, 10));

        // 13 words for a 3 x 10 grid: 3 x 8 with 12 pairs, from the same words.
        RandSeed(seed);
        WordDraw uncover;
        CollectCandidates(uncover, AllOf(), true);
        uncover.WordsNeeded = WordsNeededFor(GameUncoverSquares, 10);
        ASSERT_EQ(uncover.WordsNeeded, 15);
        DrawWords(uncover);
        ASSERT_EQ(AssessDraw(GameUncoverSquares, uncover), DrawOutcome::OfferSmallerGrid);
        const std::string twelfth = uncover.Chosen[12].Answer;
        EXPECT_EQ(AcceptSmallerGame(uncover, GameUncoverSquares), 8);
        EXPECT_EQ(uncover.WordsNeeded, 12);
        EXPECT_EQ(uncover.Chosen[12].Answer, twelfth);
        EXPECT_TRUE(uncover.Chosen[13].Answer.empty());
    }

    // Nine words are too few for Match Words; two too few for any Uncover grid.
    UseTable(std::vector<std::string>(lines.begin(), lines.begin() + 9));
    WordDraw draw;
    CollectCandidates(draw, AllOf(), true);
    draw.WordsNeeded = 16;
    DrawWords(draw);
    EXPECT_EQ(AssessDraw(GameMatchWords, draw), DrawOutcome::TooFew);
    UseTable(std::vector<std::string>(lines.begin(), lines.begin() + 2));
    CollectCandidates(draw, AllOf(), true);
    draw.WordsNeeded = 3;
    DrawWords(draw);
    EXPECT_EQ(AssessDraw(GameUncoverSquares, draw), DrawOutcome::TooFew);

    EXPECT_EQ(UncoverRowsForWords(15), 10);
    EXPECT_EQ(UncoverRowsForWords(14), 8);
    EXPECT_EQ(UncoverRowsForWords(12), 8);
    EXPECT_EQ(UncoverRowsForWords(11), 6);
    EXPECT_EQ(UncoverRowsForWords(6), 4);
    EXPECT_EQ(UncoverRowsForWords(3), 2);
    EXPECT_EQ(NormalUncoverRows(7), 6);
    EXPECT_EQ(UncoverWordsOfRows(0), 9);
    EXPECT_EQ(GameModeOfWordGame(5), GameSelectLetters);
    EXPECT_EQ(GameModeOfWordGame(6), -1);
    EXPECT_EQ(WordGameOfGameMode(GameScrambledWords), 0);
}

TEST(WordChoice, OnlyTheFirstThousandQualifyingWordsCanBeDrawn)
{
    std::vector<std::string> lines;
    lines.push_back(Line("x-ray", "rayos x"));  // does not qualify in English: no slot taken
    for (int i = 0; i < 1005; ++i)
        lines.push_back(Line(std::string{'w', char('a' + i % 26), char('a' + i / 26 % 26), char('a' + i / 676)},
                             "p" + std::to_string(i)));
    UseTable(lines);
    WordDraw draw;
    CollectCandidates(draw, AllOf(), false);
    ASSERT_EQ(draw.Candidates.size(), 1000u);
    EXPECT_EQ(draw.Candidates.front(), 2);
    EXPECT_EQ(draw.Candidates.back(), 1001);
}

TEST(WordChoice, WholeVocabularyDrawsStayInTheirSelection)
{
    UseBuiltInVocabulary();
    for (bool spanish : {true, false}) {
        for (int category = 0; category < TotalCategoryCount; ++category) {
            RandSeed(static_cast<uint32_t>(category + 1));
            WordDraw draw;
            WordSelection s = AllOf();
            s.Category = category;
            CollectCandidates(draw, s, spanish);
            for (int i : draw.Candidates)
                EXPECT_EQ(WordTable[i].Category, category);
            draw.WordsNeeded = 16;
            const int picked = DrawWords(draw);
            for (int k = 1; k <= picked; ++k) {
                EXPECT_TRUE(AnswerQualifies(draw.Chosen[k].Answer, spanish)) << draw.Chosen[k].Answer;
                for (int j = 1; j < k; ++j) {
                    EXPECT_NE(draw.Chosen[k].Clue, draw.Chosen[j].Clue);
                    EXPECT_NE(draw.Chosen[k].Answer, draw.Chosen[j].Answer);
                }
            }
        }
    }
}

TEST(Scramble, LettersStayWithinTheirWord)
{
    const TAnswer twoWords{"ice cream", Cp("helado de fresa"), ""};
    std::set<std::string> pools;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        ScrambleRow row;
        SetupScrambleRow(row, twoWords);
        ASSERT_EQ(row.Pool.size(), twoWords.Answer.size());
        std::string pool;
        for (const std::string& cell : row.Pool) {
            ASSERT_EQ(StateOf(cell), CellNormal);
            pool += ContentOf(cell);
        }
        EXPECT_EQ(pool.substr(6, 1), "-");
        EXPECT_EQ(pool.substr(9, 1), "-");
        EXPECT_EQ(Letters(pool.substr(0, 6)), Letters("helado"));
        EXPECT_EQ(Letters(pool.substr(7, 2)), Letters("de"));
        EXPECT_EQ(Letters(pool.substr(10)), Letters("fresa"));
        for (const std::string& box : row.Boxes)
            EXPECT_EQ(box, "0");
        EXPECT_FALSE(row.Solved);
        pools.insert(pool);
    }
    EXPECT_GT(pools.size(), 20u);

    ScrambleRow one;
    SetupScrambleRow(one, TAnswer{"a", "y", ""});
    EXPECT_EQ(one.Pool, std::vector<std::string>{"0y"});
    EXPECT_FALSE(CanDragFromPool(one, 5));
}

namespace {

// A row with its pool in a known order.
ScrambleRow RowOf(const std::string& answer, const std::string& pool)
{
    ScrambleRow row;
    row.Answer = answer;
    for (char c : pool)
        row.Pool.push_back(MakeCell(CellNormal, c == ' ' ? "-" : std::string(1, c)));
    row.Boxes.assign(answer.size(), "0");
    return row;
}

std::string BoxText(const ScrambleRow& row)
{
    std::string s;
    for (const std::string& b : row.Boxes)
        s += HoldsLetter(b) ? ContentOf(b) : ".";
    return s;
}

std::string States(const std::vector<std::string>& cells)
{
    std::string s;
    for (const std::string& c : cells)
        s += StateOf(c);
    return s;
}

}  // namespace

TEST(Scramble, MovesReturnDisplacedLettersToThePool)
{
    ScrambleRow row = RowOf("banana", "nanaba");
    EXPECT_TRUE(PoolToBox(row, 1, 0));  // a
    EXPECT_TRUE(PoolToBox(row, 3, 0));  // a again onto the occupied box: the first a comes back
    EXPECT_EQ(BoxText(row), "a.....");
    EXPECT_EQ(States(row.Pool), "000100");  // the rightmost used copy was freed
    EXPECT_FALSE(PoolToBox(row, 3, 1));     // a used letter does not move
    EXPECT_TRUE(PoolToBox(row, 0, 2));      // n
    EXPECT_TRUE(BoxToBox(row, 2, 0));       // n onto a: a goes back, n moves
    EXPECT_EQ(BoxText(row), "n.....");
    EXPECT_EQ(States(row.Pool), "100000");
    EXPECT_FALSE(BoxToBox(row, 0, 0));  // its own box: nothing
    EXPECT_FALSE(BoxToBox(row, 1, 2));  // an empty box drags nothing
    EXPECT_TRUE(BoxToPool(row, 0));
    EXPECT_EQ(BoxText(row), "......");
    EXPECT_EQ(States(row.Pool), "000000");

    // The blank's pool cell is no letter.
    ScrambleRow two = RowOf("ab cd", "ba dc");
    EXPECT_FALSE(CanDragFromPool(two, 2));
    EXPECT_FALSE(PoolToBox(two, 2, 2));
}

TEST(Scramble, CheckClueAndFill)
{
    ScrambleRow row = RowOf("gato", "otag");
    PoolToBox(row, 3, 0);  // g right
    PoolToBox(row, 0, 1);  // o wrong
    CheckScrambleRow(row);
    EXPECT_EQ(row.Boxes, (std::vector<std::string>{"1g", "2o", "0", "0"}));
    PoolToBox(row, 1, 2);  // any move clears the check colours of the row
    EXPECT_EQ(States(row.Boxes), "0000");

    // A wrong letter placed: the clue only marks it.
    EXPECT_FALSE(ClueScrambleRow(row));
    EXPECT_EQ(row.Boxes, (std::vector<std::string>{"0g", "2o", "0t", "0"}));
    BoxToPool(row, 1);
    // None wrong: the first empty box gets its letter and a pool copy turns used.
    EXPECT_TRUE(ClueScrambleRow(row));
    EXPECT_EQ(BoxText(row), "gat.");
    EXPECT_EQ(States(row.Pool), "0111");

    ScrambleRow two = RowOf("ab cd", "ba dc");
    FillScrambleRow(two);
    ScrambleBoard board;
    board[0] = two;
    for (int i = 1; i < ScrambleRowCount; ++i)
        board[i] = RowOf("xy", "yx");
    CheckScrambleRows(board);
    EXPECT_TRUE(board[0].Solved);
    EXPECT_FALSE(board[1].Solved);
    EXPECT_FALSE(CanDragFromBox(board[0], 0));  // a solved row takes part in no drag
    EXPECT_FALSE(CanDragFromPool(board[0], 1));
    EXPECT_FALSE(ClueScrambleRow(board[0]));
}

TEST(Scramble, TheLastFilledRowChecksAllRows)
{
    ScrambleBoard board;
    for (int i = 0; i < ScrambleRowCount; ++i)
        board[i] = RowOf("ab", "ba");
    for (int i = 0; i < ScrambleRowCount - 1; ++i) {
        PoolToBox(board[i], 0, 0);  // b in the first box: wrong
        PoolToBox(board[i], 1, 1);
        CheckScrambleRows(board);
        EXPECT_EQ(States(board[i].Boxes), "00") << "no check before every row is filled";
    }
    // The two-word answer's blank box needs no letter.
    board[5] = RowOf("a b", "a b");
    PoolToBox(board[5], 0, 0);
    PoolToBox(board[5], 2, 2);
    CheckScrambleRows(board);
    EXPECT_TRUE(board[5].Solved);
    EXPECT_EQ(States(board[5].Boxes), "101");  // letters green; the blank is judged as empty
    for (int i = 0; i < ScrambleRowCount - 1; ++i) {
        EXPECT_FALSE(board[i].Solved);
        EXPECT_EQ(States(board[i].Boxes), "22");
    }
}

TEST(LetterPools, AlphabetLayout)
{
    EXPECT_EQ(AlphabetCell(6, 0), "0g");
    EXPECT_EQ(AlphabetCell(4, 3), "0z");
    EXPECT_EQ(AlphabetCell(5, 3), "0");  // the two blank cells after "z"
    EXPECT_EQ(AlphabetCell(6, 4), Cp("0ü"));
    EXPECT_EQ(AlphabetCell(7, 0), "");
}

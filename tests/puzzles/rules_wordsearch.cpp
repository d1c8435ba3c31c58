// Word Search rules: word choice and its messages, placement invariants over many seeds, the
// cell table's limits, a request that fails leaving nothing changed, and matching a drag.

#include "WordSearchRules.h"

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "LX_Globals.h"
#include "Random.h"
#include "RulesSupport.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A table of our own: one record line per (English, Spanish) pair, all in category 0.
void UseWords(const std::vector<std::pair<std::string, std::string>>& words, int lessCommon = 0)
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < words.size(); ++i)
        lines.push_back(",D,,M," + words[i].first + "," + Cp1252FromUtf8(words[i].second) + ",,,Cat,Sub," +
                        std::to_string(lessCommon) + "," + std::to_string(i + 1) + ", ");
    UseRecordLines(lines);
}

WordSelection AllOf(int category)
{
    WordSelection s;
    s.Category = category;
    s.AllSubCategories = true;
    s.CommonFilter = 2;
    s.LearnedFilter = 2;
    return s;
}

TAnswer Word(const std::string& letters)
{
    return TAnswer{"clue " + letters, letters, letters};
}

// Every invariant a built puzzle must hold.
void CheckPuzzle(const WordSearchPuzzle& p, bool allDirections)
{
    ASSERT_GE(p.Side, 1);
    ASSERT_LE(p.Side, SearchMaxSide);
    const int n = p.Side;
    std::vector<int> starts(p.PuzzleWordCount() + 1, 0);
    std::vector<std::vector<bool>> onWord(n, std::vector<bool>(n, false));
    std::map<int, int> segmentsOfWord;
    for (int layer = 1; layer <= SearchLayerCount; ++layer)
        for (int c = 0; c < SearchMaxSide; ++c)
            for (int r = 0; r < SearchMaxSide; ++r) {
                const TSearchCell& cell = p.Layer(layer, c, r);
                ASSERT_GE(cell.SegCount, 0);
                ASSERT_LE(cell.SegCount, SearchMaxSegments);
                for (int s = 0; s < cell.SegCount; ++s) {
                    ASSERT_GE(cell.SegKind[s], 1);
                    ASSERT_LE(cell.SegKind[s], 16);
                    ASSERT_GE(cell.SegWord[s], 1);
                    ASSERT_LE(cell.SegWord[s], p.PuzzleWordCount());
                    ++segmentsOfWord[cell.SegWord[s]];
                }
                if (cell.Start == -1)
                    continue;
                ASSERT_TRUE(p.InGrid(c, r));
                const int w = cell.Start;
                ASSERT_GE(w, 1);
                ASSERT_LE(w, p.PuzzleWordCount());
                ++starts[w];
                const std::string& letters = p.Answers[w - 1].Letters;
                ASSERT_EQ(cell.Length, static_cast<int>(letters.size()));
                ASSERT_GE(cell.Direction, 1);
                ASSERT_LE(cell.Direction, allDirections ? 8 : 4);
                const SearchStep step = SearchDirectionStep(cell.Direction);
                const int L = cell.Length;
                // Readable along its direction: crossings agree, since every word reads.
                for (int k = 0; k < L; ++k) {
                    const int cc = c + k * step.Col, rr = r + k * step.Row;
                    ASSERT_TRUE(p.InGrid(cc, rr)) << "word " << w << " leaves the grid";
                    EXPECT_EQ(p.Grid[cc][rr].Letter, letters[k]) << "word " << w << " letter " << k;
                    EXPECT_EQ(p.Grid[cc][rr].Kind, '0');
                    onWord[cc][rr] = true;
                }
                // The start draw takes side - L values: a moving axis never reaches the far
                // edge unless the word fills the line.
                const int endCol = c + (L - 1) * step.Col, endRow = r + (L - 1) * step.Row;
                if (step.Col != 0 && L < n) {
                    EXPECT_LT(std::max(c, endCol), n - 1);
                }
                if (step.Row != 0 && L < n) {
                    EXPECT_LT(std::max(r, endRow), n - 1);
                }
            }
    for (int w = 1; w <= p.PuzzleWordCount(); ++w) {
        EXPECT_EQ(starts[w], 1) << "word " << w << " placed once";
        const SearchStart s = FindWordStart(p, w);
        const TSearchCell& cell = p.Layer(s.Layer, s.Col, s.Row);
        const SearchStep step = SearchDirectionStep(cell.Direction);
        const bool diagonal = step.Col != 0 && step.Row != 0;
        // One segment per cell, and two side pieces per step of a diagonal.
        EXPECT_EQ(segmentsOfWord[w], diagonal ? 3 * cell.Length - 2 : cell.Length) << "word " << w;
    }
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            const SearchGridCell& g = p.Grid[c][r];
            EXPECT_EQ(g.Flag, '0');
            if (!onWord[c][r]) {
                EXPECT_EQ(g.Kind, '1');
                EXPECT_TRUE(g.Letter >= 'a' && g.Letter <= 'z') << "filler " << int(g.Letter);
            }
        }
    ASSERT_EQ(p.List.size(), p.Answers.size());
    for (size_t i = 0; i < p.List.size(); ++i) {
        EXPECT_EQ(p.List[i].Answer, "00" + p.Answers[i].Answer);
        EXPECT_EQ(p.List[i].Clue, "01" + p.Answers[i].Clue);
        EXPECT_EQ(p.List[i].Mark, '0');
    }
}

}  // namespace

// ---- choice ---------------------------------------------------------------------------------------

TEST(WordSearchChoice, LanguageRulesDecideWhichWordsQualify)
{
    UseWords({{"ox", "buey"},                 // English too short
              {"ice cream", "helado"},        // blank allowed
              {"o'clock", "en punto"},        // apostrophe refused in English
              {"boy", "niño"},                // ñ allowed in Spanish
              {"cafe", "café-bar"},           // hyphen refused in Spanish
              {"thirtyoneletterslongwordisbadx", "abcdefghijklmnopqrstuvwxyzabcde"}});
    WordSelection all = AllOf(0);
    std::vector<int> spanish = SearchCandidateList(all, "S");
    std::vector<int> english = SearchCandidateList(all, "E");
    EXPECT_EQ(spanish, (std::vector<int>{1, 2, 3, 4}));  // 31 Spanish letters are too many
    EXPECT_EQ(english, (std::vector<int>{2, 4, 5, 6}));
    EXPECT_TRUE(SearchCandidateList(all, "").empty());
    EXPECT_TRUE(SearchCandidateList(all, "X").empty());
    // The filters of the selection apply.
    all.CommonFilter = 1;
    EXPECT_TRUE(SearchCandidateList(all, "S").empty());
}

TEST(WordSearchChoice, DuplicateCluesOrAnswersAreNeverBothChosen)
{
    // Seven records but only five distinct clues and answers.
    UseWords({{"cat", "gato"}, {"cat", "felino"}, {"dog", "perro"}, {"hound", "perro"}, {"cow", "vaca"},
              {"pig", "cerdo"}, {"hen", "gallina"}});
    const std::vector<int> candidates = SearchCandidateList(AllOf(0), "S");
    ASSERT_EQ(candidates.size(), size_t{7});
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        const std::vector<TAnswer> chosen = ChooseSearchWords(candidates, 40, true);
        EXPECT_EQ(chosen.size(), size_t{5});
        std::set<std::string> clues, answers;
        for (const TAnswer& a : chosen) {
            EXPECT_TRUE(clues.insert(a.Clue).second) << a.Clue;
            EXPECT_TRUE(answers.insert(a.Answer).second) << a.Answer;
        }
    }
    // Five distinct words are too few: the request says how many there are.
    const SearchRequestResult r = RunSearchRequest(candidates, 20, true, true);
    EXPECT_EQ(r.Result, SearchRequestResult::TooFew);
    EXPECT_EQ(r.WordCount, 5);
    EXPECT_EQ(r.Puzzle, nullptr);
}

TEST(WordSearchChoice, ASavedListsLanguageIsToldFromItsAnswers)
{
    UseWords({{"cat", "gato"}, {"dog", "perro"}, {"chocolate", "chocolate"}, {"horse", "caballo"}});
    // A word of both languages decides nothing; the answers' other words do, the more of them winning.
    EXPECT_FALSE(SearchAnswersSpanish({Word("cat"), Word("chocolate")}, true));
    // The table's last word counts like any other.
    EXPECT_TRUE(SearchAnswersSpanish({Word("chocolate"), Word("caballo")}, false));
    EXPECT_FALSE(SearchAnswersSpanish({Word("horse")}, true));
    EXPECT_TRUE(SearchAnswersSpanish({Word("chocolate"), Word("gato")}, false));
    EXPECT_FALSE(SearchAnswersSpanish({Word("gato"), Word("cat"), Word("dog")}, true));
    // Nothing decides: the language in force.
    EXPECT_TRUE(SearchAnswersSpanish({Word("chocolate"), Word("unknown")}, true));
    EXPECT_FALSE(SearchAnswersSpanish({Word("chocolate"), Word("unknown")}, false));
}

TEST(WordSearchChoice, MessagesForTooFewWords)
{
    const std::string expand = "\n\r\n\rPlease expand the selection.";
    const std::string hint =
        "\n\r\n\rSelecting 'All Words' for Common/Learned words may increase the number of words available.";
    EXPECT_EQ(TooFewSearchWordsMessage(0, true), "There are no words satisfying the selected options." + expand);
    EXPECT_EQ(TooFewSearchWordsMessage(1, false),
              "There is only one word satisfying the selected options." + expand + hint);
    EXPECT_EQ(TooFewSearchWordsMessage(5, true), "There are only 5 words satisfying the selected options." + expand);
    EXPECT_EQ(FewerSearchWordsHeading(12, true), "There are only 12 words satisfying the selected options.");
    EXPECT_EQ(FewerSearchWordsHeading(12, false),
              "There are only 12 words satisfying the selected options.\n\r\n\rSelecting 'All Words' for "
              "Common/Learned words may increase\n\rthe number of words available.\n\r\n\r");
}

// ---- building -------------------------------------------------------------------------------------

TEST(WordSearchBuild, SideRule)
{
    EXPECT_EQ(InitialSearchSide(6, 5), 10);
    EXPECT_EQ(InitialSearchSide(10, 10), 10);
    EXPECT_EQ(InitialSearchSide(10, 12), 12);
    EXPECT_EQ(InitialSearchSide(15, 9), 9);    // 11 to 18 words: the longest word
    EXPECT_EQ(InitialSearchSide(25, 6), 7);    // count - 18
    EXPECT_EQ(InitialSearchSide(30, 11), 12);
    EXPECT_EQ(InitialSearchSide(35, 8), 20);
    EXPECT_EQ(InitialSearchSide(40, 30), 30);
    EXPECT_EQ(InitialSearchSide(40, 45), SearchMaxSide);
}

TEST(WordSearchBuild, RealSelectionsHoldEveryInvariantOverManySeeds)
{
    UseBuiltInVocabulary();
    int categoriesTried = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        for (const char* language : {"S", "E"}) {
            const std::vector<int> candidates = SearchCandidateList(AllOf(category), language);
            if (candidates.size() < 40)
                continue;
            ++categoriesTried;
            for (uint32_t seed = 1; seed <= 12; ++seed)
                for (int wanted : {10, 25, 40})
                    for (bool all : {false, true}) {
                        RandSeed(seed * 977 + wanted);
                        const SearchRequestResult r = RunSearchRequest(candidates, wanted, language[0] == 'S', all);
                        ASSERT_EQ(r.Result, SearchRequestResult::Built) << category << language << seed;
                        EXPECT_EQ(r.Puzzle->PuzzleWordCount(), wanted);
                        CheckPuzzle(*r.Puzzle, all);
                        if (HasFatalFailure() || HasFailure())
                            return;
                    }
        }
    }
    EXPECT_GE(categoriesTried, 10);
}

TEST(WordSearchBuild, CapitalsAndAccentsStandInTheGridAsWritten)
{
    UseWords({{"Spain", "España"}, {"boy", "niño"}, {"cat", "gato"}, {"dog", "perro"}, {"cow", "vaca"},
              {"pig", "cerdo"}});
    RandSeed(5);
    const SearchRequestResult r = RunSearchRequest(SearchCandidateList(AllOf(0), "S"), 10, true, true);
    ASSERT_EQ(r.Result, SearchRequestResult::Built);
    CheckPuzzle(*r.Puzzle, true);
    std::string letters;
    for (int c = 0; c < r.Puzzle->Side; ++c)
        for (int rr = 0; rr < r.Puzzle->Side; ++rr)
            letters += r.Puzzle->Grid[c][rr].Letter;
    EXPECT_NE(letters.find('E'), std::string::npos);
    EXPECT_NE(letters.find('\xF1'), std::string::npos);  // ñ
}

TEST(WordSearchBuild, CrowdedStartCellsAndSegmentsFailCleanly)
{
    // A 3 x 3 grid takes starts only in five cells for "aaa" forwards: four words a cell at
    // most, and a cell's eleventh segment ends the attempt. Nothing may go past a bound.
    auto puzzle = std::make_unique<WordSearchPuzzle>();
    int built = 0, failed = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed(seed);
        const int count = 4 + seed % 30;
        std::vector<TAnswer> words(count, Word("aaa"));
        if (BuildPuzzle(*puzzle, words, 3, seed % 2 == 0)) {
            ++built;
            CheckPuzzle(*puzzle, seed % 2 == 0);
        } else {
            ++failed;
        }
    }
    EXPECT_GT(built, 0);
    EXPECT_GT(failed, 0);
    // Twenty-five words cannot all start in five cells of four layers.
    RandSeed(1);
    EXPECT_FALSE(BuildPuzzle(*puzzle, std::vector<TAnswer>(25, Word("aaa")), 3, false));
}

// 26 to 30 words start on a small side (the count - 18, or the longest word), and ten sides a
// round were not always enough for a sub-category of long words: the request must still build.
TEST(WordSearchBuild, ProfessionsBuildAtTwentySixToThirtyWords)
{
    UseBuiltInVocabulary();
    WordSelection professions = AllOf(-1);
    for (int c = 0; c < CategoryCount; ++c)
        for (int s = 0; s < CategoryTable[c].SubCount; ++s)
            if (CategoryTable[c].Name.str() == "Industry" && CategoryTable[c].SubNames[s].str() == "Professions")
                professions = WordSelection{c, s, false, 2, 2};
    ASSERT_GE(professions.Category, 0);
    for (const char* language : {"S", "E"})
        for (int wanted = 26; wanted <= 30; ++wanted)
            for (bool all : {false, true})
                for (uint32_t seed = 1; seed <= 40; ++seed) {
                    RandSeed(seed * 131 + wanted);
                    const SearchRequestResult r =
                        RunSearchRequest(SearchCandidateList(professions, language), wanted, language[0] == 'S', all);
                    ASSERT_EQ(r.Result, SearchRequestResult::Built) << language << wanted << " seed " << seed << all;
                    ASSERT_EQ(r.Puzzle->PuzzleWordCount(), wanted);
                    CheckPuzzle(*r.Puzzle, all);
                }
}

// A restart draws its words afresh; when duplicates leave it fewer than six, that round has
// failed like one whose words found no place, and the request goes on with the next round.
TEST(WordSearchBuild, RestartWithTooFewWordsFailsItsRound)
{
    // The last record shares its clue with a word too long for any grid and its answer with
    // "lad": drawn before both, it leaves five words; otherwise there are six, the long one
    // among them, which no attempt can place.
    const std::string tooLong(40, 'x');
    UseWords({{"cat", "gato"}, {"dog", "perro"}, {"cow", "vaca"}, {"pig", "cerdo"}, {"waiter", tooLong},
              {"lad", "chico"}, {"waiter", "chico"}});
    const std::vector<int> candidates = {1, 2, 3, 4, 5, 6, 7};
    int fiveWordRounds = 0;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        RandSeed(seed);
        const SearchRequestResult r = RunSearchRequest(candidates, 10, true, seed % 2 == 0);
        if (r.WordCount < SearchMinWords) {
            EXPECT_EQ(r.Result, SearchRequestResult::TooFew);
            continue;
        }
        EXPECT_EQ(r.Result, SearchRequestResult::Failed) << "seed " << seed;
        EXPECT_EQ(r.Rounds, SearchRounds);
        fiveWordRounds += SearchRounds - r.Attempts / SearchAttempts;  // five words try no side
    }
    EXPECT_GT(fiveWordRounds, 0);
}

TEST(WordSearchBuild, LongWordsNeverPushTheSidePast31)
{
    std::vector<std::pair<std::string, std::string>> words;
    for (int i = 0; i < 12; ++i)
        words.push_back({"word" + std::string(1, char('a' + i)), std::string(29, 'a') + char('b' + i)});
    UseWords(words);
    int built = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed(seed);
        const SearchRequestResult r = RunSearchRequest(SearchCandidateList(AllOf(0), "S"), 12, true, true);
        if (r.Result == SearchRequestResult::Built) {
            ++built;
            EXPECT_LE(r.Puzzle->Side, SearchMaxSide);
            CheckPuzzle(*r.Puzzle, true);
        } else {
            EXPECT_EQ(r.Result, SearchRequestResult::Failed);
            EXPECT_EQ(r.Rounds, SearchRounds);
        }
    }
    EXPECT_GT(built, 0);
}

// A word whose drawn direction has no room left tries the others before the attempt fails. A
// word placed in its drawn direction costs the draws it always did, so a grid that was built
// before is built the same: the digest below was taken while words tried one direction only.
TEST(WordSearchBuild, AWordTriesTheOtherDirectionsBeforeTheAttemptFails)
{
    // Two six-letter words with no letter in common on a 6 x 6 grid: after a diagonal only the
    // other diagonal is free, after a line only a parallel one.
    auto puzzle = std::make_unique<WordSearchPuzzle>();
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        RandSeed(seed);
        ASSERT_TRUE(BuildPuzzle(*puzzle, {Word("abcdef"), Word("ghijkl")}, 6, seed % 2 == 0)) << seed;
        CheckPuzzle(*puzzle, seed % 2 == 0);
    }
    uint64_t digest = 14695981039346656037ull;  // FNV-1a over every letter of every grid
    const std::vector<TAnswer> words = {Word("owl"), Word("hen"), Word("duck"), Word("swan"), Word("crow"),
                                        Word("robin"), Word("eagle"), Word("parrot")};
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        ASSERT_TRUE(BuildPuzzle(*puzzle, words, 12, seed % 2 == 0)) << seed;
        for (int c = 0; c < 12; ++c)
            for (int r = 0; r < 12; ++r)
                digest = (digest ^ static_cast<uint8_t>(puzzle->Grid[c][r].Letter)) * 1099511628211ull;
    }
    EXPECT_EQ(digest, 15648250647146018880ull);
}

// ---- play -----------------------------------------------------------------------------------------

namespace {

// A hand-made 6 x 6 puzzle: "cat" right from (0,0), "dog" down from (5,0), "owl" down-right
// from (1,2), and a second "cat" word in layer 2 of (0,0) going down.
std::unique_ptr<WordSearchPuzzle> HandMade()
{
    RandSeed(1);
    auto p = std::make_unique<WordSearchPuzzle>();
    // Build on an empty puzzle for the list and reset, then place by hand.
    BuildPuzzle(*p, {}, 6, true);
    p->Answers = {Word("cat"), Word("dog"), Word("owl"), Word("cow")};
    p->List.clear();
    for (const TAnswer& a : p->Answers)
        p->List.push_back(SearchListRow{"00" + a.Answer, "01" + a.Clue, '0'});
    auto place = [&](int word, int layer, int col, int row, int direction) {
        TSearchCell& cell = p->Layer(layer, col, row);
        cell.Start = word;
        const std::string& letters = p->Answers[word - 1].Letters;
        cell.Length = static_cast<int>(letters.size());
        cell.Direction = direction;
        const SearchStep s = SearchDirectionStep(direction);
        for (int k = 0; k < cell.Length; ++k)
            p->Grid[col + k * s.Col][row + k * s.Row] = SearchGridCell{'0', '0', letters[k]};
    };
    place(1, 1, 0, 0, 2);
    place(2, 1, 5, 0, 1);
    place(3, 1, 1, 2, 4);
    place(4, 2, 0, 0, 1);  // "cow" down from the "c" of "cat"
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            if (p->Grid[c][r].Kind == '1')
                p->Grid[c][r].Letter = 'x';
    EXPECT_TRUE(BuildSearchSegments(*p));
    return p;
}

int Drag(WordSearchPuzzle& p, SearchDrag& drag, int fromCol, int fromRow, int toCol, int toRow)
{
    drag.Begin(p, fromCol, fromRow);
    drag.UpdateSelection(p, toCol, toRow);
    return drag.Release(p, toCol, toRow);
}

}  // namespace

TEST(WordSearchPlay, SnapTableFollowsTheLinesAndTheirNeighbours)
{
    auto p = HandMade();
    SearchDrag drag;
    drag.Begin(*p, 2, 2);
    EXPECT_EQ(drag.SnapEntry(2, 2, 1).Kind, 1);
    EXPECT_EQ(drag.SnapEntry(2, 5, 1).Kind, 1);
    EXPECT_EQ(drag.SnapEntry(0, 2, 1).Kind, 2);
    EXPECT_EQ(drag.SnapEntry(4, 4, 1).Kind, 3);
    EXPECT_EQ(drag.SnapEntry(4, 0, 1).Kind, 4);
    // (3, 5) is on no line: its neighbours (2, 5) on the column and (4, 4)... entry 2 takes
    // the first match in the checking order, entry 3 the last.
    EXPECT_EQ(drag.SnapEntry(3, 5, 1).Kind, 0);
    const auto e2 = drag.SnapEntry(3, 5, 2);
    const auto e3 = drag.SnapEntry(3, 5, 3);
    EXPECT_EQ(e2.Col, 2);
    EXPECT_EQ(e2.Row, 5);
    EXPECT_EQ(e2.Kind, 1);
    EXPECT_EQ(e3.Kind, 3);
    EXPECT_EQ(e3.Col, 4);
    EXPECT_EQ(e3.Row, 4);
    // The end snaps to entry 3: the falling diagonal from (2,2) to (4,4).
    drag.UpdateSelection(*p, 3, 5);
    EXPECT_EQ(drag.LineKind, 3);
    EXPECT_EQ(drag.SelectedLetters.size(), size_t{3});
    EXPECT_EQ(p->Grid[3][3].Flag, '1');
    EXPECT_EQ(p->Grid[4][4].Flag, '1');
    EXPECT_EQ(p->Grid[2][5].Flag, '0');
    // Off the grid nothing changes.
    drag.UpdateSelection(*p, -1, -1);
    EXPECT_EQ(drag.SelectedLetters.size(), size_t{3});
    EXPECT_EQ(drag.SnapEntry(-2, -2, 1).Kind, 0);
    EXPECT_EQ(drag.SnapEntry(500, 3, 2).Kind, 0);
}

TEST(WordSearchPlay, ForwardsBackwardsAndWrongDrags)
{
    auto p = HandMade();
    SearchDrag drag;
    EXPECT_EQ(Drag(*p, drag, 5, 0, 5, 1), 0);  // "do"
    EXPECT_FALSE(WordFound(*p, 2));
    EXPECT_EQ(Drag(*p, drag, 5, 2, 5, 0), 2);  // "god" backwards: "dog"
    EXPECT_TRUE(WordFound(*p, 2));
    EXPECT_EQ(p->List[1].Answer, "11dog");
    EXPECT_EQ(p->List[1].Clue, "11clue dog");
    EXPECT_EQ(p->List[1].Mark, '1');
    EXPECT_EQ(Drag(*p, drag, 1, 2, 3, 4), 3);  // "owl" on the falling diagonal
    // Its outline: ends and middle on the word, the side pieces right of and below each step.
    std::set<std::tuple<int, int, int>> outline;
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            for (int s = 0; s < p->Layer(1, c, r).SegCount; ++s)
                if (p->Layer(1, c, r).SegWord[s] == 3 && p->Layer(1, c, r).SegFound[s])
                    outline.insert({c, r, p->Layer(1, c, r).SegKind[s]});
    EXPECT_EQ(outline, (std::set<std::tuple<int, int, int>>{
                           {1, 2, 12}, {2, 2, 13}, {1, 3, 14}, {2, 3, 15}, {3, 3, 13}, {2, 4, 14}, {3, 4, 16}}));
    // The highlight is gone after every release.
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(p->Grid[c][r].Flag, '0');
    // Two words in one start cell: the layer whose letters match.
    EXPECT_EQ(Drag(*p, drag, 0, 0, 0, 2), 4);
    EXPECT_FALSE(WordFound(*p, 1));
    EXPECT_EQ(Drag(*p, drag, 0, 0, 2, 0), 1);
}

TEST(WordSearchPlay, BackwardDragIsJudgedAtTheCellUnderTheMouse)
{
    auto p = HandMade();
    SearchDrag drag;
    // From the last letter of "owl", released off the line next to its first letter: the
    // end snaps onto the word, but the cell under the mouse is no word's start.
    drag.Begin(*p, 3, 4);
    drag.UpdateSelection(*p, 0, 2);
    EXPECT_EQ(drag.Release(*p, 0, 2), 0);
    EXPECT_FALSE(WordFound(*p, 3));
    // Released outside the grid after selecting the whole word backwards: no backward match
    // is tried off the grid.
    drag.Begin(*p, 3, 4);
    drag.UpdateSelection(*p, 1, 2);
    EXPECT_EQ(drag.SelectedLetters, "lwo");
    EXPECT_EQ(drag.Release(*p, -1, -1), 0);
    EXPECT_FALSE(WordFound(*p, 3));
    // Forwards, released outside after the whole word was selected: found on the selection.
    drag.Begin(*p, 1, 2);
    drag.UpdateSelection(*p, 3, 4);
    EXPECT_EQ(drag.Release(*p, -1, -1), 3);
    // A press outside the grid selects nothing.
    drag.Begin(*p, -1, -1);
    drag.UpdateSelection(*p, 2, 2);
    EXPECT_EQ(drag.Release(*p, 2, 2), 0);
}

TEST(WordSearchPlay, ClueAreaStaysInsideTheGrid)
{
    auto p = HandMade();
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        RandSeed(seed);
        // "dog" starts in the top right corner: the block is cut off by the right edge and
        // shifted down from the top, and always holds the first letter.
        SearchListClick(*p, 2, 1);
        EXPECT_EQ(p->List[1].Mark, '2');
        EXPECT_EQ(p->Grid[5][0].Flag, '2');
        EXPECT_EQ(p->Grid[0][0].Flag, '0');
        // "cat" at (0, 0): shifted inwards, a whole block; the other word's area goes.
        SearchListClick(*p, 2, 0);
        EXPECT_EQ(p->List[1].Mark, '0');
        int block = 0;
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 6; ++r)
                block += p->Grid[c][r].Flag == '2';
        EXPECT_EQ(block, 9);
        EXPECT_EQ(p->Grid[0][0].Flag, '2');
    }
    SearchDrag drag;
    Drag(*p, drag, 0, 0, 2, 0);
    SearchListClick(*p, 2, 0);  // a found word's clue column does nothing
    EXPECT_EQ(p->List[0].Mark, '1');
}

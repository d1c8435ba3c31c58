// Crossword grid numbering, clue lists and regular generation.

#include <gtest/gtest.h>

#include "RulesSupport.h"

#include "AnswerIndex.h"
#include "CrosswordGenerator.h"
#include "GridTemplates.h"
#include "LX_Globals.h"
#include "Random.h"
#include "XWordGrid.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Lays a hand-drawn grid ('X' block, anything else a letter square) into a fresh XWordGrid,
// ready for NumberGrid: lengths 0, numbers and links -1.
void LayGrid(const std::vector<std::string>& rows, int mode = 1)
{
    for (auto& column : XWordGrid)
        for (XWordCell& cell : column)
            cell = XWordCell();
    XWordMode = mode;
    XWordRows = static_cast<int>(rows.size());
    XWordCols = static_cast<int>(rows[0].size());
    for (int r = 0; r < XWordRows; ++r)
        for (int c = 0; c < XWordCols; ++c)
            XWordGrid[c][r].Kind = rows[r][c] == 'X' ? 1 : 2;
}

struct TestWord {
    const char* English;
    const char* Spanish;
    int LessCommon;
};

// Replaces the vocabulary with the given words (singular only) and rebuilds the indexes.
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
        rec.LessCommon = w.LessCommon;
        rec.Category = 0;
        rec.SubCategory = 0;
    }
    WordCount = i;
    BuiltInWordCount = i;
    BuildWordLengthTables();
}

void UseVocabularyAndTemplates()
{
    UseBuiltInVocabulary();
    InitGridTemplates();
}

std::string Row(int r)
{
    std::string s;
    for (int c = 0; c < XWordCols; ++c)
        s += XWordGrid[c][r].Kind == 1 ? std::string("#") : XWordGrid[c][r].Answer.str();
    return s;
}

std::vector<std::tuple<int, int, int>> FillOrder()
{
    std::vector<std::tuple<int, int, int>> order;
    for (int k = 1; k <= MaxSlots && SlotFillOrder[k].Col != -1; ++k)
        order.emplace_back(SlotFillOrder[k].Col, SlotFillOrder[k].Row, SlotFillOrder[k].Down);
    return order;
}

void LayTemplate(int sizeIndex, int t)
{
    const int side = GridSizeOfIndex(sizeIndex);
    XWordMode = 1;
    XWordCols = XWordRows = side;
    for (int c = 0; c < side; ++c)
        for (int r = 0; r < side; ++r)
            XWordGrid[c][r].Kind = GridTemplates[sizeIndex][t][c + 1][r + 1] == CellLetter ? 2 : 1;
}

// The fill as first written: every entry of the index scanned, marks kept in the word table.
bool LiteralFill(bool spanish, int filter)
{
    const AnswerIndex& index = spanish ? SpanishAnswers : EnglishAnswers;
    PrepareGridSlots();
    int s = 1, failures = 0;
    for (int i = 1; i <= MaxWords; ++i)
        WordTable[i].Mark = -1;
    const int limit = ((XWordCols - 1) / 2 - 3) * 100;
    for (;;) {
        const XWordSlot slot = SlotFillOrder[s];
        if (slot.Col == -1)
            return true;
        const XWordCell& start = XWordGrid[slot.Col][slot.Row];
        const int L = slot.Down ? start.DownLength : start.AcrossLength;
        auto cell = [&](int p) -> XWordCell& {
            return slot.Down ? XWordGrid[slot.Col][slot.Row + p] : XWordGrid[slot.Col + p][slot.Row];
        };
        std::string pattern;
        for (int p = 0; p < L; ++p)
            pattern += cell(p).Answer.str();
        const int count = index.Count(L);
        const int from = Random(count) + 1;
        int seen[21] = {};
        const TXWordLine* match = nullptr;
        for (int i = 1; i <= count && !match; ++i) {
            int n = from + i - 1;
            if (n > count)
                n -= count;
            const TXWordLine& line = index.Entry(L, n);
            const bool eligible = WordTable[line.WordIndex].Mark == -1 &&
                (filter == 2 || (filter == 0 && line.Common == 1) || (filter == 1 && line.Common == 0)) &&
                IsTypableAnswer(line.Answer.view());
            if (!eligible)
                continue;
            bool fails = false;
            for (int p = 0; p < L; ++p) {
                if (pattern[p] == ' ' || line.Answer[p] == pattern[p])
                    seen[p] = 1;
                else
                    fails = true;
            }
            if (!fails)
                match = &line;
        }
        if (match) {
            const std::string clue = match->Clue.str() + " " + match->Enumeration.str();
            if (slot.Down)
                XWordGrid[slot.Col][slot.Row].DownClue = clue;
            else
                XWordGrid[slot.Col][slot.Row].AcrossClue = clue;
            for (int p = 0; p < L; ++p) {
                cell(p).Answer = std::string(1, match->Answer[p]);
                if (cell(p).FillStamp == 0)
                    cell(p).FillStamp = s;
            }
            WordTable[match->WordIndex].Mark = s;
            ++s;
            continue;
        }
        ++failures;
        if (s == 1)
            return false;
        int t = 0;
        for (int p = 0; p < L; ++p)
            t = std::max(t, cell(p).FillStamp);
        for (int p = 0; p < L; ++p)
            if (!seen[p] && cell(p).FillStamp > 0 && cell(p).FillStamp < t)
                t = cell(p).FillStamp;
        if (failures > limit)
            t = 1;
        for (int c = 0; c < XWordCols; ++c)
            for (int r = 0; r < XWordRows; ++r)
                if (XWordGrid[c][r].FillStamp >= t) {
                    XWordGrid[c][r].Answer = " ";
                    XWordGrid[c][r].FillStamp = 0;
                }
        for (int i = 1; i <= WordCount; ++i)
            if (WordTable[i].Mark > t)
                WordTable[i].Mark = -1;
        s = t;
        if (s == 0 || failures > limit)
            return false;
    }
}

std::vector<std::string> Snapshot()
{
    std::vector<std::string> rows;
    for (int r = 0; r < XWordRows; ++r) {
        rows.push_back(Row(r));
        for (int c = 0; c < XWordCols; ++c)
            rows.back() += "|" + XWordGrid[c][r].AcrossClue.str() + "|" + XWordGrid[c][r].DownClue.str();
    }
    return rows;
}

// Every slot of the filled grid: its answer and clue, checked against the index entry it came from.
struct PlacedWord {
    std::string Answer;
    std::string Clue;
};
std::vector<PlacedWord> PlacedWords()
{
    std::vector<PlacedWord> words;
    for (int r = 0; r < XWordRows; ++r)
        for (int c = 0; c < XWordCols; ++c) {
            const XWordCell& cell = XWordGrid[c][r];
            if (cell.AcrossLength > 1) {
                std::string a;
                for (int i = 0; i < cell.AcrossLength; ++i)
                    a += XWordGrid[c + i][r].Answer.str();
                words.push_back({a, cell.AcrossClue.str()});
            }
            if (cell.DownLength > 1) {
                std::string a;
                for (int i = 0; i < cell.DownLength; ++i)
                    a += XWordGrid[c][r + i].Answer.str();
                words.push_back({a, cell.DownClue.str()});
            }
        }
    return words;
}

const TXWordLine* FindEntry(const AnswerIndex& index, const PlacedWord& w)
{
    const int L = static_cast<int>(w.Answer.size());
    for (int n = 1; n <= index.Count(L); ++n) {
        const TXWordLine& line = index.Entry(L, n);
        if (line.Answer == w.Answer && (line.Clue.str() + " " + line.Enumeration.str()).substr(0, 50) == w.Clue)
            return &line;
    }
    return nullptr;
}

}  // namespace

// ---- Numbering and clue lists ----

TEST(CrosswordNumbering, NumbersLinksAndClueRows)
{
    LayGrid({
        "---X-",
        "-X---",
        "---X-",
        "X-X-X",
        "-----",
    });
    XWordGrid[0][0].AcrossClue = "top";
    XWordGrid[0][0].DownClue = "left";
    NumberGrid();

    // (0,0) starts both words and carries one number in both fields.
    EXPECT_EQ(XWordGrid[0][0].AcrossNumber, 1);
    EXPECT_EQ(XWordGrid[0][0].DownNumber, 1);
    EXPECT_EQ(XWordGrid[0][0].AcrossLength, 3);
    EXPECT_EQ(XWordGrid[0][0].DownLength, 3);
    // (4,0) is a run of one across and starts a 3-letter down word.
    EXPECT_EQ(XWordGrid[4][0].AcrossNumber, -1);
    EXPECT_EQ(XWordGrid[4][0].DownNumber, 3);
    EXPECT_EQ(XWordGrid[2][0].DownNumber, 2);
    EXPECT_EQ(XWordGrid[2][1].AcrossNumber, 4);
    EXPECT_EQ(XWordGrid[0][2].AcrossNumber, 5);
    EXPECT_EQ(XWordGrid[1][2].DownNumber, 6);
    EXPECT_EQ(XWordGrid[3][3].DownNumber, 7) << "a run of two is numbered like any word";
    EXPECT_EQ(XWordGrid[3][3].DownLength, 2);
    EXPECT_EQ(XWordGrid[0][4].AcrossNumber, 8);
    EXPECT_EQ(XWordGrid[0][4].AcrossLength, 5);
    // (3,1) lies in an across word, between blocks down: no down number, length or link.
    EXPECT_EQ(XWordGrid[3][1].DownNumber, -1);
    EXPECT_EQ(XWordGrid[3][1].DownLength, 0);
    EXPECT_EQ(XWordGrid[3][1].DownStart, -1);
    EXPECT_EQ(XWordGrid[3][1].AcrossStart, 2);
    // (1,3) sits between blocks across and inside a down word: no number of its own.
    EXPECT_EQ(XWordGrid[1][3].AcrossNumber, -1);
    EXPECT_EQ(XWordGrid[1][3].DownNumber, -1);
    EXPECT_EQ(XWordGrid[1][3].DownStart, 2);
    EXPECT_EQ(XWordGrid[0][1].AcrossStart, -1);
    EXPECT_EQ(XWordGrid[0][1].DownStart, 0);
    EXPECT_EQ(XWordGrid[4][4].AcrossStart, 0);
    EXPECT_EQ(XWordGrid[3][4].DownStart, 3);
    EXPECT_EQ(XWordGrid[4][4].DownStart, -1);

    BuildClueLists();
    // Across 1, 4, 5, 8; down 1, 2, 3, 6, 7: six rows with the header.
    EXPECT_EQ(XWordClues.RowCount, 6);
    EXPECT_EQ(XWordClues.At(0, 0), "00");
    EXPECT_EQ(XWordClues.At(0, 1), "001");
    EXPECT_EQ(XWordClues.At(1, 1), "00top");
    EXPECT_EQ(XWordClues.At(2, 1), "001");
    EXPECT_EQ(XWordClues.At(3, 1), "00left");
    EXPECT_EQ(XWordClues.At(0, 2), "004");
    EXPECT_EQ(XWordClues.At(0, 3), "005");
    EXPECT_EQ(XWordClues.At(0, 4), "008");
    EXPECT_EQ(XWordClues.At(0, 5), "00");
    EXPECT_EQ(XWordClues.At(1, 5), "00");
    EXPECT_EQ(XWordClues.At(2, 4), "006");
    EXPECT_EQ(XWordClues.At(2, 5), "007");
    EXPECT_EQ(XWordClues.At(3, 5), "00");
}

TEST(CrosswordNumbering, RowCountFollowsTheLongerList)
{
    // Three across words, nine down words: 10 rows, the across columns empty from row 4.
    LayGrid({"---------", "---------", "---------"});
    NumberGrid();
    BuildClueLists();
    EXPECT_EQ(XWordClues.RowCount, 10);
    EXPECT_EQ(XWordClues.At(0, 1), "001");
    EXPECT_EQ(XWordClues.At(0, 2), "0010");
    EXPECT_EQ(XWordClues.At(0, 3), "0011");
    for (int r = 4; r <= 9; ++r) {
        EXPECT_EQ(XWordClues.At(0, r), "00");
        EXPECT_EQ(XWordClues.At(1, r), "00");
    }
    EXPECT_EQ(XWordClues.At(2, 9), "009");
    EXPECT_EQ(XWordClues.At(2, 10), "00");

    // 105 across words on a 21 x 21 grid: the list stops at 100 clues.
    LayGrid(std::vector<std::string>(21, "---X---X---X---X---X-"));
    NumberGrid();
    BuildClueLists();
    EXPECT_EQ(XWordClues.RowCount, XWordClueRows);
    EXPECT_NE(XWordClues.At(0, 100), "00");
}

TEST(CrosswordNumbering, FreeFormatMarkersBecomeBlocks)
{
    LayGrid({"XXXX", "XXXX", "XXXX"}, 2);
    const char* letters[3] = {"cat>", "o  >", "w   "};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            const char ch = letters[r][c];
            XWordGrid[c][r].Answer = ch == ' ' ? std::string() : std::string(1, ch);
        }
    NumberGrid();
    EXPECT_EQ(XWordGrid[3][0].Kind, 1);
    EXPECT_TRUE(XWordGrid[3][0].Answer.empty());
    EXPECT_EQ(XWordGrid[1][1].Kind, 1);
    EXPECT_EQ(XWordGrid[0][0].Kind, 2);
    EXPECT_EQ(XWordGrid[0][0].AcrossLength, 3);
    EXPECT_EQ(XWordGrid[0][0].DownLength, 3);
    EXPECT_EQ(XWordGrid[0][0].AcrossNumber, 1);
    EXPECT_EQ(XWordGrid[0][0].DownNumber, 1);
    EXPECT_EQ(XWordGrid[1][0].DownNumber, -1);
}

// ---- Slot order ----

TEST(CrosswordSlots, MostConstrainedFirstOrder)
{
    LayGrid({
        "-----",
        "-X-X-",
        "-----",
        "-X-X-",
        "-----",
    });
    EXPECT_EQ(PrepareGridSlots(), 6);
    using S = std::tuple<int, int, int>;
    const std::vector<S> expected = {S{0, 0, 0}, S{0, 0, 1}, S{2, 0, 1}, S{0, 2, 0}, S{4, 0, 1}, S{0, 4, 0}};
    EXPECT_EQ(FillOrder(), expected);
    EXPECT_EQ(XWordGrid[0][0].AcrossCrossings, 3);
    EXPECT_EQ(XWordGrid[2][0].DownCrossings, 3);
    EXPECT_EQ(SlotFillOrder[7].Col, -1);
    EXPECT_EQ(XWordGrid[1][0].Answer, " ") << "the used area is reset for the fill";
}

TEST(CrosswordSlots, UncrossedWordsComeLastInScanOrder)
{
    // A ring of four words, then a down word and an across word that cross nothing. Nine
    // columns: narrower grids have no room to step back.
    const std::vector<std::string> rows = {"----XXX-X", "-XX-XXX-X", "------X-X", "XXXXXXXXX", "------XXX"};
    LayGrid(rows);
    EXPECT_EQ(PrepareGridSlots(), 6);
    using S = std::tuple<int, int, int>;
    const std::vector<S> expected = {S{0, 0, 0}, S{0, 0, 1}, S{3, 0, 1}, S{0, 2, 0}, S{7, 0, 1}, S{0, 4, 0}};
    EXPECT_EQ(FillOrder(), expected);

    UseWords({{"bats", "murcielagos", 0}, {"bog", "pantano", 0}, {"sun", "sol", 0},
              {"giants", "gigantes", 0}, {"fig", "higo", 0}, {"lemons", "limones", 0}});
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        LayGrid(rows);
        RandSeed(seed);
        ASSERT_TRUE(FillRegularGrid(RegularWordPool(false, FilterAllWords)));
        EXPECT_EQ(Row(0), "bats###f#");
        EXPECT_EQ(Row(4), "lemons###");
    }
    UseVocabularyAndTemplates();
}

// ---- The fill ----

TEST(CrosswordFill, StepsBackToTheSlotThatBlocks)
{
    // Order: top, left column, right column, bottom. When the left column takes "bud", the
    // bottom finds no word: the blocking letter is the left column's, so the fill steps back
    // there (keeping "sun" free) and bars "bud". Stepping back to the right column instead would
    // bar "sun" and fail. The random start picks "bud" for about a third of the seeds.
    UseWords({{"bats", "murcielagos", 0}, {"bog", "pantano", 0}, {"bud", "brote", 0},
              {"sun", "sol", 0}, {"giant", "gigante", 0}});
    const std::vector<std::string> rows = {"----XXXXX", "-XX-XXXXX", "-----XXXX"};
    LayGrid(rows);
    PrepareGridSlots();
    using S = std::tuple<int, int, int>;
    ASSERT_EQ(FillOrder(), (std::vector<S>{S{0, 0, 0}, S{0, 0, 1}, S{3, 0, 1}, S{0, 2, 0}}));
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        LayGrid(rows);
        RandSeed(seed);
        ASSERT_TRUE(FillRegularGrid(RegularWordPool(false, FilterAllWords))) << "seed " << seed;
        EXPECT_EQ(Row(0), "bats#####");
        EXPECT_EQ(Row(1), "o##u#####");
        EXPECT_EQ(Row(2), "giant####");
        EXPECT_EQ(XWordGrid[0][0].AcrossClue, "murcielagos (4)");
        EXPECT_EQ(XWordGrid[0][0].DownClue, "pantano (3)");
        EXPECT_EQ(XWordGrid[0][0].FillStamp, 1);
        EXPECT_EQ(XWordGrid[0][1].FillStamp, 2);
        EXPECT_EQ(XWordGrid[3][1].FillStamp, 3);
        EXPECT_EQ(XWordGrid[1][2].FillStamp, 4);
    }
    UseVocabularyAndTemplates();
}

TEST(CrosswordFill, AWordIsPlacedOnlyOnce)
{
    const std::vector<std::string> rows = {"---XXXXXX", "-X-XXXXXX", "---XXXXXX"};
    // Four slots of the form a?a: three such words cannot fill them, four can.
    UseWords({{"aba", "uno", 0}, {"aca", "dos", 0}, {"ada", "tres", 0}});
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        LayGrid(rows);
        RandSeed(seed);
        EXPECT_FALSE(FillRegularGrid(RegularWordPool(false, FilterAllWords)));
    }
    UseWords({{"aba", "uno", 0}, {"aca", "dos", 0}, {"ada", "tres", 0}, {"aea", "cuatro", 0}});
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        LayGrid(rows);
        RandSeed(seed);
        ASSERT_TRUE(FillRegularGrid(RegularWordPool(false, FilterAllWords)));
        std::set<std::string> answers;
        for (const PlacedWord& w : PlacedWords())
            answers.insert(w.Answer);
        EXPECT_EQ(answers.size(), 4u);
    }
    UseVocabularyAndTemplates();
}

TEST(CrosswordFill, UntypableAnswersAreNotEligible)
{
    EXPECT_FALSE(IsTypableAnswer("X-ray"));
    EXPECT_FALSE(IsTypableAnswer("whereareyoufrom?"));
    EXPECT_FALSE(IsTypableAnswer("fish(pl)"));
    EXPECT_TRUE(IsTypableAnswer("Monday"));
    EXPECT_TRUE(IsTypableAnswer("canci\xF3n"));         // canción
    EXPECT_TRUE(IsTypableAnswer("ping\xFCino"));        // pingüino
    EXPECT_TRUE(IsTypableAnswer("\xC1" "frica"));          // África
    EXPECT_FALSE(IsTypableAnswer("gar\xE7on"));         // ç has no key

    // The index keeps "x-ray", and it would make a complete fill; the fill never uses it.
    UseWords({{"x-ray", "rayos x", 0}, {"xenon", "xenon", 0}, {"xis", "equis", 0}, {"nut", "nuez", 0},
              {"yet", "todavia", 0}, {"sweats", "sudaderas", 0}});
    ASSERT_EQ(EnglishAnswers.Count(5), 2);
    const RegularWordPool pool(false, FilterAllWords);
    EXPECT_EQ(pool.Entries(5), (std::vector<int32_t>{2}));
    EXPECT_EQ(pool.IndexCount(5), 2);
    const std::vector<std::string> rows = {"-----XXXX", "-XXX-XXXX", "------XXX"};
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        LayGrid(rows);
        RandSeed(seed);
        ASSERT_TRUE(FillRegularGrid(pool));
        EXPECT_EQ(Row(0), "xenon####");
        EXPECT_EQ(Row(2), "sweats###");
    }
    UseVocabularyAndTemplates();
}

TEST(CrosswordFill, SameResultsAsTheFullScan)
{
    UseVocabularyAndTemplates();
    int filled = 0, failed = 0;
    for (int sizeIndex = 1; sizeIndex <= GridSizeCount; ++sizeIndex)
        for (const bool spanish : {true, false})
            for (int filter = 0; filter <= 2; ++filter) {
                const RegularWordPool pool(spanish, filter);
                for (uint32_t seed = 1; seed <= 3; ++seed) {
                    const int t = 1 + static_cast<int>((seed * 7 + sizeIndex * 3 + filter) % TemplatesPerSize);
                    LayTemplate(sizeIndex, t);
                    RandSeed(seed * 101 + filter);
                    const bool fast = FillRegularGrid(pool);
                    const auto fastGrid = Snapshot();
                    LayTemplate(sizeIndex, t);
                    RandSeed(seed * 101 + filter);
                    const bool literal = LiteralFill(spanish, filter);
                    ASSERT_EQ(fast, literal) << "size " << sizeIndex << " template " << t << " seed " << seed;
                    if (fast) {
                        ASSERT_EQ(fastGrid, Snapshot()) << "size " << sizeIndex << " template " << t;
                    }
                    (fast ? filled : failed) += 1;
                }
            }
    EXPECT_GT(filled, 0);
}

TEST(CrosswordFill, FilledGridsKeepTheirRules)
{
    UseVocabularyAndTemplates();
    for (int sizeIndex = 1; sizeIndex <= GridSizeCount; ++sizeIndex)
        for (const bool spanish : {true, false})
            for (int filter = 0; filter <= 2; ++filter) {
                LastTemplate = 0;
                RandSeed(static_cast<uint32_t>(sizeIndex * 31 + filter * 7 + spanish));
                if (!StartRegularCrossword(sizeIndex, filter, spanish))
                    continue;
                const int side = GridSizeOfIndex(sizeIndex);
                ASSERT_EQ(XWordCols, side);
                const AnswerIndex& index = spanish ? SpanishAnswers : EnglishAnswers;
                std::set<int> words;
                for (const PlacedWord& w : PlacedWords()) {
                    const TXWordLine* line = FindEntry(index, w);
                    ASSERT_NE(line, nullptr) << w.Answer << " / " << w.Clue;
                    EXPECT_TRUE(IsTypableAnswer(line->Answer.view()));
                    if (filter != FilterAllWords) {
                        EXPECT_EQ(line->Common, filter == FilterCommonOnly ? 1 : 0) << w.Answer;
                    }
                    EXPECT_TRUE(words.insert(line->WordIndex).second) << "word used twice: " << w.Answer;
                }
                for (int c = 0; c < side; ++c)
                    for (int r = 0; r < side; ++r)
                        if (XWordGrid[c][r].Kind == 2) {
                            EXPECT_NE(XWordGrid[c][r].Answer, " ");
                        }
            }
}

// ---- Start: templates tried ----

TEST(CrosswordStart, AvoidsTheLastTemplate)
{
    UseVocabularyAndTemplates();
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const int sizeIndex = 1 + static_cast<int>(seed % GridSizeCount);
        LastTemplate = 1 + static_cast<int>(seed % TemplatesPerSize);
        const int last = LastTemplate;
        RandSeed(seed);
        const int first = (Random(TemplatesPerSize) + 1) % TemplatesPerSize + 1;
        std::vector<int> tried;
        RandSeed(seed);
        // Less common words fail now and then, so some requests try several templates.
        const bool found = StartRegularCrossword(sizeIndex, FilterLessCommonOnly, seed % 2 == 0,
                                                 [&] { tried.push_back(CurrentTemplate); });
        ASSERT_FALSE(tried.empty());
        EXPECT_EQ(tried[0], first == last ? first % TemplatesPerSize + 1 : first);
        for (int t : tried)
            EXPECT_NE(t, last);
        EXPECT_LE(tried.size(), 5u);
        EXPECT_EQ(LastTemplate, found ? tried.back() : last);
    }
}

TEST(CrosswordStart, ASingleTemplateIsUsedAgain)
{
    UseVocabularyAndTemplates();
    UseWords({{"bat", "bate", 0}});  // fills nothing: every try runs
    InitGridTemplates();             // run alone, no earlier test has loaded them
    TemplateCount[2] = 1;
    LastTemplate = 1;
    std::vector<int> tried;
    RandSeed(3);
    EXPECT_FALSE(StartRegularCrossword(2, FilterAllWords, false, [&] { tried.push_back(CurrentTemplate); }));
    EXPECT_EQ(tried, std::vector<int>(5, 1));
    EXPECT_EQ(LastTemplate, 1);
    EXPECT_EQ(XWordMode, 1);
    EXPECT_EQ(XWordCols, 13);
    UseVocabularyAndTemplates();
}

// Every built-in template fills in at least half its single tries with common words only.
TEST(CrosswordTemplates, EveryTemplateFillsWithCommonWords)
{
    UseVocabularyAndTemplates();
    constexpr int Tries = 8;
    for (const bool spanish : {true, false}) {
        const RegularWordPool pool(spanish, FilterCommonOnly);
        for (int sizeIndex = 1; sizeIndex <= GridSizeCount; ++sizeIndex)
            for (int t = 1; t <= TemplateCount[sizeIndex]; ++t) {
                int filled = 0;
                for (int i = 0; i < Tries; ++i) {
                    LayTemplate(sizeIndex, t);
                    RandSeed(static_cast<uint32_t>(1000 * sizeIndex + 10 * t + i));
                    filled += FillRegularGrid(pool);
                }
                EXPECT_GE(2 * filled, Tries) << GridSizeOfIndex(sizeIndex) << "x" << GridSizeOfIndex(sizeIndex)
                                             << " template " << t << (spanish ? " Spanish" : " English");
            }
    }
}

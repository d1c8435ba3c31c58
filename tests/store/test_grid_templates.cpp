#include <gtest/gtest.h>

#include "GridTemplates.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

struct Slot {
    bool across;
    int line;   // row for across, column for down
    int start;  // first column / row
    int length;
};

class GridTemplatesTest : public ::testing::Test {
protected:
    void SetUp() override { InitGridTemplates(); }
    // Some tests decode into the shared tables; leave them as the program expects.
    void TearDown() override { InitGridTemplates(); }

    static void ClearTables()
    {
        std::memset(GridTemplates, 0, sizeof GridTemplates);
        std::memset(TemplateCount, 0, sizeof TemplateCount);
    }
};

bool IsLetter(int sizeIndex, int t, int column, int row)
{
    return GridTemplates[sizeIndex][t][column][row] == CellLetter;
}

// Maximal runs of letter squares in both directions, runs of one included.
std::vector<Slot> Slots(int sizeIndex, int t)
{
    const int n = GridSizeOfIndex(sizeIndex);
    std::vector<Slot> runs;
    for (bool across : {true, false})
        for (int line = 1; line <= n; ++line)
            for (int pos = 1; pos <= n;) {
                auto letter = [&](int p) {
                    return across ? IsLetter(sizeIndex, t, p, line) : IsLetter(sizeIndex, t, line, p);
                };
                if (!letter(pos)) {
                    ++pos;
                    continue;
                }
                int end = pos;
                while (end <= n && letter(end))
                    ++end;
                runs.push_back({across, line, pos, end - pos});
                pos = end;
            }
    return runs;
}

std::vector<Slot> Words(int sizeIndex, int t)
{
    std::vector<Slot> words;
    for (const Slot& r : Slots(sizeIndex, t))
        if (r.length >= 3)
            words.push_back(r);
    return words;
}

std::string Describe(int sizeIndex, int t)
{
    const int n = GridSizeOfIndex(sizeIndex);
    return std::to_string(n) + "x" + std::to_string(n) + " template " + std::to_string(t);
}

// Sizes and templates 1..20 of each, as decoded.
template <typename F>
void ForEachTemplate(F check)
{
    for (int s = 1; s <= GridSizeCount; ++s)
        for (int t = 1; t <= TemplatesPerSize; ++t) {
            SCOPED_TRACE(Describe(s, t));
            check(s, t, GridSizeOfIndex(s));
        }
}

const char* const FirstTemplate[] = {
    "XXX-X-X-X-X", "XX---------", "X-X-X-X-X-X", "-------X---", "X-X-X-X-X-X", "-----X-----",
    "X-X-X-X-X-X", "---X-------", "X-X-X-X-X-X", "---------XX", "X-X-X-X-XXX",
};

TEST_F(GridTemplatesTest, TwentyTemplatesForEverySize)
{
    for (int s = 1; s <= GridSizeCount; ++s)
        EXPECT_EQ(TemplateCount[s], TemplatesPerSize) << "size index " << s;
}

TEST_F(GridTemplatesTest, FirstTemplateDecodesAsDrawn)
{
    EXPECT_EQ(GridTemplates[1][1][4][1], CellLetter);
    EXPECT_EQ(GridTemplates[1][1][1][1], CellBlock);
    for (int row = 1; row <= 11; ++row)
        for (int column = 1; column <= 11; ++column)
            EXPECT_EQ(GridTemplates[1][1][column][row], FirstTemplate[row - 1][column - 1] == '-' ? CellLetter : CellBlock)
                << "column " << column << ", row " << row;
}

TEST_F(GridTemplatesTest, CellsOutsideTheGridStayEmpty)
{
    ForEachTemplate([](int s, int t, int n) {
        for (int column = 0; column <= MaxGridSize; ++column)
            for (int row = 0; row <= MaxGridSize; ++row) {
                const uint8_t cell = GridTemplates[s][t][column][row];
                if (column == 0 || row == 0 || column > n || row > n) {
                    ASSERT_EQ(cell, CellOutside) << "column " << column << ", row " << row;
                } else {
                    ASSERT_TRUE(cell == CellBlock || cell == CellLetter) << "column " << column << ", row " << row;
                }
            }
    });
}

TEST_F(GridTemplatesTest, SourcesAreInSizeOrderAndFillTheirGrids)
{
    for (int i = 0; i < GridSizeCount * TemplatesPerSize; ++i) {
        const GridTemplateSource& src = BuiltInGridTemplates[i];
        SCOPED_TRACE("source " + std::to_string(i));
        EXPECT_EQ(src.Size, GridSizeOfIndex(i / TemplatesPerSize + 1));
        size_t total = 0;
        bool ended = false;
        for (const char* part : src.Parts) {
            if (!part) {
                ended = true;
                continue;
            }
            EXPECT_FALSE(ended) << "a part follows an unused one";
            const std::string text(part);
            EXPECT_LE(text.size(), 100u);
            EXPECT_EQ(text.find_first_not_of("X-"), std::string::npos) << text;
            total += text.size();
        }
        EXPECT_EQ(total, static_cast<size_t>(src.Size * src.Size));
    }
}

TEST_F(GridTemplatesTest, EveryTemplateHasHalfTurnSymmetry)
{
    ForEachTemplate([](int s, int t, int n) {
        for (int column = 1; column <= n; ++column)
            for (int row = 1; row <= n; ++row)
                ASSERT_EQ(GridTemplates[s][t][column][row], GridTemplates[s][t][n + 1 - column][n + 1 - row])
                    << "column " << column << ", row " << row;
    });
}

TEST_F(GridTemplatesTest, NoRunOfTwoLetters)
{
    ForEachTemplate([](int s, int t, int) {
        for (const Slot& r : Slots(s, t))
            EXPECT_NE(r.length, 2) << (r.across ? "row " : "column ") << r.line << " from " << r.start;
    });
}

TEST_F(GridTemplatesTest, WordLengthsSuitTheWordList)
{
    // Long answers are few, so words stop at 11 letters with at most one mirrored pair of
    // 10 or 11; no 3-letter words; short words have at most 3 crossed letters (2 for 4-letter
    // words). The fixed first template is older than these goals.
    ForEachTemplate([](int s, int t, int n) {
        int longWords = 0;
        for (const Slot& w : Words(s, t)) {
            if (s == 1 && t == 1) {
                EXPECT_LE(w.length, n);
                continue;
            }
            EXPECT_LE(w.length, 11) << (w.across ? "row " : "column ") << w.line;
            EXPECT_NE(w.length, 3) << (w.across ? "row " : "column ") << w.line;
            if (w.length >= 10) {
                ++longWords;
                continue;
            }
            int crossed = 0;
            for (int i = 0; i < w.length; ++i) {
                const int c = w.across ? w.start + i : w.line, r = w.across ? w.line : w.start + i;
                crossed += w.across ? (r > 1 && IsLetter(s, t, c, r - 1)) || (r < n && IsLetter(s, t, c, r + 1))
                                    : (c > 1 && IsLetter(s, t, c - 1, r)) || (c < n && IsLetter(s, t, c + 1, r));
            }
            EXPECT_LE(crossed, w.length == 4 ? 2 : 3) << (w.across ? "row " : "column ") << w.line << " from " << w.start;
        }
        EXPECT_LE(longWords, 2);
    });
}

TEST_F(GridTemplatesTest, SlotsFitTheClueListsAndTheFillOrder)
{
    // At most 50 words a direction (the saved file's clue lists), so never more than 300 slots.
    ForEachTemplate([](int s, int t, int) {
        int across = 0, down = 0;
        for (const Slot& w : Words(s, t))
            ++(w.across ? across : down);
        EXPECT_LE(across, 50);
        EXPECT_LE(down, 50);
    });
}

TEST_F(GridTemplatesTest, BlockCountsSuitTheSize)
{
    const int lowest[] = {0, 39, 52, 78, 97, 122};
    const int highest[] = {0, 48, 69, 92, 109, 135};
    ForEachTemplate([&](int s, int t, int n) {
        int blocks = 0;
        for (int column = 1; column <= n; ++column)
            for (int row = 1; row <= n; ++row)
                blocks += GridTemplates[s][t][column][row] == CellBlock;
        EXPECT_GE(blocks, lowest[s]);
        EXPECT_LE(blocks, highest[s]);
    });
}

TEST_F(GridTemplatesTest, EveryWordCrossesAnotherWord)
{
    ForEachTemplate([](int s, int t, int) {
        const std::vector<Slot> words = Words(s, t);
        EXPECT_FALSE(words.empty());
        for (const Slot& w : words) {
            bool crossed = false;
            for (const Slot& other : words) {
                if (other.across == w.across)
                    continue;
                // The other word's line lies within w, and w's line within the other word.
                crossed = crossed || (other.line >= w.start && other.line < w.start + w.length &&
                                      w.line >= other.start && w.line < other.start + other.length);
            }
            EXPECT_TRUE(crossed) << (w.across ? "row " : "column ") << w.line << " from " << w.start;
        }
    });
}

TEST_F(GridTemplatesTest, LetterSquaresFormOnePiece)
{
    ForEachTemplate([](int s, int t, int n) {
        std::vector<std::pair<int, int>> stack;
        std::set<std::pair<int, int>> seen;
        int letters = 0;
        for (int column = 1; column <= n; ++column)
            for (int row = 1; row <= n; ++row)
                if (IsLetter(s, t, column, row)) {
                    ++letters;
                    if (stack.empty() && seen.empty()) {
                        stack.push_back({column, row});
                        seen.insert({column, row});
                    }
                }
        while (!stack.empty()) {
            const auto [c, r] = stack.back();
            stack.pop_back();
            for (auto [dc, dr] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
                const int nc = c + dc, nr = r + dr;
                if (nc >= 1 && nc <= n && nr >= 1 && nr <= n && IsLetter(s, t, nc, nr) && seen.insert({nc, nr}).second)
                    stack.push_back({nc, nr});
            }
        }
        EXPECT_GT(letters, 0);
        EXPECT_EQ(static_cast<int>(seen.size()), letters);
    });
}

TEST_F(GridTemplatesTest, TemplatesOfASizeAreDistinct)
{
    for (int s = 1; s <= GridSizeCount; ++s) {
        std::set<std::string> patterns;
        for (int t = 1; t <= TemplateCount[s]; ++t) {
            const int n = GridSizeOfIndex(s);
            std::string pattern;
            for (int row = 1; row <= n; ++row)
                for (int column = 1; column <= n; ++column)
                    pattern += IsLetter(s, t, column, row) ? '-' : 'X';
            EXPECT_TRUE(patterns.insert(pattern).second) << "duplicate " << Describe(s, t);
        }
    }
}

TEST_F(GridTemplatesTest, PartLongerThanHundredIsCut)
{
    ClearTables();
    // Were the first part not cut, its letters would land in cells 101..121.
    UnpackGridTemplate(11, std::string(100, 'X') + std::string(50, '-'), std::string(21, 'X'), "", "");
    ASSERT_EQ(TemplateCount[1], 1);
    for (int row = 1; row <= 11; ++row)
        for (int column = 1; column <= 11; ++column)
            EXPECT_EQ(GridTemplates[1][1][column][row], CellBlock) << "column " << column << ", row " << row;

    // The same holds for a middle part.
    UnpackGridTemplate(15, std::string(100, 'X'), std::string(100, 'X') + std::string(30, '-'), std::string(25, 'X'),
                       "");
    ASSERT_EQ(TemplateCount[3], 1);
    for (int row = 1; row <= 15; ++row)
        for (int column = 1; column <= 15; ++column)
            EXPECT_EQ(GridTemplates[3][1][column][row], CellBlock) << "column " << column << ", row " << row;
}

TEST_F(GridTemplatesTest, TwentyFirstTemplateIsIgnored)
{
    ASSERT_EQ(TemplateCount[1], TemplatesPerSize);
    std::vector<uint8_t> before(sizeof GridTemplates);
    std::memcpy(before.data(), GridTemplates, sizeof GridTemplates);

    UnpackGridTemplate(11, std::string(100, '-'), std::string(21, '-'), "", "");

    EXPECT_EQ(TemplateCount[1], TemplatesPerSize);
    EXPECT_EQ(std::memcmp(before.data(), GridTemplates, sizeof GridTemplates), 0);
}

TEST_F(GridTemplatesTest, AnyCharacterButDashIsABlock)
{
    ClearTables();
    const std::string alphabet = "-X#. x0-\t*o";
    std::string source;
    for (int k = 0; k < 121; ++k)
        source += alphabet[static_cast<size_t>(k) % alphabet.size()];
    UnpackGridTemplate(11, source.substr(0, 100), source.substr(100), "", "");
    ASSERT_EQ(TemplateCount[1], 1);
    for (int k = 0; k < 121; ++k) {
        const int row = k / 11 + 1, column = k % 11 + 1;
        EXPECT_EQ(GridTemplates[1][1][column][row], source[static_cast<size_t>(k)] == '-' ? CellLetter : CellBlock)
            << "character '" << source[static_cast<size_t>(k)] << "' at " << k;
    }
}

TEST_F(GridTemplatesTest, UnsupportedSizeIsIgnored)
{
    ClearTables();
    const std::string cells(100, '-');
    for (int size : {0, 9, 12, 21, -11})
        UnpackGridTemplate(size, cells, cells, cells, cells);
    for (int s = 0; s <= GridSizeCount; ++s)
        EXPECT_EQ(TemplateCount[s], 0);
    const std::vector<uint8_t> zero(sizeof GridTemplates, 0);
    EXPECT_EQ(std::memcmp(zero.data(), GridTemplates, sizeof GridTemplates), 0);
}

}  // namespace

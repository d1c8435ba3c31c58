// The saved crossword record: its field offsets, round trips of a regular and a free-format
// crossword in progress, the 50-clue limit, and the damaged records it refuses.

#include <gtest/gtest.h>

#include "RulesSupport.h"

#include "AnswerIndex.h"
#include "CrosswordFile.h"
#include "CrosswordGenerator.h"
#include "CrosswordPlay.h"
#include "GridTemplates.h"
#include "LX_Globals.h"
#include "Random.h"
#include "RecordIO.h"

#include <algorithm>
#include <functional>

namespace {

namespace F = XWordFileOffset;
namespace C = XWordCellOffset;

// A numbered free-format grid from rows of letters ('.' none, '>' an end marker).
void LayFreeFormat(const std::vector<std::string>& rows)
{
    for (auto& column : XWordGrid)
        std::fill(std::begin(column), std::end(column), XWordCell());
    XWordMode = 2;
    XWordRows = static_cast<int>(rows.size());
    XWordCols = static_cast<int>(rows[0].size());
    for (int r = 0; r < XWordRows; ++r)
        for (int c = 0; c < XWordCols; ++c)
            if (rows[r][c] != '.')
                XWordGrid[c][r].Answer = std::string(1, rows[r][c]);
    NumberGrid();
    XWordGrid[0][0].AcrossClue = "gato";
    BuildClueLists();
}

// A regular 13 x 13 crossword: a word filled, three letters typed, everything checked.
void RegularInProgress()
{
    UseBuiltInVocabulary();
    InitGridTemplates();
    RandSeed(17);
    ASSERT_TRUE(StartRegularCrossword(2, FilterAllWords, true));
    BuildClueLists();
    StartPlay();
    FillLetters(PlayScope::Word);
    for (int key : {'A', 'B', 'C'})
        CrossKeyDown(key, false);
    CheckLetters(PlayScope::All);
}

TEST(CrosswordFile, FieldOffsets)
{
    EXPECT_EQ(F::Cell(1, 0), 112u + 21 * 168);
    EXPECT_EQ(F::Cell(20, 20) + XWordCellSize, F::Clues);
    EXPECT_EQ(F::Clue(3, 50) + F::ClueSize, SavedXWordSize);

    LayFreeFormat({"cat.", "a...", "rod>"});
    XWordGrid[1][2].Typed = "q";
    XWordGrid[1][2].CheckMark = "2";
    XWordGrid[1][2].FillStamp = 0x01020304;
    XWordClues.At(1, 1)[0] = '2';  // the selection flag is not stored
    XWordGrid[20][20].Answer = "z";  // left over from a larger grid
    std::vector<uint8_t> rec;
    ASSERT_TRUE(AssembleCrosswordRecord(rec, std::string(120, 'h')));
    ASSERT_EQ(rec.size(), SavedXWordSize);
    // The cells outside the used area are written as they lie in memory, each like a fresh one
    // but the left-over letter; the whole record, byte for byte, is pinned by its FNV-1a digest.
    const auto fresh = rec.begin() + F::Cell(4, 0);
    EXPECT_EQ(fresh[C::Kind], 1);
    EXPECT_EQ(RecordReader(rec).I32(F::Cell(4, 0) + C::DownNumber), -1);
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r)
            if ((c >= 4 || r >= 3) && c + r < 40) {
                EXPECT_TRUE(std::equal(fresh, fresh + XWordCellSize, rec.begin() + F::Cell(c, r))) << c << "," << r;
            }
    EXPECT_EQ(TextAt(rec, F::Cell(20, 20) + C::Answer, 1), "z");
    uint64_t digest = 0xcbf29ce484222325;
    for (uint8_t byte : rec)
        digest = (digest ^ byte) * 0x100000001b3;
    EXPECT_EQ(digest, 0xaadf91bd039f9b15u);
    const RecordReader r(rec);
    EXPECT_EQ(rec[F::Kind], XWordKindFreeFormat);
    EXPECT_EQ(TextAt(rec, F::Header, 100), std::string(100, 'h'));
    EXPECT_EQ(r.I32(F::ColCount), 4);
    EXPECT_EQ(r.I32(F::RowCount), 3);
    const size_t a = F::Cell(0, 0), b = F::Cell(1, 2);
    EXPECT_EQ(rec[a + C::Kind], 2);
    EXPECT_EQ(r.I32(a + C::AcrossNumber), 1);
    EXPECT_EQ(r.I32(a + C::DownNumber), 1);
    EXPECT_EQ(TextAt(rec, a + C::AcrossClue, 50), "gato");
    EXPECT_EQ(TextAt(rec, a + C::Answer, 1), "c");
    EXPECT_EQ(r.I32(a + C::DownLength), 3);
    EXPECT_EQ(TextAt(rec, b + C::Typed, 1), "q");
    EXPECT_EQ(TextAt(rec, b + C::CheckMark, 1), "2");
    EXPECT_EQ(r.I32(b + C::FillStamp), 0x01020304);
    EXPECT_EQ(r.I32(b + C::AcrossStart), 0);
    EXPECT_EQ(rec[b + 122], 0);  // padding
    EXPECT_EQ(TextAt(rec, F::Clue(0, 1), 50), "001");
    EXPECT_EQ(TextAt(rec, F::Clue(1, 1), 50), "00gato");
    EXPECT_EQ(TextAt(rec, F::Clue(1, XWordClues.RowCount), 50), "");

    // Read back: free format again, the end marker no square, the letters and marks kept.
    XWordMode = 1;
    const auto saved = ReadCrosswordRecord(rec);
    ASSERT_TRUE(saved);
    ApplyCrosswordRecord(*saved);
    EXPECT_EQ(XWordMode, 2);
    EXPECT_EQ(XWordGrid[3][2].Kind, 1);
    EXPECT_EQ(XWordGrid[1][2].CheckMark, "2");
    EXPECT_EQ(XWordClues.At(1, 1), "00gato");
}

TEST(CrosswordFile, RegularRoundTripKeepsEveryCell)
{
    RegularInProgress();
    std::vector<uint8_t> rec;
    ASSERT_TRUE(AssembleCrosswordRecord(rec, "no header for a regular crossword"));
    EXPECT_EQ(rec[F::Kind], XWordKindRegular);
    EXPECT_EQ(rec[F::Header], 0);

    XWordMode = 0;
    XWordCols = XWordRows = 11;
    const auto saved = ReadCrosswordRecord(rec);
    ASSERT_TRUE(saved);
    EXPECT_EQ(XWordMode, 0);  // reading changes nothing
    ApplyCrosswordRecord(*saved);
    EXPECT_EQ(XWordMode, 1);
    EXPECT_EQ(XWordCols, 13);
    StartPlay();
    // Saved again, every cell's bytes are the same but the selection shown when it was saved.
    std::vector<uint8_t> again;
    ASSERT_TRUE(AssembleCrosswordRecord(again, ""));
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r)
            std::copy_n(&rec[F::Cell(c, r) + C::Highlight], 2, &again[F::Cell(c, r) + C::Highlight]);
    EXPECT_TRUE(std::equal(rec.begin(), rec.begin() + F::Clues, again.begin()));
}

TEST(CrosswordFile, MoreThanFiftyCluesDoNotFit)
{
    // Two-letter words in every other row: 8 rows of 6 and one of 2 make 50, which fit.
    std::vector<std::string> rows(19, std::string(19, '.'));
    for (int r = 0; r <= 14; r += 2)
        rows[r] = "ab.ab.ab.ab.ab.ab..";
    rows[16] = "ab.ab..............";
    LayFreeFormat(rows);
    std::vector<uint8_t> rec;
    EXPECT_TRUE(AssembleCrosswordRecord(rec, ""));
    rows[18] = "ab.................";
    LayFreeFormat(rows);
    EXPECT_FALSE(AssembleCrosswordRecord(rec, ""));
}

TEST(CrosswordFile, DamagedRecordsAreRefused)
{
    RegularInProgress();
    std::vector<uint8_t> good;
    ASSERT_TRUE(AssembleCrosswordRecord(good, ""));
    ASSERT_TRUE(ReadCrosswordRecord(good));
    const size_t cell = F::Cell(2, 3);
    int i = 0;  // the first across word's start, row by row
    while (XWordGrid[i % 13][i / 13].AcrossLength == 0)
        ++i;
    const int lc = i % 13, lr = i / 13;
    const size_t start = F::Cell(lc, lr);
    auto i32 = [](size_t at, int32_t v) { return [at, v](std::vector<uint8_t>& r) { RecordWriter(r).I32(at, v); }; };
    auto u8 = [](size_t at, uint8_t v) { return [at, v](std::vector<uint8_t>& r) { r[at] = v; }; };
    auto cells = [](size_t field, uint8_t v) {
        return [field, v](std::vector<uint8_t>& r) {
            for (int c = 0; c < 13; ++c)
                for (int row = 0; row < 13; ++row)
                    r[F::Cell(c, row) + field] = v;
        };
    };
    const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> damages = {
        {"kind 2", u8(F::Kind, 2)},
        {"header length 101", u8(F::Header, 101)},
        {"no columns", i32(F::ColCount, 0)},
        {"20 rows", i32(F::RowCount, 20)},
        {"cell kind 0", u8(cell + C::Kind, 0)},
        {"cell kind 3", u8(cell + C::Kind, 3)},
        {"across length past the edge", i32(start + C::AcrossLength, 14 - lc)},
        {"negative down length", i32(start + C::DownLength, -1)},
        {"across start right of the cell", i32(start + C::AcrossStart, lc + 1)},
        {"down start below -1", i32(start + C::DownStart, -2)},
        {"highlight of 2 characters", u8(cell + C::Highlight, 2)},
        {"answer of 2 characters", u8(cell + C::Answer, 2)},
        {"typed of 51 characters", u8(cell + C::Typed, 51)},
        {"check mark of 2 characters", u8(cell + C::CheckMark, 2)},
        {"spare of 2 characters", u8(cell + C::Spare, 2)},
        {"down clue of 255 characters", u8(cell + C::DownClue, 255)},
        {"a bad length byte outside the grid", u8(F::Cell(20, 20) + C::Typed, 9)},
        {"a stored clue of 51 characters", u8(F::Clue(3, 50), 51)},
        {"every square a block", cells(C::Kind, 1)},
        {"free format without letters", [&](std::vector<uint8_t>& r) { r[F::Kind] = 0, cells(C::Answer, 0)(r); }},
    };
    for (const auto& [what, damage] : damages) {
        std::vector<uint8_t> bad = good;
        damage(bad);
        EXPECT_FALSE(ReadCrosswordRecord(bad)) << what;
    }
    EXPECT_FALSE(ReadCrosswordRecord(std::span<const uint8_t>(good).first(SavedXWordSize - 1)));
    good[F::Cell(20, 0) + C::Kind] = 9;  // outside the used area: ignored
    EXPECT_TRUE(ReadCrosswordRecord(good));
}

}  // namespace

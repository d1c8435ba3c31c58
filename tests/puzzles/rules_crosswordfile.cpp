// The saved crossword record: its size and field offsets, round trips of a regular and a
// free-format crossword with typed letters and marks, and the damaged records it refuses.

#include <gtest/gtest.h>

#include "AnswerIndex.h"
#include "CrosswordFile.h"
#include "CrosswordGenerator.h"
#include "CrosswordPlay.h"
#include "GridTemplates.h"
#include "LX_Globals.h"
#include "Random.h"
#include "RecordIO.h"
#include "XWordGrid.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace F = XWordFileOffset;
namespace C = XWordCellOffset;

int32_t I32At(const std::vector<uint8_t>& rec, size_t at) { return RecordReader(rec).I32(at); }
std::string TextAt(const std::vector<uint8_t>& rec, size_t at, int capacity)
{
    std::string s;
    EXPECT_TRUE(RecordReader(rec).Text(at, capacity, s));
    return s;
}

void ClearGrid()
{
    for (auto& column : XWordGrid)
        for (XWordCell& cell : column)
            cell = XWordCell();
}

// A free-format grid laid from rows of letters ('.' no letter, '>' an end marker), numbered.
void LayFreeFormat(const std::vector<std::string>& rows)
{
    ClearGrid();
    XWordMode = 2;
    XWordRows = static_cast<int>(rows.size());
    XWordCols = static_cast<int>(rows[0].size());
    for (int r = 0; r < XWordRows; ++r)
        for (int c = 0; c < XWordCols; ++c)
            if (rows[r][c] != '.')
                XWordGrid[c][r].Answer = std::string(1, rows[r][c]);
    NumberGrid();
    for (int r = 0; r < XWordRows; ++r)
        for (int c = 0; c < XWordCols; ++c) {
            if (XWordGrid[c][r].AcrossLength > 0)
                XWordGrid[c][r].AcrossClue = "across " + std::to_string(c) + "," + std::to_string(r);
            if (XWordGrid[c][r].DownLength > 0)
                XWordGrid[c][r].DownClue = "down " + std::to_string(c) + "," + std::to_string(r);
        }
    BuildClueLists();
}

class CrosswordFile : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitWordTables();
        BuildWordLengthTables();
        InitGridTemplates();
    }

    // A regular 13 x 13 crossword with a few letters typed, right and wrong marks, and Fill.
    static void MakeRegularInProgress()
    {
        RandSeed(17);
        ClearGrid();
        ASSERT_TRUE(StartRegularCrossword(2, FilterAllWords, true));
        BuildClueLists();
        StartPlay();
        FillLetters(PlayScope::Word);  // a whole word by Fill ("3" marks), then the next one typed
        for (int key : {'A', 'B', 'C'})
            CrossKeyDown(key, false);
        CheckLetters(PlayScope::All);  // right and wrong marks on every typed letter
    }
};

TEST_F(CrosswordFile, RecordSizeAndOffsets)
{
    EXPECT_EQ(F::Cell(0, 0), 112u);
    EXPECT_EQ(F::Cell(1, 0), 112u + 21 * 168);
    EXPECT_EQ(F::Cell(20, 20) + XWordCellSize, F::Clues);
    EXPECT_EQ(F::Clue(3, 50) + F::ClueSize, SavedXWordSize);

    LayFreeFormat({"cat.", "a...", "rod>"});
    XWordGrid[1][2].Typed = "q";
    XWordGrid[1][2].CheckMark = "2";
    XWordGrid[1][2].Highlight = "1";
    XWordGrid[1][2].FillStamp = 0x01020304;
    XWordGrid[1][2].AcrossCrossings = -7;
    XWordGrid[1][2].DownBlocked = 1;
    XWordClues.At(1, 1)[0] = '2';  // the selected clue's flag is not stored
    std::vector<uint8_t> rec;
    ASSERT_TRUE(AssembleCrosswordRecord(rec, "Free : Animals"));
    ASSERT_EQ(rec.size(), SavedXWordSize);

    EXPECT_EQ(rec[F::Kind], XWordKindFreeFormat);
    EXPECT_EQ(TextAt(rec, F::Header, 100), "Free : Animals");
    EXPECT_EQ(rec[102], 0);
    EXPECT_EQ(I32At(rec, F::ColCount), 4);
    EXPECT_EQ(I32At(rec, F::RowCount), 3);
    // Cell (0, 0) starts "cat" across and "car" down: number 1 on both.
    const size_t a = F::Cell(0, 0);
    EXPECT_EQ(rec[a + C::Kind], 2);
    EXPECT_EQ(I32At(rec, a + C::AcrossNumber), 1);
    EXPECT_EQ(I32At(rec, a + C::DownNumber), 1);
    EXPECT_EQ(TextAt(rec, a + C::AcrossClue, 50), "across 0,0");
    EXPECT_EQ(TextAt(rec, a + C::DownClue, 50), "down 0,0");
    EXPECT_EQ(TextAt(rec, a + C::Answer, 1), "c");
    EXPECT_EQ(I32At(rec, a + C::AcrossLength), 3);
    EXPECT_EQ(I32At(rec, a + C::DownLength), 3);
    EXPECT_EQ(I32At(rec, a + C::AcrossStart), 0);
    EXPECT_EQ(I32At(rec, a + C::DownStart), 0);
    const size_t b = F::Cell(1, 2);
    EXPECT_EQ(TextAt(rec, b + C::Highlight, 1), "1");
    EXPECT_EQ(TextAt(rec, b + C::Typed, 1), "q");
    EXPECT_EQ(TextAt(rec, b + C::CheckMark, 1), "2");
    EXPECT_EQ(TextAt(rec, b + C::Spare, 1), "0");
    EXPECT_EQ(I32At(rec, b + C::AcrossCrossings), -7);
    EXPECT_EQ(I32At(rec, b + C::FillStamp), 0x01020304);
    EXPECT_EQ(rec[b + C::DownBlocked], 1);
    EXPECT_EQ(I32At(rec, b + C::AcrossStart), 0);
    EXPECT_EQ(I32At(rec, b + C::DownStart), -1);
    // Padding stays 0.
    for (size_t pad : {size_t{3}, size_t{122}, size_t{123}, size_t{158}, size_t{159}, size_t{166}, size_t{167}})
        EXPECT_EQ(rec[b + pad], 0) << pad;
    // Clues: row 0 the header row "00", row 1 the first clue with its selection flag dropped.
    EXPECT_EQ(TextAt(rec, F::Clue(0, 0), 50), "00");
    EXPECT_EQ(TextAt(rec, F::Clue(0, 1), 50), "001");
    EXPECT_EQ(TextAt(rec, F::Clue(1, 1), 50), "00across 0,0");
    EXPECT_EQ(TextAt(rec, F::Clue(3, 1), 50), "00down 0,0");
    EXPECT_EQ(TextAt(rec, F::Clue(1, XWordClues.RowCount), 50), "");
}

TEST_F(CrosswordFile, RegularRoundTripRestoresLettersAndMarks)
{
    MakeRegularInProgress();
    const int cols = XWordCols;
    std::vector<uint8_t> rec;
    ASSERT_TRUE(AssembleCrosswordRecord(rec, "ignored for a regular crossword"));
    EXPECT_EQ(rec[F::Kind], XWordKindRegular);
    EXPECT_EQ(TextAt(rec, F::Header, 100), "");

    XWordCells before;
    CopyXWordGrid(XWordGrid, before);
    const XWordClueTable clues = XWordClues;
    int typed = 0, marked = 0;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < cols; ++r) {
            typed += !before[c][r].Typed.empty();
            marked += before[c][r].CheckMark == "1" || before[c][r].CheckMark == "2" || before[c][r].CheckMark == "3";
        }
    ASSERT_GT(typed, 3);
    ASSERT_GT(marked, 3);

    ClearGrid();
    XWordMode = 0;
    XWordCols = XWordRows = 11;
    const auto saved = ReadCrosswordRecord(rec);
    ASSERT_TRUE(saved);
    EXPECT_EQ(XWordMode, 0);  // reading changes nothing
    ApplyCrosswordRecord(*saved);
    EXPECT_EQ(XWordMode, 1);
    EXPECT_EQ(XWordCols, cols);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < cols; ++r) {
            const XWordCell& x = XWordGrid[c][r];
            const XWordCell& y = before[c][r];
            EXPECT_EQ(x.Kind, y.Kind);
            EXPECT_EQ(x.Answer, y.Answer);
            EXPECT_EQ(x.Typed, y.Typed);
            EXPECT_EQ(x.CheckMark, y.CheckMark);
            EXPECT_EQ(x.AcrossNumber, y.AcrossNumber);
            EXPECT_EQ(x.DownNumber, y.DownNumber);
            EXPECT_EQ(x.AcrossLength, y.AcrossLength);
            EXPECT_EQ(x.DownStart, y.DownStart);
            EXPECT_EQ(x.AcrossClue, y.AcrossClue);
        }
    EXPECT_EQ(XWordClues.RowCount, clues.RowCount);
    for (int k = 0; k < 4; ++k)
        for (int r = 1; r < clues.RowCount; ++r)
            EXPECT_EQ(XWordClues.At(k, r).substr(2), clues.At(k, r).substr(2));

    // Saved again, the grid's bytes are the same but for the selection shown when it was saved.
    std::vector<uint8_t> again;
    StartPlay();
    ASSERT_TRUE(AssembleCrosswordRecord(again, ""));
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r)
            for (size_t i = 0; i < 2; ++i)
                again[F::Cell(c, r) + C::Highlight + i] = rec[F::Cell(c, r) + C::Highlight + i];
    EXPECT_TRUE(std::equal(rec.begin(), rec.begin() + F::Clues, again.begin()));
}

TEST_F(CrosswordFile, FreeFormatRoundTripKeepsHeaderAndDropsMarkers)
{
    LayFreeFormat({"cat.", "a...", "rod>"});
    XWordGrid[0][2].Typed = "r";
    XWordGrid[0][2].CheckMark = "1";
    std::vector<uint8_t> rec;
    ASSERT_TRUE(AssembleCrosswordRecord(rec, std::string(120, 'h')));
    EXPECT_EQ(TextAt(rec, F::Header, 100), std::string(100, 'h'));  // cut to 100

    XWordMode = 1;
    const auto saved = ReadCrosswordRecord(rec);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Kind, XWordKindFreeFormat);
    ApplyCrosswordRecord(*saved);
    EXPECT_EQ(XWordMode, 2);
    EXPECT_EQ(XWordGrid[3][2].Kind, 1);  // no letter, no square
    EXPECT_EQ(XWordGrid[0][2].Typed, "r");
    EXPECT_EQ(XWordGrid[0][2].CheckMark, "1");
    EXPECT_EQ(XWordGrid[0][2].AcrossNumber, 2);
    EXPECT_EQ(XWordClues.At(1, 2), "00across 0,2");
}

TEST_F(CrosswordFile, MoreThanFiftyCluesDoNotFit)
{
    // Two-letter words in every other row: 8 rows of 6 and one of 2 make 50, which fit.
    std::vector<std::string> rows(19, std::string(19, '.'));
    for (int r = 0; r <= 14; r += 2)
        rows[r] = "ab.ab.ab.ab.ab.ab..";
    rows[16] = "ab.ab..............";
    LayFreeFormat(rows);
    EXPECT_EQ(XWordClues.RowCount, 51);
    std::vector<uint8_t> rec;
    EXPECT_TRUE(AssembleCrosswordRecord(rec, ""));
    EXPECT_EQ(TextAt(rec, F::Clue(1, 50), 50), "00across 3,16");
    // One more does not.
    rows[18] = "ab.................";
    LayFreeFormat(rows);
    rec.assign(3, 7);
    EXPECT_FALSE(AssembleCrosswordRecord(rec, ""));
}

TEST_F(CrosswordFile, DamagedRecordsAreRefused)
{
    MakeRegularInProgress();
    std::vector<uint8_t> good;
    ASSERT_TRUE(AssembleCrosswordRecord(good, ""));
    const int side = XWordCols;
    const size_t cell = F::Cell(2, 3);
    // A letter square inside the grid for the length and link cases.
    int lc = 0, lr = 0;
    for (int c = 0; c < side && !lc; ++c)
        for (int r = 0; r < side; ++r)
            if (XWordGrid[c][r].AcrossLength > 0) {
                lc = c, lr = r;
                break;
            }
    const size_t start = F::Cell(lc, lr);

    struct Damage {
        const char* What;
        std::function<void(std::vector<uint8_t>&)> Apply;
    };
    auto i32 = [](size_t at, int32_t v) { return [at, v](std::vector<uint8_t>& r) { RecordWriter(r).I32(at, v); }; };
    auto u8 = [](size_t at, uint8_t v) { return [at, v](std::vector<uint8_t>& r) { r[at] = v; }; };
    const std::vector<Damage> damages = {
        {"kind 2", u8(F::Kind, 2)},
        {"kind 255", u8(F::Kind, 255)},
        {"header length 101", u8(F::Header, 101)},
        {"no columns", i32(F::ColCount, 0)},
        {"20 rows", i32(F::RowCount, 20)},
        {"negative side", i32(F::RowCount, -11)},
        {"cell kind 0", u8(cell + C::Kind, 0)},
        {"cell kind 3", u8(cell + C::Kind, 3)},
        {"across length past the edge", i32(start + C::AcrossLength, side - lc + 1)},
        {"negative down length", i32(start + C::DownLength, -1)},
        {"across start right of the cell", i32(start + C::AcrossStart, lc + 1)},
        {"down start below -1", i32(start + C::DownStart, -2)},
        {"highlight of 2 characters", u8(cell + C::Highlight, 2)},
        {"answer of 2 characters", u8(cell + C::Answer, 2)},
        {"typed of 51 characters", u8(cell + C::Typed, 51)},
        {"check mark of 2 characters", u8(cell + C::CheckMark, 2)},
        {"spare of 2 characters", u8(cell + C::Spare, 2)},
        {"across clue of 51 characters", u8(cell + C::AcrossClue, 51)},
        {"down clue of 255 characters", u8(cell + C::DownClue, 255)},
        {"a cell outside the grid with a bad length byte", u8(F::Cell(20, 20) + C::Typed, 9)},
        {"a stored clue of 51 characters", u8(F::Clue(3, 50), 51)},
        {"every square a block", [side](std::vector<uint8_t>& r) {
             for (int c = 0; c < side; ++c)
                 for (int row = 0; row < side; ++row)
                     r[F::Cell(c, row) + C::Kind] = 1;
         }},
        {"a free-format grid without letters", [side](std::vector<uint8_t>& r) {
             r[F::Kind] = XWordKindFreeFormat;
             for (int c = 0; c < side; ++c)
                 for (int row = 0; row < side; ++row)
                     r[F::Cell(c, row) + C::Answer] = 0;
         }},
    };
    ASSERT_TRUE(ReadCrosswordRecord(good));
    for (const Damage& d : damages) {
        std::vector<uint8_t> bad = good;
        d.Apply(bad);
        EXPECT_FALSE(ReadCrosswordRecord(bad)) << d.What;
    }
    EXPECT_FALSE(ReadCrosswordRecord(std::span<const uint8_t>(good).first(SavedXWordSize - 1)));
    // A cell outside the used area is ignored, whatever its kind.
    std::vector<uint8_t> outside = good;
    outside[F::Cell(20, 0) + C::Kind] = 9;
    EXPECT_TRUE(ReadCrosswordRecord(outside));
}

}  // namespace

// The saved word search record: its size and field offsets, a round trip of a puzzle with
// words found, answers shown and a clue area on view, and the damaged records it refuses.

#include "WordSearchFile.h"

#include "Random.h"
#include "RecordIO.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace O = SearchFileOffset;
namespace C = SearchCellOffset;

std::string TextAt(const std::vector<uint8_t>& rec, size_t at, int capacity)
{
    std::string s;
    EXPECT_TRUE(RecordReader(rec).Text(at, capacity, s));
    return s;
}
int32_t I32At(const std::vector<uint8_t>& rec, size_t at) { return RecordReader(rec).I32(at); }

// A 40-word puzzle in all directions ("Río" keeps its accent), some words found, some answers
// shown and a clue area on view.
std::unique_ptr<WordSearchPuzzle> PuzzleInProgress(int words = SearchMaxWords)
{
    std::vector<TAnswer> answers;
    for (int i = 0; i < words; ++i) {
        std::string letters = "w" + std::string(1, char('a' + i % 26)) + std::string(1, char('a' + i / 26)) + "xyz";
        answers.push_back(TAnswer{"clue " + std::to_string(i), letters, letters});
    }
    answers[2] = TAnswer{"river", "R\xEDo grande", "R\xEDogrande"};
    auto p = std::make_unique<WordSearchPuzzle>();
    for (uint32_t seed = 1;; ++seed) {
        RandSeed(seed);
        if (BuildPuzzle(*p, answers, 20, true))
            break;
    }
    const SearchStart s = FindWordStart(*p, 5);
    MarkWordFound(*p, s.Layer, s.Col, s.Row);
    const SearchStart t = FindWordStart(*p, 3);
    MarkWordFound(*p, t.Layer, t.Col, t.Row);
    SearchListClick(*p, 0, 7);  // answer 8 shown
    SearchListClick(*p, 2, 9);  // clue area of word 10
    return p;
}

TEST(WordSearchFile, RecordSizeAndOffsets)
{
    EXPECT_EQ(O::GridCell(30, 30) + 5, O::List);
    EXPECT_EQ(O::ListCell(2, 40) + 51, O::Layers);
    EXPECT_EQ(O::LayerCell(4, 30, 30) + SearchCellSize, SearchSaveSize);
    EXPECT_EQ(O::LayerCell(2, 0, 0), 11188u + 31 * 31 * 108);
    EXPECT_EQ(O::LayerCell(1, 1, 0), 11188u + 31 * 108);

    const auto p = PuzzleInProgress(12);
    const auto rec = AssembleSearchRecord(*p, "Word Search : Food");
    ASSERT_EQ(rec.size(), SearchSaveSize);
    EXPECT_EQ(TextAt(rec, O::Header, 100), "Word Search : Food");
    EXPECT_EQ(I32At(rec, O::Side), 20);
    EXPECT_EQ(rec[O::AllDirections], 1);
    for (size_t pad : {101, 102, 103, 109})
        EXPECT_EQ(rec[pad], 0);
    EXPECT_EQ(TextAt(rec, O::GridCell(19, 19), 4), p->Grid[19][19].Text());
    EXPECT_EQ(TextAt(rec, O::GridCell(3, 7), 4).size(), 3u);
    EXPECT_EQ(TextAt(rec, O::GridCell(20, 0), 4), "");  // outside the side
    EXPECT_EQ(TextAt(rec, O::ListCell(0, 4), 50), "11" + p->Answers[4].Answer);
    EXPECT_EQ(TextAt(rec, O::ListCell(1, 4), 50), "11" + p->Answers[4].Clue);
    EXPECT_EQ(TextAt(rec, O::ListCell(2, 4), 50), "1");
    EXPECT_EQ(TextAt(rec, O::ListCell(0, 7), 50), "01" + p->Answers[7].Answer);
    EXPECT_EQ(TextAt(rec, O::ListCell(2, 9), 50), "2");
    EXPECT_EQ(TextAt(rec, O::ListCell(0, 12), 50), "");  // after the list

    const SearchStart s = FindWordStart(*p, 5);
    const TSearchCell& cell = p->Layer(s.Layer, s.Col, s.Row);
    const size_t at = O::LayerCell(s.Layer, s.Col, s.Row);
    EXPECT_EQ(I32At(rec, at + C::Start), 5);
    EXPECT_EQ(I32At(rec, at + C::Length), cell.Length);
    EXPECT_EQ(I32At(rec, at + C::Direction), cell.Direction);
    EXPECT_EQ(I32At(rec, at + C::SegCount), cell.SegCount);
    ASSERT_GE(cell.SegCount, 1);
    for (int i = 0; i < SearchMaxSegments; ++i) {
        EXPECT_EQ(I32At(rec, at + C::SegKind + 4 * i), cell.SegKind[i]);
        EXPECT_EQ(I32At(rec, at + C::SegWord + 4 * i), cell.SegWord[i]);
        EXPECT_EQ(rec[at + C::SegFound + i], cell.SegFound[i]);
    }
    EXPECT_EQ(rec[at + C::SegFound], 1);  // found
    EXPECT_EQ(I32At(rec, O::LayerCell(4, 30, 30) + C::Start), -1);
}

TEST(WordSearchFile, RoundTripRestoresThePuzzleInProgress)
{
    const auto p = PuzzleInProgress();
    const auto rec = AssembleSearchRecord(*p, "Word Search : People - Family");
    const auto saved = ReadSearchRecord(rec);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Header, "Word Search : People - Family");
    const WordSearchPuzzle& q = *saved->Puzzle;
    EXPECT_EQ(q.Side, p->Side);
    EXPECT_EQ(q.AllDirections, 1);
    ASSERT_EQ(q.PuzzleWordCount(), SearchMaxWords);
    for (int i = 0; i < SearchMaxWords; ++i) {
        EXPECT_EQ(q.Answers[i].Answer, p->Answers[i].Answer);
        EXPECT_EQ(q.Answers[i].Clue, p->Answers[i].Clue);
        EXPECT_EQ(q.Answers[i].Letters, p->Answers[i].Letters);  // read off the grid
        EXPECT_EQ(q.List[i].Answer, p->List[i].Answer);
        EXPECT_EQ(q.List[i].Clue, p->List[i].Clue);
        EXPECT_EQ(q.List[i].Mark, p->List[i].Mark);
        EXPECT_EQ(WordFound(q, i + 1), WordFound(*p, i + 1));
    }
    EXPECT_TRUE(WordFound(q, 3));
    for (int c = 0; c < q.Side; ++c)
        for (int r = 0; r < q.Side; ++r)
            EXPECT_EQ(q.Grid[c][r].Text(), p->Grid[c][r].Text());  // the clue area's flags too
    EXPECT_EQ(AssembleSearchRecord(q, saved->Header), rec);

    // Clear goes back to the loaded words, and a drag over a loaded word finds it.
    WordSearchPuzzle cleared = q;
    SearchClear(cleared);
    EXPECT_EQ(cleared.List[2].Answer, "00R\xEDo grande");
    const SearchStart s = FindWordStart(cleared, 12);
    const TSearchCell& cell = cleared.Layer(s.Layer, s.Col, s.Row);
    const SearchStep step = SearchDirectionStep(cell.Direction);
    SearchDrag drag;
    drag.Begin(cleared, s.Col, s.Row);
    const int endCol = s.Col + (cell.Length - 1) * step.Col, endRow = s.Row + (cell.Length - 1) * step.Row;
    drag.UpdateSelection(cleared, endCol, endRow);
    EXPECT_EQ(drag.Release(cleared, endCol, endRow), 12);
}

TEST(WordSearchFile, TextsAreCutToTheirRoom)
{
    auto p = PuzzleInProgress(10);
    p->List[0].Answer = "00" + std::string(60, 'a');
    const auto rec = AssembleSearchRecord(*p, std::string(150, 'H'));
    EXPECT_EQ(TextAt(rec, O::Header, 100), std::string(100, 'H'));
    EXPECT_EQ(TextAt(rec, O::ListCell(0, 0), 50), "00" + std::string(48, 'a'));
    EXPECT_TRUE(ReadSearchRecord(rec));
}

TEST(WordSearchFile, DamagedRecordsAreRefused)
{
    const auto p = PuzzleInProgress(12);
    const auto good = AssembleSearchRecord(*p, "Word Search : Food");
    ASSERT_TRUE(ReadSearchRecord(good));
    const SearchStart s = FindWordStart(*p, 4);
    const size_t start = O::LayerCell(s.Layer, s.Col, s.Row);
    // A cell with a segment (the word's first letter always has one).
    const size_t seg = start;
    ASSERT_EQ(p->Layer(4, 0, 5).Start, -1);

    struct Damage {
        const char* What;
        std::function<void(std::vector<uint8_t>&)> Apply;
    };
    auto i32 = [](size_t at, int32_t v) { return [at, v](std::vector<uint8_t>& r) { RecordWriter(r).I32(at, v); }; };
    auto u8 = [](size_t at, uint8_t v) { return [at, v](std::vector<uint8_t>& r) { r[at] = v; }; };
    auto text = [](size_t at, std::string t) {
        return [at, t](std::vector<uint8_t>& r) { RecordWriter(r).Text(at, t, 4); };
    };
    const std::vector<Damage> damages = {
        {"header length 101", u8(O::Header, 101)},
        {"side 0", i32(O::Side, 0)},
        {"side 32", i32(O::Side, 32)},
        {"side shrunk under the words", i32(O::Side, 10)},
        {"direction flag 2", u8(O::AllDirections, 2)},
        {"grid text of 5 characters", u8(O::GridCell(0, 0), 5)},
        {"grid cell emptied", u8(O::GridCell(4, 4), 0)},
        {"grid text of 2 characters", u8(O::GridCell(4, 4), 2)},
        {"grid highlight flag 3", text(O::GridCell(1, 1), "30a")},
        {"grid kind flag 2", text(O::GridCell(1, 1), "02a")},
        {"letter past the side", text(O::GridCell(20, 3), "00a")},
        {"list text of 51 characters", u8(O::ListCell(1, 3), 51)},
        {"a gap in the list", u8(O::ListCell(0, 5), 0)},
        {"text past the last row", text(O::ListCell(2, 30), "0")},
        {"a 41st word", [](std::vector<uint8_t>& r) {
             for (int row = 12; row <= 40; ++row) {
                 RecordWriter(r).Text(O::ListCell(0, row), "00x", 50);
                 RecordWriter(r).Text(O::ListCell(1, row), "01x", 50);
                 RecordWriter(r).Text(O::ListCell(2, row), "0", 50);
             }
         }},
        {"list flag 2", [](std::vector<uint8_t>& r) { r[O::ListCell(0, 2) + 1] = '2'; }},
        {"clue column of 2 characters", text(O::ListCell(2, 2), "00")},
        {"clue column state 3", text(O::ListCell(2, 2), "3")},
        {"start word 13", i32(start + C::Start, 13)},
        {"start word 0", i32(start + C::Start, 0)},
        {"a word without a start", i32(start + C::Start, -1)},
        {"a word starting twice", [&](std::vector<uint8_t>& r) {
             const SearchStart other = FindWordStart(*p, 6);
             RecordWriter(r).I32(O::LayerCell(other.Layer, other.Col, other.Row) + C::Start, 4);
         }},
        {"a start outside the side", [&](std::vector<uint8_t>& r) {
             RecordWriter w(r);
             w.I32(start + C::Start, -1);
             const size_t out = O::LayerCell(1, 25, 25);
             w.I32(out + C::Start, 4);
             w.I32(out + C::Length, 2);
             w.I32(out + C::Direction, 2);
         }},
        {"direction 0", i32(start + C::Direction, 0)},
        {"direction 9", i32(start + C::Direction, 9)},
        {"length 0", i32(start + C::Length, 0)},
        {"a word running off the grid", i32(start + C::Length, 40)},
        {"the end past the edge", [&](std::vector<uint8_t>& r) {
             // Two letters leftwards from the first column.
             RecordWriter w(r);
             w.I32(start + C::Start, -1);
             const size_t corner = O::LayerCell(4, 0, 5);
             w.I32(corner + C::Start, 4);
             w.I32(corner + C::Length, 2);
             w.I32(corner + C::Direction, 6);
         }},
        {"segment count 11", i32(seg + C::SegCount, 11)},
        {"segment count -1", i32(seg + C::SegCount, -1)},
        {"segment kind 0", i32(seg + C::SegKind, 0)},
        {"segment kind 17", i32(seg + C::SegKind, 17)},
        {"segment of word 13", i32(seg + C::SegWord, 13)},
        {"found flag 2", u8(seg + C::SegFound, 2)},
        {"segments outside the side", i32(O::LayerCell(3, 30, 0) + C::SegCount, 1)},
    };
    for (const Damage& d : damages) {
        std::vector<uint8_t> bad = good;
        d.Apply(bad);
        EXPECT_FALSE(ReadSearchRecord(bad)) << d.What;
    }
    EXPECT_FALSE(ReadSearchRecord(std::span<const uint8_t>(good).first(SearchSaveSize - 1)));

    // Segment entries past the count mean nothing and are read as empty.
    std::vector<uint8_t> unused = good;
    RecordWriter(unused).I32(O::LayerCell(1, 0, 0) + C::SegKind + 4 * 9, 99);
    const auto read = ReadSearchRecord(unused);
    ASSERT_TRUE(read);
    if (p->Layer(1, 0, 0).SegCount < SearchMaxSegments) {
        EXPECT_EQ(read->Puzzle->Layer(1, 0, 0).SegKind[9], -1);
    }
}

}  // namespace

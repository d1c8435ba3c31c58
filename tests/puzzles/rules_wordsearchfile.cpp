// The saved word search record: its field offsets, a round trip of a puzzle with words found,
// answers shown and a clue area on view, and the damaged records it refuses.

#include "WordSearchFile.h"

#include "Random.h"
#include "RulesSupport.h"
#include "RecordIO.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace O = SearchFileOffset;
namespace C = SearchCellOffset;

// A puzzle of 20 x 20 in all directions ("Río" keeps its accent): words 3 and 5 found, answer 8
// shown, the clue area of word 10 on view.
std::unique_ptr<WordSearchPuzzle> PuzzleInProgress(int words)
{
    std::vector<TAnswer> answers;
    for (int i = 0; i < words; ++i) {
        const std::string letters = "w" + std::string(1, char('a' + i % 26)) + char('a' + i / 26) + "xyz";
        answers.push_back(TAnswer{"clue " + std::to_string(i), letters, letters});
    }
    answers[2] = TAnswer{"river", "R\xEDo grande", "R\xEDogrande"};
    auto p = std::make_unique<WordSearchPuzzle>();
    for (uint32_t seed = 1; RandSeed(seed), !BuildPuzzle(*p, answers, 20, true); ++seed) {
    }
    for (int w : {3, 5}) {
        const SearchStart s = FindWordStart(*p, w);
        MarkWordFound(*p, s.Layer, s.Col, s.Row);
    }
    SearchListClick(*p, 0, 7);
    SearchListClick(*p, 2, 9);
    return p;
}

TEST(WordSearchFile, FieldOffsets)
{
    EXPECT_EQ(O::GridCell(30, 30) + 5, O::List);
    EXPECT_EQ(O::ListCell(2, 40) + 51, O::Layers);
    EXPECT_EQ(O::LayerCell(2, 0, 1), 11188u + (31 * 31 + 1) * 108);
    EXPECT_EQ(O::LayerCell(4, 30, 30) + SearchCellSize, SearchSaveSize);

    auto p = PuzzleInProgress(12);
    p->List[0].Answer = "00" + std::string(60, 'a');
    const auto rec = AssembleSearchRecord(*p, std::string(150, 'H'));
    ASSERT_EQ(rec.size(), SearchSaveSize);
    const RecordReader r(rec);
    EXPECT_EQ(TextAt(rec, O::Header, 100), std::string(100, 'H'));
    EXPECT_EQ(r.I32(O::Side), 20);
    EXPECT_EQ(rec[O::AllDirections], 1);
    EXPECT_EQ(rec[109], 0);
    EXPECT_EQ(TextAt(rec, O::GridCell(19, 18), 4), p->Grid[19][18].Text());
    EXPECT_EQ(TextAt(rec, O::GridCell(20, 0), 4), "");
    EXPECT_EQ(TextAt(rec, O::ListCell(0, 0), 50), "00" + std::string(48, 'a'));  // cut to 50
    EXPECT_EQ(TextAt(rec, O::ListCell(1, 4), 50), "11" + p->Answers[4].Clue);
    EXPECT_EQ(TextAt(rec, O::ListCell(2, 4), 50), "1");
    EXPECT_EQ(TextAt(rec, O::ListCell(0, 7), 50), "01" + p->Answers[7].Answer);
    EXPECT_EQ(TextAt(rec, O::ListCell(2, 9), 50), "2");
    EXPECT_EQ(TextAt(rec, O::ListCell(0, 12), 50), "");

    const SearchStart s = FindWordStart(*p, 5);
    const TSearchCell& cell = p->Layer(s.Layer, s.Col, s.Row);
    const size_t at = O::LayerCell(s.Layer, s.Col, s.Row);
    EXPECT_EQ(r.I32(at + C::Start), 5);
    EXPECT_EQ(r.I32(at + C::Length), 6);
    EXPECT_EQ(r.I32(at + C::Direction), cell.Direction);
    EXPECT_EQ(r.I32(at + C::SegCount), cell.SegCount);
    EXPECT_EQ(r.I32(at + C::SegKind + 4 * (cell.SegCount - 1)), cell.SegKind[cell.SegCount - 1]);
    EXPECT_EQ(r.I32(at + C::SegWord), cell.SegWord[0]);
    EXPECT_EQ(rec[at + C::SegFound], 1);
    EXPECT_EQ(r.I32(O::LayerCell(4, 30, 30) + C::SegKind + 36), -1);
}

TEST(WordSearchFile, RoundTripRestoresThePuzzleInProgress)
{
    const auto p = PuzzleInProgress(SearchMaxWords);
    const auto rec = AssembleSearchRecord(*p, "Word Search : People");
    const auto saved = ReadSearchRecord(rec);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Header, "Word Search : People");
    const WordSearchPuzzle& q = *saved->Puzzle;
    ASSERT_EQ(q.PuzzleWordCount(), SearchMaxWords);
    for (int i = 0; i < SearchMaxWords; ++i) {
        EXPECT_EQ(q.Answers[i].Answer, p->Answers[i].Answer);
        EXPECT_EQ(q.Answers[i].Clue, p->Answers[i].Clue);
        EXPECT_EQ(q.Answers[i].Letters, p->Answers[i].Letters);  // read off the grid
    }
    EXPECT_TRUE(WordFound(q, 3));
    EXPECT_FALSE(WordFound(q, 4));
    EXPECT_EQ(AssembleSearchRecord(q, saved->Header), rec);  // letters, flags, list, segments
}

TEST(WordSearchFile, DamagedRecordsAreRefused)
{
    const auto p = PuzzleInProgress(12);
    const auto good = AssembleSearchRecord(*p, "Word Search : Food");
    ASSERT_TRUE(ReadSearchRecord(good));
    const SearchStart s = FindWordStart(*p, 4);
    const size_t start = O::LayerCell(s.Layer, s.Col, s.Row);  // also has a segment
    ASSERT_EQ(p->Layer(4, 0, 5).Start, -1);
    auto i32 = [](size_t at, int32_t v) { return [at, v](std::vector<uint8_t>& r) { RecordWriter(r).I32(at, v); }; };
    auto u8 = [](size_t at, uint8_t v) { return [at, v](std::vector<uint8_t>& r) { r[at] = v; }; };
    auto text = [](size_t at, std::string t) { return [at, t](std::vector<uint8_t>& r) { RecordWriter(r).Text(at, t, 4); }; };
    // Word 4 moved to start at (0, 5) of layer 4 with the given length and direction.
    auto moved = [&](int length, int direction) {
        return [=](std::vector<uint8_t>& r) {
            RecordWriter w(r);
            w.I32(start + C::Start, -1);
            w.I32(O::LayerCell(4, 0, 5) + C::Start, 4);
            w.I32(O::LayerCell(4, 0, 5) + C::Length, length);
            w.I32(O::LayerCell(4, 0, 5) + C::Direction, direction);
        };
    };
    const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> damages = {
        {"header length 101", u8(O::Header, 101)},
        {"side 0", i32(O::Side, 0)},
        {"side 32", i32(O::Side, 32)},
        {"side shrunk under the words", i32(O::Side, 10)},
        {"direction flag 2", u8(O::AllDirections, 2)},
        {"grid text of 5 characters", u8(O::GridCell(0, 0), 5)},
        {"grid cell emptied", u8(O::GridCell(4, 4), 0)},
        {"grid highlight flag 3", text(O::GridCell(1, 1), "30a")},
        {"grid kind flag 2", text(O::GridCell(1, 1), "02a")},
        {"letter past the side", text(O::GridCell(20, 3), "00a")},
        {"list text of 51 characters", u8(O::ListCell(1, 3), 51)},
        {"a gap in the list", u8(O::ListCell(0, 5), 0)},
        {"text past the last row", text(O::ListCell(2, 30), "0")},
        {"a 41st word", [](std::vector<uint8_t>& r) {
             for (int row = 12; row <= 40; ++row)
                 for (int col = 0; col < 3; ++col)
                     RecordWriter(r).Text(O::ListCell(col, row), col == 2 ? "0" : "00x", 50);
         }},
        {"list flag 2", u8(O::ListCell(0, 2) + 2, '2')},
        {"clue column state 3", text(O::ListCell(2, 2), "3")},
        {"start word 13", i32(start + C::Start, 13)},
        {"start word 0", i32(start + C::Start, 0)},
        {"a word without a start", i32(start + C::Start, -1)},
        {"a word starting twice", i32(O::LayerCell(4, 0, 5) + C::Start, 5)},
        {"direction 9", i32(start + C::Direction, 9)},
        {"length 0", i32(start + C::Length, 0)},
        {"a word longer than the side", i32(start + C::Length, 40)},
        {"a word leaving the grid", moved(2, 6)},
        {"segment count 11", i32(start + C::SegCount, 11)},
        {"segment count -1", i32(start + C::SegCount, -1)},
        {"segment kind 17", i32(start + C::SegKind, 17)},
        {"segment of word 13", i32(start + C::SegWord, 13)},
        {"found flag 2", u8(start + C::SegFound, 2)},
        {"segments outside the side", i32(O::LayerCell(3, 30, 0) + C::SegCount, 1)},
    };
    for (const auto& [what, damage] : damages) {
        std::vector<uint8_t> bad = good;
        damage(bad);
        EXPECT_FALSE(ReadSearchRecord(bad)) << what;
    }
    EXPECT_FALSE(ReadSearchRecord(std::span<const uint8_t>(good).first(SearchSaveSize - 1)));
    std::vector<uint8_t> inside = good;
    moved(2, 2)(inside);  // the same word moved, still inside the grid
    EXPECT_TRUE(ReadSearchRecord(inside));
}

}  // namespace

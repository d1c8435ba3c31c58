// The saved board game record: its size and field offsets, a round trip of a game in
// progress, the damaged records it refuses, and slots whose custom category has moved.

#include "BoardGameFile.h"

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "LX_Globals.h"
#include "RecordIO.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

namespace O = BoardGameOffset;
namespace P = BoardPlayerOffset;
namespace S = CategorySlotOffset;

int32_t I32At(const std::vector<uint8_t>& rec, size_t at) { return RecordReader(rec).I32(at); }
std::string TextAt(const std::vector<uint8_t>& rec, size_t at, int capacity)
{
    std::string s;
    EXPECT_TRUE(RecordReader(rec).Text(at, capacity, s));
    return s;
}

// Custom categories in slots 15 onward, each with one sub-category and a few words of each level.
void UseCustomCategories(const std::vector<std::string>& names)
{
    WordCount = BuiltInWordCount;
    TotalCategoryCount = CategoryCount;
    for (const std::string& name : names) {
        const int c = TotalCategoryCount++;
        CategoryTable[c] = TCategoryRecord{};
        CategoryTable[c].Name = name;
        CategoryTable[c].SubCount = 1;
        CategoryTable[c].SubNames[0] = "Sub";
        for (int i = 0; i < 4; ++i) {
            TWordRecord& w = WordTable[++WordCount];
            w = TWordRecord{};
            w.English = name + " word " + std::to_string(i);
            w.Spanish = "palabra";
            w.SpanishLetters = "palabra";
            w.EnglishLetters = "word";
            w.Category = c;
            w.SubCategory = 0;
            w.LessCommon = i % 2;
        }
    }
}

class BoardGameFile : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitWordTables();
        BuildWordLengthTables();
    }
    void SetUp() override
    {
        Preferences.AnswerLanguage = "S";
        UseCustomCategories({"Beta", "Gamma"});
        // Three players in the middle of a game: player 2 to play.
        for (TBoardPlayer& p : BoardPlayers)
            p = TBoardPlayer{};
        PlayerCount = 3;
        BoardPlayers[1] = {"Ana", 12, 5, 0, 7};
        BoardPlayers[2] = {"Bob", 40, 0, 0, 33};
        BoardPlayers[3] = {"Gusmaro", 10, 9, 1, 64};
        CurrentPlayer = 2;
        FreeAllSlots();
        CategorySlots[0] = {0, CategoryTable[0].SubCount, CategoryTable[0].Name};
        CategorySlots[1] = {1, 0, RandomCaption(1, 0)};
        CategorySlots[2] = {5, CategoryTable[5].SubCount, CategoryTable[5].Name};
        CategorySlots[3] = {15, 1, "Beta"};
        CategorySlots[4] = {16, 0, "Gamma - Sub"};
        CategorySlots[5] = {14, CategoryTable[14].SubCount, CategoryTable[14].Name};
        FreeMove = 1;
        DoublePoints = 1;
    }
};

TEST_F(BoardGameFile, RecordSizeAndOffsets)
{
    EXPECT_EQ(O::Player(4) + BoardPlayerSize, O::Slots);
    EXPECT_EQ(O::Slot(5) + CategorySlotSize, O::ComputerBox);
    EXPECT_EQ(O::CurrentPlayer + 4, BoardGameFileSize);

    const auto rec = AssembleBoardGameRecord(true);
    ASSERT_EQ(rec.size(), BoardGameFileSize);
    EXPECT_EQ(I32At(rec, O::PlayerCount), 3);
    EXPECT_EQ(TextAt(rec, O::Player(1) + P::Name, 20), "Ana");
    EXPECT_EQ(I32At(rec, 4 + P::Target), 12);
    EXPECT_EQ(I32At(rec, 4 + P::Score), 5);
    EXPECT_EQ(I32At(rec, 4 + P::Position), 7);
    EXPECT_EQ(rec[44 + P::IsComputer], 0);
    EXPECT_EQ(TextAt(rec, 84 + P::Name, 20), "Gusmaro");
    EXPECT_EQ(rec[84 + P::IsComputer], 1);
    EXPECT_EQ(I32At(rec, 84 + P::Position), 64);
    // The fourth place is empty.
    EXPECT_EQ(rec[124 + P::Name], 0);
    EXPECT_EQ(I32At(rec, 124 + P::Target), 0);
    EXPECT_EQ(I32At(rec, 124 + P::Score), 0);
    EXPECT_EQ(I32At(rec, 124 + P::Position), -1);
    EXPECT_EQ(I32At(rec, 164 + 3 * 60 + S::Category), 15);
    EXPECT_EQ(I32At(rec, 164 + 3 * 60 + S::SubCategory), 1);
    EXPECT_EQ(TextAt(rec, 164 + 4 * 60 + S::Name, 50), "Gamma - Sub");
    EXPECT_EQ(rec[O::ComputerBox], 1);
    EXPECT_EQ(I32At(rec, O::CurrentPlayer), 2);
    for (size_t pad : {size_t{4 + 21}, size_t{4 + 23}, size_t{4 + 33}, size_t{4 + 35}, size_t{164 + 59}, size_t{525},
                       size_t{527}})
        EXPECT_EQ(rec[pad], 0) << pad;
    EXPECT_EQ(AssembleBoardGameRecord(false)[O::ComputerBox], 0);
}

TEST_F(BoardGameFile, RoundTripResumesAtTheCurrentPlayersTurn)
{
    const auto rec = AssembleBoardGameRecord(false);
    const auto expectedSlots = CategorySlots;
    // Another game in memory, which the load replaces.
    PlayerCount = 1;
    CurrentPlayer = 1;
    BoardPlayers[1] = {"Other", 20, 3, 0, 1};
    FreeAllSlots();

    auto saved = ReadBoardGameRecord(rec);
    ASSERT_TRUE(saved);
    EXPECT_EQ(PlayerCount, 1);  // reading changes nothing
    ASSERT_EQ(ResolveSavedSlots(*saved).Result, SlotsCheck::Ready);
    ApplyBoardGameRecord(*saved);
    EXPECT_EQ(PlayerCount, 3);
    EXPECT_EQ(CurrentPlayer, 2);
    EXPECT_EQ(BoardPlayers[1].Name, "Ana");
    EXPECT_EQ(BoardPlayers[3].IsComputer, 1);
    EXPECT_EQ(BoardPlayers[3].Score, 9);
    EXPECT_EQ(BoardPlayers[2].Position, 33);
    EXPECT_EQ(BoardPlayers[4].Position, -1);
    for (int i = 0; i < SlotCount; ++i) {
        EXPECT_EQ(CategorySlots[i].Category, expectedSlots[i].Category);
        EXPECT_EQ(CategorySlots[i].SubCategory, expectedSlots[i].SubCategory);
        EXPECT_EQ(CategorySlots[i].Name, expectedSlots[i].Name);
        EXPECT_FALSE(SlotPoolsEmpty(i));
        EXPECT_EQ(PoolUsed[i][0], 0);
    }
    EXPECT_EQ(PoolCount[3][0] + PoolCount[3][1], 4);  // all of "Beta"
    EXPECT_EQ(PoolCount[4][0] + PoolCount[4][1], 4);
    EXPECT_EQ(FreeMove, 0);
    EXPECT_EQ(DoublePoints, 0);
    EXPECT_GE(BoardSquares[2].Points, 1);  // the board is built
    EXPECT_FALSE(GameIsFinished());
    EXPECT_EQ(AssembleBoardGameRecord(false), rec);

    BoardPlayers[1].Score = 12;
    EXPECT_TRUE(GameIsFinished());
}

TEST_F(BoardGameFile, MovedCustomCategoriesAreFoundByName)
{
    const auto rec = AssembleBoardGameRecord(false);
    // "Alpha" is added and sorts first: "Beta" and "Gamma" move one slot up.
    UseCustomCategories({"Alpha", "Beta", "Gamma"});
    auto saved = ReadBoardGameRecord(rec);
    ASSERT_TRUE(saved);
    ASSERT_EQ(ResolveSavedSlots(*saved).Result, SlotsCheck::Ready);
    EXPECT_EQ(saved->Slots[3].Category, 16);
    EXPECT_EQ(saved->Slots[3].SubCategory, 1);
    EXPECT_EQ(saved->Slots[4].Category, 17);
    EXPECT_EQ(saved->Slots[4].SubCategory, 0);
    EXPECT_EQ(saved->Slots[0].Category, 0);
    ApplyBoardGameRecord(*saved);
    EXPECT_EQ(QuestionPool[3][0][1].Answer, "palabra");

    // "Gamma" gained a sub-category before "Sub": the slot follows the name.
    UseCustomCategories({"Beta", "Gamma"});
    CategoryTable[16].SubCount = 2;
    CategoryTable[16].SubNames[1] = "Sub";
    CategoryTable[16].SubNames[0] = "First";
    for (int i = BuiltInWordCount + 1; i <= WordCount; ++i)
        if (WordTable[i].Category == 16)
            WordTable[i].SubCategory = 1;
    saved = ReadBoardGameRecord(rec);
    ASSERT_EQ(ResolveSavedSlots(*saved).Result, SlotsCheck::Ready);
    EXPECT_EQ(saved->Slots[4].SubCategory, 1);

    // "Beta" was deleted: the game cannot be loaded, and says which slot.
    UseCustomCategories({"Gamma"});
    saved = ReadBoardGameRecord(rec);
    const SlotsCheckResult missing = ResolveSavedSlots(*saved);
    EXPECT_EQ(missing.Result, SlotsCheck::CategoryMissing);
    EXPECT_EQ(missing.Slot, 3);

    // "Beta" is there but its words were deleted.
    UseCustomCategories({"Beta", "Gamma"});
    for (int i = BuiltInWordCount + 1; i <= WordCount; ++i)
        if (WordTable[i].Category == 15)
            WordTable[i].Category = 16;
    saved = ReadBoardGameRecord(rec);
    const SlotsCheckResult empty = ResolveSavedSlots(*saved);
    EXPECT_EQ(empty.Result, SlotsCheck::NoWords);
    EXPECT_EQ(empty.Slot, 3);
}

TEST_F(BoardGameFile, DamagedRecordsAreRefused)
{
    const auto good = AssembleBoardGameRecord(true);
    ASSERT_TRUE(ReadBoardGameRecord(good));
    struct Damage {
        const char* What;
        std::function<void(std::vector<uint8_t>&)> Apply;
    };
    auto i32 = [](size_t at, int32_t v) { return [at, v](std::vector<uint8_t>& r) { RecordWriter(r).I32(at, v); }; };
    auto u8 = [](size_t at, uint8_t v) { return [at, v](std::vector<uint8_t>& r) { r[at] = v; }; };
    const size_t p2 = O::Player(2);
    const std::vector<Damage> damages = {
        {"no players", i32(O::PlayerCount, 0)},
        {"five players", i32(O::PlayerCount, 5)},
        {"current player 0", i32(O::CurrentPlayer, 0)},
        {"current player past the count", i32(O::CurrentPlayer, 4)},
        {"position 0", i32(p2 + P::Position, 0)},
        {"position 65", i32(p2 + P::Position, 65)},
        {"target 0 (a division by zero)", i32(p2 + P::Target, 0)},
        {"target 9", i32(p2 + P::Target, 9)},
        {"target 41", i32(p2 + P::Target, 41)},
        {"negative score", i32(p2 + P::Score, -1)},
        {"a score near overflow", i32(p2 + P::Score, 0x7FFFFFFE)},
        {"computer flag 2", u8(p2 + P::IsComputer, 2)},
        {"name of 21 characters", u8(p2 + P::Name, 21)},
        {"an empty place's name of 200 characters", u8(O::Player(4) + P::Name, 200)},
        {"slot name of 51 characters", u8(O::Slot(2) + S::Name, 51)},
        {"an empty slot", u8(O::Slot(5) + S::Name, 0)},
        {"category -1", i32(O::Slot(1) + S::Category, -1)},
        {"category 30", i32(O::Slot(1) + S::Category, 30)},
        {"sub-category 12", i32(O::Slot(1) + S::SubCategory, 12)},
        {"sub-category -1", i32(O::Slot(1) + S::SubCategory, -1)},
    };
    for (const Damage& d : damages) {
        std::vector<uint8_t> bad = good;
        d.Apply(bad);
        EXPECT_FALSE(ReadBoardGameRecord(bad)) << d.What;
    }
    EXPECT_FALSE(ReadBoardGameRecord(std::span<const uint8_t>(good).first(BoardGameFileSize - 1)));

    // An empty place's other fields mean nothing: they are read as an empty place.
    std::vector<uint8_t> stray = good;
    RecordWriter(stray).I32(O::Player(4) + P::Position, 99);
    const auto read = ReadBoardGameRecord(stray);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Players[4].Position, -1);
    // A slot name that no category carries any more cannot be resolved.
    std::vector<uint8_t> renamed = good;
    RecordWriter(renamed).Text(O::Slot(0) + S::Name, "Dinosaurs", 50);
    auto unknown = ReadBoardGameRecord(renamed);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(ResolveSavedSlots(*unknown).Result, SlotsCheck::CategoryMissing);
}

}  // namespace

// The saved board game record: its field offsets, a round trip of a game in progress, slots
// whose custom category has moved, and the damaged records it refuses.

#include "BoardGameFile.h"

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "RecordIO.h"

#include <gtest/gtest.h>
#include "RulesSupport.h"

#include <functional>

namespace {

namespace O = BoardGameOffset;
namespace P = BoardPlayerOffset;
namespace S = CategorySlotOffset;

// Custom categories from slot 15 on, each with one sub-category "Sub" and four words.
void UseCustomCategories(const std::vector<std::string>& names)
{
    WordCount = BuiltInWordCount;
    TotalCategoryCount = CategoryCount;
    for (const std::string& name : names) {
        const int c = TotalCategoryCount++;
        CategoryTable[c] = TCategoryRecord{name, 1, {"Sub"}};
        for (int i = 0; i < 4; ++i) {
            TWordRecord& w = WordTable[++WordCount] = TWordRecord{};
            w.English = name + " word";
            w.Spanish = w.SpanishLetters = "palabra";
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
        UseBuiltInVocabulary();
        Preferences.AnswerLanguage = "S";
    }
    // Three players, player 2 to play; two slots of custom categories.
    void SetUp() override
    {
        UseCustomCategories({"Beta", "Gamma"});
        std::fill(std::begin(BoardPlayers), std::end(BoardPlayers), TBoardPlayer{});
        PlayerCount = 3;
        BoardPlayers[1] = {"Ana", 12, 5, 0, 7};
        BoardPlayers[2] = {"Bob", 40, 0, 0, 33};
        BoardPlayers[3] = {"Gusmaro", 10, 9, 1, 64};
        CurrentPlayer = 2;
        for (int i = 0; i < 4; ++i)
            CategorySlots[i] = {i, CategoryTable[i].SubCount, CategoryTable[i].Name};
        CategorySlots[1] = {1, 0, RandomCaption(1, 0)};
        CategorySlots[4] = {15, 1, "Beta"};
        CategorySlots[5] = {16, 0, "Gamma - Sub"};
        FreeMove = DoublePoints = 1;
    }
};

TEST_F(BoardGameFile, FieldOffsets)
{
    EXPECT_EQ(O::Player(4) + BoardPlayerSize, O::Slots);
    EXPECT_EQ(O::Slot(5) + CategorySlotSize, O::ComputerBox);
    EXPECT_EQ(O::CurrentPlayer + 4, BoardGameFileSize);

    const auto rec = AssembleBoardGameRecord(true);
    ASSERT_EQ(rec.size(), BoardGameFileSize);
    const RecordReader r(rec);
    EXPECT_EQ(r.I32(0), 3);
    EXPECT_EQ(rec[4], 3);  // "Ana"
    EXPECT_EQ(rec[5], 'A');
    EXPECT_EQ(r.I32(4 + 24), 12);
    EXPECT_EQ(r.I32(4 + 28), 5);
    EXPECT_EQ(r.I32(4 + 36), 7);
    EXPECT_EQ(rec[84 + 32], 1);  // Gusmaro is the computer
    // The fourth place is empty.
    EXPECT_EQ(rec[124], 0);
    EXPECT_EQ(r.I32(124 + P::Target), 0);
    EXPECT_EQ(r.I32(124 + P::Position), -1);
    EXPECT_EQ(r.I32(164 + 4 * 60), 15);
    EXPECT_EQ(r.I32(164 + 4 * 60 + 4), 1);
    EXPECT_EQ(rec[164 + 5 * 60 + 8], 11);  // "Gamma - Sub"
    EXPECT_EQ(rec[524], 1);
    EXPECT_EQ(r.I32(528), 2);
    for (size_t pad : {25, 27, 37, 39, 223, 525, 527})
        EXPECT_EQ(rec[pad], 0) << pad;
    EXPECT_EQ(AssembleBoardGameRecord(false)[524], 0);
}

TEST_F(BoardGameFile, RoundTripResumesTheGame)
{
    const auto rec = AssembleBoardGameRecord(false);
    PlayerCount = 1;  // another game in memory
    FreeAllSlots();
    auto saved = ReadBoardGameRecord(rec);
    ASSERT_TRUE(saved);
    EXPECT_EQ(PlayerCount, 1);  // reading changes nothing
    ASSERT_EQ(ResolveSavedSlots(*saved).Result, SlotsCheck::Ready);
    ApplyBoardGameRecord(*saved);
    EXPECT_EQ(AssembleBoardGameRecord(false), rec);
    for (int i = 0; i < SlotCount; ++i)
        EXPECT_FALSE(SlotPoolsEmpty(i));
    EXPECT_EQ(PoolCount[5][0] + PoolCount[5][1], 4);  // all of "Gamma - Sub"
    EXPECT_EQ(FreeMove + DoublePoints, 0);
    EXPECT_GE(BoardSquares[2].Points, 1);  // the board is built

    // Ended: the current player (Bob, target 40) at exactly the target, off the corners.
    EXPECT_FALSE(SavedGameEnded(*saved));
    auto ended = [&](int player, int score, int position) {
        SavedBoardGame s = *saved;
        s.Players[player].Score = score;
        s.Players[player].Position = position;
        return SavedGameEnded(s);
    };
    EXPECT_TRUE(ended(2, 40, 34));
    EXPECT_FALSE(ended(2, 41, 34));  // past it by a bonus card: the next answer ends the game
    EXPECT_FALSE(ended(2, 40, 33));  // reached by a bonus card, still on the corner
    EXPECT_FALSE(ended(1, 12, 7));   // only the current player can have won
}

TEST_F(BoardGameFile, MovedCustomCategoriesAreFoundByName)
{
    const auto rec = AssembleBoardGameRecord(false);
    // "Alpha" is added and sorts first: "Beta" and "Gamma" move one slot up.
    UseCustomCategories({"Alpha", "Beta", "Gamma"});
    auto saved = ReadBoardGameRecord(rec);
    ASSERT_EQ(ResolveSavedSlots(*saved).Result, SlotsCheck::Ready);
    EXPECT_EQ(saved->Slots[4].Category, 16);
    EXPECT_EQ(saved->Slots[5].Category, 17);
    EXPECT_EQ(saved->Slots[5].SubCategory, 0);
    EXPECT_EQ(saved->Slots[1].Category, 1);

    // "Gamma" gained a sub-category sorting before "Sub": the slot follows the name.
    UseCustomCategories({"Beta", "Gamma"});
    CategoryTable[16] = TCategoryRecord{"Gamma", 2, {"First", "Sub"}};
    saved = ReadBoardGameRecord(rec);
    EXPECT_EQ(ResolveSavedSlots(*saved).Result, SlotsCheck::NoWords);  // its words are in "First"
    EXPECT_EQ(saved->Slots[5].SubCategory, 1);

    // "Beta" was deleted: the game cannot be loaded, and says which slot.
    UseCustomCategories({"Gamma"});
    saved = ReadBoardGameRecord(rec);
    const SlotsCheckResult missing = ResolveSavedSlots(*saved);
    EXPECT_EQ(missing.Result, SlotsCheck::CategoryMissing);
    EXPECT_EQ(missing.Slot, 4);
}

TEST_F(BoardGameFile, DamagedRecordsAreRefused)
{
    const auto good = AssembleBoardGameRecord(true);
    ASSERT_TRUE(ReadBoardGameRecord(good));
    auto i32 = [](size_t at, int32_t v) { return [at, v](std::vector<uint8_t>& r) { RecordWriter(r).I32(at, v); }; };
    auto u8 = [](size_t at, uint8_t v) { return [at, v](std::vector<uint8_t>& r) { r[at] = v; }; };
    const size_t p2 = O::Player(2);
    const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> damages = {
        {"no players", i32(O::PlayerCount, 0)},
        {"five players", i32(O::PlayerCount, 5)},
        {"current player 0", i32(O::CurrentPlayer, 0)},
        {"current player past the count", i32(O::CurrentPlayer, 4)},
        {"position 0", i32(p2 + P::Position, 0)},
        {"position 65", i32(p2 + P::Position, 65)},
        {"target 0 (a division by zero)", i32(p2 + P::Target, 0)},
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
    };
    for (const auto& [what, damage] : damages) {
        std::vector<uint8_t> bad = good;
        damage(bad);
        EXPECT_FALSE(ReadBoardGameRecord(bad)) << what;
    }
    EXPECT_FALSE(ReadBoardGameRecord(std::span<const uint8_t>(good).first(BoardGameFileSize - 1)));
    // An empty place's other fields mean nothing.
    std::vector<uint8_t> stray = good;
    RecordWriter(stray).I32(O::Player(4) + P::Position, 99);
    EXPECT_EQ(ReadBoardGameRecord(stray)->Players[4].Position, -1);
}

}  // namespace

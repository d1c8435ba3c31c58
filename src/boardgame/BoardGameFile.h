#pragma once
// The saved board game ("LXQ_BoardGame.dat"): one record of 532 bytes with the players, the six
// category slots, the computer box and whose turn it is. The question pools and the board are
// rebuilt on loading. No widgets here.

#include "BoardGameRules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

constexpr size_t BoardGameFileSize = 532;
constexpr size_t BoardPlayerSize = 40;
constexpr size_t CategorySlotSize = 60;
// Far above any target; it keeps a bonus card from overflowing a loaded score.
constexpr int32_t MaxSavedScore = 1000;

namespace BoardGameOffset {
constexpr size_t PlayerCount = 0, Players = 4, Slots = 164, ComputerBox = 524, CurrentPlayer = 528;
constexpr size_t Player(int k) { return Players + BoardPlayerSize * (k - 1); }  // 1..4
constexpr size_t Slot(int i) { return Slots + CategorySlotSize * i; }           // 0..5
}  // namespace BoardGameOffset

namespace BoardPlayerOffset {
constexpr size_t Name = 0, Target = 24, Score = 28, IsComputer = 32, Position = 36;
}

namespace CategorySlotOffset {
constexpr size_t Category = 0, SubCategory = 4, Name = 8;
}

struct SavedBoardGame {
    int32_t PlayerCount = 0;
    TBoardPlayer Players[MaxPlayers + 1];  // 1..4; places after PlayerCount are empty
    std::array<TCategorySlot, SlotCount> Slots;
    uint8_t ComputerBox = 0;
    int32_t CurrentPlayer = 1;
};

// The record of the game in memory; computerBox is the state of the set-up page's box.
std::vector<uint8_t> AssembleBoardGameRecord(bool computerBox);

// Reads and checks a record: 1 to 4 players, the current one among them, every player on a
// square with a target of the slider's range, six filled slots with category indexes of the
// table's shape. Nothing when it is damaged.
std::optional<SavedBoardGame> ReadBoardGameRecord(std::span<const uint8_t> record);

// Every slot follows its name (FollowSlotName) and must have words to ask; one taken by its
// index refuses the index when another slot's category moved into it. The save checks the game
// in memory with it, so that it writes no game the load refuses.
enum class SlotsCheck { Ready, CategoryMissing, NoWords };
struct SlotRetaken {
    std::string Saved;  // the caption in the file
    std::string Now;    // the caption its index gives now
};
struct SlotsCheckResult {
    SlotsCheck Result = SlotsCheck::Ready;
    int Slot = -1;  // the slot that failed
    // Ready: the slots taken by their index under another caption than the one saved. A rename
    // in place cannot be told from a deletion that moved another category into the index, so
    // the player is told which words each now asks.
    std::vector<SlotRetaken> Retaken;
};
SlotsCheckResult ResolveSavedSlots(SavedBoardGame& saved);

// Puts a checked game in memory at the start of its current player's turn: players, slots,
// fresh question pools and board, no pending card effect.
void ApplyBoardGameRecord(const SavedBoardGame& saved);

// Whether the saved game had ended. The record keeps no such mark; the end of a game leaves its
// winner as the current player, the score cut to exactly the target, on the square of its last
// answer or computer move, never a corner. A game in play reaches its target only by a bonus
// card, drawn on a corner where the player stays until the next move, and may pass it: a score
// above the target, or at it on a corner, is a game still in play.
bool SavedGameEnded(const SavedBoardGame& saved);

#include "BoardGameFile.h"

#include "RecordIO.h"

#include <algorithm>
#include <string>

namespace {

namespace O = BoardGameOffset;
namespace P = BoardPlayerOffset;
namespace S = CategorySlotOffset;

}  // namespace

std::vector<uint8_t> AssembleBoardGameRecord(bool computerBox)
{
    std::vector<uint8_t> record(BoardGameFileSize, 0);
    RecordWriter w(record);
    w.I32(O::PlayerCount, PlayerCount);
    for (int k = 1; k <= MaxPlayers; ++k) {
        const TBoardPlayer& p = BoardPlayers[k];
        const size_t at = O::Player(k);
        w.Text(at + P::Name, p.Name, MaxPlayerName);
        w.I32(at + P::Target, p.Target);
        w.I32(at + P::Score, p.Score);
        w.U8(at + P::IsComputer, p.IsComputer);
        w.I32(at + P::Position, p.Position);
    }
    for (int i = 0; i < SlotCount; ++i) {
        const TCategorySlot& s = CategorySlots[i];
        const size_t at = O::Slot(i);
        w.I32(at + S::Category, s.Category);
        w.I32(at + S::SubCategory, s.SubCategory);
        w.Str(at + S::Name, s.Name);
    }
    w.U8(O::ComputerBox, computerBox ? 1 : 0);
    w.I32(O::CurrentPlayer, CurrentPlayer);
    return record;
}

std::optional<SavedBoardGame> ReadBoardGameRecord(std::span<const uint8_t> record)
{
    if (record.size() < BoardGameFileSize)
        return std::nullopt;
    const RecordReader r(record);
    SavedBoardGame saved;
    saved.PlayerCount = r.I32(O::PlayerCount);
    if (saved.PlayerCount < 1 || saved.PlayerCount > MaxPlayers)
        return std::nullopt;
    saved.CurrentPlayer = r.I32(O::CurrentPlayer);
    if (saved.CurrentPlayer < 1 || saved.CurrentPlayer > saved.PlayerCount)
        return std::nullopt;
    saved.ComputerBox = r.U8(O::ComputerBox);

    for (int k = 1; k <= MaxPlayers; ++k) {
        const size_t at = O::Player(k);
        TBoardPlayer p;
        if (!r.Text(at + P::Name, MaxPlayerName, p.Name))
            return std::nullopt;
        if (k > saved.PlayerCount)
            continue;  // an empty place, whatever it holds
        p.Target = r.I32(at + P::Target);
        p.Score = r.I32(at + P::Score);
        p.IsComputer = r.U8(at + P::IsComputer);
        p.Position = r.I32(at + P::Position);
        if (p.Target < MinTarget || p.Target > MaxTarget || p.Score < 0 || p.Score > MaxSavedScore ||
            p.IsComputer > 1 || p.Position < 1 || p.Position > SquareCount)
            return std::nullopt;
        saved.Players[k] = p;
    }

    for (int i = 0; i < SlotCount; ++i) {
        const size_t at = O::Slot(i);
        TCategorySlot& s = saved.Slots[i];
        std::string name;
        if (!r.Text(at + S::Name, ShortString::Capacity, name) || name.empty())
            return std::nullopt;
        s.Name = name;
        s.Category = r.I32(at + S::Category);
        s.SubCategory = r.I32(at + S::SubCategory);
        if (s.Category < 0 || s.Category >= MaxCategories || s.SubCategory < 0 || s.SubCategory > MaxSubCategories)
            return std::nullopt;
    }
    return saved;
}

SlotsCheckResult ResolveSavedSlots(SavedBoardGame& saved)
{
    const auto before = saved.Slots;
    for (int i = 0; i < SlotCount; ++i)
        if (!FollowSlotName(saved.Slots[i]))
            return {SlotsCheck::CategoryMissing, i, {}};
    auto movedBy = [&](int i) {
        const TCategorySlot& s = saved.Slots[i];
        return s.Name == before[i].Name && (s.Category != before[i].Category || s.SubCategory != before[i].SubCategory);
    };
    for (int i = 0; i < SlotCount; ++i) {
        if (saved.Slots[i].Name == before[i].Name)
            continue;  // found by its caption
        // Taken by its index: when another slot's category moved into that category, the index
        // no longer holds this slot's own one.
        for (int j = 0; j < SlotCount; ++j)
            if (j != i && movedBy(j) && saved.Slots[j].Category == saved.Slots[i].Category) {
                saved.Slots[i] = before[i];
                return {SlotsCheck::CategoryMissing, i, {}};
            }
    }
    for (int i = 0; i < SlotCount; ++i)
        if (SlotQuestionCount(saved.Slots[i]) == 0)
            return {SlotsCheck::NoWords, i, {}};
    SlotsCheckResult ready;
    for (int i = 0; i < SlotCount; ++i)
        if (saved.Slots[i].Name != before[i].Name)
            ready.Retaken.push_back({before[i].Name.str(), saved.Slots[i].Name.str()});
    return ready;
}

void ApplyBoardGameRecord(const SavedBoardGame& saved)
{
    PlayerCount = saved.PlayerCount;
    for (int k = 1; k <= MaxPlayers; ++k)
        BoardPlayers[k] = saved.Players[k];
    CategorySlots = saved.Slots;
    StartGame();
    CurrentPlayer = saved.CurrentPlayer;
}

bool SavedGameEnded(const SavedBoardGame& saved)
{
    const TBoardPlayer& p = saved.Players[std::clamp(saved.CurrentPlayer, 1, MaxPlayers)];
    return p.Score == p.Target && !IsCorner(p.Position);
}

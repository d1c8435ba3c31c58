#pragma once
// The saved word search ("LXQ_Search.dat"): one record of 426,340 bytes holding the puzzle in
// progress: the header, the side, the direction option, the letter grid and the word list
// with their flags, and the table of start cells and outline segments. No widgets here.

#include "WordSearchRules.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t SearchSaveSize = 426340;
constexpr size_t SearchCellSize = 108;
constexpr int SearchHeaderCapacity = 100;
constexpr int SearchGridTextCapacity = 4;
constexpr int SearchListTextCapacity = 50;
constexpr int SearchListRows = 41;  // rows 0..40 in the record; a puzzle uses at most 40

namespace SearchFileOffset {
constexpr size_t Header = 0, Side = 104, AllDirections = 108, Grid = 110, GridColumn = 155, GridText = 5,
                 List = 4915, ListColumn = 2091, ListText = 51, Layers = 11188;
constexpr size_t GridCell(int col, int row) { return Grid + col * GridColumn + row * GridText; }
constexpr size_t ListCell(int col, int row) { return List + col * ListColumn + row * ListText; }
// Layer 1..4, the layer varying slowest and the row fastest.
constexpr size_t LayerCell(int layer, int col, int row)
{
    return Layers + ((static_cast<size_t>(layer - 1) * SearchMaxSide + col) * SearchMaxSide + row) * SearchCellSize;
}
}  // namespace SearchFileOffset

namespace SearchCellOffset {
constexpr size_t Start = 0, Length = 4, Direction = 8, SegCount = 12, SegKind = 16, SegWord = 56, SegFound = 96;
}

// The record of a puzzle and the header shown above it.
std::vector<uint8_t> AssembleSearchRecord(const WordSearchPuzzle& puzzle, std::string_view header);

struct SavedWordSearch {
    std::string Header;
    std::unique_ptr<WordSearchPuzzle> Puzzle;  // words, letters and found marks restored
};

// Reads and checks a record; nothing when it is damaged or holds no puzzle this program could
// have saved. Every word's start, direction and length lie inside the grid, every outline
// segment is of a known kind and word, and the word list has no gaps.
std::optional<SavedWordSearch> ReadSearchRecord(std::span<const uint8_t> record);

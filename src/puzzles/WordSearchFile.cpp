#include "WordSearchFile.h"

#include "RecordIO.h"

#include <array>

namespace {

namespace O = SearchFileOffset;
namespace C = SearchCellOffset;

bool IsFlag(char c, char highest) { return c >= '0' && c <= highest; }

// A list text: the found and shown flags, then the word.
bool ListTextValid(const std::string& text)
{
    return text.size() >= 2 && IsFlag(text[0], '1') && IsFlag(text[1], '1');
}

void WriteLayerCell(RecordWriter& w, size_t at, const TSearchCell& cell)
{
    w.I32(at + C::Start, cell.Start);
    w.I32(at + C::Length, cell.Length);
    w.I32(at + C::Direction, cell.Direction);
    w.I32(at + C::SegCount, cell.SegCount);
    for (int s = 0; s < SearchMaxSegments; ++s) {
        w.I32(at + C::SegKind + 4 * s, cell.SegKind[s]);
        w.I32(at + C::SegWord + 4 * s, cell.SegWord[s]);
        w.U8(at + C::SegFound + s, cell.SegFound[s]);
    }
}

bool ReadLayerCell(const RecordReader& r, size_t at, TSearchCell& cell)
{
    cell.Start = r.I32(at + C::Start);
    cell.Length = r.I32(at + C::Length);
    cell.Direction = r.I32(at + C::Direction);
    cell.SegCount = r.I32(at + C::SegCount);
    if (cell.SegCount < 0 || cell.SegCount > SearchMaxSegments)
        return false;
    for (int s = 0; s < SearchMaxSegments; ++s) {
        cell.SegKind[s] = r.I32(at + C::SegKind + 4 * s);
        cell.SegWord[s] = r.I32(at + C::SegWord + 4 * s);
        cell.SegFound[s] = r.U8(at + C::SegFound + s);
    }
    return true;
}

}  // namespace

std::vector<uint8_t> AssembleSearchRecord(const WordSearchPuzzle& p, std::string_view header)
{
    std::vector<uint8_t> record(SearchSaveSize, 0);
    RecordWriter w(record);
    w.Text(O::Header, header, SearchHeaderCapacity);
    w.I32(O::Side, p.Side);
    w.U8(O::AllDirections, p.AllDirections);
    for (int c = 0; c < p.Side && c < SearchMaxSide; ++c)
        for (int r = 0; r < p.Side && r < SearchMaxSide; ++r)
            w.Text(O::GridCell(c, r), p.Grid[c][r].Text(), SearchGridTextCapacity);
    for (int row = 0; row < static_cast<int>(p.List.size()) && row < SearchListRows; ++row) {
        const SearchListRow& entry = p.List[row];
        w.Text(O::ListCell(0, row), entry.Answer, SearchListTextCapacity);
        w.Text(O::ListCell(1, row), entry.Clue, SearchListTextCapacity);
        w.Text(O::ListCell(2, row), std::string(1, entry.Mark), SearchListTextCapacity);
    }
    for (int layer = 1; layer <= SearchLayerCount; ++layer)
        for (int c = 0; c < SearchMaxSide; ++c)
            for (int r = 0; r < SearchMaxSide; ++r)
                WriteLayerCell(w, O::LayerCell(layer, c, r), p.Layer(layer, c, r));
    return record;
}

std::optional<SavedWordSearch> ReadSearchRecord(std::span<const uint8_t> record)
{
    if (record.size() < SearchSaveSize)
        return std::nullopt;
    const RecordReader r(record);
    SavedWordSearch saved;
    saved.Puzzle = std::make_unique<WordSearchPuzzle>();
    WordSearchPuzzle& p = *saved.Puzzle;

    if (!r.Text(O::Header, SearchHeaderCapacity, saved.Header))
        return std::nullopt;
    p.Side = r.I32(O::Side);
    if (p.Side < 1 || p.Side > SearchMaxSide)
        return std::nullopt;
    p.AllDirections = r.U8(O::AllDirections);
    if (p.AllDirections > 1)
        return std::nullopt;

    // Letters: every cell of the grid holds highlight flag, kind and letter; none outside it.
    std::string text;
    for (int c = 0; c < SearchMaxSide; ++c)
        for (int row = 0; row < SearchMaxSide; ++row) {
            if (!r.Text(O::GridCell(c, row), SearchGridTextCapacity, text))
                return std::nullopt;
            if (!p.InGrid(c, row)) {
                if (!text.empty())
                    return std::nullopt;
                continue;
            }
            if (text.size() != 3 || !IsFlag(text[0], '2') || !IsFlag(text[1], '1') || text[2] == 0)
                return std::nullopt;
            p.Grid[c][row] = SearchGridCell{text[0], text[1], text[2]};
        }

    // The word list: rows from the top without gaps, nothing after the last.
    std::array<std::array<std::string, 3>, SearchListRows> list;
    int words = 0;
    for (int row = 0; row < SearchListRows; ++row)
        for (int col = 0; col < 3; ++col) {
            if (!r.Text(O::ListCell(col, row), SearchListTextCapacity, list[row][col]))
                return std::nullopt;
            if (!list[row][col].empty())
                words = row + 1;
        }
    if (words < 1 || words > SearchMaxWords)
        return std::nullopt;
    for (int row = 0; row < words; ++row) {
        const auto& cells = list[row];
        if (!ListTextValid(cells[0]) || !ListTextValid(cells[1]) || cells[2].size() != 1 || !IsFlag(cells[2][0], '2'))
            return std::nullopt;
        p.List.push_back(SearchListRow{cells[0], cells[1], cells[2][0]});
    }

    // Start cells and outline segments.
    std::vector<int> starts(words + 1, 0);
    for (int layer = 1; layer <= SearchLayerCount; ++layer)
        for (int c = 0; c < SearchMaxSide; ++c)
            for (int row = 0; row < SearchMaxSide; ++row) {
                TSearchCell& cell = p.Layer(layer, c, row);
                if (!ReadLayerCell(r, O::LayerCell(layer, c, row), cell))
                    return std::nullopt;
                if (cell.Start == -1) {
                    cell.Length = cell.Direction = -1;
                } else {
                    if (cell.Start < 1 || cell.Start > words || !p.InGrid(c, row) || cell.Length < 1 ||
                        cell.Direction < 1 || cell.Direction > 8)
                        return std::nullopt;
                    const SearchStep step = SearchDirectionStep(cell.Direction);
                    if (cell.Length > p.Side ||
                        !p.InGrid(c + (cell.Length - 1) * step.Col, row + (cell.Length - 1) * step.Row))
                        return std::nullopt;
                    ++starts[cell.Start];
                }
                if (cell.SegCount > 0 && !p.InGrid(c, row))
                    return std::nullopt;
                for (int s = 0; s < SearchMaxSegments; ++s) {
                    if (s >= cell.SegCount) {
                        // Unused entries mean nothing; they are kept as new ones.
                        cell.SegKind[s] = cell.SegWord[s] = -1;
                        cell.SegFound[s] = 0;
                    } else if (cell.SegKind[s] < 1 || cell.SegKind[s] > 16 || cell.SegWord[s] < 1 ||
                               cell.SegWord[s] > words || cell.SegFound[s] > 1) {
                        return std::nullopt;
                    }
                }
            }
    for (int w = 1; w <= words; ++w)
        if (starts[w] != 1)
            return std::nullopt;

    // The words: answer and clue from the list, letters read off the grid along each word.
    for (int w = 1; w <= words; ++w) {
        const SearchStart start = FindWordStart(p, w);
        const TSearchCell& cell = p.Layer(start.Layer, start.Col, start.Row);
        const SearchStep step = SearchDirectionStep(cell.Direction);
        TAnswer answer;
        answer.Answer = p.List[w - 1].Answer.substr(2);
        answer.Clue = p.List[w - 1].Clue.substr(2);
        for (int k = 0; k < cell.Length; ++k)
            answer.Letters += p.Grid[start.Col + k * step.Col][start.Row + k * step.Row].Letter;
        p.Answers.push_back(std::move(answer));
    }
    return saved;
}

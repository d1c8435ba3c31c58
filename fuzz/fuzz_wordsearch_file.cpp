// Feeds arbitrary bytes to the saved-word-search reader as a (padded or cut) record; a puzzle it
// takes is played (a drag, the word list, Fill, Clear), saved again, and must read back the same.

#include "WordSearchFile.h"

#include "FuzzRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t>& record = FitToRecord(data, size, SearchSaveSize);

    auto saved = ReadSearchRecord(record);
    if (!saved)
        return 0;
    WordSearchPuzzle& p = *saved->Puzzle;
    Check(p.Side >= 1 && p.Side <= SearchMaxSide);
    Check(p.PuzzleWordCount() >= 1 && p.PuzzleWordCount() <= SearchMaxWords);
    Check(p.List.size() == p.Answers.size());

    const std::vector<uint8_t> written = AssembleSearchRecord(p, saved->Header);
    const auto again = ReadSearchRecord(written);
    Check(again.has_value());
    Check(AssembleSearchRecord(*again->Puzzle, again->Header) == written);

    // Play on what was loaded.
    for (int w = 1; w <= p.PuzzleWordCount(); ++w) {
        const SearchStart s = FindWordStart(p, w);
        Check(s.Layer >= 1);
        const TSearchCell& cell = p.Layer(s.Layer, s.Col, s.Row);
        const SearchStep step = SearchDirectionStep(cell.Direction);
        SearchDrag drag;
        drag.Begin(p, s.Col, s.Row);
        const int endCol = s.Col + (cell.Length - 1) * step.Col;
        const int endRow = s.Row + (cell.Length - 1) * step.Row;
        drag.UpdateSelection(p, endCol, endRow);
        drag.Release(p, endCol, endRow);
        SearchListClick(p, 2, w - 1);
        SearchListClick(p, 0, w - 1);
    }
    SearchFill(p);
    SearchClear(p);
    SearchShowAllAnswers(p);
    return 0;
}

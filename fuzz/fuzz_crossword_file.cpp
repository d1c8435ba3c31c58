// Feeds arbitrary bytes to the saved-crossword reader as a (padded or cut) record; a record it
// takes is put on view, played a little, saved again, and must read back the same.

#include "CrosswordFile.h"
#include "CrosswordPlay.h"
#include "XWordGrid.h"

#include "FuzzRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t>& record = FitToRecord(data, size, SavedXWordSize);

    const auto saved = ReadCrosswordRecord(record);
    if (!saved)
        return 0;
    ApplyCrosswordRecord(*saved);
    Check(XWordCols >= 1 && XWordCols <= XWordMaxSide && XWordRows >= 1 && XWordRows <= XWordMaxSide);
    Check(XWordClues.RowCount >= 2 && XWordClues.RowCount <= XWordClueRows);
    StartPlay();
    Check(SelCol >= 0 && SelCol < XWordCols && SelRow >= 0 && SelRow < XWordRows);
    for (int key : {int('A'), 222, int('E'), 8, 9, 46, int('N')})
        CrossKeyDown(key, false);
    FillLetters(PlayScope::Word);
    CheckLetters(PlayScope::All);
    UpdateWordCompletion();

    std::vector<uint8_t> written;
    if (!AssembleCrosswordRecord(written, saved->Header))
        return 0;  // more than 50 clues: refused by the save
    const auto again = ReadCrosswordRecord(written);
    Check(again != nullptr);
    ApplyCrosswordRecord(*again);
    std::vector<uint8_t> rewritten;
    Check(AssembleCrosswordRecord(rewritten, saved->Header));
    // The grid comes back byte for byte; the clue texts are rebuilt without completion flags.
    Check(std::equal(written.begin(), written.begin() + XWordFileOffset::Clues, rewritten.begin()));
    return 0;
}

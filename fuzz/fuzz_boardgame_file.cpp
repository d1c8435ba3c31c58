// Feeds arbitrary bytes to the saved-board-game reader as a (padded or cut) record; a game it
// takes is resumed, its current player's turn played, saved again, and must read back the same.

#include "BoardGameFile.h"

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "LX_Globals.h"

#include "FuzzRecord.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitWordTables();
    BuildWordLengthTables();
    Preferences.AnswerLanguage = "S";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t>& record = FitToRecord(data, size, BoardGameFileSize);

    auto saved = ReadBoardGameRecord(record);
    if (!saved)
        return 0;
    if (ResolveSavedSlots(*saved).Result != SlotsCheck::Ready)
        return 0;
    ApplyBoardGameRecord(*saved);
    for (int slot = 0; slot < SlotCount; ++slot)
        Check(!SlotPoolsEmpty(slot));

    const std::vector<uint8_t> written = AssembleBoardGameRecord(saved->ComputerBox != 0);
    auto again = ReadBoardGameRecord(written);
    Check(again.has_value());
    Check(ResolveSavedSlots(*again).Result == SlotsCheck::Ready);
    ApplyBoardGameRecord(*again);
    Check(AssembleBoardGameRecord(saved->ComputerBox != 0) == written);

    // The resumed turn: a roll, a move, a question and its score, or the computer's move.
    if (SavedGameEnded(*saved))
        return 0;
    if (BoardPlayers[CurrentPlayer].IsComputer) {
        ApplyComputerMove(ChooseComputerMove());
    } else {
        StopDice();
        const int square = Option1Square > 0 ? Option1Square : Option2Square;
        if (square > 0 && !MoveCurrentPlayer(square)) {
            TAnswer question;
            const TBoardSquare& sq = BoardSquares[square];
            Check(NextQuestion(sq.Slot, sq.Points, question));
            ScoreAnswer(AnswerIsRight(question.Letters, question));
        }
    }
    CurrentPlayer = NextPlayer();
    return 0;
}

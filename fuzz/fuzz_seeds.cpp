// Writes a starting corpus for each fuzzer: files made the way the program makes them, so each
// fuzzer starts from records its reader takes. Usage: fuzz_seeds DIR; it writes
//   DIR/crossword/LXQ_CrossWord.dat, DIR/crossword/LXQ_FreeFormat.dat   crosswords in play
//   DIR/wordsearch/LXQ_Search.dat                                        a word search, words found
//   DIR/boardgame/LXQ_BoardGame.dat                                      a game some turns in
//   DIR/data/Lexory.dat      custom categories, custom words and learned marks, cut after its last
//                            non-zero byte (the fuzzer pads it back with zeros)
// Each record is read back by the program's own reader before it is written; exit 1 if one is not.

#include "BoardGameFile.h"
#include "CrosswordFile.h"
#include "CrosswordGenerator.h"
#include "CrosswordPlay.h"
#include "CustomListsRules.h"
#include "FreeFormatGenerator.h"
#include "WordSearchFile.h"

#include "AnswerIndex.h"
#include "GridTemplates.h"
#include "LX_Data.h"
#include "LX_Globals.h"
#include "Random.h"
#include "RecordIO.h"
#include "TextCodec.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void Require(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(what);
}

void WriteSeed(const fs::path& folder, const char* name, const std::vector<uint8_t>& record)
{
    fs::create_directories(folder);
    Require(WriteFileRecord((folder / name).string(), record), "cannot write a seed file");
    std::printf("%s: %zu bytes\n", (folder / name).c_str(), record.size());
}

// Three letters typed, the first word filled in and every letter checked, as a player leaves it.
std::vector<uint8_t> CrosswordInPlay(const std::string& header)
{
    BuildClueLists();
    StartPlay();
    FillLetters(PlayScope::Word);
    SelectNextClue();
    for (int key : {'A', 'E', 'O'})
        CrossKeyDown(key, false);
    CheckLetters(PlayScope::All);
    std::vector<uint8_t> record;
    Require(AssembleCrosswordRecord(record, header), "crossword has too many clues");
    Require(ReadCrosswordRecord(record) != nullptr, "crossword record refused");
    return record;
}

std::vector<uint8_t> RegularCrossword()
{
    Require(StartRegularCrossword(2, FilterAllWords, true), "no regular crossword");
    return CrosswordInPlay("");
}

std::vector<uint8_t> FreeFormatCrossword(int category, int sub)
{
    Require(SelectFreeFormatWords({category, sub, false, FilterAllWords, 2}, true, 12, {}), "too few words");
    GenerateFreeFormatCrossword();
    return CrosswordInPlay("Free format crossword : " + RandomCaption(category, sub));
}

// Half of the words found by a drag over them, one clue shown.
std::vector<uint8_t> WordSearchInPlay(int category, int sub)
{
    const auto candidates = SearchCandidateList({category, sub, false, FilterAllWords, 2}, "S");
    SearchRequestResult built = RunSearchRequest(candidates, 12, true, true);
    Require(built.Result == SearchRequestResult::Built, "no word search");
    WordSearchPuzzle& p = *built.Puzzle;
    for (int w = 1; w <= p.PuzzleWordCount() / 2; ++w) {
        const SearchStart s = FindWordStart(p, w);
        const TSearchCell& cell = p.Layer(s.Layer, s.Col, s.Row);
        const SearchStep step = SearchDirectionStep(cell.Direction);
        const int endCol = s.Col + (cell.Length - 1) * step.Col, endRow = s.Row + (cell.Length - 1) * step.Row;
        SearchDrag drag;
        drag.Begin(p, s.Col, s.Row);
        drag.UpdateSelection(p, endCol, endRow);
        Require(drag.Release(p, endCol, endRow) == w, "word search drag found nothing");
    }
    SearchListClick(p, 2, p.PuzzleWordCount() - 1);
    const std::vector<uint8_t> record = AssembleSearchRecord(p, "Word Search : " + RandomCaption(category, sub));
    Require(ReadSearchRecord(record).has_value(), "word search record refused");
    return record;
}

// Two players and the computer, six random categories, eight turns played.
std::vector<uint8_t> BoardGameInPlay()
{
    FreeAllSlots();
    Require(RandomFillSlots() == SlotCount, "too few categories for the board game");
    SetUpPlayers({PlayerEntry{"Ana", 20, false}, {"Bruno", 15, false}, {"", 10, false}, {"Gusmaro", 10, true}});
    StartGame();
    for (int turn = 0; turn < 8; ++turn) {
        if (BoardPlayers[CurrentPlayer].IsComputer) {
            ApplyComputerMove(ChooseComputerMove());
        } else {
            RollDiceStep();
            StopDice();
            const int square = Option1Square > 0 ? Option1Square : Option2Square;
            if (square > 0 && !MoveCurrentPlayer(square)) {
                TAnswer question;
                const TBoardSquare& sq = BoardSquares[square];
                if (NextQuestion(sq.Slot, sq.Points, question))
                    ScoreAnswer(turn % 3 != 0);  // one answer in three wrong
            }
        }
        CurrentPlayer = NextPlayer();
    }
    const std::vector<uint8_t> record = AssembleBoardGameRecord(true);
    auto saved = ReadBoardGameRecord(record);
    Require(saved && ResolveSavedSlots(*saved).Result == SlotsCheck::Ready, "board game record refused");
    return record;
}

struct CustomEntry {
    const char* Category;
    const char* SubCategory;
    WordInput Word;  // texts in UTF-8 here
};

// Custom lists as a user builds them on the Custom Lists screen, a third of them learned, and
// built-in words learned too.
std::vector<uint8_t> DataFileWithCustomWords()
{
    const CustomEntry entries[] = {
        {"Kitchen", "Utensils", {"spoon", "cuchara", "", WordFeminine, true}},
        {"Kitchen", "Utensils", {"frying pan", "sartén", "", WordFeminine, true}},
        {"Kitchen", "Utensils", {"ladle", "cucharón", "", WordMasculine, false}},
        {"Kitchen", "Utensils", {"knife", "cuchillo", "", WordMasculine, true}},
        {"Kitchen", "Food", {"bread", "pan", "", WordMasculine, true}},
        {"Kitchen", "Food", {"apples", "manzanas", "", WordFemininePlural, true}},
        {"Kitchen", "Food", {"cheese", "queso", "", WordMasculine, false}},
        {"Kitchen", "Verbs", {"to fry", "freír", "", WordVerb, true}},
        {"Kitchen", "Verbs", {"to boil", "hervir", "", WordVerb, false}},
        {"Kitchen", "Verbs", {"to peel", "pelar", "", WordVerb, true}},
        {"Garden", "Plants", {"rose", "rosa", "", WordFeminine, true}},
        {"Garden", "Plants", {"gardener", "jardinero", "/a", WordMasculineOrFeminine, true}},
        {"Garden", "Plants", {"weeds", "malas hierbas", "", WordFemininePlural, false}},
        {"Garden", "Tools", {"spade", "pala", "", WordFeminine, true}},
        {"Garden", "Tools", {"watering can", "regadera", "", WordFeminine, false}},
        {"Garden", "Tools", {"green", "verde", "", WordAdjective, true}},
    };
    auto slotOf = [](const char* name) {
        for (int slot = BuiltInCategorySlots; slot < BuiltInCategorySlots + CustomCategoryCount; ++slot)
            if (CategoryTable[slot].Name.str() == name)
                return slot;
        return AddCustomCategory(name);
    };
    auto subOf = [](int slot, const char* name) {
        for (int s = 0; s < CategoryTable[slot].SubCount; ++s)
            if (CategoryTable[slot].SubNames[s].str() == name)
                return s;
        return AddCustomSubCategory(slot, name);
    };
    for (const CustomEntry& e : entries) {
        const int slot = slotOf(e.Category);
        const int sub = subOf(slot, e.SubCategory);
        WordInput word = e.Word;
        word.Spanish = Cp1252FromUtf8(word.Spanish);
        Require(CheckWordInput(word, slot, sub, -1).empty(), "custom word refused");
        Require(StoreCustomWord(word, slot, sub, -1) > 0, "custom word not stored");
    }
    for (int i = 1; i <= BuiltInWordCount; i += 97)
        MarkWordLearned(i, true);
    for (int i = BuiltInWordCount + 1; i <= WordCount; i += 3)
        MarkWordLearned(i, true);

    Preferences.PrefsValid = 1;
    Preferences.WindowWidth = 1260;
    Preferences.WindowHeight = 960;
    Preferences.WindowTop = 32;
    Preferences.WindowLeft = 10;
    Preferences.SelectedCategory = BuiltInCategorySlots;
    Preferences.SelectedSubCategory = 1;
    Preferences.CommonFilter = 2;
    Preferences.LearnedFilter = 1;
    Preferences.FreeWordCount = 12;
    Preferences.SearchWordCount = 12;
    Preferences.GridSizeIndex = 2;
    Preferences.UncoverRows = 4;
    Preferences.PlayerName[1] = "Ana";
    Preferences.PlayerName[4] = "Gusmaro";
    for (int k = 1; k <= 4; ++k)
        Preferences.PlayerTarget[k] = 20;
    Preferences.ComputerPlays = 1;
    Preferences.FontSizeMode = 2;
    Preferences.AnswerLanguage = "S";

    std::vector<uint8_t> record = AssembleDataFile();
    Require(CustomWordCount == static_cast<int>(std::size(entries)) && CustomCategoryCount == 2,
            "custom vocabulary incomplete");
    // Cut after the last non-zero byte: what the fuzzer pads back is what was cut off.
    size_t used = record.size();
    while (used > 0 && record[used - 1] == 0)
        --used;
    Require(used > CustomWordsOffset + (CustomWordCount - 1) * CustomWordRecordSize, "custom words cut off");
    record.resize(used);
    return record;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const fs::path dir = argv[1];
    try {
        InitWordTables();
        BuildWordLengthTables();
        InitGridTemplates();
        Preferences.AnswerLanguage = "S";
        RandSeed(2024);  // the same seeds every time

        // The puzzles on the built-in vocabulary alone, which is what their fuzzers load.
        WriteSeed(dir / "crossword", "LXQ_CrossWord.dat", RegularCrossword());
        WriteSeed(dir / "crossword", "LXQ_FreeFormat.dat", FreeFormatCrossword(3, 1));
        WriteSeed(dir / "wordsearch", "LXQ_Search.dat", WordSearchInPlay(3, 1));
        WriteSeed(dir / "boardgame", "LXQ_BoardGame.dat", BoardGameInPlay());
        WriteSeed(dir / "data", "Lexory.dat", DataFileWithCustomWords());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}

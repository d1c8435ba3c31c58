#pragma once
// Preferences and the data file "Lexory.dat": settings, learned marks and the custom
// vocabulary, kept in one fixed-size binary record beside the program.

#include "LX_Globals.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr size_t PreferencesSize = 672;
constexpr size_t CategoryRecordSize = 620;
constexpr size_t CustomWordRecordSize = 176;
constexpr size_t DataFileSize = 1075984;

constexpr int MaxCustomCategories = 15;
constexpr int MaxCustomSubCategories = 10;
constexpr int MaxCustomWords = 6000;

// Offsets of the data file's parts.
constexpr size_t LearnedFlagsOffset = 672;
constexpr size_t CustomCategoryCountOffset = 10672;
constexpr size_t CustomCategoriesOffset = 10676;
constexpr size_t CustomWordCountOffset = 19976;
constexpr size_t CustomWordsOffset = 19980;
constexpr size_t SpareOffset = 1075980;

struct TPreferences {
    uint8_t PrefsValid = 0;  // 1 once the user confirmed the first-run set-up
    int32_t WindowHeight = 0;
    int32_t WindowWidth = 0;
    int32_t WindowTop = 0;
    int32_t WindowLeft = 0;
    uint8_t ShowOverview = 0;
    int32_t SelectedCategory = 0;     // column x 15 + row of the category picker
    int32_t SelectedSubCategory = 0;  // the category's SubCount stands for the " All" row
    uint8_t AllSubCategories = 0;
    int32_t CommonFilter = 0;   // 0 common only, 1 less common only, 2 all
    int32_t LearnedFilter = 0;  // 0 learned only, 1 not learned only, 2 all
    int32_t WordGame = 0;
    int32_t XWordType = 0;
    int32_t FreeWordCount = 0;
    int32_t SearchWordCount = 0;
    uint8_t SearchAllDirections = 0;
    int32_t GridSizeIndex = 0;
    int32_t UncoverRows = 0;
    ShortString PlayerName[5];  // players 1..4
    int32_t PlayerTarget[5] = {};
    uint8_t ComputerPlays = 0;
    int32_t FontSizeMode = 0;  // 1 smaller, 2 nominal, 3 bigger
    ShortString AnswerLanguage;  // "S" Spanish answers, "E" English answers
    int32_t WordSortMode = 0;

    // The record as last read: the bytes no field owns (unused areas, padding) are written
    // back from it unchanged.
    std::array<uint8_t, PreferencesSize> Image = {};

    bool SpanishAnswers() const { return !(AnswerLanguage == "E"); }
};

// Field offsets of the preferences record.
namespace PrefsOffset {
constexpr size_t PrefsValid = 0, WindowHeight = 88, WindowWidth = 92, WindowTop = 96, WindowLeft = 100,
                 ShowOverview = 104, SelectedCategory = 108, SelectedSubCategory = 112,
                 AllSubCategories = 116, CommonFilter = 120, LearnedFilter = 124, WordGame = 128,
                 XWordType = 132, FreeWordCount = 140, SearchWordCount = 144, SearchAllDirections = 148,
                 GridSizeIndex = 152, UncoverRows = 156, PlayerName1 = 160, PlayerTarget1 = 212,
                 PlayerStride = 56, ComputerPlays = 384, FontSizeMode = 388, AnswerLanguage = 392,
                 WordSortMode = 444;
}

struct TCustomWordRecord {
    ShortString English;
    ShortString Spanish;
    ShortString Note;
    int32_t WordType = 0;
    int32_t Category = 0;     // category slot 15..29
    int32_t SubCategory = 0;  // index into that category's SubNames
    int32_t LessCommon = 0;
    uint8_t Learned = 0;
};

extern TPreferences Preferences;
extern uint8_t LearnedFlags[MaxWords + 1];  // by built-in word Id, 1..10000
extern int32_t CustomCategoryCount;
extern TCategoryRecord CustomCategories[MaxCategories];  // slots 15..29 used
extern int32_t CustomWordCount;
extern TCustomWordRecord CustomWords[MaxCustomWords + 1];  // 1..CustomWordCount
extern std::string DataFilePath;

// Record layouts, byte by byte.
void WritePreferences(const TPreferences& prefs, std::span<uint8_t, PreferencesSize> out);
TPreferences ReadPreferences(std::span<const uint8_t, PreferencesSize> in);
void WriteCategoryRecord(const TCategoryRecord& cat, std::span<uint8_t> out);
TCategoryRecord ReadCategoryRecord(std::span<const uint8_t> in);
void WriteCustomWordRecord(const TCustomWordRecord& word, std::span<uint8_t> out);
TCustomWordRecord ReadCustomWordRecord(std::span<const uint8_t> in);

// The whole data file record from the globals, and the globals from a record; false, changing
// nothing, for a record whose custom vocabulary the tables cannot take whole.
std::vector<uint8_t> AssembleDataFile();
bool ApplyDataFile(std::span<const uint8_t, DataFileSize> record);

// What a read of the data file found: none (missing or empty), a record, or a file that holds
// something but cannot be read as one (cut short, not readable by this user, or more than the
// tables can take whole).
enum class DataFileState { None, Read, Damaged };

// Reads DataFilePath and merges it into the tables; anything but a record read whole is a first
// run. Always ends by rebuilding the answer indexes.
DataFileState LoadDataFile();
// Writes the whole record to DataFilePath; false when the write failed (the old file stays) or
// when the last read found a damaged file there that has not been kept aside.
bool SaveDataFile();
// Moves a damaged data file aside under a name of its own beside it ("Lexory-damaged.dat", then
// "Lexory-damaged-2.dat" and on), never over an earlier one, so that no save replaces it. The
// file name it now has; empty when it could not be moved, and then SaveDataFile leaves it alone.
std::string KeepDamagedDataFile();
// True while the last read found a damaged file that has not been kept aside.
bool DamagedDataFileHeld();

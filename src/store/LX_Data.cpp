#include "LX_Data.h"

#include "AnswerIndex.h"
#include "RecordIO.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

TPreferences Preferences;
uint8_t LearnedFlags[MaxWords + 1];
int32_t CustomCategoryCount = 0;
TCategoryRecord CustomCategories[MaxCategories];
int32_t CustomWordCount = 0;
TCustomWordRecord CustomWords[MaxCustomWords + 1];
std::string DataFilePath = "Lexory.dat";

namespace {

// The file's last four bytes, carried from the last read to the next write.
std::array<uint8_t, 4> Spare = {};
// A damaged data file not moved aside (yet): it is never written over.
bool HeldDamagedFile = false;

namespace O = PrefsOffset;

}  // namespace

void WritePreferences(const TPreferences& p, std::span<uint8_t, PreferencesSize> out)
{
    RecordWriter w(out);
    w.Bytes(0, p.Image);
    w.U8(O::PrefsValid, p.PrefsValid);
    w.I32(O::WindowHeight, p.WindowHeight);
    w.I32(O::WindowWidth, p.WindowWidth);
    w.I32(O::WindowTop, p.WindowTop);
    w.I32(O::WindowLeft, p.WindowLeft);
    w.U8(O::ShowOverview, p.ShowOverview);
    w.I32(O::SelectedCategory, p.SelectedCategory);
    w.I32(O::SelectedSubCategory, p.SelectedSubCategory);
    w.U8(O::AllSubCategories, p.AllSubCategories);
    w.I32(O::CommonFilter, p.CommonFilter);
    w.I32(O::LearnedFilter, p.LearnedFilter);
    w.I32(O::WordGame, p.WordGame);
    w.I32(O::XWordType, p.XWordType);
    w.I32(O::FreeWordCount, p.FreeWordCount);
    w.I32(O::SearchWordCount, p.SearchWordCount);
    w.U8(O::SearchAllDirections, p.SearchAllDirections);
    w.I32(O::GridSizeIndex, p.GridSizeIndex);
    w.I32(O::UncoverRows, p.UncoverRows);
    for (int i = 1; i <= 4; ++i) {
        w.Str(O::PlayerName1 + (i - 1) * O::PlayerStride, p.PlayerName[i]);
        w.I32(O::PlayerTarget1 + (i - 1) * O::PlayerStride, p.PlayerTarget[i]);
    }
    w.U8(O::ComputerPlays, p.ComputerPlays);
    w.I32(O::FontSizeMode, p.FontSizeMode);
    w.Str(O::AnswerLanguage, p.AnswerLanguage);
    w.I32(O::WordSortMode, p.WordSortMode);
}

TPreferences ReadPreferences(std::span<const uint8_t, PreferencesSize> in)
{
    RecordReader r(in);
    TPreferences p;
    r.Bytes(0, p.Image);
    p.PrefsValid = r.U8(O::PrefsValid);
    p.WindowHeight = r.I32(O::WindowHeight);
    p.WindowWidth = r.I32(O::WindowWidth);
    p.WindowTop = r.I32(O::WindowTop);
    p.WindowLeft = r.I32(O::WindowLeft);
    p.ShowOverview = r.U8(O::ShowOverview);
    p.SelectedCategory = r.I32(O::SelectedCategory);
    p.SelectedSubCategory = r.I32(O::SelectedSubCategory);
    p.AllSubCategories = r.U8(O::AllSubCategories);
    p.CommonFilter = r.I32(O::CommonFilter);
    p.LearnedFilter = r.I32(O::LearnedFilter);
    p.WordGame = r.I32(O::WordGame);
    p.XWordType = r.I32(O::XWordType);
    p.FreeWordCount = r.I32(O::FreeWordCount);
    p.SearchWordCount = r.I32(O::SearchWordCount);
    p.SearchAllDirections = r.U8(O::SearchAllDirections);
    p.GridSizeIndex = r.I32(O::GridSizeIndex);
    p.UncoverRows = r.I32(O::UncoverRows);
    for (int i = 1; i <= 4; ++i) {
        p.PlayerName[i] = r.Str(O::PlayerName1 + (i - 1) * O::PlayerStride);
        p.PlayerTarget[i] = r.I32(O::PlayerTarget1 + (i - 1) * O::PlayerStride);
    }
    p.ComputerPlays = r.U8(O::ComputerPlays);
    p.FontSizeMode = r.I32(O::FontSizeMode);
    p.AnswerLanguage = r.Str(O::AnswerLanguage);
    p.WordSortMode = r.I32(O::WordSortMode);
    return p;
}

void WriteCategoryRecord(const TCategoryRecord& cat, std::span<uint8_t> out)
{
    RecordWriter w(out);
    w.Str(0, cat.Name);
    w.U8(51, 0);
    w.I32(52, cat.SubCount);
    for (int s = 0; s < MaxSubCategories; ++s)
        w.Str(56 + 51 * s, cat.SubNames[s]);
    for (size_t pad = 617; pad < CategoryRecordSize; ++pad)
        w.U8(pad, 0);
}

TCategoryRecord ReadCategoryRecord(std::span<const uint8_t> in)
{
    RecordReader r(in);
    TCategoryRecord cat;
    cat.Name = r.Str(0);
    cat.SubCount = r.I32(52);
    for (int s = 0; s < MaxSubCategories; ++s)
        cat.SubNames[s] = r.Str(56 + 51 * s);
    return cat;
}

void WriteCustomWordRecord(const TCustomWordRecord& word, std::span<uint8_t> out)
{
    RecordWriter w(out);
    std::fill(out.begin(), out.begin() + CustomWordRecordSize, uint8_t{0});
    w.Str(0, word.English);
    w.Str(51, word.Spanish);
    w.Str(102, word.Note);
    w.I32(156, word.WordType);
    w.I32(160, word.Category);
    w.I32(164, word.SubCategory);
    w.I32(168, word.LessCommon);
    w.U8(172, word.Learned);
}

TCustomWordRecord ReadCustomWordRecord(std::span<const uint8_t> in)
{
    RecordReader r(in);
    TCustomWordRecord word;
    word.English = r.Str(0);
    word.Spanish = r.Str(51);
    word.Note = r.Str(102);
    word.WordType = r.I32(156);
    word.Category = r.I32(160);
    word.SubCategory = r.I32(164);
    word.LessCommon = r.I32(168);
    word.Learned = r.U8(172);
    return word;
}

std::vector<uint8_t> AssembleDataFile()
{
    std::vector<uint8_t> record(DataFileSize, 0);
    std::span<uint8_t> all(record);
    WritePreferences(Preferences, all.subspan<0, PreferencesSize>());
    std::copy(LearnedFlags + 1, LearnedFlags + 1 + MaxWords, record.begin() + LearnedFlagsOffset);
    RecordWriter w(all);
    w.I32(CustomCategoryCountOffset, CustomCategoryCount);
    for (int slot = BuiltInCategorySlots; slot < MaxCategories; ++slot)
        WriteCategoryRecord(CustomCategories[slot],
                            all.subspan(CustomCategoriesOffset + (slot - BuiltInCategorySlots) * CategoryRecordSize,
                                        CategoryRecordSize));
    w.I32(CustomWordCountOffset, CustomWordCount);
    for (int k = 1; k <= MaxCustomWords; ++k)
        WriteCustomWordRecord(CustomWords[k],
                              all.subspan(CustomWordsOffset + (k - 1) * CustomWordRecordSize, CustomWordRecordSize));
    w.Bytes(SpareOffset, Spare);
    return record;
}

bool ApplyDataFile(std::span<const uint8_t, DataFileSize> record)
{
    RecordReader r(record);

    // The custom vocabulary is checked first: a record the tables cannot take whole (a count out
    // of range, an eleventh sub-category, a word with nowhere to stand) is a damaged file, never
    // shortened, and changes nothing here.
    const int32_t categoryCount = r.I32(CustomCategoryCountOffset);
    const int32_t wordCount = r.I32(CustomWordCountOffset);
    if (categoryCount < 0 || categoryCount > MaxCustomCategories || wordCount < 0 || wordCount > MaxCustomWords ||
        wordCount > MaxWords - WordCount)
        return false;
    std::vector<TCategoryRecord> categories(MaxCategories);
    for (int slot = BuiltInCategorySlots; slot < MaxCategories; ++slot) {
        TCategoryRecord& cat = categories[slot];
        cat = ReadCategoryRecord(
            record.subspan(CustomCategoriesOffset + (slot - BuiltInCategorySlots) * CategoryRecordSize, CategoryRecordSize));
        if (!cat.Name.empty() && (cat.SubCount < 0 || cat.SubCount > MaxCustomSubCategories))
            return false;
        cat.SubCount = std::clamp(cat.SubCount, 0, MaxCustomSubCategories);  // a nameless slot holds nothing
    }
    std::vector<TCustomWordRecord> words(static_cast<size_t>(wordCount) + 1);
    for (int k = 1; k <= wordCount; ++k) {
        const TCustomWordRecord& word = words[k] =
            ReadCustomWordRecord(record.subspan(CustomWordsOffset + (k - 1) * CustomWordRecordSize, CustomWordRecordSize));
        const bool placed = word.Category >= BuiltInCategorySlots && word.Category < MaxCategories &&
                            !categories[word.Category].Name.empty() && word.SubCategory >= 0 &&
                            word.SubCategory < categories[word.Category].SubCount;
        if (!placed)
            return false;
    }

    Preferences = ReadPreferences(record.subspan<0, PreferencesSize>());
    if (!(Preferences.AnswerLanguage == "S") && !(Preferences.AnswerLanguage == "E"))
        Preferences.AnswerLanguage = "S";
    // Values no screen can show are read as a first run has them.
    if (Preferences.FontSizeMode < 1 || Preferences.FontSizeMode > 3)
        Preferences.FontSizeMode = 2;
    if (Preferences.CommonFilter < 0 || Preferences.CommonFilter > 2)
        Preferences.CommonFilter = 2;
    if (Preferences.LearnedFilter < 0 || Preferences.LearnedFilter > 2)
        Preferences.LearnedFilter = 2;

    std::copy(record.begin() + LearnedFlagsOffset, record.begin() + LearnedFlagsOffset + MaxWords, LearnedFlags + 1);
    for (int i = 1; i <= WordCount; ++i) {
        const int id = WordTable[i].Id;
        if (id >= 1 && id <= MaxWords && LearnedFlags[id] != 0)
            WordTable[i].Learned = 1;
    }

    CustomCategoryCount = categoryCount;
    TotalCategoryCount = CategoryCount + CustomCategoryCount;
    for (int slot = BuiltInCategorySlots; slot < MaxCategories; ++slot) {
        CustomCategories[slot] = categories[slot];
        if (!categories[slot].Name.empty())
            CategoryTable[slot] = categories[slot];
    }

    CustomWordCount = wordCount;
    for (int k = 1; k <= MaxCustomWords; ++k)
        CustomWords[k] = k <= wordCount ? words[k] : TCustomWordRecord{};
    for (int k = 1; k <= CustomWordCount; ++k) {
        const TCustomWordRecord& c = CustomWords[k];
        TWordRecord& w = WordTable[++WordCount];
        w.Id = k;
        w.Category = c.Category;
        w.SubCategory = c.SubCategory;
        w.English = c.English;
        w.Spanish = c.Spanish;
        w.Note = c.Note;
        w.EnglishPlural.clear();  // custom words have no plurals
        w.SpanishPlural.clear();
        w.LessCommon = c.LessCommon;
        w.Learned = c.Learned;
        if (c.WordType >= 0 && c.WordType <= 7)
            w.WordType = static_cast<uint8_t>(c.WordType);
    }
    r.Bytes(SpareOffset, Spare);
    return true;
}

DataFileState LoadDataFile()
{
    Preferences.CommonFilter = 2;
    Preferences.LearnedFilter = 2;
    Preferences.AnswerLanguage = "S";
    std::vector<uint8_t> record(DataFileSize);
    DataFileState state = DataFileState::Read;
    if (!ReadFileRecord(DataFilePath, record) ||
        !ApplyDataFile(std::span<const uint8_t, DataFileSize>(record.data(), DataFileSize))) {
        Preferences.PrefsValid = 0;
        // Anything there but an empty file (a pipe or a folder in its place too) is kept aside.
        std::error_code ec;
        const auto there = std::filesystem::status(DataFilePath, ec);
        const bool empty = std::filesystem::is_regular_file(there) && std::filesystem::file_size(DataFilePath, ec) == 0;
        state = std::filesystem::exists(there) && !empty ? DataFileState::Damaged : DataFileState::None;
    }
    // Nothing is saved over a damaged file until it has been kept aside.
    HeldDamagedFile = state == DataFileState::Damaged;
    BuildWordLengthTables();
    return state;
}

std::string KeepDamagedDataFile()
{
    namespace fs = std::filesystem;
    const fs::path from(DataFilePath);
    for (int n = 1; n <= 999; ++n) {
        const fs::path to = from.parent_path() /
                            ("Lexory-damaged" + (n == 1 ? std::string() : "-" + std::to_string(n)) + ".dat");
        std::error_code ec;
        if (fs::exists(to, ec) || ec)
            continue;
        fs::rename(from, to, ec);
        if (!ec) {
            HeldDamagedFile = false;
            return to.filename().string();
        }
        break;
    }
    HeldDamagedFile = true;
    return {};
}

bool DamagedDataFileHeld()
{
    return HeldDamagedFile;
}

bool SaveDataFile()
{
    if (HeldDamagedFile)
        return false;
    return WriteFileRecord(DataFilePath, AssembleDataFile());
}

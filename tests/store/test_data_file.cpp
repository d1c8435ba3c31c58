// Preferences record, the data file (layout, load, save, damaged files), text codec and random.

#include "AnswerIndex.h"
#include "FileSizeLimit.h"
#include "LX_Data.h"
#include "LX_Globals.h"
#include "Random.h"
#include "RecordIO.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <array>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

// The file layout, written out here independently of the header's constants.
constexpr size_t kFileSize = 1075984;
constexpr size_t kLearnedAt = 672;
constexpr size_t kCategoryCountAt = 10672;
constexpr size_t kCategoriesAt = 10676;
constexpr size_t kWordCountAt = 19976;
constexpr size_t kWordsAt = 19980;
constexpr size_t kSpareAt = 1075980;

// Named fields of the preferences record: offset and width.
constexpr std::pair<size_t, size_t> kPrefsFields[] = {
    {0, 1},    {88, 4},   {92, 4},   {96, 4},   {100, 4},  {104, 1},  {108, 4},  {112, 4},
    {116, 1},  {120, 4},  {124, 4},  {128, 4},  {132, 4},  {140, 4},  {144, 4},  {148, 1},
    {152, 4},  {156, 4},  {160, 51}, {212, 4},  {216, 51}, {268, 4},  {272, 51}, {324, 4},
    {328, 51}, {380, 4},  {384, 1},  {388, 4},  {392, 51}, {444, 4},
};

std::vector<bool> NamedPrefsBytes()
{
    std::vector<bool> named(672, false);
    for (auto [offset, width] : kPrefsFields)
        for (size_t i = 0; i < width; ++i)
            named[offset + i] = true;
    return named;
}

int32_t GetI32(const uint8_t* p)
{
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}
void PutI32(uint8_t* p, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}
std::string GetStr(const uint8_t* p)
{
    return std::string(reinterpret_cast<const char*>(p + 1), p[0]);
}
void PutStr(uint8_t* p, std::string_view s)
{
    p[0] = static_cast<uint8_t>(s.size());
    std::copy(s.begin(), s.end(), p + 1);
}

uint8_t* CategoryAt(Bytes& rec, int slot)
{
    return rec.data() + kCategoriesAt + (slot - 15) * 620;
}
uint8_t* WordAt(Bytes& rec, int k)
{
    return rec.data() + kWordsAt + (k - 1) * 176;
}

void PutCategory(Bytes& rec, int slot, std::string_view name, std::vector<std::string> subs)
{
    uint8_t* c = CategoryAt(rec, slot);
    PutStr(c, name);
    PutI32(c + 52, static_cast<int32_t>(subs.size()));
    for (size_t s = 0; s < subs.size(); ++s)
        PutStr(c + 56 + 51 * s, subs[s]);
}

struct StoredWord {
    std::string english, spanish, note;
    int32_t type = 0, category = 15, sub = 0, lessCommon = 0;
    uint8_t learned = 0;
};

void PutWord(Bytes& rec, int k, const StoredWord& w)
{
    uint8_t* p = WordAt(rec, k);
    PutStr(p, w.english);
    PutStr(p + 51, w.spanish);
    PutStr(p + 102, w.note);
    PutI32(p + 156, w.type);
    PutI32(p + 160, w.category);
    PutI32(p + 164, w.sub);
    PutI32(p + 168, w.lessCommon);
    p[172] = w.learned;
}

// A record as the program writes it for a first run: everything zero, answers in Spanish.
Bytes BlankRecord()
{
    Bytes rec(kFileSize, 0);
    PutI32(rec.data() + 388, 2);  // a font size the program writes
    PutStr(rec.data() + 392, "S");
    return rec;
}

bool Apply(const Bytes& rec)
{
    return ApplyDataFile(std::span<const uint8_t, DataFileSize>(rec.data(), DataFileSize));
}

Bytes ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

int TotalAnswers()
{
    int total = 0;
    for (int len = 3; len <= 20; ++len)
        total += SpanishAnswers.Count(len) + EnglishAnswers.Count(len);
    return total;
}

// Every global the data file touches back to its start-up state, built-in tables built.
void ResetStore()
{
    InitWordTables();
    Preferences = TPreferences{};
    std::fill(std::begin(LearnedFlags), std::end(LearnedFlags), uint8_t{0});
    CustomCategoryCount = 0;
    for (TCategoryRecord& c : CustomCategories)
        c = TCategoryRecord{};
    CustomWordCount = 0;
    for (TCustomWordRecord& w : CustomWords)
        w = TCustomWordRecord{};
    SpanishAnswers.Clear();
    EnglishAnswers.Clear();
}

class DataFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "lexory-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        savedPath_ = DataFilePath;
        DataFilePath = (dir_ / "Lexory.dat").string();
        LoadDataFile();  // nothing there: forgets a damaged file an earlier test held
        ResetStore();
        Apply(BlankRecord());  // zero spare bytes
        ResetStore();
    }
    void TearDown() override
    {
        DataFilePath = savedPath_;
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }

    fs::path dir_;
    std::string savedPath_;
};

}  // namespace

TEST(PreferencesRecord, EveryFieldAtItsOffset)
{
    TPreferences p;
    p.PrefsValid = 0xA1;
    p.WindowHeight = 0x01020304;
    p.WindowWidth = 0x05060708;
    p.WindowTop = -2;
    p.WindowLeft = 0x090A0B0C;
    p.ShowOverview = 0xA2;
    p.SelectedCategory = 0x0D0E0F10;
    p.SelectedSubCategory = 0x11121314;
    p.AllSubCategories = 0xA3;
    p.CommonFilter = 0x15161718;
    p.LearnedFilter = 0x191A1B1C;
    p.WordGame = 0x1D1E1F20;
    p.XWordType = 0x21222324;
    p.FreeWordCount = 0x25262728;
    p.SearchWordCount = 0x292A2B2C;
    p.SearchAllDirections = 0xA4;
    p.GridSizeIndex = 0x2D2E2F30;
    p.UncoverRows = 0x31323334;
    p.PlayerName[1] = "Ann";
    p.PlayerName[2] = "Bartholomew";
    p.PlayerName[3] = std::string(50, 'C');
    p.PlayerName[4] = "Jos\xE9";
    p.PlayerTarget[1] = 0x35363738;
    p.PlayerTarget[2] = 0x393A3B3C;
    p.PlayerTarget[3] = 0x3D3E3F40;
    p.PlayerTarget[4] = 0x41424344;
    p.ComputerPlays = 0xA5;
    p.FontSizeMode = 0x45464748;
    p.AnswerLanguage = "E";
    p.WordSortMode = 0x494A4B4C;

    std::array<uint8_t, 672> buf;
    buf.fill(0xEE);
    WritePreferences(p, buf);
    const uint8_t* b = buf.data();
    EXPECT_EQ(b[0], 0xA1);
    EXPECT_EQ(GetI32(b + 88), 0x01020304);
    EXPECT_EQ(b[88], 0x04);  // little-endian
    EXPECT_EQ(GetI32(b + 92), 0x05060708);
    EXPECT_EQ(GetI32(b + 96), -2);
    EXPECT_EQ(GetI32(b + 100), 0x090A0B0C);
    EXPECT_EQ(b[104], 0xA2);
    EXPECT_EQ(GetI32(b + 108), 0x0D0E0F10);
    EXPECT_EQ(GetI32(b + 112), 0x11121314);
    EXPECT_EQ(b[116], 0xA3);
    EXPECT_EQ(GetI32(b + 120), 0x15161718);
    EXPECT_EQ(GetI32(b + 124), 0x191A1B1C);
    EXPECT_EQ(GetI32(b + 128), 0x1D1E1F20);
    EXPECT_EQ(GetI32(b + 132), 0x21222324);
    EXPECT_EQ(GetI32(b + 140), 0x25262728);
    EXPECT_EQ(GetI32(b + 144), 0x292A2B2C);
    EXPECT_EQ(b[148], 0xA4);
    EXPECT_EQ(GetI32(b + 152), 0x2D2E2F30);
    EXPECT_EQ(GetI32(b + 156), 0x31323334);
    EXPECT_EQ(GetStr(b + 160), "Ann");
    EXPECT_EQ(GetI32(b + 212), 0x35363738);
    EXPECT_EQ(GetStr(b + 216), "Bartholomew");
    EXPECT_EQ(GetI32(b + 268), 0x393A3B3C);
    EXPECT_EQ(GetStr(b + 272), std::string(50, 'C'));
    EXPECT_EQ(GetI32(b + 324), 0x3D3E3F40);
    EXPECT_EQ(GetStr(b + 328), "Jos\xE9");
    EXPECT_EQ(GetI32(b + 380), 0x41424344);
    EXPECT_EQ(b[384], 0xA5);
    EXPECT_EQ(GetI32(b + 388), 0x45464748);
    EXPECT_EQ(GetStr(b + 392), "E");
    EXPECT_EQ(GetI32(b + 444), 0x494A4B4C);

    // Bytes no field owns come from the record as last read (here: never read, so zero).
    const std::vector<bool> named = NamedPrefsBytes();
    for (size_t i = 0; i < 672; ++i)
        if (!named[i]) {
            EXPECT_EQ(b[i], 0) << "byte " << i;
        }

    const TPreferences q = ReadPreferences(buf);
    EXPECT_EQ(q.PrefsValid, p.PrefsValid);
    EXPECT_EQ(q.WindowHeight, p.WindowHeight);
    EXPECT_EQ(q.WindowWidth, p.WindowWidth);
    EXPECT_EQ(q.WindowTop, p.WindowTop);
    EXPECT_EQ(q.WindowLeft, p.WindowLeft);
    EXPECT_EQ(q.ShowOverview, p.ShowOverview);
    EXPECT_EQ(q.SelectedCategory, p.SelectedCategory);
    EXPECT_EQ(q.SelectedSubCategory, p.SelectedSubCategory);
    EXPECT_EQ(q.AllSubCategories, p.AllSubCategories);
    EXPECT_EQ(q.CommonFilter, p.CommonFilter);
    EXPECT_EQ(q.LearnedFilter, p.LearnedFilter);
    EXPECT_EQ(q.WordGame, p.WordGame);
    EXPECT_EQ(q.XWordType, p.XWordType);
    EXPECT_EQ(q.FreeWordCount, p.FreeWordCount);
    EXPECT_EQ(q.SearchWordCount, p.SearchWordCount);
    EXPECT_EQ(q.SearchAllDirections, p.SearchAllDirections);
    EXPECT_EQ(q.GridSizeIndex, p.GridSizeIndex);
    EXPECT_EQ(q.UncoverRows, p.UncoverRows);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(q.PlayerName[i], p.PlayerName[i]) << i;
        EXPECT_EQ(q.PlayerTarget[i], p.PlayerTarget[i]) << i;
    }
    EXPECT_EQ(q.ComputerPlays, p.ComputerPlays);
    EXPECT_EQ(q.FontSizeMode, p.FontSizeMode);
    EXPECT_EQ(q.AnswerLanguage, "E");
    EXPECT_FALSE(q.SpanishAnswers());
    EXPECT_EQ(q.WordSortMode, p.WordSortMode);
}

TEST(PreferencesRecord, ReadThenWriteKeepsEveryByte)
{
    std::array<uint8_t, 672> in;
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = static_cast<uint8_t>(i * 31 + 7);
    for (size_t at : {160u, 216u, 272u, 328u, 392u})
        in[at] = 50;  // full-length names, so no byte of them is unused
    std::array<uint8_t, 672> out;
    out.fill(0);
    WritePreferences(ReadPreferences(in), out);
    EXPECT_EQ(out, in);
}

TEST(PreferencesRecord, OverlongNameIsReadAsFifty)
{
    std::array<uint8_t, 672> in{};
    in[160] = 255;
    for (int i = 1; i <= 50; ++i)
        in[160 + i] = static_cast<uint8_t>('a' + i % 26);
    in[392] = 255;
    in[393] = 'S';
    const TPreferences p = ReadPreferences(in);
    EXPECT_EQ(p.PlayerName[1].size(), 50);
    EXPECT_EQ(p.PlayerName[1], std::string(reinterpret_cast<const char*>(&in[161]), 50));
    EXPECT_EQ(p.AnswerLanguage.size(), 50);
    EXPECT_EQ(p.PlayerTarget[1], GetI32(&in[212]));  // the next field is not disturbed
}

TEST(DataFileLayout, SizesAndOffsets)
{
    EXPECT_EQ(PreferencesSize, 672u);
    EXPECT_EQ(CategoryRecordSize, 620u);
    EXPECT_EQ(CustomWordRecordSize, 176u);
    EXPECT_EQ(DataFileSize, kFileSize);
    EXPECT_EQ(LearnedFlagsOffset, kLearnedAt);
    EXPECT_EQ(CustomCategoryCountOffset, kCategoryCountAt);
    EXPECT_EQ(CustomCategoriesOffset, kCategoriesAt);
    EXPECT_EQ(CustomWordCountOffset, kWordCountAt);
    EXPECT_EQ(CustomWordsOffset, kWordsAt);
    EXPECT_EQ(SpareOffset, kSpareAt);
    // The parts fill the file without gaps.
    EXPECT_EQ(kLearnedAt + 10000, kCategoryCountAt);
    EXPECT_EQ(kCategoriesAt + 15 * 620, kWordCountAt);
    EXPECT_EQ(kWordsAt + 6000 * 176, kSpareAt);
    EXPECT_EQ(kSpareAt + 4, kFileSize);
}

TEST(DataFileLayout, CategoryRecord)
{
    TCategoryRecord cat;
    cat.Name = "My things";
    cat.SubCount = 11;
    for (int s = 0; s < 11; ++s)
        cat.SubNames[s] = "sub " + std::to_string(s);
    cat.SubNames[10] = std::string(50, 'z');
    Bytes buf(700, 0xAA);
    WriteCategoryRecord(cat, buf);
    EXPECT_EQ(GetStr(&buf[0]), "My things");
    EXPECT_EQ(GetI32(&buf[52]), 11);
    for (int s = 0; s < 10; ++s)
        EXPECT_EQ(GetStr(&buf[56 + 51 * s]), "sub " + std::to_string(s));
    EXPECT_EQ(GetStr(&buf[56 + 510]), std::string(50, 'z'));
    for (size_t i = 620; i < buf.size(); ++i)
        ASSERT_EQ(buf[i], 0xAA) << "written past the record at " << i;

    const TCategoryRecord back = ReadCategoryRecord(buf);
    EXPECT_EQ(back.Name, cat.Name);
    EXPECT_EQ(back.SubCount, 11);
    for (int s = 0; s < 11; ++s)
        EXPECT_EQ(back.SubNames[s], cat.SubNames[s]);
}

TEST(DataFileLayout, CustomWordRecord)
{
    TCustomWordRecord w;
    w.English = "widget";
    w.Spanish = "artilugio peque\xF1o";
    w.Note = "-a";
    w.WordType = 0x01020304;
    w.Category = 0x05060708;
    w.SubCategory = -3;
    w.LessCommon = 0x090A0B0C;
    w.Learned = 0xB7;
    Bytes buf(200, 0xAA);
    WriteCustomWordRecord(w, buf);
    EXPECT_EQ(GetStr(&buf[0]), "widget");
    EXPECT_EQ(GetStr(&buf[51]), "artilugio peque\xF1o");
    EXPECT_EQ(GetStr(&buf[102]), "-a");
    EXPECT_EQ(GetI32(&buf[156]), 0x01020304);
    EXPECT_EQ(GetI32(&buf[160]), 0x05060708);
    EXPECT_EQ(GetI32(&buf[164]), -3);
    EXPECT_EQ(GetI32(&buf[168]), 0x090A0B0C);
    EXPECT_EQ(buf[172], 0xB7);
    for (size_t i = 176; i < buf.size(); ++i)
        ASSERT_EQ(buf[i], 0xAA) << "written past the record at " << i;

    const TCustomWordRecord back = ReadCustomWordRecord(buf);
    EXPECT_EQ(back.English, w.English);
    EXPECT_EQ(back.Spanish, w.Spanish);
    EXPECT_EQ(back.Note, w.Note);
    EXPECT_EQ(back.WordType, w.WordType);
    EXPECT_EQ(back.Category, w.Category);
    EXPECT_EQ(back.SubCategory, w.SubCategory);
    EXPECT_EQ(back.LessCommon, w.LessCommon);
    EXPECT_EQ(back.Learned, w.Learned);
}

TEST_F(DataFile, AssembledPartsAtTheirOffsets)
{
    Preferences.PrefsValid = 1;
    Preferences.WindowWidth = 1234;
    Preferences.AnswerLanguage = "E";
    LearnedFlags[1] = 1;
    LearnedFlags[2] = 0x7F;
    LearnedFlags[10000] = 1;
    CustomCategoryCount = 2;
    CustomCategories[15].Name = "Mine";
    CustomCategories[15].SubCount = 1;
    CustomCategories[15].SubNames[0] = "Tools";
    CustomCategories[29].Name = "Last";
    CustomWordCount = 6000;
    CustomWords[1].English = "first";
    CustomWords[1].Category = 15;
    CustomWords[6000].English = "last";
    CustomWords[6000].Learned = 1;

    const Bytes rec = AssembleDataFile();
    ASSERT_EQ(rec.size(), kFileSize);
    EXPECT_EQ(rec[0], 1);
    EXPECT_EQ(GetI32(&rec[92]), 1234);
    EXPECT_EQ(GetStr(&rec[392]), "E");
    EXPECT_EQ(rec[kLearnedAt], 1);
    EXPECT_EQ(rec[kLearnedAt + 1], 0x7F);
    EXPECT_EQ(rec[kLearnedAt + 2], 0);
    EXPECT_EQ(rec[kLearnedAt + 9999], 1);
    EXPECT_EQ(GetI32(&rec[kCategoryCountAt]), 2);
    EXPECT_EQ(GetStr(&rec[kCategoriesAt]), "Mine");
    EXPECT_EQ(GetI32(&rec[kCategoriesAt + 52]), 1);
    EXPECT_EQ(GetStr(&rec[kCategoriesAt + 56]), "Tools");
    EXPECT_EQ(GetStr(&rec[kCategoriesAt + 14 * 620]), "Last");
    EXPECT_EQ(GetI32(&rec[kWordCountAt]), 6000);
    EXPECT_EQ(GetStr(&rec[kWordsAt]), "first");
    EXPECT_EQ(GetI32(&rec[kWordsAt + 160]), 15);
    EXPECT_EQ(GetStr(&rec[kWordsAt + 5999 * 176]), "last");
    EXPECT_EQ(rec[kWordsAt + 5999 * 176 + 172], 1);
    for (size_t i = kSpareAt; i < kFileSize; ++i)
        EXPECT_EQ(rec[i], 0);
}

TEST_F(DataFile, SaveThenLoadRestoresEverything)
{
    const int builtIn = BuiltInWordCount;
    ASSERT_GE(builtIn, 3);
    Preferences.PrefsValid = 1;
    Preferences.WindowHeight = 700;
    Preferences.SelectedCategory = 16;
    Preferences.CommonFilter = 0;
    Preferences.LearnedFilter = 1;
    Preferences.PlayerName[2] = "Mar\xED" "a";
    Preferences.PlayerTarget[4] = 25;
    Preferences.AnswerLanguage = "E";
    Preferences.WordSortMode = 3;
    Preferences.FontSizeMode = 3;
    LearnedFlags[WordTable[2].Id] = 1;
    CustomCategoryCount = 2;
    CustomCategories[15].Name = "Garage";
    CustomCategories[15].SubCount = 2;
    CustomCategories[15].SubNames[0] = "Tools";
    CustomCategories[15].SubNames[1] = "Parts";
    CustomCategories[16].Name = "Office";
    CustomCategories[16].SubCount = 1;
    CustomCategories[16].SubNames[0] = "Desk";
    CustomWordCount = 2;
    CustomWords[1] = {"qwerty gadget", "cachivache qwerty", "", WordFeminine, 15, 0, 0, 0};
    CustomWords[2] = {"stapler", "grapadora", "(Spain)", WordFeminine, 16, 0, 1, 1};
    ASSERT_TRUE(SaveDataFile());
    ASSERT_EQ(fs::file_size(DataFilePath), kFileSize);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temp file left
    const Bytes first = ReadAll(DataFilePath);

    ResetStore();
    LoadDataFile();
    EXPECT_EQ(Preferences.PrefsValid, 1);
    EXPECT_EQ(Preferences.WindowHeight, 700);
    EXPECT_EQ(Preferences.SelectedCategory, 16);
    EXPECT_EQ(Preferences.CommonFilter, 0);
    EXPECT_EQ(Preferences.LearnedFilter, 1);
    EXPECT_EQ(Preferences.PlayerName[2], "Mar\xED" "a");
    EXPECT_EQ(Preferences.PlayerTarget[4], 25);
    EXPECT_EQ(Preferences.AnswerLanguage, "E");
    EXPECT_EQ(Preferences.WordSortMode, 3);
    EXPECT_EQ(Preferences.FontSizeMode, 3);
    EXPECT_EQ(WordTable[2].Learned, 1);
    EXPECT_EQ(WordTable[1].Learned, 0);
    EXPECT_EQ(WordTable[3].Learned, 0);

    EXPECT_EQ(CustomCategoryCount, 2);
    EXPECT_EQ(TotalCategoryCount, CategoryCount + 2);
    EXPECT_EQ(CategoryTable[15].Name, "Garage");
    EXPECT_EQ(CategoryTable[15].SubCount, 2);
    EXPECT_EQ(CategoryTable[15].SubNames[1], "Parts");
    EXPECT_EQ(CategoryTable[16].Name, "Office");

    ASSERT_EQ(CustomWordCount, 2);
    ASSERT_EQ(WordCount, builtIn + 2);
    const TWordRecord& gadget = WordTable[builtIn + 1];
    EXPECT_EQ(gadget.Id, 1);
    EXPECT_EQ(gadget.English, "qwerty gadget");
    EXPECT_EQ(gadget.Spanish, "cachivache qwerty");
    EXPECT_EQ(gadget.WordType, WordFeminine);
    EXPECT_EQ(gadget.Category, 15);
    EXPECT_EQ(gadget.SubCategory, 0);
    EXPECT_EQ(gadget.LessCommon, 0);
    EXPECT_EQ(gadget.Learned, 0);
    const TWordRecord& stapler = WordTable[builtIn + 2];
    EXPECT_EQ(stapler.Id, 2);
    EXPECT_EQ(stapler.Note, "(Spain)");
    EXPECT_EQ(stapler.Category, 16);
    EXPECT_EQ(stapler.LessCommon, 1);
    EXPECT_EQ(stapler.Learned, 1);

    // The indexes were rebuilt with the custom words in them.
    bool found = false;
    for (int n = 1; n <= SpanishAnswers.Count(16); ++n)
        found |= SpanishAnswers.Entry(16, n).WordIndex == builtIn + 1;
    EXPECT_TRUE(found) << "\"cachivacheqwerty\" not filed";
    EXPECT_EQ(gadget.SpanishLetters, "cachivacheqwerty");

    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(ReadAll(DataFilePath), first);
}

TEST_F(DataFile, LoadThenSaveKeepsEveryByteOfAProgramWrittenFile)
{
    // Unnamed preference bytes, learned flags and the spare bytes hold arbitrary values.
    Bytes rec = BlankRecord();
    const std::vector<bool> named = NamedPrefsBytes();
    for (size_t i = 0; i < 672; ++i)
        if (!named[i])
            rec[i] = static_cast<uint8_t>(i * 13 + 5);
    rec[0] = 1;
    PutI32(&rec[88], 480);
    PutStr(&rec[392], "E");
    for (size_t i = 0; i < 10000; ++i)
        rec[kLearnedAt + i] = static_cast<uint8_t>(i % 7 == 0 ? i / 7 : 0);
    PutI32(&rec[kCategoryCountAt], 1);
    PutCategory(rec, 15, "Garage", {"Parts", "Tools"});
    PutI32(&rec[kWordCountAt], 2);
    PutWord(rec, 1, {"spanner", "llave", "", 1, 15, 1, 0, 1});
    PutWord(rec, 2, {"bolt", "perno", "", 0, 15, 0, 1, 0});
    rec[kSpareAt] = 0xDE;
    rec[kSpareAt + 1] = 0xAD;
    rec[kSpareAt + 2] = 0xBE;
    rec[kSpareAt + 3] = 0xEF;
    WriteAll(DataFilePath, rec);

    LoadDataFile();
    EXPECT_EQ(Preferences.WindowHeight, 480);
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(ReadAll(DataFilePath), rec);

    // The spare bytes stay with the globals until the next read, not with the file.
    fs::remove(DataFilePath);
    ASSERT_TRUE(SaveDataFile());
    const Bytes again = ReadAll(DataFilePath);
    ASSERT_EQ(again.size(), kFileSize);
    EXPECT_EQ(again[kSpareAt], 0xDE);
    EXPECT_EQ(again[kSpareAt + 3], 0xEF);
}

TEST_F(DataFile, SettingsOutOfRangeAreReadAsAFirstRun)
{
    // Font size mode, then the two filters: what no screen offers becomes the first run's value.
    const std::pair<int32_t, int32_t> modes[] = {{1, 1}, {3, 3}, {0, 2}, {-1, 2}, {4, 2}};
    const std::pair<int32_t, int32_t> filters[] = {{0, 0}, {1, 1}, {-1, 2}, {3, 2}, {0x7FFFFFFF, 2}};
    for (size_t i = 0; i < std::size(modes); ++i) {
        Bytes rec = BlankRecord();
        PutI32(&rec[388], modes[i].first);
        PutI32(&rec[120], filters[i].first);
        PutI32(&rec[124], filters[i].first);
        Apply(rec);
        EXPECT_EQ(Preferences.FontSizeMode, modes[i].second) << modes[i].first;
        EXPECT_EQ(Preferences.CommonFilter, filters[i].second) << filters[i].first;
        EXPECT_EQ(Preferences.LearnedFilter, filters[i].second) << filters[i].first;
    }
    const std::pair<const char*, const char*> cases[] = {
        {"X", "S"}, {"E", "E"}, {"S", "S"}, {"", "S"}, {"e", "S"}, {"s", "S"}, {"ES", "S"}, {"E ", "S"},
    };
    for (const auto& [stored, loaded] : cases) {
        Bytes rec = BlankRecord();
        PutStr(&rec[392], stored);
        Apply(rec);
        EXPECT_EQ(Preferences.AnswerLanguage, loaded) << '"' << stored << '"';
    }
}

TEST_F(DataFile, MissingFileIsAFirstRun)
{
    Preferences.PrefsValid = 1;
    Preferences.CommonFilter = 0;
    Preferences.LearnedFilter = 1;
    Preferences.AnswerLanguage = "E";
    Preferences.WindowWidth = 640;
    ASSERT_EQ(TotalAnswers(), 0);
    LoadDataFile();
    EXPECT_EQ(Preferences.PrefsValid, 0);
    EXPECT_EQ(Preferences.CommonFilter, 2);
    EXPECT_EQ(Preferences.LearnedFilter, 2);
    EXPECT_EQ(Preferences.AnswerLanguage, "S");
    EXPECT_EQ(Preferences.WindowWidth, 640);  // nothing else changes
    EXPECT_EQ(WordCount, BuiltInWordCount);
    EXPECT_GT(TotalAnswers(), 0);
    EXPECT_FALSE(fs::exists(DataFilePath));
}

TEST_F(DataFile, ShortFileIsTreatedAsMissing)
{
    for (size_t size : {size_t{0}, size_t{1000000}, kFileSize - 1}) {
        ResetStore();
        Bytes rec = BlankRecord();
        rec[0] = 1;
        PutStr(&rec[392], "E");
        PutI32(&rec[92], 999);
        rec.resize(size);
        WriteAll(DataFilePath, rec);
        EXPECT_EQ(LoadDataFile(), size == 0 ? DataFileState::None : DataFileState::Damaged) << size;
        EXPECT_EQ(Preferences.PrefsValid, 0) << size;
        EXPECT_EQ(Preferences.AnswerLanguage, "S") << size;
        EXPECT_EQ(Preferences.WindowWidth, 0) << size;
        EXPECT_GT(TotalAnswers(), 0) << size;
    }
}

TEST_F(DataFile, DamagedFileIsKeptAsideAndNeverWrittenOver)
{
    Bytes rec = BlankRecord();
    rec[0] = 1;
    PutStr(&rec[kCategoriesAt], "Garage");
    rec.resize(kFileSize / 2);
    WriteAll(DataFilePath, rec);
    ASSERT_EQ(LoadDataFile(), DataFileState::Damaged);
    EXPECT_FALSE(SaveDataFile());  // not before it is kept
    EXPECT_EQ(KeepDamagedDataFile(), "Lexory-damaged.dat");
    EXPECT_EQ(ReadAll(dir_ / "Lexory-damaged.dat"), rec);
    EXPECT_EQ(LoadDataFile(), DataFileState::None);  // the next read is a plain first run
    ASSERT_TRUE(SaveDataFile());

    // A second damaged file takes a name of its own; the first copy stays as it was.
    Bytes second(10, 0x5A);
    WriteAll(DataFilePath, second);
    ASSERT_EQ(LoadDataFile(), DataFileState::Damaged);
    EXPECT_EQ(KeepDamagedDataFile(), "Lexory-damaged-2.dat");
    EXPECT_EQ(ReadAll(dir_ / "Lexory-damaged.dat"), rec);
    EXPECT_EQ(ReadAll(dir_ / "Lexory-damaged-2.dat"), second);

    // Only a plain file is read: a pipe is not waited on (the alarm ends a read that hangs), a
    // device (one made here, root only) is not taken for a record, nor replaced by a save. Each is
    // kept aside too, and the next close writes a file.
    int kept = 3;
    for (const auto make : {+[](const char* p) { return ::mkfifo(p, 0600); },
                            +[](const char* p) { return ::mknod(p, S_IFCHR | 0600, ::makedev(1, 5)); }}) {
        fs::remove(DataFilePath);
        if (make(DataFilePath.c_str()) != 0)
            continue;  // an ordinary user may make no device
        ::alarm(10);
        EXPECT_EQ(LoadDataFile(), DataFileState::Damaged);
        ::alarm(0);
        EXPECT_FALSE(WriteFileRecord(DataFilePath, Bytes(10, 1)));
        EXPECT_FALSE(fs::is_regular_file(DataFilePath));
        const std::string name = "Lexory-damaged-" + std::to_string(kept++) + ".dat";
        EXPECT_EQ(KeepDamagedDataFile(), name);
        ASSERT_TRUE(SaveDataFile());
        EXPECT_EQ(ReadAll(DataFilePath), AssembleDataFile());
    }

    if (::geteuid() == 0)
        return;  // root reads every file and writes into every folder
    // A file the user may not read is damaged too; one that cannot be moved aside is never saved over.
    WriteAll(DataFilePath, second);
    fs::permissions(DataFilePath, fs::perms::none);
    EXPECT_EQ(LoadDataFile(), DataFileState::Damaged);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(KeepDamagedDataFile(), "");
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_FALSE(SaveDataFile());
    fs::permissions(DataFilePath, fs::perms::owner_read);
    EXPECT_EQ(ReadAll(DataFilePath), second);
}

TEST_F(DataFile, LongerFileReadsItsFirstRecord)
{
    Bytes rec = BlankRecord();
    rec[0] = 1;
    PutI32(&rec[92], 1234);
    rec[kSpareAt] = 0x11;
    rec[kSpareAt + 3] = 0x44;
    Bytes file = rec;
    file.resize(kFileSize + 100, 0x99);
    WriteAll(DataFilePath, file);
    LoadDataFile();
    EXPECT_EQ(Preferences.PrefsValid, 1);
    EXPECT_EQ(Preferences.WindowWidth, 1234);
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(ReadAll(DataFilePath), rec);
}

TEST_F(DataFile, StartUpReadsTwice)
{
    // First read lands on empty tables, the tables are built, then the lasting read.
    Bytes rec = BlankRecord();
    PutI32(&rec[kCategoryCountAt], 1);
    PutCategory(rec, 15, "Garage", {"Tools"});
    PutI32(&rec[kWordCountAt], 1);
    PutWord(rec, 1, {"spanner", "llave", "", 0, 15, 0, 0, 0});
    WriteAll(DataFilePath, rec);

    InitWordTablesFrom(nullptr, 0);
    LoadDataFile();
    EXPECT_EQ(WordCount, 1);
    InitWordTables();
    EXPECT_TRUE(CategoryTable[15].Name.empty());
    LoadDataFile();
    EXPECT_EQ(WordCount, BuiltInWordCount + 1);
    EXPECT_EQ(WordTable[BuiltInWordCount + 1].English, "spanner");
    EXPECT_EQ(CategoryTable[15].Name, "Garage");
}

TEST_F(DataFile, CustomWordsFollowTheBuiltInOnes)
{
    Bytes rec = BlankRecord();
    PutI32(&rec[kCategoryCountAt], 2);
    PutCategory(rec, 15, "Garage", {"Parts", "Tools"});
    PutCategory(rec, 20, "Office", {"Desk"});
    PutI32(&rec[kWordCountAt], 4);
    PutWord(rec, 1, {"spanner", "llave", "", 1, 15, 1, 0, 1});
    PutWord(rec, 2, {"stapler", "grapadora", "-s", 6, 20, 0, 1, 0});
    PutWord(rec, 3, {"odd type", "tipo raro", "", 8, 15, 0, 0, 0});
    PutWord(rec, 4, {"negative type", "tipo negativo", "", -1, 15, 0, 0, 0});
    Apply(rec);
    ASSERT_EQ(CustomWordCount, 4);
    ASSERT_EQ(WordCount, BuiltInWordCount + 4);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(WordTable[BuiltInWordCount + k].Id, k);
        EXPECT_EQ(WordTable[BuiltInWordCount + k].English, CustomWords[k].English);
    }
    const TWordRecord& spanner = WordTable[BuiltInWordCount + 1];
    EXPECT_EQ(spanner.Spanish, "llave");
    EXPECT_EQ(spanner.WordType, WordFeminine);
    EXPECT_EQ(spanner.SubCategory, 1);
    EXPECT_EQ(spanner.Learned, 1);
    const TWordRecord& stapler = WordTable[BuiltInWordCount + 2];
    EXPECT_EQ(stapler.Note, "-s");
    EXPECT_EQ(stapler.WordType, WordAdjective);
    EXPECT_EQ(stapler.Category, 20);
    EXPECT_EQ(stapler.LessCommon, 1);
    // A type outside 0..7 leaves the slot's type as it was.
    EXPECT_EQ(WordTable[BuiltInWordCount + 3].WordType, WordOther);
    EXPECT_EQ(WordTable[BuiltInWordCount + 4].WordType, WordOther);
}

TEST_F(DataFile, EmptyNamedCustomCategoryLeavesItsSlotAlone)
{
    CategoryTable[17].Name = "Before";
    CategoryTable[17].SubCount = 1;
    CategoryTable[17].SubNames[0] = "Kept";
    Bytes rec = BlankRecord();
    PutI32(&rec[kCategoryCountAt], 3);
    PutCategory(rec, 15, "One", {"a"});
    PutCategory(rec, 16, "Two", {"b", "c"});
    PutCategory(rec, 17, "", {"ignored"});
    Apply(rec);
    EXPECT_EQ(CustomCategoryCount, 3);
    EXPECT_EQ(TotalCategoryCount, CategoryCount + 3);
    EXPECT_EQ(CategoryTable[15].Name, "One");
    EXPECT_EQ(CategoryTable[16].SubCount, 2);
    EXPECT_EQ(CategoryTable[16].SubNames[1], "c");
    EXPECT_EQ(CategoryTable[17].Name, "Before");
    EXPECT_EQ(CategoryTable[17].SubNames[0], "Kept");
    EXPECT_EQ(CustomCategories[17].SubNames[0], "ignored");  // the stored record itself is kept
}

TEST_F(DataFile, LearnedFlagsMarkBuiltInWordsById)
{
    // Word numbers out of order and at the ends of the range.
    std::vector<std::string> lines = {
        ",D,,M,cat,gato,cats,gatos,Animals,Mammals,0,2, ",
        ",D,,M,dog,perro,dogs,perros,Animals,Mammals,0,1, ",
        ",D,,M,cow,vaca,cows,vacas,Animals,Mammals,0,3, ",
        ",D,,M,emu,em\xFA,emus,em\xFAs,Animals,Birds,0,10000, ",
        ",D,,M,owl,b\xFAho,owls,b\xFAhos,Animals,Birds,0,9999, ",
    };
    std::vector<const char*> ptrs;
    for (const std::string& l : lines)
        ptrs.push_back(l.c_str());
    InitWordTablesFrom(ptrs.data(), static_cast<int>(ptrs.size()));
    WordTable[3].Learned = 1;  // a zero flag does not clear a mark

    Bytes rec = BlankRecord();
    rec[kLearnedAt + 2 - 1] = 0x80;   // word number 2
    rec[kLearnedAt + 10000 - 1] = 1;  // word number 10000
    Apply(rec);
    EXPECT_EQ(WordTable[1].Learned, 1);
    EXPECT_EQ(WordTable[2].Learned, 0);
    EXPECT_EQ(WordTable[3].Learned, 1);
    EXPECT_EQ(WordTable[4].Learned, 1);
    EXPECT_EQ(WordTable[5].Learned, 0);
    EXPECT_EQ(LearnedFlags[2], 0x80);
    EXPECT_EQ(LearnedFlags[10000], 1);
}

TEST_F(DataFile, WordNumberOutOfRangeIsNotMarked)
{
    std::vector<std::string> lines = {
        ",D,,M,cat,gato,cats,gatos,Animals,Mammals,0,0, ",
        ",D,,M,dog,perro,dogs,perros,Animals,Mammals,0,10001, ",
        ",D,,M,cow,vaca,cows,vacas,Animals,Mammals,0,-5, ",
        ",D,,M,pig,cerdo,pigs,cerdos,Animals,Mammals,0,5, ",
    };
    std::vector<const char*> ptrs;
    for (const std::string& l : lines)
        ptrs.push_back(l.c_str());
    InitWordTablesFrom(ptrs.data(), static_cast<int>(ptrs.size()));
    WordTable[2].Id = 2000000000;
    Bytes rec = BlankRecord();
    std::fill(rec.begin() + kLearnedAt, rec.begin() + kLearnedAt + 10000, uint8_t{1});
    Apply(rec);
    EXPECT_EQ(WordTable[1].Learned, 0);
    EXPECT_EQ(WordTable[2].Learned, 0);
    EXPECT_EQ(WordTable[3].Learned, 0);
    EXPECT_EQ(WordTable[4].Learned, 1);
}

TEST_F(DataFile, VocabularyTheTablesCannotTakeWholeIsADamagedFile)
{
    // A file that reads: two sub-categories, ten, a nameless slot whose counts hold nothing.
    Bytes good = BlankRecord();
    good[0] = 1;
    PutI32(&good[92], 999);
    PutI32(&good[kCategoryCountAt], 3);
    PutCategory(good, 15, "Garage", {"Parts", "Tools"});
    PutCategory(good, 16, "Big", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    PutCategory(good, 29, "Last", {"Only"});
    PutI32(CategoryAt(good, 18) + 52, 7000);
    PutI32(&good[kWordCountAt], 3);
    PutWord(good, 1, {"spanner", "llave", "", 0, 15, 1});
    PutWord(good, 2, {"tenth", "d\xE9" "cimo", "", 0, 16, 9});
    PutWord(good, 3, {"last", "\xFAltimo", "", 0, 29, 0});
    WriteAll(DataFilePath, good);
    ASSERT_EQ(LoadDataFile(), DataFileState::Read);
    EXPECT_EQ(WordCount, BuiltInWordCount + 3);
    EXPECT_EQ(CustomCategories[18].SubCount, 10);  // nothing there to lose: bounded

    // Each of these would lose a name or words if read: the file is kept aside byte for byte.
    const std::vector<std::pair<std::string, std::function<void(Bytes&)>>> unfit = {
        {"11 sub-categories", [](Bytes& r) {
             PutCategory(r, 16, "Big", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"});
             PutWord(r, 2, {"eleventh", "und\xE9" "cimo", "", 0, 16, 10});
         }},
        {"11 sub-categories, no word in the 11th",
         [](Bytes& r) { PutCategory(r, 16, "Big", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}); }},
        {"7000 sub-categories", [](Bytes& r) { PutI32(CategoryAt(r, 15) + 52, 7000); }},
        {"-1 sub-categories", [](Bytes& r) { PutI32(CategoryAt(r, 29) + 52, -1); }},
        {"16 categories", [](Bytes& r) { PutI32(&r[kCategoryCountAt], 16); }},
        {"-1 categories", [](Bytes& r) { PutI32(&r[kCategoryCountAt], -1); }},
        {"6001 words", [](Bytes& r) { PutI32(&r[kWordCountAt], 6001); }},
        {"-1 words", [](Bytes& r) { PutI32(&r[kWordCountAt], -1); }},
        {"word in a built-in slot", [](Bytes& r) { PutWord(r, 3, {"x", "x", "", 0, 14, 0}); }},
        {"word past the table", [](Bytes& r) { PutWord(r, 3, {"x", "x", "", 0, 30, 0}); }},
        {"word in a nameless category", [](Bytes& r) { PutWord(r, 3, {"x", "x", "", 0, 18, 0}); }},
        {"word past the sub-categories", [](Bytes& r) { PutWord(r, 3, {"x", "x", "", 0, 15, 2}); }},
        {"word in sub-category -1", [](Bytes& r) { PutWord(r, 3, {"x", "x", "", 0, 15, -1}); }},
    };
    for (const auto& [what, spoil] : unfit) {
        SCOPED_TRACE(what);
        ResetStore();
        Bytes rec = good;
        spoil(rec);
        WriteAll(DataFilePath, rec);
        ASSERT_EQ(LoadDataFile(), DataFileState::Damaged);
        EXPECT_EQ(Preferences.PrefsValid, 0);  // a first run, nothing of the file taken
        EXPECT_EQ(Preferences.WindowWidth, 0);
        EXPECT_EQ(CustomCategoryCount, 0);
        EXPECT_EQ(TotalCategoryCount, CategoryCount);
        EXPECT_TRUE(CategoryTable[15].Name.empty());
        EXPECT_EQ(CustomWordCount, 0);
        EXPECT_EQ(WordCount, BuiltInWordCount);
        EXPECT_GT(TotalAnswers(), 0);
        EXPECT_FALSE(SaveDataFile());
        const std::string kept = KeepDamagedDataFile();
        ASSERT_FALSE(kept.empty());
        EXPECT_EQ(ReadAll(dir_ / kept), rec);
    }
}

TEST_F(DataFile, CustomWordsBeyondTheRoomLeftAreADamagedFile)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 9000; ++i)
        lines.push_back(",D,,M,e" + std::to_string(i) + ",s" + std::to_string(i) + ",,,Animals,Birds,0," +
                        std::to_string(i) + ", ");
    std::vector<const char*> ptrs;
    for (const std::string& l : lines)
        ptrs.push_back(l.c_str());
    InitWordTablesFrom(ptrs.data(), static_cast<int>(ptrs.size()));
    ASSERT_EQ(BuiltInWordCount, 9000);

    Bytes rec = BlankRecord();
    PutI32(&rec[kCategoryCountAt], 1);
    PutCategory(rec, 15, "Garage", {"Tools"});
    PutI32(&rec[kWordCountAt], 1001);
    for (int k = 1; k <= 1001; ++k)
        PutWord(rec, k, {"custom" + std::to_string(k), "propia" + std::to_string(k), "", 0, 15, 0, 0, 0});
    EXPECT_FALSE(Apply(rec));
    EXPECT_EQ(WordCount, 9000);
    EXPECT_EQ(CustomWordCount, 0);

    // Exactly the room left: every word taken.
    PutI32(&rec[kWordCountAt], 1000);
    ASSERT_TRUE(Apply(rec));
    EXPECT_EQ(CustomWordCount, 1000);
    EXPECT_EQ(WordCount, MaxWords);
    EXPECT_EQ(WordTable[MaxWords].Id, 1000);
    EXPECT_EQ(WordTable[MaxWords].English, "custom1000");
    EXPECT_TRUE(CustomWords[1001].English.empty());
}

TEST_F(DataFile, OverlongTextsAreCutToFifty)
{
    Bytes rec = BlankRecord();
    PutI32(&rec[kCategoryCountAt], 1);
    uint8_t* cat = CategoryAt(rec, 15);
    cat[0] = 255;
    std::fill(cat + 1, cat + 52, uint8_t{'N'});
    PutI32(cat + 52, 1);
    cat[56] = 255;
    std::fill(cat + 57, cat + 107, uint8_t{'s'});
    PutI32(&rec[kWordCountAt], 1);
    PutWord(rec, 1, {"", "", "", 0, 15, 0, 0, 0});
    uint8_t* word = WordAt(rec, 1);
    word[0] = 255;
    std::fill(word + 1, word + 51, uint8_t{'e'});
    word[51] = 255;
    std::fill(word + 52, word + 102, uint8_t{'p'});
    word[102] = 255;
    std::fill(word + 103, word + 153, uint8_t{'n'});
    rec[160] = 255;
    std::fill(&rec[161], &rec[211], uint8_t{'A'});
    Apply(rec);
    BuildWordLengthTables();

    EXPECT_EQ(CategoryTable[15].Name, std::string(50, 'N'));
    EXPECT_EQ(CategoryTable[15].SubNames[0], std::string(50, 's'));
    ASSERT_EQ(CustomWordCount, 1);
    const TWordRecord& w = WordTable[BuiltInWordCount + 1];
    EXPECT_EQ(w.English, std::string(50, 'e'));
    EXPECT_EQ(w.Spanish, std::string(50, 'p'));
    EXPECT_EQ(w.Note, std::string(50, 'n'));
    EXPECT_EQ(w.SubCategory, 0);
    EXPECT_EQ(Preferences.PlayerName[1], std::string(50, 'A'));

    // Written back as proper short strings.
    const Bytes out = AssembleDataFile();
    EXPECT_EQ(out[kCategoriesAt], 50);
    EXPECT_EQ(out[kWordsAt], 50);
    EXPECT_EQ(out[160], 50);
}

TEST_F(DataFile, SaveIntoMissingFolderFails)
{
    DataFilePath = (dir_ / "no such folder" / "Lexory.dat").string();
    EXPECT_FALSE(SaveDataFile());
    EXPECT_FALSE(fs::exists(dir_ / "no such folder"));
}

// Files in a folder but the one named.
std::vector<std::string> OthersIn(const fs::path& folder, const std::string& name)
{
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != name)
            others.push_back(entry.path().filename().string());
    return others;
}

// Runs `save` in a child process once `become` has set it up (as another user, with lower limits),
// and says whether it reported success.
bool SavedInAChild(const std::function<bool()>& become, const std::function<bool()>& save)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(!become() ? 3 : save() ? 0 : 1);
    int status = 0;
    EXPECT_GT(child, 0);
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 3) << "could not set up the child";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A user of the given groups (the first their own), under the usual umask.
std::function<bool()> User(uid_t uid, std::vector<gid_t> groups)
{
    return [uid, groups] {
        ::umask(022);
        return ::setgroups(groups.size(), groups.data()) == 0 && ::setgid(groups[0]) == 0 && ::setuid(uid) == 0;
    };
}

// Runs `save` as an ordinary user ("nobody" when the tests run as root, who writes anywhere).
bool SavedAsAUser(const std::function<bool()>& save)
{
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0)
        return SavedInAChild([] { return true; }, save);
    return SavedInAChild(nobody ? User(nobody->pw_uid, {nobody->pw_gid}) : [] { return false; }, save);
}

TEST_F(DataFile, ReadOnlyFolderOrFileAsAUser)
{
    Preferences.WindowWidth = 111;
    ASSERT_TRUE(SaveDataFile());
    const Bytes before = ReadAll(DataFilePath);
    Preferences.WindowWidth = 222;
    const Bytes after = AssembleDataFile();
    const struct stat owner = [&] { struct stat st {}; ::stat(DataFilePath.c_str(), &st); return st; }();

    // A file the user made read-only, in a folder they may write: not replaced, the failure reported.
    fs::permissions(dir_, fs::perms::all);
    fs::permissions(DataFilePath, fs::perms(0444));
    EXPECT_FALSE(SavedAsAUser(SaveDataFile));
    EXPECT_EQ(ReadAll(DataFilePath), before);
    EXPECT_EQ(OthersIn(dir_, "Lexory.dat"), std::vector<std::string>{});

    // A shared install: a folder the user may not write, holding a file they may. Saved in place.
    fs::permissions(DataFilePath, fs::perms(0666));
    fs::permissions(dir_, fs::perms(0555));
    EXPECT_TRUE(SavedAsAUser(SaveDataFile));
    EXPECT_EQ(ReadAll(DataFilePath), after);
    struct stat now {};
    ASSERT_EQ(::stat(DataFilePath.c_str(), &now), 0);
    EXPECT_EQ(now.st_ino, owner.st_ino);
    EXPECT_EQ(now.st_uid, owner.st_uid);
    // ... and a longer old file is cut to the record.
    fs::permissions(dir_, fs::perms::all);
    WriteAll(DataFilePath, Bytes(kFileSize + 500, 7));
    fs::permissions(dir_, fs::perms(0555));
    EXPECT_TRUE(SavedAsAUser(SaveDataFile));
    EXPECT_EQ(ReadAll(DataFilePath), after);
    // ... but never while another copy holds it, even only to read: after the wait, the save
    // fails, the file as it was.
    {
        const int held = ::open(DataFilePath.c_str(), O_RDONLY);
        ASSERT_EQ(::flock(held, LOCK_SH), 0);
        Preferences.WindowWidth = 333;
        EXPECT_FALSE(SavedAsAUser(SaveDataFile));
        ::close(held);
        EXPECT_EQ(ReadAll(DataFilePath), after);
    }

    // Neither folder nor file writable: the old file stays as it was.
    fs::permissions(DataFilePath, fs::perms(0444));
    Preferences.WindowWidth = 333;
    EXPECT_FALSE(SavedAsAUser(SaveDataFile));
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(ReadAll(DataFilePath), after);
    EXPECT_EQ(OthersIn(dir_, "Lexory.dat"), std::vector<std::string>{});

    if (::geteuid() != 0)
        GTEST_SKIP() << "two users sharing a folder need root to act them out";
    // Two members of a family group, each with a group of their own.
    constexpr uid_t ann = 64991, ben = 64992;
    constexpr gid_t family = 64990;
    const auto saveAs = [&](const std::function<bool()>& user, int width) {
        Preferences.WindowWidth = width;
        return SavedInAChild(user, SaveDataFile) && ReadAll(DataFilePath) == AssembleDataFile();
    };
    // Owner, group, mode and whether the file is still the one it was.
    auto file = [&, ino = ino_t{0}]() mutable {
        struct stat st {};
        ::stat(DataFilePath.c_str(), &st);
        const bool same = std::exchange(ino, st.st_ino) == st.st_ino;
        return std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777, same);
    };
    // A folder the group shares without the setgid bit: each save keeps the group, so the next
    // member may write it too, and the mode the umask would strip.
    ASSERT_EQ(::chown(dir_.c_str(), 0, family), 0);
    fs::permissions(dir_, fs::perms(0775));
    ASSERT_EQ(::chown(DataFilePath.c_str(), 0, family), 0);
    fs::permissions(DataFilePath, fs::perms(0664));
    for (const auto& [who, width] : {std::pair{ann, 401}, {ann, 402}, {ben, 403}}) {
        EXPECT_TRUE(saveAs(User(who, {who, family}), width)) << width;
        EXPECT_EQ(file(), std::tuple(who, family, 0664u, false)) << width;
    }
    // A saver who may not give the group its members need: written in place.
    fs::permissions(dir_, fs::perms(0777));
    fs::permissions(DataFilePath, fs::perms(0660));
    file();
    EXPECT_TRUE(saveAs(User(ben, {ben}), 404));
    EXPECT_EQ(file(), std::tuple(ben, family, 0660u, true));
    // A sticky folder holding another user's file that everyone may write: written in place.
    fs::permissions(dir_, fs::perms(01777));
    fs::permissions(DataFilePath, fs::perms(0666));
    ASSERT_EQ(::chown(DataFilePath.c_str(), ann, ann), 0);
    EXPECT_TRUE(saveAs(User(ben, {ben}), 405));
    EXPECT_EQ(file(), std::tuple(ann, ann, 0666u, true));
    EXPECT_EQ(OthersIn(dir_, "Lexory.dat"), std::vector<std::string>{});
}

TEST_F(DataFile, WriteCutShortKeepsTheOldFile)
{
    // A file-size limit makes the write fail part way, as a full disk would.
    Preferences.WindowWidth = 111;
    ASSERT_TRUE(SaveDataFile());
    const Bytes before = ReadAll(DataFilePath);

    bool saved = false;
    {
        // The store alone: nothing here has asked for the limit's signal to be ignored.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const FileSizeLimit full(4096);
        if (full.IsSet()) {
            Preferences.WindowWidth = 222;
            saved = SaveDataFile();
        }
        std::signal(SIGXFSZ, oldHandler);
        if (!full.IsSet())
            GTEST_SKIP() << "cannot limit the file size";
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAll(DataFilePath), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    // No file handle left for the temporary: the save fails rather than write over the old file.
    const auto oneHandleLeft = [] {
        const int next = ::open("/dev/null", O_RDONLY);
        const rlimit limit{rlim_t(next + 1), rlim_t(next + 1)};
        return next >= 0 && ::close(next) == 0 && ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
    };
    EXPECT_FALSE(SavedInAChild(oneHandleLeft, SaveDataFile));
    EXPECT_EQ(ReadAll(DataFilePath), before);
}

TEST_F(DataFile, TwoProgramsSavingAtOnceLeaveOneWholeFile)
{
    // Two copies of the program closing together (a logout) save the same file at once, while
    // a third party reads it: every read finds one whole record, and each save's report is true.
    const fs::path path = dir_ / "LXQ_Shared.dat";
    const Bytes first(100000, 0xA1);
    const Bytes second(100000, 0xB2);
    ASSERT_TRUE(WriteFileRecord(path.string(), first));
    fs::permissions(path, fs::perms(0600));
    std::atomic<int> writing{2};
    std::atomic<int> failedSaves{0};
    auto writer = [&](const Bytes& record) {
        for (int round = 0; round < 40; ++round)
            failedSaves += !WriteFileRecord(path.string(), record);
        --writing;
    };
    std::thread a(writer, std::cref(first));
    std::thread b(writer, std::cref(second));
    int badReads = 0;
    int reads = 0;
    int openTemporaries = 0;  // a private file's temporary is private from its start too
    while (writing > 0 && reads < 100000) {
        const Bytes seen = ReadAll(path);
        badReads += seen != first && seen != second;
        ++reads;
        std::error_code ec;
        struct stat st {};
        for (const auto& entry : fs::directory_iterator(dir_, ec))
            openTemporaries += entry.path().extension() == ".tmp" && ::stat(entry.path().c_str(), &st) == 0 &&
                               (st.st_mode & 077) != 0;
    }
    a.join();
    b.join();
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(badReads, 0) << "of " << reads << " reads";
    EXPECT_EQ(openTemporaries, 0);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    const Bytes last = ReadAll(path);
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(OthersIn(dir_, "LXQ_Shared.dat"), std::vector<std::string>{});
}

TEST_F(DataFile, SaveKeepsPermissionsAndWritesThroughLinks)
{
    const Bytes record(5000, 0x42);
    struct MaskKept {
        mode_t old = ::umask(022);
        ~MaskKept() { ::umask(old); }
    } mask;
    // A first file gets the usual permissions; a replaced one keeps what the user gave it.
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(fs::status(DataFilePath).permissions(), fs::perms(0644));
    for (const auto mode : {fs::perms(0640), fs::perms(0664)}) {  // also one the umask would strip
        fs::permissions(DataFilePath, mode);
        ASSERT_TRUE(SaveDataFile());
        EXPECT_EQ(fs::status(DataFilePath).permissions(), mode);
    }
    // A copy run once with sudo leaves the user's file theirs, also when only its owner differs.
    if (const passwd* nobody = ::getpwnam("nobody"); nobody && ::geteuid() == 0) {
        for (const gid_t group : {nobody->pw_gid, gid_t{0}}) {
            ASSERT_EQ(::chown(DataFilePath.c_str(), nobody->pw_uid, group), 0);
            ASSERT_TRUE(SaveDataFile());
            struct stat st {};
            ASSERT_EQ(::stat(DataFilePath.c_str(), &st), 0);
            EXPECT_EQ(st.st_uid, nobody->pw_uid);
            EXPECT_EQ(st.st_gid, group);
        }
    }

    // A data file kept elsewhere through a link (also a link to a link): the save writes the
    // file at the end of the links, and every link stays a link.
    fs::create_directory(dir_ / "store");
    WriteAll(dir_ / "store" / "real.dat", Bytes(10, 1));
    fs::remove(DataFilePath);
    fs::create_symlink("store/real.dat", DataFilePath);
    fs::create_symlink("Lexory.dat", dir_ / "second-link.dat");
    ASSERT_TRUE(WriteFileRecord(DataFilePath, record));
    ASSERT_TRUE(WriteFileRecord((dir_ / "second-link.dat").string(), record));
    EXPECT_TRUE(fs::is_symlink(DataFilePath));
    EXPECT_TRUE(fs::is_symlink(dir_ / "second-link.dat"));
    EXPECT_EQ(ReadAll(dir_ / "store" / "real.dat"), record);
    // A link whose file is not there yet: the file is made where the link points.
    fs::create_symlink(dir_ / "store" / "new.dat", dir_ / "dangling.dat");
    ASSERT_TRUE(WriteFileRecord((dir_ / "dangling.dat").string(), record));
    EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.dat"));
    EXPECT_EQ(ReadAll(dir_ / "store" / "new.dat"), record);
    EXPECT_EQ(OthersIn(dir_ / "store", "real.dat"), std::vector<std::string>{"new.dat"});
}

TEST_F(DataFile, SaveThroughALinkOntoAnotherFileSystem)
{
    // The temporary goes beside the file, not the link: a rename cannot cross file systems.
    std::string pattern = "/dev/shm/lexory-test-XXXXXX";
    if (!fs::is_directory("/dev/shm") || !::mkdtemp(pattern.data()))
        GTEST_SKIP() << "no /dev/shm to link into";
    const fs::path elsewhere = pattern;
    struct stat here {}, there {};
    ::stat(dir_.c_str(), &here);
    ::stat(elsewhere.c_str(), &there);
    if (here.st_dev == there.st_dev) {
        fs::remove_all(elsewhere);
        GTEST_SKIP() << "/dev/shm is on the test folder's file system";
    }
    WriteAll(elsewhere / "real.dat", Bytes(10, 1));
    fs::create_symlink(elsewhere / "real.dat", DataFilePath);
    const Bytes record(5000, 0x42);
    EXPECT_TRUE(WriteFileRecord(DataFilePath, record));
    EXPECT_TRUE(fs::is_symlink(DataFilePath));
    EXPECT_EQ(ReadAll(elsewhere / "real.dat"), record);
    fs::remove_all(elsewhere);
}

TEST_F(DataFile, TemporariesOfEndedSavesAreRemoved)
{
    // A save killed part way left its temporary; a copy still running has one in use.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    const std::string left = ".Lexory.dat.lexory-" + std::to_string(ended) + "-0.tmp";
    const std::string inUse = ".Lexory.dat.lexory-" + std::to_string(::getppid()) + "-4.tmp";
    const std::string otherFile = ".LXQ_Board.dat.lexory-" + std::to_string(ended) + "-0.tmp";
    // A user's own files named like temporaries: a dated backup, and the name an older save gave.
    const std::string backup = "Lexory.dat.20241209-1.tmp";
    const std::string older = "Lexory.dat." + std::to_string(ended) + "-0.tmp";
    for (const std::string& name : {left, inUse, otherFile, backup, older, "." + backup})
        WriteAll(dir_ / name, Bytes(100, 1));
    ASSERT_TRUE(SaveDataFile());
    EXPECT_FALSE(fs::exists(dir_ / left));
    for (const std::string& name : {inUse, otherFile, backup, older, "." + backup})
        EXPECT_TRUE(fs::exists(dir_ / name)) << name;

}

TEST_F(DataFile, EveryCloseSavesOnAFileSystemWithoutModes)
{
    // FAT through FUSE: the file system refuses every change of mode or owner.
    if (!fs::exists("/dev/fuse") || std::system("command -v fusefat mkfs.fat fusermount >/dev/null") != 0)
        GTEST_SKIP() << "no /dev/fuse, fusefat or mkfs.fat here: tools/setup-debian.sh installs them";
    const fs::path image = dir_ / "fat.img";
    const fs::path mount = dir_ / "fat";
    fs::create_directory(mount);
    const std::string quiet = " >/dev/null 2>&1";
    if (std::system(("mkfs.fat -C " + image.string() + " 8192" + quiet).c_str()) != 0 ||
        std::system(("fusefat -o rw+ " + image.string() + " " + mount.string() + quiet).c_str()) != 0)
        GTEST_SKIP() << "cannot mount a FAT image through FUSE here";
    struct Unmount {
        std::string command;
        ~Unmount() { (void)!std::system(command.c_str()); }
    } unmount{"fusermount -u " + mount.string() + quiet};

    DataFilePath = (mount / "Lexory.dat").string();
    for (int close = 1; close <= 3; ++close) {
        Preferences.WindowWidth = 100 * close;
        EXPECT_TRUE(SaveDataFile()) << "close " << close;
        EXPECT_EQ(ReadAll(DataFilePath), AssembleDataFile()) << "close " << close;
    }
    EXPECT_EQ(OthersIn(mount, "Lexory.dat"), std::vector<std::string>{});
}

TEST(TextCodec, EveryWindows1252LetterRoundTrips)
{
    const std::set<int> unassigned = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (int b = 1; b <= 0xFF; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = Utf8FromCp1252(one);
        if (unassigned.count(b)) {
            EXPECT_EQ(Cp1252ToUnicode(static_cast<unsigned char>(b)), 0u) << b;
            EXPECT_EQ(utf8, "?") << b;
            continue;
        }
        int bad = -1;
        EXPECT_EQ(Cp1252FromUtf8(utf8, &bad), one) << b;
        EXPECT_EQ(bad, 0) << b;
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(b))), b) << b;
    }
}

TEST(TextCodec, KnownLetters)
{
    EXPECT_EQ(Cp1252FromUtf8("\xC3\xA1rbol"), "\xE1rbol");                              // á
    EXPECT_EQ(Cp1252FromUtf8("\xC3\xB1" "and\xC3\xBA"), "\xF1" "and\xFA");              // ñ ú
    EXPECT_EQ(Cp1252FromUtf8("\xC2\xBF\xC2\xA1\xC3\x9C"), "\xBF\xA1\xDC");              // ¿ ¡ Ü
    EXPECT_EQ(Cp1252FromUtf8("\xE2\x82\xAC"), "\x80");                                  // €
    EXPECT_EQ(Cp1252FromUtf8("\xC5\x93\xE2\x80\x9C"), "\x9C\x93");                      // œ “
    EXPECT_EQ(Utf8FromCp1252("\x80\x99\x9F"), "\xE2\x82\xAC\xE2\x84\xA2\xC5\xB8");      // € ™ Ÿ
    EXPECT_EQ(Utf8FromCp1252("plain"), "plain");
}

TEST(TextCodec, UnrepresentableAndBrokenInput)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\xE4\xB8\xAD" "b", "a?b"},         // a Chinese letter
        {"\xF0\x9F\x98\x80", "?"},             // a four-byte letter is one mark
        {"x\xC3", "x?"},                       // cut off in the middle
        {"\x80y", "?y"},                       // a stray continuation byte
        {"\xC3(", "?("},                       // lead byte without its continuation
        {"\xC4\x80", "?"},                     // Ā: Latin, but not in the code page
    };
    for (const auto& [in, out] : cases) {
        int bad = 0;
        EXPECT_EQ(Cp1252FromUtf8(in, &bad), out);
        EXPECT_EQ(bad, 1);
    }
    EXPECT_EQ(UnicodeToCp1252(0x4E2D), -1);
    EXPECT_EQ(UnicodeToCp1252(0x0100), -1);
}

TEST(TextCodec, Helpers)
{
    EXPECT_EQ(LowerAscii("ABC xyz \xC1\xD1"), "abc xyz \xC1\xD1");
    EXPECT_EQ(FoldSpanishAccents("\xE1\xC1\xE9\xC9\xED\xCD\xF3\xD3\xFA\xDA\xFC\xDC\xF1\xD1"), "aaeeiioouuuunn");
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
}

TEST(TextCodec, StoredTextsHoldNoControlCharacter)
{
    // Two spreadsheet cells, lines of a list: a pasted tab or line break is one blank.
    const std::pair<std::string, std::string> taken[] = {
        {"gato\tgris", "gato gris"}, {"gato\r\ngris", "gato gris"}, {"gato \r gris", "gato gris"},
        {"a\n\nb\tc", "a b c"},      {"\t\n gato\n", "gato"},       {"el  gato ", "el  gato "},
    };
    for (const auto& [in, expect] : taken) {
        std::string out;
        EXPECT_TRUE(StorableText(in, out)) << in;
        EXPECT_EQ(out, expect) << in;
    }
    // Every other control character is refused and named; the text as given is left alone.
    for (int c : {0, 7, 11, 31, 127}) {
        std::string out = "unchanged";
        unsigned char refused = 0xFF;
        EXPECT_FALSE(StorableText("gato\t" + std::string(1, char(c)) + "gris", out, &refused)) << c;
        EXPECT_EQ(refused, c);
        EXPECT_EQ(out, "unchanged");
    }
}

TEST(RandomNumbers, RangeAndRepeatability)
{
    RandSeed(1);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-7), 0);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(Random(1), 0);

    for (int n : {2, 7, 100, 1 << 30}) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const int r = Random(n);
            ASSERT_GE(r, 0);
            ASSERT_LT(r, n);
            seen.insert(r);
        }
        if (n <= 7) {
            EXPECT_EQ(static_cast<int>(seen.size()), n) << "not every value of 0.." << n - 1 << " drawn";
        }
    }

    auto draw = [](uint32_t seed) {
        RandSeed(seed);
        std::vector<int> v;
        for (int i = 0; i < 50; ++i)
            v.push_back(Random(1000));
        return v;
    };
    EXPECT_EQ(draw(42), draw(42));
    EXPECT_NE(draw(42), draw(43));
}

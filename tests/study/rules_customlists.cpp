// The custom vocabulary's table operations and the Custom Lists checks, on small tables of
// our own: sorting, re-pointing, compaction, refusals, limits and the data file.

#include "CustomListsRules.h"
#include "CustomVocabulary.h"
#include "WordListsRules.h"

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "LX_Globals.h"
#include "RecordIO.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Two built-in words in one category; no custom vocabulary; a clean selection.
void UseBuiltIns(std::vector<std::string> lines = {",D,/a,adj,clean,limpio,,,Home,Rooms,0,1, ",
                                                   ",D,,M,he/she,\xE9l/ella,,,Home,Rooms,1,2, "})
{
    std::vector<const char*> raw;
    for (const std::string& l : lines)
        raw.push_back(l.c_str());
    InitWordTablesFrom(raw.data(), static_cast<int>(raw.size()));
    CustomCategoryCount = 0;
    for (TCategoryRecord& c : CustomCategories)
        c = TCategoryRecord{};
    CustomWordCount = 0;
    for (TCustomWordRecord& w : CustomWords)
        w = TCustomWordRecord{};
    Preferences = TPreferences{};
    Preferences.AnswerLanguage = "S";
    BuildWordLengthTables();
}

// A custom word appended behind the others, as the data file load places it.
int AppendWord(int category, int sub, const std::string& english, const std::string& spanish = "x")
{
    TWordRecord& w = WordTable[++WordCount];
    w = TWordRecord{};
    w.Category = category;
    w.SubCategory = sub;
    w.English = english;
    w.Spanish = spanish;
    w.LessCommon = 0;
    ++CustomWordCount;
    return WordCount;
}

void SetCategory(int slot, const std::string& name, std::vector<std::string> subs = {})
{
    CustomCategories[slot] = TCategoryRecord{};
    CustomCategories[slot].Name = name;
    CustomCategories[slot].SubCount = static_cast<int>(subs.size());
    for (size_t i = 0; i < subs.size(); ++i)
        CustomCategories[slot].SubNames[i] = subs[i];
}

std::vector<std::string> CategoryNames()
{
    std::vector<std::string> names;
    for (int s = 15; s < 15 + CustomCategoryCount; ++s)
        names.push_back(CustomCategories[s].Name.str());
    return names;
}

// Every invariant that must hold after any change of the custom vocabulary.
void ExpectInvariants()
{
    EXPECT_EQ(WordCount, BuiltInWordCount + CustomWordCount);
    EXPECT_EQ(TotalCategoryCount, 15 + CustomCategoryCount);
    for (int k = 1; k <= CustomWordCount; ++k) {
        const TWordRecord& w = WordTable[BuiltInWordCount + k];
        EXPECT_EQ(w.Id, k);
        EXPECT_EQ(CustomWords[k].English, w.English);
        EXPECT_EQ(CustomWords[k].Category, w.Category);
        EXPECT_EQ(CustomWords[k].SubCategory, w.SubCategory);
        ASSERT_GE(w.Category, 15);
        ASSERT_LT(w.Category, 15 + CustomCategoryCount);
        EXPECT_LT(w.SubCategory, CustomCategories[w.Category].SubCount);
        if (k > 1) {
            EXPECT_LE(LowerAscii(WordTable[BuiltInWordCount + k - 1].English.view()), LowerAscii(w.English.view()));
        }
    }
    for (int s = 15; s < 30; ++s) {
        EXPECT_EQ(CategoryTable[s].Name, CustomCategories[s].Name);
        EXPECT_EQ(s < 15 + CustomCategoryCount, !CustomCategories[s].Name.empty()) << s;
    }
}

}  // namespace

TEST(CustomResort, CategoriesSortAndWordsAndSelectionFollow)
{
    UseBuiltIns();
    SetCategory(15, "zoo", {"b", "a"});
    SetCategory(16, "\xD1" "and\xFA");  // Ñandú: a byte above z sorts last
    SetCategory(17, "Apple", {"x"});
    SetCategory(18, "apple");  // equal lower-case names keep slot order
    CustomCategoryCount = 4;
    const int zooWord = AppendWord(15, 1, "lion");
    const int zooBWord = AppendWord(15, 0, "bear");
    const int appleWord = AppendWord(17, 0, "core");
    Preferences.SelectedCategory = 15;
    Preferences.SelectedSubCategory = 1;

    SortCustomCategories();
    EXPECT_EQ(CategoryNames(), (std::vector<std::string>{"Apple", "apple", "zoo", "\xD1" "and\xFA"}));
    EXPECT_EQ(WordTable[zooWord].Category, 17);
    EXPECT_EQ(WordTable[appleWord].Category, 15);  // moved onto the slot zoo left: not moved again
    EXPECT_EQ(Preferences.SelectedCategory, 17);
    EXPECT_EQ(CategoryTable[17].SubNames[1], "a");

    // Sub-categories of zoo: "a" comes first; the word in "a" and the stored choice follow it,
    // the word in "b" follows "b".
    SortCustomSubCategories(17);
    EXPECT_EQ(CustomCategories[17].SubNames[0], "a");
    EXPECT_EQ(WordTable[zooWord].SubCategory, 0);
    EXPECT_EQ(WordTable[zooBWord].SubCategory, 1);
    EXPECT_EQ(Preferences.SelectedSubCategory, 0);
    SortCompactCustomWords();
    RebuildCustomWords();
    ExpectInvariants();
}

TEST(CustomResort, GapsInAFileCloseAndStaleSubNamesStayOut)
{
    UseBuiltIns();
    // A data file with a named slot behind an empty one, and a name behind a sub count.
    SetCategory(17, "kept", {"one"});
    CustomCategories[17].SubNames[1] = "stale";
    CustomCategoryCount = 1;
    const int word = AppendWord(17, 0, "w");
    SetCategory(16, "also kept");  // behind the count, where an add would write
    EXPECT_EQ(AddCustomCategory("added"), 15);
    EXPECT_EQ(CategoryNames(), (std::vector<std::string>{"added", "also kept", "kept"}));
    EXPECT_EQ(WordTable[word].Category, 17);
    DeleteCustomCategory(15);
    DeleteCustomCategory(15);
    SortCustomCategories();
    EXPECT_EQ(CustomCategoryCount, 1);
    EXPECT_EQ(CustomCategories[15].Name, "kept");
    EXPECT_EQ(WordTable[word].Category, 15);
    SortCustomSubCategories(15);
    EXPECT_EQ(CustomCategories[15].SubCount, 1);
    EXPECT_TRUE(CustomCategories[15].SubNames[1].empty());
    RebuildCustomWords();
    ExpectInvariants();
}

TEST(CustomResort, DeletedSelectionFallsBackToTheFirstCategory)
{
    UseBuiltIns();
    AddCustomCategory("b");
    AddCustomCategory("a");
    AddCustomSubCategory(16, "s1");
    AddCustomSubCategory(16, "s2");
    Preferences.SelectedCategory = 16;  // "b", sub-category "s2"
    Preferences.SelectedSubCategory = 1;
    DeleteCustomSubCategory(16, 1);
    EXPECT_EQ(Preferences.SelectedCategory, 16);
    EXPECT_EQ(Preferences.AllSubCategories, 1);
    EXPECT_EQ(Preferences.SelectedSubCategory, 1);  // the " All" row of the one left
    DeleteCustomCategory(16);
    EXPECT_EQ(Preferences.SelectedCategory, 0);
    EXPECT_EQ(Preferences.AllSubCategories, 1);
    EXPECT_EQ(Preferences.SelectedSubCategory, CategoryTable[0].SubCount);
}

TEST(CustomResort, CompactionDropsEmptiedWordsAndKeepsEqualKeysInOrder)
{
    UseBuiltIns();
    AddCustomCategory("c");
    AddCustomSubCategory(15, "s");
    // More than 16 equal keys, in two spellings, behind a word that sorts after them.
    AppendWord(15, 0, "zebra");
    for (int i = 0; i < 20; ++i)
        AppendWord(15, 0, i % 2 ? "Same" : "same", std::to_string(i));
    const int dropped = AppendWord(15, 0, "gone");
    WordTable[dropped].English.clear();
    SortCompactCustomWords();
    RebuildCustomWords();
    ASSERT_EQ(CustomWordCount, 21);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(WordTable[BuiltInWordCount + 1 + i].Spanish, std::to_string(i));
    EXPECT_EQ(WordTable[WordCount].English, "zebra");
    EXPECT_TRUE(WordTable[WordCount + 1].English.empty());
    EXPECT_EQ(WordTable[WordCount + 1].Category, -1);
    ExpectInvariants();

    // Deleting the category drops every word; nothing is offered any more.
    DeleteCustomCategory(15);
    EXPECT_EQ(WordCount, BuiltInWordCount);
    EXPECT_EQ(CustomWordCount, 0);
    for (int len = 3; len <= 20; ++len)
        for (int n = 1; n <= SpanishAnswers.Count(len); ++n)
            EXPECT_LE(SpanishAnswers.Entry(len, n).WordIndex, BuiltInWordCount);
}

TEST(CustomNames, RefusalsAndBlanks)
{
    UseBuiltIns();
    EXPECT_EQ(CheckCategoryName("   ", -1), "Category description must be filled in.");
    EXPECT_EQ(CheckSubCategoryName(15, "", -1), "Sub-category description must be filled in.");
    const int slot = AddCustomCategory(" Pets ");  // stored as typed
    EXPECT_EQ(CustomCategories[slot].Name, " Pets ");
    // Blanks around either name do not hide a duplicate.
    EXPECT_EQ(CheckCategoryName("Pets", -1), "Category description : Pets already exists.");
    EXPECT_EQ(CheckCategoryName("  Pets", -1), "Category description : Pets already exists.");
    EXPECT_EQ(CheckCategoryName("pets", -1), "");        // case counts
    EXPECT_EQ(CheckCategoryName("Pets", slot), "");      // renaming to itself
    EXPECT_EQ(CheckCategoryName("Home", -1), "");        // a built-in name
    AddCustomSubCategory(slot, "Dogs");
    EXPECT_EQ(CheckSubCategoryName(slot, " Dogs ", -1), "Sub-category description : Dogs already exists.");
    EXPECT_EQ(CheckSubCategoryName(slot, "Dogs", 0), "");
}

TEST(CustomNames, ANewCategoryStartsEmptyAndLimitsDisableTheButtons)
{
    UseBuiltIns();
    std::vector<WordListRow> none;
    EXPECT_TRUE(CustomButtons(15, 0, none, 0).AddCategory);
    EXPECT_FALSE(CustomButtons(15, 0, none, 0).AddSubCategory);  // no category yet
    EXPECT_FALSE(CustomButtons(15, 0, none, 0).EditCategory);
    // A stale slot left by an earlier category: the new one must not inherit its names.
    CustomCategories[15].SubNames[0] = "old";
    CustomCategories[15].SubCount = 3;
    const int slot = AddCustomCategory("fresh");
    EXPECT_EQ(CustomCategories[slot].SubCount, 0);
    EXPECT_TRUE(CustomCategories[slot].SubNames[0].empty());
    EXPECT_FALSE(CustomButtons(slot, 0, none, 0).AddWords);  // no sub-category
    EXPECT_FALSE(CustomButtons(slot, 0, none, 0).EditSubCategory);

    for (int i = 0; i < 10; ++i)
        AddCustomSubCategory(slot, "s" + std::to_string(i));
    EXPECT_FALSE(CustomButtons(slot, 0, none, 0).AddSubCategory);
    EXPECT_TRUE(CustomButtons(slot, 9, none, 0).AddWords);
    EXPECT_FALSE(CustomButtons(slot, 10, none, 0).AddWords);  // a sub-category that does not exist
    EXPECT_FALSE(CustomButtons(16, 0, none, 0).AddSubCategory);  // nor a category

    std::vector<WordListRow> full(1000);
    EXPECT_FALSE(CustomButtons(slot, 0, full, 0).AddWords);
    CustomWordCount = 6000;
    EXPECT_FALSE(CustomButtons(slot, 0, none, 0).AddWords);
    CustomWordCount = 0;

    for (int i = 0; i < 14; ++i)
        AddCustomCategory("c" + std::to_string(i));
    EXPECT_EQ(CustomCategoryCount, 15);
    EXPECT_FALSE(CustomButtons(15, 0, none, 0).AddCategory);
    EXPECT_EQ(AddCustomCategory("sixteen"), -1);
    EXPECT_EQ(CustomCategoryCount, 15);
}

TEST(CustomNames, DeleteAfterByteOrderClampsTheChoice)
{
    // "apple" sorts before "Banana" but is byte-wise above it: the step from the deleted
    // slot would land on an empty one.
    UseBuiltIns();
    AddCustomCategory("Banana");
    AddCustomCategory("apple");
    ASSERT_EQ(CustomCategories[16].Name, "Banana");
    EXPECT_EQ(DeleteCustomCategory(16), 15);
    EXPECT_EQ(DeleteCustomCategory(15), 15);  // none left
    EXPECT_EQ(CustomCategoryCount, 0);

    AddCustomCategory("fruit");
    AddCustomSubCategory(15, "Banana");
    AddCustomSubCategory(15, "apple");
    EXPECT_EQ(DeleteCustomSubCategory(15, 1), 0);

    // Deleting the middle, first and last word of a list sorted on English.
    AddCustomSubCategory(15, "b");
    std::vector<WordListRow> rows(3);
    rows[0].FirstWord = "a";
    rows[1].FirstWord = "c";
    rows[2].FirstWord = "d";
    EXPECT_EQ(RowAfterDelete(rows, "b", true, 1), 1);
    EXPECT_EQ(RowAfterDelete(rows, "e", true, 3), 2);
    EXPECT_EQ(RowAfterDelete(rows, "0", true, 0), 1);
    EXPECT_EQ(RowAfterDelete({}, "a", true, 0), 0);
    rows[0].FirstWord = "apple";
    rows[1].FirstWord = "apricot";
    rows.resize(2);
    EXPECT_EQ(RowAfterDelete(rows, "Banana", true, 2), 1);  // clamped into the list
}

TEST(CustomWordsRules, ChecksInOrderAndNothingChangesOnARefusal)
{
    UseBuiltIns();
    AddCustomCategory("c");
    AddCustomSubCategory(15, "s");
    AddCustomSubCategory(15, "t");
    WordInput in{"  dog ", " perro", "", -1, true};
    const int before = WordCount;
    EXPECT_EQ(CheckWordInput(in, 15, 0, -1), "Data type must be selected");
    in.DataType = 0;
    in.English = " ";
    EXPECT_EQ(CheckWordInput(in, 15, 0, -1), "English description must be filled in.");
    in.English = "  dog ";
    in.Spanish = "";
    EXPECT_EQ(CheckWordInput(in, 15, 0, -1), "Spanish description must be filled in.");
    in.Spanish = " perro";
    in.Note = "a";
    EXPECT_EQ(CheckWordInput(in, 15, 0, -1), "Additional description must start with the character /");
    in.Note = " /a ";
    EXPECT_EQ(CheckWordInput(in, 15, 0, -1), "");
    EXPECT_EQ(WordCount, before);

    const int dog = StoreCustomWord(in, 15, 0, -1);
    ASSERT_GT(dog, 0);
    EXPECT_EQ(WordTable[dog].English, "dog");  // trimmed
    EXPECT_EQ(WordTable[dog].Note, "/a");
    EXPECT_EQ(WordTable[dog].LessCommon, 0);
    EXPECT_EQ(CheckWordInput({"dog", "perro", "/o", 0, false}, 15, 0, -1), "This word already exists in this category.");
    EXPECT_EQ(CheckWordInput({"dog", "perro", "", 0, false}, 15, 1, -1), "");  // another sub-category
    EXPECT_EQ(CheckWordInput({"Dog", "perro", "", 0, false}, 15, 0, -1), "");  // exact comparison
    EXPECT_EQ(CheckWordInput(in, 15, 0, dog), "");                             // itself, when edited

    // Editing keeps the learned mark; a new word never inherits one.
    WordTable[dog].Learned = 1;
    const int edited = StoreCustomWord({"dog", "perro", "", 5, false}, 15, 0, dog);
    EXPECT_EQ(WordTable[edited].Learned, 1);
    EXPECT_EQ(WordTable[edited].WordType, 5);
    EXPECT_EQ(WordTable[edited].LessCommon, 1);
    WordTable[WordCount + 1].Learned = 1;  // a leftover in the next record
    const int cat = StoreCustomWord({"cat", "gato", "", 0, true}, 15, 0, -1);
    EXPECT_EQ(WordTable[cat].Learned, 0);
    RebuildCustomWords();
    ExpectInvariants();
    EXPECT_GE(SpanishAnswers.Count(4), 1);  // "gato" is offered at once
}

TEST(CustomWordsRules, CopyComparesTheRecordsOwnTextsAndKeepsThemWhole)
{
    UseBuiltIns();
    AddCustomCategory("c");
    AddCustomSubCategory(15, "s");
    // "él/ella": its own Spanish has a "/"; cut at it, the check would miss the duplicate.
    ASSERT_TRUE(CopyBuiltInWord(2, 15, 0, 0).Copied);
    EXPECT_EQ(CopyBuiltInWord(2, 15, 0, 1).Message, "This word already exists in this category.");
    ASSERT_TRUE(CopyBuiltInWord(1, 15, 0, 1).Copied);
    const std::vector<WordListRow> rows = CustomWordRows(15, 0, true, 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].SecondWord, "limpio/a");
    const int copied = FindChosenWord(15, 0, rows[0], true);
    ASSERT_GT(copied, BuiltInWordCount);
    EXPECT_EQ(WordTable[copied].Spanish, "limpio");
    EXPECT_EQ(WordTable[copied].Note, "/a");
    EXPECT_EQ(WordTable[copied].WordType, WordAdjective);
    EXPECT_EQ(WordTable[copied].Learned, 0);
    EXPECT_EQ(FindChosenWord(15, 0, CustomWordRows(15, 0, false, 3)[0], false), FindChosenWord(15, 0, rows[0], true));

    EXPECT_EQ(CopyBuiltInWord(1, 15, 0, 1000).Message, "Maximum number of words reached.");
    EXPECT_FALSE(CopyBuiltInWord(1, 15, 3, 0).Copied);  // no such sub-category: nothing, no message
    EXPECT_TRUE(CopyBuiltInWord(1, 15, 3, 0).Message.empty());

    DeleteCustomWord(copied);
    EXPECT_EQ(CustomWordCount, 1);
    ExpectInvariants();
}

TEST(CustomDataFile, VocabularyRoundTripsByteForByte)
{
    UseBuiltIns();
    Preferences.FontSizeMode = 2;
    AddCustomCategory("Kitchen");
    AddCustomSubCategory(15, "Pans");
    StoreCustomWord({"pan", "sart\xE9n", "", 1, true}, 15, 0, -1);
    CopyBuiltInWord(1, 15, 0, 1);
    MarkWordLearned(BuiltInWordCount + 2, true);  // "pan"
    const std::vector<uint8_t> first = AssembleDataFile();

    EXPECT_EQ(first[CustomCategoryCountOffset], 1);
    EXPECT_EQ(first[CustomCategoriesOffset], 7);  // name length, then the name
    EXPECT_EQ(std::string(first.begin() + CustomCategoriesOffset + 1, first.begin() + CustomCategoriesOffset + 8),
              "Kitchen");
    EXPECT_EQ(first[CustomWordCountOffset], 2);
    const size_t pan = CustomWordsOffset + CustomWordRecordSize;  // word 2 sorts after "clean"
    EXPECT_EQ(std::string(first.begin() + pan + 1, first.begin() + pan + 4), "pan");
    EXPECT_EQ(first[pan + 160], 15);
    EXPECT_EQ(first[pan + 172], 1);  // learned

    UseBuiltIns();
    ApplyDataFile(std::span<const uint8_t, DataFileSize>(first.data(), DataFileSize));
    ASSERT_EQ(WordCount, BuiltInWordCount + 2);
    EXPECT_EQ(WordTable[WordCount].Spanish, "sart\xE9n");
    EXPECT_EQ(WordTable[WordCount].Learned, 1);
    EXPECT_EQ(AssembleDataFile(), first);
}

TEST(WordListSort, EqualKeysStayInTableOrderInAllFourModes)
{
    // More than 16 rows: a sort that is stable only on short runs would show it.
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) {
        const std::string english = i % 3 == 0 ? "b" : i % 3 == 1 ? "A" : "a";
        const std::string spanish = i % 2 ? "x" : "X";
        lines.push_back(",D,,M," + english + "," + spanish + ",,,Cat,Sub,0," + std::to_string(i + 1) + ", ");
    }
    UseBuiltIns(lines);
    WordSelection all;
    all.AllSubCategories = true;
    for (int mode = 1; mode <= 4; ++mode) {
        const std::vector<WordListRow> rows = BuildWordListRows(all, true, mode).ToLearn;
        ASSERT_EQ(rows.size(), 40u);
        for (size_t i = 1; i < rows.size(); ++i) {
            const TWordRecord& a = WordTable[rows[i - 1].WordIndex];
            const TWordRecord& b = WordTable[rows[i].WordIndex];
            const std::string ka = (mode <= 2 ? a.EnglishSortKey : a.SpanishSortKey).str();
            const std::string kb = (mode <= 2 ? b.EnglishSortKey : b.SpanishSortKey).str();
            if (ka == kb)
                EXPECT_LT(rows[i - 1].WordIndex, rows[i].WordIndex) << "mode " << mode << " row " << i;
            else
                EXPECT_TRUE(mode % 2 ? ka < kb : ka > kb) << "mode " << mode;
        }
    }
}

TEST(TextCodecGaps, C1ControlsHaveNoWindows1252Byte)
{
    for (char32_t cp = 0x80; cp <= 0x9F; ++cp)
        EXPECT_EQ(UnicodeToCp1252(cp), -1) << std::hex << static_cast<int>(cp);
    int bad = 0;
    // U+0081 and U+009D in UTF-8, between plain letters.
    EXPECT_EQ(Cp1252FromUtf8("a\xC2\x81" "b\xC2\x9D", &bad), "a?b?");
    EXPECT_EQ(bad, 2);
    EXPECT_EQ(UnicodeToCp1252(0x20AC), 0x80);  // the euro sign does have one
}

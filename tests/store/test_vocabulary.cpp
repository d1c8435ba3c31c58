// Content rules of the built-in word list: size, numbering, record fields, the category
// layout, sub-category sizes, plurals and the share of common words.

#include "LX_Globals.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using CategoryLayout = std::vector<std::pair<std::string, std::vector<std::string>>>;

const CategoryLayout& ExpectedLayout()
{
    static const CategoryLayout layout = {
        {"Animals", {"Birds", "Farm animals", "Insects", "Mammals", "Reptiles etc.", "Water creatures"}},
        {"Body", {"Hospital", "Illness", "Injuries", "Internal", "Parts of body"}},
        {"Children", {"Baby", "Classroom", "School"}},
        {"City", {"Buildings", "In the city", "Shops"}},
        {"Clothes", {"Accessories", "Clothes"}},
        {"Food", {"Dining", "Drinks", "Fruit", "Meat and fish", "Miscellaneous", "Seasoning", "Vegetables"}},
        {"House", {"Bathroom", "Bedroom", "Cleaning", "Garden", "Kitchen", "Living room", "Miscellaneous"}},
        {"Industry", {"Banking", "Business", "Computing", "Jobs", "Machinery", "Professions", "Workshop"}},
        {"Leisure", {"Beach", "Boating", "Camping", "Games, hobbies", "Music", "Sports"}},
        {"Miscellaneous",
         {"Beauty", "Colors", "Containers", "Directions", "Expressions", "Materials", "Object characteristics",
          "Prepositions"}},
        {"Nature", {"Geography", "Plants", "Water", "Weather"}},
        {"People", {"Characteristics", "Family", "Moods", "Personality", "Relationships"}},
        {"Quantities",
         {"Arithmetic", "Days, weeks, months", "Miscellaneous", "Numbers", "Ordinal numbers", "Shapes and lines",
          "Time", "Weights and measures"}},
        {"Travel", {"Air travel", "Cars", "Miscellaneous", "Transport"}},
        {"Verbs", {"Verbs A-E", "Verbs F-P", "Verbs Q-Z"}},
    };
    return layout;
}

// The record lines of the source file, split at the commas (UTF-8, as written).
std::vector<std::vector<std::string>> RawRecords()
{
    std::vector<std::vector<std::string>> records;
    std::ifstream in(LEXORY_VOCABULARY_FILE, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::vector<std::string> parts;
        for (size_t pos = 0;;) {
            const size_t comma = line.find(',', pos);
            parts.push_back(line.substr(pos, comma - pos));
            if (comma == std::string::npos)
                break;
            pos = comma + 1;
        }
        records.push_back(std::move(parts));
    }
    return records;
}

std::string Trace(int i)
{
    const TWordRecord& w = WordTable[i];
    return "word " + std::to_string(i) + " \"" + Utf8FromCp1252(w.English.view()) + "\" / \"" +
           Utf8FromCp1252(w.Spanish.view()) + "\"";
}

class VocabularyList : public ::testing::Test {
protected:
    void SetUp() override { InitWordTables(); }

    // Words per (category slot, sub-category index).
    static std::map<std::pair<int, int>, int> SubCategorySizes()
    {
        std::map<std::pair<int, int>, int> sizes;
        for (int i = 1; i <= BuiltInWordCount; ++i)
            ++sizes[{WordTable[i].Category, WordTable[i].SubCategory}];
        return sizes;
    }

    static int Slot(const std::string& name)
    {
        for (int c = 0; c < CategoryCount; ++c)
            if (CategoryTable[c].Name == name)
                return c;
        return -1;
    }
};

}  // namespace

TEST_F(VocabularyList, HoldsAtLeastThreeThousandWords)
{
    EXPECT_GE(BuiltInWordCount, 3000);
    EXPECT_LE(BuiltInWordCount, MaxWords);
}

TEST_F(VocabularyList, WordNumbersAreUniqueAndIndexTheLearnedMarks)
{
    std::set<int> ids;
    for (int i = 1; i <= BuiltInWordCount; ++i) {
        const int id = WordTable[i].Id;
        EXPECT_GE(id, 1) << Trace(i);
        EXPECT_LE(id, MaxWords) << Trace(i);
        EXPECT_TRUE(ids.insert(id).second) << Trace(i) << ": number " << id << " used twice";
    }
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(*ids.begin(), 1);
}

TEST_F(VocabularyList, SourceLinesAreWellFormedRecords)
{
    const std::set<std::string> typeCodes = {"", "M", "F", "MF", "MP", "FP", "V", "VR", "adj"};
    const auto records = RawRecords();
    ASSERT_EQ(static_cast<int>(records.size()), BuiltInRecordCount) << LEXORY_VOCABULARY_FILE;
    for (size_t n = 0; n < records.size(); ++n) {
        const auto& parts = records[n];
        SCOPED_TRACE("record " + std::to_string(n + 1));
        // Leading empty part, eleven fields, and the single blank after the last comma.
        ASSERT_EQ(parts.size(), 13u);
        EXPECT_EQ(parts[0], "");
        EXPECT_EQ(parts[1], "D");
        EXPECT_EQ(parts[12], " ");
        EXPECT_TRUE(typeCodes.count(parts[3])) << "type \"" << parts[3] << "\"";
        for (size_t f = 1; f <= 11; ++f) {
            int bad = 0;
            const std::string cp1252 = Cp1252FromUtf8(parts[f], &bad);
            EXPECT_EQ(bad, 0) << "field " << f << " \"" << parts[f] << "\" has a letter outside Windows-1252";
            EXPECT_LE(cp1252.size(), 50u) << "field " << f << " \"" << parts[f] << "\"";
        }
    }
}

TEST_F(VocabularyList, FifteenCategoriesInSlotOrderWithTheirSubCategories)
{
    const CategoryLayout& expected = ExpectedLayout();
    ASSERT_EQ(CategoryCount, 15);
    for (int slot = 0; slot < 15; ++slot) {
        const TCategoryRecord& cat = CategoryTable[slot];
        EXPECT_EQ(cat.Name, expected[slot].first) << "slot " << slot;
        std::vector<std::string> subs;
        for (int s = 0; s < cat.SubCount; ++s)
            subs.push_back(cat.SubNames[s].str());
        EXPECT_EQ(subs, expected[slot].second) << "slot " << slot;
    }
}

TEST_F(VocabularyList, EveryWordStandsInAKnownSubCategory)
{
    for (int i = 1; i <= BuiltInWordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        ASSERT_GE(w.Category, 0) << Trace(i);
        ASSERT_LT(w.Category, CategoryCount) << Trace(i);
        EXPECT_GE(w.SubCategory, 0) << Trace(i);
        EXPECT_LT(w.SubCategory, CategoryTable[w.Category].SubCount) << Trace(i);
    }
}

TEST_F(VocabularyList, SubCategoriesAreBigEnough)
{
    const auto sizes = SubCategorySizes();
    int forty = 0;
    for (int c = 0; c < CategoryCount; ++c) {
        for (int s = 0; s < CategoryTable[c].SubCount; ++s) {
            const auto it = sizes.find({c, s});
            const int n = it == sizes.end() ? 0 : it->second;
            const std::string name = CategoryTable[c].Name.str() + " / " + CategoryTable[c].SubNames[s].str();
            EXPECT_GE(n, 20) << name;
            if (n >= 40)
                ++forty;
        }
    }
    EXPECT_GE(forty, 60);

    const int verbs = Slot("Verbs");
    ASSERT_GE(verbs, 0);
    for (int s = 0; s < CategoryTable[verbs].SubCount; ++s) {
        const auto it = sizes.find({verbs, s});
        EXPECT_GE(it == sizes.end() ? 0 : it->second, 80) << CategoryTable[verbs].SubNames[s].str();
    }
}

TEST_F(VocabularyList, VerbsAreFiledByTheirFirstLetter)
{
    const int verbs = Slot("Verbs");
    ASSERT_GE(verbs, 0);
    for (int i = 1; i <= BuiltInWordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        if (w.Category != verbs)
            continue;
        ASSERT_FALSE(w.English.empty()) << Trace(i);
        const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(w.English[0])));
        ASSERT_GE(w.SubCategory, 0) << Trace(i);
        const std::string sub = CategoryTable[verbs].SubNames[w.SubCategory].str();
        ASSERT_EQ(sub.size(), 9u) << sub;  // "Verbs A-E"
        EXPECT_GE(first, sub[6]) << Trace(i) << " in " << sub;
        EXPECT_LE(first, sub[8]) << Trace(i) << " in " << sub;
        EXPECT_EQ(w.WordType, WordVerb) << Trace(i);
    }
}

TEST_F(VocabularyList, NoPairTwiceInASubCategory)
{
    std::set<std::tuple<int, int, std::string, std::string>> seen;
    for (int i = 1; i <= BuiltInWordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        EXPECT_TRUE(seen.insert({w.Category, w.SubCategory, w.English.str(), w.Spanish.str()}).second) << Trace(i);
    }
}

TEST_F(VocabularyList, PluralsMatchTheWordType)
{
    for (int i = 1; i <= BuiltInWordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        if (w.WordType == WordVerb || w.WordType == WordAdjective) {
            EXPECT_TRUE(w.EnglishPlural.empty()) << Trace(i);
            EXPECT_TRUE(w.SpanishPlural.empty()) << Trace(i);
        }
        // A countable noun has both plurals, a mass noun neither.
        if (w.WordType == WordMasculine || w.WordType == WordFeminine || w.WordType == WordMasculineOrFeminine) {
            EXPECT_EQ(w.EnglishPlural.empty(), w.SpanishPlural.empty()) << Trace(i);
        }
    }
}

TEST_F(VocabularyList, SpanishVerbsAreInfinitives)
{
    const auto records = RawRecords();
    for (size_t n = 0; n < records.size(); ++n) {
        const auto& parts = records[n];
        if (parts.size() != 13 || (parts[3] != "V" && parts[3] != "VR"))
            continue;
        const std::string spanish = parts[5];
        const std::string head = spanish.substr(0, spanish.find(' '));
        const bool reflexive = head.size() > 3 && head.compare(head.size() - 2, 2, "se") == 0;
        const bool infinitive = reflexive ? head[head.size() - 3] == 'r' : !head.empty() && head.back() == 'r';
        EXPECT_TRUE(infinitive) << "record " << n + 1 << " \"" << spanish << "\"";
        EXPECT_EQ(reflexive, parts[3] == "VR") << "record " << n + 1 << " \"" << spanish << "\" typed " << parts[3];
    }
}

TEST_F(VocabularyList, MostWordsAreCommon)
{
    ASSERT_GT(BuiltInWordCount, 0);
    int common = 0;
    for (int i = 1; i <= BuiltInWordCount; ++i)
        if (WordTable[i].LessCommon == 0)
            ++common;
    const double share = static_cast<double>(common) / BuiltInWordCount;
    EXPECT_GE(share, 0.55);
    EXPECT_LE(share, 0.75);
}

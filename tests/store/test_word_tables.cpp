// Word and category tables: record-line parsing, category collection and the built-in list.

#include "LX_Globals.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

// Builds the tables from the given record lines.
void Build(const std::vector<std::string>& lines)
{
    std::vector<const char*> ptrs;
    for (const std::string& l : lines)
        ptrs.push_back(l.c_str());
    InitWordTablesFrom(ptrs.data(), static_cast<int>(ptrs.size()));
}

struct Rec {
    std::string type = "M";
    std::string english = "cat";
    std::string spanish = "gato";
    std::string englishPlural = "cats";
    std::string spanishPlural = "gatos";
    std::string category = "Animals";
    std::string sub = "Mammals";
    std::string level = "0";
    std::string number = "1";
    std::string note;

    std::string Line() const
    {
        return ",D," + note + "," + type + "," + english + "," + spanish + "," + englishPlural + "," +
               spanishPlural + "," + category + "," + sub + "," + level + "," + number + ", ";
    }
};

std::vector<std::string> SubNames(int slot)
{
    std::vector<std::string> names;
    for (int s = 0; s < CategoryTable[slot].SubCount; ++s)
        names.push_back(CategoryTable[slot].SubNames[s].str());
    return names;
}

}  // namespace

TEST(WordRecordLine, StoresEveryField)
{
    Build({",D,,F,ant,hormiga,ants,hormigas,Animals,Insects,0,2, ",
           ",D,,M,amphibian,anfibio,amphibians,anfibios,Animals,Reptiles etc.,,1, ",
           ",D,-a,MF,doctor,m\xE9" "dico,doctors,m\xE9" "dicos,Body,Hospital,1,37, "});
    ASSERT_EQ(WordCount, 3);

    const TWordRecord& ant = WordTable[1];
    EXPECT_EQ(ant.Id, 2);
    EXPECT_EQ(ant.Mark, -1);
    EXPECT_EQ(ant.Note, "");
    EXPECT_EQ(ant.WordType, WordFeminine);
    EXPECT_EQ(ant.English, "ant");
    EXPECT_EQ(ant.Spanish, "hormiga");
    EXPECT_EQ(ant.EnglishPlural, "ants");
    EXPECT_EQ(ant.SpanishPlural, "hormigas");
    EXPECT_EQ(ant.Category, 0);
    EXPECT_EQ(ant.SubCategory, 0);
    EXPECT_EQ(ant.LessCommon, 0);
    EXPECT_EQ(ant.Learned, 0);

    const TWordRecord& amphibian = WordTable[2];
    EXPECT_EQ(amphibian.Id, 1);
    EXPECT_EQ(amphibian.WordType, WordMasculine);
    EXPECT_EQ(amphibian.LessCommon, 1);
    EXPECT_EQ(amphibian.Category, 0);
    EXPECT_EQ(amphibian.SubCategory, 1);  // "Insects" < "Reptiles etc."

    const TWordRecord& doctor = WordTable[3];
    EXPECT_EQ(doctor.Note, "-a");
    EXPECT_EQ(doctor.WordType, WordMasculineOrFeminine);
    EXPECT_EQ(doctor.Spanish, "m\xE9" "dico");
    EXPECT_EQ(doctor.Category, 1);
    EXPECT_EQ(doctor.SubCategory, 0);
    EXPECT_EQ(doctor.Id, 37);
}

TEST(WordRecordLine, TypeCodesAreExactAndCaseSensitive)
{
    const std::pair<const char*, int> cases[] = {
        {"M", 0},  {"F", 1},  {"MF", 2},  {"MP", 3},  {"FP", 4}, {"V", 5},   {"VR", 5},   {"adj", 6},
        {"Adj", 7}, {"ADJ", 7}, {"m", 7}, {"f", 7},   {"", 7},   {"X", 7},   {"MFP", 7},  {"v", 7},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(WordTypeFromCode(code), expected) << '"' << code << '"';
        Rec r;
        r.type = code;
        Build({r.Line()});
        EXPECT_EQ(WordTable[1].WordType, expected) << "line with type \"" << code << '"';
    }
    Rec padded;
    padded.type = "  VR  ";
    Build({padded.Line()});
    EXPECT_EQ(WordTable[1].WordType, WordVerb);
}

TEST(WordRecordLine, LevelZeroIsCommonAnythingElseLessCommon)
{
    const std::pair<const char*, int> cases[] = {
        {"0", 0}, {"  0 ", 0}, {"", 1}, {"1", 1}, {"2", 1}, {"00", 1}, {"x", 1},
    };
    for (const auto& [level, expected] : cases) {
        Rec r;
        r.level = level;
        Build({r.Line()});
        EXPECT_EQ(WordTable[1].LessCommon, expected) << '"' << level << '"';
    }
}

TEST(WordRecordLine, WordNumber)
{
    const std::pair<const char*, int> cases[] = {{"1", 1}, {" 42 ", 42}, {"10000", 10000}, {"0007", 7}};
    for (const auto& [number, expected] : cases) {
        Rec r;
        r.number = number;
        Build({r.Line()});
        EXPECT_EQ(WordTable[1].Id, expected) << '"' << number << '"';
    }
}

TEST(WordRecordLine, PlusIsCommaInEnglishAndSubCategoryOnly)
{
    Rec r;
    r.english = "hello+ world";
    r.spanish = "hola+ mundo";
    r.englishPlural = "hellos+ worlds+";
    r.spanishPlural = "+holas";
    r.category = "Games+ toys";
    r.sub = "Games+ hobbies";
    r.note = "a+b";
    Build({r.Line()});
    const TWordRecord& w = WordTable[1];
    EXPECT_EQ(w.English, "hello, world");
    EXPECT_EQ(w.EnglishPlural, "hellos, worlds,");
    EXPECT_EQ(w.Spanish, "hola+ mundo");
    EXPECT_EQ(w.SpanishPlural, "+holas");
    EXPECT_EQ(w.Note, "a+b");
    EXPECT_EQ(CategoryTable[0].Name, "Games+ toys");
    EXPECT_EQ(CategoryTable[0].SubNames[0], "Games, hobbies");
    EXPECT_EQ(w.Category, 0);
    EXPECT_EQ(w.SubCategory, 0);
}

TEST(WordRecordLine, FieldsTrimmedAndOuterTextIgnored)
{
    // Text before the first comma and after the last one is not part of any field.
    Build({"ignored,D,  -a  ,  F  ,  big ant ,  hormiga grande , big ants , hormigas grandes ,  Animals  ,"
           "  Insects  ,  0  ,  12  ,99"});
    const TWordRecord& w = WordTable[1];
    EXPECT_EQ(w.Note, "-a");
    EXPECT_EQ(w.WordType, WordFeminine);
    EXPECT_EQ(w.English, "big ant");
    EXPECT_EQ(w.Spanish, "hormiga grande");
    EXPECT_EQ(w.EnglishPlural, "big ants");
    EXPECT_EQ(w.SpanishPlural, "hormigas grandes");
    EXPECT_EQ(CategoryTable[0].Name, "Animals");
    EXPECT_EQ(CategoryTable[0].SubNames[0], "Insects");
    EXPECT_EQ(w.LessCommon, 0);
    EXPECT_EQ(w.Id, 12);
}

TEST(WordRecordLine, TextsCutToFifty)
{
    const std::string a60(60, 'a'), b55(55, 'b'), c51(51, 'c'), d70(70, 'd'), e99(99, 'e');
    Rec r;
    r.english = a60;
    r.spanish = b55;
    r.englishPlural = c51;
    r.spanishPlural = d70;
    r.note = e99;
    Build({r.Line()});
    const TWordRecord& w = WordTable[1];
    EXPECT_EQ(w.English, a60.substr(0, 50));
    EXPECT_EQ(w.Spanish, b55.substr(0, 50));
    EXPECT_EQ(w.EnglishPlural, c51.substr(0, 50));
    EXPECT_EQ(w.SpanishPlural, d70.substr(0, 50));
    EXPECT_EQ(w.Note, e99.substr(0, 50));

    r.english = std::string(50, 'x');
    Build({r.Line()});
    EXPECT_EQ(WordTable[1].English, std::string(50, 'x'));
}

TEST(CategoryCollection, SlotsInOrderOfFirstAppearance)
{
    Rec a, b, c, d;
    a.category = "Zoo";
    b.category = "Apple";
    c.category = "Zoo";
    c.sub = "Birds";
    d.category = "zoo";  // exact comparison: a new category
    Build({a.Line(), b.Line(), c.Line(), d.Line()});
    ASSERT_EQ(CategoryCount, 3);
    EXPECT_EQ(CategoryTable[0].Name, "Zoo");
    EXPECT_EQ(CategoryTable[1].Name, "Apple");
    EXPECT_EQ(CategoryTable[2].Name, "zoo");
    EXPECT_EQ(WordTable[1].Category, 0);
    EXPECT_EQ(WordTable[2].Category, 1);
    EXPECT_EQ(WordTable[3].Category, 0);
    EXPECT_EQ(WordTable[4].Category, 2);
    EXPECT_EQ(SubNames(0), (std::vector<std::string>{"Birds", "Mammals"}));
    EXPECT_EQ(WordTable[1].SubCategory, 1);
    EXPECT_EQ(WordTable[3].SubCategory, 0);
    EXPECT_TRUE(CategoryTable[3].Name.empty());
}

TEST(CategoryCollection, SubCategoriesSortedCaseInsensitively)
{
    std::vector<std::string> lines;
    for (const char* sub : {"Insects", "Birds", "mammals"}) {
        Rec r;
        r.sub = sub;
        lines.push_back(r.Line());
    }
    Build(lines);
    EXPECT_EQ(SubNames(0), (std::vector<std::string>{"Birds", "Insects", "mammals"}));
    EXPECT_EQ(WordTable[1].SubCategory, 1);
    EXPECT_EQ(WordTable[2].SubCategory, 0);
    EXPECT_EQ(WordTable[3].SubCategory, 2);

    // Plain byte order would put "Cows" before "bats".
    lines.clear();
    for (const char* sub : {"Cows", "bats", "Ants", "Ants"}) {
        Rec r;
        r.sub = sub;
        lines.push_back(r.Line());
    }
    Build(lines);
    EXPECT_EQ(SubNames(0), (std::vector<std::string>{"Ants", "bats", "Cows"}));
    EXPECT_EQ(WordTable[3].SubCategory, 0);
    EXPECT_EQ(WordTable[4].SubCategory, 0);
}

TEST(CategoryCollection, FirstOfEqualNamesWins)
{
    // "birds" and "Birds" differ exactly but sort equal: the one already ahead keeps its place.
    std::vector<std::string> lines;
    for (const char* sub : {"Zoo", "birds", "Ants", "Birds"}) {
        Rec r;
        r.sub = sub;
        lines.push_back(r.Line());
    }
    Build(lines);
    EXPECT_EQ(SubNames(0), (std::vector<std::string>{"Ants", "birds", "Birds", "Zoo"}));
    EXPECT_EQ(WordTable[2].SubCategory, 1);
    EXPECT_EQ(WordTable[4].SubCategory, 2);

    lines.clear();
    for (const char* sub : {"Birds", "birds"}) {
        Rec r;
        r.sub = sub;
        lines.push_back(r.Line());
    }
    Build(lines);
    EXPECT_EQ(SubNames(0), (std::vector<std::string>{"Birds", "birds"}));
}

TEST(CategoryCollection, TenSubCategoriesSortedAcrossManyInsertions)
{
    const char* arrivals[] = {"j", "B", "h", "A", "f", "d", "I", "c", "g", "E"};
    std::vector<std::string> lines;
    for (const char* sub : arrivals) {
        Rec r;
        r.sub = sub;
        lines.push_back(r.Line());
    }
    Build(lines);
    EXPECT_EQ(SubNames(0), (std::vector<std::string>{"A", "B", "c", "d", "E", "f", "g", "h", "I", "j"}));
    for (int i = 1; i <= WordCount; ++i) {
        const TWordRecord& w = WordTable[i];
        ASSERT_GE(w.SubCategory, 0);
        EXPECT_EQ(CategoryTable[0].SubNames[w.SubCategory], arrivals[i - 1]);
    }
}

TEST(CategoryCollection, NoMoreThanFifteenBuiltInCategories)
{
    std::vector<std::string> lines;
    for (int c = 0; c < 16; ++c) {
        Rec r;
        r.category = "Cat" + std::to_string(c);
        lines.push_back(r.Line());
    }
    Build(lines);
    EXPECT_EQ(CategoryCount, 15);
    EXPECT_EQ(TotalCategoryCount, 15);
    EXPECT_TRUE(CategoryTable[15].Name.empty());  // custom slots stay free
    EXPECT_EQ(WordTable[15].Category, 14);
    EXPECT_EQ(WordTable[16].Category, -1);
    EXPECT_EQ(WordTable[16].SubCategory, -1);
}

TEST(WordTables, CountsAfterBuild)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 7; ++i) {
        Rec r;
        r.category = i % 2 ? "Odd" : "Even";
        r.number = std::to_string(i);
        lines.push_back(r.Line());
    }
    Build(lines);
    EXPECT_EQ(WordCount, 7);
    EXPECT_EQ(BuiltInWordCount, 7);
    EXPECT_EQ(CategoryCount, 2);
    EXPECT_EQ(TotalCategoryCount, CategoryCount);
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(WordTable[i].Id, i);

    Build({});
    EXPECT_EQ(WordCount, 0);
    EXPECT_EQ(BuiltInWordCount, 0);
    EXPECT_EQ(CategoryCount, 0);
    EXPECT_EQ(TotalCategoryCount, 0);
}

TEST(WordTables, RebuildClearsEveryWordAndCategorySlot)
{
    std::vector<std::string> lines(5, Rec{}.Line());
    Build(lines);
    CategoryTable[20].Name = "custom";
    CategoryTable[20].SubCount = 3;
    WordTable[9000].Learned = 1;
    WordTable[9000].Mark = 5;
    WordTable[9000].Category = 20;
    WordTable[4].Learned = 1;

    Build({Rec{}.Line(), Rec{}.Line()});
    EXPECT_EQ(WordCount, 2);
    for (int i : {3, 4, 5, 9000, 10000}) {
        const TWordRecord& w = WordTable[i];
        EXPECT_EQ(w.Id, -1) << i;
        EXPECT_EQ(w.Mark, -1) << i;
        EXPECT_TRUE(w.English.empty()) << i;
        EXPECT_TRUE(w.Spanish.empty()) << i;
        EXPECT_TRUE(w.Note.empty()) << i;
        EXPECT_TRUE(w.SpanishSortKey.empty()) << i;
        EXPECT_TRUE(w.EnglishSortKey.empty()) << i;
        EXPECT_TRUE(w.SpanishLetters.empty()) << i;
        EXPECT_EQ(w.WordType, WordOther) << i;
        EXPECT_EQ(w.Category, -1) << i;
        EXPECT_EQ(w.SubCategory, -1) << i;
        EXPECT_EQ(w.LessCommon, -1) << i;
        EXPECT_EQ(w.Learned, 0) << i;
    }
    EXPECT_TRUE(CategoryTable[20].Name.empty());
    EXPECT_EQ(CategoryTable[20].SubCount, 0);
}

TEST(BuiltInList, CountsMatchTheRecordLines)
{
    InitWordTables();
    EXPECT_EQ(BuiltInWordCount, BuiltInRecordCount);
    EXPECT_EQ(WordCount, BuiltInWordCount);
    EXPECT_EQ(TotalCategoryCount, CategoryCount);

    // Every non-comment line of the source file is compiled in.
    std::ifstream in(LEXORY_VOCABULARY_FILE, std::ios::binary);
    ASSERT_TRUE(in) << LEXORY_VOCABULARY_FILE;
    int records = 0;
    for (std::string line; std::getline(in, line);) {
        const size_t first = line.find_first_not_of(" \r");
        if (first != std::string::npos && line[first] != '#')
            ++records;
    }
    EXPECT_EQ(records, BuiltInRecordCount);
}

TEST(WordRecordLine, NamesLongerThanStoredAreFoundCut)
{
    Rec a, b;
    a.category = b.category = std::string(60, 'c');
    a.sub = b.sub = std::string(55, 's');
    b.english = "dog";
    b.number = "2";
    Build({a.Line(), b.Line()});
    EXPECT_EQ(CategoryCount, 1);
    EXPECT_EQ(CategoryTable[0].SubCount, 1);
    EXPECT_EQ(WordTable[1].Category, 0);
    EXPECT_EQ(WordTable[2].Category, 0);
    EXPECT_EQ(WordTable[2].SubCategory, 0);
}

// Derived word forms, sort keys and the two answer indexes.

#include "AnswerIndex.h"
#include "LX_Globals.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {

struct W {
    std::string english, spanish, englishPlural, spanishPlural;
    int lessCommon = 0;
};

// Puts exactly these words in WordTable[1..n] and rebuilds the indexes.
void BuildFrom(std::initializer_list<W> words)
{
    WordCount = 0;
    for (const W& w : words) {
        TWordRecord& r = WordTable[++WordCount];
        r = TWordRecord{};
        r.English = w.english;
        r.Spanish = w.spanish;
        r.EnglishPlural = w.englishPlural;
        r.SpanishPlural = w.spanishPlural;
        r.LessCommon = w.lessCommon;
    }
    BuildWordLengthTables();
}

std::vector<TXWordLine> Entries(const AnswerIndex& index, int length)
{
    std::vector<TXWordLine> out;
    for (int n = 1; n <= index.Count(length); ++n)
        out.push_back(index.Entry(length, n));
    return out;
}

int Total(const AnswerIndex& index)
{
    int total = 0;
    for (int len = AnswerIndex::MinLength; len <= AnswerIndex::MaxLength; ++len)
        total += index.Count(len);
    return total;
}

void ExpectEntry(const TXWordLine& e, int wordIndex, const char* clue, const char* answer, const char* enumeration,
                 int common)
{
    EXPECT_EQ(e.WordIndex, wordIndex);
    EXPECT_EQ(e.Clue, clue);
    EXPECT_EQ(e.Answer, answer);
    EXPECT_EQ(e.Enumeration, enumeration);
    EXPECT_EQ(e.Common, common);
}

}  // namespace

TEST(DerivedForm, LettersAndEnumeration)
{
    const struct {
        const char* word;
        const char* letters;
        const char* enumeration;
    } cases[] = {
        {"ant", "ant", "(3)"},
        {"red snapper", "redsnapper", "(3,7)"},
        {"carpa dorada", "carpadorada", "(5,6)"},
        {"fish (pl)", "fish(pl)", "(4,4)"},
        {"o'clock", "oclock", "(1,5)"},
        {"rock 'n' roll", "rocknroll", "(4,1,4)"},  // an apostrophe next to a blank is one separator
        {"ice   cream", "icecream", "(3,5)"},
        {"a b c d", "abcd", "(1,1,1,1)"},
        {"forget-me-not", "forget-me-not", "(13)"},
        {"Mr. Smith", "Mr.Smith", "(3,5)"},
        {"cami\xF3n", "cami\xF3n", "(6)"},  // one byte per letter
        {"\xF1u", "\xF1u", "(2)"},
        {"", "", "(0)"},
    };
    for (const auto& c : cases) {
        const DerivedForm f = DeriveForm(c.word);
        EXPECT_EQ(f.Letters, c.letters) << '"' << c.word << '"';
        EXPECT_EQ(f.Enumeration, c.enumeration) << '"' << c.word << '"';
    }
}

TEST(AnswerIndexBuild, RedSnapperFilesAllFourForms)
{
    BuildFrom({{"red snapper", "huachinango", "red snappers", "huachinangos"}});
    const TWordRecord& w = WordTable[1];
    EXPECT_EQ(w.SpanishLetters, "huachinango");
    EXPECT_EQ(w.SpanishEnumeration, "(11)");
    EXPECT_EQ(w.EnglishLetters, "redsnapper");
    EXPECT_EQ(w.EnglishEnumeration, "(3,7)");

    ASSERT_EQ(Total(SpanishAnswers), 2);
    ASSERT_EQ(SpanishAnswers.Count(11), 1);
    ASSERT_EQ(SpanishAnswers.Count(12), 1);
    ExpectEntry(SpanishAnswers.Entry(11, 1), 1, "red snapper", "huachinango", "(11)", 1);
    ExpectEntry(SpanishAnswers.Entry(12, 1), 1, "red snappers", "huachinangos", "(12)", 1);

    ASSERT_EQ(Total(EnglishAnswers), 2);
    ASSERT_EQ(EnglishAnswers.Count(10), 1);
    ASSERT_EQ(EnglishAnswers.Count(11), 1);
    ExpectEntry(EnglishAnswers.Entry(10, 1), 1, "huachinango", "redsnapper", "(3,7)", 1);
    ExpectEntry(EnglishAnswers.Entry(11, 1), 1, "huachinangos", "redsnappers", "(3,8)", 1);
}

TEST(AnswerIndexBuild, EmptyPluralsFileNothing)
{
    BuildFrom({{"goldfish", "carpa dorada", "", ""}});
    EXPECT_EQ(WordTable[1].SpanishLetters, "carpadorada");
    EXPECT_EQ(WordTable[1].SpanishEnumeration, "(5,6)");
    EXPECT_EQ(WordTable[1].EnglishLetters, "goldfish");
    EXPECT_EQ(WordTable[1].EnglishEnumeration, "(8)");
    ASSERT_EQ(Total(SpanishAnswers), 1);
    ASSERT_EQ(Total(EnglishAnswers), 1);
    ExpectEntry(SpanishAnswers.Entry(11, 1), 1, "goldfish", "carpadorada", "(5,6)", 1);
    ExpectEntry(EnglishAnswers.Entry(8, 1), 1, "carpa dorada", "goldfish", "(8)", 1);
}

TEST(AnswerIndexBuild, FormWithoutCounterpartIsNotFiled)
{
    // Only one plural present: each plural would get an empty clue.
    BuildFrom({{"fish", "pez", "", "peces"}, {"sheep", "oveja", "sheep (pl)", ""}});
    ASSERT_EQ(SpanishAnswers.Count(5), 1);
    EXPECT_EQ(SpanishAnswers.Entry(5, 1).Answer, "oveja");
    EXPECT_EQ(EnglishAnswers.Count(9), 0);
    EXPECT_EQ(Total(SpanishAnswers), 2);  // "pez", "oveja"
    EXPECT_EQ(Total(EnglishAnswers), 2);  // "fish", "sheep"

    BuildFrom({{"", "hormiga", "", ""}});
    EXPECT_EQ(Total(SpanishAnswers), 0);
    EXPECT_EQ(Total(EnglishAnswers), 0);
    EXPECT_EQ(WordTable[1].SpanishLetters, "hormiga");  // the word's own forms are still derived
}

TEST(AnswerIndexBuild, PluralWithBracketedNote)
{
    BuildFrom({{"fish", "pez", "fish (pl)", "peces"}});
    ASSERT_EQ(EnglishAnswers.Count(8), 1);
    ExpectEntry(EnglishAnswers.Entry(8, 1), 1, "peces", "fish(pl)", "(4,4)", 1);
    ExpectEntry(EnglishAnswers.Entry(4, 1), 1, "pez", "fish", "(4)", 1);
}

TEST(AnswerIndexBuild, ApostropheSeparatesAndIsDropped)
{
    BuildFrom({{"o'clock", "en punto", "", ""}});
    EXPECT_EQ(WordTable[1].EnglishLetters, "oclock");
    EXPECT_EQ(WordTable[1].EnglishEnumeration, "(1,5)");
    ASSERT_EQ(EnglishAnswers.Count(6), 1);
    EXPECT_EQ(EnglishAnswers.Entry(6, 1).Clue, "en punto");
    ASSERT_EQ(SpanishAnswers.Count(7), 1);
    EXPECT_EQ(SpanishAnswers.Entry(7, 1).Clue, "o'clock");  // clues keep the word as shown
}

TEST(AnswerIndexBuild, LengthsThreeToTwentyOnly)
{
    const std::string twenty(20, 'q'), twentyOne(21, 'r');
    BuildFrom({{"ox", "buey", "oxen", "bueyes"},
               {twenty, "veinte", twentyOne, "veintiuno"},
               {"a b", "\xF1u", "", ""}});
    EXPECT_EQ(EnglishAnswers.Count(2), 0);
    ASSERT_EQ(SpanishAnswers.Count(4), 1);
    EXPECT_EQ(SpanishAnswers.Entry(4, 1).Clue, "ox");
    ASSERT_EQ(EnglishAnswers.Count(20), 1);
    EXPECT_EQ(EnglishAnswers.Entry(20, 1).Answer, twenty);
    EXPECT_EQ(Total(EnglishAnswers), 2);  // "oxen" and the 20 letters; 21 letters and "ab" are out
    EXPECT_EQ(SpanishAnswers.Count(2), 0);
    EXPECT_EQ(AnswerIndex::MinLength, 3);
    EXPECT_EQ(AnswerIndex::MaxLength, 20);
}

TEST(AnswerIndexDuplicates, SameSpanishSingularFiledOnce)
{
    BuildFrom({{"bank", "banco", "banks", "bancos"}, {"counter", "banco", "counters", "bancos"}});
    ASSERT_EQ(SpanishAnswers.Count(5), 1);
    ExpectEntry(SpanishAnswers.Entry(5, 1), 1, "bank", "banco", "(5)", 1);
    ASSERT_EQ(SpanishAnswers.Count(6), 1);
    EXPECT_EQ(SpanishAnswers.Entry(6, 1).WordIndex, 1);
    // The second word's English forms differ in answer, and their clue is filed at another length.
    ASSERT_EQ(EnglishAnswers.Count(7), 1);
    ExpectEntry(EnglishAnswers.Entry(7, 1), 2, "banco", "counter", "(7)", 1);
    ASSERT_EQ(EnglishAnswers.Count(8), 1);
    ExpectEntry(EnglishAnswers.Entry(8, 1), 2, "bancos", "counters", "(8)", 1);
}

TEST(AnswerIndexDuplicates, SameClueOfSameLengthSkipped)
{
    BuildFrom({{"bank", "banco", "", ""}, {"seat", "banco", "", ""}, {"desk", "mesa", "", ""}});
    const auto english = Entries(EnglishAnswers, 4);
    ASSERT_EQ(english.size(), 2u);
    ExpectEntry(english[0], 1, "banco", "bank", "(4)", 1);
    ExpectEntry(english[1], 3, "mesa", "desk", "(4)", 1);
}

TEST(AnswerIndexDuplicates, SameAnswerOfSameLengthSkipped)
{
    BuildFrom({{"bat", "murci\xE9lago", "bats", "murci\xE9lagos"}, {"bat", "bate", "bats", "bates"}});
    ASSERT_EQ(EnglishAnswers.Count(3), 1);
    EXPECT_EQ(EnglishAnswers.Entry(3, 1).Clue, "murci\xE9lago");
    ASSERT_EQ(EnglishAnswers.Count(4), 1);
    EXPECT_EQ(EnglishAnswers.Entry(4, 1).Clue, "murci\xE9lagos");
    // Both Spanish words stay.
    EXPECT_EQ(SpanishAnswers.Count(10), 1);
    EXPECT_EQ(SpanishAnswers.Count(4), 1);
    EXPECT_EQ(SpanishAnswers.Count(5), 1);
    EXPECT_EQ(SpanishAnswers.Count(11), 1);
}

TEST(AnswerIndexDuplicates, ComparisonIsCaseSensitive)
{
    BuildFrom({{"Bat", "murci\xE9lago", "", ""}, {"bat", "bate", "", ""}, {"cat", "Gato", "", ""},
               {"cab", "gato", "", ""}});
    const auto english3 = Entries(EnglishAnswers, 3);
    ASSERT_EQ(english3.size(), 4u);
    EXPECT_EQ(english3[0].Answer, "Bat");
    EXPECT_EQ(english3[1].Answer, "bat");
    EXPECT_EQ(english3[2].Clue, "Gato");
    EXPECT_EQ(english3[3].Clue, "gato");
}

TEST(AnswerIndexDuplicates, EqualEnglishSingularAndPlural)
{
    BuildFrom({{"sheep", "oveja", "sheep", "ovejas"}});
    ASSERT_EQ(EnglishAnswers.Count(5), 1);
    ExpectEntry(EnglishAnswers.Entry(5, 1), 1, "oveja", "sheep", "(5)", 1);  // the singular, filed first
    EXPECT_EQ(Total(EnglishAnswers), 1);
    EXPECT_EQ(SpanishAnswers.Count(6), 1);
}

TEST(AnswerIndexDuplicates, FormsFiledInWordThenFormOrder)
{
    // Word 1's Spanish plural and word 2's Spanish singular are the same answer: word 1 comes first.
    BuildFrom({{"fish", "pez", "fishes", "peces"}, {"fishes", "peces", "", ""}, {"car", "auto", "cars", "autos"}});
    ASSERT_EQ(SpanishAnswers.Count(5), 2);
    ExpectEntry(SpanishAnswers.Entry(5, 1), 1, "fishes", "peces", "(5)", 1);
    ExpectEntry(SpanishAnswers.Entry(5, 2), 3, "cars", "autos", "(5)", 1);
    const auto english = Entries(EnglishAnswers, 6);
    ASSERT_EQ(english.size(), 1u);
    EXPECT_EQ(english[0].WordIndex, 1);
}

TEST(AnswerIndexBuild, CommonFlagFollowsLevel)
{
    BuildFrom({{"ant", "hormiga", "ants", "hormigas", 0}, {"wasp", "avispa", "wasps", "avispas", 1}});
    for (const AnswerIndex* index : {&SpanishAnswers, &EnglishAnswers})
        for (int len = 3; len <= 20; ++len)
            for (const TXWordLine& e : Entries(*index, len))
                EXPECT_EQ(e.Common, e.WordIndex == 1 ? 1 : 0) << e.Answer.str();
    EXPECT_EQ(Total(SpanishAnswers) + Total(EnglishAnswers), 8);
}

TEST(AnswerIndexBuild, EmptyTableLeavesEveryCountZero)
{
    BuildFrom({{"ant", "hormiga", "ants", "hormigas"}});
    ASSERT_GT(Total(SpanishAnswers), 0);
    BuildFrom({});
    for (int len = -1; len <= 25; ++len) {
        EXPECT_EQ(SpanishAnswers.Count(len), 0) << len;
        EXPECT_EQ(EnglishAnswers.Count(len), 0) << len;
    }
}

TEST(AnswerIndexBuild, RebuildStartsAfresh)
{
    BuildFrom({{"ant", "hormiga", "ants", "hormigas"}, {"bee", "abeja", "bees", "abejas"}});
    const int spanish = Total(SpanishAnswers), english = Total(EnglishAnswers);
    BuildWordLengthTables();
    EXPECT_EQ(Total(SpanishAnswers), spanish);
    EXPECT_EQ(Total(EnglishAnswers), english);

    // A word changed in place drops its old forms.
    WordTable[2].Spanish = "avispa";
    BuildWordLengthTables();
    EXPECT_EQ(SpanishAnswers.Count(5), 0);
    ASSERT_EQ(SpanishAnswers.Count(6), 2);
    EXPECT_EQ(SpanishAnswers.Entry(6, 1).Answer, "avispa");
    ASSERT_EQ(EnglishAnswers.Count(3), 2);
    EXPECT_EQ(EnglishAnswers.Entry(3, 2).Clue, "avispa");
}

TEST(SortKeys, SpanishFoldsAccentsEnglishOnlyLowersAscii)
{
    BuildFrom({{"Caf\xC9 Ol\xC9", "\xC1rbol \xD1" "and\xFA", "", ""},
               {"TREE", "ping\xFCino PING\xDCINO", "", ""},
               {"Zo\xEB", "Cami\xF3n \xC9xito \xCD" "dolo \xD3pera \xDAtil", "", ""},
               {"x", "\xE1\xE9\xED\xF3\xFA\xF1\xFC\xC1\xC9\xCD\xD3\xDA\xD1\xDC", "", ""},
               {"y", "\xE0\xE7\xC0\xC7 ABC", "", ""}});
    EXPECT_EQ(WordTable[1].SpanishSortKey, "arbol nandu");
    EXPECT_EQ(WordTable[1].EnglishSortKey, "caf\xC9 ol\xC9");
    EXPECT_EQ(WordTable[2].SpanishSortKey, "pinguino pinguino");
    EXPECT_EQ(WordTable[2].EnglishSortKey, "tree");
    EXPECT_EQ(WordTable[3].SpanishSortKey, "camion exito idolo opera util");
    EXPECT_EQ(WordTable[3].EnglishSortKey, "zo\xEB");
    EXPECT_EQ(WordTable[4].SpanishSortKey, "aeiounuaeiounu");
    // Letters outside the Spanish set are left as they are.
    EXPECT_EQ(WordTable[5].SpanishSortKey, "\xE0\xE7\xC0\xC7 abc");
    // Letters and answers keep case and accents.
    EXPECT_EQ(WordTable[1].SpanishLetters, "\xC1rbol\xD1" "and\xFA");
}

TEST(BuiltInAnswerIndexes, NoTwoEntriesOfOneLengthShareClueOrAnswer)
{
    InitWordTables();
    BuildWordLengthTables();
    ASSERT_GT(Total(SpanishAnswers), 0);
    ASSERT_GT(Total(EnglishAnswers), 0);
    for (const AnswerIndex* index : {&SpanishAnswers, &EnglishAnswers}) {
        const bool spanish = index == &SpanishAnswers;
        for (int len = 3; len <= 20; ++len) {
            std::set<std::string> clues, answers;
            for (const TXWordLine& e : Entries(*index, len)) {
                SCOPED_TRACE(e.Answer.str());
                EXPECT_TRUE(clues.insert(e.Clue.str()).second);
                EXPECT_TRUE(answers.insert(e.Answer.str()).second);
                EXPECT_EQ(e.Answer.size(), len);
                EXPECT_FALSE(e.Clue.empty());
                ASSERT_GE(e.WordIndex, 1);
                ASSERT_LE(e.WordIndex, WordCount);
                const TWordRecord& w = WordTable[e.WordIndex];
                EXPECT_EQ(e.Common, w.LessCommon == 0 ? 1 : 0);
                // The entry is one of its word's forms, with the matching clue.
                const ShortString& singular = spanish ? w.Spanish : w.English;
                const ShortString& plural = spanish ? w.SpanishPlural : w.EnglishPlural;
                const bool isSingular = DeriveForm(singular.view()).Letters == e.Answer.view() &&
                                        e.Clue == (spanish ? w.English : w.Spanish);
                const bool isPlural = DeriveForm(plural.view()).Letters == e.Answer.view() &&
                                      e.Clue == (spanish ? w.EnglishPlural : w.SpanishPlural);
                EXPECT_TRUE(isSingular || isPlural);
            }
        }
    }
}

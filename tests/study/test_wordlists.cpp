// The Word Lists screen, driven as a user would: pick a category, move words with the
// arrows and the "All" buttons, sort, and find the marks again after a restart.

#include "AppFixture.h"
#include "GridMouse.h"
#include "TestVocabulary.h"

#include "CategoryPicker.h"
#include "LX_WordLists.h"
#include "LexGrid.h"
#include "WordListsRules.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "TextCodec.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

std::vector<std::string> FirstWords(const std::vector<WordListRow>& rows)
{
    std::vector<std::string> out;
    for (const auto& r : rows)
        out.push_back(r.FirstWord);
    return out;
}

}  // namespace

class TestWordLists : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        screen = fixture->StartWith<TfrmWordLists>(ScreenWordLists);
        QVERIFY(screen);
    }
    void cleanup() { fixture.reset(); }

    void firstScreenShowsTheChosenCategory()
    {
        QCOMPARE(fixture->main->CurrentScreen, int(ScreenWordLists));
        QVERIFY(screen->isVisible());
        QVERIFY(!screen->Lists.ToLearn.empty());
        QCOMPARE(screen->lblNotLearned->text(),
                 QStringLiteral("Words to Learn : %1").arg(screen->Lists.ToLearn.size()));
        QCOMPARE(screen->lblLearned->text(), QStringLiteral("Words Learned : 0"));
        QVERIFY(!screen->bnAllToData->isEnabled());
        for (const WordListRow& r : screen->Lists.ToLearn) {
            QCOMPARE(WordTable[r.WordIndex].Category, 0);
            QCOMPARE(WordTable[r.WordIndex].SubCategory, 0);
        }
    }

    void categoryClickWritesTheSelection()
    {
        ClickCell(screen->Picker->sgCategory, 0, 1);  // Body
        QCOMPARE(Preferences.SelectedCategory, 1);
        QCOMPARE(Preferences.SelectedSubCategory, 0);
        QCOMPARE(Preferences.AllSubCategories, uint8_t{0});

        // " All" is the last row and carries over to the next category.
        const int subCount = CategoryTable[1].SubCount;
        ClickCell(screen->Picker->sgSubCategory, 0, subCount);
        QCOMPARE(Preferences.AllSubCategories, uint8_t{1});
        QCOMPARE(Preferences.SelectedSubCategory, subCount);
        ClickCell(screen->Picker->sgCategory, 0, 5);  // Food
        QCOMPARE(Preferences.AllSubCategories, uint8_t{1});
        QCOMPARE(screen->Picker->PickedSubCategory, CategoryTable[5].SubCount);
        for (const WordListRow& r : screen->Lists.ToLearn)
            QCOMPARE(WordTable[r.WordIndex].Category, 5);

        // A named sub-category does not carry over: the next category starts at its first row.
        ClickCell(screen->Picker->sgSubCategory, 0, 2);
        ClickCell(screen->Picker->sgCategory, 0, 6);
        QCOMPARE(Preferences.AllSubCategories, uint8_t{0});
        QCOMPARE(screen->Picker->PickedSubCategory, 0);
    }

    void emptyCategoryCellChangesNothing()
    {
        // Only one column without custom categories; row 14 is the last built-in category.
        QCOMPARE(screen->Picker->sgCategory->ColCount(), 1);
        QVERIFY(!screen->Picker->sgCategorySelectCell(1, 0));
        QCOMPARE(Preferences.SelectedCategory, 0);
    }

    void arrowMovesAWordAndTheMarkSurvivesARestart()
    {
        const int before = static_cast<int>(screen->Lists.ToLearn.size());
        const int word = screen->Lists.ToLearn[0].WordIndex;
        const int id = WordTable[word].Id;
        ClickCell(screen->dgWords, 3, 0);
        QCOMPARE(static_cast<int>(screen->Lists.ToLearn.size()), before - 1);
        QCOMPARE(static_cast<int>(screen->Lists.Learned.size()), 1);
        QCOMPARE(screen->Lists.Learned[0].WordIndex, word);
        QCOMPARE(LearnedFlags[id], uint8_t{1});
        QVERIFY(screen->bnAllToData->isEnabled());

        // A press elsewhere than on the arrow moves nothing.
        ClickCell(screen->dgWords, 1, 0);
        QCOMPARE(static_cast<int>(screen->Lists.Learned.size()), 1);

        // Close (which saves), then start again on the same folder.
        fixture->Stop();
        std::fill(std::begin(LearnedFlags), std::end(LearnedFlags), uint8_t{0});
        QVERIFY(fixture->Start());
        screen = fixture->ScreenAs<TfrmWordLists>(ScreenWordLists);
        QCOMPARE(static_cast<int>(screen->Lists.Learned.size()), 1);
        QCOMPARE(screen->Lists.Learned[0].WordIndex, word);
        QCOMPARE(WordTable[word].Learned, uint8_t{1});

        // And back again with the learned list's arrow.
        ClickCell(screen->dgLearned, 0, 0);
        QCOMPARE(static_cast<int>(screen->Lists.Learned.size()), 0);
        QCOMPARE(LearnedFlags[id], uint8_t{0});
    }

    void allButtonsFollowTheCommonFilter()
    {
        screen->rbNotCommon->click();
        QCOMPARE(Preferences.CommonFilter, 1);
        const int lessCommon = static_cast<int>(screen->Lists.ToLearn.size());
        QVERIFY(lessCommon > 0);
        screen->bnAllToLearned->click();
        QCOMPARE(static_cast<int>(screen->Lists.Learned.size()), lessCommon);
        QVERIFY(!screen->bnAllToLearned->isEnabled());
        screen->rbAllCommon->click();
        for (const WordListRow& r : screen->Lists.Learned)
            QCOMPARE(WordTable[r.WordIndex].LessCommon, 1);
        for (const WordListRow& r : screen->Lists.ToLearn)
            QCOMPARE(WordTable[r.WordIndex].LessCommon, 0);
        screen->bnAllToData->click();
        QCOMPARE(static_cast<int>(screen->Lists.Learned.size()), 0);
    }

    void sortButtonsOrderBothLists()
    {
        screen->bnAllToLearned->click();
        // Half back, so both lists hold words.
        for (int i = 0; i < 5; ++i)
            ClickCell(screen->dgLearned, 0, 0);
        for (int mode = 1; mode <= 4; ++mode) {
            QToolButton* button[] = {screen->imgSortUp1, screen->imgSortDown1, screen->imgSortUp2, screen->imgSortDown2};
            button[mode - 1]->click();
            QCOMPARE(Preferences.WordSortMode, mode);
            for (const auto* list : {&screen->Lists.ToLearn, &screen->Lists.Learned}) {
                for (size_t i = 1; i < list->size(); ++i) {
                    const TWordRecord& a = WordTable[(*list)[i - 1].WordIndex];
                    const TWordRecord& b = WordTable[(*list)[i].WordIndex];
                    const std::string ka = (mode <= 2 ? a.EnglishSortKey : a.SpanishSortKey).str();
                    const std::string kb = (mode <= 2 ? b.EnglishSortKey : b.SpanishSortKey).str();
                    QVERIFY2(mode % 2 == 1 ? ka <= kb : ka >= kb, (ka + " / " + kb).c_str());
                }
            }
        }
    }

    void answerLanguageSwapsTheColumns()
    {
        Preferences.AnswerLanguage = "E";
        screen->FormShow();
        const WordListRow& r = screen->Lists.ToLearn[0];
        const TWordRecord& w = WordTable[r.WordIndex];
        QCOMPARE(r.FirstWord, w.Spanish.str() + w.Note.str());
        QCOMPARE(r.SecondWord, w.English.str());
        Preferences.AnswerLanguage = "S";
    }

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordLists* screen = nullptr;
};

// The list rules on a table of our own.
class TestWordListRules : public QObject {
    Q_OBJECT

private slots:
    void byteOrderAndTies()
    {
        const std::string inverted = Cp1252FromUtf8(",D,,,¡hola!,hola,,,Cat,Sub,0,3, ");
        const std::string accented = Cp1252FromUtf8(",D,,F,apple,manzana,apples,manzanas,Cat,Sub,0,5, ");
        UseRecordLines({",D,,M,zebra,cebra,zebras,cebras,Cat,Sub,0,1, ", inverted.c_str(),
                  ",D,,M,1 dollar,un dólar,,,Cat,Sub,0,2, ", ",D,,M,bee,abeja,bees,abejas,Cat,Sub,0,4, ",
                  accented.c_str(), ",D,,M,bee,zángano,bees,zánganos,Cat,Sub,0,6, "});
        WordSelection all;
        all.AllSubCategories = true;
        auto up = BuildWordListRows(all, true, 1);
        const std::vector<std::string> ascending = {"1 dollar", "apple", "bee", "bee", "zebra",
                                                    Cp1252FromUtf8("¡hola!")};
        QCOMPARE(FirstWords(up.ToLearn), ascending);
        QCOMPARE(up.ToLearn[2].WordIndex, 4);  // equal keys keep table order
        QCOMPARE(up.ToLearn[3].WordIndex, 6);
        auto down = BuildWordListRows(all, true, 2);
        QCOMPARE(down.ToLearn.size(), size_t{6});
        QCOMPARE(down.ToLearn.front().FirstWord, Cp1252FromUtf8("¡hola!"));
        QCOMPARE(down.ToLearn.back().FirstWord, std::string("1 dollar"));
        QCOMPARE(down.ToLearn[2].WordIndex, 4);
        QCOMPARE(down.ToLearn[3].WordIndex, 6);
        // Spanish keys fold accents: "zángano" sorts as "zangano", before "cebra"? no: after.
        auto spanish = BuildWordListRows(all, true, 3);
        QCOMPARE(spanish.ToLearn.back().WordIndex, 6);
        QCOMPARE(spanish.ToLearn.front().WordIndex, 4);  // abeja
    }

    void emptySelectionAndSortModeDefault()
    {
        UseRecordLines({",D,,M,zebra,cebra,zebras,cebras,Cat,Sub,1,1, "});
        WordSelection common;
        common.CommonFilter = 0;
        const WordLists lists = BuildWordListRows(common, true, 1);
        QVERIFY(lists.ToLearn.empty());
        QVERIFY(lists.Learned.empty());
        QCOMPARE(NormalizedSortMode(0, true), 1);
        QCOMPARE(NormalizedSortMode(9, false), 3);
        QCOMPARE(NormalizedSortMode(4, true), 4);
    }

    void typeTextsAndNotes()
    {
        UseRecordLines({",D,/a,M,cousin,primo,cousins,primos,Cat,Sub,0,1, ", ",D,,FP,scissors,tijeras,,,Cat,Sub,0,2, ",
                  ",D,,VR,get up,levantarse,,,Cat,Sub,0,3, "});
        WordSelection all;
        all.AllSubCategories = true;
        const WordLists lists = BuildWordListRows(all, true, 1);
        QCOMPARE(lists.ToLearn[0].SecondWord, std::string("primo/a"));
        QCOMPARE(lists.ToLearn[0].TypeText, std::string("M"));
        QCOMPARE(lists.ToLearn[1].TypeText, std::string("Verb"));   // get up
        QCOMPARE(lists.ToLearn[2].TypeText, std::string("F pl."));  // scissors
    }

    void customWordMarkGoesToItsRecord()
    {
        UseRecordLines({",D,,M,zebra,cebra,zebras,cebras,Cat,Sub,0,7, "});
        CustomWordCount = 1;
        CustomWords[1] = TCustomWordRecord{};
        CustomWords[1].Category = 15;
        TWordRecord& custom = WordTable[2];
        custom.Id = 1;
        custom.Category = 15;
        custom.SubCategory = 0;
        WordCount = 2;
        MarkWordLearned(2, true);
        QCOMPARE(CustomWords[1].Learned, uint8_t{1});
        QCOMPARE(LearnedFlags[1], uint8_t{0});
        MarkWordLearned(1, true);
        QCOMPARE(LearnedFlags[7], uint8_t{1});
        MarkWordLearned(99, true);  // past the table: nothing
        CustomWordCount = 0;
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestWordListRules rules;
        status |= QTest::qExec(&rules, argc, argv);
    }
    {
        TestWordLists screen;
        status |= QTest::qExec(&screen, argc, argv);
    }
    return status;
}

#include "test_wordlists.moc"

// The Custom Lists screen driven as a user would: build a category, a sub-category and words
// (typed with accent sequences, copied from the built-in list), change and delete them, and
// find them on the Word Lists screen, in the answer indexes and after a restart.

#include "AppFixture.h"

#include "CategoryPicker.h"
#include "CustomListsRules.h"
#include "LX_CustomLists.h"
#include "LX_WordTests.h"
#include "LX_WordLists.h"
#include "LexGrid.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "TextCodec.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

void ClickCell(LexGrid* grid, int col, int row)
{
    grid->SetTopRow(row);
    const QRect cell = grid->CellRect(col, row);
    QVERIFY2(cell.isValid(), "cell not on screen");
    QTest::mouseClick(grid, Qt::LeftButton, {}, cell.center());
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

int RowOf(const std::vector<WordListRow>& rows, const std::string& first)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].FirstWord == first)
            return static_cast<int>(i);
    return -1;
}

bool Offered(const AnswerIndex& index, int wordIndex)
{
    for (int len = AnswerIndex::MinLength; len <= AnswerIndex::MaxLength; ++len)
        for (int n = 1; n <= index.Count(len); ++n)
            if (index.Entry(len, n).WordIndex == wordIndex)
                return true;
    return false;
}

}  // namespace

class TestCustomLists : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        for (TCategoryRecord& c : CustomCategories)  // nothing left from the test before
            c = TCategoryRecord{};
        QVERIFY(fixture->WriteDataFile());
        QVERIFY(fixture->Start());
        OpenScreen();
    }
    void cleanup() { fixture.reset(); }

    void buildChangeAndDeleteOwnVocabulary()
    {
        QCOMPARE(fixture->main->CurrentScreen, int(ScreenCustomLists));
        // Nothing custom yet: only a category can be added.
        QVERIFY(screen->bnAddCategory->isEnabled());
        for (QToolButton* b : {screen->bnEditCategory, screen->bnAddSubCategory, screen->bnAddWords})
            QVERIFY(!b->isEnabled());

        // A category; the panel covers the tool bar until it closes.
        screen->bnAddCategory->click();
        QVERIFY(screen->PanelAddCategory->isVisible());
        QVERIFY(fixture->main->PanelHide->isVisible());
        QTest::mouseClick(fixture->main->Boxes[0], Qt::LeftButton);
        QCOMPARE(fixture->main->CurrentScreen, int(ScreenCustomLists));
        screen->AddCategory.Save->click();  // empty
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Category description must be filled in."));
        QVERIFY(screen->PanelAddCategory->isVisible());
        Type(screen->edAddCategory, "Garden");
        screen->AddCategory.Save->click();
        QVERIFY(!screen->PanelAddCategory->isVisible());
        QVERIFY(!fixture->main->PanelHide->isVisible());
        QCOMPARE(CustomCategoryCount, 1);
        QCOMPARE(screen->SelCustomCategory, 15);
        QVERIFY(!screen->bnAddWords->isEnabled());  // no sub-category yet

        // A sub-category, refused once for a character the file cannot hold.
        screen->bnAddSubCategory->click();
        QCOMPARE(screen->AddSubCategory.Header2->text(), QStringLiteral("to category Garden"));
        screen->edAddSubCategory->insert(QString::fromUtf8("Flor\u0142"));  // pasted
        screen->AddSubCategory.Save->click();
        QVERIFY(fixture->shown.last().Text.contains(QString::fromUtf8("\u0142")));
        QVERIFY(screen->PanelAddSubCategory->isVisible());
        QCOMPARE(CustomCategories[15].SubCount, 0);
        screen->edAddSubCategory->clear();
        Type(screen->edAddSubCategory, "Flowers");
        screen->AddSubCategory.Save->click();
        QCOMPARE(CustomCategories[15].SubNames[0], "Flowers");
        QVERIFY(screen->bnAddWords->isEnabled());

        // A word, its Spanish typed with accent sequences; the data type is required first.
        screen->bnAddWords->click();
        QVERIFY(fixture->main->PanelHide->isVisible());
        Type(screen->edAddEnglish, " little boy ");
        Type(screen->edAddSpanish, "ni'nito");
        QCOMPARE(screen->edAddSpanish->text(), QString::fromUtf8("ni\u00f1ito"));
        screen->AddData.Save->click();
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Data type must be selected"));
        ClickCell(screen->sgAddDataType, 0, 0);  // Masc.
        screen->cbAddCommon->setChecked(true);
        screen->AddData.Save->click();
        QVERIFY(!screen->PanelAddData->isVisible());
        QCOMPARE(CustomWordCount, 1);
        const int boy = BuiltInWordCount + 1;
        QCOMPARE(WordTable[boy].English, "little boy");
        QCOMPARE(WordTable[boy].Spanish, Cp1252FromUtf8("ni\u00f1ito"));
        QCOMPARE(screen->CustomWordList.size(), size_t{1});

        // A copy of a built-in word longer than the edit box allows.
        const std::string corner = "around the corner";
        int cornerIndex = 0;
        for (int i = 1; i <= BuiltInWordCount; ++i)
            if (WordTable[i].English == corner)
                cornerIndex = i;
        QVERIFY(cornerIndex > 0);
        screen->sgFixedCategorySelectCell(WordTable[cornerIndex].Category);
        screen->sgFixedSubCategorySelectCell(WordTable[cornerIndex].SubCategory);
        const int fixedRow = RowOf(screen->FixedWordList, corner);
        QVERIFY(fixedRow >= 0);
        ClickCell(screen->dgFixedWords, 1, fixedRow);  // not the arrow: nothing
        QCOMPARE(CustomWordCount, 1);
        ClickCell(screen->dgFixedWords, 2, fixedRow);
        QCOMPARE(CustomWordCount, 2);
        ClickCell(screen->dgFixedWords, 2, fixedRow);
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("This word already exists in this category."));
        QCOMPARE(CustomWordCount, 2);
        const int cornerRow = RowOf(screen->CustomWordList, corner);
        QCOMPARE(screen->SelCustomWordRow, cornerRow);

        // Edit the copy without touching its long Spanish: it stays whole.
        const std::string longSpanish = WordTable[cornerIndex].Spanish.str();
        QVERIFY(longSpanish.size() > 22);
        screen->bnEditWords->click();
        QCOMPARE(screen->edEditSpanish->text(), ToQt(longSpanish));
        screen->cbEditCommon->setChecked(true);
        screen->EditData.Save->click();
        QVERIFY(!screen->PanelEditData->isVisible());
        const int copied = screen->CustomWordList[screen->SelCustomWordRow].WordIndex;
        QCOMPARE(WordTable[copied].Spanish.str(), longSpanish);
        QCOMPARE(WordTable[copied].LessCommon, 0);

        // A word test of that sub-category on the Word Tests screen asks exactly its two words.
        std::vector<int> flowers;
        for (const WordListRow& r : screen->CustomWordList)
            flowers.push_back(r.WordIndex);
        std::sort(flowers.begin(), flowers.end());
        QCOMPARE(flowers.size(), size_t{2});
        QVERIFY(flowers[0] > BuiltInWordCount);
        fixture->ClickBox(ScreenWordTests);
        auto* tests = fixture->ScreenAs<TfrmWordTests>(ScreenWordTests);
        ClickCell(tests->Picker->sgCategory, 1, 0);
        ClickCell(tests->Picker->sgSubCategory, 0, 0);
        std::vector<int> asked;
        for (const WordTestRow& r : tests->Test.Rows)
            asked.push_back(r.WordIndex);
        std::sort(asked.begin(), asked.end());
        QCOMPARE(asked, flowers);
        OpenScreen();
        ClickCell(screen->dgCustomWords, 0, RowOf(screen->CustomWordList, corner));

        // Delete the copy; the little boy stays chosen and offered everywhere.
        screen->bnDeleteWords->click();
        QVERIFY(fixture->shown.last().Text.startsWith("You have chosen to delete the word around the corner("));
        QCOMPARE(CustomWordCount, 1);
        QCOMPARE(screen->SelCustomWordRow, 0);
        QVERIFY(Offered(SpanishAnswers, boy));
        QVERIFY(!Offered(SpanishAnswers, boy + 1));

        // Word Lists offers the new category and its word.
        QTest::mouseClick(fixture->main->Boxes[0], Qt::LeftButton);
        auto* lists = fixture->ScreenAs<TfrmWordLists>(ScreenWordLists);
        QCOMPARE(lists->Picker->sgCategory->ColCount(), 2);
        ClickCell(lists->Picker->sgCategory, 1, 0);
        ClickCell(lists->Picker->sgSubCategory, 0, 0);
        QCOMPARE(lists->Lists.ToLearn.size(), size_t{1});
        QCOMPARE(lists->Lists.ToLearn[0].FirstWord, std::string("little boy"));

        // It lasts across a restart, with the choice the other screen made.
        fixture->Stop();
        QVERIFY(fixture->Start());
        QCOMPARE(CustomWordCount, 1);
        QCOMPARE(WordTable[BuiltInWordCount + 1].Spanish, Cp1252FromUtf8("ni\u00f1ito"));
        QCOMPARE(Preferences.SelectedCategory, 15);
        OpenScreen();
        QCOMPARE(screen->CustomWordList.size(), size_t{1});

        // Two spreadsheet cells pasted into the Spanish box: the tab is kept as one blank.
        screen->bnAddWords->click();
        Type(screen->edAddEnglish, "grey cat");
        QGuiApplication::clipboard()->setText("gato\tgris");
        screen->edAddSpanish->setFocus();
        QTest::keyClick(screen->edAddSpanish, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(screen->edAddSpanish->text(), QStringLiteral("gato\tgris"));
        ClickCell(screen->sgAddDataType, 0, 0);
        screen->AddData.Save->click();
        QVERIFY(!screen->PanelAddData->isVisible());
        QCOMPARE(CustomWords[1].Spanish, "gato gris");

        // Deleting the category takes its words; the other screens go back to category 0.
        screen->bnDeleteCategory->click();
        QVERIFY(fixture->shown.last().Text.startsWith("You have chosen to delete the category : Garden"));
        QCOMPARE(CustomCategoryCount, 0);
        QCOMPARE(WordCount, BuiltInWordCount);
        QCOMPARE(Preferences.SelectedCategory, 0);
        QVERIFY(screen->bnAddCategory->isEnabled());
        QVERIFY(!screen->bnDeleteCategory->isEnabled());
    }

    void cancelAndSortLeaveTheTablesAlone()
    {
        screen->bnAddCategory->click();
        Type(screen->edAddCategory, "Zoo");
        screen->AddCategory.Cancel->click();
        QCOMPARE(CustomCategoryCount, 0);
        QVERIFY(!fixture->main->PanelHide->isVisible());
        QVERIFY(screen->PanelFixedCategories->isEnabled());
        // Back in browse mode the buttons stand beside the grids again, not over them.
        QVERIFY(screen->bnAddCategory->isVisible());
        QVERIFY(!screen->bnAddCategory->geometry().intersects(screen->sgCustomCategory->geometry()));
        QVERIFY(!screen->bnAddWords->geometry().intersects(screen->dgCustomWords->geometry()));

        screen->imgFixedDown1->click();
        QCOMPARE(Preferences.WordSortMode, 2);
        for (size_t i = 1; i < screen->FixedWordList.size(); ++i)
            QVERIFY(WordTable[screen->FixedWordList[i - 1].WordIndex].EnglishSortKey.str() >=
                    WordTable[screen->FixedWordList[i].WordIndex].EnglishSortKey.str());
        screen->rbFixedCommon->click();
        for (const WordListRow& r : screen->FixedWordList)
            QCOMPARE(WordTable[r.WordIndex].LessCommon, 0);
    }

    void chosenWordShowsAsTheSixthVisibleRow()
    {
        const int slot = AddCustomCategory("Numbers");
        AddCustomSubCategory(slot, "All of them");
        for (int i = 0; i < 60; ++i)
            StoreCustomWord({"word " + std::to_string(100 + i), "palabra", "", 7, true}, slot, 0, -1);
        OpenScreen();
        QCOMPARE(screen->CustomWordList.size(), size_t{60});
        ClickCell(screen->dgCustomWords, 0, 30);
        QCOMPARE(screen->SelCustomWordRow, 30);
        screen->ScrollToSelectedWord();
        QCOMPARE(screen->dgCustomWords->TopRow(), 25);
        screen->SelCustomWordRow = 58;  // near the end the view stops with the last row showing
        screen->ScrollToSelectedWord();
        QVERIFY(screen->dgCustomWords->CellRect(0, 59).isValid());
        QVERIFY(screen->dgCustomWords->CellRect(0, 58).isValid());
        screen->SelCustomWordRow = 4;
        screen->ScrollToSelectedWord();
        QCOMPARE(screen->dgCustomWords->TopRow(), 0);

        // With no word chosen, edit and delete both ask for one and change nothing.
        screen->SelCustomWordRow = -1;
        const qsizetype shownBefore = fixture->shown.size();
        screen->bnEditWordsClick();
        screen->bnDeleteWordsClick();
        QCOMPARE(fixture->messages().mid(shownBefore),
                 QStringList(2, QStringLiteral("Please click to select a word in the list.")));
        QVERIFY(!screen->PanelEditData->isVisible());
        QCOMPARE(screen->CustomWordList.size(), size_t{60});

        // Deleting the chosen middle word chooses the one that followed it.
        screen->SelCustomWordRow = 7;
        screen->bnDeleteWordsClick();
        QCOMPARE(screen->CustomWordList.size(), size_t{59});
        QCOMPARE(screen->CustomWordList[screen->SelCustomWordRow].FirstWord, std::string("word 108"));
        // Under English answers the word columns swap, and edit still finds the word.
        Preferences.AnswerLanguage = "E";
        OpenScreen();
        screen->bnEditWordsClick();
        QVERIFY(screen->PanelEditData->isVisible());
        QCOMPARE(screen->edEditEnglish->text(), QStringLiteral("word 100"));
        screen->EditData.Cancel->click();
        Preferences.AnswerLanguage = "S";

        // Deleting a sub-category, then a category, keeps the chosen word row inside the
        // shorter list that follows: highlighted, with Edit and Delete enabled.
        AddCustomSubCategory(slot, "Few");
        for (const char* english : {"one", "two"})
            StoreCustomWord({english, "uno", "", 7, true}, slot, 1, -1);
        const int other = AddCustomCategory("Other");
        AddCustomSubCategory(other, "Only");
        StoreCustomWord({"three", "tres", "", 7, true}, other, 0, -1);
        OpenScreen();
        // Edit on a sub-category past the first fills in its own name.
        ClickCell(screen->sgCustomSubCategory, 0, 1);
        screen->bnEditSubCategory->click();
        QCOMPARE(screen->edEditSubCategory->text(), QStringLiteral("Few"));
        screen->EditSubCategory.Cancel->click();
        ClickCell(screen->sgCustomSubCategory, 0, 0);
        ClickCell(screen->dgCustomWords, 0, 30);
        screen->bnDeleteSubCategory->click();
        QCOMPARE(CustomCategories[slot].SubNames[screen->SelCustomSubCategory], "Few");
        QCOMPARE(screen->SelCustomWordRow, 1);
        QVERIFY(screen->bnEditWords->isEnabled());
        screen->bnDeleteCategory->click();
        QCOMPARE(CustomCategories[screen->SelCustomCategory].Name, "Other");
        QCOMPARE(screen->SelCustomWordRow, 0);
        QVERIFY(screen->bnEditWords->isEnabled() && screen->bnDeleteWords->isEnabled());

        // Renamed past another category in the sort order: the renamed one stays chosen.
        AddCustomCategory("Pear");
        OpenScreen();
        screen->bnEditCategory->click();
        screen->edEditCategory->setText("Zebra");
        screen->EditCategory.Save->click();
        QCOMPARE(CustomCategories[screen->SelCustomCategory].Name, "Zebra");
        QCOMPARE(screen->CustomWordList.at(0).FirstWord, std::string("three"));
    }

    void storedChoicePastTheCategoriesFallsBackToTheFirst()
    {
        // A data file whose stored choice is one past the categories in use.
        fixture->Stop();
        Preferences = TPreferences{};
        Preferences.PrefsValid = 1;
        Preferences.WindowWidth = 1260;
        Preferences.WindowHeight = 960;
        Preferences.FontSizeMode = 2;
        Preferences.AnswerLanguage = "S";
        CustomCategoryCount = 2;
        CustomCategories[15] = TCategoryRecord{};
        CustomCategories[15].Name = "a";
        CustomCategories[16] = TCategoryRecord{};
        CustomCategories[16].Name = "b";
        CustomWordCount = 0;
        for (int stored : {17, -1}) {
            Preferences.SelectedCategory = stored;
            QVERIFY(SaveDataFile());
            QVERIFY(fixture->Start());
            auto* lists = fixture->ScreenAs<TfrmWordLists>(ScreenWordLists);
            QCOMPARE(lists->Picker->PickedCategory, 0);
            OpenScreen();
            QCOMPARE(screen->SelFixedCategory, 0);
            fixture->Stop();
            Preferences.PrefsValid = 1;
            Preferences.WindowWidth = 1260;
            Preferences.WindowHeight = 960;
            Preferences.FontSizeMode = 2;
            Preferences.AnswerLanguage = "S";
        }
        CustomCategoryCount = 0;
        for (TCategoryRecord& c : CustomCategories)
            c = TCategoryRecord{};
    }

private:
    void OpenScreen()
    {
        fixture->ClickBox(ScreenCustomLists);
        screen = fixture->ScreenAs<TfrmCustomLists>(ScreenCustomLists);
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
    }

    std::unique_ptr<AppFixture> fixture;
    TfrmCustomLists* screen = nullptr;
};

QTEST_MAIN(TestCustomLists)
#include "test_customlists.moc"

// Free-format crosswords on the Crosswords screen, driven as a user would: a category picked,
// a puzzle started and one word solved; a sub-category with fewer words than asked, with the
// choice cancelled and then accepted; a "New puzzle" that finds no words keeps the puzzle, and
// one after another screen's pick keeps the puzzle's own selection; a wide grid's square cells.

#include "AppFixture.h"
#include "FileBytes.h"
#include "GridMouse.h"

#include "CategoryPicker.h"
#include "CrosswordFile.h"
#include "CrosswordPlay.h"
#include "FreeFormatGenerator.h"
#include "LX_Crosswords.h"
#include "LX_WordSearch.h"
#include "LexGrid.h"
#include "TestVocabulary.h"
#include "XWordGrid.h"

#include "AppGlobals.h"
#include "Random.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <utility>
#include <vector>

namespace {

// Types one Windows-1252 answer letter on an English keyboard: accents after their prefix key.
void TypeLetter(QWidget* grid, char ch)
{
    static const std::string Accented = "\xE1\xE9\xED\xF3\xFA\xF1\xFC", Plain = "aeiounu";
    const auto u = static_cast<unsigned char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
    const size_t accent = Accented.find(static_cast<char>(u >= 0xC0 && u < 0xE0 ? u + 32 : u));
    if (accent != std::string::npos)
        QTest::keyClick(grid, accent == 5 ? Qt::Key_AsciiTilde : accent == 6 ? Qt::Key_QuoteDbl : Qt::Key_Apostrophe,
                        accent >= 5 ? Qt::ShiftModifier : Qt::NoModifier);
    const char plain = accent != std::string::npos ? Plain[accent] : static_cast<char>(u);
    QTest::keyClick(grid, Qt::Key(Qt::Key_A + (plain - 'a')));
}

int ClueCount()
{
    int clues = 0;
    for (int row = 1; row < XWordClues.RowCount; ++row)
        for (int col : {0, 2})
            clues += XWordClues.At(col, row).size() > 2;
    return clues;
}

}  // namespace

class TestFreeFormat : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        screen = fixture->OpenScreen<TfrmCrosswords>(ScreenCrosswords);
        QVERIFY(screen);
        QTest::mouseClick(screen->lblFreeLines[0], Qt::LeftButton);
        QVERIFY(screen->rbFree->isChecked());
        QVERIFY(screen->bnStartCrossword->isEnabled());
    }
    void cleanup() { fixture.reset(); }

    void startAndSolveOneWord()
    {
        pick(0, CategoryTable[0].SubCount);  // Animals, every sub-category
        QCOMPARE(screen->CategoryCaption, QStringLiteral("Animals"));
        screen->senWords->setValue(10);
        RandSeed(5);
        screen->bnStartCrossword->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(XWordMode, 2);
        QCOMPARE(screen->HintSubMode(), 2);
        QVERIFY(screen->PanelXWord->isVisible() && !screen->PanelMain->isVisible() && !screen->PanelRecalc->isVisible());
        QVERIFY(screen->sgCross->isVisible() && screen->sgClues->isVisible() && screen->lblFreeFormHeader->isVisible());
        QCOMPARE(screen->lblFreeFormHeader->text(), QStringLiteral("Free format crossword : Animals"));
        QVERIFY(screen->sgCross->ColCount() == XWordCols && screen->sgCross->RowCount() == XWordRows);
        QVERIFY(XWordCols <= 19 && XWordRows <= 19);
        QCOMPARE(ClueCount(), 10);
        // The header sits above the grid.
        QVERIFY(screen->lblFreeFormHeader->geometry().bottom() <= screen->sgCross->geometry().top());

        // The first Across clue is selected: type its answer.
        const int clueRow = SelClueRow;
        QCOMPARE(clueRow, 1);
        const int length = XWordGrid[WordStartCol][WordStartRow].AcrossLength;
        std::vector<std::pair<int, int>> word;
        for (int i = 0; i < length; ++i)
            word.emplace_back(WordStartCol + i, WordStartRow);
        screen->sgCross->setFocus();
        for (auto [c, r] : word)
            TypeLetter(screen->sgCross, XWordGrid[c][r].Answer[0]);
        QCOMPARE(XWordClues.At(0, clueRow)[1], '1');
        ClickCell(screen->sgClues, 1, clueRow);
        screen->PanelCheck.Word->click();
        for (auto [c, r] : word)
            QCOMPARE(XWordGrid[c][r].CheckMark, "1");

        // A "New puzzle" that finds no words says so and keeps the crossword on view.
        const int cols = XWordCols, rows = XWordRows;
        const std::string first = XWordClues.At(1, 1);
        std::vector<int> moved;
        for (int w = 1; w <= WordCount; ++w)
            if (WordTable[w].Category == 0) {
                WordTable[w].Category = 1;
                moved.push_back(w);
            }
        screen->bnSame->click();
        for (int w : moved)
            WordTable[w].Category = 0;
        QVERIFY(fixture->messages().join("|").contains("There are no words satisfying the selected options."));
        QCOMPARE(XWordMode, 2);
        QVERIFY(XWordCols == cols && XWordRows == rows && screen->sgCross->ColCount() == cols);
        QCOMPARE(XWordClues.At(1, 1), first);
        QVERIFY(screen->PanelXWord->isVisible());
        QCOMPARE(screen->lblFreeFormHeader->text(), QStringLiteral("Free format crossword : Animals"));
    }

    void fewerWordsThanAskedOffersAChoice()
    {
        // A sub-category with 6 to 19 less common words.
        screen->rbNotCommon->click();
        int category = -1, sub = -1, count = 0;
        for (int c = 0; c < CategoryCount && category < 0; ++c)
            for (int s = 0; s < CategoryTable[c].SubCount && category < 0; ++s) {
                WordSelection selection{c, s, false, 1, 2};
                if (SelectFreeFormatWords(selection, true, 20, {}) && FreeFormatCount < 20) {
                    category = c;
                    sub = s;
                    count = FreeFormatCount;
                }
            }
        QVERIFY(category >= 0);
        pick(category, sub);
        screen->senWords->setValue(20);

        fixture->choiceAnswer = 2;  // "Cancel the request and expand the selection."
        screen->bnStartCrossword->click();
        QCOMPARE(fixture->shown.size(), 1);
        QVERIFY(fixture->shown[0].Text.startsWith(
            QStringLiteral("There are only %1 words satisfying the selected options.").arg(count)));
        QVERIFY(fixture->shown[0].Text.contains("Selecting 'All Words' for Common words may increase"));
        QCOMPARE(fixture->shown[0].Options,
                 QStringList({"Continue with the current selection.", "Cancel the request and expand the selection."}));
        QCOMPARE(XWordMode, 0);
        QVERIFY(screen->PanelMain->isVisible());
        fixture->escapeChoices = true;  // Escape and the close box choose nothing
        screen->bnStartCrossword->click();
        fixture->escapeChoices = false;
        QVERIFY(fixture->shown.last().StayedUp);
        QCOMPARE(XWordMode, 0);

        fixture->choiceAnswer = 1;
        screen->bnStartCrossword->click();
        QCOMPARE(fixture->shown.size(), 3);
        QCOMPARE(XWordMode, 2);
        QVERIFY(ClueCount() >= 1 && ClueCount() <= count);
        QVERIFY(screen->lblFreeFormHeader->text().endsWith(screen->CategoryCaption));
        QVERIFY(screen->CategoryCaption.contains(" - "));

        // "New puzzle" takes what there is without asking again.
        screen->bnSame->click();
        QCOMPARE(fixture->shown.size(), 3);
        QCOMPARE(XWordMode, 2);
    }

    void newPuzzleRepeatsItsOwnSelectionWhateverOtherScreensPick()
    {
        const int birds = SubCategoryRow(0, "Birds");
        QVERIFY(birds >= 0);
        const int all = CategoryTable[0].SubCount;
        // The words of all of Animals, as a puzzle on the whole category selects them.
        QVERIFY(SelectFreeFormatWords(WordSelection{0, 0, true, 2, 2}, true, 10, {}));
        const int animals = FreeFormatCount;
        QVERIFY(animals > 100);

        // A puzzle on Animals - Birds, then all of Animals picked on Word Search.
        pick(0, birds);
        screen->senWords->setValue(10);
        RandSeed(3);
        screen->bnStartCrossword->click();
        QCOMPARE(XWordMode, 2);
        pickOnWordSearch(0, all);
        QVERIFY(Preferences.AllSubCategories);
        screen->bnSame->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(screen->lblFreeFormHeader->text(), QStringLiteral("Free format crossword : Animals - Birds"));
        QVERIFY(FreeFormatCount >= 10 && FreeFormatCount < animals);
        for (int i = 1; i <= FreeFormatCount; ++i)
            QCOMPARE(WordTable[FreeFormatWords[i]].SubCategory, birds);

        // The reverse: a puzzle on all of Animals, then one sub-category picked elsewhere.
        screen->bnReturn->click();
        pick(0, all);
        screen->bnStartCrossword->click();
        QCOMPARE(screen->lblFreeFormHeader->text(), QStringLiteral("Free format crossword : Animals"));
        pickOnWordSearch(0, birds);
        QVERIFY(!Preferences.AllSubCategories);
        screen->bnSame->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(FreeFormatCount, animals);
        QCOMPARE(XWordMode, 2);
        QCOMPARE(screen->lblFreeFormHeader->text(), QStringLiteral("Free format crossword : Animals"));
    }

    void trimmedGridsGetSquareCells()
    {
        // A loaded free-format crossword of 19 x 3: a long word across, a short one down.
        XWordMode = 2;
        XWordCols = 19;
        XWordRows = 3;
        for (int c = 0; c < XWordGridDim; ++c)
            for (int r = 0; r < XWordGridDim; ++r)
                XWordGrid[c][r] = XWordCell();
        for (int c = 0; c < 19; ++c)
            XWordGrid[c][0].Answer = std::string(1, static_cast<char>('a' + c));
        XWordGrid[0][1].Answer = "x";
        XWordGrid[0][2].Answer = "y";
        NumberGrid();
        BuildClueLists();
        std::vector<uint8_t> record;
        QVERIFY(AssembleCrosswordRecord(record, "Free format crossword : Letters"));
        WriteBytes(ProgramDir + "/LXQ_FreeFormat.dat",
                   QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size())));
        XWordMode = 0;
        screen->FormShow();
        screen->bnLoadExisting->click();
        QCOMPARE(XWordMode, 2);
        QCOMPARE(screen->sgCross->ColCount(), 19);
        QCOMPARE(screen->sgCross->RowCount(), 3);

        // Square cells, sized by the 19 columns.
        const int cell = screen->sgCross->DefaultColWidth();
        QCOMPARE(screen->sgCross->DefaultRowHeight(), cell);
        QVERIFY(cell < 40);  // the page's room, not the limit, decides here
        QCOMPARE(screen->sgCross->width(), (cell + 1) * 19 + 1);
        QCOMPARE(screen->sgCross->height(), (cell + 1) * 3 + 1);
    }

private:
    // Picks on another screen's picker: Word Search's set-up panel, and back to this screen.
    void pickOnWordSearch(int category, int subRow)
    {
        auto* search = fixture->ScreenAs<TfrmWordSearch>(ScreenWordSearch);
        QVERIFY(search);
        fixture->ClickBox(ScreenWordSearch);
        PickByMouse(search->Picker->sgCategory, search->Picker->sgSubCategory, category, subRow);
        fixture->ClickBox(ScreenCrosswords);
        QCOMPARE(XWordMode, 2);
    }

    // Picks a category (and a sub-category row, or " All") in the picker by mouse.
    void pick(int category, int subRow) { PickByMouse(screen->Picker->sgCategory, screen->Picker->sgSubCategory, category, subRow); }

    std::unique_ptr<AppFixture> fixture;
    TfrmCrosswords* screen = nullptr;
};

QTEST_MAIN(TestFreeFormat)
#include "test_freeformat.moc"

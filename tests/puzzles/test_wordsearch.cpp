// The Word Search screen, driven as a user would: set the options, start a puzzle, find words
// by dragging across the grid forwards and backwards, miss with wrong and outside drags, ask
// the list for help, Fill and Clear, and press "New puzzle" after the selection has shrunk or
// another screen picked otherwise; the list's captions and font with a puzzle on view.

#include "AppFixture.h"
#include "GridMouse.h"
#include "LayoutCheck.h"

#include "CategoryPicker.h"
#include "FontScheme.h"
#include "LX_Options.h"
#include "LX_WordLists.h"
#include "LX_WordSearch.h"
#include "LexGrid.h"
#include "TestVocabulary.h"
#include "WordSearchRules.h"

#include "LX_Globals.h"
#include "Random.h"
#include "Selection.h"
#include "WordListsRules.h"
#include "AppGlobals.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int Food = 5;

// Press on one cell, move over the cells between, release on the last (or at a point).
void DragAcross(LexGrid* grid, QPoint from, QPoint to)
{
    QTest::mousePress(grid, Qt::LeftButton, {}, from);
    QTest::mouseMove(grid, (from + to) / 2);
    QTest::mouseMove(grid, to);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, to);
}

struct Ends {
    QPoint First, Last;  // cells (col, row)
};

Ends EndsOf(const WordSearchPuzzle& p, int word)
{
    const SearchStart s = FindWordStart(p, word);
    const TSearchCell& c = p.Layer(s.Layer, s.Col, s.Row);
    const SearchStep step = SearchDirectionStep(c.Direction);
    return {{s.Col, s.Row}, {s.Col + (c.Length - 1) * step.Col, s.Row + (c.Length - 1) * step.Row}};
}

int HighlightedCells(const WordSearchPuzzle& p)
{
    int n = 0;
    for (int c = 0; c < p.Side; ++c)
        for (int r = 0; r < p.Side; ++r)
            n += p.Grid[c][r].Flag != '0';
    return n;
}

// The answer is the Spanish (or English) word of a word of that category and sub-category
// (any sub-category for -1).
bool AnswerOfCategory(const std::string& answer, int category, int sub, bool spanish = true)
{
    for (int w = 1; w <= WordCount; ++w) {
        const TWordRecord& word = WordTable[w];
        if (word.Category == category && (sub < 0 || word.SubCategory == sub) &&
            (spanish ? word.Spanish : word.English).str() == answer)
            return true;
    }
    return false;
}

// Pixels of a cell of the list drawn darker than mid-grey: the ink of its text.
int InkIn(LexGrid* list, int col, int row)
{
    const QImage image = list->grab().toImage();
    const QRect cell = list->CellRect(col, row);
    int ink = 0;
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

int FoundCount(const WordSearchPuzzle& p)
{
    int n = 0;
    for (int w = 1; w <= p.PuzzleWordCount(); ++w)
        n += WordFound(p, w);
    return n;
}

}  // namespace

class TestWordSearch : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        screen = fixture->OpenScreen<TfrmWordSearch>(ScreenWordSearch);
        QVERIFY(screen);
        QVERIFY(screen->PanelMain->isVisible());
        QCOMPARE(screen->HintSubMode(), 0);
    }
    void cleanup() { fixture.reset(); }

    void setupPanelRestoresAndWritesPreferences()
    {
        Preferences.SearchWordCount = 99;
        Preferences.SearchAllDirections = 1;
        Preferences.SelectedCategory = 1;
        Preferences.SelectedSubCategory = 40;  // another category's row
        Preferences.AllSubCategories = 0;
        Preferences.AnswerLanguage = "E";
        screen->FormShow();
        QCOMPARE(screen->senWords->value(), 20);
        QVERIFY(screen->rbAllDir->isChecked());
        QCOMPARE(screen->Picker->PickedSubCategory, 0);
        QCOMPARE(screen->CategoryCaption, ToQt(CategoryTable[1].Name) + " - " + ToQt(CategoryTable[1].SubNames[0]));
        QCOMPARE(screen->bnShowSpanish->text(), QString("Click to show English words"));
        QCOMPARE(screen->lblInstruct2->text(), QString("Click the first column to show the English word."));

        screen->senWords->setValue(33);
        QCOMPARE(Preferences.SearchWordCount, 33);
        screen->rbForward->click();
        QCOMPARE(Preferences.SearchAllDirections, uint8_t{0});
        screen->rbNotCommon->click();
        QCOMPARE(Preferences.CommonFilter, 1);
        screen->rbLearned->click();
        QCOMPARE(Preferences.LearnedFilter, 0);

        Preferences.AnswerLanguage = "S";
        screen->FormShow();
        QCOMPARE(screen->bnShowSpanish->text(), QString("Click to show Spanish words"));
    }

    void tooFewWordsAndTheChoiceOfFewer()
    {
        // Learned words only, and nothing is learned yet.
        screen->rbLearned->click();
        screen->bnStartGame->click();
        QCOMPARE(fixture->shown.size(), 1);
        QVERIFY(fixture->shown.last().Text.startsWith("There are no words satisfying the selected options."));
        QVERIFY(fixture->shown.last().Text.contains("Selecting 'All Words'"));
        QVERIFY(screen->PanelMain->isVisible());
        QCOMPARE(screen->PuzzleShowing, 0);

        // A sub-category with fewer words than asked: the choice, first cancelled.
        screen->rbAllLearned->click();
        screen->rbAllCommon->click();
        int category = -1, sub = -1, count = 0;
        for (int c = 0; c < CategoryCount && sub < 0; ++c)
            for (int s = 0; s < CategoryTable[c].SubCount && sub < 0; ++s) {
                count = static_cast<int>(SearchCandidateList(WordSelection{c, s, false, 2, 2}, "S").size());
                if (count >= 8 && count < 40)
                    category = c, sub = s;
            }
        QVERIFY(sub >= 0);
        screen->Picker->sgCategorySelectCell(0, category);
        screen->Picker->sgSubCategorySelectCell(sub);
        screen->senWords->setValue(40);
        fixture->choiceAnswer = 2;
        screen->bnStartGame->click();
        QCOMPARE(fixture->shown.size(), 2);
        QCOMPARE(fixture->shown.last().Options,
                 QStringList({"Continue with the current selection.", "Cancel the request and expand the selection."}));
        QCOMPARE(screen->PuzzleShowing, 0);
        QVERIFY(!screen->Puzzle());
        // Escape and the close box leave no choice made, and build nothing.
        fixture->escapeChoices = true;
        screen->bnStartGame->click();
        fixture->escapeChoices = false;
        QVERIFY(fixture->shown.last().StayedUp);
        QVERIFY(!screen->Puzzle());

        fixture->choiceAnswer = 1;
        screen->bnStartGame->click();
        QCOMPARE(screen->PuzzleShowing, 1);
        QCOMPARE(screen->HintSubMode(), 1);
        QVERIFY(screen->PanelWordSearch->isVisible());
        QVERIFY(screen->Puzzle()->PuzzleWordCount() >= 6);
        QVERIFY(screen->Puzzle()->PuzzleWordCount() <= count);
        QCOMPARE(screen->lblSearchHeader->text(), "Word Search : " + screen->CategoryCaption);
        // "New puzzle" never asks.
        const int before = fixture->shown.size();
        screen->bnSame->click();
        QCOMPARE(fixture->shown.size(), before);
        QCOMPARE(screen->PuzzleShowing, 1);
    }

    void dragsFindWordsForwardsAndBackwards()
    {
        StartFoodPuzzle(40);
        WordSearchPuzzle& p = *screen->Puzzle();
        QCOMPARE(p.PuzzleWordCount(), 40);
        QVERIFY(p.Side >= 20 && p.Side <= SearchMaxSide);  // 20, grown by failed attempts
        QCOMPARE(screen->sgWordSearch->ColCount(), p.Side);
        LexGrid* grid = screen->sgWordSearch;

        // Forwards, from the first letter to the last.
        Ends one = EndsOf(p, 1);
        DragAcross(grid, Centre(grid, one.First.x(), one.First.y()), Centre(grid, one.Last.x(), one.Last.y()));
        QVERIFY(WordFound(p, 1));
        QCOMPARE(p.List[0].Answer, "11" + p.Answers[0].Answer);
        QCOMPARE(p.List[0].Mark, '1');

        // Backwards, from the last letter to the first.
        Ends two = EndsOf(p, 2);
        DragAcross(grid, Centre(grid, two.Last.x(), two.Last.y()), Centre(grid, two.First.x(), two.First.y()));
        QVERIFY(WordFound(p, 2));
        QCOMPARE(FoundCount(p), 2);

        // A line one cell short finds nothing.
        Ends three = EndsOf(p, 3);
        const QPoint shortEnd = three.Last - (three.Last - three.First) / (p.Answers[2].Letters.size() - 1);
        DragAcross(grid, Centre(grid, three.First.x(), three.First.y()), Centre(grid, shortEnd.x(), shortEnd.y()));
        QVERIFY(!WordFound(p, 3));
        // Backwards and released outside the grid: nothing, and no highlight is left.
        const QPoint outside(grid->width() + 15, grid->height() / 2);
        DragAcross(grid, Centre(grid, three.Last.x(), three.Last.y()), outside);
        QVERIFY(!WordFound(p, 3));
        QCOMPARE(FoundCount(p), 2);
        for (int c = 0; c < p.Side; ++c)
            for (int r = 0; r < p.Side; ++r)
                QCOMPARE(p.Grid[c][r].Flag, '0');

        // The list's help: the answer, then a clue area around the first letter.
        QTest::mouseClick(screen->sgWords, Qt::LeftButton, {}, Centre(screen->sgWords, 0, 4));
        QCOMPARE(p.List[4].Answer.substr(0, 2), std::string("01"));
        // Shown words are written in ink, on a found row's grey as on white; a hidden one is not.
        QVERIFY(InkIn(screen->sgWords, 0, 4) > 20);
        QVERIFY(InkIn(screen->sgWords, 0, 0) > 20);
        QVERIFY(InkIn(screen->sgWords, 1, 5) > 20);
        QCOMPARE(InkIn(screen->sgWords, 0, 5), 0);
        QTest::mouseClick(screen->sgWords, Qt::LeftButton, {}, Centre(screen->sgWords, 2, 4));
        const Ends five = EndsOf(p, 5);
        QCOMPARE(p.Grid[five.First.x()][five.First.y()].Flag, '2');
        QCOMPARE(p.List[4].Mark, '2');

        // Fill and Clear drop the clue area with the list's marker.
        screen->bnFill->click();
        QCOMPARE(FoundCount(p), 40);
        QCOMPARE(HighlightedCells(p), 0);
        screen->bnClear->click();
        QCOMPARE(FoundCount(p), 0);
        QCOMPARE(p.List[4].Answer, "00" + p.Answers[4].Answer);
        QTest::mouseClick(screen->sgWords, Qt::LeftButton, {}, Centre(screen->sgWords, 2, 4));
        QVERIFY(HighlightedCells(p) >= 4);
        screen->bnClear->click();
        QCOMPARE(p.List[4].Mark, '0');
        QCOMPARE(HighlightedCells(p), 0);
        screen->bnShowSpanish->click();
        QCOMPARE(p.List[7].Answer, "01" + p.Answers[7].Answer);

        // The grid is square and stands left of the list, above the instructions and buttons.
        QCOMPARE(grid->width(), grid->height());
        QVERIFY(grid->geometry().right() < screen->sgWords->geometry().left());
        QVERIFY(screen->PanelInstruct->geometry().bottom() < screen->bnFill->geometry().top());

        screen->bnReturn->click();
        QCOMPARE(screen->PuzzleShowing, 0);
        QVERIFY(screen->PanelMain->isVisible());
    }

    void shrunkSelectionLeavesThePuzzleWhole()
    {
        StartFoodPuzzle(25, /*unlearnedOnly=*/true, /*allDirections=*/false);
        WordSearchPuzzle* before = screen->Puzzle();
        const std::vector<TAnswer> answers = before->Answers;
        const QString header = screen->lblSearchHeader->text();
        const int side = before->Side;
        const Ends one = EndsOf(*before, 1);

        // Elsewhere every Food word becomes learned; the unlearned selection is empty now.
        MarkSelectionLearned(WordSelection{Food, 0, true, 2, 2}, true);
        screen->bnSame->click();
        QCOMPARE(fixture->shown.size(), 1);
        QVERIFY(fixture->shown.last().Text.startsWith("There are no words satisfying the selected options."));
        QCOMPARE(screen->PuzzleShowing, 1);
        QVERIFY(screen->PanelWordSearch->isVisible());
        QCOMPARE(screen->Puzzle(), before);
        QCOMPARE(screen->lblSearchHeader->text(), header);
        QCOMPARE(screen->sgWordSearch->ColCount(), side);
        QCOMPARE(screen->Puzzle()->PuzzleWordCount(), 25);
        QVERIFY(screen->Puzzle()->Answers[0].Letters == answers[0].Letters);
        // Still playable.
        LexGrid* grid = screen->sgWordSearch;
        DragAcross(grid, Centre(grid, one.First.x(), one.First.y()), Centre(grid, one.Last.x(), one.Last.y()));
        QVERIFY(WordFound(*screen->Puzzle(), 1));
        // Switching screens during a puzzle keeps it on view.
        fixture->main->ChangeScreenClick(ScreenWordLists);
        fixture->main->ChangeScreenClick(ScreenWordSearch);
        QCOMPARE(screen->PuzzleShowing, 1);
        QVERIFY(WordFound(*screen->Puzzle(), 1));
    }

    void newPuzzleRepeatsItsOwnSelectionWhateverOtherScreensPick()
    {
        const int birds = SubCategoryRow(0, "Birds");
        QVERIFY(birds >= 0);
        const int all = CategoryTable[0].SubCount;
        // A puzzle on Animals - Birds, then all of Animals picked on Word Lists.
        RandSeed(3);
        PickByMouse(screen->Picker->sgCategory, screen->Picker->sgSubCategory, 0, birds);
        screen->rbAllCommon->click();
        screen->rbAllLearned->click();
        screen->senWords->setValue(20);
        screen->bnStartGame->click();
        QCOMPARE(screen->lblSearchHeader->text(), QString("Word Search : Animals - Birds"));
        pickOnWordLists(0, all);
        QVERIFY(Preferences.AllSubCategories);
        screen->bnSame->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(screen->lblSearchHeader->text(), QString("Word Search : Animals - Birds"));
        QCOMPARE(screen->Puzzle()->PuzzleWordCount(), 20);
        for (const TAnswer& a : screen->Puzzle()->Answers)
            QVERIFY2(AnswerOfCategory(a.Answer, 0, birds), a.Answer.c_str());

        // The reverse: a puzzle on all of Animals, then one sub-category picked elsewhere.
        screen->bnReturn->click();
        PickByMouse(screen->Picker->sgCategory, screen->Picker->sgSubCategory, 0, all);
        screen->bnStartGame->click();
        QCOMPARE(screen->lblSearchHeader->text(), QString("Word Search : Animals"));
        const std::vector<TAnswer> before = screen->Puzzle()->Answers;
        pickOnWordLists(0, birds);
        QVERIFY(!Preferences.AllSubCategories);
        screen->bnSame->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(screen->lblSearchHeader->text(), QString("Word Search : Animals"));
        QCOMPARE(screen->Puzzle()->PuzzleWordCount(), 20);
        bool changed = false, outsideBirds = false;
        for (int i = 0; i < 20; ++i) {
            changed |= screen->Puzzle()->Answers[i].Answer != before[i].Answer;
            outsideBirds |= !AnswerOfCategory(screen->Puzzle()->Answers[i].Answer, 0, birds);
        }
        QVERIFY(changed && outsideBirds);
    }

    void listCaptionsKeepTheLanguageOfThePuzzleOnView()
    {
        StartFoodPuzzle(10);
        QCOMPARE(screen->bnShowSpanish->text(), QString("Click to show Spanish words"));
        // English answers chosen in Options while the Spanish puzzle is on view.
        fixture->ClickBox(ScreenOptions);
        fixture->options().rbEnglishAns->click();
        fixture->ClickBox(ScreenWordSearch);
        QCOMPARE(screen->PuzzleShowing, 1);
        QCOMPARE(screen->bnShowSpanish->text(), QString("Click to show Spanish words"));
        QCOMPARE(screen->lblInstruct2->text(), QString("Click the first column to show the Spanish word."));
        // A new puzzle is built in English, and its captions say so.
        screen->bnSame->click();
        QVERIFY(AnswerOfCategory(screen->Puzzle()->Answers[0].Answer, Food, -1, false));
        QCOMPARE(screen->bnShowSpanish->text(), QString("Click to show English words"));
        QCOMPARE(screen->lblInstruct2->text(), QString("Click the first column to show the English word."));
        // Back to Spanish in Options: the English puzzle keeps its captions until the set-up panel.
        fixture->ClickBox(ScreenOptions);
        fixture->options().rbSpanishAns->click();
        fixture->ClickBox(ScreenWordSearch);
        QCOMPARE(screen->bnShowSpanish->text(), QString("Click to show English words"));
        screen->bnReturn->click();
        QCOMPARE(screen->bnShowSpanish->text(), QString("Click to show Spanish words"));
    }

    void wordListFontStepsDownToItsFloor()
    {
        StartFoodPuzzle(10);
        QCOMPARE(screen->WordListFontStep, 3);
        // An answer no font fits in the list's column, shown by a click: the list settles on the
        // smallest step at once, before it is painted, and paints in the font of that step.
        WordSearchPuzzle& p = *screen->Puzzle();
        p.List[0].Answer = "00" + std::string(50, 'W');
        screen->sgWordsMouseDown(0, 0);
        QCOMPARE(screen->WordListFontStep, 1);
        layoutcheck::TextRecorder list(screen->sgWords);
        screen->sgWords->render(&list);
        QVERIFY(!list.Items.empty());
        for (const auto& item : list.Items)
            QCOMPARE(item.Font.pointSize(), FontScheme.Small.Size);
        // Hidden again, the list keeps its step until a new puzzle.
        screen->bnClear->click();
        QCOMPARE(screen->WordListFontStep, 1);
        screen->bnSame->click();
        QVERIFY(screen->WordListFontStep > 1);
    }

private:
    // Picks on another screen's picker: the Word Lists screen's, and back to this screen.
    void pickOnWordLists(int category, int subRow)
    {
        auto* lists = fixture->ScreenAs<TfrmWordLists>(ScreenWordLists);
        QVERIFY(lists);
        fixture->ClickBox(ScreenWordLists);
        PickByMouse(lists->Picker->sgCategory, lists->Picker->sgSubCategory, category, subRow);
        fixture->ClickBox(ScreenWordSearch);
        QCOMPARE(screen->PuzzleShowing, 1);
    }

    void StartFoodPuzzle(int words, bool unlearnedOnly = false, bool allDirections = true)
    {
        RandSeed(7);
        screen->Picker->sgCategorySelectCell(0, Food);
        screen->Picker->sgSubCategorySelectCell(CategoryTable[Food].SubCount);  // " All"
        screen->rbAllCommon->click();
        (unlearnedOnly ? screen->rbNotLearned : screen->rbAllLearned)->click();
        (allDirections ? screen->rbAllDir : screen->rbForward)->click();
        screen->senWords->setValue(words);
        screen->bnStartGame->click();
        QCOMPARE(screen->PuzzleShowing, 1);
        QVERIFY(screen->Puzzle());
        QVERIFY(fixture->shown.isEmpty());
    }

    std::unique_ptr<AppFixture> fixture;
    TfrmWordSearch* screen = nullptr;
};

QTEST_MAIN(TestWordSearch)
#include "test_wordsearch.moc"

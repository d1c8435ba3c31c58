// The Word Games screen, driven as a user would: choose Scrambled Words on the options page,
// drag letters into place with the mouse, check, fill and ask for clues, start new games, and
// meet the shortage messages.

#include "AppFixture.h"
#include "GridMouse.h"

#include "CategoryPicker.h"
#include "LX_WordGames.h"
#include "LexGrid.h"

#include "LX_Globals.h"
#include "Random.h"
#include "Selection.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString Cells(LexGrid* grid)
{
    QString s;
    for (int c = 0; c < grid->ColCount(); ++c)
        s += grid->Cell(c, 0) + QLatin1Char('|');
    return s;
}

// The first free pool column holding letter, or -1.
int FreePoolColumn(LexGrid* pool, QChar letter)
{
    for (int c = 0; c < pool->ColCount(); ++c)
        if (pool->Cell(c, 0) == QStringLiteral("0") + letter)
            return c;
    return -1;
}

}  // namespace

class TestWordGames : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;

    // Shows the screen from the tool bar and starts Scrambled Words on a sub-category.
    void StartScrambled(int categoryRow, int subRow)
    {
        fixture->ClickBox(ScreenWordGames);
        QVERIFY(games->PanelMain->isVisible());
        ClickRadio(games->rbScrambledWords);
        QCOMPARE(Preferences.WordGame, 0);
        ClickCell(games->Picker->sgCategory, 0, categoryRow);
        ClickCell(games->Picker->sgSubCategory, 0, subRow);
        QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        games = fixture->StartWith<TfrmWordGames>(ScreenWordGames);
        QVERIFY(games);
        RandSeed(12345);
    }
    void cleanup() { fixture.reset(); }

    void scrambledWordsPlayedWithTheMouse()
    {
        StartScrambled(0, 0);  // Animals - Birds
        QCOMPARE(games->GameMode, int(GameScrambledWords));
        QCOMPARE(games->HintSubMode(), int(GameScrambledWords));
        QVERIFY(games->PanelScrambledWords->isVisible());
        QVERIFY(!games->PanelMain->isVisible());
        QCOMPARE(games->lblScrambledHeader->text(), QStringLiteral("Scrambled words : Animals - Birds"));
        QVERIFY(fixture->shown.isEmpty());

        // Row 1: every letter dragged from the pool into its box turns the row green.
        LexGrid* pool = games->sgGridMix[0];
        LexGrid* boxes = games->sgGridAns[0];
        const QString answer = ToQt(games->Scramble[0].Answer);
        QCOMPARE(boxes->ColCount(), answer.size());
        for (int j = 0; j < answer.size(); ++j) {
            if (answer[j] == QLatin1Char(' '))
                continue;
            const int from = FreePoolColumn(pool, answer[j]);
            QVERIFY2(from >= 0, qPrintable(Cells(pool)));
            DragCell(pool, from, 0, boxes, j, 0);
            QCOMPARE(pool->Cell(from, 0), QStringLiteral("1") + answer[j]);
        }
        QVERIFY(games->Scramble[0].Solved);
        for (int j = 0; j < answer.size(); ++j)
            if (answer[j] != QLatin1Char(' '))
                QCOMPARE(boxes->Cell(j, 0), QStringLiteral("1") + answer[j]);
        QVERIFY(!pool->isVisible());
        QVERIFY(!games->PanelScrambleBtns[0]->isVisible());
        QVERIFY(games->lblScrambleEnglish[0]->isVisible());
        QCOMPARE(games->lblScrambleEnglish[0]->text(), ToQt(games->Scramble[0].Clue));
        QCOMPARE(PaintedColour(boxes, 0, 0), BlueHigh(ColorCorrect));
        // A solved row takes no more drags.
        const QString solved = Cells(boxes);
        DragCell(boxes, 0, 0, boxes, answer.size() - 1, 0);
        QCOMPARE(Cells(boxes), solved);

        // Row 2: a letter in the wrong box shows red on "Check"; a move clears the colour.
        pool = games->sgGridMix[1];
        boxes = games->sgGridAns[1];
        const QString second = ToQt(games->Scramble[1].Answer);
        int wrong = -1;
        for (int c = 0; c < pool->ColCount() && wrong < 0; ++c)
            if (pool->Cell(c, 0).size() == 2 && pool->Cell(c, 0)[1] != second[0] && pool->Cell(c, 0) != "0-")
                wrong = c;
        QVERIFY(wrong >= 0);
        const QChar misplaced = pool->Cell(wrong, 0)[1];
        DragCell(pool, wrong, 0, boxes, 0, 0);
        QCOMPARE(boxes->Cell(0, 0), QStringLiteral("0") + misplaced);
        QTest::mouseClick(games->bnCheck[1], Qt::LeftButton);
        QCOMPARE(boxes->Cell(0, 0), QStringLiteral("2") + misplaced);
        QCOMPARE(PaintedColour(boxes, 0, 0), BlueHigh(ColorWrong));
        // A letter may not cross into another row's boxes.
        const QString third = Cells(games->sgGridAns[2]);
        DragCell(boxes, 0, 0, games->sgGridAns[2], 0, 0);
        QCOMPARE(Cells(games->sgGridAns[2]), third);
        // "Clue" with a wrong letter placed only marks it; back in the pool, the clue places one.
        QTest::mouseClick(games->bnClue[1], Qt::LeftButton);
        QCOMPARE(boxes->Cell(0, 0), QStringLiteral("2") + misplaced);
        DragCell(boxes, 0, 0, pool, 0, 0);
        QCOMPARE(boxes->Cell(0, 0), QStringLiteral("0"));
        QCOMPARE(pool->Cell(wrong, 0), QStringLiteral("0") + misplaced);
        QTest::mouseClick(games->bnClue[1], Qt::LeftButton);
        QCOMPARE(boxes->Cell(0, 0), QStringLiteral("0") + second[0]);
        int used = 0;
        for (int c = 0; c < pool->ColCount(); ++c)
            used += pool->Cell(c, 0).startsWith('1');
        QCOMPARE(used, 1);  // the clue's letter, taken from the pool

        // "Show English" gives the prefixed clue; "Fill" solves a row at once.
        QTest::mouseClick(games->bnShowEnglish[2], Qt::LeftButton);
        QVERIFY(!games->bnShowEnglish[2]->isVisible());
        QCOMPARE(games->lblScrambleEng[2]->text(), "English : " + ToQt(games->Scramble[2].Clue));
        QVERIFY(games->lblScrambleEng[2]->isVisible());
        QTest::mouseClick(games->bnFill[3], Qt::LeftButton);
        QVERIFY(games->Scramble[3].Solved);
        QVERIFY(!games->sgGridMix[3]->isVisible());

        // The rest filled: every row solved.
        for (int k : {1, 2, 4, 5})
            QTest::mouseClick(games->bnFill[k], Qt::LeftButton);
        for (const ScrambleRow& row : games->Scramble)
            QVERIFY(row.Solved);

        // Switching away and back keeps the game as it was.
        const QString kept = Cells(games->sgGridAns[4]);
        fixture->main->ChangeScreenClick(ScreenWordLists);
        fixture->main->ChangeScreenClick(ScreenWordGames);
        QVERIFY(games->PanelScrambledWords->isVisible());
        QCOMPARE(Cells(games->sgGridAns[4]), kept);

        // "New game": fresh words from the same selection, every row open again.
        const std::string before = games->Scramble[0].Answer + games->Scramble[1].Answer;
        QTest::mouseClick(games->bnScrambleSame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameScrambledWords));
        QVERIFY(before != games->Scramble[0].Answer + games->Scramble[1].Answer);
        for (int i = 0; i < ScrambleRowCount; ++i) {
            QVERIFY(!games->Scramble[i].Solved);
            QVERIFY(games->sgGridMix[i]->isVisible());
            QVERIFY(games->bnShowEnglish[i]->isVisible());
            QVERIFY(!games->lblScrambleEng[i]->isVisible());
            QVERIFY(!Cells(games->sgGridAns[i]).contains(QRegularExpression("[12]")));
        }
        QVERIFY(fixture->shown.isEmpty());

        // "Change options" returns to the options page with the choices as they were.
        QTest::mouseClick(games->bnScrambleReturn, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        QVERIFY(games->PanelMain->isVisible());
        QVERIFY(games->rbScrambledWords->isChecked());
        QCOMPARE(games->Picker->PickedCategory, 0);
    }

    void shortagesEndOnTheOptionsPage()
    {
        // No learned word at all: the message with the selection hint, and the page stays.
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        games->rbLearned->click();
        QCOMPARE(Preferences.LearnedFilter, 0);
        games->rbScrambledWords->click();
        games->bnStartGame->click();
        QCOMPARE(fixture->messages(),
                 QStringList{"There is no data in this category.\n\nSelecting \"All Words\" for Common/Learned words\n"
                             "may increase the number of words available."});
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        QVERIFY(games->PanelMain->isVisible());

        // A game on the unlearned words; the Word Lists screen then marks all but three learned:
        // "New game" reports the shortage as a start does and never deals the rest.
        games->rbNotLearned->click();
        games->bnStartGame->click();
        QCOMPARE(games->GameMode, int(GameScrambledWords));
        const std::string firstAnswer = games->Scramble[0].Answer;
        WordSelection birds;
        birds.LearnedFilter = 2;
        int left = 0;
        for (int i = 1; i <= WordCount; ++i)
            if (InSelection(WordTable[i], birds))
                MarkWordLearned(i, ++left > 3);
        games->bnScrambleSame->click();
        QCOMPARE(fixture->shown.size(), 2);
        QCOMPARE(fixture->shown.last().Text,
                 QStringLiteral("6 words are needed for this game.\nPlease expand your selection.\n\nSelecting \"All "
                                "Words\" for Common/Learned words\nmay increase the number of words available."));
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        QVERIFY(games->PanelMain->isVisible());
        QVERIFY(!games->PanelScrambledWords->isVisible());
        QCOMPARE(games->Scramble[0].Answer, firstAnswer);  // the panel kept its game, hidden

        // Every word learned: "New game" from a game says there is no data.
        games->bnStartGame->click();  // not enough: message again
        QCOMPARE(fixture->shown.size(), 3);
        for (int i = 1; i <= WordCount; ++i)
            if (InSelection(WordTable[i], birds))
                MarkWordLearned(i, false);
        games->bnStartGame->click();
        QCOMPARE(games->GameMode, int(GameScrambledWords));
        for (int i = 1; i <= WordCount; ++i)
            if (InSelection(WordTable[i], birds))
                MarkWordLearned(i, true);
        games->bnScrambleSame->click();
        QVERIFY(fixture->shown.last().Text.startsWith("There is no data in this category."));
        QCOMPARE(games->GameMode, int(GameOptionsPage));
    }

    void gameKeepsTheLanguageItWasDrawnIn()
    {
        Preferences.UncoverRows = 4;
        StartScrambled(1, 0);
        QCOMPARE(games->bnShowEnglish[0]->text(), QStringLiteral("Show English"));
        QCOMPARE(games->Draw.WordsNeeded, 6);
        QCOMPARE(games->UncoverRows, 4);
        const std::string answer = games->Scramble[0].Answer;

        // Options switches to English answers; the game on view keeps its Spanish captions, and
        // restoring the buttons (a stored size of 2 rows among them) deals nothing.
        Preferences.AnswerLanguage = "E";
        Preferences.UncoverRows = 2;
        fixture->main->ChangeScreenClick(ScreenOptions);
        fixture->main->ChangeScreenClick(ScreenWordGames);
        QCOMPARE(games->bnShowEnglish[0]->text(), QStringLiteral("Show English"));
        QVERIFY(games->lblScrambleEng[0]->text().startsWith("English : "));
        QCOMPARE(games->Scramble[0].Answer, answer);
        QCOMPARE(games->UncoverRows, 2);
        QCOMPARE(games->Draw.WordsNeeded, 6);

        games->bnScrambleSame->click();
        QCOMPARE(games->bnShowEnglish[0]->text(), QStringLiteral("Show Spanish"));
        QVERIFY(games->lblScrambleEng[0]->text().startsWith("Spanish : "));
        QVERIFY(AnswerQualifies(games->Scramble[0].Answer, false));
    }

    void storedChoicesOutOfRangeOpenSafely()
    {
        Preferences.SelectedCategory = 99;
        Preferences.SelectedSubCategory = -4;
        Preferences.AllSubCategories = 0;
        Preferences.WordGame = 9;
        Preferences.CommonFilter = 1;
        fixture->main->ChangeScreenClick(ScreenWordGames);
        QCOMPARE(games->Picker->PickedCategory, 0);
        QCOMPARE(games->Picker->PickedSubCategory, 0);
        QVERIFY(games->rbSelectLetters->isChecked());  // the form's default stays
        QVERIFY(games->rbNotCommon->isChecked());
        QCOMPARE(Preferences.WordGame, 9);  // restoring is nobody's click

        games->rbMatchWords->click();
        QCOMPARE(Preferences.WordGame, 1);

        // A narrow page still lays the game out.
        games->rbScrambledWords->click();
        games->rbAllCommon->click();
        games->bnStartGame->click();
        QCOMPARE(games->GameMode, int(GameScrambledWords));
        fixture->main->resize(800, 600);
        QTest::qWait(20);
        for (int i = 0; i < ScrambleRowCount; ++i) {
            QVERIFY(games->sgGridAns[i]->geometry().right() < games->PanelScramble[i]->width());
            QVERIFY(games->sgGridAns[i]->DefaultColWidth() >= 12);
        }

        // A long answer on that page: the cells shrink as far as their floor and no further.
        int longWord = 0;
        for (int i = 1; i <= WordCount && !longWord; ++i)
            if (WordTable[i].Spanish.str() == "a la vuelta de la esquina")
                longWord = i;
        QVERIFY(longWord > 0);
        WordTable[longWord].Spanish = "a la vuelta de la esquina grande";  // 32 letters
        games->bnScrambleReturn->click();
        ClickCell(games->Picker->sgCategory, 0, WordTable[longWord].Category);
        ClickCell(games->Picker->sgSubCategory, 0, WordTable[longWord].SubCategory);
        games->bnStartGame->click();
        for (int tries = 0; tries < 60 && games->Draw.MaxAnswerLen < 32; ++tries)
            games->bnScrambleSame->click();
        QCOMPARE(games->Draw.MaxAnswerLen, 32);
        for (int i = 0; i < ScrambleRowCount; ++i)
            QCOMPARE(games->sgGridAns[i]->DefaultColWidth(), 12);
    }
};

QTEST_MAIN(TestWordGames)
#include "test_wordgames.moc"

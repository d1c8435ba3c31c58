// Match Words played with the mouse: words dragged from the pool into the boxes, a wrong pair
// shown red by the check that the last box triggers, put right by dragging, and the 10-word
// game offered when the selection is short.

#include "AppFixture.h"

#include "CategoryPicker.h"
#include "LX_WordGames.h"
#include "LexGrid.h"
#include "MatchWordsPanel.h"

#include "LX_Globals.h"
#include "Random.h"
#include "Selection.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

namespace {

void ClickCell(LexGrid* grid, int col, int row)
{
    const QRect cell = grid->CellRect(col, row);
    QVERIFY2(cell.isValid(), "cell not on screen");
    QTest::mouseClick(grid, Qt::LeftButton, {}, cell.center());
}

// Press on a cell, move past the drag distance, then to a point given in global coordinates
// and release there; the mouse grab sends every event to the source grid.
void DragTo(LexGrid* source, int col, int row, const QPoint& globalEnd)
{
    const QPoint start = source->CellRect(col, row).center();
    const QPoint end = source->mapFromGlobal(globalEnd);
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, start + QPoint(0, QApplication::startDragDistance() + 2));
    QTest::mouseMove(source, end);
    QTest::mouseRelease(source, Qt::LeftButton, {}, end);
}

void Drag(LexGrid* source, int col, int row, LexGrid* target, int targetCol, int targetRow)
{
    DragTo(source, col, row, target->mapToGlobal(target->CellRect(targetCol, targetRow).center()));
}

QColor PaintedColour(LexGrid* grid, int col, int row)
{
    const QImage image = grid->grab().toImage();
    return image.pixelColor(grid->CellRect(col, row).topLeft() + QPoint(3, 3));
}

QStringList Column(LexGrid* grid, int col)
{
    QStringList cells;
    for (int r = 0; r < grid->RowCount(); ++r)
        cells << grid->Cell(col, r);
    return cells;
}

}  // namespace

class TestMatchWords : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    TMatchWordsPanel* match = nullptr;

    // The pool row holding the answer of box row, free, or -1.
    int PoolRowFor(int row)
    {
        const QString word = QStringLiteral("0") + ToQt(match->Board.Answers[row]);
        return Column(match->sgMatchMix, 0).indexOf(word);
    }

    void DragAnswer(int answerOf, int box)
    {
        const int from = PoolRowFor(answerOf);
        QVERIFY2(from >= 0, qPrintable(Column(match->sgMatchMix, 0).join('|')));
        Drag(match->sgMatchMix, 0, from, match->sgMatchAns, 1, box);
    }

    // All words of Animals - Birds but `keep` learned, so "Unlearned words only" leaves keep.
    static void KeepUnlearnedBirds(int keep)
    {
        WordSelection birds;
        int left = 0;
        for (int i = 1; i <= WordCount; ++i)
            if (InSelection(WordTable[i], birds))
                MarkWordLearned(i, ++left > keep);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        QVERIFY(fixture->Start());
        games = qobject_cast<TfrmWordGames*>(fixture->main->Screens[ScreenWordGames]);
        QVERIFY(games);
        match = games->PanelMatchWords;
        RandSeed(2024);
    }
    void cleanup() { fixture.reset(); }

    void matchWordsPlayedToTheEnd()
    {
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        QTest::mouseClick(games->rbMatchWords, Qt::LeftButton, {}, QPoint(6, games->rbMatchWords->height() / 2));
        QCOMPARE(Preferences.WordGame, 1);
        ClickCell(games->Picker->sgCategory, 0, 0);
        ClickCell(games->Picker->sgSubCategory, 0, 0);
        QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameMatchWords));
        QVERIFY(match->isVisible());
        QVERIFY(!games->PanelMain->isVisible());
        QCOMPARE(match->lblHeader->text(), QStringLiteral("Match words : Animals - Birds"));
        QCOMPARE(match->lblInstruct[1]->text(), QStringLiteral("the Spanish words to the correct boxes."));
        QCOMPARE(match->sgMatchAns->RowCount(), 16);
        QCOMPARE(match->sgMatchMix->RowCount(), 16);
        for (int r = 0; r < 16; ++r) {
            QCOMPARE(match->sgMatchAns->Cell(0, r), ToQt(games->Draw.Chosen[r + 1].Clue));
            QCOMPARE(match->sgMatchAns->Cell(1, r), QStringLiteral("0"));
        }

        // A wrong word into box 0, then the right one onto it: the wrong one returns.
        const QString wrong = ToQt(match->Board.Answers[1]);
        const int wrongRow = PoolRowFor(1);
        DragAnswer(1, 0);
        QCOMPARE(match->sgMatchAns->Cell(1, 0), "0" + wrong);
        QCOMPARE(match->sgMatchMix->Cell(0, wrongRow), "1" + wrong);
        DragAnswer(0, 0);
        QCOMPARE(match->sgMatchAns->Cell(1, 0), "0" + ToQt(match->Board.Answers[0]));
        QCOMPARE(match->sgMatchMix->Cell(0, wrongRow), "0" + wrong);

        // A placed word does not move from the pool; a drop beside the grids changes nothing.
        const QStringList boxes = Column(match->sgMatchAns, 1);
        const QStringList pool = Column(match->sgMatchMix, 0);
        const int placedRow = pool.indexOf("1" + ToQt(match->Board.Answers[0]));
        Drag(match->sgMatchMix, 0, placedRow, match->sgMatchAns, 1, 5);
        DragTo(match->sgMatchMix, 0, PoolRowFor(3), match->mapToGlobal(QPoint(4, match->height() / 2)));
        DragTo(match->sgMatchAns, 1, 0, match->mapToGlobal(QPoint(4, match->height() / 2)));
        QCOMPARE(Column(match->sgMatchAns, 1), boxes);
        QCOMPARE(Column(match->sgMatchMix, 0), pool);

        // Dragged by its clue back to the pool, and placed again.
        Drag(match->sgMatchAns, 0, 0, match->sgMatchMix, 0, 7);
        QCOMPARE(match->sgMatchAns->Cell(1, 0), QStringLiteral("0"));
        DragAnswer(0, 0);

        // Every other box filled, rows 2 and 3 swapped: the last drop checks them all.
        for (int r = 1; r < 16; ++r)
            DragAnswer(r == 2 ? 3 : r == 3 ? 2 : r, r);
        QCOMPARE(match->sgMatchAns->Cell(1, 2), "2" + ToQt(match->Board.Answers[3]));
        QCOMPARE(match->sgMatchAns->Cell(1, 3), "2" + ToQt(match->Board.Answers[2]));
        QCOMPARE(match->sgMatchAns->Cell(1, 4), "1" + ToQt(match->Board.Answers[4]));
        QCOMPARE(PaintedColour(match->sgMatchAns, 1, 2), BlueHigh(ColorWrong));
        QCOMPARE(PaintedColour(match->sgMatchAns, 1, 4), BlueHigh(ColorCorrect));
        for (int r = 0; r < 16; ++r)
            QVERIFY(match->sgMatchMix->Cell(0, r).startsWith('1'));

        // Box 2 onto box 3: box 3's word goes back to the pool, the colours clear.
        Drag(match->sgMatchAns, 1, 2, match->sgMatchAns, 1, 3);
        QCOMPARE(match->sgMatchAns->Cell(1, 2), QStringLiteral("0"));
        QCOMPARE(match->sgMatchAns->Cell(1, 3), "0" + ToQt(match->Board.Answers[3]));
        QCOMPARE(match->sgMatchAns->Cell(1, 4), "0" + ToQt(match->Board.Answers[4]));
        QCOMPARE(PaintedColour(match->sgMatchAns, 1, 4), BlueHigh(ColorWhite));
        QCOMPARE(match->sgMatchMix->Cell(0, PoolRowFor(2)), "0" + ToQt(match->Board.Answers[2]));
        QTest::mouseClick(match->bnMatchCheck, Qt::LeftButton);
        QCOMPARE(match->sgMatchAns->Cell(1, 3), "1" + ToQt(match->Board.Answers[3]));
        QCOMPARE(match->sgMatchAns->Cell(1, 2), QStringLiteral("0"));
        DragAnswer(2, 2);
        for (int r = 0; r < 16; ++r)
            QCOMPARE(match->sgMatchAns->Cell(1, r), "1" + ToQt(match->Board.Answers[r]));
        QVERIFY(MatchWordsSolved(match->Board));

        // "New game" deals afresh; "Fill All" shows the solution.
        QTest::mouseClick(match->bnSame, Qt::LeftButton);
        QCOMPARE(Column(match->sgMatchAns, 1), QStringList(16, "0"));
        QTest::mouseClick(match->bnMatchFillAll, Qt::LeftButton);
        QVERIFY(MatchWordsSolved(match->Board));
        for (int r = 0; r < 16; ++r)
            QVERIFY(match->sgMatchMix->Cell(0, r).startsWith('1'));
        QVERIFY(fixture->shown.isEmpty());

        QTest::mouseClick(match->bnReturn, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        QVERIFY(games->rbMatchWords->isChecked());
    }

    void shortSelectionOffersTenWords()
    {
        fixture->main->ChangeScreenClick(ScreenWordGames);
        games->rbMatchWords->click();
        games->rbNotLearned->click();

        // Twelve words: the choice; cancelling it keeps the options page.
        KeepUnlearnedBirds(12);
        games->bnStartGame->click();
        QCOMPARE(fixture->shown.size(), 1);
        QCOMPARE(fixture->shown[0].Text, QStringLiteral("16 words are needed for this game."));
        QCOMPARE(fixture->shown[0].Options, (QStringList{"Continue using 10 words for this puzzle.",
                                                         "Cancel the request and expand the selection criteria."}));
        QCOMPARE(games->GameMode, int(GameOptionsPage));

        // Accepted: ten rows in both lists, and the game plays to the end.
        fixture->choiceAnswer = 1;
        games->bnStartGame->click();
        QCOMPARE(games->GameMode, int(GameMatchWords));
        QCOMPARE(match->sgMatchAns->RowCount(), 10);
        QCOMPARE(match->sgMatchMix->RowCount(), 10);
        for (int r = 0; r < 10; ++r)
            DragAnswer(r, r);
        QVERIFY(MatchWordsSolved(match->Board));
        QCOMPARE(match->sgMatchAns->Cell(1, 9), "1" + ToQt(match->Board.Answers[9]));

        // Nine words: "New game" keeps the game's ten and says they are not there.
        KeepUnlearnedBirds(9);
        QTest::mouseClick(match->bnSame, Qt::LeftButton);
        QVERIFY(fixture->shown.last().Text.startsWith(
            "10 words are needed for this game.\nPlease expand your selection."));
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        // From the options page sixteen are asked for again.
        games->bnStartGame->click();
        QVERIFY(fixture->shown.last().Text.startsWith("16 words are needed for this game.\nPlease expand"));
    }
};

QTEST_MAIN(TestMatchWords)
#include "test_matchwords.moc"

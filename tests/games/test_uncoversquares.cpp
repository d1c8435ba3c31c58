// Uncover Squares played with the mouse: cards turned up in pairs, a wrong pair turned down by
// the next click, "Fill this one", the size buttons, and the smaller grid offered when the
// selection is short.

#include "AppFixture.h"

#include "CategoryPicker.h"
#include "LX_WordGames.h"
#include "LexGrid.h"
#include "UncoverPanel.h"

#include "LX_Globals.h"
#include "Random.h"
#include "Selection.h"

#include <QPushButton>
#include <QRadioButton>

#include <set>

namespace {

QColor PaintedColour(LexGrid* grid, int col, int row)
{
    const QImage image = grid->grab().toImage();
    return image.pixelColor(grid->CellRect(col, row).topLeft() + QPoint(3, 3));
}

void ClickRadio(QRadioButton* rb)
{
    QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(6, rb->height() / 2));
}

}  // namespace

class TestUncoverSquares : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    TUncoverPanel* uncover = nullptr;

    // The grid cell of a card, found from the cell texts as a user would remember them.
    QPoint CardCell(int pair, bool clue)
    {
        LexGrid* grid = uncover->sgUncover;
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < UncoverCols; ++c) {
                const std::string card = FromQt(grid->Cell(c, r));
                if (CardPair(card) == pair && CardIsClue(card) == clue)
                    return {c, r};
            }
        return {-1, -1};
    }

    void ClickCard(int pair, bool clue)
    {
        const QPoint cell = CardCell(pair, clue);
        QVERIFY2(cell.x() >= 0, "card not found");
        ClickAt(cell);
    }

    void ClickAt(const QPoint& cell)
    {
        const QRect rect = uncover->sgUncover->CellRect(cell.x(), cell.y());
        QVERIFY2(rect.isValid(), "card not on screen");
        QTest::mouseClick(uncover->sgUncover, Qt::LeftButton, {}, rect.center());
    }

    QString Text(const QPoint& cell) { return uncover->sgUncover->Cell(cell.x(), cell.y()); }

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
        uncover = games->PanelUncoverSquares;
        RandSeed(77);
    }
    void cleanup() { fixture.reset(); }

    void uncoverSquaresPlayedToTheEnd()
    {
        Preferences.UncoverRows = 7;  // no size: 3 x 6
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        ClickRadio(games->rbUncoverSquares);
        QCOMPARE(Preferences.WordGame, 2);
        QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameUncoverSquares));
        QVERIFY(uncover->isVisible());
        QVERIFY(uncover->rb3x6->isChecked());
        QCOMPARE(uncover->lblHeader->text(), QStringLiteral("Uncover squares : Animals - Birds"));
        QCOMPARE(uncover->lblInstruct[1]->text(), QStringLiteral("positions.  English words yellow / Spanish words gray."));
        QCOMPARE(uncover->sgUncover->RowCount(), 6);
        QCOMPARE(uncover->Board.Pairs, 9);
        QVERIFY(!uncover->bnUncoverFill->isEnabled());

        // A clue card up; a second clue card does nothing.
        const QPoint clue1 = CardCell(1, true), clue2 = CardCell(2, true), answer1 = CardCell(1, false);
        const QPoint answer3 = CardCell(3, false);
        QCOMPARE(PaintedColour(uncover->sgUncover, clue1.x(), clue1.y()), BlueHigh(0xD5FFFF));
        QCOMPARE(PaintedColour(uncover->sgUncover, answer1.x(), answer1.y()), BlueHigh(0xE0E0E0));
        ClickAt(clue1);
        QVERIFY(Text(clue1).startsWith('<'));
        QVERIFY(uncover->bnUncoverFill->isEnabled());
        ClickAt(clue2);
        QVERIFY(Text(clue2).startsWith('+'));

        // A wrong answer card: both stay up, "Fill this one" goes off; the next click turns
        // them down and turns up the card clicked.
        ClickAt(answer3);
        QVERIFY(Text(clue1).startsWith('<'));
        QVERIFY(Text(answer3).startsWith('<'));
        QVERIFY(!uncover->bnUncoverFill->isEnabled());
        ClickAt(clue2);
        QVERIFY(Text(clue1).startsWith('+'));
        QVERIFY(Text(answer3).startsWith('+'));
        QVERIFY(Text(clue2).startsWith('<'));

        // "Fill this one" completes the pair of the card up.
        QTest::mouseClick(uncover->bnUncoverFill, Qt::LeftButton);
        const QString pair2 = ">" + ToQt(games->Draw.Chosen[2].Clue) + ">" + ToQt(games->Draw.Chosen[2].Answer);
        QCOMPARE(Text(clue2), pair2);
        QCOMPARE(Text(CardCell(2, false)), QString());  // no face-down card of pair 2 is left
        QVERIFY(!uncover->bnUncoverFill->isEnabled());
        QCOMPARE(PaintedColour(uncover->sgUncover, clue2.x(), clue2.y()), QColor(Qt::white));

        // The rest matched by clicking each clue card and its answer card.
        for (int n = 1; n <= 9; ++n)
            if (n != 2) {
                ClickCard(n, true);
                ClickCard(n, false);
            }
        QVERIFY(UncoverAllMatched(uncover->Board));
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 3; ++c)
                QVERIFY(uncover->sgUncover->Cell(c, r).startsWith('>'));
        QVERIFY(fixture->shown.isEmpty());

        // A size button deals a new game of that size at once and is remembered.
        ClickRadio(uncover->rb3x4);
        QCOMPARE(Preferences.UncoverRows, 4);
        QCOMPARE(uncover->sgUncover->RowCount(), 4);
        QCOMPARE(uncover->Board.Pairs, 6);
        QVERIFY(!UncoverAllMatched(uncover->Board));
        // Switching screens and back keeps the game and its size.
        ClickCard(4, true);
        const QString kept = uncover->sgUncover->Cell(0, 0) + uncover->sgUncover->Cell(2, 3);
        fixture->main->ChangeScreenClick(ScreenWordLists);
        fixture->main->ChangeScreenClick(ScreenWordGames);
        QVERIFY(uncover->isVisible());
        QVERIFY(uncover->rb3x4->isChecked());
        QCOMPARE(uncover->sgUncover->Cell(0, 0) + uncover->sgUncover->Cell(2, 3), kept);
        QTest::mouseClick(uncover->bnSame, Qt::LeftButton);
        QCOMPARE(uncover->Board.Pairs, 6);
        QTest::mouseClick(uncover->bnReturn, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
    }

    void shortSelectionDealsTheSmallerGridOnce()
    {
        Preferences.UncoverRows = 10;
        fixture->main->ChangeScreenClick(ScreenWordGames);
        games->rbUncoverSquares->click();
        games->rbNotLearned->click();
        KeepUnlearnedBirds(13);
        fixture->choiceAnswer = 1;
        games->bnStartGame->click();
        QCOMPARE(fixture->shown.size(), 1);  // one choice, not asked again for the smaller grid
        QCOMPARE(fixture->shown[0].Text, QStringLiteral("15 words are needed for this game."));
        QCOMPARE(fixture->shown[0].Options, (QStringList{"Continue with this puzzle using a smaller grid size.",
                                                         "Cancel the request and expand the selection criteria."}));
        QCOMPARE(games->GameMode, int(GameUncoverSquares));
        QVERIFY(uncover->rb3x8->isChecked());
        QCOMPARE(Preferences.UncoverRows, 8);
        QCOMPARE(uncover->sgUncover->RowCount(), 8);
        QCOMPARE(uncover->Board.Pairs, 12);
        std::set<std::string> answers;
        for (const std::string& a : uncover->Board.Answers)
            answers.insert(a);
        QCOMPARE(int(answers.size()), 12);

        // A size too large for the selection, declined: the options page.
        fixture->choiceAnswer = 0;
        ClickRadio(uncover->rb3x10);
        QCOMPARE(fixture->shown.size(), 2);
        QCOMPARE(games->GameMode, int(GameOptionsPage));

        // Two words: too few for any grid.
        KeepUnlearnedBirds(2);
        games->bnStartGame->click();
        QVERIFY(fixture->shown.last().Text.startsWith("15 words are needed for this game.\nPlease expand"));
        QCOMPARE(games->GameMode, int(GameOptionsPage));
    }
};

QTEST_MAIN(TestUncoverSquares)
#include "test_uncoversquares.moc"

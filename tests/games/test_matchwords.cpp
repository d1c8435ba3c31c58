// Match Words played with the mouse to the end, and the 10-word game of a short selection.

#include "GameTestSupport.h"
#include "MatchWordsPanel.h"

#include "Random.h"

class TestMatchWords : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    TMatchWordsPanel* match = nullptr;

    QStringList Column(LexGrid* grid, int col)
    {
        QStringList cells;
        for (int r = 0; r < grid->RowCount(); ++r)
            cells << grid->Cell(col, r);
        return cells;
    }
    QString Answer(int row) { return ToQt(match->Board.Answers[row]); }
    // Drags the answer of row `answerOf` from the pool into box `box`.
    void DragAnswer(int answerOf, int box)
    {
        const int from = Column(match->sgMatchMix, 0).indexOf("0" + Answer(answerOf));
        QVERIFY(from >= 0);
        DragCell(match->sgMatchMix, 0, from, match->sgMatchAns, 1, box);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        games = fixture->StartWith<TfrmWordGames>(ScreenWordGames);
        QVERIFY(games);
        match = games->PanelMatchWords;
        RandSeed(2024);
    }
    void cleanup() { fixture.reset(); }

    void playedToTheEnd()
    {
        StartFromToolBar(*fixture, games, games->rbMatchWords);
        QCOMPARE(games->GameMode, int(GameMatchWords));
        QVERIFY(match->isVisible());
        QCOMPARE(match->lblHeader->text(), QStringLiteral("Match words : Animals - Birds"));
        QCOMPARE(match->sgMatchMix->RowCount(), 16);
        QCOMPARE(match->sgMatchAns->Cell(0, 5), ToQt(games->Draw.Chosen[6].Clue));

        // A wrong word into box 0, then the right one onto it: the wrong one returns.
        DragAnswer(1, 0);
        QCOMPARE(match->sgMatchAns->Cell(1, 0), "0" + Answer(1));
        QVERIFY(Column(match->sgMatchMix, 0).contains("1" + Answer(1)));
        DragAnswer(0, 0);
        QVERIFY(Column(match->sgMatchMix, 0).contains("0" + Answer(1)));

        // A drop beside the grids changes nothing.
        const QStringList pool = Column(match->sgMatchMix, 0);
        DragTo(match->sgMatchMix, 0, pool.indexOf("0" + Answer(3)), match->mapToGlobal(QPoint(4, 40)));
        QCOMPARE(Column(match->sgMatchMix, 0), pool);

        // Every other box filled with rows 2 and 3 swapped: the last drop checks them all.
        for (int r = 1; r < 16; ++r)
            DragAnswer(r == 2 ? 3 : r == 3 ? 2 : r, r);
        QCOMPARE(match->sgMatchAns->Cell(1, 2), "2" + Answer(3));
        QCOMPARE(match->sgMatchAns->Cell(1, 4), "1" + Answer(4));
        QCOMPARE(PaintedColour(match->sgMatchAns, 1, 2), BlueHigh(ColorWrong));
        QCOMPARE(PaintedColour(match->sgMatchAns, 1, 4), BlueHigh(ColorCorrect));

        // Dragged by its clue back to the pool: the colours clear; put right, all green.
        DragCell(match->sgMatchAns, 0, 2, match->sgMatchMix, 0, 0);
        QCOMPARE(match->sgMatchAns->Cell(1, 4), "0" + Answer(4));
        DragCell(match->sgMatchAns, 1, 3, match->sgMatchAns, 1, 2);
        DragAnswer(3, 3);
        QCOMPARE(Column(match->sgMatchAns, 1).filter(QRegularExpression("^1")).size(), 16);
        QVERIFY(MatchWordsSolved(match->Board));

        // "New game" deals afresh; "Fill All" shows the solution.
        QTest::mouseClick(match->bnSame, Qt::LeftButton);
        QCOMPARE(Column(match->sgMatchAns, 1), QStringList(16, "0"));
        QTest::mouseClick(match->bnMatchFillAll, Qt::LeftButton);
        QVERIFY(MatchWordsSolved(match->Board));
        QCOMPARE(Column(match->sgMatchMix, 0).filter(QRegularExpression("^1")).size(), 16);
        QVERIFY(fixture->shown.isEmpty());
        QTest::mouseClick(match->bnReturn, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
    }

    void shortSelectionOffersTenWords()
    {
        fixture->main->ChangeScreenClick(ScreenWordGames);
        games->rbMatchWords->click();
        games->rbNotLearned->click();
        KeepUnlearnedBirds(12);
        fixture->choiceAnswer = 1;
        games->bnStartGame->click();
        QCOMPARE(fixture->shown[0].Text, QStringLiteral("16 words are needed for this game."));
        QCOMPARE(fixture->shown[0].Options[0], QStringLiteral("Continue using 10 words for this puzzle."));
        QCOMPARE(match->sgMatchAns->RowCount(), 10);
        QCOMPARE(match->sgMatchMix->RowCount(), 10);
        for (int r = 0; r < 10; ++r)
            DragAnswer(r, r);
        QVERIFY(MatchWordsSolved(match->Board));

        // Nine left: "New game" keeps the game's ten and says they are not there.
        KeepUnlearnedBirds(9);
        QTest::mouseClick(match->bnSame, Qt::LeftButton);
        QVERIFY(fixture->shown.last().Text.startsWith("10 words are needed for this game.\nPlease expand"));
        QCOMPARE(games->GameMode, int(GameOptionsPage));
    }
};

QTEST_MAIN(TestMatchWords)
#include "test_matchwords.moc"

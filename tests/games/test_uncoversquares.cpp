// Uncover Squares played with the mouse to the end, the size buttons, and the smaller grid of a
// short selection.

#include "GameTestSupport.h"
#include "UncoverPanel.h"

#include "Random.h"

class TestUncoverSquares : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    TUncoverPanel* uncover = nullptr;

    // A card's cell, found from the cell texts as a user would remember it.
    QPoint CardCell(int pair, bool clue)
    {
        for (int r = 0; r < uncover->sgUncover->RowCount(); ++r)
            for (int c = 0; c < UncoverCols; ++c) {
                const std::string card = FromQt(uncover->sgUncover->Cell(c, r));
                if (CardPair(card) == pair && CardIsClue(card) == clue)
                    return {c, r};
            }
        return {-1, -1};
    }
    void Click(const QPoint& cell) { ClickCell(uncover->sgUncover, cell.x(), cell.y()); }
    QChar Mark(const QPoint& cell) { return uncover->sgUncover->Cell(cell.x(), cell.y())[0]; }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        games = fixture->StartWith<TfrmWordGames>(ScreenWordGames);
        QVERIFY(games);
        uncover = games->PanelUncoverSquares;
        RandSeed(77);
    }
    void cleanup() { fixture.reset(); }

    void playedToTheEnd()
    {
        Preferences.UncoverRows = 7;  // no size of the game: 3 x 6
        StartFromToolBar(*fixture, games, games->rbUncoverSquares);
        QCOMPARE(games->GameMode, int(GameUncoverSquares));
        QVERIFY(uncover->rb3x6->isChecked());
        QCOMPARE(uncover->lblHeader->text(), QStringLiteral("Uncover squares : Animals - Birds"));
        QCOMPARE(uncover->sgUncover->RowCount(), 6);
        QVERIFY(!uncover->bnUncoverFill->isEnabled());
        const QPoint clue1 = CardCell(1, true), clue2 = CardCell(2, true), answer3 = CardCell(3, false);
        QCOMPARE(PaintedColour(uncover->sgUncover, clue1.x(), clue1.y()), BlueHigh(0xD5FFFF));

        // A clue card up, a second one refused; a wrong answer card turns "Fill this one" off,
        // and the next click turns both down and the clicked card up.
        Click(clue1);
        QVERIFY(uncover->bnUncoverFill->isEnabled());
        Click(clue2);
        Click(answer3);
        QVERIFY(!uncover->bnUncoverFill->isEnabled());
        Click(clue2);
        QCOMPARE(Mark(clue1), '+');
        QCOMPARE(Mark(clue2), '<');
        // "Fill this one" completes the pair of the card up.
        QTest::mouseClick(uncover->bnUncoverFill, Qt::LeftButton);
        QCOMPARE(uncover->sgUncover->Cell(clue2.x(), clue2.y()),
                 ">" + ToQt(games->Draw.Chosen[2].Clue) + ">" + ToQt(games->Draw.Chosen[2].Answer));
        QCOMPARE(CardCell(2, false), QPoint(-1, -1));
        QCOMPARE(PaintedColour(uncover->sgUncover, clue2.x(), clue2.y()), QColor(Qt::white));

        // A click on the size already chosen keeps the game half played: no new deal.
        Click(clue1);
        const std::vector<std::string> halfPlayed = uncover->Board.Cards;
        ClickRadio(uncover->rb3x6);
        QVERIFY(uncover->rb3x6->isChecked());
        QCOMPARE(uncover->Board.Cards, halfPlayed);
        QCOMPARE(Mark(clue1), '<');
        QVERIFY(uncover->bnUncoverFill->isEnabled());

        // The rest matched card by card.
        for (int n : {1, 3, 4, 5, 6, 7, 8, 9}) {
            Click(CardCell(n, true));
            Click(CardCell(n, false));
        }
        QVERIFY(UncoverAllMatched(uncover->Board));
        QVERIFY(fixture->shown.isEmpty());

        // A size button deals that size at once and is remembered, also across screens.
        ClickRadio(uncover->rb3x4);
        QCOMPARE(Preferences.UncoverRows, 4);
        QCOMPARE(uncover->sgUncover->RowCount(), 4);
        Click(CardCell(4, true));
        const QString kept = uncover->sgUncover->Cell(0, 0) + uncover->sgUncover->Cell(2, 3);
        fixture->main->ChangeScreenClick(ScreenWordLists);
        fixture->main->ChangeScreenClick(ScreenWordGames);
        QVERIFY(uncover->rb3x4->isChecked());
        QCOMPARE(uncover->sgUncover->Cell(0, 0) + uncover->sgUncover->Cell(2, 3), kept);
    }

    void shortSelectionDealsTheSmallerGridOnce()
    {
        Preferences.UncoverRows = 10;
        fixture->main->ChangeScreenClick(ScreenWordGames);
        games->rbUncoverSquares->click();
        games->rbNotLearned->click();
        KeepUnlearnedBirds(13);
        // The words the start draws, from the same seed: the smaller grid must be these.
        WordDraw drawn;
        CollectCandidates(drawn, games->Selection(), true);
        drawn.WordsNeeded = 15;
        RandSeed(9);
        QCOMPARE(DrawWords(drawn), 13);
        RandSeed(9);
        fixture->choiceAnswer = 1;
        games->bnStartGame->click();
        QCOMPARE(fixture->shown.size(), 1);  // asked once, not again for the smaller grid
        QCOMPARE(fixture->shown[0].Text, QStringLiteral("15 words are needed for this game."));
        QCOMPARE(fixture->shown[0].Options[0], QStringLiteral("Continue with this puzzle using a smaller grid size."));
        QVERIFY(uncover->rb3x8->isChecked());
        QCOMPARE(Preferences.UncoverRows, 8);
        QCOMPARE(uncover->Board.Pairs, 12);
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(uncover->Board.Clues[n - 1], drawn.Chosen[n].Clue);
        QCOMPARE(uncover->sgUncover->RowCount(), 8);

        // A size too large, declined: the options page.
        fixture->choiceAnswer = 0;
        ClickRadio(uncover->rb3x10);
        QCOMPARE(fixture->shown.size(), 2);
        QCOMPARE(games->GameMode, int(GameOptionsPage));

        // Every bird learned meanwhile: a size button and "New game" count the words the game
        // needs, where a start from the options page finds no data.
        const QString hint("\n\nSelecting \"All Words\" for Common/Learned words\nmay increase the number of words available.");
        fixture->choiceAnswer = 1;
        games->bnStartGame->click();
        KeepUnlearnedBirds(0);
        ClickRadio(uncover->rb3x4);
        QCOMPARE(fixture->shown.last().Text, "6 words are needed for this game.\nPlease expand your selection." + hint);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        KeepUnlearnedBirds(13);
        games->bnStartGame->click();
        KeepUnlearnedBirds(0);
        uncover->bnSame->click();
        QCOMPARE(fixture->shown.size(), 5);
        QCOMPARE(fixture->shown.last().Text, "6 words are needed for this game.\nPlease expand your selection." + hint);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        games->bnStartGame->click();
        QCOMPARE(fixture->shown.last().Text, "There is no data in this category." + hint);
    }
};

QTEST_MAIN(TestUncoverSquares)
#include "test_uncoversquares.moc"

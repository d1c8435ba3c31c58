// Select Letters played to the end with the mouse: letters dragged from the pool columns into
// the answer grid, refused outside their column, moved between rows and back to the pool, a
// full grid checked red and green at once; then "Fill All", "New game" and "Change options".

#include "AppFixture.h"
#include "GameTestSupport.h"

#include "LX_WordGames.h"
#include "SelectLettersPanel.h"

#include "Random.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class TestSelectLetters : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    SelectLettersPanel* panel = nullptr;

    QChar Answer(int col, int row) const { return ToQt(panel->Board.Words[row].Answer)[col]; }

    // The pool row of a free copy of a letter in a column, or -1.
    int FreePoolRow(int col, QChar letter) const
    {
        for (int r = 0; r < panel->sgSelectMix->RowCount(); ++r)
            if (panel->sgSelectMix->Cell(col, r) == QStringLiteral("0") + letter)
                return r;
        return -1;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        games = fixture->StartWith<TfrmWordGames>(ScreenWordGames);
        QVERIFY(games);
        panel = games->PanelSelectLetters;
        RandSeed(77);
    }
    void cleanup() { fixture.reset(); }

    void selectLettersPlayedToTheEnd()
    {
        fixture->ClickBox(ScreenWordGames);
        ClickRadio(games->rbSelectLetters);
        QCOMPARE(Preferences.WordGame, 5);
        QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameSelectLetters));
        QVERIFY(panel->isVisible());
        QVERIFY(panel->lblHeader->text().startsWith("Select letters : "));

        LexGrid* boxes = panel->sgSelectAns;
        LexGrid* pool = panel->sgSelectMix;
        const int length = panel->Board.Length;
        QCOMPARE(pool->ColCount(), length);
        QCOMPARE(panel->PanelNote->isVisible(), panel->Board.NoteShown);

        // Row 6 is right-aligned, so its last column is a box.
        const int last = length - 1;
        const int from = FreePoolRow(last, Answer(last, 5));
        QVERIFY(from >= 0);
        // Into another column: refused.
        const QString neighbour = boxes->Cell(last - 1, 5);
        DragCell(pool, last, from, boxes, last - 1, 5);
        QCOMPARE(boxes->Cell(last - 1, 5), neighbour);
        QCOMPARE(pool->Cell(last, from), QStringLiteral("0") + Answer(last, 5));
        // A drop outside every cell changes nothing either.
        DragToPoint(pool, last, from, panel, QPoint(2, 2));
        QCOMPARE(pool->Cell(last, from), QStringLiteral("0") + Answer(last, 5));

        // Every box filled from the pool, but the two letters of one column in each other's rows.
        int swapCol = -1, rowA = -1, rowB = -1;
        for (int c = 0; c < length && swapCol < 0; ++c)
            for (int a = 0; a < SelectRowCount && swapCol < 0; ++a)
                for (int b = a + 1; b < SelectRowCount && swapCol < 0; ++b)
                    if (boxes->Cell(c, a) == "0" && boxes->Cell(c, b) == "0" && Answer(c, a) != Answer(c, b)) {
                        swapCol = c;
                        rowA = a;
                        rowB = b;
                    }
        QVERIFY(swapCol >= 0);
        for (int r = 0; r < SelectRowCount; ++r)
            for (int c = 0; c < length; ++c) {
                if (boxes->Cell(c, r) != QStringLiteral("0"))
                    continue;  // no box, or a letter placed beforehand
                if (c == swapCol && r == rowA)
                    continue;
                const int target = c == swapCol && r == rowB ? rowA : r;
                const int p = FreePoolRow(c, Answer(c, r));
                QVERIFY2(p >= 0, qPrintable(QStringLiteral("column %1 row %2").arg(c).arg(r)));
                DragCell(pool, c, p, boxes, c, target);
            }
        // The last box: rowA's letter into rowB. The full grid is checked at once.
        DragCell(pool, swapCol, FreePoolRow(swapCol, Answer(swapCol, rowA)), boxes, swapCol, rowB);
        QCOMPARE(boxes->Cell(swapCol, rowA), QStringLiteral("2") + Answer(swapCol, rowB));
        QCOMPARE(boxes->Cell(swapCol, rowB), QStringLiteral("2") + Answer(swapCol, rowA));
        QCOMPARE(PaintedColour(boxes, swapCol, rowA), BlueHigh(ColorWrong));

        // Exchanged within the column: every box green.
        DragCell(boxes, swapCol, rowA, boxes, swapCol, rowB);  // rowA's wrong letter onto rowB's
        QCOMPARE(boxes->Cell(swapCol, rowA), QStringLiteral("0"));
        DragCell(pool, swapCol, FreePoolRow(swapCol, Answer(swapCol, rowA)), boxes, swapCol, rowA);
        for (int r = 0; r < SelectRowCount; ++r)
            for (int c = 0; c < length; ++c)
                QVERIFY(boxes->Cell(c, r) == QStringLiteral("3") || boxes->Cell(c, r).startsWith('1'));
        QCOMPARE(PaintedColour(boxes, swapCol, rowA), BlueHigh(ColorCorrect));

        // The clues: one by its button, all by "Fill All".
        QTest::mouseClick(panel->bnSelectEng[2], Qt::LeftButton);
        QCOMPARE(panel->lblSelectEng[2]->text(), ToQt(panel->Board.Words[2].Clue));
        QTest::mouseClick(panel->bnSelectFill, Qt::LeftButton);
        for (int i = 0; i < SelectRowCount; ++i) {
            QVERIFY(panel->lblSelectEng[i]->isVisible());
            QVERIFY(!panel->bnSelectEng[i]->isVisible());
        }

        // "New game" deals afresh; "Change options" returns to the options page.
        QTest::mouseClick(panel->bnSame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameSelectLetters));
        for (int i = 0; i < SelectRowCount; ++i)
            QVERIFY(panel->bnSelectEng[i]->isVisible());
        QTest::mouseClick(panel->bnReturn, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        QVERIFY(games->PanelMain->isVisible());
    }
};

QTEST_MAIN(TestSelectLetters)
#include "test_selectletters.moc"

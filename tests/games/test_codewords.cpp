// Codewords played to the end with the mouse: letters dragged from the alphabet onto the key
// and back, a wrong key checked red, the right key revealing the clues; "Fill All", "New game".

#include "AppFixture.h"
#include "GameTestSupport.h"

#include "CodewordsPanel.h"
#include "LX_WordGames.h"

#include "Random.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class TestCodewords : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    CodewordsPanel* panel = nullptr;

    QPoint AlphabetCell(const std::string& letter) const
    {
        for (int r = 0; r < AlphabetRows; ++r)
            for (int c = 0; c < AlphabetCols; ++c)
                if (panel->sgCodeAlphabet->Cell(c, r).mid(1) == ToQt(letter))
                    return {c, r};
        return {-1, -1};
    }
    // Drags a letter from the alphabet onto code c, into the column at offset of its block.
    void DropLetter(const std::string& letter, int code, int offset = 1)
    {
        const QPoint from = AlphabetCell(letter);
        DragCell(panel->sgCodeAlphabet, from.x(), from.y(), panel->sgCode, KeyColumnOf(panel->Board, code, offset),
                 KeyRowOf(panel->Board, code));
    }
    QString KeyCell(int code, int offset) const
    {
        return panel->sgCode->Cell(KeyColumnOf(panel->Board, code, offset), KeyRowOf(panel->Board, code));
    }
    bool CluesShown() const
    {
        for (int i = 0; i < CodeWordCount; ++i)
            if (!panel->lblCodeEnglish[i]->isVisible() || panel->bnCodeEnglish[i]->isVisible())
                return false;
        return true;
    }

private slots:
    void codewordsPlayedToTheEnd()
    {
        fixture = std::make_unique<AppFixture>();
        auto* games = fixture->StartWith<TfrmWordGames>(ScreenWordGames);
        QVERIFY(games);
        panel = games->PanelCodeWords;
        RandSeed(2024);
        fixture->ClickBox(ScreenWordGames);
        ClickRadio(games->rbCodeWords);
        QCOMPARE(Preferences.WordGame, 4);
        QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameCodewords));
        QVERIFY(panel->isVisible());
        QVERIFY(panel->lblHeader->text().startsWith("Codewords : "));

        const CodewordsBoard& board = panel->Board;
        const int k = board.CodeLetterCount;
        QCOMPARE(panel->sgCode->RowCount(), (k + 1) / 2);
        std::string stranger;  // a letter of no word
        for (char c : GameAlphabet)
            if (std::find(board.CodeLetters.begin() + 1, board.CodeLetters.begin() + k + 1, std::string(1, c))
                == board.CodeLetters.begin() + k + 1) {
                stranger = std::string(1, c);
                break;
            }
        const QPoint strangerCell = AlphabetCell(stranger);

        // Dropped on the number of code 1, the letter goes into its letter column and shows in
        // every word cell numbered 1; dragged back to the alphabet it is free again.
        DropLetter(stranger, 1, 0);
        QCOMPARE(KeyCell(1, 1), ToQt(stranger));
        QCOMPARE(panel->sgCodeAlphabet->Cell(strangerCell.x(), strangerCell.y()), "1" + ToQt(stranger));
        const int at = std::find(board.Words[0].Codes.begin(), board.Words[0].Codes.end(), 1) - board.Words[0].Codes.begin();
        if (at < panel->sgCodeGrid[0]->ColCount())
            QCOMPARE(panel->sgCodeGrid[0]->Cell(at, 0), "0" + ToQt(stranger));
        DragCell(panel->sgCode, KeyColumnOf(board, 1, 2), KeyRowOf(board, 1), panel->sgCodeAlphabet, 0, 0);
        QCOMPARE(KeyCell(1, 1), QString());
        QCOMPARE(panel->sgCodeAlphabet->Cell(strangerCell.x(), strangerCell.y()), "0" + ToQt(stranger));

        // A drop beside the grids, or on the key below its last code, changes nothing.
        DragToPoint(panel->sgCodeAlphabet, 0, 0, panel, QPoint(2, panel->height() / 2));
        DragToPoint(panel->sgCodeAlphabet, 0, 0, panel->sgCode, QPoint(panel->sgCode->width() - 2, panel->sgCode->height() - 2));
        QCOMPARE(panel->sgCodeAlphabet->Cell(0, 0), QStringLiteral("0a"));
        for (int c = 1; c <= k; ++c)
            QCOMPARE(KeyCell(c, 1), QString());

        // The key built right but for the last code: checked at once, that code red.
        for (int c = 1; c < k; ++c)
            DropLetter(board.CodeLetters[c], c);
        QVERIFY(!CluesShown());
        DropLetter(stranger, k);
        QCOMPARE(KeyCell(k, 2), "2" + ToQt(board.CodeLetters[k]));
        QCOMPARE(PaintedColour(panel->sgCode, KeyColumnOf(board, k, 1), KeyRowOf(board, k)), BlueHigh(ColorWrong));
        QCOMPARE(PaintedColour(panel->sgCode, KeyColumnOf(board, 1, 1), KeyRowOf(board, 1)), BlueHigh(ColorCorrect));
        QVERIFY(!CluesShown());

        // The right letter on top: the stranger is freed, every word green, every clue shown.
        DropLetter(board.CodeLetters[k], k);
        QCOMPARE(panel->sgCodeAlphabet->Cell(strangerCell.x(), strangerCell.y()), "0" + ToQt(stranger));
        QVERIFY(CluesShown());
        for (int i = 0; i < CodeWordCount; ++i)
            for (int c = 0; c < panel->sgCodeGrid[i]->ColCount(); ++c)
                QVERIFY(board.Words[i].Answer[c] == ' ' || panel->sgCodeGrid[i]->Cell(c, 0).startsWith('1'));
        QCOMPARE(panel->lblCodeEnglish[0]->text(), ToQt(board.Words[0].Clue));

        // "New game" hides the clues again; "Show English" shows one; "Fill All" solves it.
        QTest::mouseClick(panel->bnSame, Qt::LeftButton);
        QVERIFY(!panel->lblCodeEnglish[1]->isVisible());
        QTest::mouseClick(panel->bnCodeEnglish[1], Qt::LeftButton);
        QVERIFY(panel->lblCodeEnglish[1]->isVisible());
        QTest::mouseClick(panel->bnCodeFill, Qt::LeftButton);
        QVERIFY(CluesShown());
        for (int c = 1; c <= board.CodeLetterCount; ++c)
            QCOMPARE(KeyCell(c, 1), ToQt(board.CodeLetters[c]));
        QTest::mouseClick(panel->bnReturn, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        QVERIFY(games->PanelMain->isVisible());
        fixture.reset();
    }
};

QTEST_MAIN(TestCodewords)
#include "test_codewords.moc"

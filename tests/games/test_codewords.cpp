// Codewords played to the end with the mouse: letters dragged from the alphabet onto the key,
// moved within the key and back, a wrong key checked red, the right key revealing the clues;
// then "Fill All", "New game" and "Change options".

#include "AppFixture.h"
#include "GameTestSupport.h"

#include "CategoryPicker.h"
#include "CodewordsPanel.h"
#include "LX_WordGames.h"

#include "Random.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <set>

class TestCodewords : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    CodewordsPanel* panel = nullptr;

    int AlphabetCol(const std::string& letter, int* row)
    {
        for (int r = 0; r < AlphabetRows; ++r)
            for (int c = 0; c < AlphabetCols; ++c)
                if (panel->sgCodeAlphabet->Cell(c, r).mid(1) == ToQt(letter)) {
                    *row = r;
                    return c;
                }
        return -1;
    }

    // Drags a letter from the alphabet onto code c; col3 picks which column of its block.
    void DropLetter(const std::string& letter, int code, int offset = 1)
    {
        int row = -1;
        const int col = AlphabetCol(letter, &row);
        QVERIFY(col >= 0);
        const CodewordsBoard& b = panel->Board;
        DragCell(panel->sgCodeAlphabet, col, row, panel->sgCode, KeyColumnOf(b, code, offset), KeyRowOf(b, code));
    }

    QString KeyLetter(int code) const
    {
        return panel->sgCode->Cell(KeyColumnOf(panel->Board, code, 1), KeyRowOf(panel->Board, code));
    }

    // The cells of every word that carry a code.
    QStringList CellsOfCode(int code) const
    {
        QStringList cells;
        for (int i = 0; i < CodeWordCount; ++i)
            for (int c = 0; c < panel->sgCodeGrid[i]->ColCount(); ++c)
                if (panel->sgCodeGrid[i]->Cell(c, 1) == QString::number(code))
                    cells << panel->sgCodeGrid[i]->Cell(c, 0);
        return cells;
    }

    bool CluesShown() const
    {
        for (int i = 0; i < CodeWordCount; ++i)
            if (!panel->lblCodeEnglish[i]->isVisible() || panel->bnCodeEnglish[i]->isVisible())
                return false;
        return true;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        QVERIFY(fixture->Start());
        games = qobject_cast<TfrmWordGames*>(fixture->main->Screens[ScreenWordGames]);
        QVERIFY(games);
        panel = games->PanelCodeWords;
        RandSeed(2024);
    }
    void cleanup() { fixture.reset(); }

    void codewordsPlayedToTheEnd()
    {
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        QTest::mouseClick(games->rbCodeWords, Qt::LeftButton, {}, QPoint(6, games->rbCodeWords->height() / 2));
        QCOMPARE(Preferences.WordGame, 4);
        QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameCodewords));
        QVERIFY(panel->isVisible());
        QVERIFY(!games->PanelMain->isVisible());
        QVERIFY(panel->lblCodeHeader->text().startsWith("Codewords : "));
        QVERIFY(fixture->shown.isEmpty());

        const CodewordsBoard& board = panel->Board;
        const int k = board.CodeLetterCount;
        QVERIFY(k >= 2);
        QCOMPARE(panel->sgCode->RowCount(), (k + 1) / 2);
        // Every word shows its numbers and no letter yet.
        for (int i = 0; i < CodeWordCount; ++i) {
            QCOMPARE(panel->sgCodeGrid[i]->ColCount(), int(board.Words[i].Answer.size()));
            for (int c = 0; c < panel->sgCodeGrid[i]->ColCount(); ++c)
                QCOMPARE(panel->sgCodeGrid[i]->Cell(c, 0), QStringLiteral("0"));
        }

        // A letter that is no code letter, dropped on the number of code 1: it goes in the
        // letter column and shows in every cell of code 1.
        std::set<std::string> inKey(board.CodeLetters.begin() + 1, board.CodeLetters.begin() + k + 1);
        std::string stranger;
        for (char c : GameAlphabet)
            if (!inKey.count(std::string(1, c))) {
                stranger = std::string(1, c);
                break;
            }
        QVERIFY(!stranger.empty());
        DropLetter(stranger, 1, 0);
        QCOMPARE(KeyLetter(1), ToQt(stranger));
        for (const QString& cell : CellsOfCode(1))
            QCOMPARE(cell, "0" + ToQt(stranger));
        int row = -1;
        const int strangerCol = AlphabetCol(stranger, &row);
        QCOMPARE(panel->sgCodeAlphabet->Cell(strangerCol, row), "1" + ToQt(stranger));

        // Moved to code 2, then dragged back to the alphabet: free again, both codes empty.
        DragCell(panel->sgCode, KeyColumnOf(board, 1, 1), KeyRowOf(board, 1), panel->sgCode,
                 KeyColumnOf(board, 2, 2), KeyRowOf(board, 2));
        QCOMPARE(KeyLetter(1), QString());
        QCOMPARE(KeyLetter(2), ToQt(stranger));
        DragCell(panel->sgCode, KeyColumnOf(board, 2, 1), KeyRowOf(board, 2), panel->sgCodeAlphabet, 0, 0);
        QCOMPARE(KeyLetter(2), QString());
        QCOMPARE(panel->sgCodeAlphabet->Cell(strangerCol, row), "0" + ToQt(stranger));
        for (const QString& cell : CellsOfCode(2))
            QCOMPARE(cell, QStringLiteral("0"));

        // A drop outside every cell changes nothing.
        const QString before = panel->sgCodeAlphabet->Cell(0, 0);
        DragToPoint(panel->sgCodeAlphabet, 0, 0, panel, QPoint(2, panel->height() / 2));
        DragToPoint(panel->sgCodeAlphabet, 0, 0, panel->sgCode,
                    QPoint(panel->sgCode->width() - 2, panel->sgCode->height() - 2));
        QCOMPARE(panel->sgCodeAlphabet->Cell(0, 0), before);
        for (int c = 1; c <= k; ++c)
            QCOMPARE(KeyLetter(c), QString());

        // "Show English" on one word.
        QTest::mouseClick(panel->bnCodeEnglish[0], Qt::LeftButton);
        QVERIFY(!panel->bnCodeEnglish[0]->isVisible());
        QCOMPARE(panel->lblCodeEnglish[0]->text(), ToQt(board.Words[0].Clue));

        // The key built right but for the last code, which gets the stranger: checked at once.
        for (int c = 1; c < k; ++c)
            DropLetter(board.CodeLetters[c], c);
        QVERIFY(!CluesShown());
        DropLetter(stranger, k);
        QCOMPARE(panel->sgCode->Cell(KeyColumnOf(board, k, 2), KeyRowOf(board, k)), "2" + ToQt(board.CodeLetters[k]));
        QCOMPARE(PaintedColour(panel->sgCode, KeyColumnOf(board, k, 1), KeyRowOf(board, k)), BlueHigh(ColorWrong));
        QCOMPARE(PaintedColour(panel->sgCode, KeyColumnOf(board, 1, 1), KeyRowOf(board, 1)), BlueHigh(ColorCorrect));
        for (const QString& cell : CellsOfCode(k))
            QCOMPARE(cell, "2" + ToQt(stranger));
        QVERIFY(!panel->lblCodeEnglish[1]->isVisible());

        // The right letter on top of it: the stranger is freed and every clue is shown.
        DropLetter(board.CodeLetters[k], k);
        QCOMPARE(panel->sgCodeAlphabet->Cell(strangerCol, row), "0" + ToQt(stranger));
        QVERIFY(CluesShown());
        for (int i = 0; i < CodeWordCount; ++i)
            for (int c = 0; c < panel->sgCodeGrid[i]->ColCount(); ++c)
                if (board.Words[i].Answer[c] != ' ')
                    QVERIFY(panel->sgCodeGrid[i]->Cell(c, 0).startsWith('1'));

        // "New game": a fresh code, the clues hidden again; "Fill All" solves it.
        const std::string firstAnswer = board.Words[0].Answer;
        QTest::mouseClick(panel->bnCodeSame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameCodewords));
        QVERIFY(board.Words[0].Answer + board.Words[1].Answer != firstAnswer);
        for (int i = 0; i < CodeWordCount; ++i) {
            QVERIFY(panel->bnCodeEnglish[i]->isVisible());
            QVERIFY(!panel->lblCodeEnglish[i]->isVisible());
        }
        QTest::mouseClick(panel->bnCodeFill, Qt::LeftButton);
        QVERIFY(CluesShown());
        for (int c = 1; c <= board.CodeLetterCount; ++c)
            QCOMPARE(KeyLetter(c), ToQt(board.CodeLetters[c]));

        // Away and back keeps the game; "Change options" returns to the options page.
        fixture->main->ChangeScreenClick(ScreenWordLists);
        fixture->main->ChangeScreenClick(ScreenWordGames);
        QVERIFY(panel->isVisible());
        QVERIFY(CluesShown());
        QTest::mouseClick(panel->bnCodeReturn, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameOptionsPage));
        QVERIFY(games->PanelMain->isVisible());
        QVERIFY(!panel->isVisible());
        QVERIFY(games->rbCodeWords->isChecked());
    }
};

QTEST_MAIN(TestCodewords)
#include "test_codewords.moc"

// The Crosswords screen, driven as a user would: the set-up page from the tool bar, a regular
// crossword started, a word typed with accent prefixes, checked, filled and cleared, and a
// whole puzzle typed to its automatic check.

#include "AppFixture.h"
#include "GridMouse.h"

#include "CategoryPicker.h"
#include "CrosswordPlay.h"
#include "LX_Crosswords.h"
#include "LexGrid.h"
#include "XWordGrid.h"

#include "AnswerIndex.h"
#include "Random.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include <utility>
#include <vector>

namespace {

using Cells = std::vector<std::pair<int, int>>;

Cells WordCells(int col, int row, bool down)
{
    Cells cells;
    const int length = down ? XWordGrid[col][row].DownLength : XWordGrid[col][row].AcrossLength;
    for (int i = 0; i < length; ++i)
        cells.emplace_back(down ? col : col + i, down ? row + i : row);
    return cells;
}

// Types one Windows-1252 answer letter the way a user of an English keyboard would: accented
// letters after their prefix key, capitals in lower case.
void TypeLetter(QWidget* grid, char ch)
{
    const auto u = static_cast<unsigned char>(ch);
    auto letter = [grid](char plain) { QTest::keyClick(grid, Qt::Key(Qt::Key_A + (plain - 'a'))); };
    switch (u) {
    case 0xE1: case 0xC1: QTest::keyClick(grid, Qt::Key_Apostrophe); letter('a'); return;
    case 0xE9: case 0xC9: QTest::keyClick(grid, Qt::Key_Apostrophe); letter('e'); return;
    case 0xED: case 0xCD: QTest::keyClick(grid, Qt::Key_Apostrophe); letter('i'); return;
    case 0xF3: case 0xD3: QTest::keyClick(grid, Qt::Key_Apostrophe); letter('o'); return;
    case 0xFA: case 0xDA: QTest::keyClick(grid, Qt::Key_Apostrophe); letter('u'); return;
    case 0xF1: case 0xD1: QTest::keyClick(grid, Qt::Key_AsciiTilde, Qt::ShiftModifier); letter('n'); return;
    case 0xFC: case 0xDC: QTest::keyClick(grid, Qt::Key_QuoteDbl, Qt::ShiftModifier); letter('u'); return;
    default: letter(static_cast<char>(u >= 'A' && u <= 'Z' ? u + 32 : u)); return;
    }
}

bool HasAccent(const Cells& cells)
{
    for (auto [c, r] : cells)
        if (static_cast<unsigned char>(XWordGrid[c][r].Answer[0]) >= 0xC0)
            return true;
    return false;
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        Paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class TestCrosswords : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        screen = fixture->OpenScreen<TfrmCrosswords>(ScreenCrosswords);
        QVERIFY(screen);
    }
    void cleanup() { fixture.reset(); }

    void setupPageWritesItsOptions()
    {
        QVERIFY(screen->PanelMain->isVisible());
        QVERIFY(!screen->PanelXWord->isVisible());
        QCOMPARE(screen->HintSubMode(), 0);
        QVERIFY(screen->rbXWord->isChecked());
        QVERIFY(screen->PanelStep3Reg->isVisible());
        QVERIFY(!screen->Picker->sgCategory->isVisible());
        QCOMPARE(screen->edSelectGridSize->text(), QStringLiteral("11 x 11"));

        QTest::mouseClick(screen->lblFreeLines[2], Qt::LeftButton);
        QVERIFY(screen->rbFree->isChecked());
        QCOMPARE(Preferences.XWordType, 1);
        QVERIFY(screen->Picker->sgCategory->isVisible());
        QVERIFY(screen->senWords->isVisible());
        QCOMPARE(screen->bnLoadExisting->text(), QStringLiteral("Previously saved free format crossword"));
        screen->senWords->setValue(12);
        QCOMPARE(Preferences.FreeWordCount, 12);
        QTest::mouseClick(screen->lblXWordLines[1], Qt::LeftButton);  // "Uses words from ALL categories"
        QVERIFY(screen->rbXWord->isChecked());
        QCOMPARE(Preferences.XWordType, 0);
        QVERIFY(!screen->Picker->sgCategory->isVisible());

        for (int i = 0; i < 6; ++i)
            screen->spnGridSizeUp->click();
        QCOMPARE(Preferences.GridSizeIndex, 5);
        QCOMPARE(screen->edSelectGridSize->text(), QStringLiteral("19 x 19"));
        for (int i = 0; i < 6; ++i)
            screen->spnGridSizeDown->click();
        QCOMPARE(Preferences.GridSizeIndex, 1);
        QCOMPARE(screen->edSelectGridSize->text(), QStringLiteral("11 x 11"));
        screen->rbNotCommon->click();
        QCOMPARE(Preferences.CommonFilter, 1);

        // Stored values out of range are shown corrected.
        Preferences.GridSizeIndex = 0;
        Preferences.FreeWordCount = 25;
        screen->FormShow();
        QCOMPARE(Preferences.GridSizeIndex, 1);
        QCOMPARE(screen->senWords->value(), 15);
        QVERIFY(screen->rbNotCommon->isChecked());
    }

    void typeCheckFillAndClearAWord()
    {
        RandSeed(11);
        PaintCounter recalc;
        screen->PanelRecalc->installEventFilter(&recalc);
        screen->bnStartCrossword->click();
        QCOMPARE(XWordMode, 1);
        QCOMPARE(screen->HintSubMode(), 1);
        QVERIFY(recalc.Paints > 0);  // painted before the work
        QVERIFY(!screen->PanelRecalc->isVisible());
        QVERIFY(screen->PanelXWord->isVisible());
        QVERIFY(!screen->PanelMain->isVisible());
        QVERIFY(screen->sgCross->isVisible());
        QCOMPARE(screen->sgCross->ColCount(), 11);
        QCOMPARE(screen->sgClues->RowCount(), XWordClues.RowCount);
        QCOMPARE(SelClueNumber, XWordGrid[WordStartCol][WordStartRow].AcrossNumber);

        // A word with an accented letter, picked from the clue list.
        int clueCol = -1, clueRow = -1;
        Cells word;
        for (int tries = 0; tries < 20 && clueRow < 0; ++tries) {
            for (int col : {0, 2})
                for (int row = 1; row < XWordClues.RowCount && clueRow < 0; ++row) {
                    QVERIFY(screen->sgClues->RowCount() > row);
                    screen->sgCluesMouseDown(col, row);
                    const Cells cells = WordCells(WordStartCol, WordStartRow, SelDown);
                    if (HasAccent(cells)) {
                        clueCol = col;
                        clueRow = row;
                        word = cells;
                    }
                }
            if (clueRow < 0)
                screen->bnSame->click();
        }
        QVERIFY2(clueRow > 0, "no answer with an accent in 20 crosswords");
        ClickCell(screen->sgClues, clueCol + 1, clueRow);
        QCOMPARE(SelClueRow, clueRow);
        QCOMPARE(std::make_pair(int(SelCol), int(SelRow)), word.front());
        QCOMPARE(XWordClues.At(clueCol + 1, clueRow)[0], '2');

        // All but the last letter right, then a wrong one.
        for (size_t i = 0; i + 1 < word.size(); ++i)
            TypeLetter(screen->sgCross, XWordGrid[word[i].first][word[i].second].Answer[0]);
        auto [lastCol, lastRow] = word.back();
        const bool lastIsZ = XWordGrid[lastCol][lastRow].Answer == "z";
        QTest::keyClick(screen->sgCross, lastIsZ ? Qt::Key_Q : Qt::Key_Z);
        QCOMPARE(XWordClues.At(clueCol, clueRow)[1], '1');  // every letter typed
        // The word is done: the selection went on to the next clue.
        QVERIFY(SelClueRow != clueRow || SelDown != (clueCol == 2));
        ClickCell(screen->sgClues, clueCol, clueRow);

        screen->PanelCheck.Word->click();
        for (size_t i = 0; i + 1 < word.size(); ++i)
            QCOMPARE(XWordGrid[word[i].first][word[i].second].CheckMark, "1");
        QCOMPARE(XWordGrid[lastCol][lastRow].CheckMark, "2");

        ClickCell(screen->sgClues, clueCol, clueRow);
        screen->PanelFill.Word->click();
        for (auto [c, r] : word)
            QCOMPARE(XWordGrid[c][r].Typed, XWordGrid[c][r].Answer);
        QCOMPARE(XWordGrid[lastCol][lastRow].CheckMark, "3");

        ClickCell(screen->sgClues, clueCol, clueRow);
        screen->PanelClear.Word->click();
        for (auto [c, r] : word)
            QVERIFY(XWordGrid[c][r].Typed.empty());
        QCOMPARE(XWordClues.At(clueCol, clueRow)[1], '0');
        QVERIFY(!screen->PanelClear.Letter->isEnabled());

        // Tab goes to the next clue and the grid keeps the focus.
        screen->sgCross->setFocus();
        const int before = SelClueRow;
        QTest::keyClick(screen->sgCross, Qt::Key_Tab);
        QVERIFY(SelClueRow != before || SelDown != (clueCol == 2));
        QCOMPARE(QApplication::focusWidget(), screen->sgCross);

        screen->bnReturn->click();
        QCOMPARE(XWordMode, 0);
        QVERIFY(screen->PanelMain->isVisible());
    }

    void typingTheWholePuzzleChecksItAtTheEnd()
    {
        RandSeed(5);
        Preferences.AnswerLanguage = "E";
        screen->bnStartCrossword->click();
        QCOMPARE(XWordMode, 1);
        std::vector<std::pair<int, int>> squares;
        for (int r = 0; r < XWordRows; ++r)
            for (int c = 0; c < XWordCols; ++c)
                if (XWordGrid[c][r].Kind == 2)
                    squares.emplace_back(c, r);
        for (size_t i = 0; i < squares.size(); ++i) {
            auto [c, r] = squares[i];
            ClickCell(screen->sgCross, c, r);
            QCOMPARE(std::make_pair(int(SelCol), int(SelRow)), squares[i]);
            TypeLetter(screen->sgCross, XWordGrid[c][r].Answer[0]);
            if (i + 1 < squares.size())
                QCOMPARE(XWordGrid[c][r].CheckMark, "0");  // no marks before the puzzle is complete
        }
        for (auto [c, r] : squares)
            QCOMPARE(XWordGrid[c][r].CheckMark, "1");

        // A click on the button panel's caption gives the focus back to the grid.
        screen->bnAccent->setFocus();
        QTest::mouseClick(screen->PanelCheck.Caption, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), screen->sgCross);

        // The puzzle stays while another screen is shown.
        fixture->main->ChangeScreenClick(ScreenWordLists);
        fixture->main->ChangeScreenClick(ScreenCrosswords);
        QVERIFY(screen->PanelXWord->isVisible());
        QCOMPARE(XWordGrid[squares[0].first][squares[0].second].CheckMark, "1");
    }

    void aRequestThatCannotBeMetReturnsToTheSetupPage()
    {
        SpanishAnswers.Clear();  // nothing to fill with
        screen->bnStartCrossword->click();
        BuildWordLengthTables();
        QVERIFY(fixture->messages().join("|").contains("The options selected were not sufficient"));
        QCOMPARE(XWordMode, 0);
        QVERIFY(screen->PanelMain->isVisible());
        QVERIFY(!screen->PanelRecalc->isVisible());
        QVERIFY(screen->sgCross->isVisibleTo(screen->PanelXWord));
        QVERIFY(screen->sgClues->isVisibleTo(screen->PanelXWord));
    }

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmCrosswords* screen = nullptr;
};

QTEST_MAIN(TestCrosswords)
#include "test_crosswords.moc"

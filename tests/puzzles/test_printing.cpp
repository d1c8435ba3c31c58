// Crossword and word search printouts, printed from their screens through the print dialog's
// seam into PDF files and read back with pdftotext: titles, clue texts and where the Part
// puts the lists, a wide free-format grid kept on the page, a solution without filler
// letters, and a cancelled or failing printer.

#include "AppFixture.h"
#include "PdfCheck.h"

#include "CategoryPicker.h"
#include "CrosswordPrint.h"
#include "LX_Crosswords.h"
#include "LX_WordSearch.h"
#include "PrintJob.h"
#include "XWordGrid.h"

#include "Random.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include <cmath>

namespace {

constexpr int Food = 5;

// The words of a page inside a rectangle of points.
QList<PdfWord> WordsIn(const PdfPage& page, const QRectF& area)
{
    QList<PdfWord> words;
    for (const PdfWord& w : page.Words)
        if (area.contains(w.Box.center()))
            words << w;
    return words;
}

// A free-format crossword trimmed to 19 x 5 squares: six words, 32 letter squares.
void MakeWideFreeFormat()
{
    for (auto& column : XWordGrid)
        for (XWordCell& cell : column)
            cell = XWordCell{};
    auto place = [](int col, int row, bool down, const char* word) {
        for (int i = 0; word[i]; ++i)
            XWordGrid[down ? col : col + i][down ? row + i : row].Answer = std::string(1, word[i]);
    };
    place(0, 0, false, "hospital");
    place(11, 0, false, "mountain");
    place(0, 0, true, "horse");
    place(18, 0, true, "nurse");
    place(0, 4, false, "elbow");
    place(14, 4, false, "table");
    XWordMode = 2;
    XWordCols = 19;
    XWordRows = 5;
    NumberGrid();
    XWordGrid[0][0].AcrossClue = "el hospital";
    XWordGrid[0][0].DownClue = "el caballo";
    XWordGrid[11][0].AcrossClue = "la monta\xF1" "a";
    XWordGrid[18][0].DownClue = "la enfermera";
    XWordGrid[0][4].AcrossClue = "el codo";
    XWordGrid[14][4].AcrossClue = "la mesa";
    BuildClueLists();
}

// "N. clue" of a list row, as the page shows it once the blanks are gone.
QString ClueLine(int col, int row)
{
    return ToQt(XWordClues.At(col, row).substr(2)) + ". " + ToQt(XWordClues.At(col + 1, row).substr(2));
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    QTemporaryDir out;

    TfrmCrosswords* StartCrossword(int sizeIndex)
    {
        QTest::mouseClick(fixture->main->Boxes[2], Qt::LeftButton, {}, fixture->main->Boxes[2]->rect().center());
        auto* screen = qobject_cast<TfrmCrosswords*>(fixture->main->Screens[ScreenCrosswords]);
        if (!screen)
            return nullptr;
        for (int i = 1; i < sizeIndex; ++i)
            screen->spnGridSizeUp->click();
        RandSeed(19);
        screen->bnStartCrossword->click();
        return XWordMode == 1 ? screen : nullptr;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        QVERIFY(fixture->Start());
    }
    void cleanup() { fixture.reset(); }

    // A 19 x 19 crossword: the Down list beside the grid, the Across list in four columns below
    // it, then the solution with every letter and nothing else.
    void regularCrosswordPutsItsListsWhereThePartSays()
    {
        TfrmCrosswords* screen = StartCrossword(5);
        QVERIFY(screen);
        QCOMPARE(XWordCols, 19);
        PdfPrinter printer{out.filePath("cross19.pdf")};
        printer.Arm();
        screen->bnPrint->click();
        QCOMPARE(printer.Dialogs, 1);
        const PdfPage page = ReadPdf(printer.Path);
        QCOMPARE(page.Pages, 1);
        QCOMPARE(page.Title, QStringLiteral("Lexory - Crossword"));
        QVERIFY(page.Size.height() > page.Size.width());

        const int across = CrosswordAcrossCount();
        const int down = CrosswordDownCount();
        QVERIFY(down >= 9);
        const int PH = printer.PixelHeight(), PW = printer.PixelWidth();
        const int m = PH / 60;
        const int s = RoundQuotient(PH * 14 / 24 - m, 20);
        const int gridRight = m + 19 * s;
        const int lineHeight = RoundQuotient(PH * 14 / 24 - m, down + 3);

        // The Down list, top right: its title and every clue in the column beside the grid.
        const QList<PdfWord> downTitle = page.Find("Down");
        QCOMPARE(downTitle.size(), 1);
        QVERIFY(downTitle[0].Box.left() > printer.X(gridRight + m));
        QVERIFY(downTitle[0].Box.left() < printer.X(gridRight + m) + 12);
        QVERIFY(downTitle[0].Box.top() >= printer.Y(m) - 1 && downTitle[0].Box.bottom() <= printer.Y(m + lineHeight) + 1);
        const QString text = page.Text();
        for (int r = 1; r <= down; ++r) {
            QVERIFY2(text.contains(ClueLine(2, r)), qPrintable(ClueLine(2, r)));
            const QString number = ToQt(XWordClues.At(2, r).substr(2)) + ".";
            bool beside = false;
            for (const PdfWord& w : page.Find(number))
                beside = beside || (w.Box.left() > printer.X(gridRight) && std::abs(w.Box.center().y() - printer.Y(m + r * lineHeight + lineHeight / 2)) < 4);
            QVERIFY2(beside, qPrintable(number));
        }

        // The Across list: k rows a column from one margin below the grid, title first.
        const int bottom = std::max(m + 19 * s, m + (down + 1) * lineHeight);
        const int k = (across + 4) / 4;
        const int rowHeight = RoundQuotient(PH * 3 / 24 - m, k);
        const int columnWidth = RoundQuotient(PW - 2 * m, 4);
        const int listTop = bottom + m;
        const QList<PdfWord> acrossTitle = page.Find("Across");
        QCOMPARE(acrossTitle.size(), 1);
        QVERIFY(std::abs(acrossTitle[0].Box.center().y() - printer.Y(listTop + rowHeight / 2)) < 3);
        QVERIFY(acrossTitle[0].Box.left() > printer.X(m) && acrossTitle[0].Box.left() < printer.X(m) + 12);
        for (int j = 1; j <= across; ++j) {
            QVERIFY2(text.contains(ClueLine(0, j)), qPrintable(ClueLine(0, j)));
            const QString number = ToQt(XWordClues.At(0, j).substr(2)) + ".";
            const double x = printer.X(m + (j / k) * columnWidth);
            const double y = printer.Y(listTop + (j % k) * rowHeight + rowHeight / 2);
            bool placed = false;
            for (const PdfWord& w : page.Find(number))
                placed = placed || (w.Box.left() > x && w.Box.left() < x + 16 && std::abs(w.Box.center().y() - y) < 3);
            QVERIFY2(placed, qPrintable(number));
        }

        // The solution below everything: one letter per letter square.
        const double solutionTop = printer.Y(listTop + k * rowHeight + m) - 1;
        const QList<PdfWord> solution = WordsIn(page, QRectF(0, solutionTop, page.Size.width(), page.Size.height()));
        int squares = 0;
        QString letters, expected;
        for (int r = 0; r < XWordRows; ++r)
            for (int c = 0; c < XWordCols; ++c)
                if (XWordGrid[c][r].Kind == 2) {
                    ++squares;
                    expected += ToQt(XWordGrid[c][r].Answer);
                }
        for (const PdfWord& w : solution)
            letters += w.Text;
        QCOMPARE(solution.size(), squares);
        std::sort(letters.begin(), letters.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(letters, expected);
    }

    // A trimmed free-format grid of 19 x 5 keeps every square, number, clue and solution letter
    // on the page; its short lists stand one under the other beside the grid.
    void wideFreeFormatGridStaysOnThePage()
    {
        TfrmCrosswords* screen = StartCrossword(1);
        QVERIFY(screen);
        MakeWideFreeFormat();
        screen->lblFreeFormHeader->setText("Free format crossword : Health");
        PdfPrinter printer{out.filePath("free.pdf")};
        printer.Arm();
        screen->bnPrint->click();
        const PdfPage page = ReadPdf(printer.Path);
        QCOMPARE(page.Pages, 1);
        const QRectF paper = printer.PaintRect.adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const PdfWord& w : page.Words)
            QVERIFY2(paper.contains(w.Box), qPrintable(w.Text));
        const QString text = page.Text();
        QVERIFY(text.contains("Free format crossword : Health"));
        QVERIFY(text.contains(QStringLiteral("2. la montaña")));
        QVERIFY(text.contains("3. la enfermera"));

        const int PH = printer.PixelHeight();
        const int m = PH / 60;
        const int s = RoundQuotient(PH * 14 / 24 - m, 21);
        const double gridRight = printer.X(m + 19 * s);
        const QList<PdfWord> acrossTitle = page.Find("Across"), downTitle = page.Find("Down");
        QCOMPARE(acrossTitle.size(), 1);
        QCOMPARE(downTitle.size(), 1);
        QVERIFY(acrossTitle[0].Box.left() > gridRight && downTitle[0].Box.left() > gridRight);
        QVERIFY(downTitle[0].Box.top() > acrossTitle[0].Box.bottom());
        // The 32 solution letters under the grid, left of the lists.
        const double gridBottom = printer.Y(m + 6 * s);
        const QList<PdfWord> solution = WordsIn(page, QRectF(0, gridBottom, gridRight, page.Size.height()));
        QCOMPARE(solution.size(), 32);
    }

    // A cancelled dialog writes nothing and says nothing; a printer that cannot start says so.
    void cancelledOrFailingPrinterPrintsNothing()
    {
        TfrmCrosswords* screen = StartCrossword(1);
        QVERIFY(screen);
        const int messages = fixture->shown.size();
        PdfPrinter cancelled{out.filePath("cancel.pdf")};
        cancelled.Confirm = false;
        cancelled.Arm();
        screen->bnPrint->click();
        QCOMPARE(cancelled.Dialogs, 1);
        QVERIFY(!QFile::exists(cancelled.Path));
        QCOMPARE(fixture->shown.size(), messages);

        PdfPrinter broken{out.filePath("no-such-folder/page.pdf")};
        broken.Arm();
        screen->bnPrint->click();
        QCOMPARE(broken.Dialogs, 1);
        QVERIFY(!QFile::exists(broken.Path));
        QCOMPARE(fixture->shown.size(), messages + 1);
        QCOMPARE(fixture->shown.last().Text, QString(PrinterNotStartedMessage));
        QVERIFY(fixture->shown.last().Options.isEmpty());
    }

    // A word search: header, every clue and answer, and a solution of the hidden words' letters
    // only, at 10 points on a grid below 16 squares.
    void wordSearchPrintsListAndSolutionWithoutFillers()
    {
        QTest::mouseClick(fixture->main->Boxes[4], Qt::LeftButton, {}, fixture->main->Boxes[4]->rect().center());
        auto* screen = qobject_cast<TfrmWordSearch*>(fixture->main->Screens[ScreenWordSearch]);
        QVERIFY(screen);
        screen->Picker->sgCategorySelectCell(0, Food);
        screen->rbForward->click();
        screen->senWords->setValue(10);
        RandSeed(5);
        screen->bnStartGame->click();
        const WordSearchPuzzle* puzzle = screen->Puzzle();
        QVERIFY(puzzle && screen->PuzzleShowing == 1);
        QVERIFY(puzzle->Side < 16);

        PdfPrinter printer{out.filePath("search.pdf")};
        printer.Arm();
        screen->bnPrint->click();
        const PdfPage page = ReadPdf(printer.Path);
        QCOMPARE(page.Title, QStringLiteral("Lexory - Word Search"));
        const QString text = page.Text();
        QVERIFY(text.contains(screen->lblSearchHeader->text()));
        for (const TAnswer& word : puzzle->Answers) {
            QVERIFY2(text.contains(ToQt(word.Clue)), word.Clue.c_str());
            QVERIFY2(text.contains(ToQt(word.Answer)), word.Answer.c_str());
        }

        const int H = printer.PixelHeight();
        const int m = H / 60;
        const int side = puzzle->Side, words = puzzle->PuzzleWordCount();
        const int c1 = RoundQuotient((H - m) * 13 / 24 - m, side + 2);
        const int r1 = RoundQuotient((H - m) * 13 / 24 - m, words + 2);
        const int upperBottom = std::max(m + c1 + (side + 1) * c1, m + c1 + words * r1);
        const QList<PdfWord> solution =
            WordsIn(page, QRectF(0, printer.Y(upperBottom + m) - 1, page.Size.width(), page.Size.height()));
        QString letters, expected;
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c)
                if (puzzle->Grid[c][r].Kind == '0')
                    expected += ToQt(std::string(1, puzzle->Grid[c][r].Letter));
        for (const PdfWord& w : solution) {
            letters += w.Text;
            QVERIFY2(w.Box.height() > 10.5, "solution letters at 10 points");
        }
        QCOMPARE(solution.size(), expected.size());
        std::sort(letters.begin(), letters.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(letters, expected);
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"

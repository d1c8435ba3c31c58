// Word game printouts from the Word Games screen, printed through the choice of half and the
// print dialog's seam into PDF files and read back with pdftotext: the half chosen, the key
// with every clue and answer, the pool letters with no "-" at a blank, and a cancelled choice
// or dialog printing nothing.

#include "AppFixture.h"
#include "PdfCheck.h"

#include "CategoryPicker.h"
#include "LX_WordGames.h"
#include "PrintJob.h"
#include "WordGamePrint.h"

#include "Random.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int Food = 5;

// The printout's single characters below its title and left of the key table.
QString PuzzleLetters(const PdfPage& page, double top, double keyLeft)
{
    QString letters;
    for (const PdfWord& w : page.Words)
        if (w.Box.top() > top && w.Box.right() < keyLeft && w.Text.size() == 1)
            letters += w.Text;
    std::sort(letters.begin(), letters.end());
    return letters;
}

double Top(const PdfPage& page)
{
    double top = 1e9;
    for (const PdfWord& w : page.Words)
        top = std::min(top, w.Box.top());
    return top;
}

double Bottom(const PdfPage& page)
{
    double bottom = 0;
    for (const PdfWord& w : page.Words)
        bottom = std::max(bottom, w.Box.bottom());
    return bottom;
}

}  // namespace

class TestWordGamePrinting : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    QTemporaryDir out;

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        QVERIFY(fixture->Start());
        games = qobject_cast<TfrmWordGames*>(fixture->main->Screens[ScreenWordGames]);
        QVERIFY(games);
    }
    void cleanup() { fixture.reset(); }

    // Scrambled Words with a two-word answer, printed on the top half, then on the bottom half
    // (the same page shifted down by H), then a cancelled choice and a cancelled dialog.
    void scrambledWordsPrintsOnTheHalfChosen()
    {
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        games->rbScrambledWords->click();
        games->Picker->sgCategorySelectCell(0, Food);
        RandSeed(1);
        games->bnStartGame->click();
        QCOMPARE(games->GameMode, int(GameScrambledWords));
        // New games until one answer has two words.
        auto twoWords = [this] {
            for (const ScrambleRow& row : games->Scramble)
                if (row.Answer.find(' ') != std::string::npos)
                    return true;
            return false;
        };
        for (int tries = 0; tries < 60 && !twoWords(); ++tries)
            games->bnScrambleSame->click();
        QVERIFY(twoWords());
        games->bnFill[0]->click();  // a solved row prints its pool all the same

        QString letters;
        for (const ScrambleRow& row : games->Scramble)
            for (char ch : row.Answer)
                if (ch != ' ')
                    letters += ToQt(std::string(1, ch));
        std::sort(letters.begin(), letters.end());

        const int shownBefore = fixture->shown.size();
        PdfPrinter top(out.filePath("top.pdf"));
        top.Arm();
        fixture->choiceAnswer = 1;
        games->bnScramblePrint->click();
        QCOMPARE(fixture->shown.size(), shownBefore + 1);
        QCOMPARE(fixture->shown.last().Text, QString());
        QCOMPARE(fixture->shown.last().Options,
                 QStringList({PrintTopHalfOption, PrintBottomHalfOption, PrintCancelOption}));
        QCOMPARE(games->PrintHalf, 1);
        const PdfPage upper = ReadPdf(top.Path);
        QCOMPARE(upper.Title, QStringLiteral("Lexory - Word Games"));
        QCOMPARE(upper.Pages, 1);
        const double middle = top.Y(top.PixelHeight() / 2);
        QVERIFY(Bottom(upper) < middle);
        const QString text = upper.Text();
        QVERIFY(text.contains(games->lblScrambledHeader->text()));
        QCOMPARE(upper.Find("English").size(), 6);
        QCOMPARE(upper.Find("Spanish").size(), 6);
        for (const ScrambleRow& row : games->Scramble) {
            QVERIFY2(text.contains(ToQt(row.Clue)), row.Clue.c_str());
            QVERIFY2(text.contains(ToQt(row.Answer)), row.Answer.c_str());
        }
        // Every letter of the six pools, and no "-" where an answer has a blank.
        const HalfPage upperHalf = MakeHalfPage(top.PixelWidth(), top.PixelHeight(), 1);
        const double keyLeft = top.X(upperHalf.Margin + RoundQuotient(2.0 * top.PixelWidth(), 3));
        const double rowsTop = top.Y(upperHalf.Top + 2 * RoundQuotient(upperHalf.Height, 20));
        QCOMPARE(PuzzleLetters(upper, rowsTop, keyLeft), letters);
        for (const PdfWord& dash : upper.Find("-"))
            QVERIFY(dash.Box.bottom() < rowsTop);  // only the header's

        PdfPrinter bottom(out.filePath("bottom.pdf"));
        bottom.Arm();
        fixture->choiceAnswer = 2;
        games->bnScramblePrint->click();
        QCOMPARE(games->PrintHalf, 2);
        const PdfPage lower = ReadPdf(bottom.Path);
        QVERIFY(Top(lower) > middle);
        QVERIFY(Bottom(lower) <= bottom.PaintRect.bottom());
        const HalfPage half = MakeHalfPage(bottom.PixelWidth(), bottom.PixelHeight(), 2);
        const double shift = half.Height * 72.0 / PrintResolution;
        QCOMPARE(lower.Words.size(), upper.Words.size());
        for (int i = 0; i < lower.Words.size(); ++i) {
            QCOMPARE(lower.Words[i].Text, upper.Words[i].Text);
            QVERIFY(std::abs(lower.Words[i].Box.top() - upper.Words[i].Box.top() - shift) < 0.6);
            QVERIFY(std::abs(lower.Words[i].Box.left() - upper.Words[i].Box.left()) < 0.1);
        }

        // "Cancel the print request." opens no dialog; a cancelled dialog writes no file.
        PdfPrinter none(out.filePath("none.pdf"));
        none.Arm();
        fixture->choiceAnswer = 3;
        games->bnScramblePrint->click();
        QCOMPARE(none.Dialogs, 0);
        QCOMPARE(games->PrintHalf, 2);
        none.Confirm = false;
        fixture->choiceAnswer = 1;
        games->bnScramblePrint->click();
        QCOMPARE(none.Dialogs, 1);
        QVERIFY(!QFile::exists(none.Path));
    }

    // Codewords and Select Letters drawn from their printouts: the code column over the same
    // height whatever the letter count, the pool rows and the key of every word.
    void codewordsAndSelectLettersPrintTheirGrids()
    {
        CodewordsPrintout code;
        code.Header = "Codewords : Food";
        code.MaxAnswerLen = 9;
        SelectPrintout select;
        select.Header = "Select letters : Food";
        select.MaxAnswerLen = 9;
        const char* answers[] = {"pan", "leche", "queso", "arroz", "carne de", "fresas"};
        for (int k = 0; k < PrintWordCount; ++k) {
            code.Key[k] = {"clue" + std::to_string(k + 1), answers[k]};
            select.Key[k] = code.Key[k];
            for (char ch : std::string(answers[k]))
                code.Codes[k].push_back(ch == ' ' ? 0 : (ch - 'a') % 8 + 1);
            select.Boxes[k].assign(9, false);
            for (size_t j = 0; j < std::string(answers[k]).size(); ++j)
                select.Boxes[k][j] = answers[k][j] != ' ';
        }
        select.Pool = {{"p", "l", "q", "a", "c", "f", "", "", ""}, {"e", "a", "u", "r", "a", "r", "", "", ""}};

        double codeSpan[2] = {};
        int n = 0;
        for (int letters : {8, 20}) {
            code.CodeLetterCount = letters;
            PdfPrinter printer(out.filePath(QStringLiteral("code%1.pdf").arg(letters)));
            printer.Arm();
            fixture->choiceAnswer = 2;
            QVERIFY(PrintWordGame(games, games->PrintHalf, [&](const HalfPage& page) { PaintCodePrint(page, code); }));
            const PdfPage page = ReadPdf(printer.Path);
            QVERIFY(page.Text().contains("Codewords : Food"));
            QVERIFY(page.Text().contains("clue5 carne de"));
            // The numbers 1 and K of the code column: K rows over the same height.
            const PdfWord* first = nullptr;
            const PdfWord* last = nullptr;
            for (const PdfWord& w : page.Words)
                if (w.Box.left() < printer.X(printer.PixelWidth() / 10)) {
                    if (w.Text == "1" && !first)
                        first = &w;
                    if (w.Text == QString::number(letters))
                        last = &w;
                }
            QVERIFY(first && last);
            codeSpan[n++] = (last->Box.center().y() - first->Box.center().y()) * letters / (letters - 1);
        }
        QVERIFY(std::abs(codeSpan[0] - codeSpan[1]) < 6);

        PdfPrinter printer(out.filePath("select.pdf"));
        printer.Arm();
        fixture->choiceAnswer = 1;
        QVERIFY(PrintWordGame(games, games->PrintHalf, [&](const HalfPage& page) { PaintSelectPrint(page, select); }));
        const PdfPage page = ReadPdf(printer.Path);
        QVERIFY(page.Text().contains("Select letters : Food"));
        QCOMPARE(page.Find("English").size(), 1);
        QVERIFY(page.Text().contains("clue3 queso"));
        QString pool = "plqacfeaurar";
        std::sort(pool.begin(), pool.end());
        QCOMPARE(PuzzleLetters(page, printer.Y(printer.PixelHeight() / 40), printer.X(printer.PixelWidth() * 2 / 3)), pool);
        QVERIFY(Bottom(page) < printer.Y(printer.PixelHeight() / 2));
    }
};

QTEST_MAIN(TestWordGamePrinting)
#include "test_wordgame_printing.moc"

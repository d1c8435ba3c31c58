// Word game printouts from the Word Games screen, printed through the choice of half and the
// print dialog's seam into PDF files and read back with pdftotext.

#include "AppFixture.h"
#include "PdfCheck.h"

#include "CategoryPicker.h"
#include "CodewordsPanel.h"
#include "LX_WordGames.h"
#include "SelectLettersPanel.h"
#include "WordGamePrint.h"

#include "Random.h"

#include <QRadioButton>

namespace {

// The single characters of a page inside an area, sorted into one string.
QString Letters(const PdfPage& page, const QRectF& area)
{
    QString s;
    for (const PdfWord& w : page.Find({}, area))
        if (w.Text.size() == 1)
            s += w.Text;
    std::sort(s.begin(), s.end());
    return s;
}

}  // namespace

class TestWordGamePrinting : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    QTemporaryDir out;

    // Prints the game of the button on the half chosen (1 top, 2 bottom, 3 cancel).
    PdfPage Print(QPushButton* button, int choice, bool confirm = true, int* dialogs = nullptr)
    {
        PdfPrinter printer(out.filePath(QStringLiteral("page%1.pdf").arg(choice)), confirm);
        fixture->choiceAnswer = choice;
        button->click();
        if (dialogs)
            *dialogs = printer.Dialogs;
        page = MakeHalfPage(printer.PixelWidth(), printer.PixelHeight(), choice);
        toPoints = [r = printer.PaintRect](double x, double y) { return QPointF(r.left() + x * 72 / PrintResolution, r.top() + y * 72 / PrintResolution); };
        return QFile::exists(printer.Path) ? ReadPdf(printer.Path) : PdfPage{};
    }
    HalfPage page;
    std::function<QPointF(double, double)> toPoints;

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

    // Scrambled Words with a two-word answer: the top half holds the title, every pool letter
    // (no "-" at the blank) and the key; the bottom half is the same page shifted down by H;
    // "Cancel the print request." opens no dialog, and a cancelled dialog writes nothing.
    void scrambledWordsPrintsOnTheHalfChosen()
    {
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        games->rbScrambledWords->click();
        games->Picker->sgCategorySelectCell(0, 5);  // Food
        RandSeed(1);
        games->bnStartGame->click();
        auto twoWords = [this] {
            return std::any_of(games->Scramble.begin(), games->Scramble.end(),
                               [](const ScrambleRow& row) { return row.Answer.find(' ') != std::string::npos; });
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

        const PdfPage upper = Print(games->bnScramblePrint, 1);
        QCOMPARE(fixture->shown.last().Text, QString());
        QCOMPARE(fixture->shown.last().Options, QStringList({PrintTopHalfOption, PrintBottomHalfOption, PrintCancelOption}));
        QCOMPARE(upper.Title, QStringLiteral("Lexory - Word Games"));
        QCOMPARE(upper.Pages, 1);
        const QPointF middle = toPoints(0, page.Margin + page.Height);
        QVERIFY(upper.Find({}, QRectF(0, middle.y(), 1e4, 1e4)).isEmpty());
        const QString text = upper.Text();
        QVERIFY(text.contains(games->lblScrambledHeader->text()));
        QVERIFY(upper.Find("English").size() == 6 && upper.Find("Spanish").size() == 6);
        for (const ScrambleRow& row : games->Scramble)
            QVERIFY2(text.contains(ToQt(row.Clue)) && text.contains(ToQt(row.Answer)), row.Answer.c_str());
        // Below the title row and left of the key: the pools' letters and nothing else.
        const int s = RoundQuotient(page.Height, 20);
        const QRectF puzzle(toPoints(0, page.Top + 2 * s), toPoints(page.Margin + RoundQuotient(2.0 * page.Width, 3), page.Top + 20 * s));
        QCOMPARE(Letters(upper, puzzle), letters);
        QCOMPARE(upper.Find({}, puzzle).size(), letters.size());

        const PdfPage lower = Print(games->bnScramblePrint, 2);
        QCOMPARE(games->PrintHalf, 2);
        QCOMPARE(lower.Words.size(), upper.Words.size());
        const double shift = page.Height * 72.0 / PrintResolution;
        for (int i = 0; i < lower.Words.size(); ++i) {
            QCOMPARE(lower.Words[i].Text, upper.Words[i].Text);
            QVERIFY(std::abs(lower.Words[i].Box.top() - upper.Words[i].Box.top() - shift) < 0.6);
            QVERIFY(std::abs(lower.Words[i].Box.left() - upper.Words[i].Box.left()) < 0.1);
        }

        int dialogs = -1;
        QCOMPARE(Print(games->bnScramblePrint, 3, true, &dialogs).Pages, 0);
        QCOMPARE(dialogs, 0);
        QCOMPARE(games->PrintHalf, 2);
        QCOMPARE(Print(games->bnScramblePrint, 1, false, &dialogs).Pages, 0);
        QCOMPARE(dialogs, 1);
    }

    // Codewords on the bottom half: the code column holds 1..K, the words their code numbers;
    // Select Letters on the top half: the pool's letters, used or not, in R + 11 row steps.
    void codewordsAndSelectLettersPrintTheirGrids()
    {
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        games->Picker->sgCategorySelectCell(0, 5);  // Food
        games->rbCodeWords->click();
        RandSeed(5);
        games->bnStartGame->click();
        const CodewordsBoard& code = games->PanelCodeWords->Board;
        const PdfPage coded = Print(games->PanelCodeWords->bnCodePrint, 2);
        QVERIFY(coded.Text().contains(games->PanelCodeWords->lblCodeHeader->text()));
        QVERIFY(coded.Find({}, QRectF(0, 0, 1e4, toPoints(0, page.Top).y())).isEmpty());
        const int L = games->Draw.MaxAnswerLen, c = RoundQuotient(2.0 * page.Width / 3 - 2 * page.Margin, L + 3);
        const double top = toPoints(0, page.Top + 2 * RoundQuotient(page.Height, 19)).y() - 1;
        QStringList column, numbers, expected;
        for (const PdfWord& w : coded.Find({}, QRectF(QPointF(0, top), toPoints(page.Margin + 2 * c, 1e5))))
            column << w.Text;
        for (int i = 1; i <= code.CodeLetterCount; ++i)
            QCOMPARE(column.at(i - 1), QString::number(i));
        QCOMPARE(column.size(), code.CodeLetterCount);
        for (const PdfWord& w : coded.Find({}, QRectF(QPointF(toPoints(page.Margin + 3 * c, 0).x(), top), toPoints(page.Margin + (L + 3) * c, 1e5))))
            numbers << w.Text;
        for (const CodeWord& word : code.Words) {
            QVERIFY(coded.Text().contains(ToQt(word.Clue) + " " + ToQt(word.Answer)));
            for (int n : word.Codes)
                if (n > 0)
                    expected << QString::number(n);
        }
        numbers.sort();
        expected.sort();
        QCOMPARE(numbers, expected);

        games->bnReturnClick();
        games->rbSelectLetters->click();
        games->bnStartGame->click();
        const SelectBoard& select = games->PanelSelectLetters->Board;
        const PdfPage selected = Print(games->PanelSelectLetters->bnSelectPrint, 1);
        const int s = RoundQuotient(page.Height, select.PoolRows + 11);
        const QRectF pool(toPoints(page.Margin, page.Top + 10 * s), toPoints(page.Margin + 2 * page.Width / 3, page.Top + (select.PoolRows + 10) * s));
        QString letters;
        for (const TAnswer& word : select.Words) {
            QVERIFY(selected.Text().contains(ToQt(word.Clue) + " " + ToQt(word.Answer).trimmed()));
            for (char ch : word.Answer)
                if (ch != ' ')
                    letters += ToQt(std::string(1, ch));
        }
        std::sort(letters.begin(), letters.end());
        QCOMPARE(Letters(selected, pool), letters);
    }
};

QTEST_MAIN(TestWordGamePrinting)
#include "test_wordgame_printing.moc"

// Word game printouts from the Word Games screen, printed through the choice of half and the
// print dialog's seam into PDF files and read back with pdftotext (and pdftoppm for colours).

#include "AppFixture.h"
#include "PdfCheck.h"

#include "CategoryPicker.h"
#include "CodewordsPanel.h"
#include "LX_WordGames.h"
#include "SelectLettersPanel.h"
#include "WordGamePrint.h"

#include "Random.h"

#include <QRadioButton>

class TestWordGamePrinting : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    QTemporaryDir out;
    HalfPage page;     // of the last print
    QRectF paintRect;  // in points

    // Prints the game of the button on the half chosen (1 top, 2 bottom, 3 cancel).
    PdfPage Print(QPushButton* button, int choice, bool confirm = true, int* dialogs = nullptr)
    {
        PdfPrinter printer(out.filePath(QStringLiteral("page%1.pdf").arg(choice)), confirm);
        fixture->choiceAnswer = choice;
        button->click();
        if (dialogs)
            *dialogs = printer.Dialogs;
        page = MakeHalfPage(printer.PixelWidth(), printer.PixelHeight(), choice);
        paintRect = printer.PaintRect;
        return QFile::exists(printer.Path) ? ReadPdf(printer.Path) : PdfPage{};
    }
    QPointF At(double x, double y) const { return paintRect.topLeft() + QPointF(x, y) * 72 / PrintResolution; }

    template <typename Words>
    static QString AnswerLetters(const Words& words)
    {
        QString s;
        for (const auto& word : words)
            s += ToQt(word.Answer).remove(' ');
        return Sorted(s);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        games = fixture->OpenScreen<TfrmWordGames>(ScreenWordGames);
        QVERIFY(games);
        games->Picker->sgCategorySelectCell(0, 5);  // Food
        RandSeed(1);
    }
    void cleanup() { fixture.reset(); }

    // Scrambled Words with a two-word answer: the top half holds the title (a long one wrapped
    // inside its band), every pool letter (no "-" at the blank, which is shaded) and the key,
    // each clue and answer inside its cell at 8 points but a custom clue of fifty capitals,
    // smaller; the bottom half is the same page
    // shifted down by H; "Cancel the print request." opens no dialog, and a cancelled dialog
    // writes nothing.
    void scrambledWordsPrintsOnTheHalfChosen()
    {
        games->rbScrambledWords->click();
        games->bnStartGame->click();
        auto twoWords = [this] {
            return std::any_of(games->Scramble.begin(), games->Scramble.end(),
                               [](const ScrambleRow& row) { return row.Answer.find(' ') != std::string::npos; });
        };
        for (int tries = 0; tries < 60 && !twoWords(); ++tries)
            games->bnScrambleSame->click();
        QVERIFY(twoWords());
        games->bnFill[0]->click();  // a solved row prints its pool all the same
        // A custom word of fifty capitals shrinks alone, inside its own cell of the key.
        const std::string longClue = "THE OLD MUNICIPAL SWIMMING POOL BEHIND THE STATION";
        games->Scramble[3].Clue = longClue;
        // And a title too long for its band: a custom category and sub-category of forty capitals each.
        games->lblScrambledHeader->setText("Scrambled words : " + QString(40, 'W') + " - " + QString(40, 'M'));

        const PdfPage upper = Print(games->bnScramblePrint, 1);
        QCOMPARE(fixture->shown.last().Text, QString());
        QCOMPARE(fixture->shown.last().Options, QStringList({PrintTopHalfOption, PrintBottomHalfOption, PrintCancelOption}));
        QVERIFY(upper.Title == "Lexory - Word Games" && upper.Pages == 1);
        QVERIFY(upper.Find({}, QRectF(At(0, page.Margin + page.Height), QSizeF(1e4, 1e4))).isEmpty());
        QVERIFY(upper.Find("English").size() == 6 && upper.Find("Spanish").size() == 6);
        const int s = RoundQuotient(page.Height, 20);
        const int puzzleWidth = games->Draw.MaxAnswerLen * RoundQuotient(2.0 * page.Width / 3 - 2 * page.Margin, games->Draw.MaxAnswerLen);
        CellWords title;
        CheckWordsInCells(upper, QRectF(At(page.Margin, page.Top), At(page.Margin + puzzleWidth, page.Top + s)), 1, 1,
                          {games->lblScrambledHeader->text()}, title, false);
        QCOMPARE(title.Wrapped, 1);
        const int keyLeft = page.Margin + RoundQuotient(2.0 * page.Width, 3);
        const double eightPoint = upper.Find("English")[0].Box.height();
        for (int k = 1; k <= ScrambleRowCount; ++k) {
            const ScrambleRow& row = games->Scramble[k - 1];
            const QRect key(keyLeft, page.Top + 3 * k * s, (page.Width - page.Margin - keyLeft) / 2 * 2, s);
            CellWords cells;
            CheckWordsInCells(upper, QRectF(At(key.left(), key.top()), At(key.x() + key.width(), key.y() + key.height())), 2, 1,
                              {ToQt(row.Clue), ToQt(row.Answer)}, cells);
            QVERIFY2(row.Clue == longClue ? cells.Height[0] < eightPoint * 0.9 : std::abs(cells.Height[0] - eightPoint) < 0.05, row.Clue.c_str());
            QVERIFY2(std::abs(cells.Height[1] - eightPoint) < 0.05, row.Answer.c_str());
        }
        // Below the title row and left of the key: the pools' letters and nothing else.
        const QRectF puzzle(At(0, page.Top + 2 * s), At(page.Margin + RoundQuotient(2.0 * page.Width, 3), page.Top + 20 * s));
        QCOMPARE(upper.Letters(puzzle), AnswerLetters(games->Scramble));
        QCOMPARE(upper.Find({}, puzzle).size(), AnswerLetters(games->Scramble).size());
        // The blank between two words is shaded grey in both strips; the empty boxes stay white.
        const QImage image = RenderPdf(out.filePath("page1.pdf"));
        QVERIFY(!image.isNull());
        const int c = RoundQuotient(2.0 * page.Width / 3 - 2 * page.Margin, games->Draw.MaxAnswerLen);
        auto shade = [&](int col, int row) {
            return QColor(image.pixel(At(page.Margin + col * c + c / 2, page.Top + row * s + s / 2).toPoint()));
        };
        int blanks = 0;
        for (int k = 1; k <= ScrambleRowCount; ++k) {
            const std::string& answer = games->Scramble[k - 1].Answer;
            for (int j = 0; j < static_cast<int>(answer.size()); ++j) {
                const bool blank = answer[j] == ' ';
                blanks += blank;
                QCOMPARE(shade(j, 3 * k - 1), blank ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
                if (blank)
                    QCOMPARE(shade(j, 3 * k), QColor(0xC0, 0xC0, 0xC0));
            }
        }
        QVERIFY(blanks > 0);

        const PdfPage lower = Print(games->bnScramblePrint, 2);
        QCOMPARE(games->PrintHalf, 2);
        QCOMPARE(lower.Words.size(), upper.Words.size());
        const double shift = page.Height * 72.0 / PrintResolution;
        // Word for word in page order (pdftotext's own order may group small text differently).
        auto inPageOrder = [](QList<PdfWord> words) {
            std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
                return std::pair(a.Box.top(), a.Box.left()) < std::pair(b.Box.top(), b.Box.left());
            });
            return words;
        };
        const QList<PdfWord> above = inPageOrder(upper.Words), below = inPageOrder(lower.Words);
        for (int i = 0; i < below.size(); ++i) {
            QCOMPARE(below[i].Text, above[i].Text);
            QVERIFY(std::abs(below[i].Box.top() - above[i].Box.top() - shift) < 0.6);
            QVERIFY(std::abs(below[i].Box.left() - above[i].Box.left()) < 0.1);
        }

        int dialogs = -1;
        QVERIFY(Print(games->bnScramblePrint, 3, true, &dialogs).Pages == 0 && dialogs == 0);
        QCOMPARE(games->PrintHalf, 2);
        QVERIFY(Print(games->bnScramblePrint, 1, false, &dialogs).Pages == 0 && dialogs == 1);
    }

    // Codewords on the bottom half: the code column holds 1..K, the words their code numbers;
    // Select Letters on the top half: the pool's letters, used or not, in R + 11 row steps,
    // and the key's answers without their alignment blanks.
    void codewordsAndSelectLettersPrintTheirGrids()
    {
        games->rbCodeWords->click();
        games->bnStartGame->click();
        const CodewordsBoard& code = games->PanelCodeWords->Board;
        const PdfPage coded = Print(games->PanelCodeWords->bnCodePrint, 2);
        QVERIFY(coded.Text().contains(games->PanelCodeWords->lblHeader->text()));
        QVERIFY(coded.Find({}, QRectF(0, 0, 1e4, At(0, page.Top).y())).isEmpty());
        const int L = games->Draw.MaxAnswerLen, c = RoundQuotient(2.0 * page.Width / 3 - 2 * page.Margin, L + 3);
        const double top = At(0, page.Top + 2 * RoundQuotient(page.Height, 19)).y() - 1;
        QStringList column, numbers, expected;
        for (const PdfWord& w : coded.Find({}, QRectF(QPointF(0, top), At(page.Margin + 2 * c, 1e5))))
            column << w.Text;
        for (int i = 1; i <= code.CodeLetterCount; ++i)
            expected << QString::number(i);
        QCOMPARE(column, expected);
        expected.clear();
        for (const PdfWord& w : coded.Find({}, QRectF(QPointF(At(page.Margin + 3 * c, 0).x(), top), At(page.Margin + (L + 3) * c, 1e5))))
            numbers << w.Text;
        for (const CodeWord& word : code.Words) {
            QVERIFY(coded.Text().contains(ToQt(word.Clue) + " " + ToQt(word.Answer)));
            for (int n : word.Codes)
                expected << (n > 0 ? QString::number(n) : QString());
        }
        expected.removeAll(QString());
        numbers.sort();
        expected.sort();
        QCOMPARE(numbers, expected);
        // Each word's key heads its clue column "English" and its answer column "Spanish".
        QVERIFY(Preferences.SpanishAnswers());
        const QList<PdfWord> english = coded.Find("English"), spanish = coded.Find("Spanish");
        QCOMPARE(english.size(), static_cast<qsizetype>(code.Words.size()));
        QCOMPARE(spanish.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            QVERIFY(qAbs(english[i].Box.top() - spanish[i].Box.top()) < 1 && english[i].Box.right() < spanish[i].Box.left());

        games->bnReturnClick();
        games->rbSelectLetters->click();
        games->bnStartGame->click();
        const SelectBoard& select = games->PanelSelectLetters->Board;
        const PdfPage selected = Print(games->PanelSelectLetters->bnSelectPrint, 1);
        for (const TAnswer& word : select.Words)
            QVERIFY(selected.Text().contains(ToQt(word.Clue) + " " + ToQt(word.Answer).trimmed()));
        const int s = RoundQuotient(page.Height, select.PoolRows + 11);
        const QRectF pool(At(page.Margin, page.Top + 10 * s), At(page.Margin + 2 * page.Width / 3, page.Top + (select.PoolRows + 10) * s));
        QCOMPARE(selected.Letters(pool), AnswerLetters(select.Words));
    }
};

QTEST_MAIN(TestWordGamePrinting)
#include "test_wordgame_printing.moc"

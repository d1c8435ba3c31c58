// Crossword and word search printouts, printed from their screens through the print dialog's
// seam into PDF files and read back with pdftotext.

#include "AppFixture.h"
#include "PdfCheck.h"

#include "AnswerIndex.h"
#include "CategoryPicker.h"
#include "CrosswordPrint.h"
#include "LX_Crosswords.h"
#include "LX_WordSearch.h"
#include "WordSearchPrint.h"
#include "WordSearchRules.h"
#include "XWordGrid.h"

#include "Random.h"

#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

// "N. clue" of a clue list row, as the page shows it without the leading blanks.
QString ClueLine(int col, int row)
{
    return ToQt(XWordClues.At(col, row).substr(2)) + ". " + ToQt(XWordClues.At(col + 1, row).substr(2));
}

// The vocabulary's longest crossword clues with their letter counts, longest first.
std::vector<std::string> LongestClues(size_t count)
{
    std::vector<std::string> clues;
    for (const AnswerIndex* index : {&SpanishAnswers, &EnglishAnswers})
        for (int length = AnswerIndex::MinLength; length <= AnswerIndex::MaxLength; ++length)
            for (int n = 1; n <= index->Count(length); ++n)
                clues.push_back(index->Entry(length, n).Clue.str() + " " + index->Entry(length, n).Enumeration.str());
    std::sort(clues.begin(), clues.end());
    clues.erase(std::unique(clues.begin(), clues.end()), clues.end());
    std::stable_sort(clues.begin(), clues.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    clues.resize(std::min(count, clues.size()));
    return clues;
}

// Every word on the page lies in the printable area and clear of every other word: a text
// cut at its column's edge, or run into the next column, shows here.
void CheckWordsApart(const PdfPage& page, const PdfPrinter& printer)
{
    for (const PdfWord& w : page.Words)
        QVERIFY2(printer.PaintRect.adjusted(-0.5, -0.5, 0.5, 0.5).contains(w.Box), qPrintable(w.Text));
    for (qsizetype i = 0; i < page.Words.size(); ++i)
        for (qsizetype j = i + 1; j < page.Words.size(); ++j) {
            const QRectF a = page.Words[i].Box.adjusted(0.3, 0.3, -0.3, -0.3);
            QVERIFY2(!a.intersects(page.Words[j].Box.adjusted(0.3, 0.3, -0.3, -0.3)),
                     qPrintable(page.Words[i].Text + " runs into " + page.Words[j].Text));
        }
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fixture;
    QTemporaryDir out;

    TfrmCrosswords* StartCrossword(int sizeIndex)
    {
        fixture->ClickBox(ScreenCrosswords);
        auto* screen = fixture->ScreenAs<TfrmCrosswords>(ScreenCrosswords);
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

    // 19 x 19: the Down list beside the grid, the Across list in four columns below it, each
    // clue where its list number puts it, every clue at 10 points, blocks silver, then a
    // solution of every letter and nothing else. One long clue prints smaller inside its row
    // and leaves every other clue at 10 points.
    void largeCrosswordPrintsDownListBesideAndAcrossListBelow()
    {
        TfrmCrosswords* screen = StartCrossword(5);
        QVERIFY(screen && XWordCols == 19);
        PdfPrinter printer(out.filePath("cross19.pdf"));
        screen->bnPrint->click();
        const PdfPage page = ReadPdf(printer.Path);
        QCOMPARE(page.Pages, 1);
        QCOMPARE(page.Title, QStringLiteral("Lexory - Crossword"));

        const int across = CrosswordAcrossCount(), down = CrosswordDownCount();
        QVERIFY(down >= 9);
        const int PH = printer.PixelHeight(), m = PH / 60;
        const int s = RoundQuotient(PH * 14 / 24 - m, 20);
        const int lineHeight = RoundQuotient(PH * 14 / 24 - m, down + 3);
        const QList<PdfWord> downTitle = page.Find("Down");
        QCOMPARE(downTitle.size(), 1);
        QVERIFY(downTitle[0].Box.left() > printer.X(19 * s + 2 * m));
        QVERIFY(std::abs(downTitle[0].Box.center().y() - printer.Y(m + lineHeight / 2)) < 3);
        const QString text = page.Text();
        for (int r = 1; r <= down; ++r)
            QVERIFY2(text.contains(ClueLine(2, r)), qPrintable(ClueLine(2, r)));

        const int k = (across + 4) / 4, rowHeight = RoundQuotient(PH * 3 / 24 - m, k);
        const int listTop = std::max(m + 19 * s, m + (down + 1) * lineHeight) + m;
        const int columnWidth = RoundQuotient(printer.PixelWidth() - 2 * m, 4);
        auto at = [&](const QString& word, int col, int row) {
            return page.Find(word, QRectF(printer.At(m + col * columnWidth, listTop + row * rowHeight),
                                          printer.At(m + (col + 1) * columnWidth, listTop + (row + 1) * rowHeight))).size() == 1;
        };
        QVERIFY(at("Across", 0, 0));
        for (int j = 1; j <= across; ++j) {
            QVERIFY2(text.contains(ClueLine(0, j)), qPrintable(ClueLine(0, j)));
            QVERIFY2(at(ToQt(XWordClues.At(0, j).substr(2)) + ".", j / k, j % k), qPrintable(ClueLine(0, j)));
        }

        QString answers;
        for (int r = 0; r < XWordRows; ++r)
            for (int c = 0; c < XWordCols; ++c)
                if (XWordGrid[c][r].Kind == 2)
                    answers += ToQt(XWordGrid[c][r].Answer);
        QCOMPARE(page.Letters(QRectF(0, printer.Y(listTop + k * rowHeight), 1e4, 1e4)), Sorted(answers));

        const QImage image = RenderPdf(printer.Path);
        auto shade = [&](int c, int r) { return QColor(image.pixel(printer.At(m + c * s + s / 2, m + r * s + s * 3 / 4).toPoint())); };
        int blocks = 0;
        for (int r = 0; r < XWordRows; ++r)
            for (int c = 0; c < XWordCols; ++c) {
                blocks += XWordGrid[c][r].Kind != 2;
                QCOMPARE(shade(c, r), XWordGrid[c][r].Kind == 2 ? QColor(Qt::white) : QColor(0xC0, 0xC0, 0xC0));
            }
        QVERIFY(blocks > 0);

        // The clues' word heights: the Down list's rows beside the grid, the Across list's below.
        auto clueHeights = [&](const PdfPage& printed, const QString& name) {
            QStringList downList = {"Down Clues"}, acrossList = {"Across Clues"};
            for (int r = 1; r <= down; ++r)
                downList << ClueLine(2, r);
            for (int j = 1; j <= across; ++j)
                acrossList << ClueLine(0, j);
            const int left = m + 19 * s + m;
            CellWords beside, below;
            CheckWordsInCells(printed, printer.Points(QRect(left, m, printer.PixelWidth() - left, (down + 1) * lineHeight)), 1, down + 1, downList, beside);
            CheckWordsInCells(printed, printer.Points(QRect(m, listTop, 4 * columnWidth, k * rowHeight)), 4, k, acrossList, below);
            const double tenPoint = printed.Find("Clues")[0].Box.height();
            QMap<QString, double> heights;
            for (int r = 1; r <= down; ++r)
                heights[QStringLiteral("down %1").arg(r)] = beside.Height.value(r) / tenPoint;
            for (int j = 1; j <= across; ++j)
                heights[QStringLiteral("across %1").arg(j)] = below.Height.value(j) / tenPoint;
            for (auto it = heights.begin(); it != heights.end(); ++it)
                QVERIFY2(it.key() == name ? it.value() < 0.95 : std::abs(it.value() - 1) < 0.01, qPrintable(it.key()));
        };
        clueHeights(page, {});
        const std::string third = XWordClues.At(2, 3).substr(2);
        for (auto& column : XWordGrid)
            for (XWordCell& cell : column)
                if (std::to_string(cell.DownNumber) == third)
                    cell.DownClue = "one hundred thousand (4,3)";
        BuildClueLists();
        QCOMPARE(ClueLine(2, 3), QString::fromStdString(third + ". one hundred thousand (4,3)"));
        screen->bnPrint->click();
        clueHeights(ReadPdf(printer.Path), "down 3");
    }

    // A free-format grid trimmed to 19 x 5, and to 5 x 19 under a long category name, keeps
    // square cells and every clue and solution letter on the page; its short lists stand one
    // under the other beside the grid, and the header stays whole inside its band, at 6 points
    // or more.
    void freeFormatGridStaysOnThePage()
    {
        TfrmCrosswords* screen = StartCrossword(1);
        QVERIFY(screen);
        for (const bool tall : {false, true}) {
            for (auto& column : XWordGrid)
                for (XWordCell& cell : column)
                    cell = XWordCell{};
            const std::tuple<int, int, bool, const char*, const char*> words[] = {
                {0, 0, false, "hospital", "el hospital"}, {11, 0, false, "mountain", "la monta\xF1" "a"},
                {0, 0, true, "horse", "el caballo"},       {18, 0, true, "nurse", "la enfermera"},
                {0, 4, false, "elbow", "el codo"},         {14, 4, false, "table", "la mesa"}};
            auto cellOf = [tall](int col, int row, bool isDown, int i) -> XWordCell& {
                const int c = isDown ? col : col + i, r = isDown ? row + i : row;
                return tall ? XWordGrid[r][c] : XWordGrid[c][r];
            };
            for (auto [col, row, isDown, word, clue] : words)
                for (int i = 0; word[i]; ++i)
                    cellOf(col, row, isDown, i).Answer = std::string(1, word[i]);
            XWordMode = 2;
            XWordCols = tall ? 5 : 19;
            XWordRows = tall ? 19 : 5;
            NumberGrid();
            for (auto [col, row, isDown, word, clue] : words)
                (isDown != tall ? cellOf(col, row, isDown, 0).DownClue : cellOf(col, row, isDown, 0).AcrossClue) = clue;
            BuildClueLists();
            const QString header = "Free format crossword : " + (tall ? QString(16, 'W') + " - " + QString(20, 'M') : "Health");
            screen->lblFreeFormHeader->setText(header);

            PdfPrinter printer(out.filePath("free.pdf"));
            screen->bnPrint->click();
            const PdfPage page = ReadPdf(printer.Path);
            for (const PdfWord& w : page.Words)
                QVERIFY2(printer.PaintRect.adjusted(-0.5, -0.5, 0.5, 0.5).contains(w.Box), qPrintable(w.Text));
            const QString text = page.Text();
            QVERIFY(text.contains(header));
            QVERIFY(text.contains(QStringLiteral("la montaña")) && text.contains("la enfermera"));

            const int PH = printer.PixelHeight(), m = PH / 60;
            const int s = RoundQuotient(PH * 14 / 24 - m, 21);
            const double gridRight = printer.X(m + XWordCols * s);
            const QList<PdfWord> acrossTitle = page.Find("Across", QRectF(gridRight, 0, 1e4, 1e4));
            const QList<PdfWord> downTitle = page.Find("Down", QRectF(gridRight, 0, 1e4, 1e4));
            QVERIFY(acrossTitle.size() == 1 && downTitle.size() == 1 && downTitle[0].Box.top() > acrossTitle[0].Box.bottom());
            QCOMPARE(page.Letters(QRectF(0, printer.Y(m + (XWordRows + 1) * s), gridRight, 1e4)),
                     Sorted("hospitalmountainorseurselbowtabl"));
            // The squares' numbers one cell side apart across and down: the far corners are numbered.
            auto number = [&](int c, int r) {
                const QList<PdfWord> found = page.Find(QString::number(std::max(XWordGrid[c][r].AcrossNumber, XWordGrid[c][r].DownNumber)),
                                                       QRectF(0, 0, gridRight, printer.Y(m + (XWordRows + 1) * s)));
                return found.size() == 1 ? found[0].Box.topLeft() : QPointF(-1e4, -1e4);
            };
            const QPointF origin = number(0, 0), right = number(XWordCols - 1, 0), down = number(0, XWordRows - 1);
            QVERIFY(std::abs(right.x() - origin.x() - (printer.X((XWordCols - 1) * s) - printer.X(0))) < 1);
            QVERIFY(std::abs(down.y() - origin.y() - (printer.Y((XWordRows - 1) * s) - printer.Y(0))) < 1);

            CellWords headerWords;
            CheckWordsInCells(page, printer.Points(QRect(m, m, XWordCols * s, s)), 1, 1, {header}, headerWords, false);
            QVERIFY(headerWords.Smallest > acrossTitle[0].Box.height() * 0.59);
            QCOMPARE(headerWords.Wrapped, int(tall));
        }
    }

    // The longest clues of the vocabulary print whole, letter counts and all, in every place a
    // printout lists them: the Down list beside an 11 x 11 and a 19 x 19 grid with the Across
    // list in four columns below, and both lists beside a free-format grid; and custom clues
    // of fifty capitals on the 19 x 19 page. Each word lies inside its row of its column, in
    // reading order, clear of every other; a wrapped clue goes on under its text.
    void longestCluesPrintWhole()
    {
        const std::vector<std::string> clues = LongestClues(100);
        QCOMPARE(clues.size(), size_t{100});
        std::vector<std::string> capitals;
        for (const std::string& clue : clues) {
            capitals.push_back(clue);
            capitals.push_back(capitals.size() % 4 == 1 ? "THE OLD MUNICIPAL SWIMMING POOL BEHIND THE STATION (3,5)"
                                                        : "WHERE IS THE NEAREST UNDERGROUND RAILWAY STATION? (5,4,2,3)");
        }
        TfrmCrosswords* screen = nullptr;
        bool downOnly = false, bothBeside = false;
        int wrapped = 0;
        auto printLongest = [&](const QString& file, const std::vector<std::string>& pool) {
            size_t next = 0;
            for (int r = 0; r < XWordRows; ++r)
                for (int c = 0; c < XWordCols; ++c) {
                    XWordCell& cell = XWordGrid[c][r];
                    if (cell.AcrossNumber > 0)
                        cell.AcrossClue = pool[next++ % pool.size()];
                    if (cell.DownNumber > 0)
                        cell.DownClue = pool[next++ % pool.size()];
                }
            BuildClueLists();
            const int across = CrosswordAcrossCount(), down = CrosswordDownCount();
            (down >= 9 ? downOnly : bothBeside) = true;
            PdfPrinter printer(out.filePath(file));
            screen->bnPrint->click();
            const PdfPage page = ReadPdf(printer.Path);
            CheckWordsApart(page, printer);

            const int PH = printer.PixelHeight(), PW = printer.PixelWidth(), m = PH / 60;
            const bool free = XWordMode == 2;
            const int s = RoundQuotient(PH * 14 / 24 - m, std::max(XWordCols, XWordRows) + (free ? 2 : 1));
            const int lines = down >= 9 ? down + 1 : across + down + 3;
            const int lineHeight = RoundQuotient(PH * 14 / 24 - m, lines + 2), left = m + XWordCols * s + m;
            QStringList acrossList = {"Across Clues"}, downList = {"Down Clues"};
            for (int r = 1; r <= across; ++r)
                acrossList << ClueLine(0, r);
            for (int r = 1; r <= down; ++r)
                downList << ClueLine(2, r);
            CellWords beside, below;
            CheckWordsInCells(page, printer.Points(QRect(left, m, PW - left, lines * lineHeight)), 1, lines,
                              down >= 9 ? downList : acrossList + QStringList{QString()} + downList, beside);
            if (down >= 9) {
                const int k = (across + 4) / 4, rowHeight = RoundQuotient(PH * 3 / 24 - m, k);
                const int top = std::max(m + (XWordRows + free) * s, m + lines * lineHeight) + m;
                CheckWordsInCells(page, printer.Points(QRect(m, top, 4 * RoundQuotient(PW - 2 * m, 4), k * rowHeight)), 4, k, acrossList, below);
            }
            const double tenPoint = page.Find("Clues")[0].Box.height();  // the titles' size
            beside.CheckShrunkOnlyWhenTooWide(tenPoint, down >= 9 ? downList : acrossList + QStringList{QString()} + downList);
            below.CheckShrunkOnlyWhenTooWide(tenPoint, acrossList);
            wrapped += beside.Wrapped + below.Wrapped;
        };

        for (int sizeIndex : {1, 5}) {
            if (screen)
                screen->bnReturn->click();
            screen = StartCrossword(sizeIndex);
            QVERIFY(screen && XWordCols == 2 * sizeIndex + 9);
            printLongest(QStringLiteral("longest%1.pdf").arg(sizeIndex), clues);
        }
        printLongest("capitals.pdf", capitals);
        screen->bnReturn->click();
        screen->rbFree->click();
        screen->Picker->sgCategorySelectCell(0, 5);  // Food
        screen->senWords->setValue(10);
        RandSeed(3);
        screen->bnStartCrossword->click();
        QCOMPARE(XWordMode, 2);
        printLongest("longest-free.pdf", clues);
        QVERIFY(downOnly && bothBeside && wrapped > 0);
    }

    // The longest words of the vocabulary in a 40-word and a 10-word puzzle on the largest grid,
    // under a long header, the 40 with two custom words of fifty capitals: every clue and
    // answer, and the header, print whole and clear of each other, each inside its row of its
    // column; the header wraps inside its band, the 10 words' taller rows take a long clue on
    // two lines above 6 points, and only an entry too wide for its row is below the list's size.
    void wordSearchLongestWordsPrintWhole()
    {
        std::vector<int> longest;
        for (int i = 1; i <= WordCount; ++i)
            if (QualifiesForSearch(WordTable[i], "S"))
                longest.push_back(i);
        std::stable_sort(longest.begin(), longest.end(), [](int a, int b) {
            return std::max(WordTable[a].Spanish.size(), WordTable[a].English.size()) >
                   std::max(WordTable[b].Spanish.size(), WordTable[b].English.size());
        });
        for (const int count : {SearchMaxWords, 10}) {
            // Half of them the longest, half of the shortest so that the grid holds them all.
            std::vector<TAnswer> words;
            auto take = [&](const TWordRecord& w) {
                if (!IsAlreadyChosen(w, words, true))
                    words.push_back({w.English.str(), w.Spanish.str(), w.SpanishLetters.str()});
            };
            for (size_t k = 0; words.size() < size_t(count / 2); ++k)
                take(WordTable[longest[k]]);
            for (size_t k = longest.size(); words.size() < size_t(count); --k)
                take(WordTable[longest[k - 1]]);
            // Two custom words of capitals, their clues fifty characters long.
            const TAnswer custom[] = {{"THE OLD MUNICIPAL SWIMMING POOL BEHIND THE STATION", "LA VIEJA PISCINA MUNICIPAL", {}},
                                      {"WHERE IS THE NEAREST UNDERGROUND RAILWAY STATION?", "LA ESTACION DE METRO MAS CERCANA", {}}};
            for (size_t k = 0; count == SearchMaxWords && k < 2; ++k) {
                words[count / 2 + k] = custom[k];
                words[count / 2 + k].Letters = DeriveForm(custom[k].Answer).Letters;
            }
            auto puzzle = std::make_unique<WordSearchPuzzle>();
            uint32_t seed = 1;
            while (RandSeed(seed), !BuildPuzzle(*puzzle, words, SearchMaxSide, true) && seed < 100)
                ++seed;
            QVERIFY(seed < 100);
            QCOMPARE(puzzle->PuzzleWordCount(), count);
            const QString header = "Word Search : " + QString(50, 'W') + " - " + QString(50, 'M');

            PdfPrinter printer(out.filePath("search-longest.pdf"));
            QVERIFY(PrintWordSearch(fixture->main.get(), *puzzle, header));
            const PdfPage page = ReadPdf(printer.Path);
            QVERIFY(page.Text().contains(header));
            CheckWordsApart(page, printer);

            const int H = printer.PixelHeight(), W = printer.PixelWidth(), m = H / 60, side = puzzle->Side;
            const int c1 = RoundQuotient((H - m) * 13 / 24 - m, side + 2), r1 = RoundQuotient((H - m) * 13 / 24 - m, count + 2);
            const int left = m + side * c1 + m;
            QStringList clueList, answerList;
            for (const TAnswer& word : puzzle->Answers) {
                clueList << ToQt(word.Clue);
                answerList << ToQt(word.Answer);
            }
            CellWords band, rows;
            CheckWordsInCells(page, printer.Points(QRect(m, m, side * c1, c1)), 1, 1, {header}, band, false);
            CheckWordsInCells(page, printer.Points(QRect(left, m + c1, (W - left) / 2 * 2, count * r1)), 2, count, clueList + answerList, rows);
            const double tenPoint = page.Find({}, QRectF(printer.At(m, m + c1), printer.At(m + c1, m + 2 * c1)))[0].Box.height();
            QVERIFY(band.Smallest > tenPoint * 0.5 && band.Wrapped == 1);
            QVERIFY(count == SearchMaxWords || (rows.Smallest > tenPoint * 0.62 && rows.Wrapped > 0));
            // The custom clues shrink alone: every entry that fits keeps the list's size.
            const double listSize = *std::max_element(rows.Height.begin(), rows.Height.end());
            rows.CheckShrunkOnlyWhenTooWide(listSize, clueList + answerList);
            int customClues = 0;
            for (int r = 0; r < count; ++r)
                if (clueList[r].size() >= 49) {
                    QVERIFY(rows.Height[r] < listSize * 0.9);
                    ++customClues;
                }
            QCOMPARE(customClues, count == SearchMaxWords ? 2 : 0);
        }
    }

    // A word search prints its header, every clue and answer, and a solution of the hidden
    // words' letters only (10 points below 16 squares). A cancelled dialog writes nothing and
    // says nothing; a printer that cannot start says so.
    void wordSearchPrintsNoFillersAndCancelPrintsNothing()
    {
        fixture->ClickBox(ScreenWordSearch);
        auto* screen = fixture->ScreenAs<TfrmWordSearch>(ScreenWordSearch);
        screen->Picker->sgCategorySelectCell(0, 5);  // Food
        screen->rbForward->click();
        screen->senWords->setValue(10);
        RandSeed(5);
        screen->bnStartGame->click();
        const WordSearchPuzzle* puzzle = screen->Puzzle();
        QVERIFY(puzzle && screen->PuzzleShowing == 1 && puzzle->Side < 16);
        {
            PdfPrinter printer(out.filePath("search.pdf"));
            screen->bnPrint->click();
            const PdfPage page = ReadPdf(printer.Path);
            QCOMPARE(page.Title, QStringLiteral("Lexory - Word Search"));
            const QString text = page.Text();
            QVERIFY(text.contains(screen->lblSearchHeader->text()));
            for (const TAnswer& word : puzzle->Answers)
                QVERIFY2(text.contains(ToQt(word.Clue)) && text.contains(ToQt(word.Answer)), word.Answer.c_str());

            const int H = printer.PixelHeight(), m = H / 60, side = puzzle->Side, words = puzzle->PuzzleWordCount();
            const int c1 = RoundQuotient((H - m) * 13 / 24 - m, side + 2);
            const int r1 = RoundQuotient((H - m) * 13 / 24 - m, words + 2);
            const QRectF solution(0, printer.Y(std::max(m + (side + 2) * c1, m + c1 + words * r1) + m) - 1, 1e4, 1e4);
            QString hidden;
            for (int r = 0; r < side; ++r)
                for (int c = 0; c < side; ++c)
                    if (puzzle->Grid[c][r].Kind == '0')
                        hidden += ToQt(std::string(1, puzzle->Grid[c][r].Letter));
            QCOMPARE(page.Letters(solution), Sorted(hidden));
            for (const PdfWord& w : page.Find({}, solution))
                QVERIFY2(w.Box.height() > 10.5, "solution letters at 10 points");
        }

        const int messages = fixture->shown.size();
        {
            PdfPrinter cancelled(out.filePath("cancel.pdf"), false);
            screen->bnPrint->click();
            QVERIFY(cancelled.Dialogs == 1 && !QFile::exists(cancelled.Path));
            QCOMPARE(fixture->shown.size(), messages);
        }
        PdfPrinter broken(out.filePath("no-such-folder/page.pdf"));
        screen->bnPrint->click();
        QVERIFY(broken.Dialogs == 1 && !QFile::exists(broken.Path));
        QCOMPARE(fixture->shown.size(), messages + 1);
        QCOMPARE(fixture->shown.last().Text, QString(PrinterNotStartedMessage));
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"

#include "WordGamePrint.h"

#include "CellDraw.h"
#include "FontScheme.h"
#include "PrintJob.h"
#include "QtText.h"
#include "ShowMsg.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr uint32_t ColorNoBox = 0xC0C0C0;

void SetFont(int size, bool underline = false)
{
    QFont font = MakeFont("MS Sans Serif", size);
    font.setUnderline(underline);
    CellCanvas->setFont(font);
}

void LinePen()
{
    QPen pen(Qt::black);
    pen.setWidth(2);
    CellCanvas->setPen(pen);
}

void FillCell(int col, int row, uint32_t colour)
{
    CellCanvas->fillRect(QRect(QPoint(CellX[col], CellY[row]), QPoint(CellX[col + 1] - 1, CellY[row + 1] - 1)),
                         BlueHigh(colour));
}

// Column edges of the puzzle: count steps of the width left of the key, from the margin.
void PuzzleColumns(const HalfPage& page, int count)
{
    SetEdges(CellX, page.Margin, RoundQuotient(2.0 * page.Width / 3 - 2 * page.Margin, std::max(count, 1)), count);
}

// The key table's three column edges on the right third.
void KeyColumns(const HalfPage& page)
{
    CellX[0] = page.Margin + RoundQuotient(2.0 * page.Width, 3);
    CellX[1] = CellX[0] + (page.Width - page.Margin - CellX[0]) / 2;
    CellX[2] = page.Width - page.Margin;
}

// A long category name shrinks the title rather than cutting it at both ends.
void Title(const QString& header, int lastCol)
{
    SetFont(12, true);
    DrawFittedText(CellX[0], CellX[lastCol], CellY[0], CellY[1], AlignCentre, AlignTop, header);
}

void KeyHeads(int row, bool spanishAnswers)
{
    DrawCellText(0, row, AlignLeft, AlignMiddle, spanishAnswers ? "English" : "Spanish");
    DrawCellText(1, row, AlignLeft, AlignMiddle, spanishAnswers ? "Spanish" : "English");
}

// A clue or answer too long for its key cell takes a smaller size of its own, not the whole key.
void KeyWord(int row, const PrintKeyWord& word)
{
    DrawFittedText(CellX[0], CellX[1], CellY[row], CellY[row + 1], AlignLeft, AlignMiddle, ToQt(word.Clue));
    DrawFittedText(CellX[1], CellX[2], CellY[row], CellY[row + 1], AlignLeft, AlignMiddle, ToQt(word.Answer));
}

// Two key rows (heads above clue and answer) boxed from row edge `top` to top + 2.
void KeyBlock(int top, const WordGamePrintout& game, int word)
{
    SetFont(8);
    CellCanvas->setPen(QPen(Qt::black));
    KeyHeads(top, game.SpanishAnswers);
    KeyWord(top + 1, game.Key[word]);
    LinePen();
    for (int r = top; r <= top + 2; ++r)
        DrawHLine(CellX[0], CellY[r], CellX[2]);
    for (int c = 0; c <= 2; ++c)
        DrawVLine(CellX[c], CellY[top], CellY[top + 2]);
}

// Two strips of boxes (rows top and top + 1) over columns first .. first + n.
void BoxStrips(int top, int first, int n)
{
    LinePen();
    for (int r = top; r <= top + 2; ++r)
        DrawHLine(CellX[first], CellY[r], CellX[first + n]);
    for (int c = first; c <= first + n; ++c)
        DrawVLine(CellX[c], CellY[top], CellY[top + 2]);
}

void Prepare()
{
    CellCanvas->setPen(QPen(Qt::black));
    CellCanvas->setBrush(Qt::white);
}

}  // namespace

ScramblePrintout MakeScramblePrintout(const ScrambleBoard& board, int maxAnswerLen, bool spanishAnswers,
                                      const QString& header)
{
    ScramblePrintout game;
    game.Header = header;
    game.SpanishAnswers = spanishAnswers;
    game.MaxAnswerLen = std::max(1, maxAnswerLen);
    for (int k = 0; k < PrintWordCount && k < ScrambleRowCount; ++k) {
        game.Key[k] = {board[k].Clue, board[k].Answer};
        for (const std::string& cell : board[k].Pool)
            game.Pool[k].push_back(ContentOf(cell));
        game.MaxAnswerLen = std::max(game.MaxAnswerLen, static_cast<int>(game.Pool[k].size()));
    }
    return game;
}

CodewordsPrintout MakeCodewordsPrintout(const CodewordsBoard& board, int maxAnswerLen, bool spanishAnswers,
                                        const QString& header)
{
    CodewordsPrintout game;
    game.Header = header;
    game.SpanishAnswers = spanishAnswers;
    game.MaxAnswerLen = std::max(1, maxAnswerLen);
    game.CodeLetterCount = std::max(1, board.CodeLetterCount);
    for (int k = 0; k < PrintWordCount && k < CodeWordCount; ++k) {
        game.Key[k] = {board.Words[k].Clue, board.Words[k].Answer};
        game.Codes[k] = board.Words[k].Codes;
        game.MaxAnswerLen = std::max(game.MaxAnswerLen, static_cast<int>(game.Codes[k].size()));
    }
    return game;
}

SelectPrintout MakeSelectPrintout(const SelectBoard& board, bool spanishAnswers, const QString& header)
{
    SelectPrintout game;
    game.Header = header;
    game.SpanishAnswers = spanishAnswers;
    game.MaxAnswerLen = std::max(1, board.Length);
    for (int k = 0; k < PrintWordCount && k < SelectRowCount; ++k) {
        const std::string& answer = board.Words[k].Answer;
        const size_t first = answer.find_first_not_of(' ');
        const size_t last = answer.find_last_not_of(' ');
        game.Key[k] = {board.Words[k].Clue, first == std::string::npos ? std::string() : answer.substr(first, last - first + 1)};
        for (int col = 0; col < board.Length; ++col)
            game.Boxes[k].push_back(board.InBoxes(col, k) && StateOf(board.Box(col, k)) != CellNoBox);
    }
    for (int row = 0; row < board.PoolRows; ++row) {
        std::vector<std::string> letters;
        for (int col = 0; col < board.Length; ++col)
            letters.push_back(board.InPool(col, row) ? ContentOf(board.PoolCell(col, row)) : std::string());
        game.Pool.push_back(letters);
    }
    return game;
}

HalfPage MakeHalfPage(int pageWidth, int pageHeight, int half)
{
    HalfPage page;
    const int P = pageHeight / 2;
    page.Width = pageWidth;
    page.Margin = P / 40;
    page.Height = P - page.Margin;
    page.Half = half == PrintBottomHalf ? PrintBottomHalf : PrintTopHalf;
    page.Top = page.Half == PrintTopHalf ? page.Margin : page.Margin + page.Height;
    return page;
}

void PaintScramblePrint(const HalfPage& page, const ScramblePrintout& game)
{
    if (!CellCanvas)
        return;
    Prepare();
    const int L = std::clamp(game.MaxAnswerLen, 1, 99);
    PuzzleColumns(page, L);
    SetEdges(CellY, page.Top, RoundQuotient(page.Height, 20), 20);
    Title(game.Header, L);

    for (int k = 1; k <= PrintWordCount; ++k) {
        const std::vector<std::string>& pool = game.Pool[k - 1];
        const int n = std::min(static_cast<int>(pool.size()), L);
        // The blank between two words is shaded in both strips, so the row shows two words.
        for (int j = 0; j < n; ++j)
            if (pool[j] == "-") {
                FillCell(j, 3 * k - 1, ColorNoBox);
                FillCell(j, 3 * k, ColorNoBox);
            }
        SetFont(10);
        CellCanvas->setPen(QPen(Qt::black));
        for (int j = 0; j < n; ++j)
            if (pool[j] != "-")
                DrawCellText(j, 3 * k, AlignCentre, AlignMiddle, ToQt(pool[j]));
        BoxStrips(3 * k - 1, 0, n);
    }
    KeyColumns(page);
    for (int k = 1; k <= PrintWordCount; ++k)
        KeyBlock(3 * k - 1, game, k - 1);
    CellCanvas->setPen(QPen(Qt::black));
}

void PaintCodePrint(const HalfPage& page, const CodewordsPrintout& game)
{
    if (!CellCanvas)
        return;
    Prepare();
    const int L = std::clamp(game.MaxAnswerLen, 1, 96);
    const int K = std::clamp(game.CodeLetterCount, 1, 100);
    PuzzleColumns(page, L + 3);
    SetEdges(CellY, page.Top, RoundQuotient(page.Height, 19), 19);
    Title(game.Header, L + 3);

    // The code column: the numbers 1..K beside empty boxes for their letters.
    const int T = CellY[2];
    const int B = page.Half == PrintTopHalf ? page.Height : 2 * page.Height;
    SetEdges(CellY, T, RoundQuotient(B - T, K), K);
    SetFont(10);
    CellCanvas->setPen(QPen(Qt::black));
    for (int i = 1; i <= K; ++i)
        DrawCellText(0, i - 1, AlignCentre, AlignMiddle, QString::number(i));
    LinePen();
    for (int i = 0; i <= K; ++i)
        DrawHLine(CellX[0], CellY[i], CellX[2]);
    for (int c = 0; c <= 2; ++c)
        DrawVLine(CellX[c], CellY[0], CellY[K]);

    // The words: empty letter boxes above their code numbers.
    SetEdges(CellY, T, RoundQuotient(B - T, 17), 17);
    for (int k = 1; k <= PrintWordCount; ++k) {
        const std::vector<int>& codes = game.Codes[k - 1];
        const int n = std::min(static_cast<int>(codes.size()), L);
        for (int j = 0; j < n; ++j)
            if (codes[j] <= 0) {
                FillCell(j + 3, 3 * k - 3, ColorNoBox);
                FillCell(j + 3, 3 * k - 2, ColorNoBox);
            }
        SetFont(10);
        CellCanvas->setPen(QPen(Qt::black));
        for (int j = 0; j < n; ++j)
            if (codes[j] > 0)
                DrawCellText(j + 3, 3 * k - 2, AlignCentre, AlignMiddle, QString::number(codes[j]));
        BoxStrips(3 * k - 3, 3, n);
    }
    KeyColumns(page);
    for (int k = 1; k <= PrintWordCount; ++k)
        KeyBlock(3 * k - 3, game, k - 1);
    CellCanvas->setPen(QPen(Qt::black));
}

void PaintSelectPrint(const HalfPage& page, const SelectPrintout& game)
{
    if (!CellCanvas)
        return;
    Prepare();
    const int L = std::clamp(game.MaxAnswerLen, 1, 99);
    const int R = std::clamp(static_cast<int>(game.Pool.size()), 0, 89);
    PuzzleColumns(page, L);
    SetEdges(CellY, page.Top, RoundQuotient(page.Height, R + 11), R + 11);
    Title(game.Header, L);

    // The answer grid: word k on row k + 2, the cells without a box shaded.
    for (int k = 1; k <= PrintWordCount; ++k)
        for (int j = 0; j < L; ++j) {
            const std::vector<bool>& boxes = game.Boxes[k - 1];
            if (j >= static_cast<int>(boxes.size()) || !boxes[j])
                FillCell(j, k + 2, ColorNoBox);
        }
    LinePen();
    for (int r = 3; r <= 9; ++r)
        DrawHLine(CellX[0], CellY[r], CellX[L]);
    for (int c = 0; c <= L; ++c)
        DrawVLine(CellX[c], CellY[3], CellY[9]);

    // The pool: every letter on white, the cells without one shaded.
    SetFont(10);
    for (int r = 0; r < R; ++r)
        for (int j = 0; j < L; ++j) {
            const std::vector<std::string>& row = game.Pool[r];
            const bool letter = j < static_cast<int>(row.size()) && !row[j].empty() && row[j] != " ";
            if (!letter) {
                FillCell(j, r + 10, ColorNoBox);
                continue;
            }
            CellCanvas->setPen(QPen(Qt::black));
            DrawCellText(j, r + 10, AlignCentre, AlignMiddle, ToQt(row[j]));
        }
    LinePen();
    for (int r = 10; r <= R + 10; ++r)
        DrawHLine(CellX[0], CellY[r], CellX[L]);
    for (int c = 0; c <= L; ++c)
        DrawVLine(CellX[c], CellY[10], CellY[R + 10]);

    // The key: one head row, then each word's clue and answer.
    KeyColumns(page);
    SetFont(8);
    CellCanvas->setPen(QPen(Qt::black));
    KeyHeads(2, game.SpanishAnswers);
    for (int k = 1; k <= PrintWordCount; ++k)
        KeyWord(k + 2, game.Key[k - 1]);
    LinePen();
    for (int r = 2; r <= 9; ++r)
        DrawHLine(CellX[0], CellY[r], CellX[2]);
    for (int c = 0; c <= 2; ++c)
        DrawVLine(CellX[c], CellY[2], CellY[9]);
    CellCanvas->setPen(QPen(Qt::black));
}

bool PrintWordGame(QWidget* parent, int& printHalf, const std::function<void(const HalfPage& page)>& paint)
{
    const std::array<QString, 5> options = {PrintTopHalfOption, PrintBottomHalfOption, PrintCancelOption, {}, {}};
    ChoiceOptions = options;
    const int choice = ShowChoiceForm(frmShowMsg, QString(), 3, options);
    if (choice == 10)
        printHalf = PrintTopHalf;
    else if (choice == 20)
        printHalf = PrintBottomHalf;
    else
        return false;
    const int half = printHalf;
    return PrintOnePage(parent, WordGamesJobTitle,
                        [&](int width, int height) { paint(MakeHalfPage(width, height, half)); });
}

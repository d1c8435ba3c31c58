#include "CodewordsPanel.h"

#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "ScreenForm.h"
#include "WordGameGrids.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr uint32_t ColorNumber = 0x808080;
constexpr int KeyColWidths[CodeKeyCols] = {42, 42, 2, 42, 42, 6};
constexpr int AlphabetCellWidth = 30;
// Below this the letters no longer fit their cells.
constexpr int MinCodeCellWidth = 12;

}  // namespace

CodewordsPanel::CodewordsPanel(QWidget* parent)
    : TWordGamePanel(parent, "PanelCodeWords", "Code",
                     {"Drag and drop letters to the code grid.  A number",
                      "represents the same letter throughout the 6 words."})
{

    for (int i = 0; i < CodeWordCount; ++i) {
        const int k = i + 1;
        LexGrid* grid = new LexGrid(this);
        grid->setObjectName(QStringLiteral("sgCodeGrid%1").arg(k));
        SetupGameGrid(grid, 1, 2);
        grid->SetDragEnabled(false);
        grid->OnDrawCell = [this, grid](QPainter& p, int col, int row, const QRect& rect, bool) {
            const QString cell = grid->Cell(col, row);
            if (row == 0)
                DrawGameCell(p, rect, col, row, cell, BoxColour(CellState(cell)),
                             MakeFont(FontScheme.Letter, true));
            else
                DrawGameText(p, rect, col, row, cell, BlueHigh(ColorWhite), MakeFont(FontScheme.TinyLetter, true),
                             BlueHigh(ColorNumber));
        };
        sgCodeGrid[i] = grid;
        lblCodeEnglish[i] = new QLabel(this);
        lblCodeEnglish[i]->setObjectName(QStringLiteral("lblCodeEnglish%1").arg(k));
        lblCodeEnglish[i]->hide();
        bnCodeEnglish[i] = MakePushButton(this, QStringLiteral("bnCodeEnglish%1").arg(k), "Show English");
        connect(bnCodeEnglish[i], &QPushButton::clicked, this, [this, k] { bnCodeEnglishClick(k); });
    }

    sgCode = new LexGrid(this);
    sgCode->setObjectName("sgCode");
    SetupGameGrid(sgCode, CodeKeyCols, 1);
    sgCode->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const QFont letter = MakeFont(FontScheme.Letter, true);
        switch (col) {
        case 0:
        case 3:
            DrawGameText(p, rect, col, row, sgCode->Cell(col, row), BlueHigh(ColorWhite),
                         MakeFont(FontScheme.TinyLetter, true), BlueHigh(ColorNumber));
            break;
        case 1:
        case 4: {
            // The letter takes the colour its check gave the true letter beside it.
            const QString truth = sgCode->Cell(col + 1, row);
            DrawGameText(p, rect, col, row, sgCode->Cell(col, row), BoxColour(CellState(truth)),
                         letter);
            break;
        }
        default:
            // The true letters stay unreadable.
            DrawGameText(p, rect, col, row, QString(), col == 2 ? QColor(Qt::black) : BlueHigh(ColorWhite), letter);
            break;
        }
    };

    sgCodeAlphabet = new LexGrid(this);
    sgCodeAlphabet->setObjectName("sgCodeAlphabet");
    SetupGameGrid(sgCodeAlphabet, AlphabetCols, AlphabetRows);
    DrawAsLetterPool(sgCodeAlphabet);

    // A press on any column of a key row counts as its letter.
    GameDragRules alphabetRules;
    alphabetRules.CanStart = [this](int col, int row) { return CanDragFromAlphabet(Board, AlphabetIndex(col, row)); };
    alphabetRules.Accepts = [this](LexGrid* source, int srcCol, int srcRow, int, int) {
        return source == sgCode && CanDragFromKey(Board, CodeAtKeyCell(Board, srcCol, srcRow));
    };
    alphabetRules.Drop = [this](LexGrid*, int srcCol, int srcRow, int, int) {
        if (KeyToAlphabet(Board, CodeAtKeyCell(Board, srcCol, srcRow)))
            ShowBoard();
    };
    InstallGameDrag(sgCodeAlphabet, alphabetRules);

    GameDragRules keyRules;
    keyRules.CanStart = [this](int col, int row) { return CanDragFromKey(Board, CodeAtKeyCell(Board, col, row)); };
    keyRules.Accepts = [this](LexGrid* source, int srcCol, int srcRow, int col, int row) {
        const int target = CodeAtKeyCell(Board, col, row);
        if (target == 0)
            return false;
        if (source == sgCodeAlphabet)
            return CanDragFromAlphabet(Board, AlphabetIndex(srcCol, srcRow));
        return source == sgCode && CanDragFromKey(Board, CodeAtKeyCell(Board, srcCol, srcRow));
    };
    keyRules.Drop = [this](LexGrid* source, int srcCol, int srcRow, int col, int row) {
        const int target = CodeAtKeyCell(Board, col, row);
        const bool moved = source == sgCodeAlphabet
                             ? AlphabetToKey(Board, AlphabetIndex(srcCol, srcRow), target)
                             : KeyToKey(Board, CodeAtKeyCell(Board, srcCol, srcRow), target);
        if (moved)
            ShowBoard();
    };
    InstallGameDrag(sgCode, keyRules);

    bnCodeCheck = AddBottomButton("bnCodeCheck", "Check");
    bnCodeFill = AddBottomButton("bnCodeFill", "Fill All");
    bnCodePrint = AddBottomButton("bnCodePrint", "Print");
    // Tab goes through the game's own buttons before "New game" and "Change options".
    setTabOrder(bnCodePrint, bnSame);
    setTabOrder(bnSame, bnReturn);
    connect(bnCodeCheck, &QPushButton::clicked, this, [this] { bnCodeCheckClick(); });
    connect(bnCodeFill, &QPushButton::clicked, this, [this] { bnCodeFillClick(); });
}

void CodewordsPanel::SetupCodewords(const WordDraw& draw)
{
    ::SetupCodewords(Board, draw.Chosen);
    maxAnswerLen_ = draw.MaxAnswerLen;
    for (int i = 0; i < CodeWordCount; ++i)
        Board.Words[i] = CodeWord{};
    sgCode->SetRowCount(CodeKeyRows(Board));
    LayOut(width(), height());
}

void CodewordsPanel::SetupCodeRow(int k, const TAnswer& word)
{
    if (k < 1 || k > CodeWordCount)
        return;
    ::SetupCodeRow(Board, k, word);
    lblCodeEnglish[k - 1]->setText(ToQt(word.Clue));
    bnCodeEnglish[k - 1]->show();
    lblCodeEnglish[k - 1]->hide();
    ShowBoard();
}

void CodewordsPanel::ShowBoard()
{
    for (int i = 0; i < CodeWordCount; ++i) {
        const CodeWord& word = Board.Words[i];
        LexGrid* grid = sgCodeGrid[i];
        const int length = static_cast<int>(word.Cells.size());
        grid->SetColCount(std::max(1, length));
        grid->ClearCells();
        for (int c = 0; c < length; ++c) {
            grid->SetCell(c, 0, ToQt(word.Cells[c]));
            grid->SetCell(c, 1, word.Codes[c] > 0 ? QString::number(word.Codes[c]) : QString());
        }
        grid->update();
        if (Board.CluesShown) {
            bnCodeEnglish[i]->hide();
            lblCodeEnglish[i]->show();
        }
    }
    const int rows = CodeKeyRows(Board);
    sgCode->SetRowCount(rows);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < CodeKeyCols; ++col)
            sgCode->SetCell(col, row, ToQt(KeyCellText(Board, col, row)));
    sgCode->update();
    for (int row = 0; row < AlphabetRows; ++row)
        for (int col = 0; col < AlphabetCols; ++col) {
            const int index = AlphabetIndex(col, row);
            sgCodeAlphabet->SetCell(col, row,
                                    index < static_cast<int>(Board.Alphabet.size()) ? ToQt(Board.Alphabet[index])
                                                                                     : QStringLiteral("0"));
        }
    sgCodeAlphabet->update();
}

void CodewordsPanel::bnCodeCheckClick()
{
    CheckCodewords(Board);
    ShowBoard();
}

void CodewordsPanel::bnCodeFillClick()
{
    FillCodewords(Board);
    ShowBoard();
}

void CodewordsPanel::bnCodeEnglishClick(int k)
{
    if (k < 1 || k > CodeWordCount)
        return;
    bnCodeEnglish[k - 1]->hide();
    lblCodeEnglish[k - 1]->show();
}

void CodewordsPanel::ApplyCaptions(bool spanishAnswers)
{
    for (QPushButton* bn : bnCodeEnglish)
        bn->setText(spanishAnswers ? "Show English" : "Show Spanish");
}

void CodewordsPanel::LayOut(int width, int height)
{
    const QRect band = LayOutFrame(width, height);
    const int room = std::max(60, band.height());
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const QFontMetrics tiny(MakeFont(FontScheme.TinyLetter, true));
    const int buttonHeight = fm.height() + 12;

    // The key and the alphabet share a column on the right, one cell height for both.
    const int keyRows = sgCode->RowCount();
    const int keyCell = std::clamp((room - 10) / (keyRows + AlphabetRows) - 1, 14, 28);
    int keyWidth = 1;
    for (int c = 0; c < CodeKeyCols; ++c) {
        sgCode->SetColWidth(c, KeyColWidths[c]);
        keyWidth += KeyColWidths[c] + 1;
    }
    sgCode->SetDefaultRowHeight(keyCell);
    sgCodeAlphabet->SetDefaultColWidth(AlphabetCellWidth);
    sgCodeAlphabet->SetDefaultRowHeight(keyCell);
    const int alphabetWidth = AlphabetCols * (AlphabetCellWidth + 1) + 1;
    const int rightWidth = std::max(keyWidth, alphabetWidth);
    const int keyHeight = keyRows * (keyCell + 1) + 1;
    const int alphabetHeight = AlphabetRows * (keyCell + 1) + 1;

    // The words on the left, each with its clue to its right.
    const int maxLen = std::max(1, maxAnswerLen_ > 0 ? maxAnswerLen_ : 10);
    const int clueWidth = std::max(fm.horizontalAdvance("Show Spanish") + 24, 170);
    int cellWidth = maxLen > 15 ? 470 / maxLen - 1 : 30;
    auto wordsWidth = [&] { return maxLen * (cellWidth + 1) + 1 + 10 + clueWidth; };
    while (wordsWidth() + 30 + rightWidth > width - 16 && cellWidth > MinCodeCellWidth)
        --cellWidth;
    const int numberHeight = tiny.height() + 2;
    const int letterHeight = std::clamp(room / CodeWordCount - numberHeight - 10, 14, 30);
    // The words stay together rather than spread over a tall page.
    const int pitch = std::min(room / CodeWordCount, letterHeight + numberHeight + 40);
    const int wordHeight = letterHeight + numberHeight + 3;

    const int total = wordsWidth() + 30 + rightWidth;
    const int left = std::max(4, (width - total) / 2);
    const int right = left + wordsWidth() + 30;
    const int wordsTop = band.top() + std::max(0, (room - CodeWordCount * pitch) / 2);
    const int gridLeft = left;
    const int clueLeft = left + maxLen * (cellWidth + 1) + 1 + 10;
    for (int i = 0; i < CodeWordCount; ++i) {
        LexGrid* grid = sgCodeGrid[i];
        grid->SetDefaultColWidth(cellWidth);
        grid->SetRowHeight(0, letterHeight);
        grid->SetRowHeight(1, numberHeight);
        const int y = wordsTop + i * pitch + (pitch - wordHeight) / 2;
        grid->setGeometry(gridLeft, y, grid->ColCount() * (cellWidth + 1) + 1, wordHeight);
        // The clue beside its word, reaching as far as the key.
        const int clueTop = y + (letterHeight - buttonHeight) / 2 + 1;
        bnCodeEnglish[i]->setGeometry(clueLeft, clueTop, fm.horizontalAdvance("Show Spanish") + 24, buttonHeight);
        lblCodeEnglish[i]->setGeometry(clueLeft, clueTop, right - 10 - clueLeft, buttonHeight);
        lblCodeEnglish[i]->setFont(MakeFont(FontScheme.Main, true));
    }

    const int columnTop = band.top() + std::max(0, (room - keyHeight - 10 - alphabetHeight) / 2);
    sgCode->setGeometry(right + (rightWidth - keyWidth) / 2, columnTop, keyWidth, keyHeight);
    sgCodeAlphabet->setGeometry(right + (rightWidth - alphabetWidth) / 2, columnTop + keyHeight + 10, alphabetWidth,
                                alphabetHeight);
}

#include "SelectLettersPanel.h"

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

constexpr uint32_t ColorNoBox = 0x808080;
constexpr int CluePanelWidth = 220;
// Before the first game the grid is laid out for the longest answers.
constexpr int LayoutLengthBeforeGame = 20;

}  // namespace

SelectLettersPanel::SelectLettersPanel(QWidget* parent)
    : TWordGamePanel(parent, "PanelSelectLetters", "Select",
                     {"Create 6 words by dragging and dropping", "the jumbled letters to the answer grid above.",
                      "Letters always remain in the same columns."})
{

    sgSelectAns = new LexGrid(this);
    sgSelectAns->setObjectName("sgSelectAns");
    SetupGameGrid(sgSelectAns, LayoutLengthBeforeGame, SelectRowCount);
    sgSelectAns->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const QString cell = sgSelectAns->Cell(col, row);
        const QChar state = CellState(cell);
        DrawGameCell(p, rect, col, row, cell, state == QLatin1Char('3') ? BlueHigh(ColorNoBox) : BoxColour(state),
                     MakeFont(FontScheme.Letter, true));
    };
    sgSelectMix = new LexGrid(this);
    sgSelectMix->setObjectName("sgSelectMix");
    SetupGameGrid(sgSelectMix, LayoutLengthBeforeGame, SelectRowCount);
    sgSelectMix->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const QString cell = sgSelectMix->Cell(col, row);
        const QColor background = cell.size() < 2 ? BlueHigh(ColorNoBox) : PoolColour(cell[0]);
        DrawGameCell(p, rect, col, row, cell, background, MakeFont(FontScheme.Letter, true));
    };

    // Letters move within their own column only.
    GameDragRules answerRules;
    answerRules.CanStart = [this](int col, int row) { return CanDragFromBox(Board, col, row); };
    answerRules.Accepts = [this](LexGrid* source, int srcCol, int srcRow, int col, int row) {
        if (col != srcCol || !Board.InBoxes(col, row) || StateOf(Board.Box(col, row)) == CellNoBox)
            return false;
        if (source == sgSelectMix)
            return CanDragFromPoolCell(Board, srcCol, srcRow);
        return source == sgSelectAns && srcRow != row && CanDragFromBox(Board, srcCol, srcRow);
    };
    answerRules.Drop = [this](LexGrid* source, int srcCol, int srcRow, int col, int row) {
        const bool moved = source == sgSelectMix ? SelectPoolToBox(Board, srcCol, srcRow, col, row)
                                                 : SelectBoxToBox(Board, srcCol, srcRow, row);
        if (moved)
            ShowBoard();
    };
    InstallGameDrag(sgSelectAns, answerRules);

    GameDragRules poolRules;
    poolRules.CanStart = [this](int col, int row) { return CanDragFromPoolCell(Board, col, row); };
    poolRules.Accepts = [this](LexGrid* source, int srcCol, int srcRow, int, int) {
        return source == sgSelectAns && CanDragFromBox(Board, srcCol, srcRow);
    };
    poolRules.Drop = [this](LexGrid*, int srcCol, int srcRow, int, int) {
        if (SelectBoxToPool(Board, srcCol, srcRow))
            ShowBoard();
    };
    InstallGameDrag(sgSelectMix, poolRules);

    PanelSelectBtns = new QFrame(this);
    PanelSelectBtns->setObjectName("PanelSelectBtns");
    for (int i = 0; i < SelectRowCount; ++i) {
        const int k = i + 1;
        bnSelectEng[i] = MakePushButton(PanelSelectBtns, QStringLiteral("bnSelectEng%1").arg(k), "Show English");
        lblSelectEng[i] = new QLabel(PanelSelectBtns);
        lblSelectEng[i]->setObjectName(QStringLiteral("lblSelectEng%1").arg(k));
        lblSelectEng[i]->hide();
        connect(bnSelectEng[i], &QPushButton::clicked, this, [this, k] { bnSelectEngClick(k); });
    }

    PanelNote = MakeInstructionFrame(this, "PanelNote");
    const char* const noteLines[4] = {"Note : Some letters", "have been filled in", "to ensure that the",
                                      "answer is unique."};
    for (int l = 0; l < 4; ++l)
        lblNote[l] = new QLabel(noteLines[l], PanelNote);
    PanelNote->hide();

    bnSelectCheck = AddBottomButton("bnSelectCheck", "Check");
    bnSelectFill = AddBottomButton("bnSelectFill", "Fill All");
    bnSelectPrint = AddBottomButton("bnSelectPrint", "Print");
    // Tab goes through the game's own buttons before "New game" and "Change options".
    setTabOrder(bnSelectPrint, bnSame);
    setTabOrder(bnSame, bnReturn);
    connect(bnSelectCheck, &QPushButton::clicked, this, [this] { bnSelectCheckClick(); });
    connect(bnSelectFill, &QPushButton::clicked, this, [this] { bnSelectFillClick(); });
}

void SelectLettersPanel::SetupSelectLetters(const WordDraw& draw)
{
    ::SetupSelectLetters(Board, draw.Chosen);
    for (int i = 0; i < SelectRowCount; ++i) {
        lblSelectEng[i]->setText(ToQt(Board.Words[i].Clue));
        lblSelectEng[i]->hide();
        bnSelectEng[i]->show();
    }
    ShowBoard();
}

void SelectLettersPanel::ShowBoard()
{
    sgSelectAns->SetColCount(std::max(1, Board.Length));
    sgSelectMix->SetColCount(std::max(1, Board.Length));
    sgSelectMix->SetRowCount(std::max(1, Board.PoolRows));
    sgSelectAns->ClearCells();
    sgSelectMix->ClearCells();
    for (int col = 0; col < Board.Length; ++col) {
        for (int row = 0; row < SelectRowCount; ++row)
            sgSelectAns->SetCell(col, row, ToQt(Board.Box(col, row)));
        for (int row = 0; row < Board.PoolRows; ++row)
            sgSelectMix->SetCell(col, row, ToQt(Board.PoolCell(col, row)));
    }
    sgSelectAns->update();
    sgSelectMix->update();
    PanelNote->setVisible(Board.NoteShown);
    if (Board.CluesShown)
        for (int i = 0; i < SelectRowCount; ++i) {
            bnSelectEng[i]->hide();
            lblSelectEng[i]->show();
        }
}

void SelectLettersPanel::bnSelectCheckClick()
{
    CheckSelectLetters(Board);
    ShowBoard();
}

void SelectLettersPanel::bnSelectFillClick()
{
    FillSelectLetters(Board);
    ShowBoard();
}

void SelectLettersPanel::bnSelectEngClick(int k)
{
    if (k < 1 || k > SelectRowCount)
        return;
    bnSelectEng[k - 1]->hide();
    lblSelectEng[k - 1]->show();
}

void SelectLettersPanel::ApplyCaptions(bool spanishAnswers)
{
    for (QPushButton* bn : bnSelectEng)
        bn->setText(spanishAnswers ? "Show English" : "Show Spanish");
}

void SelectLettersPanel::LayOut(int width, int height)
{
    const QRect band = LayOutFrame(width, height);
    const int room = std::max(60, band.height());
    const QFontMetrics fm(MakeFont(FontScheme.Main));

    const int length = Board.Length > 0 ? Board.Length : LayoutLengthBeforeGame;
    const int poolRows = Board.Length > 0 ? std::max(1, Board.PoolRows) : SelectRowCount;
    // Cells as wide as the page allows up to 40 pixels; short words get a grid of at least 500.
    int cellWidth = std::min(40, (width - CluePanelWidth - 6) / length - 1);
    if (length * (cellWidth + 1) + 1 < 500)
        cellWidth = 500 / length - 1;
    // Never past the page beside the clues.
    cellWidth = std::max(12, std::min(cellWidth, (width - CluePanelWidth - 30) / length - 1));
    const int cellHeight = std::clamp((room - 12) / (SelectRowCount + poolRows) - 1, 14, 34);
    const int gridWidth = length * (cellWidth + 1) + 1;
    const int answerHeight = SelectRowCount * (cellHeight + 1) + 1;
    const int poolHeight = poolRows * (cellHeight + 1) + 1;

    for (LexGrid* g : {sgSelectAns, sgSelectMix}) {
        g->SetDefaultColWidth(cellWidth);
        g->SetDefaultRowHeight(cellHeight);
    }
    // The clues take what room their longest needs beside the grid.
    const QFontMetrics bold(MakeFont(FontScheme.Main, true));
    int clueWidth = CluePanelWidth;
    for (const QLabel* l : lblSelectEng)
        clueWidth = std::max(clueWidth, bold.horizontalAdvance(l->text()) + 8);
    clueWidth = std::max(CluePanelWidth, std::min(clueWidth, width - gridWidth - 24));
    const int left = std::max(4, (width - gridWidth - 10 - clueWidth) / 2);
    const int top = band.top() + std::max(0, (room - answerHeight - 12 - poolHeight) / 2);
    sgSelectAns->setGeometry(left, top, gridWidth, answerHeight);
    sgSelectMix->setGeometry(left, top + answerHeight + 12, gridWidth, poolHeight);

    // One clue beside each row of the answer grid.
    PanelSelectBtns->setGeometry(left + gridWidth + 10, top, clueWidth, answerHeight);
    const int buttonHeight = std::min(cellHeight, fm.height() + 12);
    const int buttonWidth = fm.horizontalAdvance("Show Spanish") + 24;
    for (int i = 0; i < SelectRowCount; ++i) {
        const int y = 1 + i * (cellHeight + 1) + (cellHeight - buttonHeight) / 2;
        bnSelectEng[i]->setGeometry(0, y, buttonWidth, buttonHeight);
        lblSelectEng[i]->setGeometry(0, y, clueWidth, buttonHeight);
        lblSelectEng[i]->setFont(MakeFont(FontScheme.Main, true));
    }

    int noteWidth = 0;
    for (QLabel* l : lblNote)
        noteWidth = std::max(noteWidth, fm.horizontalAdvance(l->text()));
    const int lineHeight = fm.height() + 2;
    PanelNote->setGeometry(left + gridWidth + 10, top + answerHeight + 12, noteWidth + 20, 4 * lineHeight + 10);
    for (int l = 0; l < 4; ++l)
        lblNote[l]->setGeometry(10, 5 + l * lineHeight, noteWidth + 4, lineHeight);
}

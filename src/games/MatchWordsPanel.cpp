#include "MatchWordsPanel.h"

#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "WordGameGrids.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

TMatchWordsPanel::TMatchWordsPanel(QWidget* parent)
    : TWordGamePanel(parent, "PanelMatchWords", "Match", {"Match the words by dragging and dropping",
                      "the Spanish words to the correct boxes."})
{
    sgMatchAns = new LexGrid(this);
    sgMatchAns->setObjectName("sgMatchAns");
    sgMatchMix = new LexGrid(this);
    sgMatchMix->setObjectName("sgMatchMix");
    SetupGameGrid(sgMatchAns, 2, 1);
    SetupGameGrid(sgMatchMix, 1, 1);
    bnMatchCheck = AddBottomButton("bnMatchCheck", "Check");
    bnMatchFillAll = AddBottomButton("bnMatchFillAll", "Fill All");
    connect(bnMatchCheck, &QPushButton::clicked, this, [this] { bnMatchCheckClick(); });
    connect(bnMatchFillAll, &QPushButton::clicked, this, [this] { bnMatchFillAllClick(); });

    sgMatchAns->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const QString cell = sgMatchAns->Cell(col, row);
        const QFont font = MakeFont(FontScheme.Main, true);
        if (col == 0)  // the clue: plain text, no state character
            DrawGameCell(p, rect, col, row, QLatin1Char(' ') + cell, Qt::white, font);
        else
            DrawGameCell(p, rect, col, row, cell, BoxColour(CellState(cell)), font);
    };
    sgMatchMix->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const QString cell = sgMatchMix->Cell(col, row);
        const bool placed = cell.startsWith(QLatin1Char('1'));
        DrawGameCell(p, rect, col, row, cell, Qt::white, MakeFont(FontScheme.Main, true),
                     placed ? UsedColour() : QColor(Qt::black));
    };

    // Free words go from the pool into a box; placed words move from box to box or back.
    GameDragRules poolRules;
    poolRules.CanStart = [this](int, int row) { return CanDragFromMatchPool(Board, row); };
    poolRules.Accepts = [this](LexGrid* source, int, int srcRow, int, int) {
        return source == sgMatchAns && CanDragFromMatchBox(Board, srcRow);
    };
    poolRules.Drop = [this](LexGrid*, int, int srcRow, int, int) {
        if (MatchBoxToPool(Board, srcRow))
            ShowBoard();
    };
    InstallGameDrag(sgMatchMix, poolRules);

    GameDragRules boxRules;
    boxRules.CanStart = [this](int, int row) { return CanDragFromMatchBox(Board, row); };
    boxRules.Accepts = [this](LexGrid* source, int, int srcRow, int, int row) {
        if (source == sgMatchMix)
            return CanDragFromMatchPool(Board, srcRow) && row >= 0;
        return source == sgMatchAns && CanDragFromMatchBox(Board, srcRow) && row >= 0;
    };
    boxRules.Drop = [this](LexGrid* source, int, int srcRow, int, int row) {
        const bool moved = source == sgMatchMix ? MatchPoolToBox(Board, srcRow, row) : MatchBoxToBox(Board, srcRow, row);
        if (moved)
            ShowBoard();
    };
    InstallGameDrag(sgMatchAns, boxRules);
}

void TMatchWordsPanel::SetupMatchWords(const WordDraw& draw)
{
    ::SetupMatchWords(Board, draw);
    ShowBoard();
}

void TMatchWordsPanel::ShowBoard()
{
    const int rows = std::max(1, Board.Rows());
    sgMatchAns->SetRowCount(rows);
    sgMatchMix->SetRowCount(rows);
    for (int i = 0; i < Board.Rows(); ++i) {
        sgMatchAns->SetCell(0, i, ToQt(Board.Clues[i]));
        sgMatchAns->SetCell(1, i, ToQt(Board.Boxes[i]));
        sgMatchMix->SetCell(0, i, ToQt(Board.Pool[i]));
    }
    sgMatchAns->update();
    sgMatchMix->update();
}

void TMatchWordsPanel::bnMatchCheckClick()
{
    CheckMatchWords(Board);
    ShowBoard();
}

void TMatchWordsPanel::bnMatchFillAllClick()
{
    FillAllMatchWords(Board);
    ShowBoard();
}

void TMatchWordsPanel::ApplyCaptions(bool spanishAnswers)
{
    lblInstruct[1]->setText(spanishAnswers ? "the Spanish words to the correct boxes."
                                           : "the English words to the correct boxes.");
}

void TMatchWordsPanel::LayOut(int pageWidth, int pageHeight)
{
    const QRect area = LayOutFrame(pageWidth, pageHeight);
    const QFontMetrics fm(MakeFont(FontScheme.Main, true));
    const int rows = std::max(1, sgMatchAns->RowCount());

    // Columns as wide as the longest word, within reason; free page width widens both grids.
    int textWidth = 0;
    for (int i = 0; i < Board.Rows(); ++i)
        textWidth = std::max({textWidth, fm.horizontalAdvance(ToQt(Board.Clues[i])),
                              fm.horizontalAdvance(ToQt(Board.Answers[i]))});
    const int gap = 30;
    int column = std::clamp(textWidth + 16, 120, 260);
    int ansWidth = 2 * column + 3;
    int mixWidth = column + 2;
    const int spare = pageWidth - ansWidth - mixWidth - gap - 40;
    if (spare < 0) {
        // A narrow page: the columns give way together.
        column = std::max(60, column + spare / 3);
        ansWidth = 2 * column + 3;
        mixWidth = column + 2;
    } else {
        const int extra = std::min(150, spare / 2);
        ansWidth += extra;
        mixWidth += extra;
    }
    const int rowHeight = std::clamp(area.height() / rows - 1, 12, fm.height() + 16);
    const int gridHeight = rows * (rowHeight + 1) + 1;
    const int left = std::max(4, (pageWidth - ansWidth - gap - mixWidth) / 2);
    const int top = area.top() + std::max(0, (area.height() - gridHeight) / 2);

    sgMatchAns->setGeometry(left, top, ansWidth, gridHeight);
    sgMatchAns->SetDefaultRowHeight(rowHeight);
    sgMatchAns->SetColWidth(0, (ansWidth - 3) / 2);
    sgMatchAns->SetColWidth(1, (ansWidth - 3) / 2);
    sgMatchMix->setGeometry(left + ansWidth + gap, top, mixWidth, gridHeight);
    sgMatchMix->SetDefaultRowHeight(rowHeight);
    sgMatchMix->SetColWidth(0, mixWidth - 2);
}

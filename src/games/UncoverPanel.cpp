#include "UncoverPanel.h"

#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "WordGameGrids.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {
constexpr uint32_t ColorClueCard = 0xD5FFFF;    // light yellow
constexpr uint32_t ColorAnswerCard = 0xE0E0E0;  // light grey
constexpr int MaxCardWidth = 350;
constexpr int MaxCardHeight = 100;
}  // namespace

TUncoverPanel::TUncoverPanel(QWidget* parent)
    : TWordGamePanel(parent, "PanelUncoverSquares", "Uncover", {"Match words by clicking pairs and remembering word",
                      "positions.  English words yellow / Spanish words gray."})
{
    sgUncover = new LexGrid(this);
    sgUncover->setObjectName("sgUncover");
    SetupGameGrid(sgUncover, UncoverCols, 2);
    sgUncover->SetDragEnabled(false);

    PanelUncoverSize = new QFrame(this);
    PanelUncoverSize->setObjectName("PanelUncoverSize");
    PanelUncoverSize->setFrameShape(QFrame::Box);
    lblUncoverSize = new QLabel("Choose Size", PanelUncoverSize);
    lblUncoverSize->setObjectName("lblUncoverSize");
    lblUncoverSize->setAlignment(Qt::AlignCenter);
    auto* group = new QButtonGroup(this);
    static const char* const Names[5] = {"rb3x2", "rb3x4", "rb3x6", "rb3x8", "rb3x10"};
    for (int i = 0; i < 5; ++i) {
        SizeRadios[i] = new QRadioButton(QStringLiteral("3 x %1").arg(RowsOfSizeButton(i)), PanelUncoverSize);
        SizeRadios[i]->setObjectName(Names[i]);
        group->addButton(SizeRadios[i]);
    }
    rb3x2 = SizeRadios[0];
    rb3x4 = SizeRadios[1];
    rb3x6 = SizeRadios[2];
    rb3x8 = SizeRadios[3];
    rb3x10 = SizeRadios[4];
    rb3x6->setChecked(true);

    bnUncoverFill = AddBottomButton("bnUncoverFill", "Fill this one");
    bnUncoverFill->setEnabled(false);
    connect(bnUncoverFill, &QPushButton::clicked, this, [this] { bnUncoverFillClick(); });

    sgUncover->OnMouseDown = [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers) {
        if (button == Qt::LeftButton)
            CardClick(col, row);
    };
    sgUncover->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const std::string card = FromQt(sgUncover->Cell(col, row));
        const bool matched = !card.empty() && card[0] == CardMatched;
        const bool isCard = CardPair(card) >= 0;
        p.fillRect(rect, matched || !isCard ? QColor(Qt::white) : BlueHigh(CardIsClue(card) ? ColorClueCard : ColorAnswerCard));
        // The outer lines of the first column and row, so the grid is closed all round.
        p.setPen(Qt::black);
        if (col == 0)
            p.drawLine(rect.topLeft(), rect.bottomLeft());
        if (row == 0)
            p.drawLine(rect.topLeft(), rect.topRight());
        const QRect inner = rect.adjusted(3, 2, -3, -2);
        p.setFont(MakeFont(FontScheme.Main, true));
        if (matched) {
            const QRect upper(inner.left(), inner.top(), inner.width(), inner.height() / 2);
            const QRect lower(inner.left(), inner.top() + inner.height() / 2, inner.width(), inner.height() - upper.height());
            p.drawText(upper, Qt::AlignCenter | Qt::TextWordWrap, ToQt(MatchedClue(card)));
            p.drawText(lower, Qt::AlignCenter | Qt::TextWordWrap, ToQt(MatchedAnswer(card)));
        } else if (isCard && card[0] == CardUp) {
            p.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, ToQt(CardWord(card)));
        }
    };
}

void TUncoverPanel::CheckSize(int rows)
{
    const int index = std::clamp(NormalUncoverRows(rows) / 2 - 1, 0, 4);
    SizeRadios[index]->setChecked(true);
}

void TUncoverPanel::SetupUncoverSquares(const WordDraw& draw)
{
    ::SetupUncoverSquares(Board, draw);
    ShowBoard();
}

void TUncoverPanel::ShowBoard()
{
    sgUncover->SetRowCount(std::max(1, Board.Rows()));
    for (int k = 0; k < static_cast<int>(Board.Cards.size()); ++k)
        sgUncover->SetCell(k % UncoverCols, k / UncoverCols, ToQt(Board.Cards[k]));
    bnUncoverFill->setEnabled(UncoverFillEnabled(Board));
    sgUncover->update();
}

void TUncoverPanel::CardClick(int col, int row)
{
    const int index = col < 0 || row < 0 ? -1 : row * UncoverCols + col;
    if (UncoverClick(Board, index))
        ShowBoard();
}

void TUncoverPanel::bnUncoverFillClick()
{
    UncoverFill(Board);
    ShowBoard();
}

void TUncoverPanel::ApplyCaptions(bool spanishAnswers)
{
    lblInstruct[1]->setText(spanishAnswers ? "positions.  English words yellow / Spanish words gray."
                                           : "positions.  Spanish words yellow / English words gray.");
}

void TUncoverPanel::LayOut(int pageWidth, int pageHeight)
{
    const QRect area = LayOutFrame(pageWidth, pageHeight);
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const int lineHeight = LineHeight();

    int radioWidth = fm.horizontalAdvance(lblUncoverSize->text()) + 20;
    for (QRadioButton* rb : SizeRadios)
        radioWidth = std::max(radioWidth, fm.horizontalAdvance(rb->text()) + 40);
    const int sizeWidth = radioWidth + 20;
    const int sizeHeight = 6 * lineHeight + 24;
    lblUncoverSize->setGeometry(4, 6, sizeWidth - 8, lineHeight);
    for (int i = 0; i < 5; ++i)
        SizeRadios[i]->setGeometry(14, 12 + (i + 1) * lineHeight, radioWidth, lineHeight);

    const int rows = std::max(1, sgUncover->RowCount());
    const int column = std::clamp((pageWidth - sizeWidth - 50) / UncoverCols - 1, 40, MaxCardWidth);
    const int gridWidth = UncoverCols * (column + 1) + 1;
    const int rowHeight = std::clamp((area.height() - 10) / rows - 1, 16, MaxCardHeight);
    const int gridHeight = rows * (rowHeight + 1) + 1;
    // The width beside the size panel and the grid shared out as three equal gaps.
    const int gap = std::max(4, (pageWidth - sizeWidth - gridWidth) / 3);
    PanelUncoverSize->setGeometry(gap, area.top() + std::max(0, (area.height() - sizeHeight) / 2), sizeWidth,
                                  sizeHeight);
    sgUncover->setGeometry(2 * gap + sizeWidth, area.top() + std::max(0, (area.height() - gridHeight) / 2), gridWidth,
                           gridHeight);
    sgUncover->SetDefaultColWidth(column);
    sgUncover->SetDefaultRowHeight(rowHeight);
}

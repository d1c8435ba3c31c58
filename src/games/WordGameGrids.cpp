#include "WordGameGrids.h"

#include "LexGrid.h"
#include "QtText.h"
#include "ScreenForm.h"

#include "FontScheme.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr uint32_t ColorUsed = 0xC0C0C0;
}

void SetupGameGrid(LexGrid* grid, int cols, int rows)
{
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    grid->SetShowSelection(false);
    grid->SetGridLineColor(Qt::black);
    grid->SetDragEnabled(true);
}

QChar CellState(const QString& cell)
{
    return cell.isEmpty() ? QChar('0') : cell[0];
}

QColor BoxColour(QChar state)
{
    if (state == QLatin1Char('1'))
        return BlueHigh(ColorCorrect);
    if (state == QLatin1Char('2'))
        return BlueHigh(ColorWrong);
    return BlueHigh(ColorWhite);
}

QColor PoolColour(QChar state)
{
    return BlueHigh(state == QLatin1Char('1') ? ColorUsed : ColorWhite);
}

void DrawAsLetterPool(LexGrid* grid)
{
    grid->OnDrawCell = [grid](QPainter& p, int col, int row, const QRect& rect, bool) {
        const QString cell = grid->Cell(col, row);
        DrawGameCell(p, rect, col, row, cell, PoolColour(CellState(cell)), MakeFont(FontScheme.Letter, true));
    };
}

void DrawGameCell(QPainter& p, const QRect& rect, int col, int row, const QString& cell, const QColor& background,
                  const QFont& font, const QColor& text)
{
    p.fillRect(rect, background);
    p.setPen(Qt::black);
    if (col == 0)
        p.drawLine(rect.topLeft(), rect.bottomLeft());
    if (row == 0)
        p.drawLine(rect.topLeft(), rect.topRight());
    const QString content = cell.mid(1);
    if (content == QLatin1String("-"))
        return;
    p.setFont(font);
    p.setPen(text);
    p.drawText(rect, Qt::AlignCenter, content);
}

void DrawGameText(QPainter& p, const QRect& rect, int col, int row, const QString& text, const QColor& background,
                  const QFont& font, const QColor& textColour)
{
    DrawGameCell(p, rect, col, row, QString(), background, font);
    p.setFont(font);
    p.setPen(textColour);
    p.drawText(rect, Qt::AlignCenter, text);
}

QColor UsedColour()
{
    return BlueHigh(ColorUsed);
}

void InstallGameDrag(LexGrid* grid, const GameDragRules& rules)
{
    grid->SetDragEnabled(true);
    grid->OnMouseDown = [grid, canStart = rules.CanStart](int col, int row, Qt::MouseButton button,
                                                          Qt::KeyboardModifiers) {
        if (button != Qt::LeftButton || !canStart || canStart(col, row))
            return;
        // The press armed a drag; switching dragging off and on again forgets it.
        grid->SetDragEnabled(false);
        grid->SetDragEnabled(true);
    };
    if (rules.Accepts)
        grid->OnDragOver = rules.Accepts;
    else
        grid->OnDragOver = [](LexGrid*, int, int, int, int) { return false; };
    grid->OnDragDrop = rules.Drop;
    grid->OnDragCancel = rules.Cancelled;
}

QFrame* MakeInstructionFrame(QWidget* parent, const QString& name)
{
    QFrame* frame = ColouredFrame(parent, name, ColorHeader);
    frame->setFrameShape(QFrame::Box);
    return frame;
}

GameBand LayOutGameFrame(int width, int height, QLabel* header, QFrame* instruct, const std::vector<QLabel*>& lines,
                         const std::vector<QPushButton*>& buttons)
{
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const QFontMetrics headerFm(MakeFont(FontScheme.Header, true));
    const int lineHeight = fm.height() + 4;
    const int buttonHeight = lineHeight + 8;

    int top = 6;
    header->setGeometry(0, top, width, headerFm.height() + 6);
    top += headerFm.height() + 10;
    int instructWidth = 0;
    for (QLabel* l : lines)
        instructWidth = std::max(instructWidth, fm.horizontalAdvance(l->text()));
    instructWidth += 40;
    const int count = static_cast<int>(lines.size());
    instruct->setGeometry((width - instructWidth) / 2, top, instructWidth, count * lineHeight + 8);
    for (int l = 0; l < count; ++l)
        lines[l]->setGeometry(20, 4 + l * lineHeight, instructWidth - 40, lineHeight);
    top += count * lineHeight + 16;

    const int bottom = height - buttonHeight - 10;
    int total = -20;
    for (QPushButton* bn : buttons)
        if (!bn->isHidden())
            total += fm.horizontalAdvance(bn->text()) + 40 + 20;
    int x = (width - total) / 2;
    for (QPushButton* bn : buttons) {
        if (bn->isHidden())
            continue;
        const int w = fm.horizontalAdvance(bn->text()) + 40;
        bn->setGeometry(x, bottom, w, buttonHeight);
        x += w + 20;
    }
    return {top, bottom - 8};
}

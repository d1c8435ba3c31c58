#include "WordGameGrids.h"

#include "LexGrid.h"
#include "QtText.h"

#include <QFrame>
#include <QPainter>

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

QColor UsedColour()
{
    return BlueHigh(ColorUsed);
}

QFrame* HeaderColouredFrame(QWidget* parent, const QString& name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, BlueHigh(ColorHeader));
    frame->setPalette(pal);
    frame->setFrameShape(QFrame::Box);
    return frame;
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

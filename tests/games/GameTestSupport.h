#pragma once
// Mouse helpers of the word-game widget tests: clicks and drags on the cells of game grids.

#include "LexGrid.h"

#include <QApplication>
#include <QImage>
#include <QTest>

// Press on a cell, move past the drag distance, move onto the target point (in the target's
// coordinates) and release there; all events go to the source grid, as the mouse grab
// delivers them.
inline void DragToPoint(LexGrid* source, int col, int row, QWidget* target, const QPoint& at)
{
    const QPoint start = source->CellRect(col, row).center();
    const QPoint end = source->mapFromGlobal(target->mapToGlobal(at));
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, start + QPoint(0, QApplication::startDragDistance() + 2));
    QTest::mouseMove(source, end);
    QTest::mouseRelease(source, Qt::LeftButton, {}, end);
}

inline void DragCell(LexGrid* source, int col, int row, LexGrid* target, int targetCol, int targetRow)
{
    DragToPoint(source, col, row, target, target->CellRect(targetCol, targetRow).center());
}

// The colour painted at a cell's corner, clear of its text.
inline QColor PaintedColour(LexGrid* grid, int col, int row)
{
    const QImage image = grid->grab().toImage();
    return image.pixelColor(grid->CellRect(col, row).topLeft() + QPoint(3, 3));
}

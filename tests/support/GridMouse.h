#pragma once
// The mouse on grid cells as the widget tests drive it: clicks, drags from one cell to another
// cell or point, and the colour a cell is painted.

#include "LexGrid.h"

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTest>

inline QPoint Centre(LexGrid* grid, int col, int row)
{
    return grid->CellRect(col, row).center();
}

inline void ClickCell(LexGrid* grid, int col, int row)
{
    const QRect cell = grid->CellRect(col, row);
    QVERIFY2(cell.isValid(), "cell not on screen");
    QTest::mouseClick(grid, Qt::LeftButton, {}, cell.center());
}

// Press on a cell, move past the drag distance, then to a global point and release there; the
// mouse grab sends every event to the source grid.
inline void DragTo(LexGrid* source, int col, int row, const QPoint& globalEnd)
{
    const QPoint start = source->CellRect(col, row).center();
    const QPoint end = source->mapFromGlobal(globalEnd);
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, start + QPoint(0, QApplication::startDragDistance() + 2));
    QTest::mouseMove(source, end);
    QTest::mouseRelease(source, Qt::LeftButton, {}, end);
}

// The same, released at a point in the target's coordinates.
inline void DragToPoint(LexGrid* source, int col, int row, QWidget* target, const QPoint& at)
{
    DragTo(source, col, row, target->mapToGlobal(at));
}

inline void DragCell(LexGrid* source, int col, int row, LexGrid* target, int targetCol, int targetRow)
{
    DragToPoint(source, col, row, target, Centre(target, targetCol, targetRow));
}

// The colour painted at a cell's corner, clear of its text.
inline QColor PaintedColour(LexGrid* grid, int col, int row)
{
    return grid->grab().toImage().pixelColor(grid->CellRect(col, row).topLeft() + QPoint(3, 3));
}

// A click on the radio button's circle, not its text.
inline void ClickRadio(QRadioButton* rb)
{
    QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(6, rb->height() / 2));
}

// A category picked in a screen's picker by mouse, then a sub-category row (its last row is
// " All"); categories stand 15 to a column.
inline void PickByMouse(LexGrid* categories, LexGrid* subCategories, int category, int subRow)
{
    ClickCell(categories, category / 15, category % 15);
    ClickCell(subCategories, 0, subRow);
}

#pragma once
// What the word-game widget tests share: the mouse on grids, and the way to a game from the
// tool bar.

#include "AppFixture.h"

#include "CategoryPicker.h"
#include "LX_WordGames.h"
#include "LexGrid.h"

#include "LX_Globals.h"
#include "Selection.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

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

inline void Drag(LexGrid* source, int col, int row, LexGrid* target, int targetCol, int targetRow)
{
    DragTo(source, col, row, target->mapToGlobal(target->CellRect(targetCol, targetRow).center()));
}

// The colour painted at a cell's corner, clear of its text.
inline QColor PaintedColour(LexGrid* grid, int col, int row)
{
    return grid->grab().toImage().pixelColor(grid->CellRect(col, row).topLeft() + QPoint(3, 3));
}

inline void ClickRadio(QRadioButton* rb)
{
    QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(6, rb->height() / 2));
}

// Word Games from the tool bar, a game chosen, Animals - Birds started.
inline void StartFromToolBar(AppFixture& fixture, TfrmWordGames* games, QRadioButton* game)
{
    QTest::mouseClick(fixture.main->Boxes[3], Qt::LeftButton, {}, fixture.main->Boxes[3]->rect().center());
    ClickRadio(game);
    ClickCell(games->Picker->sgCategory, 0, 0);
    ClickCell(games->Picker->sgSubCategory, 0, 0);
    QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
}

// All words of Animals - Birds but the first `keep` learned.
inline void KeepUnlearnedBirds(int keep)
{
    int left = 0;
    for (int i = 1; i <= WordCount; ++i)
        if (InSelection(WordTable[i], WordSelection{}))
            MarkWordLearned(i, ++left > keep);
}

// Widget tests for LexGrid, the grid every screen is built on. They drive the real widget with
// Qt Test mouse and key events and read back what it painted.

#include "LexGrid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QWheelEvent>
#include <QtTest>

#include <climits>
#include <memory>
#include <vector>

namespace {

// Three columns of 10, 30 and 20 pixels; two rows of 15 and 25.
void MakeUneven(LexGrid& grid)
{
    grid.SetColCount(3);
    grid.SetRowCount(2);
    grid.SetColWidth(0, 10);
    grid.SetColWidth(1, 30);
    grid.SetColWidth(2, 20);
    grid.SetRowHeight(0, 15);
    grid.SetRowHeight(1, 25);
}

const QColor Navy(0x00, 0x00, 0x80);
const QColor Header(0x80, 0xFF, 0xFF);
const QColor LineRed(0xFF, 0x00, 0x00);

// True when every pixel of the rectangle has the colour.
bool AllPixels(const QImage& image, const QRect& rect, const QColor& color)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (QColor(image.pixel(x, y)) != color)
                return false;
    return true;
}

bool AnyPixel(const QImage& image, const QRect& rect, auto test)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (test(QColor(image.pixel(x, y))))
                return true;
    return false;
}

QImage Render(LexGrid& grid) { return grid.grab().toImage(); }

void ClickCell(LexGrid& grid, int c, int r, Qt::KeyboardModifiers mods = {})
{
    QTest::mouseClick(&grid, Qt::LeftButton, mods, grid.CellRect(c, r).center());
}

QScrollBar* ScrollBarOf(LexGrid& grid) { return grid.findChild<QScrollBar*>(); }

struct Drop {
    LexGrid* source;
    int srcCol, srcRow, col, row;
    bool operator==(const Drop&) const = default;
};

// Two grids side by side in one shown window; the left one is the usual drag source.
struct TwoGrids {
    QWidget window;
    LexGrid* left;
    LexGrid* right;
    std::vector<Drop> leftDrops, rightDrops, rightOvers;
    std::vector<QPoint> leftCancels;

    TwoGrids()
    {
        window.resize(400, 200);
        left = new LexGrid(&window);
        right = new LexGrid(&window);
        for (LexGrid* g : {left, right}) {
            g->SetColCount(2);
            g->SetRowCount(4);
            g->SetFixedRows(1);
            g->SetDefaultColWidth(60);
            g->SetDefaultRowHeight(20);
            g->SetDragEnabled(true);
        }
        left->setGeometry(10, 10, 150, 120);
        right->setGeometry(220, 10, 150, 120);
        left->OnDragDrop = [this](LexGrid* s, int sc, int sr, int c, int r) { leftDrops.push_back({s, sc, sr, c, r}); };
        right->OnDragDrop = [this](LexGrid* s, int sc, int sr, int c, int r) { rightDrops.push_back({s, sc, sr, c, r}); };
        right->OnDragOver = [this](LexGrid* s, int sc, int sr, int c, int r) {
            rightOvers.push_back({s, sc, sr, c, r});
            return true;
        };
        left->OnDragCancel = [this](int sc, int sr) { leftCancels.push_back({sc, sr}); };
        window.show();
    }

    // Press on a source cell, move past the drag distance, then to the target point and release
    // there; all events go to the source, as the mouse grab would deliver them.
    void Drag(LexGrid* source, int c, int r, QWidget* over, QPoint overPos, bool* draggingSeen = nullptr)
    {
        const QPoint start = source->CellRect(c, r).center();
        const QPoint end = source->mapFromGlobal(over->mapToGlobal(overPos));
        QTest::mousePress(source, Qt::LeftButton, {}, start);
        QTest::mouseMove(source, start + QPoint(0, QApplication::startDragDistance() + 2));
        QTest::mouseMove(source, end);
        if (draggingSeen)
            *draggingSeen = source->Dragging();
        QTest::mouseRelease(source, Qt::LeftButton, {}, end);
    }
};

}  // namespace

class TestLexGrid : public QObject {
    Q_OBJECT

private slots:
    void textsAndOutOfRange();
    void resizingKeepsTextsThatFit();
    void fixedCountsAndCurrentCell();
    void hugeAndEmptyGridsStaySafe();
    void cellRectAndMouseToCell();
    void gridLineWidths();
    void defaultPainting();
    void textIsClippedToItsCell();
    void ownerDrawPaintsEveryVisibleCell();
    void clickSelectsAndSelectCellCanRefuse();
    void mouseCallbacksReportCells();
    void arrowKeys();
    void keyPressCallbackComesFirst();
    void scrollingLongList();
    void wheelAndScrollBarScroll();
    void dragToAnotherGrid();
    void refusedDragOverDropsNothing();
    void dragWithinOneGrid();
    void releaseOutsideAnyGridDropsNothing();
    void clickOrDisabledDragDoesNotDrag();
    void gridAtFindsVisibleGrids();
    void gridAtPrefersTheWindowOnTop();
};

void TestLexGrid::textsAndOutOfRange()
{
    LexGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCell(1, 2, QStringLiteral("mañana"));
    grid.SetCell(0, 0, QStringLiteral("the"));
    QCOMPARE(grid.Cell(1, 2), QStringLiteral("mañana"));
    QCOMPARE(grid.Cell(0, 0), QStringLiteral("the"));
    QCOMPARE(grid.Cell(2, 1), QString());

    grid.SetCell(1, 2, QString());
    QCOMPARE(grid.Cell(1, 2), QString());

    // Out of range: ignored on write, empty on read.
    const std::initializer_list<std::pair<int, int>> badCells{{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {INT_MAX, INT_MAX}, {INT_MIN, 1}};
    for (auto [c, r] : badCells) {
        grid.SetCell(c, r, QStringLiteral("x"));
        QCOMPARE(grid.Cell(c, r), QString());
        QVERIFY(grid.CellRect(c, r).isEmpty());
        grid.SetCurrent(c, r);
    }
    for (int bad : {-1, 3, INT_MAX, INT_MIN}) {
        grid.SetColWidth(bad, 500);
        grid.SetRowHeight(bad, 500);
        QCOMPARE(grid.ColWidth(bad), 0);
        QCOMPARE(grid.RowHeight(bad), 0);
    }
    QCOMPARE(grid.Cell(0, 0), QStringLiteral("the"));
    QCOMPARE(grid.sizeHint(), QSize(3 * 65, 3 * 25));
    QCOMPARE(grid.Col(), 0);
    QCOMPARE(grid.Row(), 0);

    grid.ClearCells();
    QCOMPARE(grid.Cell(0, 0), QString());
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.RowCount(), 3);
}

void TestLexGrid::resizingKeepsTextsThatFit()
{
    LexGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            grid.SetCell(c, r, QStringLiteral("%1,%2").arg(c).arg(r));

    grid.SetColCount(2);
    grid.SetRowCount(2);
    QCOMPARE(grid.Cell(1, 1), QStringLiteral("1,1"));
    QCOMPARE(grid.Cell(0, 1), QStringLiteral("0,1"));
    QCOMPARE(grid.Cell(2, 0), QString());

    // Growing again must not bring back texts that were dropped.
    grid.SetColCount(4);
    grid.SetRowCount(4);
    QCOMPARE(grid.Cell(1, 0), QStringLiteral("1,0"));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(grid.Cell(2, i), QString());
        QCOMPARE(grid.Cell(i, 2), QString());
    }
    // New columns and rows take the default size, old ones keep theirs.
    grid.SetColWidth(0, 11);
    grid.SetColCount(5);
    QCOMPARE(grid.ColWidth(0), 11);
    QCOMPARE(grid.ColWidth(4), grid.DefaultColWidth());
    // A new default resets every column.
    grid.SetDefaultColWidth(40);
    QCOMPARE(grid.ColWidth(0), 40);
    grid.SetRowHeight(3, -5);
    QCOMPARE(grid.RowHeight(3), 0);
}

void TestLexGrid::fixedCountsAndCurrentCell()
{
    LexGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    QCOMPARE(grid.FixedRows(), 0);
    QCOMPARE(grid.FixedCols(), 0);
    grid.SetFixedRows(1);
    grid.SetFixedCols(2);
    // The current cell moves out of the fixed area.
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 1);
    grid.SetCurrent(1, 3);  // fixed column: ignored
    QCOMPARE(grid.Col(), 2);
    grid.SetCurrent(3, 0);  // fixed row: ignored
    QCOMPARE(grid.Row(), 1);
    grid.SetCurrent(3, 3);
    QCOMPARE(grid.Col(), 3);
    QCOMPARE(grid.Row(), 3);

    grid.SetRowCount(2);
    QCOMPARE(grid.Row(), 1);  // pulled back into range

    // All rows fixed: no current row until the list grows again.
    grid.SetFixedRows(5);
    QCOMPARE(grid.FixedRows(), 2);
    QCOMPARE(grid.Row(), -1);
    grid.SetCurrent(3, 1);
    QCOMPARE(grid.Row(), -1);
    grid.SetRowCount(8);
    QCOMPARE(grid.FixedRows(), 5);
    QCOMPARE(grid.Row(), 5);
    QCOMPARE(grid.TopRow(), 5);
}

void TestLexGrid::hugeAndEmptyGridsStaySafe()
{
    LexGrid grid;
    grid.resize(200, 100);
    grid.SetColCount(-3);
    grid.SetRowCount(-3);
    QCOMPARE(grid.ColCount(), 0);
    QCOMPARE(grid.RowCount(), 0);
    QCOMPARE(grid.Col(), -1);
    QCOMPARE(grid.Row(), -1);
    grid.SetCell(0, 0, QStringLiteral("x"));
    QCOMPARE(grid.Cell(0, 0), QString());
    QCOMPARE(grid.MouseToCell({5, 5}), QPoint(-1, -1));
    QCOMPARE(grid.VisibleRowCount(), 0);
    QCOMPARE(grid.sizeHint(), QSize(0, 0));
    grid.show();
    QVERIFY(!Render(grid).isNull());
    QTest::mouseClick(&grid, Qt::LeftButton, {}, {5, 5});
    QTest::keyClick(&grid, Qt::Key_Down);

    grid.SetColCount(INT_MAX);
    grid.SetRowCount(INT_MAX);
    QCOMPARE(grid.ColCount(), LexGrid::MaxCount);
    QCOMPARE(grid.RowCount(), LexGrid::MaxCount);
    grid.SetDefaultRowHeight(INT_MAX);
    grid.SetGridLineWidth(INT_MAX);
    QVERIFY(grid.sizeHint().width() > 0);
    QVERIFY(grid.sizeHint().height() > 0);
    grid.SetFixedRows(INT_MAX);
    QCOMPARE(grid.FixedRows(), LexGrid::MaxCount);
    QCOMPARE(grid.VisibleRowCount(), 0);
    QVERIFY(!Render(grid).isNull());
    grid.SetFixedRows(0);
    grid.SetDefaultRowHeight(20);
    grid.SetGridLineWidth(1);
    grid.SetCurrent(LexGrid::MaxCount - 1, LexGrid::MaxCount - 1);
    QCOMPARE(grid.Row(), LexGrid::MaxCount - 1);
    QVERIFY(!grid.CellRect(0, grid.Row()).isEmpty());
    QVERIFY(!Render(grid).isNull());
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(grid.Row(), LexGrid::MaxCount - 2);
}

void TestLexGrid::cellRectAndMouseToCell()
{
    LexGrid grid;
    MakeUneven(grid);
    QCOMPARE(grid.sizeHint(), QSize(10 + 30 + 20 + 3, 15 + 25 + 2));
    grid.resize(grid.sizeHint());

    QCOMPARE(grid.CellRect(0, 0), QRect(0, 0, 10, 15));
    QCOMPARE(grid.CellRect(1, 0), QRect(11, 0, 30, 15));
    QCOMPARE(grid.CellRect(2, 1), QRect(42, 16, 20, 25));

    QCOMPARE(grid.MouseToCell({0, 0}), QPoint(0, 0));
    QCOMPARE(grid.MouseToCell({9, 14}), QPoint(0, 0));
    QCOMPARE(grid.MouseToCell({10, 15}), QPoint(0, 0));  // on the lines after cell (0,0)
    QCOMPARE(grid.MouseToCell({11, 16}), QPoint(1, 1));
    QCOMPARE(grid.MouseToCell({41, 0}), QPoint(1, 0));
    QCOMPARE(grid.MouseToCell({42, 0}), QPoint(2, 0));
    QCOMPARE(grid.MouseToCell({62, 41}), QPoint(2, 1));
    for (QPoint outside : {QPoint(-1, 0), QPoint(0, -1), QPoint(63, 0), QPoint(0, 42), QPoint(500, 500)})
        QCOMPARE(grid.MouseToCell(outside), QPoint(-1, -1));
    // Every cell's own rectangle maps back to it.
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r) {
            const QRect rc = grid.CellRect(c, r);
            QCOMPARE(grid.MouseToCell(rc.topLeft()), QPoint(c, r));
            QCOMPARE(grid.MouseToCell(rc.bottomRight()), QPoint(c, r));
        }

    // A wider widget: the space right of the last column is no cell.
    grid.resize(200, 100);
    QCOMPARE(grid.MouseToCell({100, 5}), QPoint(-1, -1));
    QCOMPARE(grid.MouseToCell({5, 60}), QPoint(-1, -1));
    // A narrower one: cells past the right edge are not on screen.
    grid.resize(30, 100);
    QVERIFY(grid.CellRect(2, 0).isEmpty());
    QCOMPARE(grid.CellRect(1, 0), QRect(11, 0, 30, 15));
    QCOMPARE(grid.MouseToCell({29, 5}), QPoint(1, 0));
    QCOMPARE(grid.MouseToCell({30, 5}), QPoint(-1, -1));

    // Fixed rows and columns are still cells with their own coordinates.
    grid.resize(grid.sizeHint());
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    QCOMPARE(grid.CellRect(0, 0), QRect(0, 0, 10, 15));
    QCOMPARE(grid.MouseToCell({5, 5}), QPoint(0, 0));
    QCOMPARE(grid.MouseToCell({20, 20}), QPoint(1, 1));
}

void TestLexGrid::gridLineWidths()
{
    LexGrid grid;
    MakeUneven(grid);
    grid.resize(200, 100);

    grid.SetGridLineWidth(0);
    QCOMPARE(grid.sizeHint(), QSize(60, 40));
    QCOMPARE(grid.CellRect(1, 0), QRect(10, 0, 30, 15));
    QCOMPARE(grid.CellRect(2, 1), QRect(40, 15, 20, 25));
    QCOMPARE(grid.MouseToCell({10, 15}), QPoint(1, 1));
    QCOMPARE(grid.MouseToCell({59, 39}), QPoint(2, 1));
    QCOMPARE(grid.MouseToCell({60, 39}), QPoint(-1, -1));

    grid.SetGridLineWidth(3);
    QCOMPARE(grid.sizeHint(), QSize(69, 46));
    QCOMPARE(grid.CellRect(1, 1), QRect(13, 18, 30, 25));
    QCOMPARE(grid.MouseToCell({12, 17}), QPoint(0, 0));
    QCOMPARE(grid.MouseToCell({13, 18}), QPoint(1, 1));

    grid.SetGridLineWidth(-4);
    QCOMPARE(grid.GridLineWidth(), 0);
}

void TestLexGrid::defaultPainting()
{
    LexGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetDefaultColWidth(30);
    grid.SetDefaultRowHeight(20);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.SetGridLineColor(LineRed);
    grid.resize(grid.sizeHint());
    QCOMPARE(grid.FixedColor(), Header);

    QImage image = Render(grid);
    auto inside = [&](int c, int r) { return grid.CellRect(c, r).adjusted(1, 1, -1, -1); };
    QVERIFY(AllPixels(image, inside(0, 0), Header));
    QVERIFY(AllPixels(image, inside(2, 0), Header));
    QVERIFY(AllPixels(image, inside(0, 2), Header));
    QVERIFY(AllPixels(image, inside(1, 1), Navy));  // the current cell
    QVERIFY(AllPixels(image, inside(2, 2), Qt::white));
    QVERIFY(AllPixels(image, inside(2, 1), Qt::white));
    QVERIFY(AllPixels(image, QRect(30, 0, 1, 62), LineRed));  // line right of column 0
    QVERIFY(AllPixels(image, QRect(0, 20, 92, 1), LineRed));  // line below row 0
    QVERIFY(AllPixels(image, QRect(92, 0, 1, 63), LineRed));  // line right of the last column

    grid.SetCurrent(2, 2);
    image = Render(grid);
    QVERIFY(AllPixels(image, inside(1, 1), Qt::white));
    QVERIFY(AllPixels(image, inside(2, 2), Navy));

    grid.SetShowSelection(false);
    grid.SetFixedColor(QColor(0x10, 0x20, 0x30));
    grid.SetGridLineWidth(0);
    image = Render(grid);
    QVERIFY(AllPixels(image, inside(2, 2), Qt::white));
    QVERIFY(AllPixels(image, inside(0, 1), QColor(0x10, 0x20, 0x30)));
    QVERIFY(!AnyPixel(image, image.rect(), [](QColor c) { return c == LineRed; }));

    // Texts: black on white, white on navy.
    grid.SetShowSelection(true);
    grid.SetCell(1, 1, QStringLiteral("WWW"));
    grid.SetCell(2, 2, QStringLiteral("WWW"));
    image = Render(grid);
    QVERIFY(AnyPixel(image, grid.CellRect(1, 1), [](QColor c) { return c.lightness() < 60; }));
    QVERIFY(AnyPixel(image, grid.CellRect(2, 2), [](QColor c) { return c.blue() > 200 && c.red() > 200; }));
    // A little margin on the left.
    QVERIFY(AllPixels(image, QRect(grid.CellRect(1, 1).topLeft(), QSize(1, 20)), Qt::white));
}

void TestLexGrid::textIsClippedToItsCell()
{
    LexGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(2);
    grid.SetDefaultColWidth(20);
    grid.SetDefaultRowHeight(8);
    grid.SetGridLineWidth(0);
    grid.SetShowSelection(false);
    grid.resize(grid.sizeHint());
    grid.SetCell(0, 0, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    grid.SetCell(1, 1, QStringLiteral("Tall text\nsecond line"));
    const QImage image = Render(grid);
    QVERIFY(AnyPixel(image, grid.CellRect(0, 0), [](QColor c) { return c != Qt::white; }));
    QVERIFY(AllPixels(image, grid.CellRect(1, 0), Qt::white));
    QVERIFY(AllPixels(image, grid.CellRect(2, 0), Qt::white));
    QVERIFY(AllPixels(image, grid.CellRect(0, 1), Qt::white));
    QVERIFY(AllPixels(image, grid.CellRect(2, 1), Qt::white));
}

void TestLexGrid::ownerDrawPaintsEveryVisibleCell()
{
    LexGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetFixedRows(1);
    grid.SetDefaultColWidth(25);
    grid.SetDefaultRowHeight(18);
    grid.SetGridLineColor(LineRed);
    grid.resize(grid.sizeHint());
    grid.SetCurrent(2, 2);

    struct Call {
        int c, r;
        QRect rect;
        bool selected;
    };
    std::vector<Call> calls;
    grid.OnDrawCell = [&](QPainter& p, int c, int r, const QRect& rect, bool selected) {
        calls.push_back({c, r, rect, selected});
        p.fillRect(p.viewport(), Qt::green);  // must stay inside its own cell
    };
    QImage image = Render(grid);

    QCOMPARE(int(calls.size()), 12);
    QSet<QPoint> seen;
    for (const Call& call : calls) {
        seen.insert({call.c, call.r});
        QCOMPARE(call.rect, grid.CellRect(call.c, call.r));
        QCOMPARE(call.selected, call.c == 2 && call.r == 2);
    }
    QCOMPARE(seen.size(), 12);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            QVERIFY(AllPixels(image, grid.CellRect(c, r), Qt::green));
    // The grid still draws its lines around owner-drawn cells.
    QVERIFY(AllPixels(image, QRect(25, 0, 1, grid.height()), LineRed));
    QVERIFY(AllPixels(image, QRect(0, 18, grid.width(), 1), LineRed));

    // Without the highlight the owner is told nothing is selected.
    grid.SetShowSelection(false);
    calls.clear();
    Render(grid);
    for (const Call& call : calls)
        QVERIFY(!call.selected);

    // Scrolled: only the fixed row and the rows on screen are drawn.
    grid.SetRowCount(50);
    grid.resize(grid.width() + 40, 19 * 4 + 5);  // fixed row, three full rows and a partial one
    grid.SetTopRow(10);
    calls.clear();
    Render(grid);
    QSet<int> rows;
    for (const Call& call : calls)
        rows.insert(call.r);
    QCOMPARE(rows, (QSet<int>{0, 10, 11, 12, 13}));
    QCOMPARE(int(calls.size()), 4 * 5);
}

void TestLexGrid::clickSelectsAndSelectCellCanRefuse()
{
    LexGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.resize(grid.sizeHint() + QSize(0, 40));
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    std::vector<QPoint> asked, clicked;
    bool allowColumn3 = true;
    grid.OnSelectCell = [&](int c, int r) {
        asked.push_back({c, r});
        return allowColumn3 || c != 3;
    };
    grid.OnCellClick = [&](int c, int r) { clicked.push_back({c, r}); };

    ClickCell(grid, 2, 3);
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 3);
    QCOMPARE(asked, (std::vector<QPoint>{{2, 3}}));
    QCOMPARE(clicked, (std::vector<QPoint>{{2, 3}}));

    allowColumn3 = false;
    ClickCell(grid, 3, 1);
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 3);
    QCOMPARE(asked.back(), QPoint(3, 1));
    QCOMPARE(clicked.back(), QPoint(3, 1));  // the click itself still happened

    // Fixed cells are never asked about and never become current.
    asked.clear();
    ClickCell(grid, 0, 2);
    ClickCell(grid, 2, 0);
    QVERIFY(asked.empty());
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 3);
    QCOMPARE(clicked.back(), QPoint(2, 0));

    // A refusal seen by the callback leaves Col/Row as they were during the call.
    grid.OnSelectCell = [&](int, int) {
        asked.push_back({grid.Col(), grid.Row()});
        return true;
    };
    asked.clear();
    ClickCell(grid, 1, 1);
    QCOMPARE(asked, (std::vector<QPoint>{{2, 3}}));
    QCOMPARE(grid.Col(), 1);

    // Right button and clicks outside the cells select nothing.
    clicked.clear();
    QTest::mouseClick(&grid, Qt::RightButton, {}, grid.CellRect(3, 3).center());
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(5, grid.height() - 5));
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.Row(), 1);
    QVERIFY(clicked.empty());

    // Press on one cell, release on another: no click, but the pressed cell is selected.
    QTest::mousePress(&grid, Qt::LeftButton, {}, grid.CellRect(3, 2).center());
    QTest::mouseRelease(&grid, Qt::LeftButton, {}, grid.CellRect(1, 2).center());
    QVERIFY(clicked.empty());
    QCOMPARE(grid.Col(), 3);
    QCOMPARE(grid.Row(), 2);
}

void TestLexGrid::mouseCallbacksReportCells()
{
    LexGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.resize(grid.sizeHint() + QSize(30, 30));
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    struct Event {
        char kind;
        int c, r;
        Qt::MouseButton button;
        Qt::KeyboardModifiers mods;
    };
    std::vector<Event> events;
    auto record = [&](char kind) {
        return [&events, kind](int c, int r, Qt::MouseButton b, Qt::KeyboardModifiers m) {
            events.push_back({kind, c, r, b, m});
        };
    };
    grid.OnMouseDown = record('d');
    grid.OnMouseMove = record('m');
    grid.OnMouseUp = record('u');
    grid.OnSelectCell = [&](int, int) {
        events.push_back({'s', grid.Col(), grid.Row(), Qt::NoButton, {}});
        return true;
    };

    QTest::mousePress(&grid, Qt::LeftButton, Qt::ShiftModifier, grid.CellRect(1, 2).center());
    QTest::mouseMove(&grid, grid.CellRect(2, 2).center());
    QTest::mouseRelease(&grid, Qt::LeftButton, Qt::ShiftModifier, grid.CellRect(2, 0).center());
    QCOMPARE(int(events.size()), 4);
    // The selection check comes before OnMouseDown, so handlers see the new current cell.
    QCOMPARE(events[0].kind, 's');
    QCOMPARE(events[1].kind, 'd');
    QCOMPARE(QPoint(events[1].c, events[1].r), QPoint(1, 2));
    QCOMPARE(events[1].button, Qt::LeftButton);
    QCOMPARE(events[1].mods, Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(events[2].kind, 'm');
    QCOMPARE(QPoint(events[2].c, events[2].r), QPoint(2, 2));
    QCOMPARE(events[2].button, Qt::LeftButton);
    QCOMPARE(events[3].kind, 'u');
    QCOMPARE(QPoint(events[3].c, events[3].r), QPoint(2, 0));
    QCOMPARE(events[3].button, Qt::LeftButton);

    events.clear();
    const QPoint outside(grid.width() - 3, grid.height() - 3);
    QTest::mousePress(&grid, Qt::RightButton, {}, outside);
    QTest::mouseRelease(&grid, Qt::RightButton, {}, outside);
    QCOMPARE(int(events.size()), 2);
    QCOMPARE(QPoint(events[0].c, events[0].r), QPoint(-1, -1));
    QCOMPARE(events[0].button, Qt::RightButton);
    QCOMPARE(QPoint(events[1].c, events[1].r), QPoint(-1, -1));

    // Plain hover reports moves with no button.
    events.clear();
    QTest::mouseMove(&grid, grid.CellRect(0, 1).center());
    QVERIFY(!events.empty());
    QCOMPARE(events.back().kind, 'm');
    QCOMPARE(QPoint(events.back().c, events.back().r), QPoint(0, 1));
    QCOMPARE(events.back().button, Qt::NoButton);
}

void TestLexGrid::arrowKeys()
{
    LexGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.resize(grid.sizeHint());
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.Row(), 1);

    auto press = [&](Qt::Key key) { QTest::keyClick(&grid, key); };
    auto at = [&]() { return QPoint(grid.Col(), grid.Row()); };

    press(Qt::Key_Right);
    QCOMPARE(at(), QPoint(2, 1));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(at(), QPoint(2, 3));
    press(Qt::Key_Down);  // last row
    QCOMPARE(at(), QPoint(2, 3));
    press(Qt::Key_Right);
    press(Qt::Key_Right);  // last column
    QCOMPARE(at(), QPoint(3, 3));
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Left);  // stops at the fixed column
    QCOMPARE(at(), QPoint(1, 3));
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    press(Qt::Key_Up);  // stops below the fixed row
    QCOMPARE(at(), QPoint(1, 1));

    std::vector<QPoint> asked;
    grid.OnSelectCell = [&](int c, int r) {
        asked.push_back({c, r});
        return r != 2;
    };
    press(Qt::Key_Down);
    QCOMPARE(at(), QPoint(1, 1));
    QCOMPARE(asked, (std::vector<QPoint>{{1, 2}}));
    press(Qt::Key_Right);
    QCOMPARE(at(), QPoint(2, 1));
    // Moves into fixed cells are not even asked about.
    asked.clear();
    press(Qt::Key_Up);
    QVERIFY(asked.empty());
}

void TestLexGrid::keyPressCallbackComesFirst()
{
    LexGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.resize(grid.sizeHint());
    std::vector<int> keys;
    grid.OnKeyPress = [&](QKeyEvent* e) {
        keys.push_back(e->key());
        return e->key() == Qt::Key_Down || e->key() == Qt::Key_A;
    };
    bool selectAsked = false;
    grid.OnSelectCell = [&](int, int) {
        selectAsked = true;
        return true;
    };
    QTest::keyClick(&grid, Qt::Key_Down);  // handled by the callback: the grid does not move
    QCOMPARE(grid.Row(), 0);
    QVERIFY(!selectAsked);
    QTest::keyClick(&grid, Qt::Key_Right);  // not handled: the grid moves
    QCOMPARE(grid.Col(), 1);
    QVERIFY(selectAsked);
    QTest::keyClick(&grid, Qt::Key_A);
    QCOMPARE(keys, (std::vector<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_A}));
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.Row(), 0);
}

void TestLexGrid::scrollingLongList()
{
    LexGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(100);
    grid.SetFixedRows(1);
    grid.SetDefaultColWidth(50);
    grid.SetDefaultRowHeight(20);
    for (int r = 0; r < 100; ++r)
        grid.SetCell(0, r, QString::number(r));
    grid.resize(150, 21 * 6);  // the fixed row and five rows
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QScrollBar* bar = ScrollBarOf(grid);
    QVERIFY(bar);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry().right(), grid.width() - 1);
    QCOMPARE(grid.TopRow(), 1);
    QCOMPARE(grid.VisibleRowCount(), 5);
    // The scroll bar covers no cell.
    QCOMPARE(grid.MouseToCell({bar->geometry().left(), 30}), QPoint(-1, -1));

    grid.SetCurrent(0, 90);
    QCOMPARE(grid.Row(), 90);
    QVERIFY(grid.TopRow() <= 90 && 90 < grid.TopRow() + grid.VisibleRowCount());
    QCOMPARE(grid.TopRow(), 86);  // scrolled just far enough
    const QRect row90 = grid.CellRect(0, 90);
    QVERIFY(!row90.isEmpty());
    QVERIFY(grid.rect().contains(row90));
    QCOMPARE(grid.MouseToCell(row90.center()), QPoint(0, 90));
    // The fixed row stays on top; scrolled-away rows are nowhere.
    QCOMPARE(grid.CellRect(0, 0), QRect(0, 0, 50, 20));
    QCOMPARE(grid.MouseToCell({5, 5}), QPoint(0, 0));
    QCOMPARE(grid.MouseToCell({5, 25}), QPoint(0, 86));
    QVERIFY(grid.CellRect(0, 85).isEmpty());
    QVERIFY(grid.CellRect(0, 1).isEmpty());
    QCOMPARE(bar->value(), 85);

    // The last rows: the list stops with the last row at the bottom.
    grid.SetCurrent(1, 99);
    QCOMPARE(grid.TopRow(), 95);
    QCOMPARE(bar->value(), bar->maximum());
    grid.SetTopRow(1000);
    QCOMPARE(grid.TopRow(), 95);
    grid.SetTopRow(0);  // a fixed row can not be scrolled to
    QCOMPARE(grid.TopRow(), 1);

    // Back up above the top row, and down by keyboard one row at a time.
    grid.SetTopRow(50);
    grid.SetCurrent(0, 10);
    QCOMPARE(grid.TopRow(), 10);
    grid.SetCurrent(0, 14);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.Row(), 15);
    QCOMPARE(grid.TopRow(), 11);

    // Clicking a partly shown bottom row brings it fully into view.
    grid.resize(150, 21 * 6 + 10);
    grid.SetTopRow(20);
    QCOMPARE(grid.VisibleRowCount(), 5);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(0, 25).topLeft() + QPoint(5, 3));
    QCOMPARE(grid.Row(), 25);
    QCOMPARE(grid.TopRow(), 21);

    // Room for everything: the bar goes and the list starts at the top again.
    grid.resize(150, 21 * 101);
    QVERIFY(!bar->isVisible());
    QCOMPARE(grid.TopRow(), 1);
    QCOMPARE(grid.MouseToCell({140, 30}), QPoint(-1, -1));
    grid.resize(150, 21 * 6);
    QVERIFY(bar->isVisible());
    grid.SetRowCount(4);
    QVERIFY(!bar->isVisible());
    QCOMPARE(grid.TopRow(), 1);
    QCOMPARE(grid.Row(), 3);
}

void TestLexGrid::wheelAndScrollBarScroll()
{
    LexGrid grid;
    grid.SetColCount(1);
    grid.SetRowCount(40);
    grid.SetDefaultRowHeight(20);
    grid.resize(100, 21 * 5);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    auto wheel = [&](int delta) {
        const QPoint pos(10, 10);
        QWheelEvent event(pos, grid.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&grid, &event);
    };
    const int lines = QApplication::wheelScrollLines();
    wheel(-120);
    QCOMPARE(grid.TopRow(), lines);
    wheel(-60);  // half a notch does nothing yet
    QCOMPARE(grid.TopRow(), lines);
    wheel(-60);
    QCOMPARE(grid.TopRow(), 2 * lines);
    wheel(120 * 100);
    QCOMPARE(grid.TopRow(), 0);
    wheel(-120 * 100);
    QCOMPARE(grid.TopRow(), 35);

    QScrollBar* bar = ScrollBarOf(grid);
    QCOMPARE(bar->maximum(), 35);
    QCOMPARE(bar->value(), 35);
    bar->setValue(7);
    QCOMPARE(grid.TopRow(), 7);
    QCOMPARE(grid.MouseToCell({5, 5}), QPoint(0, 7));
}

void TestLexGrid::dragToAnotherGrid()
{
    TwoGrids t;
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.left->SetCell(1, 2, QStringLiteral("perro"));

    bool dragging = false;
    t.Drag(t.left, 1, 2, t.right, t.right->CellRect(0, 3).center(), &dragging);
    QVERIFY(dragging);
    QVERIFY(!t.left->Dragging());
    QCOMPARE(t.rightDrops, (std::vector<Drop>{{t.left, 1, 2, 0, 3}}));
    QVERIFY(t.leftDrops.empty());
    QVERIFY(t.leftCancels.empty());
    // The target heard about the drag while it moved over it, and again before the drop.
    QVERIFY(t.rightOvers.size() >= 2);
    for (const Drop& over : t.rightOvers)
        QCOMPARE(over, (Drop{t.left, 1, 2, 0, 3}));

    // The target grid is free to take the drag from any of its cells, fixed ones too.
    t.rightDrops.clear();
    t.Drag(t.left, 0, 1, t.right, t.right->CellRect(1, 0).center());
    QCOMPARE(t.rightDrops, (std::vector<Drop>{{t.left, 0, 1, 1, 0}}));
}

void TestLexGrid::refusedDragOverDropsNothing()
{
    TwoGrids t;
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.right->OnDragOver = [&](LexGrid* s, int sc, int sr, int c, int r) {
        t.rightOvers.push_back({s, sc, sr, c, r});
        return r != 2;
    };
    t.Drag(t.left, 0, 3, t.right, t.right->CellRect(1, 2).center());
    QVERIFY(!t.rightOvers.empty());
    QVERIFY(t.rightDrops.empty());
    QVERIFY(t.leftDrops.empty());
    QCOMPARE(t.leftCancels, (std::vector<QPoint>{{0, 3}}));

    // The same drag onto an accepted row goes through.
    t.Drag(t.left, 0, 3, t.right, t.right->CellRect(1, 1).center());
    QCOMPARE(t.rightDrops, (std::vector<Drop>{{t.left, 0, 3, 1, 1}}));
    QCOMPARE(int(t.leftCancels.size()), 1);
}

void TestLexGrid::dragWithinOneGrid()
{
    TwoGrids t;
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.Drag(t.left, 0, 1, t.left, t.left->CellRect(1, 3).center());
    QCOMPARE(t.leftDrops, (std::vector<Drop>{{t.left, 0, 1, 1, 3}}));
    QVERIFY(t.rightDrops.empty());
    // The press made the source cell current; the drop does not move it.
    QCOMPARE(t.left->Col(), 0);
    QCOMPARE(t.left->Row(), 1);

    // Back onto the very cell it came from is a drop too.
    t.leftDrops.clear();
    t.Drag(t.left, 1, 2, t.left, t.left->CellRect(1, 2).center());
    QCOMPARE(t.leftDrops, (std::vector<Drop>{{t.left, 1, 2, 1, 2}}));
}

void TestLexGrid::releaseOutsideAnyGridDropsNothing()
{
    TwoGrids t;
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    // Between the two grids, inside the window.
    t.Drag(t.left, 1, 1, &t.window, QPoint(190, 50));
    // Far outside the window.
    t.Drag(t.left, 1, 2, &t.window, QPoint(-500, 900));
    // Inside the target widget but below its last row: no cell there.
    t.Drag(t.left, 1, 3, t.right, QPoint(10, t.right->height() - 3));
    QVERIFY(t.leftDrops.empty());
    QVERIFY(t.rightDrops.empty());
    QCOMPARE(t.leftCancels, (std::vector<QPoint>{{1, 1}, {1, 2}, {1, 3}}));
    QVERIFY(!t.left->Dragging());

    // A hidden grid is not a target.
    const QPoint onRight = t.right->CellRect(0, 1).center();
    t.right->hide();
    t.Drag(t.left, 0, 1, t.right, onRight);
    QVERIFY(t.rightDrops.empty());
    QCOMPARE(int(t.leftCancels.size()), 4);
}

void TestLexGrid::clickOrDisabledDragDoesNotDrag()
{
    TwoGrids t;
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    std::vector<QPoint> clicks;
    t.left->OnCellClick = [&](int c, int r) { clicks.push_back({c, r}); };

    // A plain click.
    ClickCell(*t.left, 1, 2);
    // A press with a wobble shorter than the drag distance.
    const QPoint p = t.left->CellRect(0, 3).center();
    QTest::mousePress(t.left, Qt::LeftButton, {}, p);
    QTest::mouseMove(t.left, p + QPoint(1, 0));
    QVERIFY(!t.left->Dragging());
    QTest::mouseRelease(t.left, Qt::LeftButton, {}, p + QPoint(1, 0));
    QCOMPARE(clicks, (std::vector<QPoint>{{1, 2}, {0, 3}}));
    QVERIFY(t.leftDrops.empty());
    QVERIFY(t.leftCancels.empty());

    // A real drag is not a click.
    clicks.clear();
    t.Drag(t.left, 1, 1, t.left, t.left->CellRect(1, 1).center());
    QVERIFY(clicks.empty());
    QCOMPARE(int(t.leftDrops.size()), 1);

    // Header cells do not start drags.
    t.Drag(t.left, 1, 0, t.right, t.right->CellRect(0, 1).center());
    QVERIFY(t.rightDrops.empty());
    QVERIFY(t.rightOvers.empty());

    // Neither does a grid with dragging off.
    t.left->SetDragEnabled(false);
    bool dragging = true;
    t.Drag(t.left, 0, 1, t.right, t.right->CellRect(0, 1).center(), &dragging);
    QVERIFY(!dragging);
    QVERIFY(t.rightDrops.empty());
    QCOMPARE(int(t.leftCancels.size()), 0);
    // Nor the right button.
    t.left->SetDragEnabled(true);
    const QPoint q = t.left->CellRect(0, 1).center();
    const QPoint end = t.left->mapFromGlobal(t.right->mapToGlobal(t.right->CellRect(0, 1).center()));
    QTest::mousePress(t.left, Qt::RightButton, {}, q);
    QTest::mouseMove(t.left, end);
    QVERIFY(!t.left->Dragging());
    QTest::mouseRelease(t.left, Qt::RightButton, {}, end);
    QVERIFY(t.rightDrops.empty());
}

void TestLexGrid::gridAtFindsVisibleGrids()
{
    TwoGrids t;
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    const QPoint onLeft = t.left->mapToGlobal(QPoint(5, 5));
    const QPoint onRight = t.right->mapToGlobal(t.right->rect().center());
    QCOMPARE(LexGrid::GridAt(onLeft), t.left);
    QCOMPARE(LexGrid::GridAt(onRight), t.right);
    QCOMPARE(LexGrid::GridAt(t.window.mapToGlobal(QPoint(190, 50))), nullptr);
    QCOMPARE(LexGrid::GridAt(QPoint(-10000, -10000)), nullptr);

    // A point on the grid's scroll bar still belongs to the grid.
    t.right->SetRowCount(50);
    QScrollBar* bar = ScrollBarOf(*t.right);
    QVERIFY(bar->isVisible());
    QCOMPARE(LexGrid::GridAt(bar->mapToGlobal(bar->rect().center())), t.right);

    t.right->hide();
    QCOMPARE(LexGrid::GridAt(onRight), nullptr);
    t.right->show();
    QCOMPARE(LexGrid::GridAt(onRight), t.right);
    delete t.right;
    t.right = nullptr;
    QCOMPARE(LexGrid::GridAt(onRight), nullptr);
    // A drag over the place where it was is simply cancelled.
    t.Drag(t.left, 0, 1, &t.window, t.window.mapFromGlobal(onRight));
    QCOMPARE(int(t.leftCancels.size()), 1);
}

void TestLexGrid::gridAtPrefersTheWindowOnTop()
{
    // A dialog with a grid over a screen with a grid at the same place.
    std::unique_ptr<QWidget> windows[2];
    LexGrid* grids[2];
    for (int i = 0; i < 2; ++i) {
        windows[i] = std::make_unique<QWidget>();
        windows[i]->setGeometry(100, 100, 200, 150);
        grids[i] = new LexGrid(windows[i].get());
        grids[i]->setGeometry(0, 0, 200, 150);
        windows[i]->show();
        QVERIFY(QTest::qWaitForWindowExposed(windows[i].get()));
    }
    const QPoint point = grids[0]->mapToGlobal(QPoint(20, 20));
    QCOMPARE(grids[1]->mapToGlobal(QPoint(20, 20)), point);
    for (int top : {0, 1, 0}) {
        windows[top]->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows[top].get()));
        QCOMPARE(LexGrid::GridAt(point), grids[top]);
    }
    windows[0]->hide();
    QCOMPARE(LexGrid::GridAt(point), grids[1]);
}

QTEST_MAIN(TestLexGrid)
#include "test_lexgrid.moc"

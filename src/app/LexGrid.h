#pragma once
// The grid every screen uses: text cells painted by the widget itself, header rows/columns,
// a current cell, owner drawing, vertical scrolling, and drags between grids done with plain
// mouse events (QDrag does nothing on the offscreen platform the tests run on).
//
// Layout: each cell is followed by a grid line on its right and below it, so cell (c, r) starts
// at the sum of the widths (heights) plus line widths of the cells before it. Fixed rows sit on
// top and never scroll; the rows below them start at TopRow. Columns do not scroll.

#include <QColor>
#include <QCursor>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QKeyEvent;
class QPainter;
class QScrollBar;

class LexGrid : public QWidget {
    Q_OBJECT

public:
    explicit LexGrid(QWidget* parent = nullptr);
    ~LexGrid() override;

    // Counts are clamped to 0 .. MaxCount. Shrinking drops the texts that no longer fit.
    static constexpr int MaxCount = 1 << 20;
    int ColCount() const { return m_colCount; }
    void SetColCount(int n);
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int n);

    // Setting a default resets every column width (row height) to it, as new ones get it too.
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int w);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int h);
    int ColWidth(int c) const;     // 0 for an index out of range
    void SetColWidth(int c, int w);
    int RowHeight(int r) const;
    void SetRowHeight(int r, int h);

    // Never more than the count; a larger value set earlier takes effect once the count grows.
    int FixedCols() const;
    void SetFixedCols(int n);
    int FixedRows() const;
    void SetFixedRows(int n);
    QColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(const QColor& color);

    int GridLineWidth() const { return m_gridLineWidth; }
    void SetGridLineWidth(int w);  // 0 = no lines
    QColor GridLineColor() const { return m_gridLineColor; }
    void SetGridLineColor(const QColor& color);

    // The cell's rectangle in widget pixels, or an empty rect when the cell is out of range or
    // not on screen (scrolled away, or past the right or bottom edge).
    QRect CellRect(int c, int r) const;
    // (column, row) of the cell under a widget point, or (-1, -1). A grid line belongs to the
    // cell on its left (above it).
    QPoint MouseToCell(const QPoint& pos) const;

    QString Cell(int c, int r) const;
    void SetCell(int c, int r, const QString& text);
    void ClearCells();

    // The current cell is always a non-fixed cell; -1 while there is none.
    int Col() const { return m_col; }
    int Row() const { return m_row; }
    // Ignored for fixed or out-of-range cells; does not ask OnSelectCell; scrolls the row into view.
    void SetCurrent(int c, int r);
    bool ShowSelection() const { return m_showSelection; }
    void SetShowSelection(bool on);

    int TopRow() const { return m_topRow; }
    void SetTopRow(int r);         // clamped to the rows that can be on top
    int VisibleRowCount() const;   // non-fixed rows fully on screen from TopRow

    bool DragEnabled() const { return m_dragEnabled; }
    void SetDragEnabled(bool on);
    bool Dragging() const { return m_dragState == DragState::Dragging; }

    // The visible grid under a global point, or nullptr.
    static LexGrid* GridAt(const QPoint& globalPos);

    QSize sizeHint() const override;

    // Asked before a mouse press or an arrow key makes (col, row) current; false refuses.
    // A press on the current cell asks too.
    std::function<bool(int col, int row)> OnSelectCell;
    // Paints a cell instead of the default; the painter is clipped to rect and restored after.
    // selected is true for the current cell while ShowSelection is on.
    std::function<void(QPainter& p, int col, int row, const QRect& rect, bool selected)> OnDrawCell;
    // col/row are -1 outside the cells. For moves, button is the held button (NoButton if none).
    std::function<void(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers mods)> OnMouseDown;
    std::function<void(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers mods)> OnMouseMove;
    std::function<void(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers mods)> OnMouseUp;
    // Left press and release on the same cell (fixed cells too) that did not turn into a drag;
    // fires even when OnSelectCell refused the cell.
    std::function<void(int col, int row)> OnCellClick;
    // Called first for every key; true = handled, the grid does nothing more.
    std::function<bool(QKeyEvent* event)> OnKeyPress;
    // Called on the TARGET grid while a drag moves over one of its cells and again on release;
    // unset accepts. source may be this grid.
    std::function<bool(LexGrid* source, int srcCol, int srcRow, int col, int row)> OnDragOver;
    std::function<void(LexGrid* source, int srcCol, int srcRow, int col, int row)> OnDragDrop;
    // Called on the SOURCE grid when a drag ends without a drop (not over a cell, or refused).
    std::function<void(int srcCol, int srcRow)> OnDragCancel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class DragState { None, Armed, Dragging };

    static quint64 Key(int c, int r) { return (quint64(quint32(r)) << 32) | quint32(c); }
    bool InRange(int c, int r) const { return c >= 0 && r >= 0 && c < m_colCount && r < m_rowCount; }
    bool Selectable(int c, int r) const;
    int ClientWidth() const;
    int ColLeft(int c) const;  // -1 when the column starts past the right edge
    int RowTop(int r) const;   // -1 when the row is scrolled away or starts past the bottom
    int ScrollAreaHeight() const;
    int MaxTopRow() const;
    void Relayout();           // after any change of counts or sizes
    void NormalizeCurrent();
    bool TrySelect(int c, int r);
    void MakeCurrent(int c, int r);
    void ScrollIntoView(int r);
    void UpdateDragFeedback(const QPoint& globalPos);
    void FinishDrag(const QPoint& globalPos);
    void EndDragCursor();

    int m_colCount = 5;
    int m_rowCount = 5;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;
    int m_fixedCols = 0;
    int m_fixedRows = 0;
    QColor m_fixedColor{0x80, 0xFF, 0xFF};
    int m_gridLineWidth = 1;
    QColor m_gridLineColor{0xC0, 0xC0, 0xC0};
    QHash<quint64, QString> m_cells;

    int m_col = 0;
    int m_row = 0;
    bool m_showSelection = true;
    int m_topRow = 0;
    QScrollBar* m_vbar = nullptr;
    bool m_vbarShown = false;
    int m_wheelAccum = 0;

    QPoint m_pressCell{-1, -1};
    bool m_dragEnabled = false;
    DragState m_dragState = DragState::None;
    QPoint m_dragSource{-1, -1};
    QPoint m_pressPos;
    bool m_hadCursor = false;
    QCursor m_savedCursor;
};

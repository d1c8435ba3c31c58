#include "LexGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>
#include <numeric>

namespace {

// Sizes are kept small enough that sums over the visible cells never overflow an int.
constexpr int MaxCellSize = 32767;
constexpr int MaxLineWidth = 64;
constexpr int TextMargin = 2;

const QColor SelectedBack(0x00, 0x00, 0x80);  // navy

std::vector<LexGrid*>& Registry()
{
    static std::vector<LexGrid*> grids;
    return grids;
}

int ClampSize(int v) { return std::clamp(v, 0, MaxCellSize); }

Qt::MouseButton HeldButton(Qt::MouseButtons buttons)
{
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b)
            return b;
    return Qt::NoButton;
}

}  // namespace

LexGrid::LexGrid(QWidget* parent)
    : QWidget(parent),
      m_colWidths(m_colCount, m_defaultColWidth),
      m_rowHeights(m_rowCount, m_defaultRowHeight)
{
    Registry().push_back(this);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_vbar = new QScrollBar(Qt::Vertical, this);
    m_vbar->setFocusPolicy(Qt::NoFocus);
    m_vbar->hide();
    connect(m_vbar, &QScrollBar::valueChanged, this, [this](int v) { SetTopRow(FixedRows() + v); });
    Relayout();
}

LexGrid::~LexGrid()
{
    auto& grids = Registry();
    grids.erase(std::remove(grids.begin(), grids.end(), this), grids.end());
}

// ---- geometry ---------------------------------------------------------------------------------

void LexGrid::SetColCount(int n)
{
    n = std::clamp(n, 0, MaxCount);
    if (n == m_colCount)
        return;
    if (n < m_colCount)
        m_cells.removeIf([n](QHash<quint64, QString>::iterator it) { return int(quint32(it.key())) >= n; });
    m_colCount = n;
    m_colWidths.resize(n, m_defaultColWidth);
    Relayout();
}

void LexGrid::SetRowCount(int n)
{
    n = std::clamp(n, 0, MaxCount);
    if (n == m_rowCount)
        return;
    if (n < m_rowCount)
        m_cells.removeIf([n](QHash<quint64, QString>::iterator it) { return int(it.key() >> 32) >= n; });
    m_rowCount = n;
    m_rowHeights.resize(n, m_defaultRowHeight);
    Relayout();
}

void LexGrid::SetDefaultColWidth(int w)
{
    m_defaultColWidth = ClampSize(w);
    std::fill(m_colWidths.begin(), m_colWidths.end(), m_defaultColWidth);
    Relayout();
}

void LexGrid::SetDefaultRowHeight(int h)
{
    m_defaultRowHeight = ClampSize(h);
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), m_defaultRowHeight);
    Relayout();
}

int LexGrid::ColWidth(int c) const { return c >= 0 && c < m_colCount ? m_colWidths[c] : 0; }

void LexGrid::SetColWidth(int c, int w)
{
    if (c < 0 || c >= m_colCount)
        return;
    m_colWidths[c] = ClampSize(w);
    Relayout();
}

int LexGrid::RowHeight(int r) const { return r >= 0 && r < m_rowCount ? m_rowHeights[r] : 0; }

void LexGrid::SetRowHeight(int r, int h)
{
    if (r < 0 || r >= m_rowCount)
        return;
    m_rowHeights[r] = ClampSize(h);
    Relayout();
}

int LexGrid::FixedCols() const { return std::min(m_fixedCols, m_colCount); }

void LexGrid::SetFixedCols(int n)
{
    m_fixedCols = std::clamp(n, 0, MaxCount);
    Relayout();
}

int LexGrid::FixedRows() const { return std::min(m_fixedRows, m_rowCount); }

void LexGrid::SetFixedRows(int n)
{
    m_fixedRows = std::clamp(n, 0, MaxCount);
    Relayout();
}

void LexGrid::SetFixedColor(const QColor& color)
{
    m_fixedColor = color;
    update();
}

void LexGrid::SetGridLineWidth(int w)
{
    m_gridLineWidth = std::clamp(w, 0, MaxLineWidth);
    Relayout();
}

void LexGrid::SetGridLineColor(const QColor& color)
{
    m_gridLineColor = color;
    update();
}

int LexGrid::ClientWidth() const { return std::max(0, width() - (m_vbarShown ? m_vbar->width() : 0)); }

int LexGrid::ColLeft(int c) const
{
    const int right = ClientWidth();
    int x = 0;
    for (int i = 0; i < c; ++i) {
        x += m_colWidths[i] + m_gridLineWidth;
        if (x >= right)
            return -1;
    }
    return x < right ? x : -1;
}

int LexGrid::RowTop(int r) const
{
    const int bottom = height();
    const int fixed = FixedRows();
    if (r >= fixed && r < m_topRow)
        return -1;
    int y = 0;
    for (int i = 0; i < fixed && i < r; ++i) {
        y += m_rowHeights[i] + m_gridLineWidth;
        if (y >= bottom)
            return -1;
    }
    for (int i = m_topRow; i < r; ++i) {
        y += m_rowHeights[i] + m_gridLineWidth;
        if (y >= bottom)
            return -1;
    }
    return y < bottom ? y : -1;
}

QRect LexGrid::CellRect(int c, int r) const
{
    if (!InRange(c, r))
        return {};
    const int x = ColLeft(c);
    const int y = RowTop(r);
    if (x < 0 || y < 0)
        return {};
    return QRect(x, y, m_colWidths[c], m_rowHeights[r]);
}

QPoint LexGrid::MouseToCell(const QPoint& pos) const
{
    if (pos.x() < 0 || pos.y() < 0 || pos.x() >= ClientWidth() || pos.y() >= height())
        return {-1, -1};
    int col = -1;
    for (int c = 0, x = 0; c < m_colCount && x <= pos.x(); ++c) {
        x += m_colWidths[c] + m_gridLineWidth;
        if (pos.x() < x) {
            col = c;
            break;
        }
    }
    int row = -1;
    const int fixed = FixedRows();
    int y = 0;
    for (int r = 0; r < fixed && row < 0 && y <= pos.y(); ++r) {
        y += m_rowHeights[r] + m_gridLineWidth;
        if (pos.y() < y)
            row = r;
    }
    for (int r = m_topRow; r < m_rowCount && row < 0 && y <= pos.y(); ++r) {
        y += m_rowHeights[r] + m_gridLineWidth;
        if (pos.y() < y)
            row = r;
    }
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

// Height left below the fixed rows (negative once they fill the widget).
int LexGrid::ScrollAreaHeight() const
{
    int avail = height();
    for (int r = 0, fixed = FixedRows(); r < fixed && avail >= 0; ++r)
        avail -= m_rowHeights[r] + m_gridLineWidth;
    return avail;
}

// The smallest top row that still shows the last row in full; rows below it cannot be on top.
int LexGrid::MaxTopRow() const
{
    const int fixed = FixedRows();
    if (m_rowCount <= fixed)
        return fixed;
    const int avail = ScrollAreaHeight();
    int top = m_rowCount;
    int used = 0;
    for (int r = m_rowCount - 1; r >= fixed; --r) {
        used += m_rowHeights[r] + m_gridLineWidth;
        if (used > avail)
            break;
        top = r;
    }
    return std::min(top, m_rowCount - 1);
}

int LexGrid::VisibleRowCount() const
{
    const int avail = ScrollAreaHeight();
    int count = 0;
    int used = 0;
    for (int r = m_topRow; r < m_rowCount; ++r) {
        used += m_rowHeights[r] + m_gridLineWidth;
        if (used > avail)
            break;
        ++count;
    }
    return count;
}

void LexGrid::SetTopRow(int r)
{
    r = std::clamp(r, FixedRows(), MaxTopRow());
    if (r == m_topRow)
        return;
    m_topRow = r;
    {
        const QSignalBlocker block(m_vbar);
        m_vbar->setValue(m_topRow - FixedRows());
    }
    update();
}

void LexGrid::Relayout()
{
    NormalizeCurrent();
    const int fixed = FixedRows();
    const int maxTop = MaxTopRow();
    m_topRow = std::clamp(m_topRow, fixed, maxTop);

    m_vbarShown = maxTop > fixed;
    {
        const QSignalBlocker block(m_vbar);
        m_vbar->setRange(0, maxTop - fixed);
        m_vbar->setPageStep(std::max(1, VisibleRowCount()));
        m_vbar->setValue(m_topRow - fixed);
    }
    const int barWidth = m_vbar->sizeHint().width();
    m_vbar->setGeometry(width() - barWidth, 0, barWidth, height());
    m_vbar->setVisible(m_vbarShown);

    updateGeometry();
    update();
}

void LexGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

QSize LexGrid::sizeHint() const
{
    const qint64 w = std::accumulate(m_colWidths.begin(), m_colWidths.end(), qint64(0))
                     + qint64(m_colCount) * m_gridLineWidth;
    const qint64 h = std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), qint64(0))
                     + qint64(m_rowCount) * m_gridLineWidth;
    return QSize(int(std::min<qint64>(w, QWIDGETSIZE_MAX)), int(std::min<qint64>(h, QWIDGETSIZE_MAX)));
}

// ---- texts and current cell -------------------------------------------------------------------

QString LexGrid::Cell(int c, int r) const
{
    return InRange(c, r) ? m_cells.value(Key(c, r)) : QString();
}

void LexGrid::SetCell(int c, int r, const QString& text)
{
    if (!InRange(c, r))
        return;
    if (text.isEmpty())
        m_cells.remove(Key(c, r));
    else
        m_cells.insert(Key(c, r), text);
    update();
}

void LexGrid::ClearCells()
{
    m_cells.clear();
    update();
}

bool LexGrid::Selectable(int c, int r) const
{
    return InRange(c, r) && c >= FixedCols() && r >= FixedRows();
}

void LexGrid::NormalizeCurrent()
{
    const int fc = FixedCols();
    const int fr = FixedRows();
    m_col = m_colCount > fc ? std::clamp(m_col, fc, m_colCount - 1) : -1;
    m_row = m_rowCount > fr ? std::clamp(m_row, fr, m_rowCount - 1) : -1;
}

void LexGrid::SetCurrent(int c, int r)
{
    if (Selectable(c, r))
        MakeCurrent(c, r);
}

void LexGrid::MakeCurrent(int c, int r)
{
    m_col = c;
    m_row = r;
    ScrollIntoView(r);
    update();
}

bool LexGrid::TrySelect(int c, int r)
{
    if (auto ask = OnSelectCell) {
        const QPointer<LexGrid> self(this);
        if (!ask(c, r) || !self)
            return false;
    }
    // The callback may have changed the grid.
    if (!Selectable(c, r))
        return false;
    MakeCurrent(c, r);
    return true;
}

void LexGrid::SetShowSelection(bool on)
{
    m_showSelection = on;
    update();
}

void LexGrid::ScrollIntoView(int r)
{
    const int fixed = FixedRows();
    if (r < fixed || r >= m_rowCount)
        return;
    if (r < m_topRow) {
        SetTopRow(r);
        return;
    }
    const int avail = ScrollAreaHeight();
    int used = 0;
    for (int i = m_topRow; i <= r; ++i) {
        used += m_rowHeights[i] + m_gridLineWidth;
        if (used > avail)
            break;
    }
    if (used <= avail)
        return;
    // Make r the last row in full view (or the top row when it is taller than the view).
    int top = r;
    used = m_rowHeights[r] + m_gridLineWidth;
    while (top - 1 >= fixed && used + m_rowHeights[top - 1] + m_gridLineWidth <= avail) {
        --top;
        used += m_rowHeights[top] + m_gridLineWidth;
    }
    SetTopRow(top);
}

// ---- painting ---------------------------------------------------------------------------------

void LexGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));

    const int right = ClientWidth();
    const int bottom = height();
    p.setClipRect(QRect(0, 0, right, bottom));

    struct Span {
        int index, start;
    };
    std::vector<Span> cols;
    for (int c = 0, x = 0; c < m_colCount && x < right; ++c) {
        cols.push_back({c, x});
        x += m_colWidths[c] + m_gridLineWidth;
    }
    std::vector<Span> rows;
    const int fixed = FixedRows();
    int y = 0;
    for (int r = 0; r < fixed && y < bottom; ++r) {
        rows.push_back({r, y});
        y += m_rowHeights[r] + m_gridLineWidth;
    }
    for (int r = m_topRow; r < m_rowCount && y < bottom; ++r) {
        rows.push_back({r, y});
        y += m_rowHeights[r] + m_gridLineWidth;
    }

    const int fixedCols = FixedCols();
    const int line = m_gridLineWidth;
    // Copied so a callback that replaces itself does not pull the function out from under us.
    const auto draw = OnDrawCell;
    for (const Span& row : rows) {
        const int h = m_rowHeights[row.index];
        for (const Span& col : cols) {
            const int w = m_colWidths[col.index];
            const QRect cell(col.start, row.start, w, h);
            const bool isFixed = col.index < fixedCols || row.index < fixed;
            const bool selected = !isFixed && m_showSelection && col.index == m_col && row.index == m_row;
            if (w > 0 && h > 0) {
                if (draw) {
                    p.save();
                    p.setClipRect(cell, Qt::IntersectClip);
                    draw(p, col.index, row.index, cell, selected);
                    p.restore();
                } else {
                    p.fillRect(cell, isFixed ? m_fixedColor : selected ? SelectedBack : QColor(Qt::white));
                    const QString text = m_cells.value(Key(col.index, row.index));
                    if (!text.isEmpty()) {
                        p.setPen(selected ? Qt::white : Qt::black);
                        p.drawText(cell.adjusted(TextMargin, 0, -TextMargin, 0),
                                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
                    }
                }
            }
            if (line > 0) {
                p.fillRect(QRect(col.start + w, row.start, line, h + line), m_gridLineColor);
                p.fillRect(QRect(col.start, row.start + h, w, line), m_gridLineColor);
            }
        }
    }
}

// ---- mouse and keyboard -----------------------------------------------------------------------

void LexGrid::mousePressEvent(QMouseEvent* event)
{
    const QPointer<LexGrid> self(this);
    const QPoint pos = event->position().toPoint();
    const QPoint cell = MouseToCell(pos);
    event->accept();

    // A new press always ends whatever drag a lost release left behind.
    if (m_dragState == DragState::Dragging)
        EndDragCursor();
    m_dragState = DragState::None;
    m_pressCell = {-1, -1};

    if (event->button() == Qt::LeftButton && cell.x() >= 0) {
        m_pressCell = cell;
        if (Selectable(cell.x(), cell.y())) {
            TrySelect(cell.x(), cell.y());
            if (!self)
                return;
            if (m_dragEnabled) {
                m_dragState = DragState::Armed;
                m_dragSource = cell;
                m_pressPos = pos;
            }
        }
    }
    if (auto f = OnMouseDown)
        f(cell.x(), cell.y(), event->button(), event->modifiers());
}

void LexGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPointer<LexGrid> self(this);
    const QPoint pos = event->position().toPoint();
    event->accept();

    if (m_dragState != DragState::None && !(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere.
        if (m_dragState == DragState::Dragging)
            EndDragCursor();
        m_dragState = DragState::None;
    }
    if (m_dragState == DragState::Armed
        && (pos - m_pressPos).manhattanLength() > QApplication::startDragDistance()) {
        m_dragState = DragState::Dragging;
        m_hadCursor = testAttribute(Qt::WA_SetCursor);
        if (m_hadCursor)
            m_savedCursor = cursor();
        m_pressCell = {-1, -1};
    }
    if (m_dragState == DragState::Dragging) {
        UpdateDragFeedback(event->globalPosition().toPoint());
        if (!self)
            return;
    }

    if (auto f = OnMouseMove) {
        const QPoint cell = MouseToCell(pos);
        f(cell.x(), cell.y(), HeldButton(event->buttons()), event->modifiers());
    }
}

void LexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointer<LexGrid> self(this);
    const QPoint pos = event->position().toPoint();
    event->accept();

    QPoint pressCell{-1, -1};
    if (event->button() == Qt::LeftButton) {
        pressCell = m_pressCell;
        m_pressCell = {-1, -1};
        const bool dragging = m_dragState == DragState::Dragging;
        m_dragState = DragState::None;
        if (dragging) {
            FinishDrag(event->globalPosition().toPoint());
            if (!self)
                return;
        }
    }

    const QPoint cell = MouseToCell(pos);
    if (auto f = OnMouseUp) {
        f(cell.x(), cell.y(), event->button(), event->modifiers());
        if (!self)
            return;
    }
    if (pressCell.x() >= 0 && cell == pressCell && InRange(cell.x(), cell.y()))
        if (auto f = OnCellClick)
            f(cell.x(), cell.y());
}

void LexGrid::keyPressEvent(QKeyEvent* event)
{
    if (auto f = OnKeyPress) {
        const QPointer<LexGrid> self(this);
        if (f(event)) {
            event->accept();
            return;
        }
        if (!self)
            return;
    }
    int dc = 0;
    int dr = 0;
    switch (event->key()) {
    case Qt::Key_Left: dc = -1; break;
    case Qt::Key_Right: dc = 1; break;
    case Qt::Key_Up: dr = -1; break;
    case Qt::Key_Down: dr = 1; break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
    if (m_col >= 0 && m_row >= 0 && Selectable(m_col + dc, m_row + dr))
        TrySelect(m_col + dc, m_row + dr);
}

void LexGrid::wheelEvent(QWheelEvent* event)
{
    if (!m_vbarShown) {
        event->ignore();
        return;
    }
    event->accept();
    m_wheelAccum += event->angleDelta().y();
    const int steps = m_wheelAccum / QWheelEvent::DefaultDeltasPerStep;
    m_wheelAccum -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        SetTopRow(m_topRow - steps * QApplication::wheelScrollLines());
}

// ---- dragging ---------------------------------------------------------------------------------

void LexGrid::SetDragEnabled(bool on)
{
    m_dragEnabled = on;
    if (!on && m_dragState != DragState::None) {
        if (m_dragState == DragState::Dragging)
            EndDragCursor();
        m_dragState = DragState::None;
    }
}

void LexGrid::hideEvent(QHideEvent* event)
{
    // A hidden grid gets no release; forget the drag rather than keep the drag cursor.
    if (m_dragState == DragState::Dragging)
        EndDragCursor();
    m_dragState = DragState::None;
    QWidget::hideEvent(event);
}

void LexGrid::EndDragCursor()
{
    if (m_hadCursor)
        setCursor(m_savedCursor);
    else
        unsetCursor();
}

LexGrid* LexGrid::GridAt(const QPoint& globalPos)
{
    const auto& grids = Registry();
    auto gridOf = [&grids](QWidget* w) -> LexGrid* {
        for (; w; w = w->parentWidget())
            if (std::find(grids.begin(), grids.end(), w) != grids.end())
                return w->isVisible() ? static_cast<LexGrid*>(w) : nullptr;
        return nullptr;
    };
    // The active window is on top: the one the mouse was pressed in, or a dialog over it.
    if (QWidget* active = QApplication::activeWindow()) {
        const QPoint local = active->mapFromGlobal(globalPos);
        if (active->isVisible() && active->rect().contains(local)) {
            QWidget* child = active->childAt(local);
            return gridOf(child ? child : active);
        }
    }
    // Otherwise the window system knows the stacking.
    if (QWidget* w = QApplication::widgetAt(globalPos))
        return gridOf(w);
    for (LexGrid* grid : grids)
        if (grid->isVisible() && grid->rect().contains(grid->mapFromGlobal(globalPos)))
            return grid;
    return nullptr;
}

void LexGrid::UpdateDragFeedback(const QPoint& globalPos)
{
    const QPointer<LexGrid> self(this);
    bool accepted = false;
    if (LexGrid* target = GridAt(globalPos)) {
        const QPoint cell = target->MouseToCell(target->mapFromGlobal(globalPos));
        if (cell.x() >= 0) {
            const auto over = target->OnDragOver;
            accepted = !over || over(this, m_dragSource.x(), m_dragSource.y(), cell.x(), cell.y());
        }
    }
    if (self && m_dragState == DragState::Dragging)
        setCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void LexGrid::FinishDrag(const QPoint& globalPos)
{
    const QPointer<LexGrid> self(this);
    const QPoint source = m_dragSource;
    m_dragSource = {-1, -1};
    EndDragCursor();

    bool dropped = false;
    QPointer<LexGrid> target = GridAt(globalPos);
    if (target) {
        const QPoint cell = target->MouseToCell(target->mapFromGlobal(globalPos));
        if (cell.x() >= 0) {
            const auto over = target->OnDragOver;
            if (!over || over(this, source.x(), source.y(), cell.x(), cell.y())) {
                dropped = true;
                if (target)
                    if (auto drop = target->OnDragDrop)
                        drop(this, source.x(), source.y(), cell.x(), cell.y());
            }
        }
    }
    if (!dropped && self)
        if (auto cancel = OnDragCancel)
            cancel(source.x(), source.y());
}

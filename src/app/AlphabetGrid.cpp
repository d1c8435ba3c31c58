#include "AlphabetGrid.h"

#include "FontScheme.h"
#include "QtText.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace {
const QString AccentRow = QStringLiteral("\u00E1\u00E9\u00ED\u00F3\u00FA\u00F1\u00FC");
}  // namespace

QChar AlphabetLetter(int col, int row)
{
    if (col < 0 || col >= AlphabetGrid::Cols || row < 0 || row >= AlphabetGrid::Rows)
        return {};
    if (row == 4)
        return AccentRow[col];
    const int code = 'a' + AlphabetGrid::Cols * row + col;
    return code <= 'z' ? QChar(code) : QChar(u' ');
}

EditState TypeAtCaret(const QString& text, int caret, QChar letter, int maxLength)
{
    const int p = std::clamp(caret, 0, int(text.size()));
    const bool blankAfterBlank = letter == u' ' && p > 0 && text[p - 1] == u' ';
    if (blankAfterBlank || letter.isNull() || text.size() >= maxLength)
        return {text, p};
    QString typed = text;
    typed.insert(p, letter);
    return {typed, p + 1};
}

AlphabetGrid::AlphabetGrid(QWidget* parent) : LexGrid(parent)
{
    SetColCount(Cols);
    SetRowCount(Rows);
    SetFixedCols(0);
    SetFixedRows(0);
    SetDefaultColWidth(CellSize);
    SetDefaultRowHeight(CellSize);
    SetGridLineWidth(1);
    SetShowSelection(false);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            SetCell(c, r, AlphabetLetter(c, r));
    setFixedSize(sizeHint());
    // A keyboard must not take the focus: the target box would lose its caret and selection.
    setFocusPolicy(Qt::NoFocus);

    OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) { DrawCell(p, col, row, rect); };
    OnSelectCell = [this](int col, int row) {
        TypeCell(col, row);
        return true;
    };
    OnMouseDown = [this](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers) {
        m_pressedCell = {col, row};
        m_pressed = true;
        RedrawPressed();
    };
    OnMouseUp = [this](int, int, Qt::MouseButton, Qt::KeyboardModifiers) {
        m_pressed = false;
        RedrawPressed();
        m_pressedCell = {-1, -1};
    };
}

void AlphabetGrid::TypeCell(int col, int row)
{
    const QChar letter = AlphabetLetter(col, row);
    QLineEdit* edit = m_target;
    if (!edit || letter.isNull())
        return;
    const QString text = edit->text();
    const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const EditState typed = TypeAtCaret(text, caret, letter, edit->maxLength());
    if (typed.Text != text)
        edit->setText(typed.Text);
    edit->setFocus(Qt::OtherFocusReason);
    edit->setCursorPosition(typed.Caret);
    if (auto typedHandler = OnTyped)
        typedHandler();
}

void AlphabetGrid::DrawCell(QPainter& p, int col, int row, const QRect& rect)
{
    const bool navy = m_pressed && m_pressedCell == QPoint(col, row);
    p.fillRect(rect, BlueHigh(navy ? ColorNavy : ColorWhite));
    p.setFont(MakeFont(FontScheme.Alphabet, true));
    p.setPen(palette().color(foregroundRole()));
    const QString text = Cell(col, row);
    const QFontMetrics fm = p.fontMetrics();
    // Centred on the default cell size, as every cell of this grid has it.
    const int x = rect.left() + (DefaultColWidth() - fm.horizontalAdvance(text)) / 2;
    const int y = rect.top() + (DefaultRowHeight() - fm.height()) / 2;
    p.drawText(x, y + fm.ascent(), text);
}

void AlphabetGrid::RedrawPressed()
{
    const QRect rect = CellRect(m_pressedCell.x(), m_pressedCell.y());
    if (!rect.isEmpty())
        repaint(rect);
}

void AlphabetGrid::hideEvent(QHideEvent* event)
{
    // A hidden grid gets no release.
    m_pressed = false;
    m_pressedCell = {-1, -1};
    LexGrid::hideEvent(event);
}

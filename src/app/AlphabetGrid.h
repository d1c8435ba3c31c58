#pragma once
// The on-screen keyboard of the screens where Spanish is typed: a to z, two blank keys and
// á é í ó ú ñ ü in 7 columns by 5 rows of 28 x 28 pixel cells. A press on a cell types its
// letter at the caret of the target box; the pressed cell shows navy until the button is
// released.

#include "AccentTyping.h"
#include "LexGrid.h"

#include <QLineEdit>
#include <QPointer>

#include <functional>

// The letter of a cell: rows 0 to 3 hold a to z in reading order and a blank in (5, 3) and
// (6, 3); row 4 holds á é í ó ú ñ ü. A null QChar outside the grid.
QChar AlphabetLetter(int col, int row);

// Types a grid letter at the caret, inserting rather than replacing any selection. A blank
// right after a blank is refused, and so is any letter once the text holds maxLength
// characters; the caret then stays where it was.
EditState TypeAtCaret(const QString& text, int caret, QChar letter, int maxLength = 32767);

class AlphabetGrid : public LexGrid {
    Q_OBJECT

public:
    static constexpr int Cols = 7;
    static constexpr int Rows = 5;
    static constexpr int CellSize = 28;

    explicit AlphabetGrid(QWidget* parent = nullptr);

    QLineEdit* Target() const { return m_target; }
    void SetTarget(QLineEdit* edit) { m_target = edit; }

    // (-1, -1) while no button is held on a cell.
    QPoint PressedCell() const { return m_pressedCell; }
    bool Pressed() const { return m_pressed; }

    // Types the letter of (col, row) into the target, gives it the focus and calls OnTyped.
    void TypeCell(int col, int row);

    // After every typed cell, refused blanks included: the screen enables its buttons from
    // the target's text.
    std::function<void()> OnTyped;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void DrawCell(QPainter& p, int col, int row, const QRect& rect);
    void RedrawPressed();

    QPointer<QLineEdit> m_target;
    QPoint m_pressedCell{-1, -1};
    bool m_pressed = false;
};

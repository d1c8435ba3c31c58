#pragma once
// Pieces the word-list screens (Word Lists, Custom Lists) share.

#include <QFont>
#include <QPixmap>
#include <QString>

#include <functional>

class QToolButton;
class QWidget;

// The arrow drawn beside a word that can be moved: green to the right (into the learned or the
// custom list), red to the left (back out).
QPixmap MoveArrow(bool pointsRight);

// A sort arrow button on a column header; onClick sets the screen's sort mode.
QToolButton* MakeSortButton(QWidget* panel, Qt::ArrowType arrow, const char* name, std::function<void()> onClick);

// The font a list row's or a picker cell's text is drawn in: the grid font, bold; a text wider than its cell takes
// the largest smaller size at which it fits, so it shows whole instead of cut at both ends.
QFont ListRowFont(const QString& text, int cellWidth);

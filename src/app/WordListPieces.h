#pragma once
// Pieces the word-list screens (Word Lists, Custom Lists) share.

#include <QPixmap>

#include <functional>

class QToolButton;
class QWidget;

// The arrow drawn beside a word that can be moved: green to the right (into the learned or the
// custom list), red to the left (back out).
QPixmap MoveArrow(bool pointsRight);

// A sort arrow button on a column header; onClick sets the screen's sort mode.
QToolButton* MakeSortButton(QWidget* panel, Qt::ArrowType arrow, const char* name, std::function<void()> onClick);

#pragma once
// The arrow the word lists draw beside a word that can be moved: green to the right (into the
// learned or the custom list), red to the left (back out).

#include <QPixmap>

QPixmap MoveArrow(bool pointsRight);

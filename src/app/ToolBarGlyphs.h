#pragma once

#include <QPixmap>

// Glyphs for the main tool bar boxes, painted in code.
// Box index: 0 Word Lists, 1 Word Tests, 2 Crosswords, 3 Word Games,
// 4 Word Search, 5 Board Game, 6 Custom Lists, 7 Options, 8 Help,
// 9 Hints, 10 About.
// selected = the variant drawn to sit on the navy box of the current screen.
// Help and Hints have no selected variant (their normal glyph is returned);
// an unknown index gives an empty transparent 32x32 pixmap.
// All glyphs are 32x32 except Hints (26x28). Needs a QGuiApplication.
QPixmap ToolBarGlyph(int box, bool selected);

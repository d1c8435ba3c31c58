#include "CellDraw.h"

#include "QtText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

QPainter* CellCanvas = nullptr;
int32_t CellX[101];
int32_t CellY[101];

namespace {
int EdgeX(int i) { return CellX[std::clamp(i, 0, 100)]; }
int EdgeY(int i) { return CellY[std::clamp(i, 0, 100)]; }
}  // namespace

TextOrigin CellTextOrigin(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text)
{
    const QFontMetrics fm(CellCanvas->font(), CellCanvas->device());
    const int textWidth = fm.horizontalAdvance(text);
    const int xWidth = fm.horizontalAdvance(QLatin1Char('x'));
    const int mHeight = fm.height();  // the text height of "M": the font's line height
    int x = hAlign == AlignLeft ? x1 + xWidth
          : hAlign == AlignCentre ? x1 + (x2 - x1 - textWidth) / 2
                                  : x2 - textWidth - xWidth;
    int y = vAlign == AlignTop ? y1 : vAlign == AlignMiddle ? y1 + (y2 - y1 - mHeight) / 2 : y2 - mHeight;
    return {std::max(x, 0), std::max(y, 0)};
}

void DrawRectText(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text)
{
    if (!CellCanvas)
        return;
    const TextOrigin o = CellTextOrigin(x1, x2, y1, y2, hAlign, vAlign, text);
    const QFontMetrics fm(CellCanvas->font(), CellCanvas->device());
    CellCanvas->save();
    CellCanvas->setClipRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), Qt::IntersectClip);
    CellCanvas->drawText(o.X, o.Y + fm.ascent(), text);
    CellCanvas->restore();
}

void DrawCellText(int col, int row, uint8_t hAlign, uint8_t vAlign, const QString& text)
{
    DrawRectText(EdgeX(col), EdgeX(col + 1), EdgeY(row), EdgeY(row + 1), hAlign, vAlign, text);
}

void DrawSpanText(int col1, int col2, int row1, int row2, uint8_t hAlign, uint8_t vAlign, const QString& text)
{
    DrawRectText(EdgeX(col1), EdgeX(col2), EdgeY(row1), EdgeY(row2), hAlign, vAlign, text);
}

namespace {
void DrawBlueLine(int x1, int y1, int x2, int y2)
{
    if (!CellCanvas)
        return;
    QPen pen = CellCanvas->pen();
    const QColor saved = pen.color();
    pen.setColor(BlueHigh(0xFF0000));
    CellCanvas->setPen(pen);
    CellCanvas->drawLine(x1, y1, x2, y2);
    pen.setColor(saved);
    CellCanvas->setPen(pen);
}
}  // namespace

void DrawHLine(int x1, int y, int x2)
{
    DrawBlueLine(x1, y, x2, y);
}

void DrawVLine(int x, int y1, int y2)
{
    DrawBlueLine(x, y1, x, y2);
}

void SetEdges(int32_t* edges, int first, int step, int count)
{
    edges[0] = first;
    for (int i = 1; i <= count && i <= 100; ++i)
        edges[i] = edges[i - 1] + step;
}

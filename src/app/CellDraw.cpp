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

namespace {

QFont AtPointSize(QFont font, double pointSize)
{
    font.setPointSizeF(pointSize);
    return font;
}

// The text's width where DrawRectText puts it: the left and right alignments keep one "x" clear.
int NeededWidth(const QFontMetrics& fm, uint8_t hAlign, const QString& text)
{
    return fm.horizontalAdvance(text) + (hAlign == AlignCentre ? 0 : fm.horizontalAdvance(QLatin1Char('x')));
}

// The largest size from `from` down to `to`, half a point apart, at which every text fits on
// one line; 0 when none does.
double LargestFit(const QFont& font, const QStringList& texts, int width, uint8_t hAlign, double from, double to)
{
    for (double size = from; size >= to; size -= 0.5) {
        const QFontMetrics fm(AtPointSize(font, size), CellCanvas->device());
        if (std::all_of(texts.begin(), texts.end(), [&](const QString& t) { return NeededWidth(fm, hAlign, t) <= width; }))
            return size;
    }
    return 0;
}

// The blank that splits the text into the two most even lines; -1 when there is none.
int EvenBreak(const QFontMetrics& fm, const QString& text)
{
    int best = -1;
    int bestWidth = 0;
    for (int i = text.indexOf(' '); i >= 0; i = text.indexOf(' ', i + 1)) {
        const int wider = std::max(fm.horizontalAdvance(text.left(i)), fm.horizontalAdvance(text.mid(i + 1)));
        if (best < 0 || wider < bestWidth) {
            best = i;
            bestWidth = wider;
        }
    }
    return best;
}

double PointSizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : 10;
}

}  // namespace

double FittingPointSize(const QStringList& texts, int width, uint8_t hAlign, double minPointSize)
{
    if (!CellCanvas)
        return minPointSize;
    const QFont& font = CellCanvas->font();
    const double size = LargestFit(font, texts, width, hAlign, PointSizeOf(font), minPointSize);
    return size > 0 ? size : std::min(PointSizeOf(font), minPointSize);
}

void SetCanvasPointSize(double pointSize)
{
    if (CellCanvas)
        CellCanvas->setFont(AtPointSize(CellCanvas->font(), pointSize));
}

void DrawFittedText(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text,
                    double minPointSize)
{
    if (!CellCanvas)
        return;
    const QFont saved = CellCanvas->font();
    const double base = PointSizeOf(saved);
    const int width = x2 - x1;
    const int height = y2 - y1;

    double size = LargestFit(saved, {text}, width, hAlign, base, minPointSize);
    if (size > 0) {
        CellCanvas->setFont(AtPointSize(saved, size));
        DrawRectText(x1, x2, y1, y2, hAlign, vAlign, text);
        CellCanvas->setFont(saved);
        return;
    }
    for (size = base; size >= minPointSize; size -= 0.5) {
        const QFont font = AtPointSize(saved, size);
        const QFontMetrics fm(font, CellCanvas->device());
        const int at = EvenBreak(fm, text);
        if (at < 0)
            break;
        const QString first = text.left(at);
        const QString second = text.mid(at + 1);
        const int line = fm.height();
        if (NeededWidth(fm, hAlign, first) > width || NeededWidth(fm, hAlign, second) > width || 2 * line > height)
            continue;
        const int top = vAlign == AlignTop ? y1 : vAlign == AlignMiddle ? y1 + (height - 2 * line) / 2 : y2 - 2 * line;
        CellCanvas->setFont(font);
        DrawRectText(x1, x2, top, top + line, hAlign, AlignTop, first);
        DrawRectText(x1, x2, top + line, top + 2 * line, hAlign, AlignTop, second);
        CellCanvas->setFont(saved);
        return;
    }
    // Nothing at the floor will do: smaller still, but whole.
    size = LargestFit(saved, {text}, width, hAlign, std::min(base, minPointSize), 1);
    CellCanvas->setFont(AtPointSize(saved, size > 0 ? size : 1));
    DrawRectText(x1, x2, y1, y2, hAlign, vAlign, text);
    CellCanvas->setFont(saved);
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

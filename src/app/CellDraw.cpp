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

// The blank that splits the text into the two most even lines; -1 when there is none.
int EvenBreak(const QFontMetrics& fm, const QString& text)
{
    int best = -1;
    int bestWidth = 0;
    for (int i = text.indexOf(' '); i >= 0; i = text.indexOf(' ', i + 1)) {
        if (text.left(i).trimmed().isEmpty())
            continue;  // the blanks that line up a short number
        const int wider = std::max(fm.horizontalAdvance(text.left(i)), fm.horizontalAdvance(text.mid(i + 1)));
        if (best < 0 || wider < bestWidth) {
            best = i;
            bestWidth = wider;
        }
    }
    return best;
}

// The lines a text takes at a width: the whole text when it fits; else the two most even
// halves either side of a blank, when both fit; else, with lastResort, each line as full as
// fits, broken at blanks, a word too wide for a line cut between letters; else none.
QStringList BreakToWidth(const QFontMetrics& fm, const QString& text, int width, uint8_t hAlign, bool lastResort)
{
    auto fits = [&](const QString& line) { return NeededWidth(fm, hAlign, line) <= width; };
    if (fits(text))
        return {text};
    const int at = EvenBreak(fm, text);
    if (at >= 0 && fits(text.left(at)) && fits(text.mid(at + 1)))
        return {text.left(at), text.mid(at + 1)};
    if (!lastResort)
        return {};
    QStringList lines;
    QString rest = text;
    while (!rest.isEmpty() && !fits(rest)) {
        int cut = -1;
        for (int i = rest.indexOf(' '); i >= 0 && fits(rest.left(i)); i = rest.indexOf(' ', i + 1))
            if (!rest.left(i).trimmed().isEmpty())
                cut = i;
        int letters = 1;
        while (cut < 0 && fits(rest.left(letters + 1)))
            ++letters;
        lines << rest.left(cut >= 0 ? cut : letters);
        rest = rest.mid(cut >= 0 ? cut + 1 : letters);
        while (rest.startsWith(' '))
            rest.remove(0, 1);
    }
    if (!rest.isEmpty())
        lines << rest;
    return lines;
}

// The largest size from `from` down to `to`, half a point apart, at which each text, on its
// own, fits the box on one line or on two; 0 when none does.
double LargestFit(const QFont& font, const QStringList& texts, int width, int height, uint8_t hAlign, double from,
                  double to)
{
    for (double size = from; size >= to; size -= 0.5) {
        const QFontMetrics fm(AtPointSize(font, size), CellCanvas->device());
        if (std::all_of(texts.begin(), texts.end(), [&](const QString& t) {
                const QStringList lines = BreakToWidth(fm, t, width, hAlign, false);
                return lines.size() == 1 || (lines.size() == 2 && 2 * fm.height() <= height);
            }))
            return size;
    }
    return 0;
}

double PointSizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : 10;
}

}  // namespace

double PointSizeFittingEachEntry(const QStringList& entries, int entryWidth, int entryHeight, uint8_t hAlign,
                                 double minPointSize)
{
    if (!CellCanvas)
        return minPointSize;
    const QFont& font = CellCanvas->font();
    const double size = LargestFit(font, entries, entryWidth, entryHeight, hAlign, PointSizeOf(font), minPointSize);
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
    CellCanvas->setFont(AtPointSize(saved, PointSizeFittingEachEntry({text}, x2 - x1, y2 - y1, hAlign, minPointSize)));
    const QFontMetrics fm(CellCanvas->font(), CellCanvas->device());
    const QStringList lines = BreakToWidth(fm, text, x2 - x1, hAlign, true);
    const int line = fm.height();
    const int block = lines.size() * line;
    // More lines than the rectangle holds stand centred on it.
    int top = vAlign == AlignTop ? y1 : vAlign == AlignMiddle ? y1 + (y2 - y1 - block) / 2 : y2 - block;
    if (lines.size() == 1)
        DrawRectText(x1, x2, y1, y2, hAlign, vAlign, text);
    else
        for (const QString& l : lines) {
            DrawRectText(x1, x2, top, top + line, hAlign, AlignTop, l);
            top += line;
        }
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

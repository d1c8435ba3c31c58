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

// Below this an entry is not shrunk further but cut between letters and clipped to its box.
constexpr double SmallestFittedSize = 1;

QFont AtPointSize(QFont font, double pointSize)
{
    font.setPointSizeF(pointSize);
    return font;
}

double PointSizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : 10;
}

// The text's width where DrawRectText puts it: the left and right alignments keep one "x" clear.
int NeededWidth(const QFontMetrics& fm, uint8_t hAlign, const QString& text)
{
    return fm.horizontalAdvance(text) + (hAlign == AlignCentre ? 0 : fm.horizontalAdvance(QLatin1Char('x')));
}

// The text broken at blanks into lines as full as fit the width; with cutWords a word too
// wide for a line of its own is cut between letters, else such a word gives no lines at all.
QStringList WrapToWidth(const QFontMetrics& fm, const QString& text, int width, uint8_t hAlign, bool cutWords)
{
    auto fits = [&](const QString& line) { return NeededWidth(fm, hAlign, line) <= width; };
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (fits(longer)) {
            line = longer;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line = word;
        if (fits(line))
            continue;
        if (!cutWords)
            return {};
        while (line.size() > 1 && !fits(line)) {
            qsizetype letters = 1;
            while (letters + 1 < line.size() && fits(line.left(letters + 1)))
                ++letters;
            lines << line.left(letters);
            line = line.mid(letters);
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// The size and lines DrawFittedText gives an entry on the canvas.
struct FittedText {
    double PointSize;
    QStringList Lines;  // the first without the lead
};

FittedText FitText(int width, int height, uint8_t hAlign, const QString& text, const QString& lead)
{
    const QFont& font = CellCanvas->font();
    const double own = PointSizeOf(font);
    if (NeededWidth(QFontMetrics(font, CellCanvas->device()), hAlign, lead + text) <= width)
        return {own, {text}};
    // Too wide for one line: the largest size whose lines, each under the text, fill no more
    // than the box's height (a single line, like one at the list's own size, needs only the width).
    for (double size = own; size >= SmallestFittedSize; size -= 0.5) {
        const QFontMetrics fm(AtPointSize(font, size), CellCanvas->device());
        const QStringList lines = WrapToWidth(fm, text, width - fm.horizontalAdvance(lead), hAlign, false);
        if (lines.size() == 1 || (lines.size() > 1 && lines.size() * fm.height() <= height))
            return {size, lines};
    }
    const double size = std::min(own, SmallestFittedSize);
    const QFontMetrics fm(AtPointSize(font, size), CellCanvas->device());
    return {size, WrapToWidth(fm, text, width - fm.horizontalAdvance(lead), hAlign, true)};
}

}  // namespace

void DrawFittedText(int x1, int x2, int y1, int y2, uint8_t hAlign, uint8_t vAlign, const QString& text,
                    const QString& lead)
{
    if (!CellCanvas)
        return;
    const FittedText fitted = FitText(x2 - x1, y2 - y1, hAlign, text, lead);
    const QFont saved = CellCanvas->font();
    CellCanvas->setFont(AtPointSize(saved, fitted.PointSize));
    if (fitted.Lines.size() <= 1) {
        DrawRectText(x1, x2, y1, y2, hAlign, vAlign, lead + fitted.Lines.value(0));
    } else {
        const QFontMetrics fm(CellCanvas->font(), CellCanvas->device());
        const int line = fm.height();
        const int block = static_cast<int>(fitted.Lines.size()) * line;
        int top = vAlign == AlignTop ? y1 : vAlign == AlignMiddle ? y1 + (y2 - y1 - block) / 2 : y2 - block;
        const int indent = fm.horizontalAdvance(lead);
        CellCanvas->save();
        CellCanvas->setClipRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), Qt::IntersectClip);
        for (qsizetype i = 0; i < fitted.Lines.size(); ++i, top += line)
            DrawRectText(i == 0 ? x1 : x1 + indent, x2, top, top + line, hAlign, AlignTop,
                         i == 0 ? lead + fitted.Lines[i] : fitted.Lines[i]);
        CellCanvas->restore();
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

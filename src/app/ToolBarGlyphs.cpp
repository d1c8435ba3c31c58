#include "ToolBarGlyphs.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <array>

namespace {

constexpr int kBoxCount = 11;
constexpr int kHelp = 8;
constexpr int kHints = 9;

// A glyphs sit on white, B glyphs on navy; every drawing takes its colours
// from one of these so the two sets stay consistent.
struct Palette {
    QColor ink;    // outlines and main strokes
    QColor paper;  // pages, tiles, dice
    QColor mark;   // text lines and pips drawn on paper
    QColor tint;   // highlighted cells
    QColor red;
    QColor gold;
    QColor green;
    QColor halo;   // box colour, stroked under accents that cross other shapes
    QColor solid;  // large filled shapes (gear, info disc)
    QColor onSolid;
};

const QColor kNavy(0, 0, 0x80);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0x80, 0xFF, 0xFF);

Palette paletteA()
{
    return {kNavy, kWhite, kNavy, QColor(255, 228, 140), QColor(176, 0, 0),
            QColor(230, 172, 0), QColor(0, 128, 0), kWhite, kNavy, kWhite};
}

Palette paletteB()
{
    return {kWhite, kWhite, kNavy, kYellow, kCyan,
            kYellow, kYellow, kNavy, kCyan, kNavy};
}

QPen roundPen(const QColor &c, qreal width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Accent stroke with a box-coloured rim so it reads where it crosses a page.
void haloStroke(QPainter &p, const Palette &pal, const QPolygonF &line, const QColor &c, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(pal.halo, width + 2.5));
    p.drawPolyline(line);
    p.setPen(roundPen(c, width));
    p.drawPolyline(line);
}

QFont glyphFont(int pixelSize)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    f.setPixelSize(pixelSize);
    return f;
}

void drawLetter(QPainter &p, const QRectF &r, QChar ch, const QColor &c, int pixelSize)
{
    p.setFont(glyphFont(pixelSize));
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, QString(ch));
}

// Page with a folded corner and four text lines; shared by the two list glyphs.
void drawListPage(QPainter &p, const Palette &pal)
{
    QPainterPath page;
    page.moveTo(5, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(5, 29);
    page.closeSubpath();
    p.setPen(QPen(pal.ink, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(pal.paper);
    p.drawPath(page);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.ink, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF({QPointF(19, 3), QPointF(19, 9), QPointF(25, 9)}));

    const int ys[] = {9, 14, 19, 24};
    for (int y : ys) {
        p.fillRect(QRectF(8, y - 1, 2, 2), pal.halo == kNavy ? pal.mark : pal.red);
        p.fillRect(QRectF(12, y - 1, y == 9 ? 5 : 10, 2), pal.mark);
    }
}

void drawWordLists(QPainter &p, const Palette &pal)
{
    drawListPage(p, pal);
    haloStroke(p, pal, QPolygonF({QPointF(16, 22), QPointF(20, 27), QPointF(29, 15)}), pal.green, 3.5);
}

void drawCustomLists(QPainter &p, const Palette &pal)
{
    drawListPage(p, pal);
    const QPointF c(24, 23);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.halo);
    p.drawEllipse(c, 7.5, 7.5);
    p.setBrush(pal.green);
    p.drawEllipse(c, 6, 6);
    p.fillRect(QRectF(c.x() - 4, c.y() - 1, 8, 2), pal.halo);
    p.fillRect(QRectF(c.x() - 1, c.y() - 4, 2, 8), pal.halo);
}

void drawWordTests(QPainter &p, const Palette &pal)
{
    haloStroke(p, pal, QPolygonF({QPointF(3, 19), QPointF(8, 24.5), QPointF(14, 18)}), pal.green, 3.5);

    // Pencil laid along +x from its tip, then turned to point down-left.
    p.save();
    p.translate(14, 18);
    p.rotate(-45);
    const qreal h = 4;
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(6, -h);
    wood.lineTo(6, h);
    wood.closeSubpath();
    p.setPen(QPen(pal.ink, 1));
    p.setBrush(QColor(245, 215, 160));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(2.4, -1.4);
    lead.lineTo(2.4, 1.4);
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(pal.mark == pal.ink ? pal.ink : kNavy);
    p.drawPath(lead);
    p.setPen(QPen(pal.ink, 1));
    p.setBrush(pal.gold);
    p.drawRect(QRectF(6, -h, 9, 2 * h));
    p.setBrush(pal.ink);
    p.drawRect(QRectF(15, -h, 2, 2 * h));
    p.setBrush(pal.red);
    p.drawRoundedRect(QRectF(17, -h, 3.5, 2 * h), 1, 1);
    p.restore();
}

void drawCrosswords(QPainter &p, const Palette &pal)
{
    const qreal pitch = 6;
    const qreal x0 = 1.5;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const bool black = (r == 1 || r == 3) && (c == 1 || c == 3);
            QColor fill = pal.paper;
            if (black)
                fill = pal.mark;
            else if (r == 0)
                fill = pal.tint;
            p.fillRect(QRectF(x0 + c * pitch, x0 + r * pitch, pitch, pitch), fill);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.mark, 1));
    for (int i = 0; i <= 5; ++i) {
        p.drawLine(QPointF(x0 + i * pitch, x0), QPointF(x0 + i * pitch, x0 + 5 * pitch));
        p.drawLine(QPointF(x0, x0 + i * pitch), QPointF(x0 + 5 * pitch, x0 + i * pitch));
    }
    p.setPen(QPen(pal.ink, 1));
    p.drawRect(QRectF(x0, x0, 5 * pitch, 5 * pitch));
}

void drawTile(QPainter &p, const Palette &pal, const QRectF &r, const QColor &face, QChar ch,
              const QColor &letter)
{
    p.setPen(QPen(pal.ink, 1.5));
    p.setBrush(face);
    p.drawRoundedRect(r, 2.5, 2.5);
    drawLetter(p, r.adjusted(0, 0, 0, -1), ch, letter, 13);
}

void drawWordGames(QPainter &p, const Palette &pal)
{
    const bool onNavy = pal.halo == kNavy;
    drawTile(p, pal, QRectF(1.75, 2.75, 17, 17), onNavy ? kYellow : pal.tint, u'A', pal.mark);
    drawTile(p, pal, QRectF(13.25, 12.25, 17, 17), onNavy ? kCyan : pal.tint, u'B',
             onNavy ? kNavy : pal.red);
}

void drawWordSearch(QPainter &p, const Palette &pal)
{
    const char *rows[] = {"KXP", "SOL", "MUV"};
    const bool onNavy = pal.halo == kNavy;
    const QColor found = onNavy ? kYellow : pal.red;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            drawLetter(p, QRectF(1 + c * 10, 1 + r * 10, 10, 10), QChar(rows[r][c]),
                       r == 1 ? found : pal.ink, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(found, 1.5));
    p.drawRoundedRect(QRectF(0.75, 10.75, 30.5, 10.5), 5, 5);
}

void drawBoardGame(QPainter &p, const Palette &pal)
{
    p.setPen(QPen(pal.ink, 2));
    p.setBrush(pal.paper);
    p.drawRoundedRect(QRectF(2, 10, 19, 19), 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.mark);
    const QPointF pips[] = {{6.5, 14.5}, {16.5, 14.5}, {11.5, 19.5}, {6.5, 24.5}, {16.5, 24.5}};
    for (const QPointF &pt : pips)
        p.drawEllipse(pt, 1.9, 1.9);

    // Playing piece.
    const bool onNavy = pal.halo == kNavy;
    const QColor piece = onNavy ? kYellow : pal.red;
    QPainterPath pawn;
    pawn.addEllipse(QPointF(26, 7), 3.6, 3.6);
    QPainterPath body;
    body.moveTo(24.2, 10);
    body.lineTo(27.8, 10);
    body.cubicTo(28, 17, 31, 21, 31, 25);
    body.lineTo(21, 25);
    body.cubicTo(21, 21, 24, 17, 24.2, 10);
    body.closeSubpath();
    body.addRoundedRect(QRectF(21, 24.5, 10, 4), 1.5, 1.5);
    pawn = pawn.united(body);
    p.setPen(QPen(onNavy ? kNavy : pal.ink, 1));
    p.setBrush(piece);
    p.drawPath(pawn);
}

void drawOptions(QPainter &p, const Palette &pal)
{
    const QPointF c(16, 16);
    const int teeth = 8;
    const qreal outer = 14.5;
    const qreal root = 10.5;
    QPainterPath gear;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = 2 * M_PI * i / teeth;
        const qreal step = 2 * M_PI / teeth;
        // Tooth tops a little narrower than their bases.
        const qreal pts[][2] = {{a - step * 0.27, root},
                                {a - step * 0.17, outer},
                                {a + step * 0.17, outer},
                                {a + step * 0.27, root}};
        for (int k = 0; k < 4; ++k) {
            const QPointF pt(c.x() + pts[k][1] * qCos(pts[k][0]), c.y() + pts[k][1] * qSin(pts[k][0]));
            if (i == 0 && k == 0)
                gear.moveTo(pt);
            else
                gear.lineTo(pt);
        }
        const qreal next = a + step * 0.73;
        gear.lineTo(c.x() + root * qCos(next), c.y() + root * qSin(next));
    }
    gear.closeSubpath();
    gear.addEllipse(c, 4.5, 4.5);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.solid);
    p.drawPath(gear);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.halo == kNavy ? kYellow : pal.gold, 1.5));
    p.drawEllipse(c, 7.25, 7.25);
}

void drawHelp(QPainter &p, const Palette &pal)
{
    p.setPen(QPen(pal.ink, 1.5));
    p.setBrush(pal.gold);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    drawLetter(p, QRectF(0, 0, 32, 32), u'?', pal.ink, 24);
}

void drawHints(QPainter &p, const Palette &pal)
{
    // 26x28: glass on top, screw base below.
    const QPointF c(13, 10);
    const qreal r = 8.5;
    QPainterPath glass;
    glass.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -50);
    glass.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -50, 280);
    glass.lineTo(9.5, 20);
    glass.lineTo(16.5, 20);
    glass.closeSubpath();
    p.setPen(QPen(pal.ink, 1.5));
    p.setBrush(QColor(255, 230, 90));
    p.drawPath(glass);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.ink, 1));
    p.drawLine(QPointF(10.5, 20), QPointF(11, 14));
    p.drawLine(QPointF(15.5, 20), QPointF(15, 14));
    p.setPen(roundPen(pal.red, 1.3));
    p.drawPolyline(QPolygonF({QPointF(11, 14), QPointF(12, 12), QPointF(13, 14), QPointF(14, 12),
                              QPointF(15, 14)}));
    p.setPen(roundPen(kWhite, 1.5));
    p.drawArc(QRectF(c.x() - 5.5, c.y() - 5.5, 11, 11), 100 * 16, 60 * 16);

    p.setPen(Qt::NoPen);
    p.setBrush(pal.ink);
    p.drawRoundedRect(QRectF(8.5, 20, 9, 6), 1, 1);
    p.drawEllipse(QRectF(11, 25, 4, 3));
    p.setPen(QPen(QColor(180, 180, 200), 1));
    p.drawLine(QPointF(9, 22.5), QPointF(17, 22.5));
    p.drawLine(QPointF(9, 24.5), QPointF(17, 24.5));

    p.setPen(roundPen(pal.gold, 1.5));
    p.drawLine(QPointF(1, 10), QPointF(2.5, 10));
    p.drawLine(QPointF(23.5, 10), QPointF(25, 10));
    p.drawLine(QPointF(2.5, 2.5), QPointF(3.8, 3.8));
    p.drawLine(QPointF(23.5, 2.5), QPointF(22.2, 3.8));
}

void drawAbout(QPainter &p, const Palette &pal)
{
    p.setPen(Qt::NoPen);
    p.setBrush(pal.solid);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    p.setBrush(pal.onSolid);
    p.drawEllipse(QPointF(16, 9), 2.6, 2.6);
    QPainterPath stem;
    stem.moveTo(12.5, 14);
    stem.lineTo(18, 14);
    stem.lineTo(18, 23);
    stem.lineTo(20, 23);
    stem.lineTo(20, 25.5);
    stem.lineTo(12, 25.5);
    stem.lineTo(12, 23);
    stem.lineTo(14, 23);
    stem.lineTo(14, 16.5);
    stem.lineTo(12.5, 16.5);
    stem.closeSubpath();
    p.drawPath(stem);
}

QPixmap render(int box, bool selected)
{
    const QSize size = box == kHints ? QSize(26, 28) : QSize(32, 32);
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Palette pal = selected ? paletteB() : paletteA();
    switch (box) {
    case 0: drawWordLists(p, pal); break;
    case 1: drawWordTests(p, pal); break;
    case 2: drawCrosswords(p, pal); break;
    case 3: drawWordGames(p, pal); break;
    case 4: drawWordSearch(p, pal); break;
    case 5: drawBoardGame(p, pal); break;
    case 6: drawCustomLists(p, pal); break;
    case 7: drawOptions(p, pal); break;
    case kHelp: drawHelp(p, pal); break;
    case kHints: drawHints(p, pal); break;
    case 10: drawAbout(p, pal); break;
    default: break;
    }
    return pm;
}

// Built on first use; released with the application so no pixmap outlives it.
std::array<QPixmap, 2 * kBoxCount> *g_cache = nullptr;

void releaseCache()
{
    delete g_cache;
    g_cache = nullptr;
}

} // namespace

QPixmap ToolBarGlyph(int box, bool selected)
{
    if (box < 0 || box >= kBoxCount) {
        QPixmap empty(32, 32);
        empty.fill(Qt::transparent);
        return empty;
    }
    if (box == kHelp || box == kHints)
        selected = false;
    if (!g_cache) {
        g_cache = new std::array<QPixmap, 2 * kBoxCount>;
        for (int i = 0; i < kBoxCount; ++i) {
            (*g_cache)[2 * i] = render(i, false);
            if (i != kHelp && i != kHints)
                (*g_cache)[2 * i + 1] = render(i, true);
        }
        qAddPostRoutine(releaseCache);
    }
    return (*g_cache)[2 * box + (selected ? 1 : 0)];
}

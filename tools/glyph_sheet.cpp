// Renders every tool-bar glyph into one PNG for review:
// normal glyphs on white and selected glyphs on navy, first magnified 4x
// (nearest neighbour, so single pixels show), then at their real size.
// Usage: glyph_sheet out.png   (QT_QPA_PLATFORM=offscreen works)

#include "ToolBarGlyphs.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }

    constexpr int kBoxes = 11;
    constexpr int kBig = 4;
    constexpr int kCellBig = 32 * kBig + 12;
    constexpr int kCellSmall = 44;
    const QColor navy(0, 0, 0x80);
    const int width = kBoxes * kCellBig;
    const int bigRow = 32 * kBig + 12;
    const int smallRow = 44;
    QImage sheet(width, 2 * bigRow + 2 * smallRow, QImage::Format_ARGB32);
    sheet.fill(QColor(0xE2, 0xFC, 0xFE));

    QPainter p(&sheet);
    int y = 0;
    for (int scale : {kBig, 1}) {
        const int cell = scale == kBig ? kCellBig : kCellSmall;
        const int row = scale == kBig ? bigRow : smallRow;
        for (bool selected : {false, true}) {
            p.fillRect(QRect(0, y, kBoxes * cell, row), selected ? navy : Qt::white);
            for (int box = 0; box < kBoxes; ++box) {
                if (selected && (box == 8 || box == 9))
                    continue; // Help and Hints are never the selected box
                const QPixmap pm = ToolBarGlyph(box, selected);
                const QSize sz = pm.size() * scale;
                const QRect target(box * cell + (cell - sz.width()) / 2, y + (row - sz.height()) / 2,
                                   sz.width(), sz.height());
                p.drawPixmap(target, pm);
            }
            y += row;
        }
    }
    p.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

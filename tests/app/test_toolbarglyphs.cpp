#include "ToolBarGlyphs.h"

#include <QImage>
#include <QtTest>

#include <climits>

namespace {

constexpr int kHelp = 8;
constexpr int kHints = 9;

bool hasSelectedGlyph(int box)
{
    return box != kHelp && box != kHints;
}

// Counts pixels by alpha: fully transparent and clearly painted.
struct Coverage {
    int clear = 0;
    int painted = 0;
};

Coverage coverage(const QPixmap &pm)
{
    const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    Coverage c;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(img.pixel(x, y));
            if (a == 0)
                ++c.clear;
            else if (a > 128)
                ++c.painted;
        }
    return c;
}

QImage asImage(const QPixmap &pm)
{
    return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestToolBarGlyphs : public QObject {
    Q_OBJECT

private slots:
    void everyGlyph_data();
    void everyGlyph();
    void selectedDiffersFromNormal();
    void glyphsAreDistinct();
    void helpAndHintsHaveNoSelectedGlyph();
    void outOfRangeGivesEmptyPixmap();
    void repeatedCallsReuseThePixmap();
};

void TestToolBarGlyphs::everyGlyph_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("selected");
    for (int box = 0; box <= 10; ++box) {
        QTest::addRow("box%d-A", box) << box << false;
        if (hasSelectedGlyph(box))
            QTest::addRow("box%d-B", box) << box << true;
    }
}

// Right size at a device pixel ratio of 1, some ink, and a transparent background.
void TestToolBarGlyphs::everyGlyph()
{
    QFETCH(int, box);
    QFETCH(bool, selected);
    const QPixmap pm = ToolBarGlyph(box, selected);
    QVERIFY(!pm.isNull());
    QCOMPARE(pm.size(), box == kHints ? QSize(26, 28) : QSize(32, 32));
    QCOMPARE(pm.devicePixelRatio(), 1.0);
    QVERIFY(pm.hasAlphaChannel());
    const Coverage c = coverage(pm);
    QVERIFY2(c.painted >= 40, qPrintable(QStringLiteral("only %1 painted pixels").arg(c.painted)));
    QVERIFY2(c.clear > 0, "no transparent pixel: background was filled");
}

void TestToolBarGlyphs::selectedDiffersFromNormal()
{
    for (int box = 0; box <= 10; ++box) {
        if (!hasSelectedGlyph(box))
            continue;
        const QImage a = asImage(ToolBarGlyph(box, false));
        const QImage b = asImage(ToolBarGlyph(box, true));
        QVERIFY2(a != b, qPrintable(QStringLiteral("box %1").arg(box)));
    }
}

// Guards against two boxes ending up with the same drawing.
void TestToolBarGlyphs::glyphsAreDistinct()
{
    for (bool selected : {false, true}) {
        for (int i = 0; i <= 10; ++i) {
            for (int j = i + 1; j <= 10; ++j) {
                if (selected && (!hasSelectedGlyph(i) || !hasSelectedGlyph(j)))
                    continue;
                QVERIFY2(asImage(ToolBarGlyph(i, selected)) != asImage(ToolBarGlyph(j, selected)),
                         qPrintable(QStringLiteral("boxes %1 and %2").arg(i).arg(j)));
            }
        }
    }
}

void TestToolBarGlyphs::helpAndHintsHaveNoSelectedGlyph()
{
    for (int box : {kHelp, kHints})
        QCOMPARE(asImage(ToolBarGlyph(box, true)), asImage(ToolBarGlyph(box, false)));
}

void TestToolBarGlyphs::outOfRangeGivesEmptyPixmap()
{
    for (int box : {-1, 11, 12, 100, INT_MIN, INT_MAX}) {
        for (bool selected : {false, true}) {
            const QPixmap pm = ToolBarGlyph(box, selected);
            QCOMPARE(pm.size(), QSize(32, 32));
            QCOMPARE(coverage(pm).clear, 32 * 32);
        }
    }
}

void TestToolBarGlyphs::repeatedCallsReuseThePixmap()
{
    for (int box = 0; box <= 10; ++box)
        QCOMPARE(ToolBarGlyph(box, false).cacheKey(), ToolBarGlyph(box, false).cacheKey());
    QCOMPARE(ToolBarGlyph(0, true).cacheKey(), ToolBarGlyph(0, true).cacheKey());
}

QTEST_MAIN(TestToolBarGlyphs)
#include "test_toolbarglyphs.moc"

// The cell-text routines drawn on real images, the font scheme's table, and the boundary
// between stored Windows-1252 text and QString.

#include "CellDraw.h"
#include "FontScheme.h"
#include "QtText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>
#include <string>

namespace {

const QColor Paper(Qt::white);

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Paper);
    return image;
}

QFont TestFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(16);
    return font;
}

// Runs the drawing with CellCanvas on a fresh image in the test font, black pen.
QImage DrawOn(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QImage image = Blank(width, height);
    QPainter painter(&image);
    painter.setFont(TestFont());
    painter.setPen(Qt::black);
    CellCanvas = &painter;
    draw(painter);
    CellCanvas = nullptr;
    return image;
}

// The text drawn straight at a top-left origin, optionally clipped: what the routines must match.
QImage Reference(int width, int height, int x, int y, const QString& text, const QRect& clip = QRect())
{
    QImage image = Blank(width, height);
    QPainter painter(&image);
    painter.setFont(TestFont());
    painter.setPen(Qt::black);
    if (clip.isValid())
        painter.setClipRect(clip);
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
    return image;
}

// The smallest rectangle holding every pixel that is not paper; null when there is none.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) != Paper)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QFontMetrics Metrics()
{
    QImage probe = Blank(1, 1);
    return QFontMetrics(TestFont(), &probe);
}

// Origin of text as the routines place it, measured on a throwaway canvas.
TextOrigin OriginOf(int x1, int x2, int y1, int y2, uint8_t h, uint8_t v, const QString& text)
{
    TextOrigin origin{};
    DrawOn(10, 10, [&](QPainter&) { origin = CellTextOrigin(x1, x2, y1, y2, h, v, text); });
    return origin;
}

}  // namespace

class TestCellDrawFonts : public QObject {
    Q_OBJECT

private slots:
    void init();

    // Placement
    void horizontalPlacementInsideTheCell();
    void verticalPlacementUsesTheLineHeightOfM();
    void negativeStartsBecomeZero();

    // Drawing
    void leftAndRightAlignedInkStaysOneXInside();
    void centredTextWiderThanTheCellIsClippedBothSides();
    void centredTextStartingLeftOfTheCanvasIsDrawnFromZero();
    void cellAndSpanUseTheirEdges();
    void outOfRangeCellsDrawNothing();
    void gridLinesAreBlueAndThePenIsRestored();

    // Font scheme
    void fontTable_data();
    void fontTable();
    void clueNumberFaceSwitchesAbove120Dpi();
    void otherModesChangeNothing();

    // Text boundary
    void spanishLettersRoundTrip();
    void charactersOutsideWindows1252BecomeQuestionMarks();
};

void TestCellDrawFonts::init()
{
    for (int i = 0; i <= 100; ++i) {
        CellX[i] = 40 * i;
        CellY[i] = 30 * i;
    }
}

void TestCellDrawFonts::horizontalPlacementInsideTheCell()
{
    const QFontMetrics fm = Metrics();
    const int x = fm.horizontalAdvance(QLatin1Char('x'));
    const QString text = "Word";
    const int w = fm.horizontalAdvance(text);

    QCOMPARE(OriginOf(20, 220, 0, 30, AlignLeft, AlignTop, text).X, 20 + x);
    QCOMPARE(OriginOf(20, 220, 0, 30, AlignRight, AlignTop, text).X, 220 - w - x);
    QCOMPARE(OriginOf(20, 220, 0, 30, AlignCentre, AlignTop, text).X, 20 + (200 - w) / 2);
    // Centred text wider than its cell starts left of the cell.
    const QString wide = "An extraordinarily long caption";
    QVERIFY(fm.horizontalAdvance(wide) > 60);
    QVERIFY(OriginOf(100, 160, 0, 30, AlignCentre, AlignTop, wide).X < 100);
}

void TestCellDrawFonts::verticalPlacementUsesTheLineHeightOfM()
{
    const QFontMetrics fm = Metrics();
    const int m = fm.height();
    QCOMPARE(OriginOf(0, 100, 10, 70, AlignLeft, AlignTop, "Word").Y, 10);
    QCOMPARE(OriginOf(0, 100, 10, 70, AlignLeft, AlignMiddle, "Word").Y, 10 + (60 - m) / 2);
    QCOMPARE(OriginOf(0, 100, 10, 70, AlignLeft, AlignBottom, "Word").Y, 70 - m);
    // Every text centres on the same line, whatever its own letters.
    for (const QString& text : {QString("x"), QString("g"), QString("M"), QString("."), QString("Ágp")})
        QCOMPARE(OriginOf(0, 100, 10, 70, AlignLeft, AlignMiddle, text).Y, 10 + (60 - m) / 2);
}

void TestCellDrawFonts::negativeStartsBecomeZero()
{
    const QString wide = "An extraordinarily long caption";
    QCOMPARE(OriginOf(0, 40, 0, 30, AlignCentre, AlignTop, wide).X, 0);
    QCOMPARE(OriginOf(0, 40, 0, 30, AlignRight, AlignTop, wide).X, 0);
    QCOMPARE(OriginOf(0, 100, 0, 4, AlignLeft, AlignMiddle, "Word").Y, 0);
    QCOMPARE(OriginOf(0, 100, 0, 4, AlignLeft, AlignBottom, "Word").Y, 0);
}

void TestCellDrawFonts::leftAndRightAlignedInkStaysOneXInside()
{
    const QFontMetrics fm = Metrics();
    const int x = fm.horizontalAdvance(QLatin1Char('x'));
    const QString text = "Hollow";

    const QImage left = DrawOn(300, 60, [&](QPainter&) { DrawRectText(20, 220, 10, 50, AlignLeft, AlignTop, text); });
    const TextOrigin lo = OriginOf(20, 220, 10, 50, AlignLeft, AlignTop, text);
    QCOMPARE(left, Reference(300, 60, lo.X, lo.Y, text));
    QVERIFY(!InkBounds(left).isNull());
    QVERIFY2(InkBounds(left).left() >= 20 + x - 1, qPrintable(QString::number(InkBounds(left).left())));
    QVERIFY(InkBounds(left).left() <= 20 + x + 3);

    const QImage right = DrawOn(300, 60, [&](QPainter&) { DrawRectText(20, 220, 10, 50, AlignRight, AlignTop, text); });
    const TextOrigin ro = OriginOf(20, 220, 10, 50, AlignRight, AlignTop, text);
    QCOMPARE(right, Reference(300, 60, ro.X, ro.Y, text));
    QVERIFY2(InkBounds(right).right() <= 220 - x, qPrintable(QString::number(InkBounds(right).right())));
    QVERIFY(InkBounds(right).right() >= 220 - x - 4);
}

void TestCellDrawFonts::centredTextWiderThanTheCellIsClippedBothSides()
{
    const QString wide = "MMMMMMMMMMMMMMMMMMMM";  // no blanks: ink on both edges of the cell
    const QRect cell(100, 10, 60, 30);  // x 100..159, y 10..39
    const QImage image = DrawOn(400, 60, [&](QPainter&) {
        DrawRectText(cell.left(), cell.left() + cell.width(), cell.top(), cell.top() + cell.height(), AlignCentre,
                     AlignMiddle, wide);
    });
    const QRect ink = InkBounds(image);
    QVERIFY(!ink.isNull());
    QVERIFY2(cell.contains(ink), "ink outside the cell");
    // The text runs right across the cell: cut at both edges, not shrunk or moved.
    QVERIFY(ink.left() <= cell.left() + 2);
    QVERIFY(ink.right() >= cell.right() - 2);

    const TextOrigin o = OriginOf(cell.left(), cell.left() + cell.width(), cell.top(), cell.top() + cell.height(),
                                  AlignCentre, AlignMiddle, wide);
    QVERIFY(o.X < cell.left());
    QCOMPARE(image, Reference(400, 60, o.X, o.Y, wide, cell));
}

void TestCellDrawFonts::centredTextStartingLeftOfTheCanvasIsDrawnFromZero()
{
    const QString wide = "An extraordinarily long caption";
    const QImage image = DrawOn(300, 40, [&](QPainter&) { DrawRectText(0, 60, 0, 30, AlignCentre, AlignTop, wide); });
    QCOMPARE(image, Reference(300, 40, 0, 0, wide, QRect(0, 0, 60, 30)));
    QVERIFY(InkBounds(image).left() <= 2);
}

void TestCellDrawFonts::cellAndSpanUseTheirEdges()
{
    const QString text = "MMMMMMMMMMMMMMMMMMMM";  // wider than three 40-pixel columns
    QVERIFY(Metrics().horizontalAdvance(text) > 120);

    const QImage span = DrawOn(400, 90, [&](QPainter&) { DrawSpanText(2, 5, 0, 1, AlignCentre, AlignMiddle, text); });
    QCOMPARE(span, DrawOn(400, 90, [&](QPainter&) { DrawRectText(80, 200, 0, 30, AlignCentre, AlignMiddle, text); }));
    // Columns 2, 3 and 4 of row 0: x 80..199, y 0..29.
    const QRect ink = InkBounds(span);
    QVERIFY(QRect(80, 0, 120, 30).contains(ink));
    QVERIFY(ink.left() <= 82);
    QVERIFY(ink.right() >= 197);

    const QImage cell = DrawOn(400, 90, [&](QPainter&) { DrawCellText(3, 1, AlignLeft, AlignTop, "Wo"); });
    QCOMPARE(cell, DrawOn(400, 90, [&](QPainter&) { DrawRectText(120, 160, 30, 60, AlignLeft, AlignTop, "Wo"); }));
    QVERIFY(QRect(120, 30, 40, 30).contains(InkBounds(cell)));
}

void TestCellDrawFonts::outOfRangeCellsDrawNothing()
{
    const QImage blank = Blank(400, 90);
    QCOMPARE(DrawOn(400, 90, [](QPainter&) { DrawCellText(-5, 0, AlignLeft, AlignTop, "Word"); }), blank);
    QCOMPARE(DrawOn(400, 90, [](QPainter&) { DrawCellText(100, 200, AlignCentre, AlignMiddle, "Word"); }), blank);
    QCOMPARE(DrawOn(400, 90, [](QPainter&) { DrawSpanText(3, 3, 0, 1, AlignLeft, AlignTop, "Word"); }), blank);
    // No canvas: nothing to draw on, and no crash.
    CellCanvas = nullptr;
    DrawCellText(0, 0, AlignLeft, AlignTop, "Word");
    DrawHLine(0, 0, 10);
}

void TestCellDrawFonts::gridLinesAreBlueAndThePenIsRestored()
{
    const QColor blue(0, 0, 255);
    QPen before;
    QPen afterH, afterV;
    const QImage image = DrawOn(120, 100, [&](QPainter& p) {
        QPen pen(QColor(0x12, 0x34, 0x56));
        pen.setWidth(3);
        p.setPen(pen);
        before = p.pen();
        DrawHLine(10, 20, 100);
        afterH = p.pen();
        DrawVLine(60, 40, 90);
        afterV = p.pen();
    });
    QCOMPARE(QColor(image.pixel(50, 20)), blue);
    QCOMPARE(QColor(image.pixel(50, 19)), blue);  // the canvas's pen width is kept
    QCOMPARE(QColor(image.pixel(50, 21)), blue);
    QCOMPARE(QColor(image.pixel(60, 70)), blue);
    QCOMPARE(QColor(image.pixel(59, 70)), blue);
    QCOMPARE(QColor(image.pixel(50, 30)), Paper);
    QCOMPARE(afterH, before);
    QCOMPARE(afterV, before);
}

void TestCellDrawFonts::fontTable_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<QStringList>("expected");  // "name size" for each role in table order, then the small clue size

    const QStringList mode1 = {"MS Sans Serif 10", "MS Sans Serif 8", "MS Sans Serif 8", "Small Fonts 6",
                               "Small Fonts 6", "Courier New 10", "Courier New 8", "Courier New 7",
                               "Courier New 7", "Small Fonts 5", "4"};
    const QStringList mode3 = {"Ariel 14", "Ariel 14", "MS Sans Serif 12", "MS Sans Serif 10", "MS Sans Serif 8",
                               "Courier New 16", "Courier New 14", "Courier New 12", "Courier New 10",
                               "MS Sans Serif 8", "8"};
    const QStringList mode2 = {"MS Sans Serif 12", "MS Sans Serif 12", "MS Sans Serif 10", "MS Sans Serif 8",
                               "MS Sans Serif 8", "Courier New 14", "Courier New 12", "Courier New 10",
                               "Courier New 8"};
    QTest::newRow("mode 1 at 96") << 1 << 96 << mode1;
    QTest::newRow("mode 1 at 144") << 1 << 144 << mode1;
    QTest::newRow("mode 2 at 96") << 2 << 96 << (mode2 + QStringList{"Small Fonts 7", "6"});
    QTest::newRow("mode 2 at 144") << 2 << 144 << (mode2 + QStringList{"MS Sans Serif 8", "6"});
    QTest::newRow("mode 3 at 96") << 3 << 96 << mode3;
    QTest::newRow("mode 3 at 144") << 3 << 144 << mode3;
}

void TestCellDrawFonts::fontTable()
{
    QFETCH(int, mode);
    QFETCH(int, ppi);
    QFETCH(QStringList, expected);

    FontScheme = FontSchemeValues{};
    QVERIFY(SetFontSchemeValues(mode, ppi));
    auto text = [](const FontPair& pair) { return pair.Name + " " + QString::number(pair.Size); };
    const FontSchemeValues& s = FontScheme;
    const QStringList actual = {text(s.Header),      text(s.Alphabet),   text(s.Main),
                                text(s.Grid),        text(s.Small),      text(s.LargeLetter),
                                text(s.Letter),      text(s.SmallLetter), text(s.TinyLetter),
                                text(s.ClueNumber),  QString::number(s.SmallClueNumberSize)};
    QCOMPARE(actual, expected);

    // The named globals every screen reads are the same pairs.
    QCOMPARE(HeaderFontName, s.Header.Name);
    QCOMPARE(HeaderFontSize, s.Header.Size);
    QCOMPARE(AlphabetFontName, s.Alphabet.Name);
    QCOMPARE(MainFontName + " " + QString::number(MainFontSize), expected[2]);
    QCOMPARE(GridFontName + " " + QString::number(GridFontSize), expected[3]);
    QCOMPARE(SmallFontName + " " + QString::number(SmallFontSize), expected[4]);
    QCOMPARE(LargeLetterFontName + " " + QString::number(LargeLetterFontSize), expected[5]);
    QCOMPARE(LetterFontName + " " + QString::number(LetterFontSize), expected[6]);
    QCOMPARE(SmallLetterFontName + " " + QString::number(SmallLetterFontSize), expected[7]);
    QCOMPARE(TinyLetterFontName + " " + QString::number(TinyLetterFontSize), expected[8]);
    QCOMPARE(ClueNumberFontName + " " + QString::number(ClueNumberFontSize), expected[9]);
    QCOMPARE(QString::number(SmallClueNumberFontSize), expected[10]);

    // MakeFont asks for the face and point size of the pair.
    const QFont header = MakeFont(s.Header, true);
    QCOMPARE(header.family(), s.Header.Name);
    QCOMPARE(header.pointSize(), s.Header.Size);
    QVERIFY(header.bold());
}

void TestCellDrawFonts::clueNumberFaceSwitchesAbove120Dpi()
{
    QVERIFY(SetFontSchemeValues(2, 120));
    QCOMPARE(ClueNumberFontName, QString("Small Fonts"));
    QCOMPARE(ClueNumberFontSize, 7);
    QVERIFY(SetFontSchemeValues(2, 121));
    QCOMPARE(ClueNumberFontName, QString("MS Sans Serif"));
    QCOMPARE(ClueNumberFontSize, 8);
    QCOMPARE(SmallClueNumberFontSize, 6);
}

void TestCellDrawFonts::otherModesChangeNothing()
{
    QVERIFY(SetFontSchemeValues(3, 96));
    const FontSchemeValues before = FontScheme;
    for (int mode : {0, 4, -1, 255}) {
        QVERIFY(!SetFontSchemeValues(mode, 96));
        QCOMPARE(FontScheme.Header.Name, before.Header.Name);
        QCOMPARE(FontScheme.Header.Size, before.Header.Size);
        QCOMPARE(FontScheme.Main.Size, before.Main.Size);
        QCOMPARE(FontScheme.Grid.Name, before.Grid.Name);
        QCOMPARE(FontScheme.LargeLetter.Size, before.LargeLetter.Size);
        QCOMPARE(FontScheme.ClueNumber.Name, before.ClueNumber.Name);
        QCOMPARE(FontScheme.SmallClueNumberSize, before.SmallClueNumberSize);
    }
}

void TestCellDrawFonts::spanishLettersRoundTrip()
{
    const QString letters = QString::fromUtf8("áéíóúñü¿¡€ÁÉÍÓÚÑÜ");
    const std::string bytes = FromQt(letters);
    QCOMPARE(bytes, std::string("\xE1\xE9\xED\xF3\xFA\xF1\xFC\xBF\xA1\x80\xC1\xC9\xCD\xD3\xDA\xD1\xDC"));
    QCOMPARE(ToQt(bytes), letters);

    const QString sentence = QString::fromUtf8("¿Dónde está el niño? ¡Aquí! 5 €");
    QCOMPARE(ToQt(FromQt(sentence)), sentence);
    QCOMPARE(FromQt(sentence).size(), size_t(sentence.size()));  // one byte a letter
}

void TestCellDrawFonts::charactersOutsideWindows1252BecomeQuestionMarks()
{
    QCOMPARE(FromQt(QString::fromUtf8("añoЖ")), std::string("a\xF1o?"));
    QCOMPARE(FromQt(QString::fromUtf8("łę")), std::string("??"));
    QCOMPARE(FromQt(QString()), std::string());
    QCOMPARE(ToQt(std::string_view()), QString());

    // A stored text: a pasted break is a blank; a character it cannot keep is named readably.
    std::string out = "unchanged";
    QVERIFY(StoredTextFromQt(QString::fromUtf8("ni\u00F1o\r\ngris\t"), out));
    QCOMPARE(out, std::string("ni\xF1o gris"));
    for (const auto& [text, name] : {std::pair<const char*, const char*>{"a\u0142b", "\u0142"},
                                     {"a\U0001F600", "\U0001F600"}, {"a\x7F", "U+007F"}, {"a\u2028", "U+2028"}}) {
        QString named;
        QVERIFY(!StoredTextFromQt(QString::fromUtf8(text), out, &named));
        QCOMPARE(named, QString::fromUtf8(name));
        QCOMPARE(out, std::string("ni\xF1o gris"));
    }
}

QTEST_MAIN(TestCellDrawFonts)
#include "test_celldraw_fonts.moc"

#pragma once
// Printing in tests: the print dialog's seam answered with an A4 PDF file, and the page read
// back with poppler's pdftotext (words with their boxes, in points from the page's top left).

#include "Platform.h"
#include "PrintJob.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

struct PdfWord {
    QString Text;
    QRectF Box;
};

struct PdfPage {
    QString Title;
    int Pages = 0;
    QList<PdfWord> Words;

    QString Text() const  // the words in the file's order, joined by blanks
    {
        QStringList texts;
        for (const PdfWord& w : Words)
            texts << w.Text;
        return texts.join(' ');
    }
    // The words of that text (any when empty) whose centre lies in the area.
    QList<PdfWord> Find(const QString& text, const QRectF& area = QRectF(0, 0, 1e4, 1e4)) const
    {
        QList<PdfWord> found;
        for (const PdfWord& w : Words)
            if ((text.isEmpty() || w.Text == text) && area.contains(w.Box.center()))
                found << w;
        return found;
    }
    // The characters of the words in the area, sorted: what a grid of letters holds.
    QString Letters(const QRectF& area) const
    {
        QString s;
        for (const PdfWord& w : Find({}, area))
            s += w.Text;
        std::sort(s.begin(), s.end());
        return s;
    }
};

inline QString Sorted(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

inline PdfPage ReadPdf(const QString& path)
{
    PdfPage page;
    QProcess p;
    p.start("pdftotext", {"-bbox", path, "-"});
    p.waitForFinished(30000);
    QString html = QString::fromUtf8(p.readAllStandardOutput());
    html.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'").replace("&amp;", "&");
    page.Title = QRegularExpression("<title>(.*)</title>").match(html).captured(1);
    page.Pages = html.count("<page ");
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re");
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        page.Words << PdfWord{m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))};
    }
    return page;
}

// The first page rendered by poppler's pdftoppm at 72 dots per inch: one pixel per point, so
// a position from PdfPage or PdfPrinter::At is a pixel position.
inline QImage RenderPdf(const QString& path)
{
    const QString prefix = path + ".render";
    QProcess p;
    p.start("pdftoppm", {"-png", "-r", "72", "-singlefile", path, prefix});
    p.waitForFinished(30000);
    return QImage(prefix + ".png");
}

// While it lives, answers the print dialog with a PDF file at Path (or a cancel), counting the
// dialogs and keeping the printable area the page is drawn in, in points.
struct PdfPrinter {
    explicit PdfPrinter(const QString& path, bool confirm = true) : Path(path)
    {
        QFile::remove(Path);
        SetPrintDialogAnswer([this, confirm](QPrinter& printer, QWidget*) {
            ++Dialogs;
            printer.setOutputFileName(Path);
            printer.setPageSize(QPageSize(QPageSize::A4));
            PaintRect = printer.pageLayout().paintRect(QPageLayout::Point);
            return confirm;
        });
    }
    ~PdfPrinter() { SetPrintDialogAnswer(nullptr); }
    QString Path;
    int Dialogs = 0;
    QRectF PaintRect;

    // The page in printer pixels, and a printer pixel position in points on the page.
    int PixelWidth() const { return qRound(PaintRect.width() * PrintResolution / 72); }
    int PixelHeight() const { return qRound(PaintRect.height() * PrintResolution / 72); }
    double X(double px) const { return PaintRect.left() + px * 72 / PrintResolution; }
    double Y(double px) const { return PaintRect.top() + px * 72 / PrintResolution; }
    QPointF At(double x, double y) const { return {X(x), Y(y)}; }
    QRectF Points(const QRect& px) const { return {At(px.left(), px.top()), At(px.x() + px.width(), px.y() + px.height())}; }
};

// The area (points), split into cols x rows even cells, holds in each cell the words of
// its own text (cell (c, r) holds texts[c * rows + r]) read line by line, and no other word;
// each word wholly inside its cell: none cut at an edge, pushed out of its area, run past its
// row or over another's. With `hanging`, a wrapped line starts under the first line's text,
// right of a clue's number. Counts the cells that wrap, and keeps each cell's word height.
struct CellWords {
    int Wrapped = 0;
    double Smallest = 1e9;
    QMap<int, double> Height;  // the smallest word height of each cell that holds words
    QMap<int, double> Width;   // the widths of its lines, added up
    double CellWidth = 0;

    // Only an entry too wide for its cell on one line at the list's size (a word height) is
    // smaller: scaled up to that size, its lines laid end to end overrun the cell.
    void CheckShrunkOnlyWhenTooWide(double listHeight, const QStringList& texts) const
    {
        for (auto it = Height.begin(); it != Height.end(); ++it)
            if (it.value() < listHeight - 0.05)
                QVERIFY2(Width[it.key()] * listHeight / it.value() > CellWidth * 0.85,
                         qPrintable(texts.value(it.key()) + " shrunk though it fits"));
    }
};
inline void CheckWordsInCells(const PdfPage& page, const QRectF& pt, int cols, int rows, const QStringList& texts,
                              CellWords& found, bool hanging = true)
{
    const double w = pt.width() / cols, h = pt.height() / rows;
    found.CellWidth = w;
    QMap<int, QList<PdfWord>> cells;
    for (const PdfWord& word : page.Find({}, pt)) {
        const int c = std::min(int((word.Box.center().x() - pt.left()) / w), cols - 1);
        const int r = std::min(int((word.Box.center().y() - pt.top()) / h), rows - 1);
        const QRectF cell(pt.left() + c * w, pt.top() + r * h, w, h);
        QVERIFY2(cell.adjusted(-0.5, -0.5, 0.5, 0.5).contains(word.Box), qPrintable(word.Text));
        cells[c * rows + r] << word;
    }
    for (int i = 0; i < cols * rows; ++i) {
        QList<PdfWord> in = cells.value(i);
        // Lines top to bottom, each read left to right.
        std::sort(in.begin(), in.end(), [](const PdfWord& a, const PdfWord& b) { return a.Box.top() < b.Box.top(); });
        QList<QList<PdfWord>> lines;
        for (const PdfWord& word : in) {
            if (lines.isEmpty() || word.Box.top() > lines.last()[0].Box.top() + 0.5)
                lines.append(QList<PdfWord>());
            lines.last() << word;
        }
        QStringList read;
        for (QList<PdfWord>& line : lines) {
            std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.Box.left() < b.Box.left(); });
            for (const PdfWord& word : line) {
                read << word.Text;
                found.Smallest = std::min(found.Smallest, word.Box.height());
                found.Height[i] = std::min(found.Height.value(i, 1e9), word.Box.height());
            }
            found.Width[i] += line.last().Box.right() - line.first().Box.left();
        }
        QCOMPARE(read.join(' '), texts.value(i).simplified());
        if (lines.size() < 2)
            continue;
        ++found.Wrapped;
        if (!hanging)
            continue;
        const QList<PdfWord>& first = lines[0];
        static const QRegularExpression number(R"(^\d+\.$)");
        const double indent = (first.size() > 1 && number.match(first[0].Text).hasMatch() ? first[1] : first[0]).Box.left();
        for (qsizetype l = 1; l < lines.size(); ++l)
            QVERIFY2(std::abs(lines[l][0].Box.left() - indent) < 0.6, qPrintable(texts.value(i) + ": a line not under its text"));
    }
}

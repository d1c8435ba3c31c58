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
};

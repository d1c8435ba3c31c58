#pragma once
// Printing in tests: the print dialog's seam answered with a PDF file, and the page read back
// with poppler's pdftotext (words with their boxes, in points from the page's top left).

#include "Platform.h"
#include "PrintJob.h"

#include <QFile>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

struct PdfWord {
    QString Text;
    QRectF Box;
};

struct PdfPage {
    QString Title;
    int Pages = 0;
    QSizeF Size;
    QList<PdfWord> Words;

    // The words in reading order of the file, joined by single blanks.
    QString Text() const
    {
        QStringList texts;
        for (const PdfWord& w : Words)
            texts << w.Text;
        return texts.join(' ');
    }
    QList<PdfWord> Find(const QString& text) const
    {
        QList<PdfWord> found;
        for (const PdfWord& w : Words)
            if (w.Text == text)
                found << w;
        return found;
    }
};

inline QString UnescapeXml(QString s)
{
    return s.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'").replace("&amp;", "&");
}

inline PdfPage ReadPdf(const QString& path)
{
    PdfPage page;
    QProcess p;
    p.start("pdftotext", {"-bbox", path, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return page;
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression title("<title>(.*)</title>");
    page.Title = UnescapeXml(title.match(html).captured(1));
    static const QRegularExpression pageTag(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    for (auto it = pageTag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        page.Size = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        ++page.Pages;
    }
    static const QRegularExpression word(
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">(.*?)</word>)re");
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        page.Words << PdfWord{UnescapeXml(m.captured(5)), QRectF(topLeft, bottomRight)};
    }
    return page;
}

// Answers the print dialog with an A4 PDF file at path (or a cancel), counting the dialogs
// and keeping the printable area the page is drawn in, in points.
struct PdfPrinter {
    explicit PdfPrinter(const QString& path) : Path(path) {}
    QString Path;
    bool Confirm = true;
    int Dialogs = 0;
    QRectF PaintRect;

    void Arm()
    {
        QFile::remove(Path);
        SetPrintDialogAnswer([this](QPrinter& printer, QWidget*) {
            ++Dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Path);
            printer.setPageSize(QPageSize(QPageSize::A4));
            PaintRect = printer.pageLayout().paintRect(QPageLayout::Point);
            return Confirm;
        });
    }
    ~PdfPrinter() { SetPrintDialogAnswer(nullptr); }

    // The printer pixels of the page's width and height (the printouts lay out in these).
    int PixelWidth() const { return qRound(PaintRect.width() * PrintResolution / 72); }
    int PixelHeight() const { return qRound(PaintRect.height() * PrintResolution / 72); }
    // A printer pixel position to points on the page.
    double X(double px) const { return PaintRect.left() + px * 72 / PrintResolution; }
    double Y(double px) const { return PaintRect.top() + px * 72 / PrintResolution; }
};

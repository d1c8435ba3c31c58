#include "PrintJob.h"

#include "CellDraw.h"
#include "Platform.h"
#include "ShowMsg.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cmath>

int RoundQuotient(double numerator, double denominator)
{
    if (denominator == 0)
        return 0;
    return static_cast<int>(std::nearbyint(numerator / denominator));  // the default mode: halves to even
}

bool PrintOnePage(QWidget* parent, const QString& jobTitle, const std::function<void(int pageWidth, int pageHeight)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!RunPrintDialog(printer, parent))
        return false;
    // The page is portrait whatever the dialog was set to.
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setResolution(PrintResolution);

    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer)) {
        ShowMessageForm(frmShowMsg, PrinterNotStartedMessage, 0);
        return false;
    }
    QPainter* const savedCanvas = CellCanvas;
    CellCanvas = &painter;
    painter.setPen(QPen(Qt::black));
    painter.setBrush(Qt::white);
    paint(painter.device()->width(), painter.device()->height());
    CellCanvas = savedCanvas;
    const bool finished = painter.end() && printer.printerState() != QPrinter::Error;
    if (!finished) {
        ShowMessageForm(frmShowMsg, PrinterNotFinishedMessage, 0);
        return false;
    }
    return true;
}

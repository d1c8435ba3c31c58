#include "ScreenForm.h"

#include "AppGlobals.h"
#include "QtText.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

TScreenForm::TScreenForm(QWidget* mainWindow) : QWidget(mainWindow)
{
    hide();
    SetBackground(this, ColorMainWindow);
    setGeometry(PageLeft, PageTop, PageWidth, PageHeight);
}

void TScreenForm::FormShow()
{
    ++formShowCount_;
    OnFormShow();
    FormResize();
}

void TScreenForm::FormResize()
{
    if (!FormsReady)
        return;
    FitToPage();
    OnFormResize();
}

void TScreenForm::FitToPage()
{
    setGeometry(PageLeft, PageTop, PageWidth, PageHeight);
}

void SetWindowColour(QWidget* w, const QColor& colour)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

void SetBackground(QWidget* w, uint32_t bgr)
{
    SetWindowColour(w, BlueHigh(bgr));
}

QFrame* ColouredFrame(QWidget* parent, const QString& name, uint32_t bgr)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    SetBackground(frame, bgr);
    return frame;
}

QFrame* BoxFrame(QWidget* parent, const QString& name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Box);
    return frame;
}

QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& text)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

QPushButton* MakePushButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

std::function<void(const FontFit&)> FontFitWatcher;

QList<QFont> PointSteps(QFont font, int minPointSize)
{
    QList<QFont> ladder{font};
    while (font.pointSize() > minPointSize) {
        font.setPointSize(font.pointSize() - 1);
        ladder << font;
    }
    return ladder;
}

namespace {

FittedFont FirstFitting(const QList<QFont>& ladder, const QStringList& texts,
                        const std::function<bool(const QFontMetrics&)>& fits)
{
    if (ladder.isEmpty())
        return {QFont(), 0};
    int step = 0;
    while (step + 1 < ladder.size() && !fits(QFontMetrics(ladder[step])))
        ++step;
    if (FontFitWatcher)
        FontFitWatcher({ladder[0], ladder[step], texts, fits(QFontMetrics(ladder[0]))});
    return {ladder[step], step};
}

}  // namespace

FittedFont FontFittingOneRow(const QList<QFont>& ladder, const QStringList& captions, int extra, int width)
{
    return FirstFitting(ladder, captions, [&](const QFontMetrics& fm) {
        int used = 0;
        for (const QString& caption : captions)
            used += fm.horizontalAdvance(caption) + extra;
        return used <= width;
    });
}

FittedFont FontFittingEachLine(const QList<QFont>& ladder, const QStringList& lines, int width, int height)
{
    return FirstFitting(ladder, lines, [&](const QFontMetrics& fm) {
        return fm.height() <= height &&
               std::all_of(lines.begin(), lines.end(), [&](const QString& line) { return fm.horizontalAdvance(line) <= width; });
    });
}

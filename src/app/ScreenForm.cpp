#include "ScreenForm.h"

#include "AppGlobals.h"
#include "QtText.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

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

QFont FontToFit(QFont font, const QStringList& captions, int extra, int room)
{
    for (;;) {
        const QFontMetrics fm(font);
        int width = 0;
        for (const QString& caption : captions)
            width += fm.horizontalAdvance(caption) + extra;
        if (width <= room || font.pointSize() <= 6)
            return font;
        font.setPointSize(font.pointSize() - 1);
    }
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

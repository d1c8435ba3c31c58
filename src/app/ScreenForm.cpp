#include "ScreenForm.h"

#include "AppGlobals.h"
#include "QtText.h"

TScreenForm::TScreenForm(QWidget* mainWindow) : QWidget(mainWindow)
{
    hide();
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, BlueHigh(ColorMainWindow));
    setPalette(pal);
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

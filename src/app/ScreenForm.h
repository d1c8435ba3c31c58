#pragma once
// The frame of every screen: a borderless child of the main window laid in the page
// rectangle, created once and afterwards only shown and hidden.

#include <QWidget>

class TScreenForm : public QWidget {
    Q_OBJECT
public:
    explicit TScreenForm(QWidget* mainWindow);

    // Refreshes the screen from the tables and Preferences and lays it out.
    void FormShow();
    // Lays the screen out in the page rectangle; nothing while the forms are not ready.
    void FormResize();

    int FormShowCount() const { return formShowCount_; }

protected:
    virtual void OnFormShow() {}
    virtual void OnFormResize() {}
    // Fits the form to the page rectangle.
    void FitToPage();

private:
    int formShowCount_ = 0;
};

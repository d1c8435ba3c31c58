#pragma once
// The Quick Hints window: a window of its own below the main window (moving the main window up
// to make room when it must) that explains the screen on view and follows every change of
// screen and of a screen's sub-mode while it is open.

#include "OptionsRules.h"

#include <QWidget>

#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TfrmMain;

class TfrmQuickHints : public QWidget {
    Q_OBJECT
public:
    explicit TfrmQuickHints(TfrmMain* main);
    ~TfrmQuickHints() override;

    // The main window's bounds to return to when the window hides.
    int32_t SavedMainTop = 0, SavedMainHeight = 0, SavedMainLeft = 0, SavedMainWidth = 0;
    uint8_t Positioned = 0;  // placed since it was last opened
    HintLineBuffer HintLines;

    QLabel* lblHeader;
    QPushButton* bnClose;
    QPlainTextEdit* mmHints;
    QLabel* lblTest;

    // Stores the main window's present bounds as the ones to return to.
    void SaveMainBounds();
    // Places the window when it is not placed yet and shows the text of the screen on view.
    void FormShow();
    void FormResize();
    void bnCloseClick();

    // The topic the text was written for: the main window's screen and its sub-mode.
    int TopicScreen() const { return topicScreen_; }
    int TopicSubMode() const { return topicSubMode_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Place();
    // The main window's frame as the window manager will have it.
    QRect MainFrame() const;
    void SetFrameGeometry(const QRect& frame);
    void FormHide();

    TfrmMain* main_;
    bool changingFlags_ = false;
    int topicScreen_ = 0;
    int topicSubMode_ = 0;
};

extern TfrmQuickHints* frmQuickHints;
extern QString HintTitle;  // the title of the text on view

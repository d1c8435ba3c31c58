#pragma once
// The program's one top-level window: a tool bar of painted boxes above the page on which
// exactly one screen is visible at a time.

#include "WindowRules.h"

#include "LX_Data.h"

#include <QWidget>

#include <array>

class QFrame;
class QTimer;
class TScreenForm;
class TfrmMain;
class TfrmOptions;

// One painted tool-bar box; a click goes to the main window.
class TToolBarBox : public QWidget {
    Q_OBJECT
public:
    TToolBarBox(TfrmMain* main, int index, QWidget* parent);
    const int Index;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TfrmMain* main_;
};

// Screen numbers; a tool-bar box's screen is ScreenOfBox(box).
enum ScreenNumber : int {
    ScreenNone = 0,
    ScreenWordLists = 1,
    ScreenWordTests = 2,
    ScreenCrosswords = 3,
    ScreenWordGames = 4,
    ScreenWordSearch = 5,
    ScreenBoardGame = 6,
    ScreenCustomLists = 7,
    ScreenOptions = 8,
    ScreenAbout = 10,
};
constexpr int BoxHelp = 8;
constexpr int BoxHints = 9;
constexpr int BoxAbout = 10;
int ScreenOfBox(int box);  // 0 for Help and Hints
// What start-up tells of a data file it could not read, and the name it was kept under (empty
// when it could not be moved aside).
QString DamagedDataFileMessage(const QString& keptAs);

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // programDir: where the data file lives; empty for the folder of the program file.
    explicit TfrmMain(const QString& programDir = QString());
    ~TfrmMain() override;

    QWidget* PanelToolBar;
    QFrame* PanelHide;
    QTimer* TimerStart;
    std::array<TToolBarBox*, ToolBarBoxCount> Boxes{};
    std::array<TScreenForm*, 11> Screens{};  // by screen number; null where a screen is not built
    TfrmOptions* frmOptions = nullptr;

    TScreenForm* CurrentScreenForm = nullptr;
    int CurrentScreen = ScreenNone;
    int UsableScreenHeight = 0;

    // The sub-mode of the screen on view, for its hints and its help page; the start-up
    // Options pages count as Options.
    int TopicSubMode() const;

    void FormShow();
    void TimerStartTimer();
    void StartUp();
    void DefaultWindowSize();
    void RestoreWindow();
    void EnsureFonts();
    void ApplyFontScheme();

    void ChangeScreenClick(int screen);
    void ShowCurrentScreen();
    ResizeDecision FormCanResize(int newWidth, int newHeight);
    void FormResize();
    void MainPaint(TToolBarBox* box);
    void bnHelpClick();
    void bnHintsClick();
    void FormClose();
    // The closing steps but the hints: what a session manager asks before a logout. When the
    // session is ending nobody may be there to answer a message, so a failure goes to standard
    // error instead.
    void SaveSession(bool sessionEnding = false);
    // Closes the window as its close box does, once, when the session ends.
    void EndSession();
    // A resize the program makes (not the user): no minimum-size message.
    void ResizeWindow(int width, int height);

    bool StartedUp() const { return startedUp_; }
    int ToolBarHeight() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void ToolBarBoxClick(int box);
    int PixelsPerInch() const;
    void SetWindowPlacement(const WindowPlacement& p);
    DataFileState LoadAndSizeWindow();
    void ReportResizeRefusal(const ResizeDecision& d);
    void UpdateMinimumSize(int forWidth, int forHeight);
    // A first-run or restored placing made before the window's frame was known.
    enum class PendingPlace { None, Default, Restored };
    void PlaceWhenFramed(PendingPlace pending);
    void PlaceOnceFramed();
    // The window's frame, or a usual one until the window manager has framed it.
    QMargins PlacingFrame() const;
    void KeepKeyboardOnTop();

    bool shown_ = false;
    bool startedUp_ = false;
    bool adjustingSize_ = false;
    bool closed_ = false;
    bool endingSession_ = false;
    PendingPlace placeWhenFramed_ = PendingPlace::None;
    QTimer* frameWatch_ = nullptr;
    int framePolls_ = 0;
    MinimumSize smallest_ = SmallestWindowSize;  // below 800 x 600 only on a screen too small for it
};

extern TfrmMain* frmMain;

#include "LX_PuzzlesMain.h"

#include "AppGlobals.h"
#include "CellDraw.h"
#include "FilePaths.h"
#include "FontScheme.h"
#include "LX_Options.h"
#include "LX_QuickHints.h"
#include "LX_Upgrade.h"
#include "Platform.h"
#include "QtText.h"
#include "QuickHintsRules.h"
#include "ScreenForm.h"
#include "ShowMsg.h"
#include "ToolBarGlyphs.h"
#include "LX_WordLists.h"

#include "LX_WordTests.h"

#include "LX_Crosswords.h"

#include "LX_WordGames.h"

#include "LX_WordSearch.h"

#include "LX_BoardGame.h"

#include "LX_CustomLists.h"


#include "GridTemplates.h"
#include "LX_Data.h"
#include "LX_Globals.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

#include <cstdio>

TfrmMain* frmMain = nullptr;


int ScreenOfBox(int box)
{
    if (box >= 0 && box < 8)
        return box + 1;
    return box == BoxAbout ? ScreenAbout : ScreenNone;
}

TToolBarBox::TToolBarBox(TfrmMain* main, int index, QWidget* parent) : QWidget(parent), Index(index), main_(main)
{
    setObjectName(QStringLiteral("toolBarBox%1").arg(index));
    setCursor(Qt::PointingHandCursor);
}

void TToolBarBox::paintEvent(QPaintEvent*)
{
    main_->MainPaint(this);
}

void TToolBarBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(Index);
}

TfrmMain::TfrmMain(const QString& programDir)
{
    frmMain = this;
    MainWindow = this;
    IgnoreFileSizeLimitSignal();
    ProgramDir = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
    DataFilePath = LocalPath(ProgramDir + "/Lexory.dat");
    setWindowTitle("Lexory");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, BlueHigh(ColorMainWindow));
    setPalette(pal);
    setMinimumSize(800, 600);
    resize(1000, 720);
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    if (frmMain == this)
        frmMain = nullptr;
    if (MainWindow == this)
        MainWindow = nullptr;
}

int TfrmMain::PixelsPerInch() const
{
    return CurrentScreenFigures().PixelsPerInch;
}

void TfrmMain::FormCreate()
{
    CurrentScreenForm = nullptr;
    FormsReady = 0;

    PanelToolBar = new QWidget(this);
    PanelToolBar->setObjectName("PanelToolBar");
    PanelToolBar->setAutoFillBackground(true);
    QPalette white = PanelToolBar->palette();
    white.setColor(QPalette::Window, Qt::white);
    PanelToolBar->setPalette(white);
    PanelToolBar->setGeometry(0, 0, width(), 55);
    for (int i = 0; i < ToolBarBoxCount; ++i) {
        Boxes[i] = new TToolBarBox(this, i, PanelToolBar);
        connect(Boxes[i], &TToolBarBox::clicked, this, &TfrmMain::ToolBarBoxClick);
    }
    Boxes[BoxAbout]->hide();  // shown once start-up has built the tables
    PanelToolBar->raise();

    LayoutExtraWidth = LayoutExtraWidthFor(PixelsPerInch());

    const QRect usable = UsableArea(CurrentScreenFigures());
    MoveWindowFrame(this, {usable.left() + std::max(0, (usable.width() - width()) / 2),
                           usable.top() + std::max(0, (usable.height() - height()) / 2)});

    PanelHide = new QFrame(this);
    PanelHide->setObjectName("PanelHide");
    PanelHide->setAutoFillBackground(true);
    QPalette silver = PanelHide->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    PanelHide->setPalette(silver);
    PanelHide->setGeometry(-1, -1, PanelToolBar->width() + 1, PanelToolBar->height() + 1);
    PanelHide->show();
    PanelHide->raise();

    // The screens, in the order they are created; each lays itself in the page rectangle.
    Screens[ScreenWordLists] = new TfrmWordLists(this);

    Screens[ScreenWordTests] = new TfrmWordTests(this);

    Screens[ScreenCrosswords] = new TfrmCrosswords(this);

    Screens[ScreenWordGames] = new TfrmWordGames(this);

    Screens[ScreenWordSearch] = new TfrmWordSearch(this);

    Screens[ScreenBoardGame] = new TfrmBoardGame(this);

    Screens[ScreenCustomLists] = new TfrmCustomLists(this);

    frmOptions = new TfrmOptions(this);
    Screens[ScreenOptions] = frmOptions;
    frmOptions->installEventFilter(this);
    new TfrmQuickHints(this);
    Screens[ScreenAbout] = new TfrmUpgrade(this);

    frameWatch_ = new QTimer(this);
    frameWatch_->setInterval(100);
    connect(frameWatch_, &QTimer::timeout, this, &TfrmMain::PlaceOnceFramed);

    TimerStart = new QTimer(this);
    TimerStart->setInterval(1);
    TimerStart->setSingleShot(true);
    connect(TimerStart, &QTimer::timeout, this, &TfrmMain::TimerStartTimer);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &TfrmMain::bnHelpClick);

    PanelToolBar->hide();
    QuickHintsOpen = 0;
    FormsReady = 1;
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
    TimerStart->start();
}

void TfrmMain::FormShow()
{
    // Whatever panels the desktop has, at any edge.
    UsableScreenHeight = UsableArea(CurrentScreenFigures()).height();
    PanelToolBar->show();
    // This first read, before the tables exist, serves the window geometry only.
    LoadAndSizeWindow();
}

DataFileState TfrmMain::LoadAndSizeWindow()
{
    const DataFileState found = LoadDataFile();
    if (Preferences.PrefsValid)
        RestoreWindow();
    else
        DefaultWindowSize();
    return found;
}

QString DamagedDataFileMessage(const QString& keptAs)
{
    const QString found = "The data file Lexory.dat could not be read: it is damaged or cannot be opened.\n\r\n\r";
    if (keptAs.isEmpty())
        return found + "The program starts afresh with its first settings. The data file could not be moved "
                       "aside, so it is left as it is and nothing changed in this session will be saved.";
    // The name stands on a line of its own, so that wrapping never splits it.
    return found + "The program starts afresh with its first settings. The data file has been kept unchanged in "
                   "the program's folder, under the name\n\r\n\r" + keptAs;
}

void TfrmMain::TimerStartTimer()
{
    EnsureFonts();
    Preferences.FontSizeMode = 2;
    ApplyFontScheme();
    TimerStart->stop();
    PanelHide->hide();
    if (PixelsPerInch() > 120)
        ShowMessageForm(frmShowMsg,
                        "Your computer font size is set at extra large fonts.\n\r\n\r"
                        "The program is optimized for regular and large fonts.\n\r\n\r"
                        "All text will be easily readable, but using this font size may result in some "
                        "characters being truncated at the bottom of the text.",
                        0);
    FormsReady = 1;
    PanelToolBar->show();
    StartUp();
}

void TfrmMain::StartUp()
{
    InitWordTables();
    InitGridTemplates();
    PanelToolBar->show();
    // The read that counts. A file that holds something unreadable is moved aside before
    // anything can be saved over it.
    QString damaged;
    if (LoadAndSizeWindow() == DataFileState::Damaged)
        damaged = DamagedDataFileMessage(PathText(KeepDamagedDataFile()));
    ApplyFontScheme();
    PanelToolBar->setFont(MakeFont(FontScheme.Small));
    Boxes[BoxAbout]->show();

    if (Preferences.PrefsValid) {
        frmOptions->ShowOverviewPage = Preferences.ShowOverview;
        frmOptions->ShowSetupPage = 0;
        RestoreWindow();
        ApplyFontScheme();
        PanelToolBar->show();
        Preferences.WindowHeight = height();
        Preferences.WindowWidth = width();
        MoveWindowFrame(this, WindowPlaceOnScreens(AllScreenFigures(), Preferences.WindowLeft, Preferences.WindowTop,
                                                   width(), height(), PlacingFrame()));
    } else {
        DefaultWindowSize();
        ApplyFontScheme();
        frmOptions->ShowOverviewPage = 1;
        frmOptions->ShowSetupPage = 1;
    }

    CurrentScreenForm = Screens[ScreenWordLists];
    if (CurrentScreenForm)
        CurrentScreenForm->show();
    startedUp_ = true;
    if (!frmOptions->ShowOverviewPage && !frmOptions->ShowSetupPage) {
        CurrentScreen = ScreenWordLists;
        ShowCurrentScreen();
    } else {
        CurrentScreen = ScreenNone;
        frmOptions->OpenedAtStart = 1;
        frmOptions->show();
        frmOptions->raise();
        frmOptions->FormShow();
        ShowCurrentScreen();
    }
    PanelToolBar->update();
    if (!damaged.isEmpty())
        ShowMessageForm(frmShowMsg, damaged, 0);
}

void TfrmMain::SetWindowPlacement(const WindowPlacement& p)
{
    Preferences.FontSizeMode = p.FontSizeMode;
    // A placing smaller than 800 x 600 is one a small screen forced: the window may be that small.
    smallest_ = {std::min(p.Width, SmallestWindowSize.Width), std::min(p.Height, SmallestWindowSize.Height)};
    UpdateMinimumSize(p.Width, p.Height);
    adjustingSize_ = true;
    resize(p.Width, p.Height);
    MoveWindowFrame(this, {p.Left, p.Top});
    adjustingSize_ = false;
    FormResize();
}

QMargins TfrmMain::PlacingFrame() const
{
    const QMargins known = WindowFrameMargins(this);
    return known.isNull() ? EstimatedFrame : known;
}

void TfrmMain::DefaultWindowSize()
{
    PlaceWhenFramed(WindowFrameMargins(this).isNull() ? PendingPlace::Default : PendingPlace::None);
    SetWindowPlacement(DefaultWindowPlacement(CurrentScreenFigures(), PlacingFrame()));
}

void TfrmMain::RestoreWindow()
{
    const QMargins frame = PlacingFrame();
    PlaceWhenFramed(WindowFrameMargins(this).isNull() ? PendingPlace::Restored : PendingPlace::None);
    const SavedGeometry saved{Preferences.WindowLeft, Preferences.WindowTop, Preferences.WindowWidth,
                              Preferences.WindowHeight, Preferences.FontSizeMode};
    SetWindowPlacement(RestoredWindowPlacement(saved, AllScreenFigures(), frame));
}

void TfrmMain::PlaceWhenFramed(PendingPlace pending)
{
    // Before the window manager has framed the window its frame is not known: the window is
    // placed for a usual frame, and again, once, when its own is known.
    // Some window managers frame a window without moving it: a bounded watch stands in for the
    // move that would tell.
    placeWhenFramed_ = pending;
    if (pending == PendingPlace::None) {
        frameWatch_->stop();
        return;
    }
    framePolls_ = 0;
    frameWatch_->start();
}

void TfrmMain::PlaceOnceFramed()
{
    if (placeWhenFramed_ == PendingPlace::None)
        return;
    if (WindowFrameMargins(this).isNull()) {
        if (++framePolls_ >= 50)  // five seconds: no window manager frames it
            PlaceWhenFramed(PendingPlace::None);
        return;
    }
    const PendingPlace pending = placeWhenFramed_;
    const int mode = Preferences.FontSizeMode;
    if (pending == PendingPlace::Default)
        DefaultWindowSize();
    else
        RestoreWindow();
    PlaceWhenFramed(PendingPlace::None);
    if (startedUp_ && Preferences.FontSizeMode != mode) {
        // The font size follows the size the window now has: the page on view takes it.
        ApplyFontScheme();
        if (OptionsShown)
            frmOptions->FormShow();
        else
            ShowCurrentScreen();
    }
}

void TfrmMain::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    PlaceOnceFramed();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frmOptions && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        KeepKeyboardOnTop();
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::KeepKeyboardOnTop()
{
    // The start-up Options pages lie over Word Lists. A screen the user cannot see takes no
    // focus: Tab goes round the page on view, and no key reaches the screen beneath. (A hide of
    // the main window around the form leaves it as it is.)
    const bool optionsUp = !frmOptions->isHidden();
    for (TScreenForm* form : Screens)
        if (form && form != frmOptions)
            form->setEnabled(!optionsUp);
}

void TfrmMain::EnsureFonts()
{
    for (const QString& file : FontFilesToAdd(InstalledFontFamilies()))
        AddFontResource(ProgramDir + "/" + file);
    InstallFontSubstitutions();
}

void TfrmMain::ApplyFontScheme()
{
    SetFontSchemeValues(Preferences.FontSizeMode, PixelsPerInch());
    UpdateMinimumSize(width(), height());
    PanelToolBar->setFont(MakeFont(FontScheme.Grid));
    PanelToolBar->update();
    for (TToolBarBox* box : Boxes)
        box->update();
}

void TfrmMain::ToolBarBoxClick(int box)
{
    if (PanelHide->isVisible())
        return;  // the cover blocks the tool bar
    if (box == BoxHelp)
        bnHelpClick();
    else if (box == BoxHints)
        bnHintsClick();
    else
        ChangeScreenClick(ScreenOfBox(box));
}

void TfrmMain::ChangeScreenClick(int screen)
{
    if (CurrentScreenForm == Screens[ScreenWordLists] && frmOptions->OpenedAtStart)
        return;
    if (screen <= ScreenNone || screen >= static_cast<int>(Screens.size()) || !Screens[screen])
        return;  // a screen not built yet
    CurrentScreen = screen;
    for (TToolBarBox* box : Boxes)
        box->update();

    const bool leftOptions = CurrentScreenForm == frmOptions;
    if (CurrentScreenForm)
        CurrentScreenForm->hide();
    if (screen == ScreenOptions) {
        frmOptions->ShowSetupPage = 1;
        frmOptions->ShowOverviewPage = 0;
    }
    CurrentScreenForm = Screens[screen];
    CurrentScreenForm->show();
    CurrentScreenForm->raise();
    CurrentScreenForm->FormShow();
    if (leftOptions)
        ShowCurrentScreen();
    if (!frmOptions->OpenedAtStart)
        RefreshQuickHints();
}

void TfrmMain::ShowCurrentScreen()
{
    if (CurrentScreen == ScreenOptions) {
        frmOptions->ShowSetupPage = 1;
        frmOptions->FormShow();
        return;
    }
    if (CurrentScreen >= ScreenWordLists && CurrentScreen <= ScreenCustomLists && Screens[CurrentScreen])
        Screens[CurrentScreen]->FormShow();
}

ResizeDecision TfrmMain::FormCanResize(int newWidth, int newHeight)
{
    const ResizeDecision d =
        DecideResize(width(), height(), newWidth, newHeight, PixelsPerInch(), Preferences.FontSizeMode, smallest_);
    ReportResizeRefusal(d);
    return d;
}

void TfrmMain::ReportResizeRefusal(const ResizeDecision& d)
{
    if (d.WidthRefused)
        ShowMessageForm(frmShowMsg, "You have reached the minimum screen width for your current font size.", 0);
    if (d.HeightRefused)
        ShowMessageForm(frmShowMsg, "You have reached the minimum screen height for your current font size.", 0);
}

void TfrmMain::UpdateMinimumSize(int forWidth, int forHeight)
{
    // The toolkit's minimum holds a window-manager drag, which a resize back cannot.
    const MinimumSize min = HeldMinimumSize(PixelsPerInch(), Preferences.FontSizeMode, forWidth, forHeight, smallest_);
    setMinimumSize(min.Width, min.Height);
}

void TfrmMain::ResizeWindow(int width, int height)
{
    const bool adjusting = adjustingSize_;
    adjustingSize_ = true;
    resize(width, height);
    adjustingSize_ = adjusting;
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!adjustingSize_ && startedUp_) {
        const QSize old = event->oldSize();
        // A window manager that ignores the minimum: check the resize against the size it had.
        ResizeDecision d = DecideResize(old.width(), old.height(), width(), height(), PixelsPerInch(),
                                        Preferences.FontSizeMode, smallest_);
        if (d.Width != width() || d.Height != height()) {
            adjustingSize_ = true;
            resize(d.Width, d.Height);
            adjustingSize_ = false;
        }
        // The minimum held the drag: the user has reached it.
        const MinimumSize min = MinimumWindowSize(PixelsPerInch(), Preferences.FontSizeMode);
        d.WidthRefused = d.WidthRefused || (old.width() > min.Width && width() == min.Width);
        d.HeightRefused = d.HeightRefused || (old.height() > min.Height && height() == min.Height);
        if (d.WidthRefused || d.HeightRefused)  // the message waits until the resize is over
            QMetaObject::invokeMethod(this, [this, d] { ReportResizeRefusal(d); }, Qt::QueuedConnection);
    }
    UpdateMinimumSize(width(), height());
    FormResize();
}

int TfrmMain::ToolBarHeight() const
{
    return ToolBarHeightFor(height());
}

void TfrmMain::FormResize()
{
    if (!FormsReady)
        return;
    const int toolBarHeight = ToolBarHeight();
    PanelToolBar->setGeometry(0, 0, width(), toolBarHeight);
    PanelHide->setGeometry(-1, -1, PanelToolBar->width() + 1, PanelToolBar->height() + 1);
    if (PanelHide->isVisible())
        PanelHide->raise();

    PageWidth = std::max(width() - 9, 795);
    PageHeight = height() - toolBarHeight + 3;
    PageTop = PanelToolBar->y() + toolBarHeight;
    PageLeft = PanelToolBar->x();

    const auto spans = ToolBarBoxLayout(PanelToolBar->width());
    for (int i = 0; i < ToolBarBoxCount; ++i)
        Boxes[i]->setGeometry(spans[i].Left, 0, spans[i].Width, toolBarHeight);

    if (OptionsShown) {
        frmOptions->FormResize();
        return;
    }
    if (CurrentScreen == ScreenOptions)
        frmOptions->ShowSetupPage = 1;
    if (CurrentScreen > ScreenNone && CurrentScreen < static_cast<int>(Screens.size()) && Screens[CurrentScreen])
        Screens[CurrentScreen]->FormResize();
}

void TfrmMain::MainPaint(TToolBarBox* box)
{
    const int screen = ScreenOfBox(box->Index);
    const bool selected = screen != ScreenNone && screen == CurrentScreen;
    QPainter p(box);
    const QColor fill = BlueHigh(selected ? ColorNavy : ColorWhite);
    p.setPen(QPen(fill, 1));
    p.setBrush(fill);
    p.drawRect(box->rect().adjusted(0, 0, -1, -1));
    p.setFont(MakeFont(FontScheme.Grid, true));
    p.setPen(selected ? Qt::white : Qt::black);

    CellCanvas = &p;
    const int xHeight = p.fontMetrics().height();
    const int glyphHeight = 32;  // the Crosswords glyph sets the layout of every box
    CellX[0] = 0;
    CellX[1] = box->width() - 1;
    CellY[0] = (box->height() - glyphHeight - xHeight - 5) / 2;
    CellY[2] = box->height() - CellY[0];
    CellY[1] = CellY[2] - xHeight - 6;

    const QPixmap glyph = ToolBarGlyph(box->Index, selected);
    p.drawPixmap((box->width() - glyph.width()) / 2, (CellY[1] - glyph.height()) / 2 + 1, glyph);
    DrawCellText(0, 1, AlignCentre, AlignMiddle, ToolBarCaptions[box->Index]);
    p.setPen(Qt::black);
    p.drawLine(0, box->height() - 1, CellX[1] + 1, box->height() - 1);
    CellCanvas = nullptr;
}

void TfrmMain::bnHelpClick()
{
    // The page of the screen on view; the start-up Options pages count as Options.
    const int screen = CurrentScreen == ScreenNone ? ScreenOptions : CurrentScreen;
    OpenHelp(this, ProgramDir + "/help/" + HelpPageFor(screen, TopicSubMode()));
}

int TfrmMain::TopicSubMode() const
{
    const TScreenForm* form = CurrentScreen == ScreenNone ? frmOptions : CurrentScreenForm;
    return form ? form->HintSubMode() : 0;
}

void TfrmMain::bnHintsClick()
{
    if (!frmQuickHints)
        return;
    // While the window is open the main window may stand moved up for it: the bounds to
    // return to are those it had when the window opened.
    if (!QuickHintsOpen)
        frmQuickHints->SaveMainBounds();
    frmQuickHints->show();
    frmQuickHints->FormShow();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TfrmMain::FormClose()
{
    if (closed_)
        return;  // a signal and the close box, or the close box and the end of the event loop
    closed_ = true;
    if (QuickHintsOpen && frmQuickHints)
        frmQuickHints->close();
    SaveSession(endingSession_);
}

void TfrmMain::SaveSession(bool sessionEnding)
{
    // A damaged file that could not be kept aside: start-up said nothing will be saved.
    if (DamagedDataFileHeld())
        return;
    // The position kept is the outer frame's, which is what a move places again.
    Preferences.WindowHeight = height();
    Preferences.WindowWidth = width();
    Preferences.WindowTop = frameGeometry().top();
    Preferences.WindowLeft = frameGeometry().left();
    if (SaveDataFile())
        return;
    const QString error = "Error occurred while writing the preferences file.";
    if (sessionEnding)
        std::fprintf(stderr, "Lexory: %s\n", qPrintable(error));
    else
        ShowMessageForm(frmShowMsg, error, 0);
}

void TfrmMain::EndSession()
{
    endingSession_ = true;
    if (!closed_)
        close();
}

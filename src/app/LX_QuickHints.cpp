#include "LX_QuickHints.h"

#include "AppGlobals.h"
#include "FontScheme.h"
#include "LX_Options.h"
#include "LX_PuzzlesMain.h"
#include "Platform.h"
#include "QtText.h"
#include "QuickHintsRules.h"
#include "ScreenForm.h"

#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

TfrmQuickHints* frmQuickHints = nullptr;
QString HintTitle;

void RefreshQuickHints()
{
    if (QuickHintsOpen && frmQuickHints)
        frmQuickHints->FormShow();
}

TfrmQuickHints::TfrmQuickHints(TfrmMain* main) : QWidget(main, Qt::Window), main_(main)
{
    frmQuickHints = this;
    setObjectName("frmQuickHints");
    setWindowTitle("Quick Hints");
    SetBackground(this, ColorMainWindow);

    lblHeader = new QLabel(this);
    lblHeader->setObjectName("lblHeader");
    lblHeader->setAlignment(Qt::AlignCenter);
    bnClose = new QPushButton("Close this screen", this);
    bnClose->setObjectName("bnClose");
    mmHints = new QPlainTextEdit(this);
    mmHints->setObjectName("mmHints");
    mmHints->setReadOnly(true);
    mmHints->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmHints->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    lblTest = new QLabel("Close this screen", this);
    lblTest->setObjectName("lblTest");
    lblTest->hide();

    connect(bnClose, &QPushButton::clicked, this, &TfrmQuickHints::bnCloseClick);
    hide();
}

TfrmQuickHints::~TfrmQuickHints()
{
    if (frmQuickHints == this)
        frmQuickHints = nullptr;
    QuickHintsOpen = 0;
}

namespace {
bool Maximised(const QWidget* window)
{
    return window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}
}  // namespace

void TfrmQuickHints::SaveMainBounds()
{
    // A maximised window is never moved for the hints: there is nothing to return to.
    if (Maximised(main_)) {
        SavedMainTop = SavedMainHeight = SavedMainLeft = SavedMainWidth = 0;
        return;
    }
    SavedMainTop = main_->frameGeometry().top();
    SavedMainHeight = main_->height();
    SavedMainLeft = main_->frameGeometry().left();
    SavedMainWidth = main_->width();
}

void TfrmQuickHints::FormShow()
{
    const QFont mainFont = MakeFont(FontScheme.Main);
    setFont(mainFont);
    mmHints->setFont(mainFont);
    QFont header = MakeFont(FontScheme.Main, true);
    header.setUnderline(true);
    lblHeader->setFont(header);
    lblTest->setFont(mainFont);
    QuickHintsOpen = 1;

    if (!Positioned)
        Place();

    // The start-up Options pages have no screen number; their hints are those of Options.
    topicScreen_ = main_->CurrentScreen;
    topicSubMode_ = main_->TopicSubMode();
    WriteHintText(topicScreen_, topicSubMode_, HintTitle, HintLines);

    lblHeader->setText(HintTitle);
    mmHints->clear();
    mmHints->setPlainText(JoinHintParagraphs(HintLines).join('\n'));
    mmHints->moveCursor(QTextCursor::Start);
    mmHints->verticalScrollBar()->setValue(0);
    FormResize();
    Positioned = 1;
    raise();
}

void TfrmQuickHints::Place()
{
    const ScreenFigures screen = CurrentScreenFigures();
    const bool onTop = screen.TaskBarAlwaysOnTop;
    if (onTop != windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing a flag hides the window; that is no close.
        changingFlags_ = true;
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        changingFlags_ = false;
    }
    const QRect frame = MainFrame();
    const std::vector<ScreenFigures> screens = AllScreenFigures();
    const int shown = ScreenShowingTitleBar(screens, frame.left(), frame.top(), frame.width());
    const HintsPlacement p =
        PlaceQuickHints(frame, main_->height(), UsableArea(screens[std::max(shown, 0)]), PageHeight);
    if (p.MainMoved)
        MoveWindowFrame(main_, {frame.left(), p.MainTop});
    SetFrameGeometry(p.Hints);
    if (!isVisible())
        show();
}

QRect TfrmQuickHints::MainFrame() const
{
    const QRect frame = main_->frameGeometry();
    if (Maximised(main_))
        return frame;
    // Just after a size change the window manager may not have framed the new size yet: a
    // window leaving maximised still has the maximised window's thinner margins. The frame is
    // the window's own size within an ordinary window's margins, which this window has too.
    const QMargins own = WindowFrameMargins(main_);
    const QMargins hints = WindowFrameMargins(this);
    const QMargins margins(std::max(own.left(), hints.left()), std::max(own.top(), hints.top()),
                           std::max(own.right(), hints.right()), std::max(own.bottom(), hints.bottom()));
    return QRect(frame.topLeft(), main_->size().grownBy(margins));
}

void TfrmQuickHints::SetFrameGeometry(const QRect& frame)
{
    // Qt sizes the client area; the frame adds its margins around it. Before this window is
    // first framed its margins are not known yet: the main window's are the same.
    const QMargins margins = WindowFrameMargins(this, main_);
    resize(std::max(1, frame.width() - margins.left() - margins.right()),
           std::max(1, frame.height() - margins.top() - margins.bottom()));
    MoveWindowFrame(this, frame.topLeft());
}

void TfrmQuickHints::FormResize()
{
    const int dpi = CurrentScreenFigures().PixelsPerInch;
    // The memo's margins: 2 pixels each side up to 96 pixels per inch, else 5 left and 3 right.
    const bool plainDpi = dpi <= 96;
    const QFontMetrics fm(font());
    const int buttonHeight = fm.height() + 12;
    const int buttonWidth = fm.horizontalAdvance(lblTest->text()) + 60;
    const int memoLeft = plainDpi ? 2 : 5;
    const int memoWidth = std::max(1, width() - (plainDpi ? 4 : 8));
    const int memoRight = memoLeft + memoWidth;
    bnClose->setGeometry(memoRight - 2 - buttonWidth, 4, buttonWidth, buttonHeight);
    const int memoTop = bnClose->y() + buttonHeight + 3;
    mmHints->setGeometry(memoLeft, memoTop, memoWidth, std::max(1, height() - 8 - memoTop));
    lblHeader->setGeometry(0, bnClose->y(), std::max(1, bnClose->x()), buttonHeight);
}

void TfrmQuickHints::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TfrmQuickHints::bnCloseClick()
{
    hide();
}

void TfrmQuickHints::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Only a hide of the window itself closes it: not a flag change, not the main window
    // being minimised.
    if (!changingFlags_ && !event->spontaneous() && isHidden())
        FormHide();
}

void TfrmQuickHints::FormHide()
{
    if (!QuickHintsOpen)
        return;
    Positioned = 0;
    QuickHintsOpen = 0;
    // Sizing a maximised window would take it out of maximised at that size.
    if (SavedMainHeight == 0 || Maximised(main_))
        return;
    main_->ResizeWindow(SavedMainWidth, SavedMainHeight);
    MoveWindowFrame(main_, {SavedMainLeft, SavedMainTop});
}

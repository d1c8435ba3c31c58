// The application shell: start-up in a folder of its own, window sizing on faked screens,
// the tool bar, switching screens, the minimum size, and the data file written at close.
// Every message is answered with "O.K." and recorded.

#include "AppFixture.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"

#include "AppGlobals.h"
#include "FontScheme.h"
#include "LX_Data.h"
#include "LX_Options.h"
#include "LX_PuzzlesMain.h"
#include "Platform.h"
#include "QtText.h"
#include "ScreenForm.h"
#include "ShowMsg.h"
#include "WindowRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <span>

#ifdef __linux__
#include <csignal>
#endif

namespace {

const QString WidthMessage = "You have reached the minimum screen width for your current font size.";
const QString HeightMessage = "You have reached the minimum screen height for your current font size.";
const QString WriteError = "Error occurred while writing the preferences file.";
// As the message label shows it: each LF CR pair is one line break.
const QString ExtraLargeFontsWarning =
    "Your computer font size is set at extra large fonts.\n\n"
    "The program is optimized for regular and large fonts.\n\n"
    "All text will be easily readable, but using this font size may result in some characters being "
    "truncated at the bottom of the text.";

const QColor Navy(0x00, 0x00, 0x80);
const QColor White(0xFF, 0xFF, 0xFF);

TPreferences PreferencesIn(const QString& path)
{
    const QByteArray bytes = FileBytes(path);
    if (bytes.size() < qsizetype(PreferencesSize))
        return {};
    return ReadPreferences(
        std::span<const uint8_t, PreferencesSize>(reinterpret_cast<const uint8_t*>(bytes.constData()), PreferencesSize));
}

QColor BoxColour(TToolBarBox* box)
{
    return QColor(box->grab().toImage().pixel(2, 2));
}

void ClickBox(TfrmMain& main, int box)
{
    QTest::mouseClick(main.Boxes[box], Qt::LeftButton, {}, main.Boxes[box]->rect().center());
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    // Sizing rules
    void defaultPlacement_data();
    void defaultPlacement();
    void defaultPlacementFitsTheUsableArea();
    void restoredPlacement_data();
    void restoredPlacement();
    void resizeRule_data();
    void resizeRule();
    void toolBarHeightGrowsWithTheWindow();
    void toolBarBoxesOfAThousandPixelBar();
    void toolBarGapsRoundHalvesToEven();
    void toolBarBoxesNeverOverlap();
    void fontFilesForMissingFaces();

    // The real window
    void firstStartTakesTheDefaultSize_data();
    void firstStartTakesTheDefaultSize();
    void savedGeometryIsRestored_data();
    void savedGeometryIsRestored();
    void extraLargeFontsAreWarnedOfAtStartUp();
    void toolBarAndPageFollowTheWindow();
    void coveredToolBarIgnoresClicks();
    void startUpOverviewIgnoresScreenClicks();
    void startUpPagesKeepTheKeyboard();
    void optionsBoxSelectsOptions();
    void leavingOptionsShowsTheNextScreenTwice();
    void resizeBelowTheMinimumSnapsBackWithAMessage();
    void nominalFontsShrinkFreelyAt96Dpi();
    void closeWritesTheDataFile_data();
    void closeWritesTheDataFile();
    void closeBeforeSetUpKeepsTheFirstRun();
    void failedWriteIsReported();
    void failedWriteKeepsTheOldFile();
    void damagedFileIsKeptAndReportedOnce();
};

void TestMainWindow::init()
{
    OptionsShown = 0;
    QuickHintsOpen = 0;
}

void TestMainWindow::cleanupTestCase()
{
    SetScreenFiguresOverride(std::nullopt);
}

void TestMainWindow::defaultPlacement_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QMargins>("panels");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("window");  // the frame's top-left, the client size
    QTest::addColumn<int>("mode");

    const QMargins none;
    const QMargins framed(1, 20, 1, 4);  // as openbox frames a window
    const QMargins taskBar(0, 0, 0, 30);
    const QMargins bottomPanel(0, 0, 0, 44);
    QTest::newRow("1280x1024 at 96") << QSize(1280, 1024) << none << 96 << none << QRect(10, 32, 1260, 960) << 2;
    QTest::newRow("1280x1024 framed") << QSize(1280, 1024) << none << 96 << framed << QRect(9, 20, 1260, 960) << 2;
    QTest::newRow("1280x1024 task bar framed") << QSize(1280, 1024) << taskBar << 96 << framed
                                               << QRect(9, 5, 1260, 960) << 2;
    QTest::newRow("1280x1024 at 144") << QSize(1280, 1024) << none << 144 << none << QRect(10, 32, 1260, 960) << 2;
    QTest::newRow("1260x960 exactly") << QSize(1260, 960) << none << 96 << none << QRect(0, 0, 1260, 960) << 2;
    QTest::newRow("1260x960 framed") << QSize(1260, 960) << none << 96 << framed << QRect(129, 108, 1000, 720) << 2;
    QTest::newRow("1280x1024 left dock") << QSize(1280, 1024) << QMargins(48, 0, 0, 0) << 96 << framed
                                         << QRect(163, 140, 1000, 720) << 2;
    // A bottom panel or a top bar: the next size down where the frame would run under it.
    QTest::newRow("1366x768 bottom panel") << QSize(1366, 768) << bottomPanel << 96 << framed
                                           << QRect(282, 50, 800, 600) << 2;
    QTest::newRow("1366x768 bottom panel, no frame") << QSize(1366, 768) << bottomPanel << 96 << none
                                                     << QRect(183, 2, 1000, 720) << 2;
    QTest::newRow("1366x768 top bar") << QSize(1366, 768) << QMargins(0, 32, 0, 0) << 96 << framed
                                      << QRect(282, 88, 800, 600) << 2;
    QTest::newRow("1280x720") << QSize(1280, 720) << none << 96 << framed << QRect(239, 48, 800, 600) << 2;
    // Too small for 800 x 600 with its frame: the window takes what the frame leaves.
    QTest::newRow("800x600") << QSize(800, 600) << none << 96 << framed << QRect(0, 0, 798, 576) << 2;
    QTest::newRow("1280x985 task bar") << QSize(1280, 985) << taskBar << 96 << none << QRect(140, 117, 1000, 720)
                                       << 2;
    QTest::newRow("1024x768 task bar at 120") << QSize(1024, 768) << taskBar << 120 << none
                                              << QRect(12, 9, 1000, 720) << 2;
    QTest::newRow("1024x768 at 144") << QSize(1024, 768) << none << 144 << none << QRect(12, 24, 1000, 720) << 1;
    QTest::newRow("1024x768 at 121") << QSize(1024, 768) << none << 121 << none << QRect(12, 24, 1000, 720) << 1;
    QTest::newRow("1024x749 task bar") << QSize(1024, 749) << taskBar << 96 << none << QRect(112, 59, 800, 600) << 2;
    QTest::newRow("999x800 at 96") << QSize(999, 800) << none << 96 << none << QRect(99, 100, 800, 600) << 2;
    QTest::newRow("999x800 at 97") << QSize(999, 800) << none << 97 << none << QRect(99, 100, 800, 600) << 1;
    QTest::newRow("999x800 at 120") << QSize(999, 800) << none << 120 << none << QRect(99, 100, 800, 600) << 1;
}

void TestMainWindow::defaultPlacement()
{
    QFETCH(QSize, screen);
    QFETCH(QMargins, panels);
    QFETCH(int, ppi);
    QFETCH(QMargins, frame);
    QFETCH(QRect, window);
    QFETCH(int, mode);

    const ScreenFigures figures{screen.width(), screen.height(), ppi, !panels.isNull(), 0, 0, panels};
    const WindowPlacement p = DefaultWindowPlacement(figures, frame);
    QCOMPARE(QRect(p.Left, p.Top, p.Width, p.Height), window);
    QCOMPARE(p.FontSizeMode, mode);

    // The same on a screen that stands elsewhere on the desktop.
    const ScreenFigures elsewhere{screen.width(), screen.height(), ppi, false, -1280, 200, panels};
    const WindowPlacement moved = DefaultWindowPlacement(elsewhere, frame);
    QCOMPARE(QRect(moved.Left, moved.Top, moved.Width, moved.Height), window.translated(-1280, 200));
}

void TestMainWindow::defaultPlacementFitsTheUsableArea()
{
    // Every screen, panel and frame: the frame lies within the usable area, a bigger size would
    // not have fitted, and the window is below 800 x 600 only where that would not fit.
    const QSize sizes[] = {{1000, 720}, {1260, 960}};
    for (const QMargins panels : {QMargins(), QMargins(0, 0, 0, 44), QMargins(0, 32, 0, 0), QMargins(60, 0, 0, 0)})
        for (const QMargins frame : {QMargins(), QMargins(1, 20, 1, 4), QMargins(4, 30, 4, 8)})
            for (int width = 780; width <= 1400; width += 17)
                for (int height = 580; height <= 1100; height += 13) {
                    const ScreenFigures screen{width, height, 96, false, 0, 0, panels};
                    const QRect usable = UsableArea(screen);
                    const WindowPlacement p = DefaultWindowPlacement(screen, frame);
                    const QRect outer = QRect(p.Left, p.Top, p.Width, p.Height).marginsAdded(frame).translated(
                        frame.left(), frame.top());
                    const QString where = QString("%1x%2").arg(width).arg(height);
                    QVERIFY2(usable.contains(outer), qPrintable(where));
                    QVERIFY2(p.Width == 800 || p.Width >= 1000 || p.Width == usable.width() - frame.left() - frame.right(),
                             qPrintable(where));
                    QVERIFY2(p.Height == 600 || p.Height >= 720 || p.Height == usable.height() - frame.top() - frame.bottom(),
                             qPrintable(where));
                    for (const QSize bigger : sizes)
                        if (bigger.width() > p.Width)
                            QVERIFY2(bigger.width() + frame.left() + frame.right() > usable.width() ||
                                         bigger.height() + frame.top() + frame.bottom() > usable.height(),
                                     qPrintable(where));
                }
}

void TestMainWindow::restoredPlacement_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<int>("savedMode");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QMargins>("panels");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QRect>("secondScreen");
    QTest::addColumn<QMargins>("frame");

    const QSize big(1280, 1024);
    QTest::newRow("fits") << QRect(10, 20, 1100, 800) << 2 << big << QMargins() << 96 << QRect(10, 20, 1100, 800) << 2
                          << QRect() << QMargins();
    QTest::newRow("500x700") << QRect(10, 20, 500, 700) << 2 << big << QMargins() << 96 << QRect(10, 20, 800, 700) << 2
                             << QRect() << QMargins();
    QTest::newRow("height below 600") << QRect(10, 20, 900, 400) << 2 << big << QMargins() << 96
                                      << QRect(10, 20, 900, 600) << 2 << QRect() << QMargins();
    QTest::newRow("top 900 height 960") << QRect(0, 900, 1260, 960) << 2 << big << QMargins() << 96
                                        << QRect(0, 64, 1260, 960) << 2 << QRect() << QMargins();
    QTest::newRow("left 500 width 1000") << QRect(500, 0, 1000, 720) << 2 << big << QMargins() << 96
                                         << QRect(280, 0, 1000, 720) << 2 << QRect() << QMargins();
    QTest::newRow("wider than the screen") << QRect(100, 0, 1500, 720) << 2 << big << QMargins() << 96
                                           << QRect(0, 0, 1280, 720) << 2 << QRect() << QMargins();
    QTest::newRow("taller than the usable height") << QRect(0, 0, 1260, 1024) << 2 << big << QMargins(0, 0, 0, 30) << 96
                                                   << QRect(0, 0, 1260, 994) << 2 << QRect() << QMargins();
    // The whole frame comes within the screen, whatever the title bar shows.
    QTest::newRow("negative position") << QRect(-20, -10, 1000, 720) << 2 << big << QMargins() << 96
                                       << QRect(0, 0, 1000, 720) << 2 << QRect() << QMargins();
    // A place whose title bar shows on no screen comes onto the primary one.
    QTest::newRow("title bar above the screen") << QRect(100, -904, 1000, 720) << 2 << big << QMargins() << 96
                                                << QRect(100, 0, 1000, 720) << 2 << QRect() << QMargins();
    QTest::newRow("left of every screen") << QRect(-3000, 100, 1000, 720) << 2 << big << QMargins() << 96
                                          << QRect(0, 100, 1000, 720) << 2 << QRect() << QMargins();
    // A title bar must show both tall enough and wide enough to take hold of.
    QTest::newRow("4 pixels of the title bar's height") << QRect(100, -20, 1000, 720) << 2 << big << QMargins() << 96
                                                        << QRect(100, 0, 1000, 720) << 2 << QRect() << QMargins();
    QTest::newRow("20 pixels of the title bar across") << QRect(-980, 100, 1000, 720) << 2 << big << QMargins() << 96
                                                       << QRect(0, 100, 1000, 720) << 2 << QRect() << QMargins();
    // A second screen: the arithmetic is done within the screen that shows the title bar.
    const QRect right(1280, 0, 1280, 1024);
    QTest::newRow("closed on the right screen") << QRect(1500, 100, 1000, 720) << 2 << big << QMargins() << 96
                                                << QRect(1500, 100, 1000, 720) << 2 << right << QMargins();
    QTest::newRow("past the right screen's edge") << QRect(2000, 100, 1000, 720) << 2 << big << QMargins() << 96
                                                  << QRect(1560, 100, 1000, 720) << 2 << right << QMargins();
    QTest::newRow("below the left screen") << QRect(-1100, 900, 1000, 720) << 2 << big << QMargins() << 96
                                           << QRect(-1100, 304, 1000, 720) << 2 << QRect(-1280, 0, 1280, 1024) << QMargins();
    // The frame within the usable area: under no panel, off no screen, back from a screen
    // that is gone.
    const QMargins framed(1, 20, 1, 4);
    QTest::newRow("from a gone screen") << QRect(1500, 900, 1000, 720) << 2 << big << QMargins() << 96
                                        << QRect(278, 280, 1000, 720) << 2 << QRect() << framed;
    QTest::newRow("bottom panel") << QRect(100, 40, 1000, 720) << 2 << QSize(1366, 768) << QMargins(0, 0, 0, 44)
                                  << 96 << QRect(100, 0, 1000, 700) << 2 << QRect() << framed;
    QTest::newRow("top bar") << QRect(100, 0, 900, 650) << 2 << QSize(1366, 768) << QMargins(0, 32, 0, 0) << 96
                             << QRect(100, 32, 900, 650) << 2 << QRect() << framed;
    QTest::newRow("left dock") << QRect(10, 10, 900, 650) << 2 << QSize(1366, 768) << QMargins(60, 0, 0, 0) << 96
                               << QRect(60, 10, 900, 650) << 2 << QRect() << framed;
    QTest::newRow("as wide as the screen") << QRect(0, 0, 1024, 700) << 2 << QSize(1024, 768) << QMargins() << 96
                                           << QRect(0, 0, 1022, 700) << 2 << QRect() << framed;
    QTest::newRow("800x600 screen") << QRect(30, 30, 800, 600) << 2 << QSize(800, 600) << QMargins() << 96
                                    << QRect(0, 0, 798, 576) << 2 << QRect() << framed;
    QTest::newRow("right screen's bottom") << QRect(1500, 900, 1000, 720) << 2 << big << QMargins() << 96
                                           << QRect(1500, 280, 1000, 720) << 2 << right << framed;
    // Mode corrections by pixels per inch and width.
    QTest::newRow("96 mode 3 at 999") << QRect(0, 0, 999, 720) << 3 << big << QMargins() << 96 << QRect(0, 0, 999, 720)
                                      << 2 << QRect() << QMargins();
    QTest::newRow("96 mode 3 at 1000") << QRect(0, 0, 1000, 720) << 3 << big << QMargins() << 96
                                       << QRect(0, 0, 1000, 720) << 3 << QRect() << QMargins();
    QTest::newRow("96 mode 2 at 800") << QRect(0, 0, 800, 600) << 2 << big << QMargins() << 96 << QRect(0, 0, 800, 600)
                                      << 2 << QRect() << QMargins();
    QTest::newRow("120 mode 3 at 1259") << QRect(0, 0, 1259, 960) << 3 << big << QMargins() << 120
                                        << QRect(0, 0, 1259, 960) << 2 << QRect() << QMargins();
    QTest::newRow("120 mode 3 at 1260") << QRect(0, 0, 1260, 960) << 3 << big << QMargins() << 120
                                        << QRect(0, 0, 1260, 960) << 3 << QRect() << QMargins();
    QTest::newRow("120 mode 3 at 900") << QRect(0, 0, 900, 720) << 3 << big << QMargins() << 120 << QRect(0, 0, 900, 720)
                                       << 1 << QRect() << QMargins();
    QTest::newRow("120 mode 2 at 1000") << QRect(0, 0, 1000, 720) << 2 << big << QMargins() << 120
                                        << QRect(0, 0, 1000, 720) << 2 << QRect() << QMargins();
    QTest::newRow("144 mode 3 wide") << QRect(0, 0, 1260, 960) << 3 << big << QMargins() << 144
                                     << QRect(0, 0, 1260, 960) << 2 << QRect() << QMargins();
    QTest::newRow("144 mode 3 narrow") << QRect(0, 0, 800, 600) << 3 << big << QMargins() << 144 << QRect(0, 0, 800, 600)
                                       << 2 << QRect() << QMargins();
    QTest::newRow("144 mode 2 at 1259") << QRect(0, 0, 1259, 960) << 2 << big << QMargins() << 144
                                        << QRect(0, 0, 1259, 960) << 1 << QRect() << QMargins();
    QTest::newRow("144 mode 2 at 1260") << QRect(0, 0, 1260, 960) << 2 << big << QMargins() << 144
                                        << QRect(0, 0, 1260, 960) << 2 << QRect() << QMargins();
    QTest::newRow("121 mode 1 stays") << QRect(0, 0, 1260, 960) << 1 << big << QMargins() << 121
                                      << QRect(0, 0, 1260, 960) << 1 << QRect() << QMargins();
}

void TestMainWindow::restoredPlacement()
{
    QFETCH(QRect, saved);
    QFETCH(int, savedMode);
    QFETCH(QSize, screen);
    QFETCH(QMargins, panels);
    QFETCH(int, ppi);
    QFETCH(QRect, window);
    QFETCH(int, mode);
    QFETCH(QRect, secondScreen);
    QFETCH(QMargins, frame);

    std::vector<ScreenFigures> screens{{screen.width(), screen.height(), ppi, !panels.isNull(), 0, 0, panels}};
    if (!secondScreen.isNull())
        screens.push_back(
            {secondScreen.width(), secondScreen.height(), 96, false, secondScreen.left(), secondScreen.top()});
    const WindowPlacement p = RestoredWindowPlacement(
        SavedGeometry{saved.left(), saved.top(), saved.width(), saved.height(), savedMode}, screens, frame);
    QCOMPARE(QRect(p.Left, p.Top, p.Width, p.Height), window);
    QCOMPARE(p.FontSizeMode, mode);
    // The start-up's own placing of the saved place agrees.
    QCOMPARE(WindowPlaceOnScreens(screens, saved.left(), saved.top(), p.Width, p.Height, frame),
             QPoint(p.Left, p.Top));
}

void TestMainWindow::resizeRule_data()
{
    QTest::addColumn<int>("ppi");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("current");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("result");
    QTest::addColumn<bool>("widthRefused");
    QTest::addColumn<bool>("heightRefused");

    QTest::newRow("96 mode 2 down to 800x600") << 96 << 2 << QSize(1260, 960) << QSize(800, 600) << QSize(800, 600)
                                               << false << false;
    QTest::newRow("96 mode 2 below 800x600") << 96 << 2 << QSize(1000, 720) << QSize(700, 500) << QSize(800, 600)
                                             << false << false;
    QTest::newRow("96 mode 3 width") << 96 << 3 << QSize(1000, 720) << QSize(999, 720) << QSize(1000, 720) << true
                                     << false;
    QTest::newRow("96 mode 3 height") << 96 << 3 << QSize(1000, 720) << QSize(1000, 719) << QSize(1000, 720)
                                      << false << true;
    QTest::newRow("96 mode 3 width refused, taller kept out") << 96 << 3 << QSize(1000, 720) << QSize(990, 800)
                                                       << QSize(1000, 720) << true << false;
    QTest::newRow("96 mode 3 height refused, wider kept out") << 96 << 3 << QSize(1000, 720) << QSize(1100, 700)
                                                       << QSize(1000, 720) << false << true;
    QTest::newRow("97 mode 2 width") << 97 << 2 << QSize(1000, 720) << QSize(999, 720) << QSize(1000, 720) << true
                                     << false;
    QTest::newRow("120 mode 3 from 1260") << 120 << 3 << QSize(1260, 960) << QSize(1200, 960) << QSize(1260, 960)
                                          << true << false;
    QTest::newRow("120 mode 3 both") << 120 << 3 << QSize(1260, 960) << QSize(1100, 900) << QSize(1260, 960)
                                     << true << true;
    QTest::newRow("120 mode 3 already narrower") << 120 << 3 << QSize(1100, 960) << QSize(900, 960)
                                                 << QSize(900, 960) << false << false;
    QTest::newRow("120 mode 3 already narrower, below 800")
        << 120 << 3 << QSize(1100, 960) << QSize(700, 960) << QSize(800, 960) << false << false;
    QTest::newRow("120 mode 3 growing") << 120 << 3 << QSize(1260, 960) << QSize(1280, 1000) << QSize(1280, 1000)
                                        << false << false;
    QTest::newRow("120 mode 1 no minimum") << 120 << 1 << QSize(1000, 720) << QSize(800, 600) << QSize(800, 600)
                                           << false << false;
    QTest::newRow("121 mode 1") << 121 << 1 << QSize(1000, 720) << QSize(999, 719) << QSize(1000, 720) << true
                                << true;
    QTest::newRow("144 mode 2") << 144 << 2 << QSize(1260, 960) << QSize(1259, 960) << QSize(1260, 960) << true
                                << false;
    QTest::newRow("144 mode 3 no minimum") << 144 << 3 << QSize(1260, 960) << QSize(800, 600) << QSize(800, 600)
                                           << false << false;
    QTest::newRow("mode 0 no minimum") << 120 << 0 << QSize(1260, 960) << QSize(800, 600) << QSize(800, 600)
                                       << false << false;
}

void TestMainWindow::resizeRule()
{
    QFETCH(int, ppi);
    QFETCH(int, mode);
    QFETCH(QSize, current);
    QFETCH(QSize, wanted);
    QFETCH(QSize, result);
    QFETCH(bool, widthRefused);
    QFETCH(bool, heightRefused);

    const ResizeDecision d =
        DecideResize(current.width(), current.height(), wanted.width(), wanted.height(), ppi, mode);
    QCOMPARE(QSize(d.Width, d.Height), result);
    QCOMPARE(d.WidthRefused, widthRefused);
    QCOMPARE(d.HeightRefused, heightRefused);
}

void TestMainWindow::toolBarHeightGrowsWithTheWindow()
{
    QCOMPARE(ToolBarHeightFor(600), 55);
    QCOMPARE(ToolBarHeightFor(630), 55);
    QCOMPARE(ToolBarHeightFor(639), 55);
    QCOMPARE(ToolBarHeightFor(640), 56);
    QCOMPARE(ToolBarHeightFor(700), 62);
    QCOMPARE(ToolBarHeightFor(729), 64);
    QCOMPARE(ToolBarHeightFor(730), 65);
    QCOMPARE(ToolBarHeightFor(800), 65);
    QCOMPARE(ToolBarHeightFor(2000), 65);
}

void TestMainWindow::toolBarBoxesOfAThousandPixelBar()
{
    const auto boxes = ToolBarBoxLayout(1000);
    const int b = (1000 + 80) / 11;
    QCOMPARE(b, 98);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(boxes[i].Width, b);
        QCOMPARE(boxes[i].Left, i * b);  // the gap 2/13 rounds to nothing
    }
    QCOMPARE(boxes[BoxHelp].Width, b - 30);
    QCOMPARE(boxes[BoxHints].Width, b - 30);
    QCOMPARE(boxes[BoxAbout].Width, b - 20);
    QCOMPARE(boxes[BoxHelp].Left, 785);
    QCOMPARE(boxes[BoxHints].Left, 853);
    QCOMPARE(boxes[BoxAbout].Left, 921);
    for (int i = 1; i < ToolBarBoxCount; ++i)
        QVERIFY(boxes[i].Left >= boxes[i - 1].Left + boxes[i - 1].Width);
    QVERIFY(boxes[0].Left >= 0);
    QVERIFY(boxes[BoxAbout].Left + boxes[BoxAbout].Width <= 1000);
}

void TestMainWindow::toolBarGapsRoundHalvesToEven()
{
    // 806: the right-hand gap is 1.5 and rounds to 2.
    auto boxes = ToolBarBoxLayout(806);
    QCOMPARE(boxes[7].Left, 560);
    QCOMPARE(boxes[BoxHelp].Left, 643);
    QCOMPARE(boxes[BoxHints].Left, 695);
    QCOMPARE(boxes[BoxAbout].Left, 747);
    // 802: the right-hand gap is 0.5 and rounds to 0.
    boxes = ToolBarBoxLayout(802);
    QCOMPARE(boxes[BoxHelp].Left, 641);
    QCOMPARE(boxes[BoxHints].Left, 691);
    QCOMPARE(boxes[BoxAbout].Left, 741);
    // 810: the screen-box gap is 10/13 and rounds to 1.
    boxes = ToolBarBoxLayout(810);
    QCOMPARE(boxes[1].Left, 81);
    QCOMPARE(boxes[7].Left, 7 * 81);
    QCOMPARE(boxes[BoxHelp].Left, 649);
}

void TestMainWindow::toolBarBoxesNeverOverlap()
{
    for (int w = 785; w <= 2600; ++w) {
        const auto boxes = ToolBarBoxLayout(w);
        const int b = (w + 80) / 11;
        QCOMPARE(boxes[0].Left, 0);
        for (int i = 0; i < ToolBarBoxCount; ++i)
            QCOMPARE(boxes[i].Width, i < 8 ? b : i == BoxAbout ? b - 20 : b - 30);
        for (int i = 1; i < ToolBarBoxCount; ++i)
            QVERIFY2(boxes[i].Left >= boxes[i - 1].Left + boxes[i - 1].Width,
                     qPrintable(QString("width %1, box %2").arg(w).arg(i)));
    }
}

void TestMainWindow::fontFilesForMissingFaces()
{
    QCOMPARE(FontFilesToAdd({"DejaVu Sans", "Small Fonts", "Courier New"}), QStringList());
    QCOMPARE(FontFilesToAdd({"Courier New", "Arial"}), QStringList{"smalle.fon"});
    QCOMPARE(FontFilesToAdd({"Small Fonts", "Arial"}), QStringList{"cour.ttf"});
    QCOMPARE(FontFilesToAdd({}), (QStringList{"smalle.fon", "cour.ttf"}));
    // The names must match exactly.
    QCOMPARE(FontFilesToAdd({"small fonts", "Courier New Bold", "Courier"}), (QStringList{"smalle.fon", "cour.ttf"}));
}

void TestMainWindow::firstStartTakesTheDefaultSize_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<QMargins>("panels");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("usable");
    QTest::addColumn<int>("extraWidth");

    const QMargins taskBar(0, 0, 0, 30);
    QTest::newRow("1280x1024 at 96") << 1280 << 1024 << 96 << QMargins() << QSize(1260, 960) << 2 << 1024 << 20;
    QTest::newRow("1280x1024 task bar") << 1280 << 1024 << 96 << taskBar << QSize(1260, 960) << 2 << 994 << 20;
    QTest::newRow("1024x768 task bar at 120") << 1024 << 768 << 120 << taskBar << QSize(1000, 720) << 2 << 738
                                              << 25;
    QTest::newRow("1024x768 at 144") << 1024 << 768 << 144 << QMargins() << QSize(1000, 720) << 1 << 768 << 30;
    // The offscreen frame is 2 pixels all round: 720 and the frame fit 724, not 723.
    QTest::newRow("1366x768 bottom panel") << 1366 << 768 << 96 << QMargins(0, 0, 0, 44) << QSize(1000, 720) << 2
                                           << 724 << 20;
    QTest::newRow("1366x768 bottom panel 45") << 1366 << 768 << 96 << QMargins(0, 0, 0, 45) << QSize(800, 600) << 2
                                              << 723 << 20;
    // Less than 800 x 600 and its frame: the window takes what the frame leaves, and keeps it.
    QTest::newRow("800x600") << 800 << 600 << 96 << QMargins() << QSize(796, 596) << 2 << 600 << 20;
}

void TestMainWindow::firstStartTakesTheDefaultSize()
{
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    QFETCH(int, ppi);
    QFETCH(QMargins, panels);
    QFETCH(QSize, size);
    QFETCH(int, mode);
    QFETCH(int, usable);
    QFETCH(int, extraWidth);

    AppFixture program;
    const ScreenFigures screen{screenWidth, screenHeight, ppi, !panels.isNull(), 0, 0, panels};
    QVERIFY(program.Start(screen));
    TfrmMain& main = *program.main;

    QCOMPARE(main.size(), size);
    // The outer frame is centred within the usable area (offscreen windows have a thin frame too).
    const QRect frame = main.frameGeometry();
    const QRect area = UsableArea(screen);
    QVERIFY(frame.height() > size.height());
    QCOMPARE(frame.topLeft(), QPoint(area.left() + (area.width() - frame.width()) / 2,
                                     area.top() + (area.height() - frame.height()) / 2));
    QVERIFY(area.contains(frame));
    QTest::qWait(20);
    QCOMPARE(main.size(), size);
    QCOMPARE(Preferences.FontSizeMode, mode);
    QCOMPARE(MainFontSize, mode == 1 ? 8 : 10);
    QCOMPARE(Preferences.PrefsValid, uint8_t(0));
    QCOMPARE(main.UsableScreenHeight, usable);
    QCOMPARE(LayoutExtraWidth, extraWidth);
    QCOMPARE(program.messages(), ppi > 120 ? QStringList{ExtraLargeFontsWarning} : QStringList{});
    QVERIFY(!QFile::exists(program.DataFile()));

    // The overview and set-up pages are up; no tool-bar box is selected.
    QCOMPARE(FormsReady, uint8_t(1));
    QCOMPARE(main.CurrentScreen, int(ScreenNone));
    QCOMPARE(main.frmOptions->ShowOverviewPage, uint8_t(1));
    QCOMPARE(main.frmOptions->ShowSetupPage, uint8_t(1));
    QCOMPARE(main.frmOptions->OpenedAtStart, uint8_t(1));
    QVERIFY(main.frmOptions->isVisible());
    QVERIFY(main.PanelToolBar->isVisible());
    QVERIFY(!main.PanelHide->isVisible());
    for (TToolBarBox* box : main.Boxes) {
        QVERIFY(box->isVisible());
        QCOMPARE(BoxColour(box), White);
    }
}

void TestMainWindow::savedGeometryIsRestored_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<int>("savedMode");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QRect>("secondScreen");

    QTest::newRow("fits") << QRect(10, 20, 1100, 800) << 2 << 96 << QRect(10, 20, 1100, 800) << 2 << QRect();
    QTest::newRow("500x700") << QRect(10, 20, 500, 700) << 2 << 96 << QRect(10, 20, 800, 700) << 2 << QRect();
    // The offscreen frame is 2 pixels all round; it fits the screen too.
    QTest::newRow("top 900 height 960") << QRect(0, 900, 1260, 960) << 2 << 96 << QRect(0, 60, 1260, 960) << 2
                                        << QRect();
    QTest::newRow("mode 3 at 96") << QRect(5, 5, 1260, 960) << 3 << 96 << QRect(5, 5, 1260, 960) << 3 << QRect();
    QTest::newRow("mode 3 at 144") << QRect(0, 0, 1260, 960) << 3 << 144 << QRect(0, 0, 1260, 960) << 2 << QRect();
    // A damaged file's place above the screen, and a mode no screen offers.
    QTest::newRow("off every screen") << QRect(100, -904, 1000, 720) << -1 << 96 << QRect(100, 0, 1000, 720) << 2
                                      << QRect();
    QTest::newRow("closed on a second screen") << QRect(1500, 100, 1000, 720) << 2 << 96
                                               << QRect(1500, 100, 1000, 720) << 2 << QRect(1280, 0, 1280, 1024);
    QTest::newRow("from a screen that is gone") << QRect(1500, 900, 1000, 720) << 2 << 96
                                                << QRect(276, 300, 1000, 720) << 2 << QRect();
}

void TestMainWindow::savedGeometryIsRestored()
{
    QFETCH(QRect, saved);
    QFETCH(int, savedMode);
    QFETCH(int, ppi);
    QFETCH(QRect, window);
    QFETCH(int, mode);
    QFETCH(QRect, secondScreen);

    AppFixture program;
    if (!secondScreen.isNull())
        program.otherScreens = {{secondScreen.width(), secondScreen.height(), 96, false, secondScreen.left(), 0}};
    QVERIFY(program.WriteDataFile({saved.left(), saved.top(), saved.width(), saved.height(), savedMode}));
    QVERIFY(program.Start({1280, 1024, ppi, false}));
    TfrmMain& main = *program.main;

    QCOMPARE(QRect(main.pos(), main.size()), window);
    QVERIFY(ScreenArea(CurrentScreenFigures()).contains(main.frameGeometry()) ||
            ScreenArea(AllScreenFigures().back()).contains(main.frameGeometry()));
    QCOMPARE(Preferences.PrefsValid, uint8_t(1));
    QCOMPARE(Preferences.FontSizeMode, mode);
    QCOMPARE(Preferences.WindowWidth, window.width());
    QCOMPARE(Preferences.WindowHeight, window.height());
    QCOMPARE(MainFontSize, mode == 3 ? 12 : 10);
    QCOMPARE(HeaderFontName, QString(mode == 3 ? "Ariel" : "MS Sans Serif"));
    // The tool bar carries the grid font of the mode.
    QCOMPARE(main.PanelToolBar->font().family(), GridFontName);
    QCOMPARE(main.PanelToolBar->font().pointSize(), GridFontSize);
    QCOMPARE(program.messages(), ppi > 120 ? QStringList{ExtraLargeFontsWarning} : QStringList{});

    // Straight to Word Lists, its box selected.
    QCOMPARE(main.CurrentScreen, int(ScreenWordLists));
    QCOMPARE(main.frmOptions->OpenedAtStart, uint8_t(0));
    QCOMPARE(main.frmOptions->ShowSetupPage, uint8_t(0));
    QCOMPARE(BoxColour(main.Boxes[0]), Navy);
    QCOMPARE(BoxColour(main.Boxes[7]), White);
}

void TestMainWindow::extraLargeFontsAreWarnedOfAtStartUp()
{
    AppFixture program;
    QVERIFY(program.Start({1280, 1024, 144, false}));
    QCOMPARE(program.messages(), QStringList{ExtraLargeFontsWarning});
    QCOMPARE(program.shown[0].StartedUp, false);  // before the tables are built and the first screen shown
    program.Stop();

    // 120 pixels per inch is still large fonts: no warning.
    AppFixture program2;
    QVERIFY(program2.Start({1280, 1024, 120, false}));
    QCOMPARE(program2.messages(), QStringList());
}

void TestMainWindow::toolBarAndPageFollowTheWindow()
{
    AppFixture program;
    QVERIFY(program.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(program.Start());
    TfrmMain& main = *program.main;
    QCOMPARE(main.size(), QSize(1000, 720));

    const auto boxes = ToolBarBoxLayout(1000);
    QCOMPARE(main.PanelToolBar->geometry(), QRect(0, 0, 1000, 64));
    for (int i = 0; i < ToolBarBoxCount; ++i) {
        QCOMPARE(main.Boxes[i]->geometry(), QRect(boxes[i].Left, 0, boxes[i].Width, 64));
        QVERIFY(main.PanelToolBar->rect().contains(main.Boxes[i]->geometry()));
    }
    QCOMPARE(PageWidth, 991);
    QCOMPARE(PageTop, 64);
    QCOMPARE(PageLeft, 0);
    QCOMPARE(PageHeight, 720 - 64 + 3);

    struct Step {
        QSize size;
        int toolBar;
    };
    for (const Step step : {Step{{1000, 700}, 62}, Step{{1000, 800}, 65}, Step{{1000, 630}, 55}, Step{{800, 600}, 55},
                            Step{{1200, 900}, 65}}) {
        main.resize(step.size);
        QTRY_COMPARE(main.size(), step.size);
        QCOMPARE(main.PanelToolBar->height(), step.toolBar);
        QCOMPARE(main.PanelToolBar->width(), step.size.width());
        for (TToolBarBox* box : main.Boxes) {
            QCOMPARE(box->y(), 0);
            QCOMPARE(box->height(), step.toolBar);
        }
        QCOMPARE(main.Boxes[BoxAbout]->geometry().left(), ToolBarBoxLayout(step.size.width())[BoxAbout].Left);
        QCOMPARE(PageWidth, std::max(step.size.width() - 9, 795));
        QCOMPARE(PageTop, step.toolBar);
        QCOMPARE(PageHeight, step.size.height() - step.toolBar + 3);
        QCOMPARE(main.PanelHide->geometry(), QRect(-1, -1, step.size.width() + 1, step.toolBar + 1));
        // The screen on view fills the page.
        if (main.CurrentScreenForm)
            QCOMPARE(main.CurrentScreenForm->geometry(), QRect(PageLeft, PageTop, PageWidth, PageHeight));
    }
    QCOMPARE(program.messages(), QStringList());
}

void TestMainWindow::coveredToolBarIgnoresClicks()
{
    AppFixture program;
    QVERIFY(program.WriteDataFile({0, 0, 1260, 960, 2}));
    QVERIFY(program.Start());
    TfrmMain& main = *program.main;
    QCOMPARE(main.CurrentScreen, int(ScreenWordLists));

    main.PanelHide->show();
    main.PanelHide->raise();
    ClickBox(main, 7);
    QCOMPARE(main.CurrentScreen, int(ScreenWordLists));
    QVERIFY(!main.frmOptions->isVisible());
    QCOMPARE(BoxColour(main.Boxes[7]), White);

    main.PanelHide->hide();
    ClickBox(main, 7);
    QCOMPARE(main.CurrentScreen, int(ScreenOptions));
}

void TestMainWindow::startUpOverviewIgnoresScreenClicks()
{
    AppFixture program;
    program.countingScreens = {ScreenCrosswords};
    QVERIFY(program.Start());
    TfrmMain& main = *program.main;
    QCOMPARE(main.frmOptions->OpenedAtStart, uint8_t(1));
    TScreenForm* const before = main.CurrentScreenForm;
    const int crosswordsShows = main.Screens[ScreenCrosswords]->FormShowCount();

    for (int box : {7, 2, 0, BoxAbout}) {
        ClickBox(main, box);
        QCOMPARE(main.CurrentScreen, int(ScreenNone));
        QCOMPARE(main.CurrentScreenForm, before);
    }
    QCOMPARE(main.Screens[ScreenCrosswords]->FormShowCount(), crosswordsShows);
    QVERIFY(main.frmOptions->isVisible());
}

// Tab (or Shift+Tab) from the focus until it comes back: every stop, or none when a stop
// falls outside the page.
QList<QWidget*> TabRound(QWidget* page, bool backwards = false)
{
    QList<QWidget*> stops;
    QWidget* const start = QApplication::focusWidget();
    if (!start || !page->isAncestorOf(start))
        return stops;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* now = QApplication::focusWidget();
        if (!now || !page->isAncestorOf(now)) {
            qWarning() << "the focus left the page for" << now;
            return {};
        }
        stops << now;
        if (now == start)
            return stops;
    }
    return {};  // never came back
}

void TestMainWindow::startUpPagesKeepTheKeyboard()
{
    AppFixture program;
    QVERIFY(program.Start());
    TfrmMain& main = *program.main;
    TfrmOptions& options = program.options();
    QWidget* wordLists = main.Screens[ScreenWordLists];
    QVERIFY(wordLists && wordLists->isVisible());
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    // The overview: "Continue" and the box, round and round, both ways.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(options.bnContinue));
    for (bool backwards : {false, true}) {
        const QList<QWidget*> stops = TabRound(options.PanelInstruct, backwards);
        QVERIFY(stops.contains(static_cast<QWidget*>(options.cbOverview2)));
        QCOMPARE(stops.size(), 2);
    }

    // The set-up page: its own controls, "Continue" among them, and nothing of Word Lists.
    QTest::mouseClick(options.bnContinue, Qt::LeftButton);
    QVERIFY(options.PanelChangeIt->isVisible());
    QVERIFY(options.PanelChangeIt->isAncestorOf(QApplication::focusWidget()));
    for (bool backwards : {false, true}) {
        const QList<QWidget*> stops = TabRound(options.PanelChangeIt, backwards);
        QVERIFY(stops.contains(static_cast<QWidget*>(options.bnEndSetupOK)));
        QVERIFY(stops.contains(static_cast<QWidget*>(options.cbOverview)));
    }

    // Once the set-up is confirmed, Word Lists takes the keyboard again.
    QTest::mouseClick(options.bnEndSetupOK, Qt::LeftButton);
    QCOMPARE(main.CurrentScreen, int(ScreenWordLists));
    QVERIFY(wordLists->isEnabled());
    QTRY_VERIFY(wordLists->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(!TabRound(wordLists).isEmpty());
}

void TestMainWindow::optionsBoxSelectsOptions()
{
    AppFixture program;
    QVERIFY(program.WriteDataFile({0, 0, 1260, 960, 2}));
    QVERIFY(program.Start());
    TfrmMain& main = *program.main;
    QCOMPARE(BoxColour(main.Boxes[0]), Navy);
    QCOMPARE(BoxColour(main.Boxes[7]), White);
    const int optionsShows = main.frmOptions->FormShowCount();

    ClickBox(main, 7);
    QCOMPARE(main.CurrentScreen, int(ScreenOptions));
    QCOMPARE(main.CurrentScreenForm, static_cast<TScreenForm*>(main.frmOptions));
    QVERIFY(main.frmOptions->isVisible());
    QCOMPARE(main.frmOptions->ShowSetupPage, uint8_t(1));
    QCOMPARE(main.frmOptions->ShowOverviewPage, uint8_t(0));
    QCOMPARE(main.frmOptions->FormShowCount(), optionsShows + 1);
    QCOMPARE(main.frmOptions->geometry(), QRect(PageLeft, PageTop, PageWidth, PageHeight));
    QCOMPARE(BoxColour(main.Boxes[7]), Navy);
    for (int box = 0; box < ToolBarBoxCount; ++box)
        if (box != 7)
            QCOMPARE(BoxColour(main.Boxes[box]), White);
    if (main.Screens[ScreenWordLists])
        QVERIFY(!main.Screens[ScreenWordLists]->isVisible());
    // Help and Hints are never selected, and do not change the screen.
    ClickBox(main, BoxHints);
    QCOMPARE(main.CurrentScreen, int(ScreenOptions));
    QCOMPARE(BoxColour(main.Boxes[BoxHints]), White);
}

void TestMainWindow::leavingOptionsShowsTheNextScreenTwice()
{
    AppFixture program;
    program.countingScreens = {ScreenWordLists, ScreenCrosswords};
    QVERIFY(program.WriteDataFile({0, 0, 1260, 960, 2}));
    QVERIFY(program.Start());
    TfrmMain& main = *program.main;
    QCOMPARE(main.CurrentScreen, int(ScreenWordLists));
    TScreenForm* crosswords = main.Screens[ScreenCrosswords];
    int shows = crosswords->FormShowCount();

    ClickBox(main, 2);  // from Word Lists
    QCOMPARE(main.CurrentScreen, int(ScreenCrosswords));
    QCOMPARE(crosswords->FormShowCount(), shows + 1);
    QVERIFY(crosswords->isVisible());
    QVERIFY(!main.Screens[ScreenWordLists]->isVisible());
    QCOMPARE(BoxColour(main.Boxes[2]), Navy);

    ClickBox(main, 7);
    shows = crosswords->FormShowCount();
    QVERIFY(!crosswords->isVisible());
    ClickBox(main, 2);  // from Options
    QCOMPARE(crosswords->FormShowCount(), shows + 2);
    QVERIFY(!main.frmOptions->isVisible());

    ClickBox(main, 2);  // the screen on view is shown again
    QCOMPARE(crosswords->FormShowCount(), shows + 3);
    QVERIFY(crosswords->isVisible());

    ClickBox(main, 0);
    ClickBox(main, 2);
    QCOMPARE(crosswords->FormShowCount(), shows + 4);
}

void TestMainWindow::resizeBelowTheMinimumSnapsBackWithAMessage()
{
    AppFixture program;
    QVERIFY(program.WriteDataFile({0, 0, 1270, 1000, 3}));
    QVERIFY(program.Start({1280, 1024, 120, false}));
    TfrmMain& main = *program.main;
    QCOMPARE(main.size(), QSize(1270, 1000));
    QCOMPARE(Preferences.FontSizeMode, 3);
    QCOMPARE(program.messages(), QStringList());
    // The window manager is told the minimum, so a drag below it stops there.
    QCOMPARE(main.minimumSize(), QSize(1260, 960));

    main.resize(1200, 1000);
    QTRY_COMPARE(program.messages(), QStringList{WidthMessage});
    QTest::qWait(50);
    QCOMPARE(program.messages(), QStringList{WidthMessage});
    QCOMPARE(main.size(), QSize(1260, 1000));
    QCOMPARE(PageWidth, 1251);  // laid out for the size the window has

    program.shown.clear();
    main.resize(1260, 900);
    QTRY_COMPARE(program.messages(), QStringList{HeightMessage});
    QCOMPARE(main.size(), QSize(1260, 960));
    QCOMPARE(PageHeight, 960 - main.ToolBarHeight() + 3);

    // At the minimum already, a further try changes nothing and says nothing more.
    program.shown.clear();
    main.resize(1000, 700);
    QTest::qWait(50);
    QCOMPARE(main.size(), QSize(1260, 960));
    QCOMPARE(program.messages(), QStringList());

    // A window already narrower than the minimum (made so before the mode changed) resizes freely.
    Preferences.FontSizeMode = 2;
    main.ApplyFontScheme();
    main.resize(1100, 960);
    QTRY_COMPARE(main.width(), 1100);
    Preferences.FontSizeMode = 3;
    main.ApplyFontScheme();
    QCOMPARE(main.minimumSize(), QSize(800, 960));
    main.resize(900, 960);
    QTRY_COMPARE(main.width(), 900);
    main.resize(700, 960);
    QTRY_COMPARE(main.width(), 800);
    QTest::qWait(50);
    QCOMPARE(program.messages(), QStringList());
    QCOMPARE(main.width(), 800);
}

void TestMainWindow::nominalFontsShrinkFreelyAt96Dpi()
{
    AppFixture program;
    QVERIFY(program.Start());
    TfrmMain& main = *program.main;
    QCOMPARE(main.size(), QSize(1260, 960));
    QCOMPARE(Preferences.FontSizeMode, 2);
    main.resize(800, 600);
    QTRY_COMPARE(main.size(), QSize(800, 600));
    main.resize(640, 480);
    QTest::qWait(50);
    QCOMPARE(main.size(), QSize(800, 600));
    QCOMPARE(program.messages(), QStringList());
}

void TestMainWindow::closeWritesTheDataFile_data()
{
    // The program's folder, named as users name their own.
    QTest::addColumn<QString>("folder");
    QTest::newRow("accents") << QString("Español José Núñez");
    QTest::newRow("other alphabets") << QString("Юлия 日本語");
}

void TestMainWindow::closeWritesTheDataFile()
{
    QFETCH(QString, folder);
    QTemporaryDir parent;
    QVERIFY(QDir(parent.path()).mkdir(folder));
    AppFixture program(parent.filePath(folder));
    const QString file = program.DataFile();
    QVERIFY(program.WriteDataFile({10, 20, 1100, 800, 2}));
    QVERIFY(QFile::exists(file));
    {
        QVERIFY(program.Start());
        TfrmMain& main = *program.main;
        main.resize(1150, 850);
        main.move(50, 60);
        QTRY_COMPARE(QRect(main.pos(), main.size()), QRect(50, 60, 1150, 850));
        QVERIFY(main.close());
        program.Stop();
    }
    QCOMPARE(program.messages(), QStringList());
    QCOMPARE(QFileInfo(file).size(), qint64(1075984));
    QCOMPARE(QDir(program.path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Lexory.dat"});
    const TPreferences saved = PreferencesIn(file);
    QCOMPARE(saved.PrefsValid, uint8_t(1));
    QCOMPARE(saved.WindowWidth, 1150);
    QCOMPARE(saved.WindowHeight, 850);
    QCOMPARE(saved.WindowLeft, 50);
    QCOMPARE(saved.WindowTop, 60);
    QCOMPARE(saved.FontSizeMode, 2);

    // The next start comes back where the window was left.
    QVERIFY(program.Start());
    QCOMPARE(QRect(program.main->pos(), program.main->size()), QRect(50, 60, 1150, 850));
    QCOMPARE(program.main->CurrentScreen, int(ScreenWordLists));

    // A hang-up (a logout) closes the window the same way, from the event loop.
    TfrmMain& main = *program.main;
    WhenSessionEnds([&main] { main.EndSession(); });
    main.move(70, 80);
    QTRY_COMPARE(main.pos(), QPoint(70, 80));
    QVERIFY(std::raise(SIGHUP) == 0);
    QVERIFY(main.isVisible());  // nothing happens inside the signal handler
    QTRY_VERIFY(!main.isVisible());
    WhenSessionEnds(nullptr);
    QCOMPARE(PreferencesIn(file).WindowLeft, 70);
    QCOMPARE(PreferencesIn(file).WindowTop, 80);
    QCOMPARE(program.messages(), QStringList());

    // The application's quit after the close (aboutToQuit) writes nothing more.
    QVERIFY(QFile::remove(file));
    main.FormClose();
    QVERIFY(!QFile::exists(file));
}

void TestMainWindow::closeBeforeSetUpKeepsTheFirstRun()
{
    AppFixture program;
    const QString file = program.DataFile();
    {
        QVERIFY(program.Start());
        program.main->resize(1000, 720);
        QTRY_COMPARE(program.main->size(), QSize(1000, 720));
        QVERIFY(program.main->close());
        program.Stop();
    }
    QCOMPARE(QFileInfo(file).size(), qint64(1075984));
    QCOMPARE(PreferencesIn(file).PrefsValid, uint8_t(0));
    QCOMPARE(PreferencesIn(file).WindowWidth, 1000);

    QVERIFY(program.Start());
    QCOMPARE(program.main->size(), QSize(1260, 960));
    QCOMPARE(program.main->frmOptions->OpenedAtStart, uint8_t(1));
    QCOMPARE(program.main->CurrentScreen, int(ScreenNone));
    QCOMPARE(program.messages(), QStringList());
}

void TestMainWindow::failedWriteIsReported()
{
    QTemporaryDir dir;
    // The program's folder disappears while it runs.
    {
        const QString folder = dir.filePath("program");
        QVERIFY(QDir().mkpath(folder));
        AppFixture program(folder);
        QVERIFY(program.Start());
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(program.main->close());
        QCOMPARE(program.messages(), QStringList{WriteError});
        QVERIFY(!QFile::exists(folder + "/Lexory.dat"));
    }
    // The program's "folder" is a file: start-up treats it as a first run, closing reports.
    {
        const QString notFolder = dir.filePath("plainfile");
        QFile plain(notFolder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("not a folder");
        plain.close();
        AppFixture program(notFolder);
        QVERIFY(program.Start());
        QCOMPARE(Preferences.PrefsValid, uint8_t(0));
        QCOMPARE(program.main->size(), QSize(1260, 960));
        QVERIFY(program.main->close());
        QCOMPARE(program.messages(), QStringList{WriteError});
        QCOMPARE(FileBytes(notFolder), QByteArray("not a folder"));
    }
}

void TestMainWindow::failedWriteKeepsTheOldFile()
{
#ifdef __linux__
    AppFixture program;
    const QString file = program.DataFile();
    QVERIFY(program.WriteDataFile({10, 20, 1100, 800, 2}));
    const QByteArray old = FileBytes(file);
    QCOMPARE(old.size(), qsizetype(1075984));

    QVERIFY(program.Start());
    program.main->resize(900, 700);
    QTRY_COMPARE(program.main->size(), QSize(900, 700));

    // The disk fills up part-way through the write; the limit's signal would end a program that
    // had not asked for the write to fail instead.
    bool closed = false;
    {
        const FileSizeLimit full(4096);
        QVERIFY(full.IsSet());
        closed = program.main->close();
    }

    QVERIFY(closed);
    QCOMPARE(program.messages(), QStringList{WriteError});
    QVERIFY(FileBytes(file) == old);
    const QStringList leftovers = QDir(program.path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(leftovers, QStringList{"Lexory.dat"});
#else
    QSKIP("needs a file-size limit to make the write fail");
#endif
}

void TestMainWindow::damagedFileIsKeptAndReportedOnce()
{
    AppFixture program;
    const QString file = program.DataFile();
    const QString kept = program.path + "/Lexory-damaged.dat";
    QVERIFY(program.WriteDataFile());
    QFile::resize(file, 1075983);  // one byte short
    const QByteArray cut = FileBytes(file);

    QVERIFY(program.Start());
    QCOMPARE(Preferences.PrefsValid, uint8_t(0));  // a first run
    QCOMPARE(program.messages(), QStringList{DamagedDataFileMessage("Lexory-damaged.dat").replace("\n\r", "\n")});
    QVERIFY(program.main->close());
    program.Stop();
    QCOMPARE(FileBytes(kept), cut);
    QCOMPARE(QFileInfo(file).size(), qint64(1075984));  // the new file beside it
    QCOMPARE(program.messages().size(), 1);

    // Damaged again: a copy of its own, the first one untouched; a good file is never reported.
    QFile::resize(file, 672);
    const QByteArray second = FileBytes(file);
    QVERIFY(program.Start());
    program.Stop();
    QCOMPARE(program.messages().size(), 2);
    QCOMPARE(FileBytes(kept), cut);
    QCOMPARE(FileBytes(program.path + "/Lexory-damaged-2.dat"), second);
    QVERIFY(program.Start());
    program.Stop();
    QCOMPARE(program.messages().size(), 2);

    // Every name for a kept copy taken (a move that fails for root too): start-up says so, and
    // the close neither writes over the file nor reports a write it never tried.
    for (int n = 3; n <= 999; ++n)
        WriteBytes(program.path + QString("/Lexory-damaged-%1.dat").arg(n), "x");
    QFile::resize(file, 1000);
    const QByteArray third = FileBytes(file);
    QVERIFY(program.Start());
    QCOMPARE(program.messages().size(), 3);
    QCOMPARE(program.messages().last(), DamagedDataFileMessage("").replace("\n\r", "\n"));
    QVERIFY(program.main->close());
    program.Stop();
    QCOMPARE(program.messages().size(), 3);
    QCOMPARE(FileBytes(file), third);
    QCOMPARE(QDir(program.path).entryList({"*Lexory.dat*"}, QDir::AllEntries | QDir::Hidden), QStringList{"Lexory.dat"});
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"

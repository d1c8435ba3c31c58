#include "Platform.h"

#include <QDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QSocketNotifier>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
std::vector<ScreenFigures> ScreensOverride;
PrintDialogAnswer PrintAnswer;

ScreenFigures FiguresOf(const QScreen* screen)
{
    ScreenFigures f;
    const QRect all = screen->geometry();
    const QRect usable = screen->availableGeometry();
    f.Width = all.width();
    f.Height = all.height();
    f.Left = all.left();
    f.Top = all.top();
    f.PixelsPerInch = qRound(screen->logicalDotsPerInch());
    // Any panel at any edge; a usable area the desktop gets wrong never grows the screen.
    f.Panels = QMargins(std::max(0, usable.left() - all.left()), std::max(0, usable.top() - all.top()),
                        std::max(0, all.right() - usable.right()), std::max(0, all.bottom() - usable.bottom()));
    f.TaskBarAlwaysOnTop = !f.Panels.isNull();
    return f;
}
}  // namespace

ScreenFigures CurrentScreenFigures()
{
    if (!ScreensOverride.empty())
        return ScreensOverride.front();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? FiguresOf(screen) : ScreenFigures{};
}

std::vector<ScreenFigures> AllScreenFigures()
{
    if (!ScreensOverride.empty())
        return ScreensOverride;
    std::vector<ScreenFigures> all{CurrentScreenFigures()};
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            all.push_back(FiguresOf(screen));
    return all;
}

void SetScreenFiguresOverride(std::optional<ScreenFigures> figures)
{
    SetScreensOverride(figures ? std::vector<ScreenFigures>{*figures} : std::vector<ScreenFigures>{});
}

void SetScreensOverride(std::vector<ScreenFigures> screens)
{
    ScreensOverride = std::move(screens);
}

void IgnoreFileSizeLimitSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

void MoveWindowFrame(QWidget* window, const QPoint& frameTopLeft)
{
    // Before creation Qt keeps a move as the frame's position; afterwards it takes the client
    // area's unless the window handle is told the position includes the frame.
    window->move(frameTopLeft);
    if (window->testAttribute(Qt::WA_WState_Created))
        if (QWindow* handle = window->windowHandle())
            handle->setFramePosition(frameTopLeft);
}

QMargins WindowFrameMargins(const QWidget* window, const QWidget* framedSibling)
{
    auto margins = [](const QWidget* w) {
        // The window system's own answer is fresher than the widget's copy of it, which is
        // brought up to date only by a move.
        if (w->testAttribute(Qt::WA_WState_Created))
            if (const QWindow* handle = w->windowHandle())
                return handle->frameMargins();
        const QRect outer = w->frameGeometry();
        const QRect inner = w->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    const QMargins own = margins(window);
    if (!own.isNull() || !framedSibling)
        return own;
    return margins(framedSibling);
}

namespace {
int SignalPipe[2] = {-1, -1};
std::function<void()> SessionEnds;

extern "C" void OnEndSignal(int)
{
    // Only async-signal-safe work here: the event loop does the rest. The interrupted code may
    // be about to read errno.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(SignalPipe[1], &byte, 1);
    errno = savedErrno;
}
}  // namespace

void WhenSessionEnds(std::function<void()> callback)
{
    SessionEnds = std::move(callback);
    if (SignalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalPipe) != 0)
        return;
    // A burst of signals must not block the handler; one byte left unread is enough.
    ::fcntl(SignalPipe[1], F_SETFL, ::fcntl(SignalPipe[1], F_GETFL) | O_NONBLOCK);
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte;
        if (::read(SignalPipe[0], &byte, 1) == 1 && SessionEnds)
            SessionEnds();
    });
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

QStringList InstalledFontFamilies()
{
    return QFontDatabase::families();
}

bool AddFontResource(const QString& path)
{
    // Only a plain file: reading a pipe in its place would hold up the start.
    return QFileInfo(path).isFile() && QFontDatabase::addApplicationFont(path) >= 0;
}

void InstallFontSubstitutions()
{
    // A Courier-metric monospace keeps the letter grids the width they were designed for.
    const QStringList mono = {"Liberation Mono", "Courier", "DejaVu Sans Mono", "Monospace"};
    const QStringList sans = {"Liberation Sans", "DejaVu Sans", "Arial", "Sans Serif"};
    const QStringList installed = InstalledFontFamilies();
    auto firstInstalled = [&](const QStringList& wanted) {
        for (const QString& f : wanted)
            if (installed.contains(f, Qt::CaseInsensitive))
                return QStringList{f};
        return wanted;
    };
    for (const char* face : {"MS Sans Serif", "Small Fonts", "Ariel"})
        if (!installed.contains(face))
            QFont::insertSubstitutions(face, firstInstalled(sans));
    if (!installed.contains("Courier New"))
        QFont::insertSubstitutions("Courier New", firstInstalled(mono));
}

namespace {
// The help window lives with the window that opened it.
QPointer<QDialog> HelpDialog;
QString HelpFileShown;
}  // namespace

void OpenHelp(QWidget* parent, const QString& helpFile)
{
    if (!HelpDialog || HelpDialog->parentWidget() != parent) {
        delete HelpDialog;
        HelpDialog = new QDialog(parent);
        HelpDialog->setObjectName("helpWindow");
        HelpDialog->setWindowTitle("Lexory Help");
        HelpDialog->resize(720, 560);
        auto* layout = new QVBoxLayout(HelpDialog);
        auto* browser = new QTextBrowser(HelpDialog);
        browser->setObjectName("helpBrowser");
        browser->setOpenLinks(true);
        layout->addWidget(browser);
    }
    auto* browser = HelpDialog->findChild<QTextBrowser*>("helpBrowser");
    HelpFileShown = QFileInfo(helpFile).isFile() ? helpFile : QString();
    if (!HelpFileShown.isEmpty()) {
        browser->setSource(QUrl::fromLocalFile(helpFile));
    } else {
        browser->setHtml("<h2>Lexory Help</h2><p>No help pages are installed.</p>");
    }
    HelpDialog->show();
    HelpDialog->raise();
}

QWidget* HelpWindow()
{
    return HelpDialog;
}

QString HelpPageShown()
{
    if (!HelpDialog || !HelpDialog->isVisible())
        return {};
    return HelpFileShown;
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent)
{
    if (PrintAnswer)
        return PrintAnswer(printer, parent);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogAnswer(PrintDialogAnswer answer)
{
    PrintAnswer = std::move(answer);
}

QStringList FontFilesToAdd(const QStringList& installed)
{
    QStringList files;
    if (!installed.contains("Small Fonts", Qt::CaseSensitive))
        files << "smalle.fon";
    if (!installed.contains("Courier New", Qt::CaseSensitive))
        files << "cour.ttf";
    return files;
}

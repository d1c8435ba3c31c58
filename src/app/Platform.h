#pragma once
// What the program needs of the desktop beyond Qt's widgets: screen figures, the task bar,
// fonts, help and printing. Tests replace the screen figures and answer the print dialog.

#include <QMargins>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QPoint;
class QPrinter;
class QWidget;

struct ScreenFigures {
    int Width = 0;
    int Height = 0;
    int PixelsPerInch = 96;
    bool TaskBarAlwaysOnTop = false;  // an always-on-top task bar takes height from the screen
    int Left = 0;  // the screen's place on the desktop: only the primary one need be at 0, 0
    int Top = 0;
    QMargins Panels = QMargins();  // what the desktop's panels and bars take at each edge, as the desktop reports it
};

// The primary screen, or the first of the screens a test has set.
ScreenFigures CurrentScreenFigures();
// Every screen of the desktop, the primary one first.
std::vector<ScreenFigures> AllScreenFigures();
// A test's desktop of one screen, or of several (the primary first); nullopt for the real one.
void SetScreenFiguresOverride(std::optional<ScreenFigures> figures);
void SetScreensOverride(std::vector<ScreenFigures> screens);

// Writes to a file past the process's file-size limit fail (EFBIG) instead of ending it.
void IgnoreFileSizeLimitSignal();

// Places a top-level window so that its outer frame's top-left is at the point, also before the
// window manager has framed it (a plain move then places the client area, and the frame lands
// above and left of it).
void MoveWindowFrame(QWidget* window, const QPoint& frameTopLeft);
// The frame a window manager draws around a window: around this one when it is framed, else
// around the other one (windows of one program get the same decorations).
QMargins WindowFrameMargins(const QWidget* window, const QWidget* framedSibling = nullptr);

// Runs the callback from the event loop, once per signal, when the session ends or the program
// is told to stop (SIGTERM, SIGHUP, SIGINT). The callback replaces any earlier one.
void WhenSessionEnds(std::function<void()> callback);

// The installed font families.
QStringList InstalledFontFamilies();
// Adds a font from a file (a missing face the program needs); false when it could not.
bool AddFontResource(const QString& path);
// Maps the Windows face names the font scheme uses onto the fonts installed here.
void InstallFontSubstitutions();

// Opens the help window at its default topic.
void OpenHelp(QWidget* parent, const QString& helpFile);
// The help window (null before the first help), and the file it shows while it is open.
QWidget* HelpWindow();
QString HelpPageShown();

// The print dialog. The default asks the user; a test sets an answer that fills the printer
// (a PDF file, say) and returns true to print.
using PrintDialogAnswer = std::function<bool(QPrinter& printer, QWidget* parent)>;
bool RunPrintDialog(QPrinter& printer, QWidget* parent);
void SetPrintDialogAnswer(PrintDialogAnswer answer);

// The font files to add when the faces the program names are not installed.
QStringList FontFilesToAdd(const QStringList& installedFamilies);

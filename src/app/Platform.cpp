#include "Platform.h"

#include <QDialog>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
std::optional<ScreenFigures> ScreenOverride;
PrintDialogAnswer PrintAnswer;
}  // namespace

ScreenFigures CurrentScreenFigures()
{
    if (ScreenOverride)
        return *ScreenOverride;
    ScreenFigures f;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect all = screen->geometry();
        const QRect usable = screen->availableGeometry();
        f.Width = all.width();
        f.Height = all.height();
        f.PixelsPerInch = qRound(screen->logicalDotsPerInch());
        f.TaskBarAlwaysOnTop = usable.height() < all.height();
    }
    return f;
}

void SetScreenFiguresOverride(std::optional<ScreenFigures> figures)
{
    ScreenOverride = figures;
}

QStringList InstalledFontFamilies()
{
    return QFontDatabase::families();
}

bool AddFontResource(const QString& path)
{
    return QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0;
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
    HelpFileShown = QFile::exists(helpFile) ? helpFile : QString();
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

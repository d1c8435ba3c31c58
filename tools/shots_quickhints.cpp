// The Quick Hints window beside the screens, the Options word search with results, the About
// screen and the help window.

#include "Screenshots.h"

#include "AppGlobals.h"
#include "FontScheme.h"
#include "LX_Data.h"
#include "LX_Options.h"
#include "LX_QuickHints.h"
#include "Platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

namespace {

// The main window and the hints window as they stand on the screen, in one picture.
void SaveWithHints(ShotContext& shots, const QString& name)
{
    ShotContext::Settle();
    TfrmMain& main = shots.main;
    const QRect mainRect = main.geometry();
    const QRect hintsRect = frmQuickHints->geometry();
    const QRect all = mainRect.united(hintsRect);
    QImage picture(all.size(), QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    QPainter p(&picture);
    p.drawPixmap(mainRect.topLeft() - all.topLeft(), main.grab());
    p.drawPixmap(hintsRect.topLeft() - all.topLeft(), frmQuickHints->grab());
    p.end();
    const bool ok = picture.save(shots.out + "/" + name + ".png");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
    shots.failures += !ok;
}

void SaveWidget(ShotContext& shots, QWidget* widget, const QString& name)
{
    ShotContext::Settle();
    const bool ok = widget->grab().save(shots.out + "/" + name + ".png");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
    shots.failures += !ok;
}

// The help pages a build lays beside the program, copied beside this run's program folder.
bool CopyHelpPages()
{
    const QDir source(QApplication::applicationDirPath() + "/../src/help");
    if (!source.exists())
        return false;
    QDir().mkpath(ProgramDir + "/help");
    for (const QString& page : source.entryList({"*.html"}, QDir::Files))
        QFile::copy(source.filePath(page), ProgramDir + "/help/" + page);
    return true;
}

}  // namespace

void ShotsQuickHints(ShotContext& shots)
{
    TfrmMain& main = shots.main;
    const TPreferences saved = Preferences;
    Preferences.FontSizeMode = 2;
    Preferences.AnswerLanguage = "S";
    main.ApplyFontScheme();
    main.resize(1000, 720);
    main.move(0, 0);
    main.FormResize();

    // The hints beside Word Lists, the Options settings and the About screen.
    main.ChangeScreenClick(1);
    main.bnHintsClick();
    SaveWithHints(shots, "hints-wordlists");
    main.ChangeScreenClick(8);
    SaveWithHints(shots, "hints-options");
    main.ChangeScreenClick(10);
    SaveWithHints(shots, "hints-about");

    // The word search with results, hints open on its own text.
    main.ChangeScreenClick(8);
    TfrmOptions& o = *main.frmOptions;
    o.bnSearch->click();
    o.rbContaining->setChecked(true);
    o.edSearch->setText("cas");
    o.bnSearchSpanish->click();
    SaveWithHints(shots, "hints-search");
    frmQuickHints->bnCloseClick();
    shots.Save("search-results");
    o.bnReturn->click();

    for (int mode : {1, 3}) {
        Preferences.FontSizeMode = mode;
        main.ApplyFontScheme();
        if (mode == 3)
            main.resize(1260, 960);
        main.FormResize();
        o.FormShow();
        o.bnSearch->click();
        o.edSearch->setText("cas");
        o.bnSearchSpanish->click();
        shots.Save(QStringLiteral("search-results-mode%1").arg(mode));
        o.bnReturn->click();
        main.ChangeScreenClick(10);
        shots.Save(QStringLiteral("about-mode%1").arg(mode));
        main.ChangeScreenClick(8);
    }
    Preferences.FontSizeMode = 2;
    main.ApplyFontScheme();
    main.resize(1000, 720);
    main.ChangeScreenClick(10);
    shots.Save("about");

    // Help at the page of the screen on view.
    if (CopyHelpPages()) {
        main.ChangeScreenClick(1);
        main.bnHelpClick();
        SaveWidget(shots, HelpWindow(), "help-wordlists");
        main.ChangeScreenClick(8);
        o.bnSearch->click();
        main.bnHelpClick();
        SaveWidget(shots, HelpWindow(), "help-search");
        o.bnReturn->click();
        HelpWindow()->close();
    } else {
        std::printf("no help pages beside the program: help not shot\n");
    }

    main.ChangeScreenClick(1);
    Preferences = saved;
    main.ApplyFontScheme();
}

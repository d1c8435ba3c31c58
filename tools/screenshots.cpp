// Starts Lexory offscreen in a temporary folder with no data file, saves the first-run
// overview and set-up pages, confirms the set-up, shows each screen that exists (and each
// mode of a screen), and writes one PNG per view into the folder given.
// Usage: QT_QPA_PLATFORM=offscreen screenshots OUTPUT_DIR

#include "Screenshots.h"

#include "AppGlobals.h"
#include "LX_Options.h"
#include "LX_Data.h"
#include "LX_PuzzlesMain.h"
#include "LX_WordGames.h"
#include "Platform.h"
#include "ScreenForm.h"
#include "ShowMsg.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <utility>
#include <QPushButton>
#include <QRadioButton>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <tuple>

void ShotContext::Settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void ShotContext::Save(const QString& name)
{
    Settle();
    const bool ok = main.grab().save(out + "/" + name + ".png");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
    failures += !ok;
}

void ShotContext::UseWindow(int fontSizeMode, int width, int height)
{
    Preferences.FontSizeMode = fontSizeMode;
    main.ApplyFontScheme();
    main.resize(width, height);
}

ShotState ShotContext::Keep() const
{
    return {Preferences, main.size()};
}

void ShotContext::Restore(const ShotState& state)
{
    Preferences = state.preferences;
    main.ApplyFontScheme();
    main.resize(state.size);
}

void ShowWordGameOptions(ShotContext& shots, TfrmWordGames& games)
{
    shots.main.ChangeScreenClick(ScreenWordGames);
    if (games.GameMode != GameOptionsPage)
        games.bnReturnClick();
}

namespace {
void Settle(int ms = 50) { ShotContext::Settle(ms); }
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir home;
    SetScreenFiguresOverride(ScreenFigures{1280, 1024, 96, false});
    // Messages are answered with "O.K." so that nothing waits for a user. The program starts
    // on a data file cut short, so the first message is the one that tells of it.
    QFile cut(home.filePath("Lexory.dat"));
    if (cut.open(QIODevice::WriteOnly))
        cut.write(QByteArray(672, '\0'));
    cut.close();
    bool firstMessage = true;
    SetMessageFormAnswer([&](TfrmShowMsg& form) {
        if (std::exchange(firstMessage, false))
            form.grab().save(out + "/message-damaged-data-file.png");
        form.bnOK->click();
    });

    TfrmMain main(home.path());
    TfrmShowMsg message(&main);
    frmShowMsg = &message;
    main.show();
    while (!main.StartedUp())
        Settle(10);

    ShotContext shots{main, out};
    // A first run opens on the overview, then the set-up page; both are saved before answering.
    TfrmOptions& options = *main.frmOptions;
    for (int mode : {1, 2, 3}) {
        Preferences.FontSizeMode = mode;
        main.ApplyFontScheme();
        options.FormShow();
        shots.Save(QStringLiteral("overview-mode%1").arg(mode));
    }
    Preferences.FontSizeMode = 2;
    main.ApplyFontScheme();
    options.FormShow();
    options.bnContinue->click();
    for (QRadioButton* font : {options.rbFont1, options.rbFont2, options.rbFont3}) {
        font->setChecked(true);
        shots.Save(QStringLiteral("setup-mode%1").arg(Preferences.FontSizeMode));
    }
    options.rbFont2->setChecked(true);
    options.bnEndSetupOK->click();

    // Every screen at each font size, with Spanish answers; the screens whose columns follow
    // the answer language once more with English answers.
    for (const char* language : {"S", "E"}) {
        Preferences.AnswerLanguage = language;
        for (int mode : {1, 2, 3}) {
            Preferences.FontSizeMode = mode;
            main.ApplyFontScheme();
            main.FormResize();
            const QString suffix = QStringLiteral("-mode%1-%2").arg(mode).arg(language);
            for (int screen : {1, 2, 3, 4, 5, 6, 7, 8, 10}) {
                if (!main.Screens[screen] || (language[0] == 'E' && screen != ScreenWordLists))
                    continue;
                main.ChangeScreenClick(screen);
                shots.Save(QStringLiteral("screen%1").arg(screen) + suffix);
            }
        }
    }
    // The smaller standard window sizes, with the font size each is meant for.
    Preferences.AnswerLanguage = "S";
    for (auto [width, height, mode] : {std::tuple{1000, 720, 2}, std::tuple{800, 600, 1}}) {
        Preferences.FontSizeMode = mode;
        main.ApplyFontScheme();
        main.resize(width, height);
        main.ChangeScreenClick(ScreenWordLists);
        shots.Save(QStringLiteral("screen1-%1x%2").arg(width).arg(height));
    }

    // The screens' own views: puzzles and games generated, part played and checked.
    ShotsCrosswords(shots);
    ShotsWordGames(shots);
    ShotsWordTests(shots);
    ShotsWordSearch(shots);
    ShotsBoardGame(shots);
    ShotsCustomLists(shots);
    ShotsBoardGameLongNames(shots);
    ShotsQuickHints(shots);
    ShotsWordGames3(shots);
    ShotsWordGames2(shots);
    ShotsFreeFormat(shots);
    ShotsPrinting(shots);

    frmShowMsg = nullptr;
    return shots.failures ? 1 : 0;
}

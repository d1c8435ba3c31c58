#pragma once
// What the screenshot tool's per-screen parts share: the running program, the output folder
// and the count of pictures that could not be written.

#include "LX_Data.h"
#include "LX_PuzzlesMain.h"

#include <QSize>
#include <QString>

class TfrmWordGames;

// What a screen's shots change and put back: the preferences and the window size.
struct ShotState {
    TPreferences preferences;
    QSize size;
};

struct ShotContext {
    TfrmMain& main;
    QString out;
    int failures = 0;

    // Lets the event loop run for ms milliseconds, so layout and painting settle.
    static void Settle(int ms = 50);
    // Writes the main window as OUT/name.png; counts a failure.
    void Save(const QString& name);

    // The form the program built for a screen, or null.
    template <class Form>
    Form* ScreenAs(int screen) const
    {
        return qobject_cast<Form*>(main.Screens[screen]);
    }
    // The font size mode set, its fonts applied, then the window sized.
    void UseWindow(int fontSizeMode, int width, int height);
    ShotState Keep() const;
    // The kept preferences back, their fonts applied, then the kept window size.
    void Restore(const ShotState& state);
};

// Word Games on view at its options page, whatever game was on view before.
void ShowWordGameOptions(ShotContext& shots, TfrmWordGames& games);

// One per screen, each in its own tools/shots_*.cpp; each leaves Preferences as it found them.
void ShotsCrosswords(ShotContext& shots);
void ShotsWordGames(ShotContext& shots);
void ShotsWordTests(ShotContext& shots);
void ShotsWordSearch(ShotContext& shots);
void ShotsBoardGame(ShotContext& shots);
void ShotsCustomLists(ShotContext& shots);
void ShotsBoardGameLongNames(ShotContext& shots);
void ShotsQuickHints(ShotContext& shots);
void ShotsWordGames3(ShotContext& shots);
void ShotsWordGames2(ShotContext& shots);
void ShotsFreeFormat(ShotContext& shots);
void ShotsPrinting(ShotContext& shots);

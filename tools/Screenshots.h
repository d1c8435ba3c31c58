#pragma once
// What the screenshot tool's per-screen parts share: the running program, the output folder
// and the count of pictures that could not be written.

#include "LX_PuzzlesMain.h"

#include <QString>

struct ShotContext {
    TfrmMain& main;
    QString out;
    int failures = 0;

    // Lets the event loop run for ms milliseconds, so layout and painting settle.
    static void Settle(int ms = 50);
    // Writes the main window as OUT/name.png; counts a failure.
    void Save(const QString& name);
};

// One per screen, each in its own tools/shots_*.cpp; each leaves Preferences as it found them.
void ShotsCrosswords(ShotContext& shots);
void ShotsWordGames(ShotContext& shots);
void ShotsWordTests(ShotContext& shots);
void ShotsWordSearch(ShotContext& shots);
void ShotsBoardGame(ShotContext& shots);
void ShotsCustomLists(ShotContext& shots);
void ShotsQuickHints(ShotContext& shots);
void ShotsWordGames3(ShotContext& shots);
void ShotsWordGames2(ShotContext& shots);
void ShotsFreeFormat(ShotContext& shots);
void ShotsPrinting(ShotContext& shots);

#pragma once
// What the word-game widget tests share: the way to a game from the tool bar, and a short
// selection of words.

#include "AppFixture.h"
#include "GridMouse.h"

#include "CategoryPicker.h"
#include "LX_WordGames.h"

#include "LX_Globals.h"
#include "Selection.h"

#include <QPushButton>
#include <QRadioButton>

// Word Games from the tool bar, a game chosen, Animals - Birds started.
inline void StartFromToolBar(AppFixture& fixture, TfrmWordGames* games, QRadioButton* game)
{
    fixture.ClickBox(ScreenWordGames);
    ClickRadio(game);
    ClickCell(games->Picker->sgCategory, 0, 0);
    ClickCell(games->Picker->sgSubCategory, 0, 0);
    QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
}

// All words of Animals - Birds but the first `keep` learned.
inline void KeepUnlearnedBirds(int keep)
{
    int left = 0;
    for (int i = 1; i <= WordCount; ++i)
        if (InSelection(WordTable[i], WordSelection{}))
            MarkWordLearned(i, ++left > keep);
}

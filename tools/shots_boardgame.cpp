#include "Screenshots.h"

#include "BoardGameRules.h"
#include "CategoryPicker.h"
#include "LX_BoardGame.h"
#include "LX_CustomLists.h"
#include "QtText.h"

#include "LX_Data.h"
#include "Random.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <tuple>

namespace {

// The view at the smallest window and font, then the usual window again.
void SaveSmall(ShotContext& shots, const QString& name)
{
    shots.UseWindow(1, 800, 600);
    shots.Save(name);
    shots.UseWindow(2, 1260, 960);
}

}  // namespace

void ShotsBoardGame(ShotContext& shots)
{
    auto* screen = shots.ScreenAs<TfrmBoardGame>(ScreenBoardGame);
    if (!screen)
        return;
    const ShotState saved = shots.Keep();
    shots.UseWindow(2, 1260, 960);
    shots.main.ChangeScreenClick(ScreenBoardGame);
    RandSeed(7);
    screen->edName[0]->setText("Ana");
    screen->edName[1]->setText("Ben");
    screen->edName[2]->setText("Carmen");
    screen->cbGusmaro->setChecked(true);
    screen->tbTarget[1]->setValue(25);
    screen->bnRandom->click();
    shots.Save("boardgame-setup");
    SaveSmall(shots, "boardgame-setup-800x600");

    screen->bnStartGame->click();  // the confirmation is answered with "O.K."
    if (!screen->GameInProgress) {
        shots.Restore(saved);
        return;
    }
    // A game some turns in: the markers spread round the board.
    const int positions[5] = {0, 6, 23, 42, 58};
    const int scores[5] = {0, 7, 12, 4, 6};
    for (int k = 1; k <= PlayerCount; ++k) {
        BoardPlayers[k].Position = positions[k];
        BoardPlayers[k].Score = scores[k];
    }
    screen->FormResize();
    screen->BeginTurn();
    shots.Save("boardgame-roll");
    screen->imDiceClick();
    shots.Save("boardgame-move");
    SaveSmall(shots, "boardgame-move-800x600");
    if (Option1Square > 0)
        screen->PanelOption1Click();
    else
        screen->PanelOption2Click();
    if (!screen->PanelClue->isHidden()) {
        screen->edSpanish->setText("el perr");
        shots.Save("boardgame-question");
        screen->bnSubmit->click();
        shots.Save("boardgame-answer");
    }

    // A chance card, reached by a free move onto a corner.
    screen->BeginTurn();
    MoveAllowed = 1;
    FreeMove = 1;
    screen->MoveToSquare(17);
    shots.Save("boardgame-cards");
    RandSeed(3);
    screen->CardsClick();
    shots.Save("boardgame-card-drawn");

    // The computer's turn, then the end of the game.
    CurrentPlayer = 4;
    screen->ComputerTurn();
    shots.Save("boardgame-computer");
    CurrentPlayer = 1;
    BoardPlayers[1].Score = BoardPlayers[1].Target - 1;
    screen->BeginTurn();
    screen->imDiceClick();
    screen->PanelOption1Click();
    if (!screen->PanelClue->isHidden()) {
        screen->edSpanish->setText(ToQt(screen->CurrentQuestion.Answer));
        screen->bnSubmit->click();
    }
    shots.Save("boardgame-end");
    screen->bnReturn->click();
    shots.Restore(saved);
}

// A game with a custom category named as long as its boxes take on the board, in the smaller
// windows: the slots list, the legend and the option lines. Runs after the Custom Lists views,
// which make that category.
void ShotsBoardGameLongNames(ShotContext& shots)
{
    auto* screen = shots.ScreenAs<TfrmBoardGame>(ScreenBoardGame);
    auto* lists = shots.ScreenAs<TfrmCustomLists>(ScreenCustomLists);
    int custom = -1;
    for (int k = 0; k < CustomCategoryCount; ++k)
        if (CategoryTable[CategoryCount + k].Name == "MUSEUMS AND WORK")
            custom = k;
    if (!screen || !lists || custom < 0)
        return;
    const ShotState saved = shots.Keep();
    shots.UseWindow(1, 800, 600);
    shots.main.ChangeScreenClick(ScreenCustomLists);
    lists->sgCustomCategorySelectCell(custom);
    lists->sgCustomSubCategorySelectCell(0);
    lists->dgFixedWordsMouseDown(2, 0);  // a word, so the category can take a slot
    shots.main.ChangeScreenClick(ScreenBoardGame);
    if (screen->GameInProgress)
        screen->bnReturn->click();
    while (!CategorySlots[0].Name.empty()) {
        screen->sgSelectedSelectCell(0);
        screen->bnRemove->click();
    }
    screen->edName[0]->setText("Ana");
    screen->edName[1]->setText("Ben");
    screen->Picker->sgCategorySelectCell((CategoryCount + custom) / 15, (CategoryCount + custom) % 15);
    screen->Picker->sgSubCategorySelectCell(0);
    screen->bnAdd->click();
    RandSeed(7);
    screen->bnRandom->click();
    shots.Save("boardgame-setup-long-names-800x600");
    screen->bnStartGame->click();
    if (!screen->GameInProgress) {
        shots.Restore(saved);
        return;
    }
    // From square 30 a 3 offers the chance square 33 and square 27, of slot 0.
    const int positions[5] = {0, 30, 23, 42, 58};
    for (int k = 1; k <= PlayerCount; ++k)
        BoardPlayers[k].Position = positions[k];
    CurrentPlayer = 1;
    screen->BeginTurn();
    Dice = 3;
    screen->imDiceClick();
    for (auto [mode, width, height] : {std::tuple{1, 800, 600}, std::tuple{2, 800, 600}, std::tuple{2, 1000, 720},
                                       std::tuple{3, 1000, 720}}) {
        shots.UseWindow(mode, width, height);
        shots.Save(QStringLiteral("boardgame-move-long-names-%1x%2-mode%3").arg(width).arg(height).arg(mode));
    }
    screen->bnReturn->click();
    shots.Restore(saved);
}

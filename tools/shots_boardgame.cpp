#include "Screenshots.h"

#include "BoardGameRules.h"
#include "LX_BoardGame.h"
#include "QtText.h"

#include "LX_Data.h"
#include "Random.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

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

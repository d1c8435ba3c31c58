// Word Games: the options page, then Scrambled Words fresh, part solved and checked, with
// Spanish and with English answers.

#include "Screenshots.h"

#include "CategoryPicker.h"
#include "LX_Data.h"
#include "LX_WordGames.h"
#include "LexGrid.h"
#include "Random.h"

#include <QPushButton>
#include <QRadioButton>

void ShotsWordGames(ShotContext& shots)
{
    auto* games = shots.ScreenAs<TfrmWordGames>(ScreenWordGames);
    if (!games)
        return;
    const ShotState saved = shots.Keep();
    shots.UseWindow(2, 1260, 960);
    for (const char* language : {"S", "E"}) {
        Preferences.AnswerLanguage = language;
        const QString suffix = QStringLiteral("-%1").arg(language);
        ShowWordGameOptions(shots, *games);
        games->rbScrambledWords->click();
        games->Picker->sgCategorySelectCell(0, 0);
        shots.Save("wordgames-options" + suffix);

        RandSeed(7);
        games->bnStartGame->click();
        shots.Save("wordgames-scrambled-fresh" + suffix);

        // Part solved: row 1 filled, row 2 shown its clue, a letter of row 3 placed wrongly.
        games->bnFill[0]->click();
        games->bnShowEnglish[1]->click();
        games->bnClue[1]->click();
        ScrambleRow& row3 = games->Scramble[2];
        for (int c = 0; c < static_cast<int>(row3.Pool.size()); ++c)
            if (CanDragFromPool(row3, c) && ContentOf(row3.Pool[c]) != std::string(1, row3.Answer[0])) {
                PoolToBox(row3, c, 0);
                break;
            }
        games->CheckScrambleRows();
        shots.Save("wordgames-scrambled-part" + suffix);

        games->bnCheck[2]->click();
        games->bnClue[3]->click();
        games->bnClue[3]->click();
        games->bnCheck[3]->click();
        shots.Save("wordgames-scrambled-checked" + suffix);
        games->bnScrambleReturn->click();
    }
    // The smallest window, with a long-worded selection.
    Preferences.AnswerLanguage = "S";
    shots.UseWindow(1, 800, 600);
    shots.main.ChangeScreenClick(ScreenWordGames);
    shots.Save("wordgames-options-800x600");
    RandSeed(11);
    games->bnStartGame->click();
    games->bnFill[0]->click();
    shots.Save("wordgames-scrambled-800x600");
    games->bnScrambleReturn->click();

    shots.Restore(saved);
}

// Word Games: Codewords and Select Letters fresh, part played and finished, with Spanish and
// with English answers, and in the smallest window.

#include "Screenshots.h"

#include "CategoryPicker.h"
#include "CodewordsPanel.h"
#include "LX_Data.h"
#include "LX_WordGames.h"
#include "Random.h"
#include "SelectLettersPanel.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

// Places the right letters of the first `codes` codes, and one wrong letter on the next.
void PlayCodewords(CodewordsPanel* panel, int codes)
{
    CodewordsBoard& board = panel->Board;
    for (int c = 1; c <= std::min(codes, board.CodeLetterCount); ++c)
        for (int i = 0; i < static_cast<int>(board.Alphabet.size()); ++i)
            if (ContentOf(board.Alphabet[i]) == board.CodeLetters[c]) {
                AlphabetToKey(board, i, c);
                break;
            }
    const int wrong = codes + 1;
    if (wrong <= board.CodeLetterCount)
        for (int i = 0; i < static_cast<int>(board.Alphabet.size()); ++i)
            if (CanDragFromAlphabet(board, i) && ContentOf(board.Alphabet[i]) != board.CodeLetters[wrong]) {
                AlphabetToKey(board, i, wrong);
                break;
            }
    CheckCodewords(board);
    panel->ShowBoard();
}

// Places the letters of the first rows from the pool, one of them in the wrong row.
void PlaySelectLetters(SelectLettersPanel* panel, int rows)
{
    SelectBoard& board = panel->Board;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < board.Length; ++col) {
            const std::string letter(1, board.Words[row].Answer[col]);
            if (letter == " " || HoldsLetter(board.Box(col, row)))
                continue;
            for (int p = 0; p < board.PoolRows; ++p)
                if (board.PoolCell(col, p) == MakeCell(CellNormal, letter)) {
                    SelectPoolToBox(board, col, p, col, row);
                    break;
                }
        }
    for (int col = 0; col < board.Length; ++col)
        if (HoldsLetter(board.Box(col, 0)) && StateOf(board.Box(col, rows)) != CellNoBox) {
            SelectBoxToBox(board, col, 0, rows);
            break;
        }
    CheckSelectLetters(board);
    panel->ShowBoard();
}

}  // namespace

void ShotsWordGames3(ShotContext& shots)
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
        games->Picker->sgCategorySelectCell(0, 0);

        games->rbCodeWords->click();
        RandSeed(5);
        games->bnStartGame->click();
        shots.Save("wordgames-codewords-fresh" + suffix);
        PlayCodewords(games->PanelCodeWords, games->PanelCodeWords->Board.CodeLetterCount / 2);
        games->PanelCodeWords->bnCodeEnglish[1]->click();
        shots.Save("wordgames-codewords-part" + suffix);
        games->PanelCodeWords->bnCodeFill->click();
        shots.Save("wordgames-codewords-finished" + suffix);

        games->bnReturnClick();
        games->rbSelectLetters->click();
        RandSeed(5);
        games->bnStartGame->click();
        shots.Save("wordgames-select-fresh" + suffix);
        PlaySelectLetters(games->PanelSelectLetters, 3);
        games->PanelSelectLetters->bnSelectEng[0]->click();
        shots.Save("wordgames-select-part" + suffix);
        games->PanelSelectLetters->bnSelectFill->click();
        shots.Save("wordgames-select-finished" + suffix);
        games->bnReturnClick();
    }

    // The smallest window.
    Preferences.AnswerLanguage = "S";
    shots.UseWindow(1, 800, 600);
    shots.main.ChangeScreenClick(ScreenWordGames);
    games->rbCodeWords->click();
    RandSeed(11);
    games->bnStartGame->click();
    PlayCodewords(games->PanelCodeWords, 4);
    shots.Save("wordgames-codewords-800x600");
    games->bnReturnClick();
    games->rbSelectLetters->click();
    games->bnStartGame->click();
    PlaySelectLetters(games->PanelSelectLetters, 2);
    shots.Save("wordgames-select-800x600");
    games->bnReturnClick();

    shots.Restore(saved);
}

// Word Games: Match Words, Uncover Squares and Sink the Boat, each fresh, part played and
// finished.

#include "Screenshots.h"

#include "CategoryPicker.h"
#include "LX_Data.h"
#include "LX_WordGames.h"
#include "LexGrid.h"
#include "MatchWordsPanel.h"
#include "Random.h"
#include "SinkTheBoatPanel.h"
#include "UncoverPanel.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

void StartGame(TfrmWordGames* games, QRadioButton* game, uint32_t seed)
{
    if (games->GameMode != GameOptionsPage)
        games->bnReturnClick();
    game->click();
    games->Picker->sgCategorySelectCell(0, 0);
    RandSeed(seed);
    games->bnStartGame->click();
}

}  // namespace

void ShotsWordGames2(ShotContext& shots)
{
    auto* games = shots.ScreenAs<TfrmWordGames>(ScreenWordGames);
    if (!games)
        return;
    const ShotState saved = shots.Keep();
    Preferences.AnswerLanguage = "S";
    Preferences.UncoverRows = 6;
    shots.UseWindow(2, 1260, 960);
    shots.main.ChangeScreenClick(ScreenWordGames);

    // Match Words: a few words placed, one of them wrongly; then checked; then filled.
    StartGame(games, games->rbMatchWords, 5);
    TMatchWordsPanel* match = games->PanelMatchWords;
    shots.Save("wordgames-match-fresh");
    MatchBoard& board = match->Board;
    for (int box = 0; box < 4; ++box)
        for (int p = 0; p < board.Rows(); ++p)
            if (CanDragFromMatchPool(board, p) && ContentOf(board.Pool[p]) == board.Answers[box]) {
                MatchPoolToBox(board, p, box);
                break;
            }
    for (int p = 0; p < board.Rows(); ++p)
        if (CanDragFromMatchPool(board, p) && ContentOf(board.Pool[p]) != board.Answers[5]) {
            MatchPoolToBox(board, p, 5);
            break;
        }
    match->bnMatchCheckClick();
    shots.Save("wordgames-match-part");
    match->bnMatchFillAll->click();
    shots.Save("wordgames-match-finished");

    // Uncover Squares: one pair matched and two cards up; then every pair matched.
    StartGame(games, games->rbUncoverSquares, 5);
    TUncoverPanel* uncover = games->PanelUncoverSquares;
    shots.Save("wordgames-uncover-fresh");
    UncoverBoard& cards = uncover->Board;
    auto cardOf = [&](int pair, bool clue) {
        for (int k = 0; k < static_cast<int>(cards.Cards.size()); ++k)
            if (CardPair(cards.Cards[k]) == pair && CardIsClue(cards.Cards[k]) == clue)
                return k;
        return -1;
    };
    auto click = [&](int k) { uncover->CardClick(k % UncoverCols, k / UncoverCols); };
    click(cardOf(1, true));
    click(cardOf(1, false));
    click(cardOf(2, true));
    click(cardOf(3, false));
    shots.Save("wordgames-uncover-part");
    uncover->rb3x10->click();
    for (int n = 1; n <= cards.Pairs; ++n) {
        click(cardOf(n, true));
        uncover->bnUncoverFill->click();
    }
    shots.Save("wordgames-uncover-finished-3x10");
    uncover->rb3x4->click();
    click(cardOf(1, true));
    shots.Save("wordgames-uncover-3x4");

    // Sink the Boat: a right and two wrong letters; then won; then sunk.
    StartGame(games, games->rbSinkTheBoat, 9);
    TSinkTheBoatPanel* sink = games->PanelSinkTheBoat;
    shots.Save("wordgames-sink-fresh");
    auto guess = [&](char letter, bool inAnswer) {
        for (int row = 0; row < AlphabetRows; ++row)
            for (int col = 0; col < AlphabetCols; ++col) {
                const std::string& key = sink->Board.Alphabet[col + row * AlphabetCols];
                if (key.size() == 2 && key[1] == letter && key[0] == '0') {
                    const bool hit = sink->Board.Answer.find(letter) != std::string::npos
                                  || sink->Board.Answer.find(static_cast<char>(letter - 32)) != std::string::npos;
                    if (hit == inAnswer)
                        sink->AlphabetClick(col, row);
                    return;
                }
            }
    };
    guess(sink->Board.Answer.empty() ? 'a' : static_cast<char>(std::tolower(sink->Board.Answer[0])), true);
    for (char c : std::string("zqxjkwv"))
        if (sink->Board.Misses() < 2)
            guess(c, false);
    shots.Save("wordgames-sink-part");
    for (char c : sink->Board.Answer)
        if (c != ' ')
            guess(static_cast<char>(std::tolower(static_cast<unsigned char>(c))), true);
    shots.Save("wordgames-sink-won");
    sink->bnSame->click();
    for (char c = 'a'; c <= 'z' && !sink->Board.Over(); ++c)
        guess(c, false);
    shots.Save("wordgames-sink-sunk");

    // English answers on the smallest window.
    Preferences.AnswerLanguage = "E";
    shots.UseWindow(1, 800, 600);
    shots.main.ChangeScreenClick(ScreenWordGames);
    StartGame(games, games->rbMatchWords, 3);
    match->bnMatchFillAll->click();
    shots.Save("wordgames-match-800x600-E");
    StartGame(games, games->rbUncoverSquares, 3);
    uncover->rb3x10->click();
    click(cardOf(1, true));
    click(cardOf(2, false));
    shots.Save("wordgames-uncover-800x600-E");
    StartGame(games, games->rbSinkTheBoat, 3);
    sink->bnSinkEnglish->click();
    shots.Save("wordgames-sink-800x600-E");
    games->bnReturnClick();

    shots.Restore(saved);
}

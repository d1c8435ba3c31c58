#pragma once
// The Word Games screen: an options page (game, filters, category) and one panel per game.
// "Start selected word game" draws the words from the selection; each game panel has
// "New game" (a fresh draw, same game) and "Change options".

#include "ScreenForm.h"
#include "WordGameRules.h"

#include <array>
#include <vector>

class CategoryPicker;
class CodewordsPanel;
class SelectLettersPanel;
class LexGrid;
class TMatchWordsPanel;
class TSinkTheBoatPanel;
class TUncoverPanel;
class TWordGamePanel;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

class TfrmWordGames : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmWordGames(QWidget* mainWindow);

    // ---- options page ----
    QFrame* PanelMain;
    std::array<QFrame*, 4> PanelStep{};      // PanelStep1..4
    std::array<QFrame*, 4> PanelStepHead{};  // their instruction panels
    std::array<QLabel*, 4> lblStep{};
    QRadioButton* rbScrambledWords;
    QRadioButton* rbMatchWords;
    QRadioButton* rbUncoverSquares;
    QRadioButton* rbSinkTheBoat;
    QRadioButton* rbCodeWords;
    QRadioButton* rbSelectLetters;
    std::array<QRadioButton*, 6> GameRadios{};  // in GameMode order 1..6
    std::array<QLabel*, 6> GameNotes{};
    QRadioButton* rbCommon;
    QRadioButton* rbNotCommon;
    QRadioButton* rbAllCommon;
    QRadioButton* rbLearned;
    QRadioButton* rbNotLearned;
    QRadioButton* rbAllLearned;
    CategoryPicker* Picker;
    QPushButton* bnStartGame;

    // ---- Scrambled Words ----
    QFrame* PanelScrambledWords;
    QLabel* lblScrambledHeader;
    QFrame* PanelScrambleInstruct;
    std::array<QLabel*, 2> lblScrambleInstruct{};
    std::array<QFrame*, 6> PanelScramble{};
    std::array<QFrame*, 6> PanelScrambleBtns{};
    std::array<LexGrid*, 6> sgGridMix{};
    std::array<LexGrid*, 6> sgGridAns{};
    std::array<QLabel*, 6> lblScrambleEnglish{};  // the bare clue, once solved
    std::array<QLabel*, 6> lblScrambleEng{};      // "English : " + clue
    std::array<QPushButton*, 6> bnShowEnglish{};
    std::array<QPushButton*, 6> bnClue{};
    std::array<QPushButton*, 6> bnFill{};
    std::array<QPushButton*, 6> bnCheck{};
    QPushButton* bnScramblePrint;
    QPushButton* bnScrambleSame;
    QPushButton* bnScrambleReturn;

    TMatchWordsPanel* PanelMatchWords;
    TUncoverPanel* PanelUncoverSquares;
    TSinkTheBoatPanel* PanelSinkTheBoat;
    CodewordsPanel* PanelCodeWords;
    SelectLettersPanel* PanelSelectLetters;

    // ---- state ----
    int GameMode = GameOptionsPage;
    uint8_t GameStarted = 0;
    int UncoverRows = 6;  // the Uncover Squares size recorded
    WordDraw Draw;
    ScrambleBoard Scramble;
    int PrintHalf = 1;  // the half of the page the last printout took: 1 top, 2 bottom

    int HintSubMode() const override { return GameMode; }

    // Who asked for a draw: the options page's button, a game's "New game", an Uncover size.
    enum class Caller { StartButton, NewGame, UncoverSize };

    void rbSelectGameClick();
    void rbCommonClick();
    void rbLearnedClick();
    void bnStartGameClick(Caller caller);
    // The shared word choice and game set-up; false when the draw ended on the options page.
    bool StartWordGame(Caller caller);
    void bnReturnClick();
    // An Uncover Squares size chosen by the user: recorded, and dealt while a game is started;
    // the size already chosen changes nothing.
    void UncoverSizeClick(int rows);

    WordSelection Selection() const;
    QString CategoryCaption() const;
    int CheckedGameMode() const;
    // The panel of a game, or nullptr for a game not on this screen yet.
    QFrame* GamePanel(int mode) const;
    // The answer language of the game on view (the language it was drawn in).
    bool GameSpanish() const;

    // Scrambled Words rows, 1-based as the buttons are numbered.
    void SetupScrambleRow(int k);
    void bnShowEngClick(int k);
    void bnClueClick(int k);
    void bnFillClick(int k);
    void bnCheckClick(int k);
    void CheckScrambleRows();

    // "Print" of a game: the half of the page, then the print job for the game given.
    void bnPrintClick(int gameMode);

protected:
    void OnFormShow() override;
    void OnFormResize() override;

private:
    void BuildOptionsPage();
    void BuildScrambledWords();
    void LayOutOptionsPage();
    void LayOutScrambledWords();
    void ShowScrambleRow(int index);  // 0-based: the model onto the row's widgets
    void ShowScrambleBoard();
    void ApplyCaptions();
    void BackToOptions();

    std::vector<TWordGamePanel*> gamePanels_;  // every game but Scrambled Words
    bool gameSpanish_ = true;
    bool drawn_ = false;
    int drawnMode_ = GameOptionsPage;
};

#pragma once
// The Board Game screen: a set-up page (players, targets, six category slots) and a game page
// (the ring of 64 squares, markers, die, questions, chance cards, scores). The rules are in
// BoardGameRules; this form shows them and animates the die.

#include "ScreenForm.h"

#include "LX_Globals.h"

#include <QFrame>
#include <QLabel>

#include <array>
#include <functional>
#include <string>

class AlphabetGrid;
class CategoryPicker;
class LexGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

// A label or panel that reports a left press (die faces, option panels, the card deck).
template <class Base>
class TClickable : public Base {
public:
    using Base::Base;
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
using TClickLabel = TClickable<QLabel>;
using TClickFrame = TClickable<QFrame>;

// A widget painted by its screen.
class TPaintBox : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TfrmBoardGame : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmBoardGame(QWidget* mainWindow);

    int HintSubMode() const override { return GameInProgress; }

    int32_t GameInProgress = 0;

    // ---- set-up page
    QFrame* PanelMain;
    QFrame* PanelStep1;
    QLabel* lblStep1;
    QFrame* PanelInstructStep1;
    std::array<QLabel*, 4> lblInstruct1{};
    std::array<QFrame*, 4> PanelPlayer{};
    std::array<QLabel*, 4> lblName{};
    std::array<QLineEdit*, 4> edName{};
    std::array<QLabel*, 4> lblTarget{};
    std::array<QLabel*, 4> PanelTarget{};
    std::array<QSlider*, 4> tbTarget{};
    QCheckBox* cbGusmaro;
    QFrame* PanelStep2;
    QLabel* lblStep2;
    CategoryPicker* Picker;
    QPushButton* bnRandom;
    QPushButton* bnAdd;
    QPushButton* bnRemove;
    LexGrid* sgSelected;
    QPushButton* bnLoadExisting;
    QPushButton* bnStartGame;

    // ---- game page
    QFrame* PanelGame;
    QFrame* PanelBoard;
    std::array<LexGrid*, 4> sgBoard{};  // top, right, bottom, left
    std::array<LexGrid*, 5> sgPlayer{};  // 1..4
    TPaintBox* pbLegend;
    std::array<QFrame*, 5> PanelScore{};  // 1..4
    std::array<TPaintBox*, 5> pbScore{};
    QPushButton* bnSave;
    QPushButton* bnReturn;

    QFrame* PanelRoll;
    std::array<QLabel*, 4> PanelPlayerName{};  // on PanelRoll, PanelCards, PanelClue, PanelAnswer
    QLabel* PanelRollInstruct;
    std::array<TClickLabel*, 7> imDice{};  // 1..6
    std::array<QLabel*, 8> imgArrow1{};    // up, right, down, left, up-left, up-right, down-right, down-left
    std::array<QLabel*, 8> imgArrow2{};
    QFrame* PanelMoveInstruct;
    QLabel* PanelMoveInstruct1;
    TClickFrame* PanelOption1;
    TClickFrame* PanelOption2;
    std::array<TClickLabel*, 3> lblOption1{};
    std::array<TClickLabel*, 3> lblOption2{};
    QLabel* lblMoveFooter1;
    QLabel* lblMoveFooter2;

    QFrame* PanelClue;
    QLabel* PanelCategory;
    QLabel* PanelEnglish;
    AlphabetGrid* sgAlphabet;
    QLabel* PanelAnsInstruct;
    QLineEdit* edSpanish;
    QLabel* PanelnChars;
    QPushButton* bnClear;
    QPushButton* bnSubmit;
    QPushButton* bnDontKnow;
    QLabel* PanelMemo;

    QFrame* PanelAnswer;
    QLabel* PanelCategory1;
    QLabel* PanelEnglish1;
    QLabel* lblCorrect;
    QLabel* lblIncorrect1;
    QLabel* PanelAns;
    QLabel* lblIncorrect;
    QLabel* PanelSpanish1;
    QPushButton* bnContinue;

    QFrame* PanelCards;
    QLabel* PanelCardInstruct;
    TClickFrame* imgCards;
    TClickFrame* PanelCardText;
    std::array<TClickLabel*, 4> lblCards{};
    QLabel* PanelCardInstruct1;
    QLabel* PanelCardInstruct2;
    QPushButton* bnCardContinue;

    QFrame* PanelGusmaro;
    QLabel* PanelPlayerGusmaro;
    QLabel* lblGusmaroThrow;
    QLabel* lblGusmaroPoints;
    QPushButton* bnGusmaroContinue;

    QTimer* TimerDice;

    // Set-up state.
    std::string CategoryCaption;
    int SelectedRow = -1;
    std::string SelectedText;
    TAnswer CurrentQuestion;
    int CardDrawn = -1;

    // ---- set-up page handlers
    void sgSelectedSelectCell(int row);
    void bnAddClick(QObject* sender);
    void bnRemoveClick();
    void bnRandomClick(QObject* sender);
    void tbTargetChange(int index);
    void cbGusmaroClick();
    void edNameChange(int index);
    void bnStartGameClick(QObject* sender);
    void bnReturnClick();
    void bnSaveClick();
    void bnLoadExistingClick();

    // ---- board, die and moves
    void BeginTurn();
    void TimerDiceTimer();
    void imDiceClick();
    QPoint SquareToPixel(int square) const;
    void MoveToSquare(int square);
    void sgBoardMouseDown(int edge, int col, int row);
    void PanelOption1Click();
    void PanelOption2Click();
    bool sgBoardDragOver(int edge, int col, int row);
    void sgPlayerEndDrag();

    // ---- questions, cards, the computer
    void AskQuestion();
    void ShowChanceCards();
    void CardsClick();
    void bnCardContinueClick();
    void bnSubmitClick();
    void bnContinueClick();
    void bnClearClick();
    void edSpanishChange();
    void ComputerTurn();
    void GameOver();
    // The turn of the current player: the computer's own, or the die for a person.
    void StartTurn();
    void ShowGamePage();  // after a start or a load: the score boxes and markers of the players

    int SquareSize() const { return squareSize_; }

protected:
    void OnFormShow() override;
    void OnFormResize() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildSetupPage();
    void BuildGamePage();
    void BuildRollPanel();
    void BuildCluePanel();
    void BuildAnswerPanel();
    void BuildCardsPanel();
    void BuildGusmaroPanel();
    // One of the panels shown one at a time in the middle of the board.
    QFrame* MakeCentrePanel(const char* name);
    std::array<QFrame*, 5> CentrePanels() const;
    void ShowSlotNames();
    void UpdateSlotButtons();
    void ShowCentrePanel(QFrame* panel);
    void ShowPlayerName(QLabel* label, int player);
    void PlaceMarkers();
    // The drag is over this square: it becomes DropSquare when it is a target.
    bool DragOverSquare(int square);
    void ShowArrows();
    void HideArrows();
    void FillOptionPanel(TClickFrame* panel, const std::array<TClickLabel*, 3>& labels, int square, bool forward);
    void RepaintScores();
    void ApplyFonts();
    void LayOutSetup();
    void LayOutGame();
    void LayOutCentrePanels(const QRect& inner);
    void LayOutOptionPanels();
    void CentreContent(QFrame* panel);
    void DrawBoardCell(QPainter& p, int square, const QRect& rect);
    void DrawMarker(QPainter& p, int player, const QRect& rect);
    void PaintLegend(QPainter& p);
    void PaintScore(QPainter& p, int player);

    int squareSize_ = 30;
    int columnWidth_ = 254;
    bool gameOver_ = false;
};

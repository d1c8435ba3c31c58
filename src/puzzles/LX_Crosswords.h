#pragma once
// The Crosswords screen: the set-up page with its four steps, and the puzzle page with the
// crossword grid, the clue lists and the Clear / Fill / Check buttons.

#include "ScreenForm.h"

#include <QString>

#include <array>

class CategoryPicker;
class LexGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

class TfrmCrosswords : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmCrosswords(QWidget* mainWindow);

    // ---- set-up page
    QFrame* PanelMain;
    std::array<QFrame*, 4> PanelSteps{};      // the four step boxes
    std::array<QLabel*, 4> lblStepTitles{};   // their header-coloured titles
    QRadioButton* rbXWord;
    QRadioButton* rbFree;
    std::array<QLabel*, 3> lblXWordLines{};   // a click selects rbXWord
    std::array<QLabel*, 3> lblFreeLines{};    // a click selects rbFree
    QRadioButton* rbCommon;
    QRadioButton* rbNotCommon;
    QRadioButton* rbAllCommon;
    CategoryPicker* Picker;
    QFrame* PanelStep3Reg;
    std::array<QLabel*, 2> lblStep3RegLines{};
    QFrame* PanelGridSize;                    // step 4, regular
    QLineEdit* edSelectGridSize;
    QToolButton* spnGridSizeUp;
    QToolButton* spnGridSizeDown;
    QFrame* PanelWordCount;                   // step 4, free format
    QLabel* lblWords;
    QSpinBox* senWords;
    QPushButton* bnStartCrossword;
    QPushButton* bnLoadExisting;
    QString CategoryCaption;

    // ---- puzzle page
    QFrame* PanelXWord;
    QLabel* lblFreeFormHeader;
    LexGrid* sgCross;
    LexGrid* sgClues;
    // Clear, Fill and Check: a caption and the buttons Letter, Word and All each.
    struct ButtonPanel {
        QFrame* Panel = nullptr;
        QLabel* Caption = nullptr;
        QPushButton* Letter = nullptr;
        QPushButton* Word = nullptr;
        QPushButton* All = nullptr;
    };
    ButtonPanel PanelClear, PanelFill, PanelCheck;
    QPushButton* bnAccent;
    QPushButton* bnSame;
    QPushButton* bnReturn;
    QPushButton* bnSave;
    QPushButton* bnPrint;

    // Over both pages while a regular crossword is worked out.
    QFrame* PanelRecalc;
    QLabel* lblRecalc;

    int ClueFontLevel = 4;  // 1 to 4: the clue list's font, the largest whose clues fit

    int HintSubMode() const override;

    // Set-up page handlers.
    void rbXWordFreeClick(QObject* sender);
    void spnGridSizeUpClick();
    void spnGridSizeDownClick();
    void rbCommonClick();
    void senWordsChange();
    // The sender tells the start button (or none) from "New puzzle".
    void bnStartCrosswordClick(QObject* sender = nullptr);
    void bnLoadExistingClick();

    // Puzzle page handlers.
    void sgCrossMouseDown(int col, int row);
    void sgCluesMouseDown(int col, int row);
    // A key on its Windows virtual-key code; true when the grid used it.
    bool sgCrossKeyDown(int key, bool shift);
    void bnClearClick(QObject* sender);
    void bnFillClick(QObject* sender);
    void bnCheckClick(QObject* sender);
    void bnAccentClick();
    void bnSameClick();
    void bnReturnClick();
    void bnSaveClick();
    void AnyMouseDown();
    void bnPrintClick();

protected:
    void OnFormShow() override;
    void OnFormResize() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowStepsForType(bool regular);
    void ShowGridSize();
    void LayOutSetupPage();
    void LayOutPuzzlePage();
    void ChooseClueFontLevel();
    void RunRegularStart();
    void RunFreeFormatStart(bool fromStartButton);
    // A puzzle just generated onto the grids and the clue list, and the puzzle page shown.
    void ShowNewPuzzle();
    void ShowPuzzleGrids(bool on);
    // After a change of the play state: every flag to the grids, the buttons and the focus.
    void AfterPlay();
    void DrawCrossCell(QPainter& p, int col, int row, const QRect& rect);
    void DrawClueCell(QPainter& p, int col, int row, const QRect& rect);
};
